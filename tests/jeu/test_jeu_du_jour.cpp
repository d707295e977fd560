// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// le jeu du jour : des dates épinglées, les dates, les jours de suite sur des historiques faits à la main, le texte
// à partager, la partie du jour et son résumé
#include "JeuDuJour.h"
#include "Partie.h"
#include "ResumeJour.h"
#include "JoursDeSuite.h"
#include "TextePartage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <sstream>

static DateJour Date(const char* iso) { return *LireDate(iso); }

// établis une fois, et recalculés hors du programme : deux copies du programme doivent toujours donner le
// même jeu ; la semaine du 7 décembre 2026 donne le niveau de chaque jour, du lundi au dimanche
TEST(JeuDuJour, DatesEpinglees)
{
    using enum NiveauJeu;
    const std::tuple<const char*, SixEntiers, int32_t, NiveauJeu> cas[] = {
        {"2026-12-07", {2, 50, 7, 9, 10, 9}, 136, Facile},   {"2026-12-08", {6, 75, 7, 4, 25, 5}, 693, Facile},
        {"2026-12-09", {5, 9, 10, 8, 1, 100}, 926, Moyen},   {"2026-12-10", {2, 5, 25, 8, 2, 10}, 725, Moyen},
        {"2026-12-11", {3, 25, 8, 9, 7, 6}, 923, Difficile}, {"2026-12-12", {5, 3, 1, 9, 50, 4}, 748, Difficile},
        {"2026-12-13", {3, 5, 6, 6, 5, 2}, 705, Expert},     {"2000-01-01", {7, 50, 2, 5, 7, 1}, 548, Difficile},
        {"2028-02-29", {8, 6, 3, 100, 25, 10}, 247, Facile}, {"2100-12-31", {9, 6, 5, 10, 1, 7}, 857, Difficile},
    };
    for (const auto& [date, plaques, but, niveau] : cas) {
        const JeuDuJour jeu = GenererJeuDuJour(Date(date));
        EXPECT_EQ(std::tuple(jeu.Plaques, jeu.But, jeu.Mesure.Niveau), std::tuple(plaques, but, niveau)) << date;
    }
}

TEST(JeuDuJour, DatesLuesEtEcrites)
{
    EXPECT_EQ(DateEnLettres(Date("2026-12-08")) + ", " + DateEnLettres(Date("2027-08-01")), "8 décembre 2026, 1er août 2027");
    for (const char* fausse : {"2026-02-29", "2026-13-01", "0000-01-01", "2026-1-08", "2026-12-08 ", "+026-12-08"})
        EXPECT_FALSE(LireDate(fausse)) << fausse;
    EXPECT_EQ(std::pair(NombreDate(Date("2026-12-08")), DateDuNombre(20280229)), std::pair(20261208, LireDate("2028-02-29")));
    for (const int64_t faux : {20260229, 20261301, 0, -20261208, 120261208})
        EXPECT_FALSE(DateDuNombre(faux)) << faux;
}

// le jour est celui du calendrier local : 23 h 30 en temps universel, le 8, est déjà le 9 à Paris en hiver
TEST(JeuDuJour, DateLocale)
{
    using namespace std::chrono;
    std::string dates;
    for (const char* fuseau : {"UTC0", "CET-1"}) {
        setenv("TZ", fuseau, 1);
        tzset();
        dates += DateIso(JourLocal(sys_days{year{2026} / December / 8} + hours{23} + minutes{30})) + ' ';
    }
    unsetenv("TZ");
    tzset();
    EXPECT_EQ(dates, "2026-12-08 2026-12-09 ");
}

// aujourd'hui : le 10 décembre 2026 ; jours trouvés (T) ou manqués (M), dans l'ordre d'enregistrement
TEST(JeuDuJour, JoursDeSuiteSurDesHistoriques)
{
    const auto joues = [](const std::string& histoire) {
        std::vector<JeuDuJourJoue> j;
        for (size_t i = 0; i + 3 <= histoire.size(); i += 4) {
            const std::string jour = histoire.substr(i + 1, 2);  // du 21 au 30 : en novembre
            j.push_back({Date(("2026-" + std::string(jour > "20" ? "11-" : "12-") + jour).c_str()), histoire[i] == 'T'});
        }
        return j;
    };
    const std::pair<const char*, JoursDeSuite> cas[] = {
        {"", {0, 0}},
        {"T08 T09 T10", {3, 3}},
        {"T08 T09", {2, 2}},                          // aujourd'hui pas encore joué
        {"T07 T08", {0, 2}},                          // hier sans jeu
        {"T28 T29 T30 T01 T02 T03 T09 T10", {2, 6}},  // un trou, d'un mois à l'autre
        {"T08 M09 T10", {1, 1}},
        {"T08 T09 M10", {0, 2}},
        {"T09 M10 T10", {0, 1}},                      // deux jeux le même jour : le premier compte
        {"T10 T09 M10", {2, 2}},
        {"T09 T10 T11 T12", {2, 2}},                  // horloge reculée : les jours à venir attendent
    };
    for (const auto& [histoire, attendue] : cas)
        EXPECT_EQ(CompterJoursDeSuite(joues(histoire), Date("2026-12-10")), attendue) << histoire;
}

