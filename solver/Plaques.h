// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>

using SixEntiers = std::array<int32_t, 6>;

// la réserve des 24 plaques : 1 à 10 deux fois, 25, 50, 75 et 100 une fois
inline constexpr std::array<int32_t, 24> ReservePlaques = {
    1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 25, 50, 75, 100};

// les quatorze valeurs de la réserve, croissantes, et combien de fois chacune s'y trouve
inline constexpr std::array<int32_t, 14> ValeursPlaques = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 25, 50, 75, 100};
inline constexpr int ExemplairesPlaque(std::size_t i) { return i < 10 ? 2 : 1; }

inline constexpr bool PlaqueValide(int32_t v)
{
    return (v >= 1 && v <= 10) || v == 25 || v == 50 || v == 75 || v == 100;
}

inline constexpr bool ButValide(int32_t v) { return v >= 101 && v <= 999; }

// les valeurs atteintes, indice = valeur
using ComptesMarques = std::bitset<1000>;

enum class ModeClassement { Identite, Classe };

// classe : rang = place de la plaque par valeur croissante, à égalité la position la plus à gauche d'abord
void ClasserPlaques(const SixEntiers& plaques, SixEntiers& rangPlaque, SixEntiers& plaqueDeRang,
                    ModeClassement mode);
