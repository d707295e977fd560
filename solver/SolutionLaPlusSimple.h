// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Plaques.h"

#include <cstdint>
#include <string>

// ce que dit d'un jeu la première solution de l'ordre du plus simple au plus tordu (sans solution exacte,
// la première des approches les plus proches)
struct SolutionLaPlusSimple {
    int PlaquesMin = 0;             // le moins de plaques d'une solution exacte ; 0 : aucune
    std::string PremiereOperation;  // sa première ligne, écrite par le moteur : « 6*4=24 »
    int32_t Passage = 0;            // le plus grand opérande de sa dernière ligne

    bool operator==(const SolutionLaPlusSimple&) const = default;
};

// résout le jeu du plus simple au plus tordu
SolutionLaPlusSimple ChercherSolutionLaPlusSimple(const SixEntiers& plaques, int32_t but);
