// recherche exhaustive : comptes de référence, élagage, meilleures approches, classement du joueur
#include "EnregistrementSolution.h"
#include "Outils.h"

#include <gtest/gtest.h>

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
            EXPECT_EQ(d.ListeSolutions.Count(), c.entrees);
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
    ASSERT_GE(d.ListeSolutions.Count(), 1);
    EXPECT_EQ(d.ListeSolutions.Texte(0), "100+1=101\n");
    EXPECT_EQ(d.NbSolutionsPlaques[2], 1);
    EXPECT_EQ(TexteStatut(d).find(" bon(s) compte(s), "), std::to_string(d.ListeSolutions.Count()).size());
}

// corrections : les deux côtés à égale distance, les plaques égales, les comptes atteignables
TEST(Recherche, CorrectionsDesDefauts)
{
    const DonneesRecherche approche = Resoudre({2, 3, 3, 4, 4, 6}, 500);
    EXPECT_FALSE(approche.ButAtteint);
    EXPECT_EQ(approche.MeilleurResultat, 498);
    EXPECT_EQ(approche.MeilleurBas, 498);
    EXPECT_EQ(approche.MeilleurHaut, 502);
    EXPECT_EQ(approche.ListeSolutions.Count(), 3);
    EXPECT_EQ(TexteStatut(approche).substr(0, 11), "3 compte(s)");

    // le même calcul sur l'autre 5 reste, le doublon exact non
    const DonneesRecherche egales = Resoudre({4, 25, 5, 6, 5, 10}, 220, 1);
    EXPECT_EQ(egales.ListeSolutions.Count(), 95);
    for (int32_t i = 0; i < egales.ListeSolutions.Count(); ++i)
        for (int32_t j = i + 1; j < egales.ListeSolutions.Count(); ++j)
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
    ASSERT_EQ(simple.ListeSolutions.Count(), tordu.ListeSolutions.Count());
    for (int32_t i = 0; i < simple.ListeSolutions.Count(); ++i) {
        bool trouve = false;
        for (int32_t j = 0; j < tordu.ListeSolutions.Count() && !trouve; ++j)
            trouve = MemeSolution(*simple.ListeSolutions.Objet(i), tordu.ListeSolutions.Objet(j));
        EXPECT_TRUE(trouve) << simple.ListeSolutions.Texte(i);
    }
    // du plus simple : 2 plaques d'abord ; du plus tordu : 2 plaques à la fin
    EXPECT_EQ(NbPlaquesMasque(simple.ListeSolutions.Objet(0)->MasquePlaques), 3);
    EXPECT_EQ(NbPlaquesMasque(tordu.ListeSolutions.Objet(tordu.ListeSolutions.Count() - 1)->MasquePlaques), 3);
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
