// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LigneCommande.h"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

inline constexpr const char* SyntaxeIndices =
    "          varnel-calcul --indices [--depuis N1 ... Nk] Plaque1 ... Plaque6 Resultat";

// le jeu des indices, et les nombres d'où part la première réponse (vide : les six plaques)
struct JeuIndices {
    JeuLigneCommande Jeu;
    std::vector<int64_t> Depuis;
};

// les arguments qui ne sont pas des options ; avec depuis, les k premiers (1 à 6) sont les nombres en main,
// les sept derniers le jeu. Rend le message d'erreur, vide quand tout est bon
std::string LireJeuIndices(const std::vector<std::string>& nombres, bool depuis, JeuIndices& lu);

// « Atteignable=oui|non », « Ecart=D », puis pour le jeu entier « Plaques=T » (ou « Plaques=- »),
// « Passage=V » et « PremiereOperation=A?B=C »
void EcrireIndices(std::ostream& sortie, const JeuIndices& jeu);
