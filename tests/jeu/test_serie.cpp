// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// une série menée sur la partie, graines fixes et horloge réglée à la main : dix jeux tirés sur demande,
// chacun contre la montre, leurs points, le total, les trouvés, le temps médian ; l'abandon ; le record
#include "ChoixSerie.h"
#include "FinSerie.h"
#include "SaisieCalcul.h"
#include "Serie.h"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

namespace {

struct Essai {
    unsigned graine = 100;
    Partie partie{[this] { return graine++; }};
    int32_t maintenant = 0;

    // le tirage mené à sa fin, puis la saisie ouverte, au bout de duree ms : les opérations (« 2+3 » : bouton
    // 2 plus bouton 3, le résultat à la place du 2), et « ok » ou « annule » ; sinon elle finit seule
    void Jouer(const char* coups, int32_t duree)
    {
        while (!partie.AvancerTirage().Termine) {
        }
        SaisieCalcul saisie(partie.Donnees(), [this] { return maintenant; });
        partie.SaisieOuverte(maintenant += 100000);
        saisie.Recommencer();
        maintenant += duree;
        std::istringstream lecture(coups);
        for (std::string c; lecture >> c;) {
            if (c == "ok" || c == "annule") {
                c == "ok" ? (void)saisie.Valider() : saisie.Annuler();
            } else {
                saisie.Nombre(c[0] - '0');
                saisie.Signe(static_cast<int>(std::string("+-*/").find(c[1])));
                ASSERT_NE(saisie.Nombre(c[2] - '0'), ReponseNombre::OperationInutile) << c;
            }
        }
        partie.JoueurTermine(maintenant);
    }
};

}  // namespace

TEST(Serie, DixJeuxDeBoutEnBout)
{
    Essai e;
    // sans limite choisie, chaque jeu se joue en 45 s ; le record à battre a un point de moins
    Serie serie(e.partie, std::nullopt, BilanSerie{std::nullopt, 10, 48, 5, 20000.0, true});
    EXPECT_EQ(serie.TexteEtat(), "Série : jeu 0/10 — 0 point");
    // les opérations, la durée de la saisie, ce qui compte et où en est la série
    const std::tuple<const char*, int32_t, const char*> jeux[JeuxParSerie] = {
        {"2+3 2*1 2+0 2+5", 12300, "218 : 218 en 12300 ms, 10 | Série : jeu 1/10 — 10 points"},
        {"3+0 3*5 3*1 3+2 3+4", 40000, "648 : 645 en 40000 ms, 7 | Série : jeu 2/10 — 17 points"},  // fini seul
        {"5*3 5+4 5+0 ok", 20000, "365 : 355 en 20000 ms, 5 | Série : jeu 3/10 — 22 points"},
        {"5*2 5-0", 8000, "219 : 219 en 8000 ms, 10 | Série : jeu 4/10 — 32 points"},
        {"annule", 5000, "509 : - en 0 ms, 0 | Série : jeu 5/10 — 32 points"},
        {"2+1 2*3 2*5", 45000, "244 : 240 en 45000 ms, 7 | Série : jeu 6/10 — 39 points"},  // temps écoulé
        {"", 45000, "494 : - en 0 ms, 0 | Série : jeu 7/10 — 39 points"},                   // sans opération
        {"1*0 1+3 1+5 1-2 1*4", 31500, "524 : 524 en 31500 ms, 10 | Série : jeu 8/10 — 49 points"},
        {"1+0 ok", 3000, "121 : 83 en 3000 ms, 0 | Série : jeu 9/10 — 49 points"},
        {"2*3 2*5 1+4 2*1 2+0", 44000, "917 : 901 en 44000 ms, 0 | Série : jeu 10/10 — 49 points"},
    };
    for (const auto& [coups, duree, attendu] : jeux) {
        ASSERT_TRUE(serie.CommencerJeuSuivant());
        EXPECT_FALSE(serie.CommencerJeuSuivant());  // un seul jeu à la fois
        EXPECT_EQ(e.partie.TempsLimite(), 45);
        e.Jouer(coups, duree);
        ASSERT_TRUE(serie.TerminerJeu());
        EXPECT_EQ(e.partie.Donnees().OrdreSolutions, OrdreDuSimpleAuTordu);
        const JeuDeSerie& j = serie.Jeux().back();
        EXPECT_EQ(std::to_string(j.But) + " : " + (j.MeilleurJoueur == Aucun ? "-" : std::to_string(j.MeilleurJoueur)) +
                      " en " + std::to_string(j.TempsJoueur) + " ms, " + std::to_string(j.Points) + " | " +
                      serie.TexteEtat(),
                  attendu);
    }
    EXPECT_EQ(serie.Bilan(), (BilanSerie{std::nullopt, 10, 49, 3, 12300.0, true}));
    EXPECT_TRUE(serie.BatLeRecord());
    serie.Abandonner();  // trop tard : elle reste finie
    EXPECT_EQ(serie.Etat(), EtatSerie::Finie);
}

