// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// le compte proposé au pavé : limites de la réserve, compte de 101 à 999, ordre des effacements
#include "PropositionJeu.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Pave {
    Pave() { modele.Commencer(); }
    // « 1 » pour une étiquette active : 0, 1 à 9, 10, puis 25 50 75 100
    std::string Actifs() const
    {
        std::string etat;
        for (int e = 0; e <= 14; ++e) {
            if (e == 1 || e == 10 || e == 11)
                etat += ' ';
            etat += modele.Actif(e) ? '1' : '0';
        }
        return etat;
    }
    // touches comme au clavier : chiffres, x pour 10, v l s c pour 25 50 75 100
    const SixEntiers& plaques() const { return modele.Plaques(); }
    std::array<bool, 6> cachees() const { return modele.PlaquesCachees(); }
    int32_t but() const { return modele.But(); }
    void Taper(const std::string& touches)
    {
        for (char c : touches) {
            const std::string grandes = "vlsc";
            if (c == 'x')
                modele.Touche(10);
            else if (grandes.find(c) != std::string::npos)
                modele.Touche(PropositionJeu::EtiquetteGrande25 + static_cast<int>(grandes.find(c)));
            else
                modele.Touche(c - '0');
        }
    }

    PropositionJeu modele;
};

}  // namespace

TEST(Pave, LimitesDeLaReserveEtChiffresDuCompte)
{
    Pave p;
    EXPECT_EQ(p.Actifs(), "0 111111111 1 1111");
    EXPECT_FALSE(p.modele.RetourActif());
    p.Taper("11");
    EXPECT_EQ(p.Actifs(), "0 011111111 1 1111");
    p.Taper("1");  // troisième 1 : rien
    EXPECT_EQ(p.modele.NbPlaquesSaisies, 2);
    p.Taper("v");
    EXPECT_EQ(p.Actifs(), "0 011111111 1 0111");
    p.Taper("xx");
    EXPECT_EQ(p.plaques(), (SixEntiers{1, 1, 25, 10, 10, 0}));
    EXPECT_EQ(p.cachees(), (std::array<bool, 6>{false, false, false, false, false, true}));
    EXPECT_EQ(p.Actifs(), "0 011111111 0 0111");
    const EffetPave sixieme = p.modele.Touche(14);
    EXPECT_TRUE(sixieme.Bande && sixieme.But && !sixieme.Complet);
    // six plaques : seulement 1 à 9 pour le premier chiffre
    EXPECT_EQ(p.Actifs(), "0 111111111 0 0000");
    EXPECT_EQ(p.but(), 0);
    // Retour enlève la sixième plaque et rend son bouton
    EXPECT_TRUE(p.modele.Retour().Bande);
    EXPECT_EQ(p.plaques()[5], 0);
    EXPECT_TRUE(p.cachees()[5]);
    EXPECT_EQ(p.Actifs(), "0 011111111 0 0111");
    p.Taper("s1");
    EXPECT_EQ(p.but(), 100);
    EXPECT_EQ(p.Actifs(), "1 111111111 0 0000");
    p.Taper("0");
    EXPECT_EQ(p.but(), 100);
    // 1 puis 0 : plus de 0, pour ne pas faire 100
    EXPECT_EQ(p.Actifs(), "0 111111111 0 0000");
    // deux Retour effacent les chiffres, le troisième la sixième plaque
    EXPECT_TRUE(p.modele.Retour().But);
    EXPECT_EQ(p.but(), 100);
    p.modele.Retour();
    EXPECT_EQ(p.but(), 0);
    EXPECT_EQ(p.modele.NbPlaquesSaisies, 6);
    p.modele.Retour();
    EXPECT_EQ(p.modele.NbPlaquesSaisies, 5);
    p.Taper("s10");
    EXPECT_FALSE(p.modele.Complet());
    p.Taper("1");
    EXPECT_TRUE(p.modele.Complet());
    EXPECT_EQ(p.but(), 101);
    EXPECT_EQ(p.plaques(), (SixEntiers{1, 1, 25, 10, 10, 75}));
}

// Retour efface le dernier chiffre du compte et lui seul : les chiffres déjà posés restent
TEST(Pave, RetourSurLesChiffresDuCompte)
{
    struct Cas {
        const char* touches;  // après les six plaques ; « < » pour Retour
        int32_t but;
        int chiffres;
    };
    const Cas cas[] = {
        {"1", 100, 1},
        {"1<", 0, 0},
        {"15", 150, 2},
        {"15<", 100, 1},   // les dizaines s'en vont, les centaines restent
        {"15<<", 0, 0},
        {"15<7", 170, 2},
        {"15<79", 179, 3},
        {"98<<4", 400, 1},
        {"9<3", 300, 1},
        {"10<", 100, 1},
        {"10<2", 120, 2},
    };
    for (const Cas& c : cas) {
        Pave p;
        p.Taper("123456");
        for (const char* t = c.touches; *t; ++t) {
            if (*t == '<')
                p.modele.Retour();
            else
                p.modele.Touche(*t - '0');
        }
        EXPECT_EQ(p.but(), c.but) << c.touches;
        EXPECT_EQ(p.modele.NbChiffresSaisis, c.chiffres) << c.touches;
        EXPECT_EQ(p.modele.NbPlaquesSaisies, 6) << c.touches;
    }
}

TEST(Pave, ComptesExtremesEtTouchesSansEffet)
{
    Pave p;
    p.Taper("998877");
    p.Taper("99");
    const EffetPave dernier = p.modele.Touche(9);
    EXPECT_TRUE(dernier.Complet);
    EXPECT_EQ(p.but(), 999);
    EXPECT_EQ(p.plaques(), (SixEntiers{9, 9, 8, 8, 7, 7}));
    // un compte complet ne se modifie plus
    EXPECT_FALSE(p.modele.Touche(1).But);
    EXPECT_FALSE(p.modele.Retour().But);
    EXPECT_EQ(p.but(), 999);

    Pave q;
    EXPECT_FALSE(q.modele.Retour().Bande);  // rien à effacer
    EXPECT_FALSE(q.modele.Touche(0).Bande);  // pas de plaque 0
    q.Taper("vlsc");
    EXPECT_EQ(q.Actifs(), "0 111111111 1 0000");
    EXPECT_EQ(q.modele.UtilisationsBouton[14], 1);
    q.modele.Retour();
    EXPECT_EQ(q.modele.UtilisationsBouton[14], 0);
    EXPECT_EQ(q.Actifs(), "0 111111111 1 0001");
}
