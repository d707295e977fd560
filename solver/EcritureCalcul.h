// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Solution.h"

#include <string>
#include <vector>

// écrit une solution en lignes d'opérations, en choisissant l'ordre d'écriture :
// intermédiaires les plus petits (du plus simple) ou les plus grands (du plus tordu) ;
// somme et maximum reçoivent les deux clés de tri de l'écriture choisie
std::string EcrireCalcul(const GroupeTermes& groupe, int32_t valeurFinale, int32_t& somme, int32_t& maximum,
                         bool simple);

// les deux clés de l'écriture que choisirait EcrireCalcul, sans en écrire le texte
void CalculerCles(const GroupeTermes& groupe, int32_t valeurFinale, int32_t& somme, int32_t& maximum, bool simple);

// nombre d'opérations qu'il faut pour écrire un groupe
int NbOperationsGroupe(const GroupeTermes& groupe);

// une ligne écrite d'une solution, « Grand op Petit = Resultat », et d'où viennent ses deux nombres :
// l'indice de la ligne qui les a faits, ou -1 pour une plaque
struct LigneSolution {
    int8_t Operation = OpAucune;
    int32_t Grand = 0, Petit = 0, Resultat = 0;
    int8_t LigneGrand = -1, LignePetit = -1;

    bool operator==(const LigneSolution&) const = default;
};

// les lignes mêmes qu'écrit EcrireCalcul, avec l'origine de chaque nombre
std::vector<LigneSolution> EcrireLignes(const GroupeTermes& groupe, int32_t valeurFinale, bool simple);

// la valeur d'une chaîne : ses termes directs moins (ou divisés par) ses termes inverses
int32_t ValeurGroupe(const GroupeTermes& groupe);
