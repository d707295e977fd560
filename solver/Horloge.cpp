// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Horloge.h"

#include <chrono>

namespace {

const auto Demarrage = std::chrono::steady_clock::now();

int32_t HorlogeStandard()
{
    const auto ecoule = std::chrono::steady_clock::now() - Demarrage;
    return static_cast<int32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(ecoule).count());
}

std::function<int32_t()>& Horloge()
{
    static std::function<int32_t()> horloge = HorlogeStandard;
    return horloge;
}

}  // namespace

int32_t HorlogeMs() { return Horloge()(); }

void DefinirHorloge(std::function<int32_t()> horloge) { Horloge() = horloge ? std::move(horloge) : HorlogeStandard; }
