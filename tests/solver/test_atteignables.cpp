// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// les valeurs partagées des sous-tirages : petits sous-tirages établis à la main, comptes de six plaques
#include "ForceBrute.h"
#include "TableAtteignables.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <stdexcept>

TEST(TableAtteignables, ValeursDePetitsSousTirages)
{
    struct Cas {
        std::vector<int32_t> Plaques;
        std::vector<uint32_t> Attendues;
    };
    const std::vector<Cas> cas = {
        {{3, 6}, {2, 3, 6, 9, 18}},  // 6 / 3 et pas 3 / 6 ; 6 - 3 ne redonne que 3
        {{6, 3}, {2, 3, 6, 9, 18}},
        {{3, 3}, {1, 3, 6, 9}},      // 3 / 3, et pas de 3 - 3 = 0
        {{1, 7}, {1, 6, 7, 8}},      // 7 × 1 et 7 / 1 ne donnent rien de plus
        {{1, 1}, {1, 2}},
        {{2, 3, 4}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 18, 20, 24}},
        {{1, 2, 3}, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {{3, 3, 7}, {1, 2, 3, 4, 6, 7, 8, 9, 10, 12, 13, 16, 18, 21, 24, 30, 42, 63}},  // 2 = 3 × 3 - 7
    };
    for (int fils : {1, 2}) {
        const TableAtteignables table({{1, 2, 3, 4, 6, 7}, {1, 1, 3, 3, 7, 100}}, fils);
        for (const Cas& c : cas)
            EXPECT_EQ(table.Valeurs(c.Plaques), c.Attendues) << ::testing::PrintToString(c.Plaques);
    }
}

// jusqu'à 999, les sous-tirages de quatre et cinq plaques de tirages au hasard forment les valeurs de la
// force brute
TEST(TableAtteignables, QuatreEtCinqPlaquesCommeLaForceBrute)
{
    std::mt19937 alea(28);
    std::vector<SixEntiers> tirages(40);
    for (SixEntiers& tirage : tirages) {
        std::array<size_t, 24> reserve;
        std::iota(reserve.begin(), reserve.end(), 0);
        std::shuffle(reserve.begin(), reserve.end(), alea);
        for (size_t i = 0; i < 6; ++i)
            tirage[i] = ReservePlaques[reserve[i]];
    }
    const TableAtteignables table(tirages, 2);
    for (const SixEntiers& tirage : tirages)
        for (std::ptrdiff_t n : {4, 5}) {
            const std::vector<int32_t> plaques(tirage.begin(), tirage.begin() + n);
            std::vector<int64_t> attendues, trouvees;
            for (int64_t v : ValeursForceBrute(plaques))
                if (v <= 999)
                    attendues.push_back(v);
            for (uint32_t v : table.Valeurs(plaques))
                if (v <= 999)
                    trouvees.push_back(v);
            ASSERT_EQ(trouvees, attendues) << ::testing::PrintToString(plaques);
        }
}

TEST(TableAtteignables, ComptesDeSixPlaques)
{
    const TableAtteignables table({{1, 1, 2, 2, 3, 3}, {1, 1, 2, 2, 3, 4}, {1, 2, 3, 4, 6, 7}}, 2);
    EXPECT_EQ(table.NombreComptes({1, 1, 2, 2, 3, 3}), 0);
    // seul 108 = (1 + 2) × (1 + 2) × 3 × 4, avec les six plaques
    const ComptesMarques comptes = table.Comptes({4, 3, 2, 2, 1, 1});
    EXPECT_EQ(comptes.count(), 1u);
    EXPECT_TRUE(comptes[108]);
    EXPECT_EQ(table.NombreComptes({1, 1, 2, 2, 3, 4}), 1);
    EXPECT_THROW(table.Comptes({1, 1, 2, 2, 4, 4}), std::invalid_argument);
    EXPECT_THROW(table.Comptes({1, 1, 1, 2, 2, 3}), std::invalid_argument);  // trois 1 : pas dans la réserve
    EXPECT_THROW(table.Valeurs({1, 2, 3, 4, 6, 7}), std::invalid_argument);
}
