// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// ce que six plaques permettent d'atteindre, calculé sans le moteur
#include "Plaques.h"

#include <array>
#include <cstddef>
#include <set>
#include <unordered_set>

// valeurs atteignables par force brute, indépendamment du moteur : pour chaque sous-ensemble
// de plaques, toutes les valeurs entières positives que ses plaques peuvent former
inline std::set<int32_t> Atteignables(const SixEntiers& plaques)
{
    std::array<std::unordered_set<int64_t>, 64> valeurs;
    for (int i = 0; i < 6; ++i)
        valeurs[1u << i].insert(plaques[static_cast<std::size_t>(i)]);
    for (unsigned masque = 1; masque < 64; ++masque) {
        if ((masque & (masque - 1)) == 0)
            continue;
        // chaque découpage en deux parties non vides, une seule fois
        for (unsigned a = (masque - 1) & masque; a > 0; a = (a - 1) & masque) {
            const unsigned b = masque ^ a;
            if (a < b)
                continue;
            for (int64_t x : valeurs[a])
                for (int64_t y : valeurs[b]) {
                    valeurs[masque].insert(x + y);
                    valeurs[masque].insert(x * y);
                    if (x != y)
                        valeurs[masque].insert(x > y ? x - y : y - x);
                    if (x % y == 0)
                        valeurs[masque].insert(x / y);
                    if (y % x == 0)
                        valeurs[masque].insert(y / x);
                }
        }
    }
    std::set<int32_t> comptes;
    for (const auto& v : valeurs)
        for (int64_t x : v)
            if (x > 100 && x < 1000)
                comptes.insert(static_cast<int32_t>(x));
    return comptes;
}
