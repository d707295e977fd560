// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// la valeur du milieu ; pour un nombre pair, la moyenne des deux du milieu ; rien sans valeur
std::optional<double> Mediane(std::vector<int32_t> valeurs);