TEST(JeuDuJour, TexteAPartager)
{
    const auto texte = [](std::optional<int32_t> ecart, int32_t ms, int suite) {
        const std::string t = TexteAPartager({Date("2026-12-08"), NiveauJeu::Difficile, ecart, ms, suite});
        return t.substr(t.find(" : ") + 3);
    };
    EXPECT_EQ(TexteAPartager({Date("2026-12-08"), NiveauJeu::Difficile, 0, 23400, 5}),
              "Le varnel — jeu du 8 décembre 2026 (Difficile) : trouvé en 23,4 s — 5 jours de suite");
    EXPECT_EQ(texte(0, 23450, 1), "trouvé en 23,5 s — 1 jour de suite");
    EXPECT_EQ(texte(3, 41200, 0), "à 3 près");
    EXPECT_EQ(texte(std::nullopt, 30000, 0), "non trouvé");
}

// le jeu du jour passe par l'animation du tirage, qui finit sur le jeu de la date, avec le temps limite choisi ;
// déjà joué ce jour-là, ou joué ailleurs pendant la saisie, il compte comme un jeu proposé
TEST(JeuDuJour, PartieDuJour)
{
    for (const bool dejaJoue : {false, true}) {
        Partie partie([] { return 7u; });
        partie.ChoisirTempsLimite(45);
        partie.NouveauJeuDuJour(GenererJeuDuJour(Date("2026-12-11")), dejaJoue);
        for (int pas = 0; partie.AnimationEnCours() && pas < 1000; ++pas)
            partie.AvancerTirage();
        EXPECT_EQ(std::tuple(partie.Plaques(), partie.But(), partie.Phase(), partie.Origine(), partie.TempsLimite()),
                  std::tuple(SixEntiers{3, 25, 8, 9, 7, 6}, 923, PhaseJeu::JeuPose,
                             dejaJoue ? OrigineJeu::Propose : OrigineJeu::Jour, 45));
        partie.JeuDuJourJoueAilleurs();  // par un autre exemplaire du programme, pendant la saisie
        EXPECT_EQ(partie.Origine(), OrigineJeu::Propose);
        partie.NouveauJeuTire();
        EXPECT_FALSE(partie.JeuDuJourEnCours());
    }
}

// la boîte après un jeu du jour, le 10 décembre 2026, sur un historique fait à la main : jeux du jour trouvés
// (T), à n près (Mn) ou sans calcul (-), à une date qui n'existe pas (X), jeu proposé (P) ; les lignes viennent
// dans n'importe quel ordre, leurs numéros disent celui de l'enregistrement
TEST(JeuDuJour, ResumeDeLHistorique)
{
    const auto ligne = [](const std::string& jeu, int64_t numero) {
        LigneHistorique l;
        l.Numero = numero;
        l.Origine = jeu[0] == 'P' ? OrigineJeu::Propose : OrigineJeu::Jour;
        l.JourDuJeu = jeu[0] == 'X' ? 20260230 : 20261200 + std::stoi(jeu.substr(jeu.size() - 2));
        l.But = 500;
        if (jeu[0] != '-')
            l.ResultatJoueur = 500 - (jeu[0] == 'M' ? std::stoi(jeu.substr(1, jeu.size() - 3)) : 0);
        l.TempsJoueur = 23400;
        return l;
    };
    const std::tuple<const char*, const char*, bool, const char*> cas[] = {
        {"T08 X10 T09 P10 T10", "T10", false, "Jeu du 10 décembre 2026 (Moyen)|Résultat : trouvé en 23,4 s|Jours de suite : 3|Le plus de jours de suite : 3"},
        {"T09 M310", "T10", true, "Jeu du 10 décembre 2026 (Moyen)|Résultat du premier essai : à 3 près|Jours de suite : 0|Le plus de jours de suite : 1|Déjà joué ce jour-là : cet essai compte comme un jeu proposé."},
        {"", "-10", false, "Jeu du 10 décembre 2026 (Moyen)|Résultat : non trouvé|Jours de suite : 0|Le plus de jours de suite : 0"},
        {"T08", "T09", false, "Jeu du 9 décembre 2026 (Moyen)|Résultat : trouvé en 23,4 s|Jours de suite : 2|Le plus de jours de suite : 2"},
    };
    for (const auto& [historique, essai, rejoue, attendu] : cas) {
        std::vector<LigneHistorique> lignes;
        std::istringstream jeux(historique);
        for (std::string jeu; jeux >> jeu;)
            lignes.insert(lignes.begin(), ligne(jeu, static_cast<int64_t>(lignes.size()) + 1));
        ResultatJour fini = JeuxDuJourEnregistres({ligne(essai, 1)}).front();
        fini.Niveau = NiveauJeu::Moyen;
        std::string texte;
        for (const std::string& l : LignesResume(ResumerJour(JeuxDuJourEnregistres(lignes), fini, rejoue, Date("2026-12-10"))))
            texte += (texte.empty() ? "" : "|") + l;
        EXPECT_EQ(texte, attendu) << historique;
    }
}
