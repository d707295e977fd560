// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// une part en pour cent, écrite de l'une des façons que le programme montre ; toutes arrondies de même : au plus
// proche, les moitiés vers le haut (12,5 donne 13), en nombres entiers exacts ; 0 sur 0 fait 0

// « 12 » : les statistiques
std::string PourcentageEntier(int64_t compte, int64_t total);
// « 12.34 » : les statistiques
std::string PourcentageDeuxDecimales(int64_t compte, int64_t total);
// « 12% » : l'historique
std::string PourcentageEntierSigne(int64_t compte, int64_t total);
// « 91,21 % » : les atlas
std::string PourcentageVirgule(int64_t compte, int64_t total);
