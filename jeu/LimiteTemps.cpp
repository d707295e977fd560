// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LimiteTemps.h"

#include <algorithm>

void LimiteTemps::Demarrer(int32_t maintenant)
{
    if (!debut_)
        debut_ = maintenant;
}

int32_t LimiteTemps::ResteMs(int32_t maintenant) const
{
    if (!Active())
        return 0;
    if (!debut_)
        return Millisecondes();
    // différence sans débordement, même quand l'horloge de 32 bits a fait le tour ; une horloge qui
    // recule ne donne pas plus que la limite
    const auto ecoule = static_cast<int32_t>(static_cast<uint32_t>(maintenant) - static_cast<uint32_t>(*debut_));
    return std::clamp(Millisecondes() - std::max(ecoule, 0), 0, Millisecondes());
}

int LimiteTemps::ResteSecondes(int32_t maintenant) const { return (ResteMs(maintenant) + 999) / 1000; }

bool LimiteTemps::Ecoule(int32_t maintenant) const { return Active() && debut_ && ResteMs(maintenant) == 0; }

bool LimiteTemps::EnAlerte(int32_t maintenant) const
{
    return Active() && ResteSecondes(maintenant) <= SecondesEnAlerte;
}

bool LimiteTemps::Avertir(int32_t maintenant) const
{
    const int reste = ResteSecondes(maintenant);
    return Active() && secondes_ > SecondesAvertissement && reste <= SecondesAvertissement && reste > 0;
}
