// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PointsMatch.h"

#include "Points.h"

#include <cstdlib>

std::array<int, 2> PointsAuPlusProche(int32_t but, std::optional<int32_t> premier, std::optional<int32_t> second)
{
    const auto distance = [but](std::optional<int32_t> r) {
        return r ? std::llabs(static_cast<long long>(*r) - but) : -1;
    };
    const long long a = distance(premier), b = distance(second);
    // -1 : sans résultat, toujours battu
    const bool premierMarque = a >= 0 && (b < 0 || a <= b);
    const bool secondMarque = b >= 0 && (a < 0 || b <= a);
    return {premierMarque ? PointsDuJeu(but, *premier) : 0, secondMarque ? PointsDuJeu(but, *second) : 0};
}
