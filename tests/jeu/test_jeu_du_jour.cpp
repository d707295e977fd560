// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// le jeu du jour : sa suite pseudo-aléatoire, des dates épinglées, les dates lues et écrites, la série de
// jours sur des historiques faits à la main, le texte à partager
#include "GenerateurSplitMix.h"
#include "JeuDuJour.h"
#include "SerieJours.h"
#include "TextePartage.h"

#include <gtest/gtest.h>

namespace {

DateJour Date(const char* iso) { return *LireDate(iso); }

}  // namespace

// les premières valeurs publiées de SplitMix64 pour la graine 1234567
TEST(JeuDuJour, SuiteDeReference)
{
    GenerateurSplitMix g(1234567);
    EXPECT_EQ(g.Suivant(), 6457827717110365317u);
    EXPECT_EQ(g.Suivant(), 3203168211198807973u);
    EXPECT_EQ(g.Suivant(), 9817491932198370423u);
}

// établis une fois (et recalculés à part, hors du programme) : deux copies du programme doivent toujours
// donner le même jeu ; une semaine entière donne le niveau de chaque jour
TEST(JeuDuJour, DatesEpinglees)
{
    struct Cas {
        const char* date;
        SixEntiers plaques;
        int32_t but;
        NiveauJeu niveau;
    };
    const Cas cas[] = {
        {"2026-12-07", {2, 50, 7, 9, 10, 9}, 136, NiveauJeu::Facile},       // lundi
        {"2026-12-08", {6, 75, 7, 4, 25, 5}, 693, NiveauJeu::Facile},       // mardi
        {"2026-12-09", {5, 9, 10, 8, 1, 100}, 926, NiveauJeu::Moyen},       // mercredi
        {"2026-12-10", {2, 5, 25, 8, 2, 10}, 725, NiveauJeu::Moyen},        // jeudi
        {"2026-12-11", {3, 25, 8, 9, 7, 6}, 923, NiveauJeu::Difficile},     // vendredi
        {"2026-12-12", {5, 3, 1, 9, 50, 4}, 748, NiveauJeu::Difficile},     // samedi
        {"2026-12-13", {3, 5, 6, 6, 5, 2}, 705, NiveauJeu::Expert},         // dimanche
        {"2000-01-01", {7, 50, 2, 5, 7, 1}, 548, NiveauJeu::Difficile},     // samedi
        {"2028-02-29", {8, 6, 3, 100, 25, 10}, 247, NiveauJeu::Facile},     // mardi
        {"2100-12-31", {9, 6, 5, 10, 1, 7}, 857, NiveauJeu::Difficile},     // vendredi
    };
    for (const Cas& c : cas) {
        const JeuDuJour jeu = GenererJeuDuJour(Date(c.date));
        EXPECT_EQ(jeu.Plaques, c.plaques) << c.date;
        EXPECT_EQ(jeu.But, c.but) << c.date;
        EXPECT_EQ(jeu.Mesure.Niveau, c.niveau) << c.date;
    }
}

TEST(JeuDuJour, DatesLuesEtEcrites)
{
    EXPECT_EQ(DateEnLettres(Date("2026-12-08")), "8 décembre 2026");
    EXPECT_EQ(DateEnLettres(Date("2027-08-01")), "1er août 2027");
    EXPECT_EQ(DateIso(Date("0001-02-03")), "0001-02-03");
    for (const char* fausse : {"2026-02-29", "2026-13-01", "2026-12-00", "0000-01-01", "2026-1-08", "26-12-08",
                               "2026-12-08 ", "2026/12/08", "+026-12-08", ""})
        EXPECT_FALSE(LireDate(fausse)) << fausse;
}

// aujourd'hui : le 10 décembre 2026 ; T trouvé, M manqué, dans l'ordre d'enregistrement
TEST(JeuDuJour, SerieSurDesHistoriques)
{
    struct Cas {
        const char* histoire;
        std::vector<JeuDuJourJoue> joues;
        SerieJours attendue;
    };
    const auto j = [](const char* date, bool trouve) { return JeuDuJourJoue{Date(date), trouve}; };
    const Cas cas[] = {
        {"rien", {}, {0, 0}},
        {"T 8, 9, 10", {j("2026-12-08", true), j("2026-12-09", true), j("2026-12-10", true)}, {3, 3}},
        {"aujourd'hui pas joué", {j("2026-12-08", true), j("2026-12-09", true)}, {2, 2}},
        {"hier sans jeu", {j("2026-12-07", true), j("2026-12-08", true)}, {0, 2}},
        {"trou : T 28/11 à 3/12, 9, 10",
         {j("2026-11-28", true), j("2026-11-29", true), j("2026-11-30", true), j("2026-12-01", true),
          j("2026-12-02", true), j("2026-12-03", true), j("2026-12-09", true), j("2026-12-10", true)},
         {2, 6}},
        {"M 9", {j("2026-12-08", true), j("2026-12-09", false), j("2026-12-10", true)}, {1, 1}},
        {"M aujourd'hui", {j("2026-12-08", true), j("2026-12-09", true), j("2026-12-10", false)}, {0, 2}},
        {"M puis T le 10", {j("2026-12-09", true), j("2026-12-10", false), j("2026-12-10", true)}, {0, 1}},
        {"T puis M le 10", {j("2026-12-10", true), j("2026-12-09", true), j("2026-12-10", false)}, {2, 2}},
        {"le 11 et 2027 à venir",
         {j("2026-12-09", true), j("2026-12-10", true), j("2026-12-11", true), j("2027-01-01", true)}, {2, 2}},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(CompterSerie(c.joues, Date("2026-12-10")), c.attendue) << c.histoire;
    // d'une année à l'autre
    EXPECT_EQ(CompterSerie({j("2026-12-31", true), j("2027-01-01", true)}, Date("2027-01-02")), (SerieJours{2, 2}));
}

TEST(JeuDuJour, TexteAPartager)
{
    const DateJour d = Date("2026-12-08");
    const auto texte = [&](std::optional<int32_t> ecart, int32_t ms, int serie) {
        return TexteAPartager({d, NiveauJeu::Difficile, ecart, ms, serie});
    };
    const std::string debut = "Le varnel — jeu du 8 décembre 2026 (Difficile) : ";
    EXPECT_EQ(texte(0, 23400, 5), debut + "trouvé en 23,4 s — 5 jours de suite");
    EXPECT_EQ(texte(0, 23450, 1), debut + "trouvé en 23,5 s — série d'un jour");
    EXPECT_EQ(texte(0, 9949, 2), debut + "trouvé en 9,9 s — 2 jours de suite");
    EXPECT_EQ(texte(3, 41200, 0), debut + "à 3 près");
    EXPECT_EQ(texte(std::nullopt, 30000, 0), debut + "non trouvé");
}
