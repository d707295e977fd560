// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// ce que le lecteur d'écran dit du jeu montré et des boutons de la saisie
#include "LectureJeu.h"
#include "LimiteTemps.h"
#include "Partie.h"

#include <gtest/gtest.h>

TEST(LectureJeu, CompteEtPlaques)
{
    EXPECT_EQ(LectureCompte(952, false), "Compte : 952");
    EXPECT_EQ(LectureCompte(0, false), "Compte : aucun");
    EXPECT_EQ(LectureCompte(347, true), "Compte : tirage en cours");  // les roues tournent encore
    const SixEntiers jeu = {25, 50, 75, 100, 3, 6};
    EXPECT_EQ(LecturePlaques(jeu, {}, 0b101100), "Plaques : 25, 50, 75 utilisée, 100 utilisée, 3, 6 utilisée");
    // pendant le tirage, seules les plaques déjà révélées
    EXPECT_EQ(LecturePlaques(jeu, {false, false, true, true, true, true}, 0), "Plaques : 25, 50");
    EXPECT_EQ(LecturePlaques(jeu, {true, true, true, true, true, true}, 0), "Plaques : aucune");
    EXPECT_EQ(NomBoutonNombre(1, 75) + ", " + NomSigne(0) + ", " + NomSigne(3), "Plaque 2 : 75, Plus, Divisé par");
}

TEST(LectureJeu, SolutionOuCalculDuJoueur)
{
    struct Cas {
        const char* texte;
        int32_t courante, nombre;
        bool joueur;
        const char* attendue;
    };
    const Cas cas[] = {
        {"100+3=103\n103*9=927\n", 1, 4, false, "Solution 2 sur 4 : 100 plus 3 égale 103 ; 103 fois 9 égale 927. "
                                                  "Méthode : Multiplication décomposée."},
        {"", 0, 0, false, "Solution : aucune"},
        // le calcul du joueur tel qu'il avance : la ligne commencée se dit jusqu'où elle va
        {"25+3=28\n28*", 0, 1, true, "Calcul du joueur : 25 plus 3 égale 28 ; 28 fois"},
        {"", 0, 0, true, "Calcul du joueur : aucun"},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(LectureSolution(c.texte, c.courante, c.nombre, c.joueur, c.joueur ? "" : "Multiplication décomposée"),
                  c.attendue);
}

// la partie pendant le tirage : les roues tournent, rien n'est encore montré (le jeu résolu se lit dans
// la vérification par le bus d'accessibilité)
TEST(LectureJeu, LaPartiePendantLeTirage)
{
    Partie partie([] { return 7u; });
    partie.NouveauJeuTire();
    const LecturesJeu l = LireJeu(partie);
    EXPECT_EQ(l.Compte + " | " + l.Plaques + " | " + l.Solution,
              "Compte : tirage en cours | Plaques : aucune | Solution : aucune");
}

// ce que la saisie dit pendant le jeu : l'opération faite, le temps, l'état à la demande, l'avertissement
TEST(LectureJeu, CeQueDitLaSaisie)
{
    EXPECT_EQ(LectureOperation(12, 2, 75), "12 fois 75 égale 900");
    EXPECT_EQ(LectureOperation(450, 3, 50), "450 divisé par 50 égale 9");
    LimiteTemps limite(30);
    limite.Demarrer(1000);
    EXPECT_EQ(LectureTemps(limite, 1000, 13500), "reste 18 secondes");  // 17,5 s : arrondi vers le haut
    EXPECT_EQ(LectureTemps(limite, 1000, 30500), "reste 1 seconde");
    EXPECT_EQ(LectureTemps(LimiteTemps(), 1000, 13999), "temps : 12 secondes");
    EXPECT_EQ(LectureEtatSaisie(952, "reste 18 secondes", "75*6=450\n450/"),
              "Compte : 952 ; reste 18 secondes ; calcul : 75 fois 6 égale 450 ; 450 divisé par");
    EXPECT_EQ(LectureEtatSaisie(101, "temps : 0 seconde", ""), "Compte : 101 ; temps : 0 seconde ; calcul : aucun");
    EXPECT_EQ(LectureAvertissementTemps(), "Plus que 10 secondes");
}

// une case de l'inventaire se dit avec son compte et sa colonne
TEST(LectureJeu, CaseDeLInventaire)
{
    EXPECT_EQ(LectureCaseComptes(" 952", 3, "   5"), "Compte 952, 3 plaques : 5");
    EXPECT_EQ(LectureCaseComptes(" Tot", 1, " 3456"), "Tous les comptes, total : 3456");
    EXPECT_EQ(LectureCaseComptes(" 101", 0, " 101"), "Compte 101");
}

// la saisie finie : ce qu'elle a donné et ses points (10 exact, 7 jusqu'à 5 d'écart, 5 jusqu'à 10, sinon 0)
TEST(LectureJeu, FinDeLaSaisie)
{
    EXPECT_EQ(LectureFinSaisie(952, 952, false), "compte trouvé : 10 points");
    EXPECT_EQ(LectureFinSaisie(952, 957, false), "meilleur résultat 957, à 5 du compte : 7 points");
    EXPECT_EQ(LectureFinSaisie(500, 490, false), "meilleur résultat 490, à 10 du compte : 5 points");
    EXPECT_EQ(LectureFinSaisie(500, 489, true), "temps écoulé ; meilleur résultat 489, à 11 du compte : 0 point");
    // arrêté par le temps sans aucune opération : il n'a pas joué ; la fenêtre le dit avec son calcul
    Partie partie([] { return 7u; });
    partie.ChoisirTempsLimite(30);
    partie.NouveauJeuPropose({25, 50, 75, 100, 3, 6}, 952);
    partie.SaisieOuverte(1000);
    partie.JoueurTermine(31000);
    EXPECT_EQ(LireJeu(partie).Solution, "Calcul du joueur : aucun ; temps écoulé ; aucun résultat : 0 point");
}
