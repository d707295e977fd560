// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Seance.h"

#include "ChoixSerie.h"
#include "Horloge.h"
#include "SortesDeJeu.h"

#include <algorithm>
#include <chrono>

namespace {

// le compteur de la barre d'état : la solution montrée sur leur nombre ; vidé par un inventaire sans aucun
// compte ; sinon il garde le texte du jeu d'avant, jusqu'à la prochaine recherche
std::optional<std::string> TexteCompteur(const Partie& partie)
{
    const TListeSolutions& liste = partie.Donnees().ListeSolutions;
    const int32_t courante = partie.SolutionCourante();
    if (!liste.Vide() && courante >= 0 && courante < liste.Nombre() && !liste.Texte(courante).empty())
        return std::to_string(courante + 1) + "/" + std::to_string(liste.Nombre());
    if (liste.Vide() && partie.Phase() == PhaseJeu::Resolu)
        return std::string();
    return std::nullopt;
}

std::string TexteTempsEcoule(int32_t secondes) { return "Temps : " + std::to_string(std::max(0, secondes)) + " s"; }

}  // namespace

Seance::Seance(DepotJeux& depot, std::function<void()> montrer, std::function<int32_t()> horloge)
    : depot_(depot), montrer_(std::move(montrer)), horloge_(horloge ? std::move(horloge) : HorlogeMs),
      partie_([this] { return graineImposee_ ? *graineImposee_ : GraineDeLHeure(); })
{
}

Seance::~Seance() = default;

DateJour Seance::Aujourdhui() const
{
    return dateImposee_ ? *dateImposee_ : JourLocal(std::chrono::system_clock::now());
}

const Serie* Seance::SerieEnCours() const
{
    const auto* serie = dynamic_cast<const SorteSerie*>(sorte_.get());
    return serie && serie->Modele().EnCours() ? &serie->Modele() : nullptr;
}

const Match* Seance::MatchEnCours() const
{
    const auto* match = dynamic_cast<const SorteDeMatch*>(sorte_.get());
    return match ? &match->Modele() : nullptr;
}

EtatCommandes Seance::Commandes() const
{
    EtatCommandes c = partie_.Commandes();
    c.JeuSuivant = c.Compte && sorte_ && sorte_->JeuSuivantPermis();
    const EtatNavigation n = partie_.Navigation();
    c.VersLeDebut = n.VersLeDebut;
    c.VersLaFin = n.VersLaFin;
    return c;
}

LigneEtat Seance::Etat() const { return {statut_, alerte_, TexteCompteur(partie_)}; }

std::string Seance::TexteTempsSerie() const { return ::TexteTempsSerie(partie_.TempsLimiteChoisi()); }

// ----- début d'un jeu -----

bool Seance::ContinueLaSorte(const DemandeJeu& demande) const
{
    // une série qui attend son jeu suivant le reçoit aussi de « Tiré au sort »
    return sorte_ && sorte_->JeuSuivantPermis() &&
           (demande.Sorte == SorteDemandee::JeuSuivant || demande.Sorte == SorteDemandee::Tirage);
}

bool Seance::Permise(const DemandeJeu& demande) const
{
    return partie_.Commandes().Compte && (demande.Sorte != SorteDemandee::JeuSuivant || ContinueLaSorte(demande));
}

std::optional<QuestionSeance> Seance::QuestionAvant(const DemandeJeu& demande) const
{
    if (!Permise(demande) || ContinueLaSorte(demande))
        return std::nullopt;
    return QuestionAvantFermeture();
}

Etape Seance::Commencer(const DemandeJeu& demande)
{
    if (!Permise(demande))
        return Etape::Rien;
    if (ContinueLaSorte(demande))
        return sorte_->JeuSuivant(*this);
    Fermer();
    sorte_ = CreerSorte(demande);
    return sorte_->Commencer(*this);
}

std::optional<QuestionSeance> Seance::QuestionAvantFermeture() const
{
    return sorte_ ? sorte_->QuestionAvantAutreJeu() : std::nullopt;
}

void Seance::Fermer()
{
    if (!sorte_)
        return;
    if (sorte_->ParleDansLaBarre())
        statut_.clear();
    sorte_->Abandonner();
    sorte_.reset();
}

// ----- le cours du jeu -----

void Seance::SaisieOuverte()
{
    partie_.SaisieOuverte(horloge_());
    // le chronomètre du joueur ne part qu'à l'affichage de la saisie : d'ici là, 0 s
    if (partie_.Limite().Active())
        Decompter();
    else
        statut_ = TexteTempsEcoule(0);
}

PasDecompte Seance::Decompter()
{
    const int32_t maintenant = horloge_();
    const LimiteTemps& limite = partie_.Limite();
    if (!limite.Active()) {
        // « Refaire » fait repartir le temps montré
        statut_ = TexteTempsEcoule((maintenant - partie_.Donnees().DebutChrono) / 1000);
        return {};
    }
    statut_ = "Reste : " + std::to_string(limite.ResteSecondes(maintenant)) + " s";
    alerte_ = limite.EnAlerte(maintenant);
    return {limite.Avertir(maintenant), limite.Ecoule(maintenant)};
}

Etape Seance::TirageTermine() { return sorte_ ? sorte_->TirageTermine(*this) : Etape::Saisir; }

void Seance::ReflexionFinie()
{
    alerte_ = false;
    if (auto* match = dynamic_cast<SorteDeMatch*>(sorte_.get()))
        match->TerminerReflexion(*this);
}

ApresJeu Seance::Annoncer(std::optional<int32_t> valeur)
{
    auto* match = dynamic_cast<SorteDeMatch*>(sorte_.get());
    return match ? match->Annoncer(*this, valeur) : ApresJeu{};
}

ApresJeu Seance::SaisieFinie()
{
    partie_.JoueurTermine(horloge_());
    statut_.clear();
    alerte_ = false;
    return sorte_ ? sorte_->SaisieFinie(*this) : ApresJeu{};
}

std::optional<OrigineJeu> Seance::Resoudre(uint8_t ordre)
{
    partie_.Resoudre(ordre, Crochets());
    return EnregistrerJeuFini();
}

void Seance::Inventorier(const Progression& progression)
{
    CrochetsRecherche crochets = Crochets();
    crochets.ProgressionTousComptes = progression;
    partie_.InventorierTousComptes(crochets);
}

// ----- pour les sortes de jeu -----

void Seance::Montrer() const
{
    if (montrer_)
        montrer_();
}

CrochetsRecherche Seance::Crochets()
{
    CrochetsRecherche crochets;
    crochets.AvantRecherche = [this] { Montrer(); };
    crochets.Statut = [this](const std::string& texte) {
        statut_ = texte;
        Montrer();
    };
    crochets.ApresRecherche = [this] { Montrer(); };
    return crochets;
}

std::optional<OrigineJeu> Seance::EnregistrerJeuFini(const Serie* serie)
{
    const std::optional<JeuFini> jeu = partie_.MarquerEnregistre();
    if (!jeu)
        return std::nullopt;
    return depot_.EnregistrerJeu(*jeu, serie);
}
