// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "JourCalcul.h"

#include "JeuDuJour.h"

#include <ostream>

JeuLigneCommande LireJeuDuJour(const std::string& date, std::ostream& sortie)
{
    JeuLigneCommande jeu;
    const std::optional<DateJour> lue = LireDate(date);
    if (!lue) {
        jeu.Erreur = "Date incorrecte : « " + date + " » (AAAA-MM-JJ, une date du calendrier, par exemple 2026-12-08).";
        return jeu;
    }
    const JeuDuJour duJour = GenererJeuDuJour(*lue);
    jeu.Plaques = duJour.Plaques;
    jeu.But = duJour.But;
    jeu.PlaqueCachee.fill(false);
    for (const int32_t plaque : duJour.Plaques)
        sortie << plaque << ' ';
    sortie << duJour.But << '\n' << "Niveau=" << NomNiveau(duJour.Mesure.Niveau) << '\n';
    return jeu;
}
