// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "JeuDuJour.h"

#include "GenerateurSplitMix.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <utility>

namespace {

void Tirer(GenerateurSplitMix& generateur, JeuDuJour& jeu)
{
    auto reserve = ReservePlaques;
    for (uint32_t k = 0; k < 6; ++k) {
        std::swap(reserve[k], reserve[k + generateur.Entier(24 - k)]);
        jeu.Plaques[k] = reserve[k];
    }
    jeu.But = 101 + static_cast<int32_t>(generateur.Entier(899));
}

int Ecart(NiveauJeu a, NiveauJeu b) { return std::abs(static_cast<int>(a) - static_cast<int>(b)); }

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
    const NiveauJeu vise = NiveauDuJour(std::chrono::weekday{std::chrono::sys_days{date}});
    GenerateurSplitMix generateur(static_cast<uint64_t>(NombreDate(date)));
    JeuDuJour jeu;
    jeu.Date = date;
    std::optional<JeuDuJour> plusProche;  // le jeu possible tiré le plus près du niveau voulu, pour la borne
    for (int essai = 1;; ++essai) {
        Tirer(generateur, jeu);
        jeu.Essais = essai;
        // un jeu plus facile que ce plancher ne serait pas plus près du niveau que le plus proche gardé : sa
        // mesure s'arrête dès que c'est sûr, et il est passé comme il l'aurait été une fois mesuré en entier
        const int plancher = plusProche ? std::max(1, static_cast<int>(vise) - Ecart(plusProche->Mesure.Niveau, vise) + 1) : 1;
        const std::optional<MesureNiveau> mesure =
            MesurerNiveauAuMoins(jeu.Plaques, jeu.But, static_cast<NiveauJeu>(plancher));
        if (mesure) {
            jeu.Mesure = *mesure;
            if (jeu.Mesure.Niveau == vise)
                return jeu;
            if (jeu.Mesure.Niveau != NiveauJeu::Impossible &&
                (!plusProche || Ecart(jeu.Mesure.Niveau, vise) < Ecart(plusProche->Mesure.Niveau, vise)))
                plusProche = jeu;
        }
        if (essai >= EssaisMaxJeuDuJour && plusProche) {
            plusProche->Essais = essai;
            return *plusProche;
        }
    }
}
