// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ListeSolutions.h"
#include "Solution.h"

#include <iosfwd>

// l'option --methodes de varnel-calcul

// « Methode=Produit puis ajustement », première ligne du bloc d'une solution écrite dans l'ordre donné
void EcrireMethode(std::ostream& sortie, const plq_utl& solution, int ordre);

// après le tableau de l'inventaire : les solutions distinctes de chaque compte, par méthode
void EcrireMethodesInventaire(std::ostream& sortie, const TListeSolutions& liste);
