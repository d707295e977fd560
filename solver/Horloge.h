// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>

// horloge en millisecondes depuis le démarrage du programme
int32_t HorlogeMs();

// le programme à fenêtres y branche sa propre horloge ; les tests, une horloge réglée
void DefinirHorloge(std::function<int32_t()> horloge);
