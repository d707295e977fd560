// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandesJeu.h"
#include "DonneesRecherche.h"
#include "ExecutionRecherche.h"
#include "JeuDuJour.h"
#include "JeuFini.h"
#include "LimiteTemps.h"
#include "OrigineJeu.h"
#include "PropositionJeu.h"
#include "TirageAuSort.h"
#include "TirageDeNiveau.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

// la graine du générateur à chaque remise à zéro : l'heure, en secondes
unsigned GraineDeLHeure();

// la partie en cours, quelle que soit la fenêtre qui la montre : les six plaques et le compte, d'où vient
// le jeu, les plaques cachées, la phase, l'enregistrement unique des statistiques, la solution montrée.
// Le moteur remplit le record DonneesRecherche que tient la partie ; les fenêtres le lisent.
//
// Déroulement : NouveauJeuTire → AvancerTirage… (fin : JeuPose) ; ou CommencerProposition →
// SuivreProposition… (compte complet : NouveauJeuPropose) ; ou NouveauJeuLigneCommande. Puis la saisie du
// joueur (JoueurTermine), Resoudre dans un ordre ou l'autre, MarquerEnregistre une fois, et le parcours
// des solutions.
class Partie {
public:
    // graine : celle de chaque remise à zéro ; par défaut l'heure, en secondes
    explicit Partie(std::function<unsigned()> graine = {});

    // ----- état -----
    DonneesRecherche& Donnees() { return donnees_; }
    const DonneesRecherche& Donnees() const { return donnees_; }
    const SixEntiers& Plaques() const { return donnees_.Plaques; }
    int32_t But() const { return donnees_.But; }
    const std::array<bool, 6>& PlaquesCachees() const { return plaquesCachees_; }
    OrigineJeu Origine() const { return origine_; }
    PhaseJeu Phase() const { return phase_; }
    const TirageAuSort& Tirage() const { return tirage_; }
    // l'animation d'un tirage tourne (le pavé, qui partage la phase, n'a pas encore d'origine)
    bool AnimationEnCours() const { return phase_ == PhaseJeu::TirageEnCours && origine_ != OrigineJeu::Aucune; }
    // le jeu du jour en cours (même rejoué), jusqu'au jeu suivant
    const std::optional<JeuDuJour>& JeuDuJourEnCours() const { return jeuDuJour_; }
    // les commandes permises dans la phase, et les flèches selon la solution montrée
    EtatCommandes Commandes() const { return CommandesDeLaPhase(phase_); }
    EtatNavigation Navigation() const;

    // ----- début d'un jeu -----
    // tout effacé : cases vides et cachées, compte 0, plus de solutions, générateur réensemencé
    void Reinitialiser();
    // un tirage au sort commence ; nbGrandes : nombre imposé de grandes plaques, sinon le tirage ordinaire
    void NouveauJeuTire(std::optional<int> nbGrandes = std::nullopt);
    // un tirage au sort d'un jeu de ce niveau : des jeux ordinaires (toute la réserve, sans nombre imposé
    // de grandes plaques) sont essayés avant l'animation, qui finit ensuite sur celui qui a le niveau,
    // ou sur le plus proche trouvé ; le temps limite choisi vaut comme pour tout tirage
    TirageDeNiveau NouveauJeuTireDeNiveau(NiveauJeu niveau, int essaisMax = EssaisTirageDeNiveau);
    // le jeu du jour, par l'animation du tirage qui finit sur lui ; le temps limite choisi vaut comme pour tout
    // tirage. Il compte comme jeu du jour, ou, quand le jeu de cette date a déjà été joué, comme un jeu proposé
    void NouveauJeuDuJour(const JeuDuJour& jeu, bool dejaJoue);
    // le jeu du jour a été joué entre-temps (par un autre exemplaire du programme) : il comptera comme proposé
    void JeuDuJourJoueAilleurs();
    // un pas de 50 ms de l'animation ; au dernier, le jeu est posé
    PasTirage AvancerTirage();
    // le pavé s'ouvre sur un jeu vide ; chaque touche est reprise par SuivreProposition, le compte complet
    // pose le jeu par NouveauJeuPropose
    void CommencerProposition();
    void SuivreProposition(const PropositionJeu& saisie);
    // le pavé fermé sans compte complet : il n'y a plus de jeu
    void AbandonnerProposition();
    // un jeu proposé complet (fin du pavé, ou jeu rejoué) : posé, à résoudre et à enregistrer une fois
    void NouveauJeuPropose(const SixEntiers& plaques, int32_t but);
    // un jeu de la ligne de commande : posé, jamais enregistré dans les statistiques
    void NouveauJeuLigneCommande(const SixEntiers& plaques, int32_t but);

    // ----- le joueur et la recherche -----
    // la saisie du calcul du joueur est finie, quelle qu'en soit l'issue (ses éléments sont dans Donnees())
    void JoueurTermine() { joueurTermine_ = true; }
    bool SaisieFinie() const { return joueurTermine_; }
    // résout le jeu dans l'ordre donné ; les crochets de l'appelant sont appelés une fois la phase changée
    void Resoudre(uint8_t ordre, const CrochetsRecherche& crochets = {});
    // l'inventaire de tous les comptes des six plaques, par la même exécution
    void InventorierTousComptes(const CrochetsRecherche& crochets = {});

