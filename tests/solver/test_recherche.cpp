// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// recherche exhaustive : comptes de référence, élagage, meilleures approches, classement du joueur
#include "EnregistrementSolution.h"
#include "ForceBrute.h"
#include "Outils.h"

#include <gtest/gtest.h>

#include <set>

TEST(Recherche, ComptesDeReference)
{
    struct Cas {
        SixEntiers plaques;
        int32_t but;
        int32_t possibilites;
        std::array<int32_t, 5> etapes;
        int32_t entrees;
        std::array<int32_t, 5> parPlaques;  // 2 à 6 plaques
    };
    const Cas cas[] = {
        {{25, 50, 75, 100, 3, 6}, 952, 99746, {48, 880, 7770, 33488, 57560}, 2, {0, 0, 0, 0, 2}},
        {{100, 75, 50, 25, 10, 10}, 101, 116740, {49, 925, 8473, 38211, 69082}, 87, {0, 1, 4, 11, 71}},
        {{2, 5, 1, 8, 5, 7}, 810, 50227, {40, 609, 4579, 17520, 27479}, 1, {0, 0, 0, 0, 1}},
    };
    for (const Cas& c : cas)
        for (int ordre : {1, 2}) {
            SCOPED_TRACE(c.but);
            const DonneesRecherche d = Resoudre(c.plaques, c.but, ordre);
            EXPECT_EQ(d.NbPossibilites, c.possibilites);
            EXPECT_EQ(d.NbPossibilitesEtape, c.etapes);
            EXPECT_EQ(d.ListeSolutions.Nombre(), c.entrees);
            EXPECT_EQ(d.NbSolutions, c.entrees);
            EXPECT_EQ((std::array<int32_t, 5>{d.NbSolutionsPlaques[2], d.NbSolutionsPlaques[3], d.NbSolutionsPlaques[4],
                                              d.NbSolutionsPlaques[5], d.NbSolutionsPlaques[6]}),
                      c.parPlaques);
            EXPECT_TRUE(d.ButAtteint);
            EXPECT_EQ(d.MeilleurResultat, c.but);
        }
}

TEST(Recherche, ElagageDesOperationsInutiles)
{
    // premier niveau de 1..6 : 15 additions, 12 soustractions (sans 2-1, 4-2, 6-3),
    // 10 multiplications (sans * 1), 2 divisions (6/2 et 6/3 ; ni 4/2 ni / 1)
    const DonneesRecherche d = Resoudre({1, 2, 3, 4, 5, 6}, 999);
    EXPECT_EQ(d.NbPossibilitesEtape[0], 39);
}

TEST(Recherche, CompteAtteintAuPremierNiveauNonProlonge)
{
    const DonneesRecherche d = Resoudre({100, 7, 1, 3, 9, 8}, 101);
    ASSERT_GE(d.ListeSolutions.Nombre(), 1);
    EXPECT_EQ(d.ListeSolutions.Texte(0), "100+1=101\n");
    EXPECT_EQ(d.NbSolutionsPlaques[2], 1);
    EXPECT_EQ(TexteStatut(d).find(" bon(s) compte(s), "), std::to_string(d.ListeSolutions.Nombre()).size());
}

namespace {

// valeur finale d'un texte de solution : le résultat de sa dernière ligne
int32_t ValeurFinale(const std::string& texte)
{
    const size_t egal = texte.rfind('=');
    return egal == std::string::npos ? 0 : std::stoi(texte.substr(egal + 1));
}

}  // namespace

// compte manqué : les deux côtés à égale distance restent connus, même quand le dernier trouvé
// est du côté du premier
TEST(Recherche, MeilleuresApprochesDesDeuxCotes)
{
    struct Cas {
        SixEntiers plaques;
        int32_t but;
        int32_t premier, bas, haut;
        std::vector<int32_t> valeursListe;
    };
    const Cas cas[] = {
        // 498 = ((3+2)*4*4+3)*6, 502 = (4+3)*3*(6*4)-2 ; 500 ne se forme pas
        {{2, 3, 3, 4, 4, 6}, 500, 498, 498, 502, {}},
        // 704 = ((5+4)*7+1)*(10+1), 702 = ((10+1)*7+1)*(5+4), 704 = (1+1)*10*(7*5)+4 ; 703 ne se forme pas
        {{1, 1, 4, 5, 7, 10}, 703, 704, 702, 704, {704, 702, 704}},
    };
    for (const Cas& c : cas)
        for (int ordre : {1, 2}) {
            SCOPED_TRACE(c.but);
            const DonneesRecherche d = Resoudre(c.plaques, c.but, ordre);
            EXPECT_FALSE(d.ButAtteint);
            EXPECT_EQ(d.MeilleurResultat, c.premier);
            EXPECT_EQ(d.MeilleurBas, c.bas);
            EXPECT_EQ(d.MeilleurHaut, c.haut);
            std::multiset<int32_t> valeurs;
            for (int32_t i = 0; i < d.ListeSolutions.Nombre(); ++i)
                valeurs.insert(ValeurFinale(d.ListeSolutions.Texte(i)));
            EXPECT_EQ(*valeurs.begin(), c.bas);
            EXPECT_EQ(*valeurs.rbegin(), c.haut);
            if (!c.valeursListe.empty()) {
                EXPECT_EQ(valeurs, std::multiset<int32_t>(c.valeursListe.begin(), c.valeursListe.end()));
            }
        }
    const DonneesRecherche approche = Resoudre({2, 3, 3, 4, 4, 6}, 500);
    EXPECT_EQ(approche.ListeSolutions.Nombre(), 3);
    EXPECT_EQ(TexteStatut(approche).substr(0, 11), "3 compte(s)");
}

