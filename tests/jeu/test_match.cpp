// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// le match : les points au plus proche des deux à distances égales, meilleure, pire et sans jeu ; cinq tirages
// contre l'ordinateur puis à deux (annonces, preuves), la barre d'état et le bilan de fin ; l'abandon ; la
// ligne de commande
#include "FinMatch.h"
#include "Lancement.h"
#include "Match.h"
#include "PointsMatch.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(Match, PointsAuPlusProcheDesDeux)
{
    // compte 500 : les résultats des deux camps (rien : pas joué) et leurs points
    const std::tuple<std::optional<int32_t>, std::optional<int32_t>, int, int> cas[] = {
        {500, 500, 10, 10}, {498, 502, 7, 7},       {511, 489, 0, 0},                  // à égale distance
        {500, 497, 10, 0},  {503, 508, 7, 0},       {495, 489, 7, 0},                  // le premier meilleur
        {490, 505, 0, 7},   {420, 494, 0, 5},                                          // le premier pire
        {std::nullopt, 507, 0, 5}, {506, std::nullopt, 5, 0}, {std::nullopt, std::nullopt, 0, 0},  // sans jeu
    };
    for (const auto& [premier, second, points1, points2] : cas)
        EXPECT_EQ(PointsAuPlusProche(500, premier, second), (std::array<int, 2>{points1, points2}))
            << premier.value_or(0) << ' ' << second.value_or(0);
}

TEST(Match, CinqTiragesContreLOrdinateur)
{
    Match match(AdversaireOrdinateur(ForceAdversaire::Debutant), 0);
    EXPECT_EQ(match.TempsLimite(), 45);  // sans limite choisie
    EXPECT_EQ(match.TexteEtat(), "Match : jeu 0/5 — Vous 0, Ordinateur 0");
    EXPECT_FALSE(match.QuestionAvantAbandon());
    // le Débutant voit 100+25, 100+75, 100+10 et 100+50 d'une opération ; pour 108 avec 1 1 2 2 3 4, qui
    // demande les six plaques, au mieux 4×3×2 = 24
    const std::tuple<SixEntiers, int32_t, std::optional<int32_t>, const char*> tirages[] = {
        {{100, 25, 1, 2, 3, 4}, 125, 125, "Match : jeu 1/5 — Vous 10, Ordinateur 10"},
        {{1, 1, 2, 2, 3, 4}, 108, 108, "Match : jeu 2/5 — Vous 20, Ordinateur 10"},
        {{100, 50, 1, 2, 3, 4}, 150, 148, "Match : jeu 3/5 — Vous 20, Ordinateur 20"},
        {{100, 75, 1, 2, 3, 4}, 175, std::nullopt, "Match : jeu 4/5 — Vous 20, Ordinateur 30"},
        {{100, 10, 1, 2, 3, 4}, 110, 110, "Match : jeu 5/5 — Vous 30, Ordinateur 40"},
    };
    for (const auto& [plaques, but, joueur, etat] : tirages) {
        EXPECT_FALSE(match.TerminerSaisie(joueur));  // pas de tirage en cours
        ASSERT_TRUE(match.CommencerJeu(plaques, but));
        EXPECT_FALSE(match.CommencerJeu(plaques, but));
        EXPECT_FALSE(match.TerminerReflexion());  // pas d'annonces contre l'ordinateur
        ASSERT_TRUE(match.TerminerSaisie(joueur));
        EXPECT_EQ(match.TexteEtat(), etat);
    }
    EXPECT_EQ(match.Tirages()[0].Ordinateur->Calcul, std::vector<std::string>{"100+25=125"});
    EXPECT_EQ(match.Etat(), EtatMatch::Fini);
    EXPECT_FALSE(match.JeuSuivantPermis());
    EXPECT_EQ(TextesDeFinMatch(match).Lignes(), (std::vector<std::string>{
                  "Contre l'ordinateur « Débutant »",
                  "Vous 30 points, Ordinateur 40 points",
                  "Jeu 1 : 125 avec 100 25 1 2 3 4 — Vous 125 (10), Ordinateur 125 (10)",
                  "Jeu 2 : 108 avec 1 1 2 2 3 4 — Vous 108 (10), Ordinateur 24 (0)",
                  "Jeu 3 : 150 avec 100 50 1 2 3 4 — Vous 148 (0), Ordinateur 150 (10)",
                  "Jeu 4 : 175 avec 100 75 1 2 3 4 — Vous - (0), Ordinateur 175 (10)",
                  "Jeu 5 : 110 avec 100 10 1 2 3 4 — Vous 110 (10), Ordinateur 110 (10)",
                  "Vainqueur : Ordinateur",
              }));
    EXPECT_EQ(match.Bilan(), (BilanMatch{SorteMatch::ContreOrdinateur, ForceAdversaire::Debutant,
                                         {"Vous", "Ordinateur"}, {30, 40}, 5, true}));
}

