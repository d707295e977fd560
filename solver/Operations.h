// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// codes d'opération, tels qu'ils sont rangés partout où un calcul est mémorisé
enum CodeOperation : int8_t {
    OpAucune = -1,  // le nœud est une plaque
    OpAddition = 0,
    OpSoustraction = 1,
    OpMultiplication = 2,
    OpDivision = 3,
};

// famille : 0 additive, 1 multiplicative ; inverse : 1 pour « - » et « / »
inline constexpr uint8_t FamilleOperation[4] = {0, 0, 1, 1};
inline constexpr uint8_t InverseOperation[4] = {0, 1, 0, 1};

inline constexpr bool EstOperation(int op) { return op >= 0 && op <= 3; }

// la famille d'un code 0 à 3 est son bit 1 (celle des tables ci-dessus)
inline constexpr bool MemeFamille(int a, int b)
{
    return EstOperation(a) && EstOperation(b) && (a >> 1) == (b >> 1);
}

// valeur « aucun » des entiers qui ne tiennent pas de valeur
inline constexpr int32_t Aucun = 2147483647;

// l'appelant garantit l'exactitude et la positivité
inline constexpr int32_t Appliquer(int op, int32_t plusGrand, int32_t plusPetit)
{
    switch (op) {
    case OpAddition: return plusGrand + plusPetit;
    case OpSoustraction: return plusGrand - plusPetit;
    case OpMultiplication: return plusGrand * plusPetit;
    default: return plusGrand / plusPetit;
    }
}

inline constexpr char SigneOperation[4] = {'+', '-', '*', '/'};
