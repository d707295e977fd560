// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AnimationTirage.h"

#include <algorithm>

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

bool AvancerRoues(EtatAnimation& animation, int32_t& but)
{
    bool change = false;
    for (size_t i = 0; i < animation.Rouleaux.size(); ++i) {
        RouleauChiffre& rouleau = animation.Rouleaux[i];
        if (RouleauArrete(rouleau) || rouleau.Periode + rouleau.Delai > animation.TempsAnimation)
            continue;
        rouleau.Periode = rouleau.Periode * rouleau.Croissance / 100;
        but = AvancerChiffre(but, static_cast<int>(i));
        change = true;
    }
    return change;
}

int PasDuRouleau(RouleauChiffre rouleau)
{
    int pas = 0;
    for (; !RouleauArrete(rouleau); ++pas)
        rouleau.Periode = rouleau.Periode * rouleau.Croissance / 100;
    return pas;
}

int32_t CompteFinal(EtatAnimation animation)
{
    int32_t but = 0;
    animation.TempsAnimation = 0;
    while (!std::all_of(animation.Rouleaux.begin(), animation.Rouleaux.end(), RouleauArrete)) {
        animation.TempsAnimation += 50;
        AvancerRoues(animation, but);
    }
    return but;
}