    // ----- temps limite -----
    // le temps limite des saisies des jeux à venir, en secondes (0 : sans limite) ; le jeu en cours garde le sien
    void ChoisirTempsLimite(int secondes) { tempsLimiteChoisi_ = secondes > 0 ? secondes : 0; }
    int TempsLimiteChoisi() const { return tempsLimiteChoisi_; }
    // le temps limite en vigueur pour le jeu en cours, en secondes : celui qui était choisi quand le jeu a
    // commencé ; 0 sans limite, et pour un jeu de la ligne de commande (le joueur n'y fait pas de calcul)
    int TempsLimite() const { return limite_.Secondes(); }
    // le jeu qui commence a cette limite au lieu de celle choisie (les jeux d'une série se jouent toujours
    // contre la montre) ; rien ne change une fois la saisie ouverte, ni sans jeu tiré ou proposé
    void LimiterCeJeu(int secondes);
    // le décompte du jeu en cours : temps qui reste, écoulement
    const LimiteTemps& Limite() const { return limite_; }
    // la saisie du joueur s'ouvre : le temps limite du jeu court depuis sa première ouverture
    void SaisieOuverte(int32_t maintenant) { limite_.Demarrer(maintenant); }
    // la montre s'arrête pour le reste du jeu : à deux, la preuve d'une annonce se fait sans elle
    void ArreterMontre() { limite_ = LimiteTemps(); }
    // la saisie du joueur est finie à cet instant. Le temps limite atteint, elle finit comme fermée par sa
    // case (le calcul tel qu'il est, son meilleur résultat tel qu'il a été trouvé), mais son temps est la
    // limite ; sans aucune opération faite, le joueur n'a pas joué, comme avec « Annuler ». Avant la
    // limite, ou sans limite : comme JoueurTermine()
    void JoueurTermine(int32_t maintenant);
    // la saisie finie l'a été par le temps limite
    bool SaisieArreteeParLeTemps() const { return arreteeParLeTemps_; }

    // ----- statistiques -----
    // le jeu, tiré au sort ou proposé, n'est pas encore dans les statistiques
    bool StatistiquesEnAttente() const { return statsAEnregistrer_; }
    // il est temps de l'y mettre : résolu, joueur fini, pas encore enregistré
    bool AEnregistrer() const;
    // ce que ce jeu laisse (ses montants des statistiques et sa ligne de l'historique, datée de dateHeure),
    // la première fois qu'il est temps ; ensuite plus rien
    std::optional<JeuFini> MarquerEnregistre(std::string dateHeure = MaintenantUtc());
    // le jeu qui vient de commencer fait partie de cette série (son numéro dans l'historique), que sa ligne
    // gardera ; un nouveau jeu en est détaché
    void LierASerie(std::optional<int64_t> numero) { serie_ = numero; }
    // le jeu tiré qui vient de commencer est un tirage de ce match (son numéro dans l'historique) : d'origine
    // « match », que sa ligne gardera ; enregistre : la saisie est celle du joueur seul (contre l'ordinateur),
    // sinon (à deux) le jeu ne laisse rien aux statistiques ni à l'historique
    void LierAMatch(std::optional<int64_t> numero, bool enregistre);

    // ----- parcours des solutions -----
    int32_t SolutionCourante() const { return donnees_.SolutionCourante; }
    int32_t NbSolutionsListees() const { return donnees_.ListeSolutions.Nombre(); }
    void PremiereSolution();
    void SolutionPrecedente();
    void SolutionSuivante();
    void DerniereSolution();
    // montre la première solution, dans l'ordre de la liste, qui utilise exactement nbPlaques plaques et
    // rend son indice ; std::nullopt quand il n'y en a pas, et la solution montrée ne change pas
    std::optional<int32_t> PremiereSolutionUtilisant(int nbPlaques);

private:
    void CommencerNouveauJeu(PhaseJeu phase);
    void PoserJeu(const SixEntiers& plaques, int32_t but, OrigineJeu origine);
    // les deux bouts de toute recherche, que Encadrer place autour des crochets de l'appelant
    CrochetsRecherche Encadrer(const CrochetsRecherche& crochets);
    void RechercheCommencee() { phase_ = PhaseJeu::RechercheEnCours; }
    void RechercheTerminee();

    std::function<unsigned()> graine_;
    DonneesRecherche donnees_;
    TirageAuSort tirage_;
    std::optional<JeuDuJour> jeuDuJour_;
    std::array<bool, 6> plaquesCachees_{true, true, true, true, true, true};
    PhaseJeu phase_ = PhaseJeu::AucunJeu;
    OrigineJeu origine_ = OrigineJeu::Aucune;
    bool statsAEnregistrer_ = false;
    bool joueurTermine_ = false;
    bool arreteeParLeTemps_ = false;
    int tempsLimiteChoisi_ = 0;
    LimiteTemps limite_;
    std::optional<int64_t> serie_;
    std::optional<int64_t> match_;
};
