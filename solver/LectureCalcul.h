// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

// une ligne de calcul dite en mots pour un lecteur d'écran : « 75*6=450 » devient « 75 fois 6 égale 450 » ;
// une ligne commencée (« 28* ») se dit jusqu'où elle va (« 28 fois ») ; un caractère inconnu est sauté
std::string LectureLigneCalcul(std::string_view ligne);
