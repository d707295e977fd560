// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Plaques.h"

#include <cstdint>
#include <string>

// un jeu lu dans l'historique se rejoue s'il est un jeu que le programme aurait pu poser : six plaques de la
// réserve (1 à 10 deux fois, 25, 50, 75 et 100 une fois) et un compte de 101 à 999. Le fichier peut avoir
// été retouché hors du programme, et une plaque nulle mènerait la recherche à diviser par zéro.
// Rend pourquoi le jeu ne se rejoue pas (« la plaque 0 n'en est pas une (de 1 à 10, 25, 50, 75 ou 100) »),
// vide s'il se rejoue ; la première raison trouvée, plaques d'abord
std::string RaisonNonRejouable(const SixEntiers& plaques, int32_t but);
