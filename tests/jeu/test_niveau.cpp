// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// le niveau d'un jeu : la note de ses deux mesures à chaque seuil, et des jeux résolus par le moteur
#include "ExecutionRecherche.h"
#include "Niveau.h"
#include "TirageAuSort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace {

// note = (plaques − 1) + rareté ; rareté 2 pour 1 ou 2 solutions, 1 pour 3 à 5, 0 au-delà
TEST(Niveau, SeuilsDesDeuxMesures)
{
    struct Cas {
        int plaques;
        int32_t solutions;
        const char* attendu;
    };
    const Cas cas[] = {
        {2, 1, "Facile"},      {2, 100, "Facile"},     {3, 6, "Facile"},     {3, 5, "Facile"},
        {3, 3, "Facile"},      {3, 2, "Moyen"},        {4, 6, "Facile"},     {4, 5, "Moyen"},
        {4, 3, "Moyen"},       {4, 2, "Difficile"},    {5, 6, "Moyen"},      {5, 5, "Difficile"},
        {5, 1, "Difficile"},   {6, 40, "Difficile"},   {6, 6, "Difficile"},  {6, 5, "Difficile"},
        {6, 3, "Difficile"},   {6, 2, "Expert"},       {6, 1, "Expert"},
    };
    for (const Cas& c : cas)
        EXPECT_STREQ(NomNiveau(MesurerNiveau(c.plaques, c.solutions).Niveau), c.attendu)
            << c.plaques << " plaques, " << c.solutions << " solutions";
}

MesureNiveau NiveauResolu(const SixEntiers& plaques, int32_t but)
{
    DonneesRecherche d;
    d.Plaques = plaques;
    d.But = but;
    d.OrdreSolutions = 1;
    ExecuterRecherche(d);
    return MesurerNiveau(d);
}

TEST(Niveau, JeuxResolus)
{
    // deux solutions, toutes à six plaques : 5 + 2
    EXPECT_EQ(NiveauResolu({25, 50, 75, 100, 3, 6}, 952), (MesureNiveau{NiveauJeu::Expert, 6, 2}));
    // 100 + 10 / 10 : trois plaques au moins (aucune paire ne fait 101), et bien des solutions
    const MesureNiveau riche = NiveauResolu({100, 75, 50, 25, 10, 10}, 101);
    EXPECT_EQ(riche.Niveau, NiveauJeu::Facile);
    EXPECT_EQ(riche.PlaquesMin, 3);
    // six plaques de 3 au plus ne passent pas la centaine : 999 est hors d'atteinte, et les approches ne font
    // pas de niveau
    EXPECT_EQ(NiveauResolu({1, 1, 2, 2, 3, 3}, 999), MesureNiveau{});
    // le texte de la fenêtre d'informations, au singulier pour une seule solution
    EXPECT_EQ(TexteNiveau(NiveauResolu({2, 5, 1, 8, 5, 7}, 810)), "Expert — 6 plaques au moins, 1 solution");
}

// le relevé des seules solutions exactes donne le niveau de la résolution (le nombre de solutions compté
// jusqu'à 6), et celui qui s'arrête au plancher ne rend rien exactement pour les jeux plus faciles
TEST(Niveau, ReleveCommeLaResolution)
{
#ifdef VARNEL_TESTS_ALLEGES
    const int nombre = 20;
#else
    const int nombre = 250;
#endif
    std::mt19937 generateur(2024);
    std::array<int, 6> parNiveau{};
    for (int i = 0; i < nombre; ++i) {
        const JeuTire jeu = TirerJeuOrdinaire([&] { return generateur(); });
        SCOPED_TRACE(::testing::PrintToString(jeu.Plaques) + " " + std::to_string(jeu.But));
        MesureNiveau complet = NiveauResolu(jeu.Plaques, jeu.But);
        complet.NbSolutions = std::min(complet.NbSolutions, SolutionsSansRarete);
        ++parNiveau[static_cast<size_t>(complet.Niveau)];
        EXPECT_EQ(MesurerNiveau(jeu.Plaques, jeu.But), complet);
        for (NiveauJeu plancher : {NiveauJeu::Moyen, NiveauJeu::Difficile, NiveauJeu::Expert}) {
            const bool plusFacile = complet.Niveau != NiveauJeu::Impossible && complet.Niveau < plancher;
            EXPECT_EQ(MesurerNiveauAuMoins(jeu.Plaques, jeu.But, plancher),
                      plusFacile ? std::nullopt : std::optional<MesureNiveau>(complet));
        }
    }
    // des jeux de chaque niveau ont été comparés
    for (size_t n = 1; n <= 5; ++n)
        EXPECT_GT(parNiveau[n], 0) << n;
}

}  // namespace
