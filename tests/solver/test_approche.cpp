// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// le plus près du compte depuis un à six nombres : cas établis à la main, nombres refusés, puis la force
// brute sur des nombres au hasard et la résolution sur des jeux au hasard
#include "ApprocheCompte.h"
#include "ForceBrute.h"
#include "Outils.h"

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

TEST(ApprocheCompte, CasEtablisALaMain)
{
    struct Cas {
        std::vector<int64_t> Nombres;
        int64_t But;
        ApprocheCompte Attendue;
    };
    const int64_t deux31 = int64_t{1} << 31;
    const std::vector<Cas> cas = {
        {{5}, 101, {5, 96}},
        {{100, 1}, 101, {101, 0}},
        {{2, 4}, 7, {6, 1}},                             // 6 et 8 à 1 près : celle sous le compte
        {{int64_t{1} << 40, int64_t{1} << 40}, 2, {1, 1}},  // sur 128 bits ; 2^40 − 2^40 = 0 n'est pas permis
        {{3 * deux31, 5 * deux31, int64_t{1} << 60}, 60, {60, 0}},  // 15 × 2^62 ÷ 2^60 : seul chemin, au-delà de 64 bits
    };
    for (const Cas& c : cas)
        EXPECT_EQ(ApprocherCompte(c.Nombres, c.But), c.Attendue) << ::testing::PrintToString(c.Nombres);
}

TEST(ApprocheCompte, NombresRefuses)
{
    const int64_t grand = int64_t{1} << 62;
    const std::vector<std::vector<int64_t>> refuses = {
        {}, {1, 2, 3, 4, 5, 6, 7}, {0, 5}, {-3, 5}, {grand, grand, 7}};
    for (const auto& nombres : refuses)
        EXPECT_THROW(ApprocherCompte(nombres, 500), std::invalid_argument) << ::testing::PrintToString(nombres);
    // (2^62 + 1)² tient sous 2^127, pas huit fois plus
    EXPECT_TRUE(NombresCalculables({grand, grand}));
    EXPECT_FALSE(NombresCalculables({grand, grand, 7}));
}

// de un à six nombres de 1 à 120 au hasard : l'écart au compte que donne la force brute
TEST(ApprocheCompte, CommeLaForceBrute)
{
    std::mt19937 alea(35);
    for (int essai = 0; essai < 60; ++essai) {
        std::vector<int32_t> nombres(1 + alea() % 6);
        for (int32_t& n : nombres)
            n = 1 + static_cast<int32_t>(alea() % 120);
        const int64_t but = 101 + alea() % 899;
        int64_t attendu = but;
        for (int64_t v : ValeursForceBrute(nombres))
            attendu = std::min(attendu, v > but ? v - but : but - v);
        EXPECT_EQ(ApprocherCompte({nombres.begin(), nombres.end()}, but).Ecart, attendu)
            << ::testing::PrintToString(nombres) << " " << but;
    }
}

// depuis les six plaques, le meilleur résultat d'une résolution, sur des jeux au hasard
TEST(ApprocheCompte, CommeLaResolution)
{
    std::mt19937 alea(3);
    for (int essai = 0; essai < 150; ++essai) {
        std::vector<int32_t> reserve(ReservePlaques.begin(), ReservePlaques.end());
        std::shuffle(reserve.begin(), reserve.end(), alea);
        const SixEntiers plaques{reserve[0], reserve[1], reserve[2], reserve[3], reserve[4], reserve[5]};
        const int32_t but = 101 + static_cast<int32_t>(alea() % 899);
        const DonneesRecherche d = Resoudre(plaques, but);
        EXPECT_EQ(ApprocherCompte({plaques.begin(), plaques.end()}, but).Ecart, std::abs(d.MeilleurResultat - but))
            << ::testing::PrintToString(plaques) << " " << but;
    }
}
