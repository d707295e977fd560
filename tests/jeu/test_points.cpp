// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// les points d'un jeu à chaque seuil d'écart au compte, au-dessous comme au-dessus, et sans jeu du joueur ;
// leur plafond selon le plus haut indice pris
#include "Points.h"

#include <gtest/gtest.h>

TEST(Points, ChaqueSeuilDEcart)
{
    // compte 500 : exact, à 1, 5, 6, 10, 11, très loin, pas joué
    const std::pair<int32_t, int> cas[] = {{500, 10}, {501, 7}, {499, 7}, {505, 7}, {495, 7}, {506, 5}, {494, 5},
                                           {510, 5},  {490, 5}, {511, 0}, {489, 0}, {1, 0},    {Aucun, 0}};
    for (const auto& [joueur, points] : cas)
        EXPECT_EQ(PointsDuJeu(500, joueur), points) << joueur;
}

TEST(Points, PlafondDuPlusHautIndice)
{
    // compte 500 : exact, à 3, à 8 ; sans indice, puis avec chaque barreau
    const int32_t joueurs[] = {500, 503, 508};
    const std::pair<BarreauIndice, std::array<int, 3>> cas[] = {
        {BarreauIndice::Aucun, {10, 7, 5}},           {BarreauIndice::Atteignable, {7, 7, 5}},
        {BarreauIndice::CombienDePlaques, {7, 7, 5}}, {BarreauIndice::NombreDePassage, {5, 5, 5}},
        {BarreauIndice::PremiereOperation, {5, 5, 5}}};
    for (const auto& [indice, points] : cas)
        for (size_t i = 0; i < 3; ++i)
            EXPECT_EQ(PointsDuJeu(500, joueurs[i], indice), points[i]) << static_cast<int>(indice) << " " << joueurs[i];
}
