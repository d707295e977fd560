// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// l'arithmétique des statistiques et les textes des fenêtres d'informations et de statistiques
#include "InfoSolutions.h"
#include "Pourcentage.h"
#include "Statistiques.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <map>

namespace {

using namespace Cumul;

using Reglage = std::function<void(DonneesRecherche&)>;

// une recherche de 952 : 2 solutions, 99746 possibilités
Reglage Recherche(int32_t meilleurJoueur, int32_t meilleurResultat = 952, Reglage suite = {})
{
    return [=](DonneesRecherche& d) {
    d.But = 952;
    d.MeilleurResultat = meilleurResultat;
    d.NbSolutions = 2;
    d.NbPossibilites = 99746;
    d.NbMeilleursQueJoueur = 41;
    d.TempsPremiereSolution = 7;
    d.TempsTotal = 85;
    d.MeilleurJoueur = meilleurJoueur;
    d.TempsJoueur = meilleurJoueur == Aucun ? 0 : 30500;
    if (suite)
        suite(d);
    };
}

std::map<std::string, std::string> EnTable(const TextesEtiquettes& textes)
{
    std::map<std::string, std::string> table;
    for (const auto& [nom, texte] : textes) {
        EXPECT_FALSE(table.count(nom)) << nom << " en double";
        table[nom] = texte;
    }
    return table;
}

struct CasMontants {
    const char* nom;
    Reglage recherche;
    OrigineJeu origine;
    int32_t position;
    CumulsStat attendu;
};

CumulsStat Attendu(std::initializer_list<std::pair<Indice, int64_t>> valeurs)
{
    CumulsStat c;
    for (const auto& [i, v] : valeurs)
        c[i] = v;
    return c;
}

}  // namespace

TEST(Statistiques, MontantsDunJeu)
{
    const CasMontants cas[] = {
        {"tiré au sort, joueur qui abandonne", Recherche(Aucun), OrigineJeu::TireAuSort, -1,
         Attendu({{RecherchesM, 1}, {TrouvesM, 1}, {TiresAuSort, 1}, {SolutionsM, 2}, {PossibilitesM, 99746},
                  {Temps1ereSolM, 7}, {TempsToutesSolM, 85}})},
        {"proposé, joueur qui trouve la 2e solution", Recherche(952), OrigineJeu::Propose, 1,
         Attendu({{RecherchesM, 1}, {RecherchesH, 1}, {TrouvesM, 1}, {TrouvesH, 1}, {Proposes, 1},
                  {SolutionsM, 2}, {SolutionsMH, 2}, {SolutionsH, 2}, {PossibilitesM, 99746},
                  {PossibilitesMH, 99746}, {PossibilitesH, 42}, {Temps1ereSolM, 7}, {TempsToutesSolM, 85},
                  {TempsH, 30500}})},
        {"tiré au sort, joueur qui approche", Recherche(950), OrigineJeu::TireAuSort, -1,
         Attendu({{RecherchesM, 1}, {RecherchesH, 1}, {TrouvesM, 1}, {ApprochesH, 1}, {TiresAuSort, 1},
                  {SolutionsM, 2}, {SolutionsMH, 2}, {PossibilitesM, 99746}, {PossibilitesMH, 99746},
                  {PossibilitesH, 42}, {Temps1ereSolM, 7}, {TempsToutesSolM, 85}, {TempsH, 30500}})},
        {"compte impossible, joueur au plus près", Recherche(951, 951), OrigineJeu::TireAuSort, 0,
         Attendu({{RecherchesM, 1}, {RecherchesH, 1}, {ApprochesM, 1}, {ApprochesH, 1}, {TiresAuSort, 1},
                  {SolutionsM, 2}, {SolutionsMH, 2}, {SolutionsH, 1}, {PossibilitesM, 99746},
                  {PossibilitesMH, 99746}, {PossibilitesH, 42}, {Temps1ereSolM, 7}, {TempsToutesSolM, 85},
                  {TempsH, 30500}})},
        // les statistiques n'ont que deux origines : le jeu du jour y est tiré au sort
        {"jeu du jour, joueur qui abandonne", Recherche(Aucun), OrigineJeu::Jour, -1,
         Attendu({{RecherchesM, 1}, {TrouvesM, 1}, {TiresAuSort, 1}, {SolutionsM, 2}, {PossibilitesM, 99746},
                  {Temps1ereSolM, 7}, {TempsToutesSolM, 85}})},
        // et un tirage de match l'est aussi
        {"tirage de match, joueur qui abandonne", Recherche(Aucun), OrigineJeu::Match, -1,
         Attendu({{RecherchesM, 1}, {TrouvesM, 1}, {TiresAuSort, 1}, {SolutionsM, 2}, {PossibilitesM, 99746},
                  {Temps1ereSolM, 7}, {TempsToutesSolM, 85}})},
        {"ligne de commande", Recherche(Aucun), OrigineJeu::Aucune, -1,
         Attendu({{RecherchesM, 1}, {TrouvesM, 1}, {SolutionsM, 2}, {PossibilitesM, 99746}, {Temps1ereSolM, 7},
                  {TempsToutesSolM, 85}})},
    };
    for (const CasMontants& c : cas) {
        DonneesRecherche d;
        c.recherche(d);
        // les montants se lisent dans la ligne de l'historique du jeu
        const CumulsStat m = MontantsJeu(LigneDuJeu(d, c.origine, c.position));
        for (size_t i = 0; i < Nombre; ++i)
            EXPECT_EQ(m.Valeurs[i], c.attendu.Valeurs[i]) << c.nom << " : " << ClesCumuls[i];
    }
}

