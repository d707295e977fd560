// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DateJour.h"

#include <vector>

// un jeu du jour joué : la date du jeu (pas celle de l'horloge au moment de jouer) et si le joueur a trouvé
// le compte exactement
struct JeuDuJourJoue {
    DateJour Date;
    bool Trouve = false;
};

// les jours de suite (jamais « série », le mot des séries de dix jeux) : EnCours, les jours de suite trouvés qui
// finissent aujourd'hui ou, tant que le jeu d'aujourd'hui n'est pas joué, hier ; PlusLongue, la plus longue
// suite de jours trouvés.
// - un jour compte par son premier jeu, dans l'ordre de la liste (l'ordre d'enregistrement) ;
// - un jour manqué ou sans jeu casse la suite ; aujourd'hui manqué la met à 0 ;
// - un jeu daté d'après aujourd'hui (horloge reculée ou avancée un moment) est laissé de côté, dans les deux
//   nombres, jusqu'à ce que sa date vienne ; une date qui n'existe pas l'est toujours
struct JoursDeSuite {
    int EnCours = 0;
    int PlusLongue = 0;

    bool operator==(const JoursDeSuite&) const = default;
};

JoursDeSuite CompterJoursDeSuite(const std::vector<JeuDuJourJoue>& joues, DateJour aujourdhui);
