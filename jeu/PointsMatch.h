// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>

// les points d'un tirage de match : le plus proche du compte des deux marque les points de son résultat
// (10, 7, 5 ou 0, comme un jeu seul), l'autre rien ; à égale distance les deux marquent ; qui n'a pas joué
// (rien) n'a rien. Chaque résultat est déjà prouvé
std::array<int, 2> PointsAuPlusProche(int32_t but, std::optional<int32_t> premier, std::optional<int32_t> second);
