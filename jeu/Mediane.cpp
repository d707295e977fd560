// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Mediane.h"

#include <algorithm>
#include <cstddef>

std::optional<double> Mediane(std::vector<int32_t> valeurs)
{
    if (valeurs.empty())
        return std::nullopt;
    const auto milieu = static_cast<std::ptrdiff_t>(valeurs.size() / 2);
    std::nth_element(valeurs.begin(), valeurs.begin() + milieu, valeurs.end());
    const double haut = valeurs[static_cast<size_t>(milieu)];
    if (valeurs.size() % 2 == 1)
        return haut;
    // nth_element a laissé les plus petites avant le milieu : la plus grande d'entre elles est l'autre
    const double bas = *std::max_element(valeurs.begin(), valeurs.begin() + milieu);
    return (bas + haut) / 2;
}
