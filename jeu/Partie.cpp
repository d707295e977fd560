// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Partie.h"

#include "EnregistrementSolution.h"
#include "Solution.h"

#include <algorithm>
#include <chrono>

unsigned GraineDeLHeure()
{
    return static_cast<unsigned>(std::chrono::system_clock::to_time_t(std::chrono::system_clock::now()));
}

Partie::Partie(std::function<unsigned()> graine) : graine_(graine ? std::move(graine) : GraineDeLHeure) {}

EtatNavigation Partie::Navigation() const
{
    if (!Commandes().Navigation)
        return {};
    return NavigationDeLaSolution(SolutionCourante(), NbSolutionsListees());
}

// ----- début d'un jeu -----

void Partie::Reinitialiser()
{
    tirage_.Reinitialiser(graine_());
    donnees_.SolutionCourante = 0;
    donnees_.But = 0;
    donnees_.Plaques.fill(0);
    donnees_.OrdreSolutions = 0;
    donnees_.ViderSolutions();
    plaquesCachees_.fill(true);
    phase_ = PhaseJeu::AucunJeu;
    origine_ = OrigineJeu::Aucune;
    statsAEnregistrer_ = false;
    joueurTermine_ = false;
    arreteeParLeTemps_ = false;
    limite_ = LimiteTemps();
    jeuDuJour_.reset();
}

// le calcul d'un joueur d'un autre jeu ne se compare pas à celui-ci
void Partie::CommencerNouveauJeu(PhaseJeu phase)
{
    Reinitialiser();
    donnees_.OublierJoueur();
    donnees_.ClasserPlaques(ModeClassement::Identite);
    phase_ = phase;
    limite_ = LimiteTemps(tempsLimiteChoisi_);
    serie_.reset();
    match_.reset();
}

void Partie::NouveauJeuTire(std::optional<int> nbGrandes)
{
    CommencerNouveauJeu(PhaseJeu::TirageEnCours);
    tirage_.Demarrer(nbGrandes);
    origine_ = OrigineJeu::TireAuSort;
    statsAEnregistrer_ = true;
}

TirageDeNiveau Partie::NouveauJeuTireDeNiveau(NiveauJeu niveau, int essaisMax)
{
    CommencerNouveauJeu(PhaseJeu::TirageEnCours);
    const TirageDeNiveau tirage = ChercherJeuDeNiveau(niveau, [this] { return tirage_.TirerJeu(); }, essaisMax);
    tirage_.Demarrer(tirage.Jeu);
    origine_ = OrigineJeu::TireAuSort;
    statsAEnregistrer_ = true;
    return tirage;
}

void Partie::NouveauJeuDuJour(const JeuDuJour& jeu, bool dejaJoue)
{
    CommencerNouveauJeu(PhaseJeu::TirageEnCours);
    tirage_.Demarrer(JeuTire{jeu.Plaques, jeu.But});
    jeuDuJour_ = jeu;
    origine_ = dejaJoue ? OrigineJeu::Propose : OrigineJeu::Jour;
    statsAEnregistrer_ = true;
}

void Partie::JeuDuJourJoueAilleurs()
{
    if (origine_ == OrigineJeu::Jour && statsAEnregistrer_)
        origine_ = OrigineJeu::Propose;
}

PasTirage Partie::AvancerTirage()
{
    if (!AnimationEnCours())
        return {};
    const PasTirage pas = tirage_.Avancer();
    donnees_.Plaques = tirage_.Plaques();
    donnees_.But = tirage_.But();
    plaquesCachees_ = tirage_.PlaquesCachees();
    if (pas.Termine)
        phase_ = PhaseJeu::JeuPose;
    return pas;
}

void Partie::CommencerProposition() { CommencerNouveauJeu(PhaseJeu::TirageEnCours); }

void Partie::SuivreProposition(const PropositionJeu& saisie)
{
    if (phase_ != PhaseJeu::TirageEnCours || origine_ != OrigineJeu::Aucune)
        return;
    if (saisie.Complet()) {
        NouveauJeuPropose(saisie.Plaques(), saisie.But());
        return;
    }
    donnees_.Plaques = saisie.Plaques();
    donnees_.But = saisie.But();
    plaquesCachees_ = saisie.PlaquesCachees();
}

void Partie::AbandonnerProposition() { Reinitialiser(); }

void Partie::PoserJeu(const SixEntiers& plaques, int32_t but, OrigineJeu origine)
{
    CommencerNouveauJeu(PhaseJeu::JeuPose);
    donnees_.Plaques = plaques;
    donnees_.But = but;
    plaquesCachees_.fill(false);
    origine_ = origine;
    statsAEnregistrer_ = origine != OrigineJeu::Aucune;
}

