// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// les records sur un historique fait à la main : meilleure série finie de chaque niveau (à égalité la plus
// ancienne, jamais une série arrêtée), plus longue suite de comptes trouvés, compte trouvé le plus vite à chaque
// niveau, avec son jeu (à égalité le plus ancien) ; les comptes proposés n'y comptent pas. Les matchs finis contre
// l'ordinateur, gagnés, nuls et perdus par force
#include "Records.h"
#include "RecordsMatchs.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

TEST(Records, SeriesEtSuiteTrouves)
{
    const std::string ancien = std::getenv("TZ") ? std::getenv("TZ") : "UTC";
    setenv("TZ", "UTC", 1);
    tzset();
    const auto serie = [](int64_t n, NiveauSerie niveau, int jeux, int points, int trouves) {
        return LigneSerie{n, "2026-12-0" + std::to_string(n) + "T10:00:00Z",
                          {niveau, jeux, points, trouves, 20000.0, jeux == JeuxParSerie}};
    };
    const std::vector<LigneSerie> series = {
        serie(1, std::nullopt, 10, 60, 6),       serie(2, std::nullopt, 10, 72, 7),   serie(3, NiveauJeu::Expert, 4, 30, 3),
        serie(4, NiveauJeu::Expert, 10, 21, 2), serie(5, std::nullopt, 10, 72, 8), serie(6, NiveauJeu::Facile, 10, 10, 1),
    };
    // origine, trouvé, niveau, secondes : la suite 1, 2, 4 ; les plus vites 2 (Facile), 6 (Moyen), 4 (Expert)
    std::vector<LigneHistorique> jeux;
    for (const char* jeu : {"T+F12", "T+F09", "P+F03", "T+E30", "T-E05", "T+M15", "T E01", "T+E30"}) {
        LigneHistorique& l = jeux.emplace_back();
        l.DateHeure = "2026-12-0" + std::to_string(jeux.size()) + "T10:00:00Z";
        l.Origine = jeu[0] == 'T' ? OrigineJeu::TireAuSort : OrigineJeu::Propose;
        l.Plaques = {25, 50, 75, 100, 3, 6};
        l.But = 500;
        l.Niveau = jeu[2] == 'F' ? NiveauJeu::Facile : jeu[2] == 'M' ? NiveauJeu::Moyen : NiveauJeu::Expert;
        if (jeu[1] != ' ') {
            l.ResultatJoueur = jeu[1] == '+' ? 500 : 498;
            l.TempsJoueur = std::atoi(jeu + 3) * 1000;
        }
    }
    EXPECT_EQ(PlusLongueSuite(jeux), (SuiteTrouves{3, "2026-12-01T10:00:00Z", "2026-12-04T10:00:00Z"}));
    std::string lu;
    for (const LigneRecord& r : Records(series, jeux))
        lu += r.Record + " | " + r.Niveau + " | " + r.Valeur + " | " + r.Date + (r.Jeu ? " | jeu" : "") + "\n";
    EXPECT_EQ(lu, "Meilleure série finie | Tirages ordinaires | 72/100, 7 trouvés | 02/12/2026 10:00\n"
                  "Meilleure série finie | Facile | 10/100, 1 trouvé | 06/12/2026 10:00\n"
                  "Meilleure série finie | Moyen | - | \n"
                  "Meilleure série finie | Difficile | - | \n"
                  "Meilleure série finie | Expert | 21/100, 2 trouvés | 04/12/2026 10:00\n"
                  "Comptes trouvés d'affilée |  | 3 jeux | 04/12/2026 10:00\n"
                  "Compte trouvé le plus vite | Facile | 9,0 s — 25 50 75 100 3 6 : 500 | 02/12/2026 10:00 | jeu\n"
                  "Compte trouvé le plus vite | Moyen | 15,0 s — 25 50 75 100 3 6 : 500 | 06/12/2026 10:00 | jeu\n"
                  "Compte trouvé le plus vite | Difficile | - | \n"
                  "Compte trouvé le plus vite | Expert | 30,0 s — 25 50 75 100 3 6 : 500 | 04/12/2026 10:00 | jeu\n");
    setenv("TZ", ancien.c_str(), 1);
    tzset();
}

// ni un match arrêté, ni un match à deux ; la date est celle du dernier match fini de la force
TEST(Records, MatchsParForce)
{
    const std::string ancien = std::getenv("TZ") ? std::getenv("TZ") : "UTC";
    setenv("TZ", "UTC", 1);
    tzset();
    std::vector<LigneMatch> matchs;
    const auto match = [&](std::optional<ForceAdversaire> force, int vous, int autre, bool fini) {
        const auto n = static_cast<int64_t>(matchs.size() + 1);
        matchs.push_back({n, "2026-12-0" + std::to_string(n) + "T10:00:00Z",
                          {force ? SorteMatch::ContreOrdinateur : SorteMatch::ADeuxJoueurs, force, {"Vous", "Ordinateur"},
                           {vous, autre}, fini ? JeuxParMatch : 2, fini}});
    };
    match(ForceAdversaire::Debutant, 30, 20, true);
    match(ForceAdversaire::Debutant, 20, 20, true);
    match(ForceAdversaire::Debutant, 0, 10, false);
    match(ForceAdversaire::Champion, 10, 40, true);
    match(std::nullopt, 17, 10, true);
    match(ForceAdversaire::Champion, 25, 20, true);
    std::string lu;
    for (const LigneRecord& r : RecordsMatchs(matchs))
        lu += r.Record + " | " + r.Niveau + " | " + r.Valeur + " | " + r.Date + "\n";
    EXPECT_EQ(lu, "Matchs contre l'ordinateur | Débutant | 1 gagné, 1 nul, 0 perdu | 02/12/2026 10:00\n"
                  "Matchs contre l'ordinateur | Amateur | - | \n"
                  "Matchs contre l'ordinateur | Confirmé | - | \n"
                  "Matchs contre l'ordinateur | Champion | 1 gagné, 0 nul, 1 perdu | 06/12/2026 10:00\n"
                  "Matchs contre l'ordinateur | À ma mesure | - | \n");
    setenv("TZ", ancien.c_str(), 1);
    tzset();
}
