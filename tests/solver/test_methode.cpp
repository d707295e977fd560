// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// la méthode d'une solution, lue de sa dernière ligne et de la ligne qui a fait le plus grand nombre
#include "MethodeSolution.h"
#include "Outils.h"
#include "ReleveSolutions.h"

#include <gtest/gtest.h>

namespace {

LigneSolution Ligne(int op, int32_t grand, int32_t petit, int8_t ligneGrand = -1, int8_t lignePetit = -1)
{
    return {static_cast<int8_t>(op), grand, petit, Appliquer(op, grand, petit), ligneGrand, lignePetit};
}

}  // namespace

// une solution faite à la main par ligne de la règle, puis les cas limites
TEST(Methode, RegleDeLaDerniereLigne)
{
    struct Cas {
        const char* quoi;
        std::vector<LigneSolution> lignes;
        Methode attendue;
    };
    const Cas cas[] = {
        {"100 × 7 = 700, 700 + 3 = 703", {Ligne(OpMultiplication, 100, 7), Ligne(OpAddition, 700, 3, 0)},
         Methode::ProduitPuisAjustement},
        {"75 + 2 = 77, 77 × 9 = 693", {Ligne(OpAddition, 75, 2), Ligne(OpMultiplication, 77, 9, 0)},
         Methode::MultiplicationDecomposee},
        {"3 + 4 = 7, 100 × 7 = 700 : le petit nombre vient d'une addition",
         {Ligne(OpAddition, 4, 3), Ligne(OpMultiplication, 100, 7, -1, 0)}, Methode::MultiplicationDecomposee},
        {"25 × 4 = 100, 100 × 9 = 900", {Ligne(OpMultiplication, 25, 4), Ligne(OpMultiplication, 100, 9, 0)},
         Methode::Produit},
        {"75 × 6 = 450, 450 ÷ 50 = 9", {Ligne(OpMultiplication, 75, 6), Ligne(OpDivision, 450, 50, 0)},
         Methode::Division},
        {"100 + 50 = 150, 150 − 25 = 125", {Ligne(OpAddition, 100, 50), Ligne(OpSoustraction, 150, 25, 0)},
         Methode::AdditionEtSoustraction},
        {"50 ÷ 2 = 25, 25 × 9 = 225 : un produit dont un nombre vient d'une division",
         {Ligne(OpDivision, 50, 2), Ligne(OpMultiplication, 25, 9, 0)}, Methode::Produit},
        {"3 × 4 = 12, 100 − 12 = 88 : le plus grand est une plaque",
         {Ligne(OpMultiplication, 4, 3), Ligne(OpSoustraction, 100, 12, -1, 0)}, Methode::AdditionEtSoustraction},
        {"100 ÷ 4 = 25, 25 + 9 = 34 : le plus grand vient d'une division",
         {Ligne(OpDivision, 100, 4), Ligne(OpAddition, 25, 9, 0)}, Methode::AdditionEtSoustraction},
        {"25 × 4 = 100, 100 + 100 = 200 : à égalité, le produit est le plus grand",
         {Ligne(OpMultiplication, 25, 4), Ligne(OpAddition, 100, 100, -1, 0)}, Methode::ProduitPuisAjustement},
        {"8 + 2 = 10 (une seule ligne)", {Ligne(OpAddition, 8, 2)}, Methode::AdditionEtSoustraction},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(NomMethode(MethodeDesLignes(c.lignes)), std::string(NomMethode(c.attendue))) << c.quoi;
}

// les lignes écrites et l'origine de leurs nombres : 75 × 6 et 100 + 3 sont deux sous-calculs, repris par
// les lignes qui les suivent
TEST(Methode, OrigineDesNombresEcrits)
{
    const DonneesRecherche d = Resoudre({25, 50, 75, 100, 3, 6}, 952);
    const plq_utl& premiere = *d.ListeSolutions.Objet(0);
    ASSERT_EQ(d.ListeSolutions.Texte(0), "75*6=450\n450/50=9\n100+3=103\n103*9=927\n927+25=952\n");
    const std::vector<LigneSolution> attendues = {Ligne(OpMultiplication, 75, 6), Ligne(OpDivision, 450, 50, 0),
                                                  Ligne(OpAddition, 100, 3), Ligne(OpMultiplication, 103, 9, 2, 1),
                                                  Ligne(OpAddition, 927, 25, 3)};
    EXPECT_EQ(EcrireLignes(*premiere.Arbre, 952, true), attendues);
    EXPECT_EQ(ValeurGroupe(*d.ListeSolutions.Objet(1)->Arbre), 952);
}

// la plus simple de chaque compte, relevée en une recherche, est la première de sa résolution
TEST(Methode, PlusSimplesCommeLesResolutions)
{
    const SixEntiers plaques{1, 3, 7, 10, 25, 75};
    const ReleveSolutions releve = ReleverPlusSimples(plaques);
    for (int32_t v = 101; v <= 999; v += 29) {
        const DonneesRecherche d = Resoudre(plaques, v);
        const plq_utl* plusSimple = releve.PlusSimple(v);
        ASSERT_EQ(plusSimple != nullptr, d.ButAtteint) << v;
        if (plusSimple) {
            EXPECT_TRUE(MemeSolution(*plusSimple, d.ListeSolutions.Objet(0))) << v;
        }
    }
}
