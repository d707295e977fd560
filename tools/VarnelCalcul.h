// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// le moteur en ligne de commande ; rend le code de sortie (0 bon, 1 fichier non écrit, 2 arguments) ;
// progressionVisible : l'atlas écrit sa progression sur les erreurs (un terminal)
int ExecuterVarnelCalcul(const std::vector<std::string>& arguments, std::ostream& sortie, std::ostream& erreurs,
                         bool progressionVisible = false);

// ce qui reste à écrire l'est ; une sortie qui n'a pas tout pris est dite sur les erreurs, et le code devient 1
int TerminerSortie(std::ostream& sortie, std::ostream& erreurs, int code);
