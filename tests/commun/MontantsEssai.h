// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Statistiques.h"

// les montants qu'ajoute chaque jeu des essais : tous différents, pour qu'un mélange de deux
// enregistrements se voie au premier coup d'œil
inline CumulsStat MontantsEssai()
{
    CumulsStat m;
    for (size_t i = 0; i < Cumul::Nombre; ++i)
        m.Valeurs[i] = static_cast<int64_t>(i) + 1;
    m[Cumul::PossibilitesM] = 100003;
    return m;
}
