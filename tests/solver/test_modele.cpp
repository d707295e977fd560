// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// classement des plaques, états de calcul : dériver, réappliquer, sommes et maxima
#include "Outils.h"

#include <gtest/gtest.h>

#include <random>

TEST(Classement, RangsEtTableInverse)
{
    struct Cas {
        SixEntiers plaques, rangs, plaqueDeRang;
    };
    const Cas cas[] = {
        {{7, 3, 7, 100, 1, 3}, {3, 1, 4, 5, 0, 2}, {4, 1, 5, 0, 2, 3}},
        {{5, 5, 5, 5, 5, 5}, {0, 1, 2, 3, 4, 5}, {0, 1, 2, 3, 4, 5}},
        {{100, 75, 50, 25, 10, 10}, {5, 4, 3, 2, 0, 1}, {4, 5, 3, 2, 1, 0}},
    };
    for (const Cas& c : cas) {
        SixEntiers rangs{}, plaqueDeRang{};
        ClasserPlaques(c.plaques, rangs, plaqueDeRang, ModeClassement::Classe);
        EXPECT_EQ(rangs, c.rangs);
        EXPECT_EQ(plaqueDeRang, c.plaqueDeRang);
        ClasserPlaques(c.plaques, rangs, plaqueDeRang, ModeClassement::Identite);
        EXPECT_EQ(rangs, (SixEntiers{0, 1, 2, 3, 4, 5}));
        EXPECT_EQ(plaqueDeRang, (SixEntiers{0, 1, 2, 3, 4, 5}));
    }
}

namespace {

std::vector<int32_t> Disponibles(const EtatCalcul& e)
{
    std::vector<int32_t> valeurs;
    for (int8_t k = e.PremierDispo; k != AucunNoeud; k = e.Noeud(k).Suivant)
        valeurs.push_back(e.Noeud(k).Valeur);
    return valeurs;
}

}  // namespace

TEST(EtatCalcul, DeriverTientLesCompteursEtLaListe)
{
    DonneesRecherche d;
    d.Plaques = {100, 25, 1, 10, 4, 2};
    const EtatCalcul racine = Racine(d);
    EXPECT_EQ(Disponibles(racine), (std::vector<int32_t>{1, 2, 4, 10, 25, 100}));
    EXPECT_EQ(SommeResultats(racine), 0);

    const EtatCalcul e1 = Jouer(racine, 25, OpMultiplication, 4);
    EXPECT_EQ(e1.NbOperations, 1);
    EXPECT_EQ(e1.NbDispo, 5);
    EXPECT_EQ(e1.NbPlaquesLibres, 4);
    EXPECT_EQ(Disponibles(e1), (std::vector<int32_t>{1, 2, 10, 100, 100}));
    EXPECT_EQ(e1.Noeud(6).Valeur, 100);
    EXPECT_EQ(e1.Noeud(6).RangMin, 2);
    EXPECT_EQ(e1.Noeud(6).Gauche, 4);
    EXPECT_EQ(e1.Noeud(6).Droite, 2);
    EXPECT_EQ(PlusGrandResultatAnterieur(e1), 0);
    // le parent n'est pas touché
    EXPECT_EQ(racine.NbDispo, 6);

    // résultat avec plaque : une plaque libre de moins ; deux résultats : pas de changement
    const EtatCalcul e2 = Jouer(e1, 10, OpAddition, 2);
    EXPECT_EQ(e2.NbPlaquesLibres, 2);
    const EtatCalcul e3 = Deriver(e2, OpAddition, 6, 7);  // les deux résultats 100 et 12
    EXPECT_EQ(e3.NbPlaquesLibres, 2);
    const EtatCalcul e4 = Jouer(e3, 112, OpSoustraction, 1);
    EXPECT_EQ(e4.NbPlaquesLibres, 1);
    EXPECT_EQ(Disponibles(e4), (std::vector<int32_t>{100, 111}));
    EXPECT_EQ(SommeResultats(e4), 100 + 12 + 112 + 111);
    EXPECT_EQ(PlusGrandResultatAnterieur(e4), 112);
    EXPECT_TRUE(ContientResultat(e4, 12));
    EXPECT_FALSE(ContientResultat(e4, 10));  // une plaque n'est pas un résultat
    d.ClasserPlaques(ModeClassement::Classe);
    EXPECT_EQ(MasquePlaquesEtat(e4, d.RangPlaque), 0b111111u & ~(1u << 0));  // seul le 100 est libre
}

// réappliquer sur un enfant doit donner exactement l'état qu'une dérivation fraîche donnerait
TEST(EtatCalcul, ReappliquerEgaleDeriver)
{
    std::mt19937 alea(12345);
    auto tirer = [&](int n) { return static_cast<int>(alea() % static_cast<unsigned>(n)); };
    int comparaisons = 0;
    for (int essai = 0; essai < 400; ++essai) {
        DonneesRecherche d;
        for (auto& p : d.Plaques)
            p = ReservePlaques[static_cast<size_t>(tirer(24))];
        EtatCalcul parent = Racine(d);
        // un parent de 0 à 3 opérations, fait d'additions
        const int profondeur = tirer(4);
        for (int i = 0; i < profondeur; ++i) {
            std::vector<int8_t> dispo;
            for (int8_t k = parent.PremierDispo; k != AucunNoeud; k = parent.Noeud(k).Suivant)
                dispo.push_back(k);
            const int a = dispo[static_cast<size_t>(tirer(static_cast<int>(dispo.size())))];
            int b = a;
            while (b == a)
                b = dispo[static_cast<size_t>(tirer(static_cast<int>(dispo.size())))];
            parent = Deriver(parent, OpAddition, std::max(a, b), std::min(a, b));
        }
        std::vector<int8_t> dispo;
        for (int8_t k = parent.PremierDispo; k != AucunNoeud; k = parent.Noeud(k).Suivant)
            dispo.push_back(k);
        std::optional<EtatCalcul> enfant;
        for (size_t i = 0; i < dispo.size(); ++i)
            for (size_t j = 0; j < dispo.size(); ++j) {
                if (i == j)
                    continue;
                const int g = dispo[i], dr = dispo[j];
                const int32_t vg = parent.Noeud(g).Valeur, vd = parent.Noeud(dr).Valeur;
                for (int op : {OpAddition, OpSoustraction, OpMultiplication, OpDivision}) {
                    if ((op == OpSoustraction && vg <= vd) || (op == OpDivision && vg % vd != 0))
                        continue;
                    const EtatCalcul frais = Deriver(parent, op, g, dr);
                    if (!enfant)
                        enfant = frais;
                    else
                        Reappliquer(*enfant, op, g, dr);
                    ASSERT_TRUE(MemeEtat(*enfant, frais)) << "essai " << essai;
                    ++comparaisons;
                }
            }
    }
    EXPECT_GT(comparaisons, 5000);
}