TEST(Statistiques, AdditionEn64BitsSansDebordement)
{
    CumulsStat total;
    total[PossibilitesM] = 2147400000;
    total[RecherchesM] = std::numeric_limits<int64_t>::max() - 1;
    total[TempsH] = std::numeric_limits<int64_t>::min() + 1;
    CumulsStat jeu;
    jeu[PossibilitesM] = 99746;
    jeu[RecherchesM] = 5;
    jeu[TempsH] = -5;
    AjouterCumuls(total, jeu);
    EXPECT_EQ(total[PossibilitesM], 2147499746);  // au-delà de 2^31, toujours positif
    EXPECT_EQ(total[RecherchesM], std::numeric_limits<int64_t>::max());
    EXPECT_EQ(total[TempsH], std::numeric_limits<int64_t>::min());
}

TEST(Statistiques, PourcentagesArrondisMoitiesVersLeHaut)
{
    struct Cas {
        int64_t compte, total;
        const char *entier, *deuxDecimales;
    };
    const Cas cas[] = {
        {1, 8, "13", "12.50"},     // printf arrondirait 12,5 au pair : 12
        {5, 200, "3", "2.50"},     // 2,5 : 3, pas 2
        {1, 200, "1", "0.50"},     // 0,5 : 1, pas 0
        {97, 800, "12", "12.13"},  // 12,125 : 12,13, pas 12,12
        {1, 3, "33", "33.33"},
        {2, 3, "67", "66.67"},
        {0, 7, "0", "0.00"},
        {7, 7, "100", "100.00"},
        {3, 2000, "0", "0.15"},
        {-1, 8, "-12", "-12.50"},  // un fichier retouché à la main : les moitiés vont aussi vers le haut
        {1, -8, "-12", "-12.50"},
        {std::numeric_limits<int64_t>::max(), 1, "922337203685477580700", "922337203685477580700.00"},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(PourcentageEntier(c.compte, c.total), c.entier) << c.compte << "/" << c.total;
        EXPECT_EQ(PourcentageDeuxDecimales(c.compte, c.total), c.deuxDecimales) << c.compte << "/" << c.total;
    }
    // l'historique et les atlas arrondissent de même (printf aurait donné 12,12)
    EXPECT_EQ(PourcentageEntierSigne(97, 800) + " " + PourcentageVirgule(97, 800) + " " + PourcentageVirgule(0, 0),
              "12% 12,13 % 0,00 %");
}

