// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LigneCommande.h"

#include <iosfwd>
#include <string>

inline constexpr const char* SyntaxeJour = "          varnel-calcul --jour AAAA-MM-JJ [--ordre 1|2] [--details]";

// le jeu du jour d'une date « AAAA-MM-JJ », comme un jeu de la ligne de commande ; quand la date est bonne,
// ses deux premières lignes sont écrites : les plaques et le compte (« 25 50 75 100 3 6 952 »), puis
// « Niveau=Difficile »
JeuLigneCommande LireJeuDuJour(const std::string& date, std::ostream& sortie);
