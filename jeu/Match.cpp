// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Match.h"

#include "PointsMatch.h"
#include "TempsLimitesPermis.h"

#include <cstdlib>
#include <utility>

namespace {

// l'annonce d'un camp qui tient : prouvée, ou qui n'avait pas à l'être parce que faite par un calcul
std::optional<int32_t> Prouvee(const CampDuTirage& camp)
{
    return camp.Preuve == true ? camp.Annonce : std::nullopt;
}

}  // namespace

Match::Match(std::optional<AdversaireOrdinateur> adversaire, std::array<std::string, 2> noms, int tempsLimiteChoisi)
    : adversaire_(std::move(adversaire)), noms_(std::move(noms)), tempsLimite_(TempsLimiteDeSerie(tempsLimiteChoisi))
{
}

Match::Match(AdversaireOrdinateur adversaire, int tempsLimiteChoisi)
    : Match(std::optional<AdversaireOrdinateur>(std::move(adversaire)), {NomJoueurSeul, NomOrdinateur},
            tempsLimiteChoisi)
{
}

Match::Match(std::array<std::string, 2> noms, int tempsLimiteChoisi)
    : Match(std::nullopt, std::move(noms), tempsLimiteChoisi)
{
    for (size_t c = 0; c < noms_.size(); ++c)
        if (noms_[c].empty())
            noms_[c] = "Joueur " + std::to_string(c + 1);
}

std::optional<ForceAdversaire> Match::Force() const
{
    if (!adversaire_)
        return std::nullopt;
    return adversaire_->Force();
}

bool Match::CommencerJeu(const SixEntiers& plaques, int32_t but)
{
    if (!JeuSuivantPermis())
        return false;
    TirageMatch& t = tirages_.emplace_back();
    t.Plaques = plaques;
    t.But = but;
    phase_ = PhaseMatch::Reflexion;
    return true;
}

bool Match::TerminerSaisie(std::optional<int32_t> resultat)
{
    if (!adversaire_ || phase_ != PhaseMatch::Reflexion)
        return false;
    TirageMatch& t = Courant();
    t.Ordinateur = adversaire_->Jouer(t.Plaques, t.But, tempsLimite_ * 1000);
    // le calcul du joueur et celui de l'ordinateur prouvent chacun leur résultat
    const auto poser = [](CampDuTirage& camp, std::optional<int32_t> valeur) {
        camp.Annonce = valeur;
        if (valeur)
            camp.Preuve = true;
    };
    poser(t.Camps[0], resultat);
    poser(t.Camps[1], t.Ordinateur->Valeur);
    FinirTirage();
    return true;
}

bool Match::TerminerReflexion()
{
    if (adversaire_ || phase_ != PhaseMatch::Reflexion)
        return false;
    phase_ = PhaseMatch::Annonces;
    return true;
}

std::optional<int> Match::AuTourDAnnoncer() const
{
    if (phase_ != PhaseMatch::Annonces)
        return std::nullopt;
    return annonceSecond_ ? 1 : 0;
}

bool Match::Annoncer(std::optional<int32_t> valeur)
{
    const std::optional<int> camp = AuTourDAnnoncer();
    if (!camp)
        return false;
    Courant().Camps[static_cast<size_t>(*camp)].Annonce = valeur;
    if (*camp == 0) {
        annonceSecond_ = true;
        return true;
    }
    annonceSecond_ = false;
    phase_ = PhaseMatch::Preuves;
    if (!AProuver())
        FinirTirage();
    return true;
}

std::optional<int> Match::AProuver() const
{
    if (phase_ != PhaseMatch::Preuves)
        return std::nullopt;
    const TirageMatch& t = tirages_.back();
    // la meilleure distance des annonces qui tiennent encore (pas de preuve manquée)
    std::optional<long long> meilleure;
    std::array<long long, 2> distance{};
    for (size_t c = 0; c < 2; ++c) {
        const CampDuTirage& camp = t.Camps[c];
        if (!camp.Annonce || camp.Preuve == false)
            continue;
        distance[c] = std::llabs(static_cast<long long>(*camp.Annonce) - t.But);
        if (!meilleure || distance[c] < *meilleure)
            meilleure = distance[c];
    }
    for (size_t c = 0; meilleure && c < 2; ++c) {
        const CampDuTirage& camp = t.Camps[c];
        if (camp.Annonce && !camp.Preuve && distance[c] == *meilleure)
            return static_cast<int>(c);
    }
    return std::nullopt;
}

bool Match::Prouver(std::optional<int32_t> resultat)
{
    const std::optional<int> camp = AProuver();
    if (!camp)
        return false;
    CampDuTirage& c = Courant().Camps[static_cast<size_t>(*camp)];
    c.Preuve = resultat.has_value() && resultat == c.Annonce;
    if (!AProuver())
        FinirTirage();
    return true;
}

void Match::FinirTirage()
{
    TirageMatch& t = Courant();
    const std::array<int, 2> points = PointsAuPlusProche(t.But, Prouvee(t.Camps[0]), Prouvee(t.Camps[1]));
    for (size_t c = 0; c < 2; ++c)
        t.Camps[c].Points = points[c];
    t.Fini = true;
    phase_ = PhaseMatch::EntreDeuxJeux;
    if (NumeroJeu() == JeuxParMatch)
        etat_ = EtatMatch::Fini;
}

void Match::Abandonner()
{
    if (!EnCours())
        return;
    if (!tirages_.empty() && !tirages_.back().Fini)
        tirages_.pop_back();
    etat_ = EtatMatch::Abandonne;
    phase_ = PhaseMatch::EntreDeuxJeux;
    annonceSecond_ = false;
}

std::array<int, 2> Match::Totaux() const
{
    std::array<int, 2> totaux{};
    for (const TirageMatch& t : tirages_)
        for (size_t c = 0; c < 2; ++c)
            totaux[c] += t.Camps[c].Points;
    return totaux;
}

std::optional<int> Match::Vainqueur() const
{
    const std::array<int, 2> totaux = Totaux();
    if (totaux[0] == totaux[1])
        return std::nullopt;
    return totaux[0] > totaux[1] ? 0 : 1;
}

BilanMatch Match::Bilan() const
{
    int joues = 0;
    for (const TirageMatch& t : tirages_)
        joues += t.Fini;
    return {Sorte(), Force(), noms_, Totaux(), joues, etat_ == EtatMatch::Fini};
}

std::string Match::TexteEtatAuJeu(int numero) const
{
    const std::array<int, 2> totaux = Totaux();
    return "Match : jeu " + std::to_string(numero) + "/" + std::to_string(JeuxParMatch) + " — " + noms_[0] + " " +
           std::to_string(totaux[0]) + ", " + noms_[1] + " " + std::to_string(totaux[1]);
}
