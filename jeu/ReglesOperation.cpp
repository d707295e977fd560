// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReglesOperation.h"

#include "Operations.h"

#include <cstdlib>

RefusOperation RefuserOperation(int op, int32_t premier, int32_t second)
{
    if (op == OpSoustraction && second >= premier)
        return RefusOperation::NonPositive;
    if (op == OpDivision && (second == 0 || premier % second != 0))
        return RefusOperation::NonEntiere;
    // les nombres de la saisie restent sous la limite des entiers 32 bits (six plaques multipliées)
    const int64_t resultat = op == OpAddition         ? int64_t{premier} + second
                             : op == OpSoustraction   ? int64_t{premier} - second
                             : op == OpMultiplication ? int64_t{premier} * second
                                                      : int64_t{premier} / second;
    if (resultat == premier || resultat == second)
        return RefusOperation::Inutile;
    return RefusOperation::Aucun;
}

int32_t MeilleurResultat(int32_t meilleur, int32_t resultat, int32_t but)
{
    const auto distance = [but](int32_t valeur) { return std::llabs(int64_t{valeur} - but); };
    return distance(resultat) < distance(meilleur) ? resultat : meilleur;
}
