// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "IndicesJeu.h"

#include "Points.h"

std::vector<int64_t> NombresEnMain(const DonneesRecherche& d)
{
    if (!d.EtatJoueur)
        return {d.Plaques.begin(), d.Plaques.end()};
    std::vector<int64_t> nombres;
    const EtatCalcul& etat = *d.EtatJoueur;
    for (int8_t k = etat.PremierDispo; k != AucunNoeud; k = etat.Noeud(k).Suivant)
        nombres.push_back(etat.Noeud(k).Valeur);
    return nombres;
}

int IndicesJeu::Plafond() const { return PlafondPoints(plusHaut_); }

const SolutionLaPlusSimple& IndicesJeu::LaPlusSimple() const
{
    if (!laPlusSimple_)
        laPlusSimple_ = ChercherSolutionLaPlusSimple(plaques_, but_);
    return *laPlusSimple_;
}

std::string IndicesJeu::Reponse(BarreauIndice barreau, const std::vector<int64_t>& nombresEnMain) const
{
    switch (barreau) {
    case BarreauIndice::Atteignable: return TexteAtteignable(Approche(nombresEnMain).Ecart);
    case BarreauIndice::CombienDePlaques: return TextePlaques(LaPlusSimple().PlaquesMin);
    case BarreauIndice::NombreDePassage: return TextePassage(LaPlusSimple().Passage);
    case BarreauIndice::PremiereOperation: return LaPlusSimple().PremiereOperation;
    case BarreauIndice::Aucun: break;
    }
    return {};
}

std::optional<IndiceDonne> IndicesJeu::Demander(const std::vector<int64_t>& nombresEnMain)
{
    const BarreauIndice barreau = Suivant();
    if (barreau == BarreauIndice::Aucun)
        return std::nullopt;
    IndiceDonne indice{barreau, QuestionIndice(barreau), Reponse(barreau, nombresEnMain)};
    plusHaut_ = barreau;
    return indice;
}
