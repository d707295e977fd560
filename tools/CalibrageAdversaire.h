// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ForceAdversaire.h"

#include <array>
#include <cstdint>
#include <iosfwd>

inline constexpr int TiragesCalibrage = 1000;
inline constexpr int SecondesCalibrage = 45;

// ce qu'une force fixe fait sur les tirages du calibrage
struct CalibrageForce {
    ForceAdversaire Force = ForceAdversaire::Debutant;
    int64_t Trouves = 0;           // comptes annoncés exactement
    int64_t PossiblesTrouves = 0;  // parmi les comptes possibles
    int64_t Points = 0;
    int64_t TempsMs = 0;  // somme des moments d'annonce
};

struct Calibrage {
    int Tirages = 0;
    int Possibles = 0;  // tirages dont le compte se fait
    std::array<CalibrageForce, 4> Forces{};
};

// les quatre forces fixes sur les mêmes tirages ordinaires, d'une graine fixe, avec SecondesCalibrage chacune
Calibrage Calibrer(int tirages);

// le tableau : une ligne par force, la part des comptes trouvés (de tous, des possibles), les points moyens
// et le temps moyen de l'annonce
void EcrireCalibrage(std::ostream& sortie, const Calibrage& calibrage);