void Partie::NouveauJeuPropose(const SixEntiers& plaques, int32_t but) { PoserJeu(plaques, but, OrigineJeu::Propose); }

void Partie::NouveauJeuLigneCommande(const SixEntiers& plaques, int32_t but)
{
    PoserJeu(plaques, but, OrigineJeu::Aucune);
    limite_ = LimiteTemps();
}

// ----- recherche -----

CrochetsRecherche Partie::Encadrer(const CrochetsRecherche& crochets)
{
    CrochetsRecherche encadres = crochets;
    encadres.AvantRecherche = [this, avant = crochets.AvantRecherche] {
        RechercheCommencee();
        if (avant)
            avant();
    };
    encadres.ApresRecherche = [this, apres = crochets.ApresRecherche] {
        RechercheTerminee();
        if (apres)
            apres();
    };
    return encadres;
}

void Partie::Resoudre(uint8_t ordre, const CrochetsRecherche& crochets)
{
    if (!Commandes().Solutions)
        return;
    donnees_.OrdreSolutions = ordre;
    ExecuterRecherche(donnees_, Encadrer(crochets));
}

void Partie::InventorierTousComptes(const CrochetsRecherche& crochets)
{
    if (!Commandes().Solutions)
        return;
    ExecuterRechercheTousComptes(donnees_, Encadrer(crochets));
}

void Partie::RechercheTerminee()
{
    phase_ = PhaseJeu::Resolu;
    donnees_.SolutionCourante = 0;
}

// ----- temps limite -----

void Partie::LimiterCeJeu(int secondes)
{
    if (origine_ == OrigineJeu::Aucune || limite_.Demarree())
        return;
    limite_ = LimiteTemps(secondes);
}

void Partie::JoueurTermine(int32_t maintenant)
{
    arreteeParLeTemps_ = limite_.Ecoule(maintenant);
    if (arreteeParLeTemps_) {
        // arrêté par le temps : ce qu'il a fait compte, fait dans tout le temps permis
        if (donnees_.EtatJoueur && donnees_.EtatJoueur->NbOperations > 0)
            donnees_.TempsJoueur = limite_.Millisecondes();
        else
            donnees_.OublierJoueur();
    }
    JoueurTermine();
}

// ----- statistiques -----

bool Partie::AEnregistrer() const { return statsAEnregistrer_ && joueurTermine_ && phase_ == PhaseJeu::Resolu; }

std::optional<JeuFini> Partie::MarquerEnregistre(std::string dateHeure)
{
    if (!AEnregistrer())
        return std::nullopt;
    statsAEnregistrer_ = false;
    const int limite = TempsLimite();
    LigneHistorique ligne = LigneDuJeu(donnees_, origine_, PositionSolutionJoueur(donnees_), std::move(dateHeure),
                                       limite > 0 ? std::optional<int32_t>(limite) : std::nullopt);
    if (origine_ == OrigineJeu::Jour && jeuDuJour_)
        ligne.JourDuJeu = NombreDate(jeuDuJour_->Date);
    ligne.Serie = serie_;
    ligne.Match = match_;
    return JeuFini(std::move(ligne));
}

void Partie::LierAMatch(std::optional<int64_t> numero, bool enregistre)
{
    if (origine_ != OrigineJeu::TireAuSort || !AnimationEnCours())
        return;
    origine_ = OrigineJeu::Match;
    match_ = numero;
    statsAEnregistrer_ = enregistre;
}

// ----- parcours -----

void Partie::PremiereSolution() { donnees_.SolutionCourante = 0; }

void Partie::SolutionPrecedente()
{
    if (donnees_.SolutionCourante != 0)
        --donnees_.SolutionCourante;
}

void Partie::SolutionSuivante()
{
    if (donnees_.SolutionCourante < NbSolutionsListees() - 1)
        ++donnees_.SolutionCourante;
}

void Partie::DerniereSolution() { donnees_.SolutionCourante = std::max(0, NbSolutionsListees() - 1); }

std::optional<int32_t> Partie::PremiereSolutionUtilisant(int nbPlaques)
{
    const TListeSolutions& liste = donnees_.ListeSolutions;
    for (int32_t i = 0; i < liste.Nombre(); ++i) {
        const plq_utl* solution = liste.Objet(i);
        if (solution && NbPlaquesMasque(solution->MasquePlaques) == nbPlaques) {
            donnees_.SolutionCourante = i;
            return i;
        }
    }
    return std::nullopt;
}
