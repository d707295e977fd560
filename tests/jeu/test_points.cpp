// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// les points d'un jeu à chaque seuil d'écart au compte, au-dessous comme au-dessus, et sans jeu du joueur
#include "Points.h"

#include <gtest/gtest.h>

TEST(Points, ChaqueSeuilDEcart)
{
    struct Cas {
        int32_t joueur;
        int points;
    };
    // compte 500
    const Cas cas[] = {
        {500, 10},                           // exact
        {501, 7},   {499, 7},                // 1
        {505, 7},   {495, 7},                // 5
        {506, 5},   {494, 5},                // 6
        {510, 5},   {490, 5},                // 10
        {511, 0},   {489, 0},                // 11
        {1, 0},     {937500000, 0},          // très loin
        {Aucun, 0},                          // pas joué
    };
    for (const Cas& c : cas)
        EXPECT_EQ(PointsDuJeu(500, c.joueur), c.points) << c.joueur;

    DonneesRecherche d;
    d.But = 812;
    d.MeilleurJoueur = 807;
    EXPECT_EQ(PointsDuJeu(d), 7);
}
