// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DonneesRecherche.h"
#include "EchelleIndices.h"

#include <cstdint>

// les points d'un jeu, comme à l'épreuve des chiffres : le compte exact vaut 10, une approche de 1 à 5
// vaut 7, de 6 à 10 vaut 5, au-delà rien ; le joueur qui n'a pas joué (meilleurJoueur aucun) n'a rien
int PointsDuJeu(int32_t but, int32_t meilleurJoueur);
// les points du joueur dans le jeu posé (But, MeilleurJoueur)
int PointsDuJeu(const DonneesRecherche& d);

// les points d'un jeu parfait
inline constexpr int PointsMaxParJeu = 10;

// le prix d'un indice : le plus haut barreau pris plafonne les points du jeu, à 7 pour savoir si le compte
// est atteignable ou en combien de plaques, à 5 pour un nombre de passage ou la première opération
int PlafondPoints(BarreauIndice plusHautIndice);
// les points du jeu, plafonnés par le plus haut indice pris
int PointsDuJeu(int32_t but, int32_t meilleurJoueur, BarreauIndice plusHautIndice);
