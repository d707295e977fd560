// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AnimationTirage.h"

bool RouleauArrete(const RouleauChiffre& rouleau)
{
    return (rouleau.Croissance - 100) * rouleau.Periode / 100 >= 1000;
}

int32_t AvancerChiffre(int32_t but, int rouleau)
{
    switch (rouleau) {
    case 0:
        // les centaines vont de 1 à 9 et ne montrent jamais 0 une fois la roue partie
        but += 100;
        if (but / 100 % 10 == 0)
            but += 100;
        if (but >= 1000)
            but -= 1000;
        if (but == 100)
            but += 100;
        break;
    case 1:
        but += 10;
        if (but / 10 % 10 == 0)
            but -= 100;
        if (but == 100)
            but += 10;
        break;
    default:
        but += 1;
        if (but % 10 == 0)
            but -= 10;
        if (but == 100)
            but += 1;
        break;
    }
    return but;
}