// abandonnée, une série ne bat aucun record, même sans record à battre ; le jeu en cours ne compte pas
TEST(Serie, AbandonneeJamaisRecord)
{
    Essai e;
    e.partie.ChoisirTempsLimite(30);
    Serie serie(e.partie, NiveauJeu::Difficile);
    ASSERT_TRUE(serie.CommencerJeuSuivant());
    EXPECT_EQ(e.partie.TempsLimite(), 30);
    EXPECT_TRUE(serie.QuestionAvantAbandon());
    // le jeu tiré est Difficile : 7 100 9 50 2 25 pour 929, ((50 / 25 × 2 + 100) × 9) − 7
    e.Jouer("3/5 3*4 1+3 1*2 1-0", 9000);
    EXPECT_EQ(e.partie.Plaques(), (SixEntiers{7, 100, 9, 50, 2, 25}));
    ASSERT_TRUE(serie.TerminerJeu());
    ASSERT_TRUE(serie.CommencerJeuSuivant());
    serie.Abandonner();
    EXPECT_EQ(serie.Bilan(), (BilanSerie{NiveauJeu::Difficile, 1, 10, 1, 9000.0, false}));
    EXPECT_FALSE(serie.BatLeRecord());
    EXPECT_FALSE(serie.CommencerJeuSuivant());
}

// le bilan d'une série : temps médian au dixième de seconde, et ce qu'elle fait du record de son niveau
TEST(Serie, TextesDeFin)
{
    const auto bilan = [](int points, bool finie, std::optional<double> median) {
        return BilanSerie{NiveauJeu::Moyen, finie ? JeuxParSerie : 7, points, 6, median, finie};
    };
    const std::tuple<BilanSerie, std::optional<BilanSerie>, const char*> cas[] = {
        {bilan(60, true, 12345.0), std::nullopt,
         "Moyen | 60/100 | 6/10 | 12,3 s | Aucune | Nouveau record : première série finie à ce niveau."},
        {bilan(61, true, 12350.0), bilan(60, true, {}), "Moyen | 61/100 | 6/10 | 12,4 s | 60/100 | Nouveau record !"},
        {bilan(60, true, {}), bilan(60, true, {}), "Moyen | 60/100 | 6/10 | - | 60/100 | Record égalé, pas battu."},
        {bilan(59, true, 45000.0), bilan(60, true, {}),
         "Moyen | 59/100 | 6/10 | 45,0 s | 60/100 | Record non battu : 1 point de moins."},
        {bilan(30, false, 2000.0), std::nullopt,
         "Moyen | 30/100 | 6/7 | 2,0 s | Aucune | Série abandonnée : elle ne compte pas pour les records."},
    };
    for (const auto& [serie, record, attendu] : cas) {
        std::string lu;
        for (const auto& [nom, texte] : TextesFinSerie(serie, record))
            lu += (lu.empty() ? "" : " | ") + texte;
        EXPECT_EQ(lu, attendu);
    }
}

// « varnel --serie [NIVEAU] », et le temps de chaque jeu d'une série dit dans le menu
TEST(Serie, DemandeEtTemps)
{
    const std::pair<std::vector<std::string>, const char*> cas[] = {
        {{}, "rien"},
        {{"25", "50", "75", "100", "3", "6", "952"}, "rien"},
        {{"--serie"}, "Tirages ordinaires"},
        {{"--serie", "expert"}, "Expert"},
        {{"--serie", "Impossible"}, "Niveau \"Impossible\" incorrect (Facile, Moyen, Difficile ou Expert)."},
        {{"--serie", "Moyen", "3"}, "Nombre incorrect d'arguments."},
    };
    for (const auto& [arguments, attendu] : cas) {
        const std::optional<DemandeSerie> demande = LireDemandeSerie(arguments);
        EXPECT_EQ(!demande ? "rien" : demande->Valide() ? NomNiveauSerie(demande->Niveau) : demande->Erreur, attendu);
    }
    EXPECT_EQ(TexteTempsSerie(0), "45 s par jeu (sans limite choisie)");
    EXPECT_EQ(TexteTempsSerie(30), "30 s par jeu");
    EXPECT_EQ(TexteTempsSerie(90), "90 s par jeu");
}