// la ligne de commande admet six plaques égales : les produits de six 100 dépassent 32 bits sans déborder
// (la passe sous UndefinedBehaviorSanitizer le vérifie), et l'approche est celle de la force brute :
// 600 = (100+100)*((100+100+100)/100), aucune valeur de 601 à 1398 ne se formant
TEST(Recherche, SixPlaquesDeCent)
{
    const std::set<int64_t> valeurs = ValeursForceBrute({100, 100, 100, 100, 100, 100});
    EXPECT_EQ(*valeurs.rbegin(), 1000000000000);
    EXPECT_EQ(valeurs.count(600), 1u);
    EXPECT_EQ(valeurs.lower_bound(601), valeurs.lower_bound(1399));
    for (int ordre : {1, 2}) {
        const DonneesRecherche d = Resoudre({100, 100, 100, 100, 100, 100}, 999, ordre);
        EXPECT_FALSE(d.ButAtteint);
        EXPECT_EQ(d.MeilleurResultat, 600);
        EXPECT_EQ(d.MeilleurBas, 600);
        EXPECT_EQ(d.MeilleurHaut, 600);
    }
}

// corrections : les plaques égales, les comptes atteignables
TEST(Recherche, CorrectionsDesDefauts)
{
    // le même calcul sur l'autre 5 reste, le doublon exact non
    const DonneesRecherche egales = Resoudre({4, 25, 5, 6, 5, 10}, 220, 1);
    EXPECT_EQ(egales.ListeSolutions.Nombre(), 95);
    for (int32_t i = 0; i < egales.ListeSolutions.Nombre(); ++i)
        for (int32_t j = i + 1; j < egales.ListeSolutions.Nombre(); ++j)
            ASSERT_FALSE(MemeSolution(*egales.ListeSolutions.Objet(i), egales.ListeSolutions.Objet(j)))
                << i << " " << j;

    struct Atteint {
        SixEntiers plaques;
        int32_t but;
    };
    for (const Atteint& a : {Atteint{{2, 5, 1, 8, 5, 7}, 810}, Atteint{{10, 4, 1, 7, 1, 9}, 858},
                             Atteint{{10, 9, 75, 100, 25, 6}, 692}}) {
        const DonneesRecherche d = Resoudre(a.plaques, a.but);
        EXPECT_TRUE(d.ButAtteint) << a.but;
    }
}

TEST(Recherche, DeuxOrdresMemesSolutions)
{
    const DonneesRecherche simple = Resoudre({100, 75, 50, 25, 10, 10}, 101, 1);
    const DonneesRecherche tordu = Resoudre({100, 75, 50, 25, 10, 10}, 101, 2);
    ASSERT_EQ(simple.ListeSolutions.Nombre(), tordu.ListeSolutions.Nombre());
    for (int32_t i = 0; i < simple.ListeSolutions.Nombre(); ++i) {
        bool trouve = false;
        for (int32_t j = 0; j < tordu.ListeSolutions.Nombre() && !trouve; ++j)
            trouve = MemeSolution(*simple.ListeSolutions.Objet(i), tordu.ListeSolutions.Objet(j));
        EXPECT_TRUE(trouve) << simple.ListeSolutions.Texte(i);
    }
    // du plus simple : 2 plaques d'abord ; du plus tordu : 2 plaques à la fin
    EXPECT_EQ(NbPlaquesMasque(simple.ListeSolutions.Objet(0)->MasquePlaques), 3);
    EXPECT_EQ(NbPlaquesMasque(tordu.ListeSolutions.Objet(tordu.ListeSolutions.Nombre() - 1)->MasquePlaques), 3);
}

