// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// « Comment l'aurais-je trouvé ? » pour un jeu : établi à la main (693 = 3 × 3 × 7 × 11 ; 75 × 9 = 675 est à 18)
#include "CommentTrouver.h"

#include <gtest/gtest.h>

TEST(Comment, TexteDUnJeu)
{
    EXPECT_EQ(TexteComment({100, 75, 9, 7, 3, 2}, 693),
              "Plaques : 100, 75, 9, 7, 3, 2. Compte : 693.\n"
              "\n"
              "Produits proches du compte (à 10 près) :\n"
              "  100 × 7 = 700, à 7\n"
              "\n"
              "Le compte divisé par des plaques :\n"
              "  693 = 9 × 77\n"
              "  693 = 7 × 99\n"
              "  693 = 3 × 231\n"
              "  693 = 9 × 7 × 11\n"
              "  693 = 7 × 3 × 33\n"
              "\n"
              "La plus simple, 75 + 2 = 77 puis 77 × 9 = 693, suit la méthode « Multiplication décomposée » : le "
              "compte est le produit 77 × 9, et 77 se fait par une addition.\n");
}