TEST(Statistiques, TextesDeLaFenetre)
{
    struct Cas {
        const char* nom;
        CumulsStat cumuls;
        std::map<std::string, std::string> attendus;
        std::vector<std::string> absents;  // gardent leur texte de départ
    };
    CumulsStat plein = Attendu({{RecherchesM, 8},    {RecherchesH, 3},       {TrouvesM, 7},      {TrouvesH, 1},
                                {ApprochesM, 1},     {ApprochesH, 2},        {Proposes, 3},      {TiresAuSort, 5},
                                {SolutionsM, 120},   {SolutionsMH, 40},      {SolutionsH, 9},    {PossibilitesM, 800000},
                                {PossibilitesMH, 300000}, {PossibilitesH, 1234}, {Temps1ereSolM, 1000},
                                {TempsToutesSolM, 4001}, {TempsH, 100000}});
    const Cas cas[] = {
        {"fichier vide",
         {},
         {{"LabelRecherchesM", "0"}, {"LabelTiresAuSort", "0"}, {"LabelSolutionsH", "0/0"},
          {"LabelPossibilitesH", "0/0"}, {"LabelTempsToutesSolM", "0"}},
         {"LabelPourcentsTAM", "LabelPourcentsPTM", "LabelPourcentsSPH", "LabelTpsMoyen1ereSolM", "LabelTpsTotalSolM",
          "LabelPourcentsTAH", "LabelTpsMoyen1ereSolH", "LabelSolutionsMH", "LabelPossibilitesMH"}},
        {"huit jeux, dont trois joués",
         plein,
         {{"LabelRecherchesM", "8"}, {"LabelRecherchesH", "3"}, {"LabelTrouvesM", "7"}, {"LabelTrouvesH", "1"},
          {"LabelApprochesM", "1"}, {"LabelApprochesH", "2"}, {"LabelProposes", "3"}, {"LabelTiresAuSort", "5"},
          {"LabelSolutionsM", "120"}, {"LabelSolutionsH", "9/40"}, {"LabelPossibilitesM", "800000"},
          {"LabelPossibilitesH", "1234/300000"}, {"LabelTemps1ereSolM", "1000"}, {"LabelTempsToutesSolM", "4001"},
          {"LabelTempsH", "100000"}, {"LabelPourcentsTAM", "88/13"}, {"LabelPourcentsPTM", "38/63"},
          {"LabelPourcentsSPH", "22.50/0.41"}, {"LabelTpsMoyen1ereSolM", "125"}, {"LabelTpsTotalSolM", "500"},
          {"LabelPourcentsTAH", "33/67"}, {"LabelTpsMoyen1ereSolH", "33333"}},
         {}},
        {"le joueur n'a jamais joué",
         Attendu({{RecherchesM, 3}, {SolutionsM, 5}, {PossibilitesM, 10}, {TrouvesM, 3}, {Temps1ereSolM, 1000}}),
         {{"LabelPourcentsTAM", "100/0"}, {"LabelTpsMoyen1ereSolM", "333"}, {"LabelSolutionsH", "0/0"}},
         {"LabelPourcentsSPH", "LabelPourcentsTAH", "LabelTpsMoyen1ereSolH"}},
        {"solutions du joueur sans possibilités",
         Attendu({{RecherchesM, 1}, {RecherchesH, 1}, {SolutionsMH, 4}, {SolutionsH, 1}}),
         {{"LabelPourcentsTAH", "0/0"}},
         {"LabelPourcentsSPH"}},
        {"valeurs au-delà des 32 bits",
         Attendu({{RecherchesM, 21600}, {PossibilitesM, 2160000000}, {TempsToutesSolM, 6000000000}}),
         {{"LabelPossibilitesM", "2160000000"}, {"LabelTpsTotalSolM", "277777"}},
         {}},
    };
    for (const Cas& c : cas) {
        const auto textes = EnTable(TextesStatistiques(c.cumuls));
        for (const auto& [nom, texte] : c.attendus) {
            ASSERT_TRUE(textes.count(nom)) << c.nom << " : " << nom;
            EXPECT_EQ(textes.at(nom), texte) << c.nom << " : " << nom;
        }
        for (const std::string& nom : c.absents)
            EXPECT_FALSE(textes.count(nom)) << c.nom << " : " << nom;
    }
}

