// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// ce que le lecteur d'écran dit du jeu montré et des boutons de la saisie
#include "LectureJeu.h"
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
