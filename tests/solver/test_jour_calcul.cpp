// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// varnel-calcul --jour : le jeu d'une date, son niveau, puis la résolution comme pour tout jeu
#include "VarnelCalcul.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string Sortie(const std::vector<std::string>& arguments, int codeAttendu, std::string* erreurs = nullptr)
{
    std::ostringstream sortie, flotErreurs;
    EXPECT_EQ(ExecuterVarnelCalcul(arguments, sortie, flotErreurs), codeAttendu) << ::testing::PrintToString(arguments);
    if (erreurs)
        *erreurs = flotErreurs.str();
    return sortie.str();
}

// ce qui suit la ligne du temps de recherche
std::string ApresStatut(const std::string& texte) { return texte.substr(texte.find(" ms.\n")); }

}  // namespace

TEST(JourCalcul, JeuPuisResolution)
{
    const std::string jour = Sortie({"--jour", "2026-12-11", "--ordre", "2"}, 0);
    ASSERT_EQ(jour.rfind("3 25 8 9 7 6 923\nNiveau=Difficile\n3 bon(s) compte(s), ", 0), 0u) << jour;
    const std::string jeu = Sortie({"--ordre", "2", "3", "25", "8", "9", "7", "6", "923"}, 0);
    EXPECT_EQ(ApresStatut(jour), ApresStatut(jeu));
}

TEST(JourCalcul, ArgumentsIncorrects)
{
    const std::pair<std::vector<std::string>, std::string> cas[] = {
        {{"--jour", "2026-02-30"}, "Date incorrecte : « 2026-02-30 » (AAAA-MM-JJ, une date du calendrier, par exemple 2026-12-08)."},
        {{"--jour", "8/12/2026"}, "Date incorrecte : « 8/12/2026 » (AAAA-MM-JJ, une date du calendrier, par exemple 2026-12-08)."},
        {{"--jour"}, "Il manque la date après --jour (AAAA-MM-JJ)."},
        {{"--jour", "2026-12-08", "1", "2", "3", "4", "5", "6", "999"}, "Le jeu du jour ne prend ni plaques ni compte, ni --tous ni --atlas."},
        {{"--tous", "--jour", "2026-12-08"}, "Le jeu du jour ne prend ni plaques ni compte, ni --tous ni --atlas."},
    };
    for (const auto& [arguments, message] : cas) {
        std::string erreurs;
        EXPECT_EQ(Sortie(arguments, 2, &erreurs), "");
        EXPECT_EQ(erreurs.substr(0, erreurs.find('\n')), message);
    }
}
