// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "JeuDuJour.h"

#include "GenerateurSplitMix.h"
#include "TirageDeNiveau.h"

#include <utility>

namespace {

JeuTire Tirer(GenerateurSplitMix& generateur)
{
    JeuTire jeu;
    auto reserve = ReservePlaques;
    for (uint32_t k = 0; k < 6; ++k) {
        std::swap(reserve[k], reserve[k + generateur.Entier(24 - k)]);
        jeu.Plaques[k] = reserve[k];
    }
    jeu.But = 101 + static_cast<int32_t>(generateur.Entier(899));
    return jeu;
}

}  // namespace

NiveauJeu NiveauDuJour(std::chrono::weekday jour)
{
    switch (jour.iso_encoding()) {
    case 1:
    case 2:
        return NiveauJeu::Facile;
    case 3:
    case 4:
        return NiveauJeu::Moyen;
    case 5:
    case 6:
        return NiveauJeu::Difficile;
    default:
        return NiveauJeu::Expert;
    }
}

JeuDuJour GenererJeuDuJour(DateJour date)
{
    GenerateurSplitMix generateur(static_cast<uint64_t>(NombreDate(date)));
    const TirageDeNiveau tirage = ChercherJeuDeNiveau(
        NiveauDuJour(std::chrono::weekday{std::chrono::sys_days{date}}), [&] { return Tirer(generateur); },
        EssaisMaxJeuDuJour, true);
    return {date, tirage.Jeu.Plaques, tirage.Jeu.But, tirage.Mesure, tirage.Essais};
}
