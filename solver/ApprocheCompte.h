// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

// le plus près du compte que mènent des nombres quelconques (chacun au plus une fois, pas forcément tous),
// par les quatre opérations sur des entiers positifs
struct ApprocheCompte {
    int64_t Meilleur = 0;  // la valeur la plus proche ; à égalité, celle sous le compte
    int64_t Ecart = 0;     // sa distance au compte ; 0 : le compte est atteignable

    bool Atteint() const { return Ecart == 0; }
    bool operator==(const ApprocheCompte&) const = default;
};

inline constexpr std::size_t NombresApprocheMax = 6;

// vrai quand tout calcul des nombres tient en 128 bits : le produit des (n + 1) sous 2^127 (une valeur
// formée des nombres ne dépasse jamais ce produit moins 1) ; toujours vrai de nombres venus d'un jeu, et de
// quatre nombres de 32 bits
bool NombresCalculables(const std::vector<int64_t>& nombres);

// de un à six nombres positifs calculables, sinon std::invalid_argument
ApprocheCompte ApprocherCompte(const std::vector<int64_t>& nombres, int64_t but);
