// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

// fait travail(i) pour chaque i de 0 à total - 1 sur fils fils d'exécution (un au moins). Chaque fil prend
// l'indice suivant : les travaux longs (les tirages à grandes plaques) se répartissent d'eux-mêmes.
// progression, si elle est donnée, reçoit (faits, total) toutes les 200 ms, puis (total, total) à la fin
void ParcourirEnParallele(int total, int fils, const std::function<void(int, int)>& progression,
                          const std::function<void(int)>& travail);
