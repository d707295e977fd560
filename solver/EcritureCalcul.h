// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Solution.h"

#include <string>

// écrit une solution en lignes d'opérations, en choisissant l'ordre d'écriture :
// intermédiaires les plus petits (du plus simple) ou les plus grands (du plus tordu) ;
// somme et maximum reçoivent les deux clés de tri de l'écriture choisie
std::string EcrireCalcul(const GroupeTermes& groupe, int32_t valeurFinale, int32_t& somme, int32_t& maximum,
                         bool simple);

// les deux clés de l'écriture que choisirait EcrireCalcul, sans en écrire le texte
void CalculerCles(const GroupeTermes& groupe, int32_t valeurFinale, int32_t& somme, int32_t& maximum, bool simple);

// nombre d'opérations qu'il faut pour écrire un groupe
int NbOperationsGroupe(const GroupeTermes& groupe);
