// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// ce que des plaques permettent d'atteindre, calculé sans le moteur
#include "Plaques.h"

#include <cstddef>
#include <cstdint>
#include <set>
#include <unordered_set>
#include <vector>

// toutes les valeurs entières positives que forment les plaques, chacune au plus une fois, par force
// brute, indépendamment du moteur : pour chaque sous-ensemble de plaques, ce que ses plaques forment
inline std::set<int64_t> ValeursForceBrute(const std::vector<int32_t>& plaques)
{
    const unsigned tous = (1u << plaques.size()) - 1;
    std::vector<std::unordered_set<int64_t>> valeurs(tous + 1);
    for (std::size_t i = 0; i < plaques.size(); ++i)
        valeurs[1u << i].insert(plaques[i]);
    for (unsigned masque = 1; masque <= tous; ++masque) {
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
    std::set<int64_t> toutes;
    for (const auto& v : valeurs)
        toutes.insert(v.begin(), v.end());
    return toutes;
}

// les comptes de 101 à 999 que forment six plaques
inline std::set<int32_t> Atteignables(const SixEntiers& plaques)
{
    std::set<int32_t> comptes;
    for (int64_t x : ValeursForceBrute({plaques.begin(), plaques.end()}))
        if (x > 100 && x < 1000)
            comptes.insert(static_cast<int32_t>(x));
    return comptes;
}
