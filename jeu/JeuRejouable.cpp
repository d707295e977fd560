// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "JeuRejouable.h"

#include <algorithm>

std::string RaisonNonRejouable(const SixEntiers& plaques, int32_t but)
{
    for (int32_t p : plaques)
        if (!PlaqueValide(p))
            return "la plaque " + std::to_string(p) + " n'en est pas une (de 1 à 10, 25, 50, 75 ou 100)";
    for (size_t i = 0; i < ValeursPlaques.size(); ++i) {
        const int32_t valeur = ValeursPlaques[i];
        const auto fois = std::count(plaques.begin(), plaques.end(), valeur);
        if (fois > ExemplairesPlaque(i))
            return std::to_string(fois) + " plaques de " + std::to_string(valeur) + ", quand la réserve n'en a " +
                   (ExemplairesPlaque(i) == 1 ? "qu'une" : "que deux");
    }
    if (!ButValide(but))
        return "le compte " + std::to_string(but) + " n'est pas de 101 à 999";
    return {};
}
