// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// une ligne de calcul dite en mots : × et ÷ (écrits * et /) se disent « fois » et « divisé par »
#include "LectureCalcul.h"

#include <gtest/gtest.h>

TEST(LectureCalcul, UneLigneDiteEnMots)
{
    const std::pair<const char*, const char*> cas[] = {
        {"75*6=450", "75 fois 6 égale 450"}, {"450/50=9", "450 divisé par 50 égale 9"},
        {"10-7=3\n", "10 moins 7 égale 3"},  // la fin de ligne ne se dit pas
        {"28+", "28 plus"},                  // la ligne commencée du joueur
        {"", ""},
    };
    for (const auto& [ligne, attendue] : cas)
        EXPECT_EQ(LectureLigneCalcul(ligne), attendue) << ligne;
}