TEST(InfoSolutions, TextesDeLaFenetre)
{
    struct Cas {
        const char* nom;
        Reglage recherche;
        int32_t position;
        std::map<std::string, std::string> attendus;
        std::vector<std::string> absents;
    };
    const Reglage approche = Recherche(Aucun, 498, [](DonneesRecherche& d) {
        d.But = 500;
        d.MeilleurBas = 498;
        d.MeilleurHaut = 502;
    });
    const Reglage unSeul = Recherche(Aucun, 497, [](DonneesRecherche& d) {
        d.But = 500;
        d.MeilleurBas = d.MeilleurHaut = 497;
    });
    const Reglage inventaire = Recherche(Aucun, Aucun, [](DonneesRecherche& d) { d.But = 0; });
    const Reglage trouve = Recherche(952, 952, [](DonneesRecherche& d) {
        d.OrdreSolutions = 1;
        d.ButAtteint = true;
        d.NbSolutionsPlaques = {0, 0, 0, 0, 1, 0, 1};
    });
    const Reglage autreOrdre = Recherche(952, 952, [](DonneesRecherche& d) { d.OrdreSolutions = 2; });
    const Reglage manque = Recherche(950, 952, [](DonneesRecherche& d) { d.OrdreSolutions = 1; });
    // 500 ne se fait pas ; le joueur tient 498, la meilleure approche, rangée en tête de liste
    const Reglage approcheDuJoueur = Recherche(498, 498, [](DonneesRecherche& d) {
        d.But = 500;
        d.MeilleurBas = 498;
        d.MeilleurHaut = 502;
        d.OrdreSolutions = 1;
    });
    const Cas cas[] = {
        {"joueur qui abandonne", Recherche(Aucun), -1,
         {{"LabelTpsSaisie", "-"}, {"LabelPosSolM", "-"}, {"LabelPosPossM", "-"}, {"LabelTpsTotal", "85"},
          {"LabelTpsPrmSol", "7"}, {"LabelBut", "952"}, {"LabelMeilleursRes", "952"}, {"LabelNbCalculs", "99746"},
          {"LabelNbSolutions", "2"}, {"LabelPoints", "0"}},
         {"LabelOrdre"}},
        {"2e solution, du plus simple au plus tordu", trouve, 1,
         {{"LabelOrdre", "Du plus simple au plus tordu"}, {"LabelTpsSaisie", "30500"}, {"LabelPosSolM", "2/2"},
          {"LabelPosPossM", "42/99746"}, {"LabelNbSol4Plq", "1"}, {"LabelNbSol6Plq", "1"}, {"LabelNbSol2Plq", "0"},
          {"LabelNiveau", "Difficile — 4 plaques au moins, 2 solutions"}, {"LabelPoints", "10"}},  // note 3 + 2
         {}},
        {"dans l'autre ordre", autreOrdre, 0, {{"LabelOrdre", "Du plus tordu au plus simple"}, {"LabelPosSolM", "1/2"}},
         {}},
        {"compte manqué de 2", manque, -1, {{"LabelPosSolM", "-"}, {"LabelPosPossM", "42/99746"}, {"LabelPoints", "7"}}, {}},
        {"compte impossible, joueur à la meilleure approche", approcheDuJoueur, 0,
         {{"LabelPosSolM", "-"}, {"LabelPosPossM", "42/99746"}, {"LabelTpsSaisie", "30500"},
          {"LabelMeilleursRes", "498, 502"}},
         {}},
        {"deux meilleures approches", approche, -1,
         {{"LabelBut", "500"}, {"LabelMeilleursRes", "498, 502"}, {"LabelNiveau", "Impossible"}}, {}},
        {"une seule approche", unSeul, -1, {{"LabelMeilleursRes", "497"}}, {}},
        {"après l'inventaire", inventaire, -1, {{"LabelBut", "Tous"}, {"LabelMeilleursRes", "-"}, {"LabelNiveau", "-"}, {"LabelPoints", "-"}},
         {"LabelOrdre"}},
    };
    for (const Cas& c : cas) {
        DonneesRecherche d;
        c.recherche(d);
        const auto textes = EnTable(TextesInfoSolutions(d, c.position));
        for (const auto& [nom, texte] : c.attendus) {
            ASSERT_TRUE(textes.count(nom)) << c.nom << " : " << nom;
            EXPECT_EQ(textes.at(nom), texte) << c.nom << " : " << nom;
        }
        for (const std::string& nom : c.absents)
            EXPECT_FALSE(textes.count(nom)) << c.nom << " : " << nom;
    }
}

TEST(InfoSolutions, PossibilitesParNombreDePlaques)
{
    DonneesRecherche d;
    d.NbPossibilitesEtape = {51, 967, 8699, 38230, 66497};
    EXPECT_EQ(TextePossibilitesParPlaques(d), "2:51 3:967 4:8699 5:38230 6:66497");
}
