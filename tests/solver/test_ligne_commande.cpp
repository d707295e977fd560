// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// lecture de la ligne de commande : règles et messages, communs à la fenêtre et à varnel-calcul
#include "LigneCommande.h"

#include <gtest/gtest.h>

TEST(LigneCommande, ReglesEtMessages)
{
    struct Cas {
        std::vector<std::string> arguments;
        std::string erreur;
    };
    const Cas cas[] = {
        {{"25", "50", "75", "100", "3", "6", "952"}, ""},
        {{"25", "50", "75", "100", "3", "6"}, "Nombre incorrect d'arguments."},
        {{}, "Nombre incorrect d'arguments."},
        {{"25", "50", "0", "100", "3", "6", "952"}, "Plaque incorrecte (de 1 à 10, 25, 50, 75 ou 100)."},
        {{"11", "50", "75", "100", "3", "6", "952"}, "Plaque incorrecte (de 1 à 10, 25, 50, 75 ou 100)."},
        {{"25", "50", "75", "100", "3", "6", "100"}, "Résultat à trouver incorrect (de 101 à 999)."},
        {{"25", "50", "75", "100", "3", "6", "1000"}, "Résultat à trouver incorrect (de 101 à 999)."},
        {{"25", "50", "75", "100", "3", "6", "101"}, ""},
        {{"25", "50", "75", "100", "3", "6", "999"}, ""},
        {{"1", "deux", "3"}, "Argument \"deux\" incorrect."},
        {{"un", "2", "trois", "4", "5", "6", "7"}, "Argument \"trois\" incorrect."},
        {{"25", "50", "11", "100", "3", "6", "x9"}, "Argument \"x9\" incorrect."},
        {{"25", "50", "11", "100", "3", "6", "1000"}, "Plaque incorrecte (de 1 à 10, 25, 50, 75 ou 100)."},
        {{"25", "50", "75", "100", "3", "6", "952", "7"}, "Résultat à trouver incorrect (de 101 à 999)."},
        {{"25", "50", "75", "100", "3", "6", "952", "4.5"}, "Argument \"4.5\" incorrect."},
        {{"25", "50", "75", "100", "3", "6", "99999999999"}, "Argument \"99999999999\" incorrect."},
        {{"25", "50", "75", "100", "3", "-6", "952"}, "Plaque incorrecte (de 1 à 10, 25, 50, 75 ou 100)."},
        {{"5", "5", "5", "5", "5", "5", "555"}, ""},
        {{"100", "100", "1", "2", "3", "4", "500"}, ""},
    };
    for (const Cas& c : cas) {
        const JeuLigneCommande jeu = LireArguments(c.arguments);
        EXPECT_EQ(jeu.Erreur, c.erreur) << ::testing::PrintToString(c.arguments);
        EXPECT_EQ(jeu.Valide(), c.erreur.empty());
    }
}

TEST(LigneCommande, ValeursLues)
{
    const JeuLigneCommande jeu = LireArguments({"25", "50", "75", "100", "3", "6", "952", "+417"});
    ASSERT_TRUE(jeu.Valide());
    EXPECT_EQ(jeu.Plaques, (SixEntiers{25, 50, 75, 100, 3, 6}));
    EXPECT_EQ(jeu.But, 417);  // le dernier compte valable l'emporte
    for (bool cachee : jeu.PlaqueCachee)
        EXPECT_FALSE(cachee);

    int32_t v = 0;
    EXPECT_TRUE(ConvertirEntier(" 42", v));
    EXPECT_EQ(v, 42);
    for (const char* faux : {"", " ", "+", "-", "4 2", "42 ", "0x10", "++4", "+-4", "2147483648"})
        EXPECT_FALSE(ConvertirEntier(faux, v)) << faux;
    EXPECT_TRUE(ConvertirEntier("-2147483648", v));

    // sans compte (inventaire) : six plaques exactement
    EXPECT_TRUE(LireArguments({"1", "2", "3", "4", "5", "6"}, false).Valide());
    EXPECT_EQ(LireArguments({"1", "2", "3", "4", "5", "6", "7"}, false).Erreur, "Nombre incorrect d'arguments.");
}