namespace {

// le joueur a fait ses opérations ; ses mesures sont tenues comme le fait la saisie
void DonnerCalculJoueur(DonneesRecherche& d, const std::vector<std::tuple<int32_t, int, int32_t>>& operations)
{
    EtatCalcul e = Racine(d);
    d.MeilleurJoueur = Aucun;
    for (const auto& [a, op, b] : operations) {
        e = Jouer(e, a, op, b);
        const int32_t r = e.Noeud(e.DerniereCase()).Valeur;
        if (std::llabs(static_cast<long long>(r) - d.But) < std::llabs(static_cast<long long>(d.MeilleurJoueur) - d.But))
            d.MeilleurJoueur = r;
    }
    d.SommeJoueur = operations.empty() ? Aucun : SommeResultats(e);
    d.MaxJoueur = operations.empty() ? Aucun : PlusGrandResultatAnterieur(e);
    d.EtatJoueur = e;
}

}  // namespace

TEST(Recherche, ClassementDuJoueur)
{
    DonneesRecherche d;
    d.Plaques = {100, 1, 2, 3, 4, 5};
    d.But = 101;
    d.OrdreSolutions = 1;

    // sans calcul du joueur : rien n'est compté
    ExecuterRecherche(d);
    EXPECT_EQ(d.NbMeilleursQueJoueur, 0);
    EXPECT_EQ(PositionSolutionJoueur(d), -1);

    // le joueur n'a rien fait : tout calcul examiné passe devant lui
    DonnerCalculJoueur(d, {});
    ExecuterRecherche(d);
    EXPECT_EQ(d.NbMeilleursQueJoueur, d.NbPossibilites);
    EXPECT_EQ(PositionSolutionJoueur(d), -1);

    // 100 + 1 : personne ne fait mieux, et c'est la première solution
    DonnerCalculJoueur(d, {{100, OpAddition, 1}});
    ExecuterRecherche(d);
    EXPECT_EQ(d.NbMeilleursQueJoueur, 0);
    EXPECT_EQ(PositionSolutionJoueur(d), 0);

    // (100 + 3) - 2 : 100 + 1 (deux plaques) passe devant, et les calculs à trois plaques plus simples
    DonnerCalculJoueur(d, {{100, OpAddition, 3}, {103, OpSoustraction, 2}});
    ExecuterRecherche(d);
    const int32_t position = PositionSolutionJoueur(d);
    ASSERT_GT(position, 0);
    EXPECT_EQ(NbPlaquesMasque(d.ListeSolutions.Objet(position)->MasquePlaques), 3);
    EXPECT_GE(d.NbMeilleursQueJoueur, 1);
    EXPECT_LT(d.NbMeilleursQueJoueur, d.NbPossibilites / 100);

    // un calcul qui manque le compte n'est pas dans la liste, mais garde un rang parmi les possibilités
    DonnerCalculJoueur(d, {{100, OpAddition, 5}});
    ExecuterRecherche(d);
    EXPECT_EQ(PositionSolutionJoueur(d), -1);
    EXPECT_GT(d.NbMeilleursQueJoueur, 0);
}

// à distance et plaques égales, le plus grand intermédiaire puis la somme des résultats départagent
TEST(Recherche, ClassementDuJoueurParIntermediairesEtSomme)
{
    struct Cas {
        const char* nom;
        SixEntiers plaques;
        int32_t but;
        std::vector<std::tuple<int32_t, int, int32_t>> operations;
        int32_t devant;
    };
    const Cas cas[] = {
        // à trois plaques, seuls (3+7)+100 et (5*2)+100 font 110 (l'ordre (100+7)+3 n'est pas examiné) :
        // leur intermédiaire 10 est plus petit que 107
        {"(100+7)+3", {100, 7, 3, 5, 2, 9}, 110, {{100, OpAddition, 7}, {107, OpAddition, 3}}, 2},
        {"(3+7)+100", {100, 7, 3, 5, 2, 9}, 110, {{7, OpAddition, 3}, {100, OpAddition, 10}}, 0},
        // 107 ne se fait qu'à quatre plaques : 25*(7-3)+7 (somme 211) et 50*(9-7)+7 (somme 209),
        // chacun de deux façons (l'un ou l'autre 7), tous de plus grand intermédiaire 100
        {"25*(7-3)+7", {3, 7, 7, 9, 25, 50}, 107,
         {{7, OpSoustraction, 3}, {25, OpMultiplication, 4}, {100, OpAddition, 7}}, 2},
        {"50*(9-7)+7", {3, 7, 7, 9, 25, 50}, 107,
         {{9, OpSoustraction, 7}, {50, OpMultiplication, 2}, {100, OpAddition, 7}}, 0},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        DonneesRecherche d;
        d.Plaques = c.plaques;
        d.But = c.but;
        d.OrdreSolutions = 1;
        DonnerCalculJoueur(d, c.operations);
        ExecuterRecherche(d);
        EXPECT_EQ(d.NbMeilleursQueJoueur, c.devant);
        EXPECT_GE(PositionSolutionJoueur(d), 0);
    }
}
