// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// varnel-calcul --verifier : les opérations jouées, le meilleur résultat, son écart et les points, ou le refus
#include "VarnelCalcul.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(VerifierCalcul, OperationsMeilleurEtPointsOuRefus)
{
    struct Cas {
        std::vector<std::string> arguments;
        int code;
        const char* sortie;
        const char* erreur;  // sa première ligne
    };
    const Cas cas[] = {
        // 936 est à 4 de 940, plus près que le dernier résultat 932
        {{"--verifier", "(75 + 3) x (10 + 2) - 4", "75", "3", "10", "2", "4", "9", "940"}, 0,
         "75+3=78\n10+2=12\n78*12=936\n936-4=932\nMeilleur=936\nEcart=4\nPoints=7\n", ""},
        {{"--verifier", "9*4=36, 36:3=12 12x75=900", "75", "3", "10", "2", "4", "9", "900"}, 0,
         "9*4=36\n36/3=12\n12*75=900\nMeilleur=900\nEcart=0\nPoints=10\n", ""},
        {{"--verifier", "3+3", "75", "3", "10", "2", "4", "9", "940"}, 2, "", "Calcul refusé : le 3 est déjà pris."},
        {{"--verifier", "", "75", "3", "10", "2", "4", "9", "940"}, 2, "", "Calcul refusé : il n'y a aucune opération."},
        {{"--verifier"}, 2, "", "Il manque le calcul après --verifier (entre guillemets, par exemple \"(75+3)*12-4\")."},
        {{"--verifier", "75+3", "--tous", "75", "3", "10", "2", "4", "9"}, 2, "",
         "La vérification d'un calcul ne prend que le calcul, les six plaques et le compte."},
    };
    for (const Cas& c : cas) {
        std::ostringstream sortie, erreurs;
        EXPECT_EQ(ExecuterVarnelCalcul(c.arguments, sortie, erreurs), c.code) << ::testing::PrintToString(c.arguments);
        EXPECT_EQ(sortie.str(), c.sortie);
        EXPECT_EQ(erreurs.str().substr(0, erreurs.str().find('\n')), c.erreur);
    }
}