TEST(Match, CinqTiragesADeux)
{
    Match match({"Alice", "Bruno"}, 30);
    EXPECT_EQ(match.TempsLimite(), 30);
    // les annonces d'Alice puis de Bruno, les résultats de leurs preuves dans l'ordre où elles sont demandées
    // (rien : saisie abandonnée), et qui prouve
    struct Tirage {
        int32_t But;
        std::optional<int32_t> Alice, Bruno;
        std::vector<std::optional<int32_t>> Preuves;
        std::vector<int> Prouveurs;
    };
    const Tirage tirages[] = {
        {952, 952, 950, {952}, {0}},                      // la meilleure prouvée
        {583, 583, 580, {582, 580}, {0, 1}},              // manquée : l'autre prouve la sienne
        {108, 106, 110, {106, 110}, {0, 1}},              // à égale distance, les deux
        {175, std::nullopt, 175, {175}, {1}},             // Alice ne joue pas
        {110, 110, 111, {std::nullopt, 112}, {0, 1}},     // deux preuves manquées
    };
    for (const Tirage& t : tirages) {
        ASSERT_TRUE(match.CommencerJeu({100, 25, 1, 2, 3, 4}, t.But));
        EXPECT_FALSE(match.Annoncer(t.Alice));  // pas avant la fin de la réflexion
        ASSERT_TRUE(match.TerminerReflexion());
        EXPECT_EQ(match.AuTourDAnnoncer(), 0);
        ASSERT_TRUE(match.Annoncer(t.Alice));
        EXPECT_EQ(match.AuTourDAnnoncer(), 1);
        EXPECT_EQ(match.AProuver(), std::nullopt);
        ASSERT_TRUE(match.Annoncer(t.Bruno));
        for (size_t k = 0; k < t.Preuves.size(); ++k) {
            EXPECT_EQ(match.AProuver(), t.Prouveurs[k]) << t.But;
            ASSERT_TRUE(match.Prouver(t.Preuves[k]));
        }
        EXPECT_EQ(match.AProuver(), std::nullopt);
        EXPECT_EQ(match.Phase(), PhaseMatch::EntreDeuxJeux);
    }
    EXPECT_EQ(match.TexteEtat(), "Match : jeu 5/5 — Alice 17, Bruno 24");
    EXPECT_EQ(TextesDeFinMatch(match).Lignes(), (std::vector<std::string>{
                  "Alice contre Bruno",
                  "Alice 17 points, Bruno 24 points",
                  "Jeu 1 : 952 avec 100 25 1 2 3 4 — Alice 952 (10), Bruno 950 (0)",
                  "Jeu 2 : 583 avec 100 25 1 2 3 4 — Alice 583 non prouvé (0), Bruno 580 (7)",
                  "Jeu 3 : 108 avec 100 25 1 2 3 4 — Alice 106 (7), Bruno 110 (7)",
                  "Jeu 4 : 175 avec 100 25 1 2 3 4 — Alice - (0), Bruno 175 (10)",
                  "Jeu 5 : 110 avec 100 25 1 2 3 4 — Alice 110 non prouvé (0), Bruno 111 non prouvé (0)",
                  "Vainqueur : Bruno",
              }));
    EXPECT_EQ(Match({"", "Bruno"}, 0).Noms()[0], "Joueur 1");
}

TEST(Match, AbandonSansLeTirageEnCours)
{
    Match match(AdversaireOrdinateur(ForceAdversaire::Champion), 60);
    ASSERT_TRUE(match.CommencerJeu({100, 25, 1, 2, 3, 4}, 125));
    EXPECT_TRUE(match.QuestionAvantAbandon());
    ASSERT_TRUE(match.TerminerSaisie(124));
    ASSERT_TRUE(match.CommencerJeu({100, 50, 1, 2, 3, 4}, 150));
    match.Abandonner();
    EXPECT_EQ(match.Etat(), EtatMatch::Abandonne);
    EXPECT_FALSE(match.JeuSuivantPermis());
    EXPECT_FALSE(match.QuestionAvantAbandon());
    EXPECT_EQ(match.Bilan(), (BilanMatch{SorteMatch::ContreOrdinateur, ForceAdversaire::Champion,
                                         {"Vous", "Ordinateur"}, {0, 10}, 1, false}));
}

// « varnel --match [FORCE] » : la force sans égard aux accents ni aux majuscules, Amateur sans force
TEST(Match, LigneDeCommande)
{
    const std::pair<std::vector<std::string>, std::string> cas[] = {
        {{"--match"}, "Amateur"},
        {{"--match", "CONFIRMÉ"}, "Confirmé"},
        {{"--match", "à ma mesure"}, "À ma mesure"},
        {{"--match", "expert"}, "Force \"expert\" incorrecte (debutant, amateur, confirme, champion ou mesure). / "
                                "Syntaxe : varnel --match [debutant|amateur|confirme|champion|mesure]"},
        {{"--match", "debutant", "x"}, "Nombre incorrect d'arguments. / "
                                       "Syntaxe : varnel --match [debutant|amateur|confirme|champion|mesure]"},
    };
    for (const auto& [arguments, attendu] : cas) {
        const Lancement l = LireLancement(arguments);
        const bool match = l.Demande && l.Demande->Sorte == SorteDemandee::Match && l.Demande->Force;
        EXPECT_EQ(match ? std::string(NomForce(*l.Demande->Force)) : l.Erreur + " / " + l.Syntaxe, attendu);
    }
}
