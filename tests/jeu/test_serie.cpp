// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// une série de dix jeux menée sur la partie avec des graines fixes et une horloge réglée à la main : les
// jeux tirés sur demande, chacun contre la montre, ses points, le total, les comptes trouvés, le temps
// médian ; l'abandon, et le record qui ne revient qu'à une série finie
#include "SaisieCalcul.h"
#include "Serie.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// ce que fait le joueur dans un jeu : ses opérations (« 2+3 » : bouton 2 plus bouton 3, le résultat prend la
// place du bouton 2), puis comment la saisie finit, et au bout de combien de millisecondes
enum class Fin { Seule, Ok, Annuler, TempsEcoule };
struct Coup {
    const char* operations;
    Fin fin;
    int32_t duree;
};

struct Essai {
    unsigned graine = 100;
    Partie partie{[this] { return graine++; }};
    int32_t maintenant = 0;

    // le tirage mené jusqu'au jeu posé, puis la saisie du joueur sur l'horloge de l'essai
    void Jouer(const Coup& coup)
    {
        while (!partie.AvancerTirage().Termine) {
        }
        const int32_t debut = maintenant += 100000;
        SaisieCalcul saisie(partie.Donnees(), [this] { return maintenant; });
        partie.SaisieOuverte(maintenant);
        saisie.Recommencer();
        maintenant = debut + coup.duree;
        std::istringstream operations(coup.operations);
        std::string op;
        while (operations >> op) {
            saisie.Nombre(op[0] - '0');
            saisie.Signe(static_cast<int>(std::string("+-*/").find(op[1])));
            ASSERT_NE(saisie.Nombre(op[2] - '0'), ReponseNombre::OperationInutile) << op;
        }
        if (coup.fin == Fin::Ok) {
            ASSERT_TRUE(saisie.Valider());
        }
        if (coup.fin == Fin::Annuler)
            saisie.Annuler();
        partie.JoueurTermine(maintenant);
    }
};

std::string Ligne(const JeuDeSerie& j, const Serie& serie)
{
    std::ostringstream ligne;
    for (int32_t p : j.Plaques)
        ligne << p << ' ';
    ligne << "→ " << j.But << " : ";
    if (j.MeilleurJoueur == Aucun)
        ligne << '-';
    else
        ligne << j.MeilleurJoueur << " en " << j.TempsJoueur << " ms";
    ligne << ", " << j.Points << " | " << serie.TexteEtat() << '\n';
    return ligne.str();
}

}  // namespace

