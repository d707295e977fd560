// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DonneesRecherche.h"

#include <cstdint>

// les points d'un jeu, comme à l'épreuve des chiffres : le compte exact vaut 10, une approche de 1 à 5
// vaut 7, de 6 à 10 vaut 5, au-delà rien ; le joueur qui n'a pas joué (meilleurJoueur aucun) n'a rien
int PointsDuJeu(int32_t but, int32_t meilleurJoueur);
// les points du joueur dans le jeu posé (But, MeilleurJoueur)
int PointsDuJeu(const DonneesRecherche& d);

// les points d'un jeu parfait
inline constexpr int PointsMaxParJeu = 10;
