// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// le parcours des calculs complets un à un : la limite d'opérations, l'arrêt demandé, la forme gardée
#include "ParcoursCalculs.h"

#include <gtest/gtest.h>

namespace {

// compte les calculs vus ; garde le premier qui vaut cherche, et s'arrête là
class Compteur : public ParcoursCalculs {
public:
    Compteur(int operations, int32_t cherche) : ParcoursCalculs(operations), cherche_(cherche) {}
    bool Voir(int32_t valeur, int operations) override
    {
        ++vus[static_cast<size_t>(operations)];
        if (valeur == cherche_)
            Arreter();
        return valeur == cherche_;
    }
    void Garder(const EtatCalcul& calcul) override { texte = EcrireEtatComplet(calcul); }

    std::array<int, 6> vus{};
    std::string texte;

private:
    int32_t cherche_;
};

}  // namespace

TEST(ParcoursCalculs, LimiteEtArret)
{
    // une opération sur 1 2 3 4 5 6 : les 15 sommes, 12 différences (pas 2−1, 4−2, 6−3), 10 produits (pas
    // par 1) et 2 quotients (6÷2, 6÷3 ; pas 4÷2, qui vaut son diviseur) ; 999 ne se fait pas
    Compteur une(1, 0);
    Parcourir({1, 2, 3, 4, 5, 6}, 999, une);
    EXPECT_EQ(une.vus, (std::array<int, 6>{0, 39, 0, 0, 0, 0}));

    // 720 demande cinq plaques (quatre au plus font 6×5×4×3 = 360) : rien à trois opérations ; à quatre, le
    // parcours s'arrête sur lui, sa forme écrite jusqu'à lui
    Compteur trois(3, 720);
    Parcourir({1, 2, 3, 4, 5, 6}, 720, trois);
    EXPECT_FALSE(trois.Arrete());
    EXPECT_EQ(trois.vus[4], 0);
    Compteur quatre(4, 720);
    Parcourir({1, 2, 3, 4, 5, 6}, 720, quatre);
    EXPECT_TRUE(quatre.Arrete());
    EXPECT_EQ(quatre.texte.substr(quatre.texte.size() - 5), "=720\n");
}