TEST(Serie, DixJeuxDeBoutEnBout)
{
    Essai e;
    // sans limite choisie, la série joue chaque jeu en 45 s ; le record à battre a plus de points
    const BilanSerie record{std::nullopt, 10, 55, 5, 20000.0, true};
    Serie serie(e.partie, std::nullopt, record);
    EXPECT_EQ(serie.TexteEtat(), "Série : jeu 0/10 — 0 point");
    EXPECT_FALSE(serie.QuestionAvantAbandon());
    EXPECT_FALSE(serie.TerminerJeu());  // pas de jeu

    const Coup coups[JeuxParSerie] = {
        {"2+3 2*1 2+0 2+5", Fin::Seule, 12300},           // 8 × (10 + 10) + 50 + 8 : exact
        {"3+0 3*5 3*1 3+2 3+4", Fin::Seule, 40000},       // 6 chiffres fondus : 645, à 3
        {"5*3 5+4 5+0", Fin::Ok, 20000},                  // 355, à 10
        {"5*2 5-0", Fin::Seule, 8000},                    // 75 × 3 − 6 : exact
        {"", Fin::Annuler, 5000},                         // pas joué
        {"2+1 2*3 2*5", Fin::TempsEcoule, 45000},         // 240, à 4, arrêté par le temps
        {"", Fin::TempsEcoule, 45000},                    // rien fait dans le temps : pas joué
        {"1*0 1+3 1+5 1-2 1*4", Fin::Seule, 31500},       // 2 × (25 × 10 + 10 + 3 − 1) : exact
        {"1+0", Fin::Ok, 3000},                           // 83, à 38
        {"2*3 2*5 1+4 2*1 2+0", Fin::Seule, 44000},       // 9 × 5 × 5 × (3 + 1) + 1 = 901, à 16
    };
    std::string jeux;
    for (const Coup& coup : coups) {
        ASSERT_TRUE(serie.JeuSuivantPermis());
        ASSERT_TRUE(serie.CommencerJeuSuivant());
        EXPECT_FALSE(serie.CommencerJeuSuivant());  // un seul jeu à la fois
        EXPECT_EQ(e.partie.TempsLimite(), 45);
        EXPECT_FALSE(serie.TerminerJeu());  // le tirage n'est pas fini
        e.Jouer(coup);
        ASSERT_TRUE(serie.TerminerJeu());
        // résolu du plus simple au plus tordu ; le suivant attend qu'on le demande
        EXPECT_EQ(e.partie.Phase(), PhaseJeu::Resolu);
        EXPECT_EQ(e.partie.Donnees().OrdreSolutions, OrdreDuSimpleAuTordu);
        jeux += Ligne(serie.Jeux().back(), serie);
    }
    EXPECT_EQ(jeux, "50 8 10 10 9 8 → 218 : 218 en 12300 ms, 10 | Série : jeu 1/10 — 10 points\n"
                    "2 8 3 6 2 10 → 648 : 645 en 40000 ms, 7 | Série : jeu 2/10 — 17 points\n"
                    "5 6 10 3 50 100 → 365 : 355 en 20000 ms, 5 | Série : jeu 3/10 — 22 points\n"
                    "6 10 3 8 4 75 → 219 : 219 en 8000 ms, 10 | Série : jeu 4/10 — 32 points\n"
                    "9 50 4 6 3 2 → 509 : -, 0 | Série : jeu 5/10 — 32 points\n"
                    "3 1 9 6 1 4 → 244 : 240 en 45000 ms, 7 | Série : jeu 6/10 — 39 points\n"
                    "50 1 5 10 6 8 → 494 : -, 0 | Série : jeu 7/10 — 39 points\n"
                    "10 25 1 10 2 3 → 524 : 524 en 31500 ms, 10 | Série : jeu 8/10 — 49 points\n"
                    "8 75 1 10 8 1 → 121 : 83 en 3000 ms, 0 | Série : jeu 9/10 — 49 points\n"
                    "1 3 9 5 1 5 → 917 : 901 en 44000 ms, 0 | Série : jeu 10/10 — 49 points\n");

    EXPECT_EQ(serie.Etat(), EtatSerie::Finie);
    EXPECT_EQ(serie.Bilan(), (BilanSerie{std::nullopt, 10, 49, 3, 12300.0, true}));
    EXPECT_FALSE(serie.BatLeRecord());  // 49 points contre 55
    EXPECT_FALSE(serie.JeuSuivantPermis());
    EXPECT_FALSE(serie.CommencerJeuSuivant());
    serie.Abandonner();  // trop tard : elle reste finie
    EXPECT_EQ(serie.Etat(), EtatSerie::Finie);
    EXPECT_EQ(e.partie.TempsLimiteChoisi(), 0);  // le choix du joueur n'a pas changé
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
    e.Jouer({"2+3 2*1 2+0 2+5", Fin::Seule, 9000});
    ASSERT_TRUE(serie.TerminerJeu());
    ASSERT_TRUE(serie.CommencerJeuSuivant());
    serie.Abandonner();
    EXPECT_EQ(serie.Etat(), EtatSerie::Abandonnee);
    EXPECT_EQ(serie.Bilan(), (BilanSerie{NiveauJeu::Difficile, 1, 10, 1, 9000.0, false}));
    EXPECT_FALSE(serie.BatLeRecord());
    EXPECT_FALSE(serie.QuestionAvantAbandon());
    EXPECT_FALSE(serie.CommencerJeuSuivant());
    EXPECT_FALSE(serie.TerminerJeu());
}

// le record d'un niveau : la meilleure série finie de ce niveau ; à points égaux, plus de comptes trouvés,
// puis le temps médian le plus court
TEST(Serie, MeilleureSerieFinieDuNiveau)
{
    const NiveauSerie ordinaire, expert = NiveauJeu::Expert;
    const std::vector<BilanSerie> series{
        {ordinaire, 10, 62, 4, 21000.0, true},
        {ordinaire, 6, 70, 6, 9000.0, false},   // abandonnée
        {expert, 10, 80, 8, 15000.0, true},     // autre niveau
        {ordinaire, 10, 62, 5, 30000.0, true},  // plus de trouvés
        {ordinaire, 10, 62, 5, 25000.0, true},  // plus rapide encore
        {ordinaire, 10, 62, 5, 25000.0, true},  // égale : la première reste
        {ordinaire, 10, 41, 2, 8000.0, true},
    };
    EXPECT_EQ(MeilleureSerie(series, ordinaire), series[4]);
    EXPECT_EQ(MeilleureSerie(series, expert), series[2]);
    EXPECT_EQ(MeilleureSerie(series, NiveauJeu::Facile), std::nullopt);
    EXPECT_EQ(MeilleureSerie({series[1]}, ordinaire), std::nullopt);
}
