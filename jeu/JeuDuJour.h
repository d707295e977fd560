// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DateJour.h"
#include "Niveau.h"
#include "Plaques.h"

#include <cstdint>

// le jeu du jour : pour une date, le même jeu pour tous les joueurs, sur toute machine, sans réseau.
//
// graine : le nombre AAAAMMJJ de la date (20261208), donné à la suite SplitMix64. Chaque tirage prend
// sept nombres de la suite : six plaques de la réserve de 24, sans remise (la k-ième, k de 0 à 5, est
// l'entrée k + r mod (24 − k) de la réserve, échangée avec l'entrée k, comme on bat un jeu de cartes), puis
// le compte 101 + r mod 899. Le niveau du jeu est mesuré (Niveau.h) : le même que celui d'une résolution
// entière ; tant qu'il n'est pas celui du jour de la semaine, on passe au tirage suivant de la même suite.
// Un jeu sans solution exacte n'a aucun niveau : il est toujours passé.
//
// le niveau suit la semaine : lundi et mardi Facile, mercredi et jeudi Moyen, vendredi et samedi
// Difficile, dimanche Expert.
//
// borne : après EssaisMaxJeuDuJour tirages sans le niveau voulu, le jeu rendu est le premier des jeux
// possibles tirés dont le niveau est le plus proche de celui du jour (on continue au besoin jusqu'au premier
// jeu possible). De 2000 à 2100, le niveau vient en 103 tirages au plus, 5 en moyenne (test long).
inline constexpr int EssaisMaxJeuDuJour = 1000;

struct JeuDuJour {
    DateJour Date;
    SixEntiers Plaques{};  // dans l'ordre du tirage
    int32_t But = 0;
    MesureNiveau Mesure;   // le niveau du jeu rendu, avec ses deux mesures (NbSolutions compté jusqu'à SolutionsSansRarete)
    int Essais = 0;        // tirages faits pour le trouver
};

// le niveau d'un jour de la semaine
NiveauJeu NiveauDuJour(std::chrono::weekday jour);

// le jeu du jour d'une date du calendrier (date.ok())
JeuDuJour GenererJeuDuJour(DateJour date);
