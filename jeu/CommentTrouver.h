// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Plaques.h"

#include <cstdint>
#include <string>

// « Comment l'aurais-je trouvé ? » : ce qu'un joueur pouvait voir des seules plaques (les produits de deux
// plaques, ou d'une plaque par un produit de deux, à 10 près du compte, du plus proche au plus loin ; les
// diviseurs du compte parmi les plaques et leurs produits deux à deux), puis la solution la plus simple et
// sa méthode en une phrase. Le jeu est résolu à part, sans rien changer à la partie : à ne montrer qu'une
// fois la saisie du joueur finie
std::string TexteComment(const SixEntiers& plaques, int32_t but);
