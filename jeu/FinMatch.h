// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Match.h"

#include <string>
#include <vector>

// les textes de la fenêtre « Fin du match »
struct TextesFinMatch {
    std::string Adversaires;            // « Contre l'ordinateur « Confirmé » », « Alice contre Bruno »
    std::string Totaux;                 // « Vous 24 points, Ordinateur 17 points »
    std::vector<std::string> Tirages;   // un par ligne : « Jeu 1 : 952 avec 25 50 75 100 3 6 — Vous 950 (7), … »
    std::string Vainqueur;              // « Vainqueur : Vous », « Match nul »

    // toutes les lignes, dans cet ordre
    std::vector<std::string> Lignes() const;
};

TextesFinMatch TextesDeFinMatch(const Match& match);

// ce qu'un camp a fait d'un tirage : « Vous 950 (7) », « Bruno 952 non prouvé (0) », « Alice - (0) »
std::string TexteCamp(const std::string& nom, const CampDuTirage& camp);
