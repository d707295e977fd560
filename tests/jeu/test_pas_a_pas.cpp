// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// une solution parcourue pas à pas sur les six plaques : nombres marqués, remplacés, et ce qui en est lu
#include "ExecutionRecherche.h"
#include "PasAPas.h"

#include <gtest/gtest.h>

namespace {

// « 25 50 [75] 100 3 [6] » : les cases, (r) un résultat, _ une case vide, [x] une case marquée
std::string Cases(const EtatPasAPas& e)
{
    std::string texte;
    for (size_t i = 0; i < 6; ++i) {
        std::string c = e.Valeurs[i] == 0 ? "_" : std::to_string(e.Valeurs[i]);
        if (e.Resultats[i])
            c = "(" + c + ")";
        if (e.Marquees >> i & 1u)
            c = "[" + c + "]";
        texte += (i ? " " : "") + c;
    }
    return texte;
}

}  // namespace

// 952 par 75 × 6 ÷ 50 et (100 + 3) × 9 + 25 : chaque résultat prend la case la plus à gauche des deux
TEST(PasAPas, CinqOperationsAuClavier)
{
    DonneesRecherche d;
    d.Plaques = {25, 50, 75, 100, 3, 6};
    d.But = 952;
    d.OrdreSolutions = OrdreDuSimpleAuTordu;
    ExecuterRecherche(d);
    std::optional<PasAPas> pas = PasAPasDeLaSolution(d);
    ASSERT_TRUE(pas);
    EXPECT_FALSE(pas->Reculer());
    std::string parcours = Cases(pas->Etat()) + " | " + pas->Etat().Lecture + "\n";
    while (pas->Avancer())
        parcours += Cases(pas->Etat()) + " | " + pas->Etat().Lecture + "\n";
    EXPECT_EQ(parcours,
              "25 50 75 100 3 6 | Pas à pas en 5 opérations. Plaques : 25, 50, 75, 100, 3, 6. Compte : 952.\n"
              "25 50 [75] 100 3 [6] | Opération 1 sur 5 : 75 fois 6.\n"
              "25 50 [(450)] 100 3 _ | 75 fois 6 égale 450. Restent : 25, 50, 450, 100, 3.\n"
              "25 [50] [(450)] 100 3 _ | Opération 2 sur 5 : 450 divisé par 50.\n"
              "25 [(9)] _ 100 3 _ | 450 divisé par 50 égale 9. Restent : 25, 9, 100, 3.\n"
              "25 (9) _ [100] [3] _ | Opération 3 sur 5 : 100 plus 3.\n"
              "25 (9) _ [(103)] _ _ | 100 plus 3 égale 103. Restent : 25, 9, 103.\n"
              "25 [(9)] _ [(103)] _ _ | Opération 4 sur 5 : 103 fois 9.\n"
              "25 [(927)] _ _ _ _ | 103 fois 9 égale 927. Restent : 25, 927.\n"
              "[25] [(927)] _ _ _ _ | Opération 5 sur 5 : 927 plus 25.\n"
              "[(952)] _ _ _ _ _ | 927 plus 25 égale 952 : le compte est trouvé.\n");
    EXPECT_EQ(pas->Etat().Texte, d.ListeSolutions.Texte(0));
    EXPECT_TRUE(pas->Reculer());
    EXPECT_EQ(pas->Etat().Texte, "75*6=450\n450/50=9\n100+3=103\n103*9=927\n927+25");
}

// deux plaques de même valeur : chacune a sa case, et celle que la solution utilise d'abord ; un compte manqué
TEST(PasAPas, PlaquesEgalesEtCompteManque)
{
    const std::vector<LigneSolution> lignes = {{OpMultiplication, 5, 5, 25, -1, -1}, {OpMultiplication, 25, 4, 100, 0, -1}};
    PasAPas pas({4, 5, 1, 5, 5, 2}, 103, 0b011011, lignes);
    pas.Avancer();
    EXPECT_EQ(Cases(pas.Etat()), "4 [5] 1 [5] 5 2");
    while (pas.Avancer()) {
    }
    EXPECT_EQ(Cases(pas.Etat()) + " | " + pas.Etat().Lecture, "[(100)] _ 1 _ 5 2 | 25 fois 4 égale 100, à 3 du compte.");
}
