// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// « Comment l'aurais-je trouvé ? » : textes établis à la main. 693 = 3 × 3 × 7 × 11, et 75 × 9 = 675 est à
// 18 ; 700 = 100 × 7 d'un coup, dit une seule fois, deux 5 qui ne font pas deux fois les mêmes produits, et
// la plaque 1 qui n'en fait aucun
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
    EXPECT_EQ(TexteComment({100, 7, 5, 5, 2, 1}, 700),
              "Plaques : 100, 7, 5, 5, 2, 1. Compte : 700.\n"
              "\n"
              "Produits proches du compte (à 10 près) :\n"
              "  100 × 7 = 700, le compte\n"
              "\n"
              "Le compte divisé par des plaques :\n"
              "  700 = 100 × 7\n"
              "  700 = 5 × 140\n"
              "  700 = 2 × 350\n"
              "  700 = 7 × 5 × 20\n"
              "  700 = 5 × 5 × 28\n"
              "  700 = 7 × 2 × 50\n"
              "  700 = 5 × 2 × 70\n"
              "\n"
              "La plus simple, 100 × 7 = 700, suit la méthode « Produit » : le compte est le produit 100 × 7.\n");
}
