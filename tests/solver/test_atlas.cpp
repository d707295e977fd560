// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// l'atlas de tous les jeux : les tirages distincts, et les comptes qui se font comparés à une force brute
#include "Atlas.h"
#include "ForceBrute.h"
#include "VarnelCalcul.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <sstream>

TEST(Atlas, TiragesDistinctsDeLaReserve)
{
    // toutes les façons de prendre six des 24 plaques, ramenées à leurs valeurs croissantes
    std::set<SixEntiers> attendus;
    std::array<int, 6> k{};
    std::iota(k.begin(), k.end(), 0);
    for (;;) {
        SixEntiers t;
        for (size_t i = 0; i < 6; ++i)
            t[i] = ReservePlaques[static_cast<size_t>(k[i])];
        std::sort(t.begin(), t.end());
        attendus.insert(t);
        int i = 5;
        while (i >= 0 && k[static_cast<size_t>(i)] == 18 + i)
            --i;
        if (i < 0)
            break;
        ++k[static_cast<size_t>(i)];
        for (int j = i + 1; j < 6; ++j)
            k[static_cast<size_t>(j)] = k[static_cast<size_t>(j - 1)] + 1;
    }
    const std::vector<SixEntiers> tirages = TiragesDistincts();
    EXPECT_EQ(tirages.size(), 13243u);
    EXPECT_EQ(tirages, std::vector<SixEntiers>(attendus.begin(), attendus.end()));

    // 4 grandes plaques et deux petites : 10 paires de deux valeurs égales et 45 de valeurs différentes
    EXPECT_EQ(std::count_if(tirages.begin(), tirages.end(), [](const SixEntiers& t) { return NbGrandesPlaques(t) == 4; }),
              55);
    EXPECT_EQ(GrandesPlaques({1, 2, 3, 4, 25, 100}), 0b1001u);
}

namespace {

struct LigneLue {
    SixEntiers Plaques;
    int32_t Comptes;
};

// les lignes « p1 p2 p3 p4 p5 p6 : n » de la sortie, et la ligne du total
std::vector<LigneLue> LireAtlas(const std::string& sortie, std::string& total)
{
    std::vector<LigneLue> lignes;
    std::istringstream flux(sortie);
    std::string ligne;
    while (std::getline(flux, ligne)) {
        if (ligne.rfind("Total : ", 0) == 0) {
            total = ligne;
            continue;
        }
        if (ligne.find(" : ") == std::string::npos || !std::isdigit(static_cast<unsigned char>(ligne[0])) ||
            ligne.find("grande") != std::string::npos)
            continue;
        std::istringstream l(ligne);
        LigneLue lue{};
        std::string deuxPoints;
        for (int32_t& p : lue.Plaques)
            l >> p;
        l >> deuxPoints >> lue.Comptes;
        lignes.push_back(lue);
    }
    return lignes;
}

}  // namespace

// les tirages aux quatre grandes plaques : chaque ligne est celle que donne la force brute
TEST(Atlas, ComptesFaisablesCommeLaForceBrute)
{
#ifdef VARNEL_TESTS_ALLEGES
    const std::vector<std::string> arguments = {"--atlas", "--grandes", "25,50,75,100", "--premiers", "6", "--fils", "2"};
    const size_t nombre = 6;
#else
    const std::vector<std::string> arguments = {"--atlas", "--grandes", "25,50,75,100", "--fils", "2"};
    const size_t nombre = 55;
#endif
    std::ostringstream sortie, erreurs;
    ASSERT_EQ(ExecuterVarnelCalcul(arguments, sortie, erreurs), 0) << erreurs.str();
    EXPECT_TRUE(erreurs.str().empty());
    std::string total;
    const std::vector<LigneLue> lignes = LireAtlas(sortie.str(), total);
    ASSERT_EQ(lignes.size(), nombre);
    int64_t faisables = 0;
    for (const LigneLue& l : lignes) {
        EXPECT_EQ(NbGrandesPlaques(l.Plaques), 4);
        EXPECT_EQ(l.Comptes, static_cast<int32_t>(Atteignables(l.Plaques).size())) << ::testing::PrintToString(l.Plaques);
        faisables += l.Comptes;
    }
    EXPECT_EQ(total, "Total : " + std::to_string(nombre) + " tirages, " + std::to_string(899 * nombre) + " jeux, " +
                         std::to_string(faisables) + " faisables (" + total.substr(total.find('(') + 1));
    EXPECT_NE(sortie.str().find("\n4 grandes plaques : " + std::to_string(nombre) + " tirages"), std::string::npos);
    EXPECT_NE(sortie.str().find("\n0 grande plaque : 0 tirages, 0 jeux, 0 faisables (0,00 %)\n"), std::string::npos);

    // le nombre de fils ne change rien
    std::ostringstream seul;
    std::vector<std::string> unFil = arguments;
    unFil.back() = "1";
    ASSERT_EQ(ExecuterVarnelCalcul(unFil, seul, erreurs), 0);
    EXPECT_EQ(seul.str(), sortie.str());

    // la recherche de l'inventaire de chaque tirage écrit le même atlas
    std::vector<SixEntiers> tirages;
    for (const LigneLue& l : lignes)
        tirages.push_back(l.Plaques);
    std::ostringstream recherche;
    EcrireAtlas(recherche, DresserAtlas(tirages, 2, {}, CheminAtlas::Recherche));
    EXPECT_EQ(recherche.str(), sortie.str());
}
