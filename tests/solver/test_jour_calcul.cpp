// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// varnel-calcul --jour : le jeu d'une date, son niveau, puis la résolution comme pour tout jeu
#include "VarnelCalcul.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(JourCalcul, JeuPuisResolutionOuErreur)
{
    const auto lancer = [](const std::vector<std::string>& arguments, int code) {
        std::ostringstream sortie, erreurs;
        EXPECT_EQ(ExecuterVarnelCalcul(arguments, sortie, erreurs), code) << ::testing::PrintToString(arguments);
        return sortie.str() + erreurs.str().substr(0, erreurs.str().find('\n'));
    };
    // après la ligne du temps, les solutions de 923 dans l'ordre demandé
    const std::string jour = lancer({"--jour", "2026-12-11", "--ordre", "2"}, 0);
    const std::string jeu = lancer({"--ordre", "2", "3", "25", "8", "9", "7", "6", "923"}, 0);
    EXPECT_EQ(jour.rfind("3 25 8 9 7 6 923\nNiveau=Difficile\n3 bon(s) compte(s), ", 0), 0u) << jour;
    EXPECT_EQ(jour.substr(jour.find(" ms.")), jeu.substr(jeu.find(" ms.")));

    EXPECT_EQ(lancer({"--jour", "2026-02-30"}, 2),
              "Date incorrecte : « 2026-02-30 » (AAAA-MM-JJ, une date du calendrier, par exemple 2026-12-08).");
    EXPECT_EQ(lancer({"--jour"}, 2), "Il manque la date après --jour (AAAA-MM-JJ).");
    for (const std::vector<std::string>& autres : {std::vector<std::string>{"--jour", "2026-12-08", "1", "2", "3", "4", "5", "6", "999"},
                                                    std::vector<std::string>{"--tous", "--jour", "2026-12-08"}})
        EXPECT_EQ(lancer(autres, 2), "Le jeu du jour ne prend ni plaques ni compte, ni --tous ni --atlas.");
}
