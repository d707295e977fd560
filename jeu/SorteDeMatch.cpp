// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SorteDeMatch.h"

#include "AMaMesure.h"
#include "Seance.h"

#include <algorithm>
#include <cstdlib>

namespace {

// les opérations finies du calcul du joueur, une par ligne comme la saisie les écrit ; rien s'il n'a pas joué
std::vector<std::string> CalculDuJoueur(const DonneesRecherche& d)
{
    std::vector<std::string> lignes;
    if (!d.EtatJoueur || d.EtatJoueur->NbOperations == 0 || d.ListeSolutions.Vide())
        return lignes;
    const std::string& texte = d.ListeSolutions.Texte(0);
    for (size_t debut = 0; debut < texte.size();) {
        const size_t fin = std::min(texte.find('\n', debut), texte.size());
        const std::string ligne = texte.substr(debut, fin - debut);
        // une opération commencée et laissée n'a pas de résultat
        if (ligne.find('=') != std::string::npos)
            lignes.push_back(ligne);
        debut = fin + 1;
    }
    return lignes;
}

// le résultat auquel le calcul du joueur est arrivé : son meilleur ; rien s'il n'a pas joué
std::optional<int32_t> ResultatDuJoueur(const DonneesRecherche& d)
{
    if (!d.EtatJoueur || d.EtatJoueur->NbOperations == 0 || d.MeilleurJoueur == Aucun)
        return std::nullopt;
    return d.MeilleurJoueur;
}

// une annonce est prouvée quand l'une des opérations du calcul y arrive, ou que le calcul va au moins aussi près
// du compte (la saisie s'arrête au compte : qui annonce moins bien qu'il ne trouve ne peut pas toujours montrer
// son annonce) ; ses points restent ceux de l'annonce. Sinon, le meilleur résultat du calcul, qui ne la vaut pas
std::optional<int32_t> Preuve(const std::vector<std::string>& calcul, std::optional<int32_t> meilleur, int32_t annonce,
                              int32_t but)
{
    // écrit par ajout : « "=" + ... » fait croire à g++ 12 à un recouvrement de mémoire (-Wrestrict)
    std::string fin = "=";
    fin += std::to_string(annonce);
    for (const std::string& ligne : calcul)
        if (ligne.size() >= fin.size() && ligne.compare(ligne.size() - fin.size(), fin.size(), fin) == 0)
            return annonce;
    const auto ecart = [but](int32_t v) { return std::llabs(static_cast<long long>(v) - but); };
    if (meilleur && ecart(*meilleur) <= ecart(annonce))
        return annonce;
    return meilleur;
}

}  // namespace

Etape SorteDeMatch::Commencer(Seance& seance)
{
    const int temps = seance.Jeu().TempsLimiteChoisi();
    if (force_) {
        MesuresJoueur mesures{};
        if (*force_ == ForceAdversaire::AMaMesure)
            mesures = MesurerJoueur(seance.Depot().Jeux());
        match_ = std::make_unique<Match>(AdversaireOrdinateur(*force_, mesures), temps);
    } else {
        match_ = std::make_unique<Match>(noms_, temps);
    }
    numero_ = seance.Depot().CommencerMatch(match_->Bilan());
    return JeuSuivant(seance);
}

Etape SorteDeMatch::JeuSuivant(Seance& seance)
{
    if (!JeuSuivantPermis())
        return Etape::Rien;
    Partie& partie = seance.Jeu();
    partie.NouveauJeuTire();
    partie.LimiterCeJeu(match_->TempsLimite());
    partie.LierAMatch(numero_, match_->Sorte() == SorteMatch::ContreOrdinateur);
    tirageEnCours_ = true;
    calculs_ = {};
    seance.DireStatut(TexteEtat());
    return Etape::Animer;
}

Etape SorteDeMatch::TirageTermine(Seance& seance)
{
    if (!tirageEnCours_ || !match_->CommencerJeu(seance.Jeu().Plaques(), seance.Jeu().But()))
        return Etape::Rien;
    return match_->Sorte() == SorteMatch::ContreOrdinateur ? Etape::Saisir : Etape::Annoncer;
}

void SorteDeMatch::TerminerReflexion(Seance& seance)
{
    if (!match_->TerminerReflexion())
        return;
    seance.Jeu().ArreterMontre();
    seance.DireStatut(TexteEtat());
}

ApresJeu SorteDeMatch::Annoncer(Seance& seance, std::optional<int32_t> valeur)
{
    if (!match_->Annoncer(valeur) || match_->AuTourDAnnoncer())
        return {};
    return Poursuivre(seance);
}

ApresJeu SorteDeMatch::SaisieFinie(Seance& seance)
{
    const DonneesRecherche& d = seance.Jeu().Donnees();
    const std::vector<std::string> calcul = CalculDuJoueur(d);
    if (match_->Sorte() == SorteMatch::ContreOrdinateur) {
        if (!match_->TerminerSaisie(ResultatDuJoueur(d)))
            return {};
        calculs_[0] = calcul;
    } else {
        const std::optional<int> camp = match_->AProuver();
        if (!camp)
            return {};
        const std::optional<int32_t> annonce = match_->Tirages().back().Camps[static_cast<size_t>(*camp)].Annonce;
        calculs_[static_cast<size_t>(*camp)] = calcul;
        match_->Prouver(Preuve(calcul, ResultatDuJoueur(d), annonce.value_or(0), d.But));
    }
    return Poursuivre(seance);
}

ApresJeu SorteDeMatch::Poursuivre(Seance& seance)
{
    if (match_->AProuver()) {
        seance.DireStatut(TexteEtat());
        return {{}, Etape::Saisir};
    }
    if (!match_->Tirages().empty() && !match_->Tirages().back().Fini)
        return {};
    tirageEnCours_ = false;
    // contre l'ordinateur, le jeu résolu est enregistré, lié au match ; puis le match, qui le compte
    seance.Resoudre(OrdreDuSimpleAuTordu);
    if (numero_)
        seance.Depot().GarderMatch(*numero_, match_->Bilan());
    seance.DireStatut(TexteEtat());
    return {IssueDuTirage(*match_, calculs_)};
}

std::string SorteDeMatch::TexteEtat() const
{
    return tirageEnCours_ && match_->Phase() == PhaseMatch::EntreDeuxJeux ? match_->TexteEtatAvantTirage()
                                                                          : match_->TexteEtat();
}

std::optional<QuestionSeance> SorteDeMatch::QuestionAvantAutreJeu() const
{
    if (!match_->QuestionAvantAbandon() && !(match_->EnCours() && tirageEnCours_))
        return std::nullopt;
    return QuestionSeance{"Match en cours", TexteEtat() + ".\nAbandonner le match ? Il ne comptera pas dans les records."};
}

std::string SorteDeMatch::ConsigneSaisie() const
{
    const std::optional<int> camp = match_->AProuver();
    if (!camp)
        return {};
    const CampDuTirage& c = match_->Tirages().back().Camps[static_cast<size_t>(*camp)];
    return match_->Noms()[static_cast<size_t>(*camp)] + " prouve son annonce : " + std::to_string(c.Annonce.value_or(0)) +
           " (sans montre).";
}
