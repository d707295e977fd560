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
    const std::array<bool, 6> montrees{}, cachees = {true, true, true, true, true, true};
    struct Cas {
        std::array<bool, 6> cachees;
        uint32_t masque;
        const char* attendue;
    };
    const Cas cas[] = {
        {montrees, 0, "Plaques : 25, 50, 75, 100, 3, 6"},
        {montrees, 0b101100, "Plaques : 25, 50, 75 utilisée, 100 utilisée, 3, 6 utilisée"},
        // pendant le tirage, seules les plaques déjà révélées
        {{false, false, true, true, true, true}, 0, "Plaques : 25, 50"},
        {cachees, 0, "Plaques : aucune"},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(LecturePlaques(jeu, c.cachees, c.masque), c.attendue);
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
        {"100+3=103\n103*9=927\n", 1, 4, false, "Solution 2 sur 4 : 100 plus 3 égale 103 ; 103 fois 9 égale 927"},
        {"10-7=3\n450/50=9\n", 0, 1, false, "Solution 1 sur 1 : 10 moins 7 égale 3 ; 450 divisé par 50 égale 9"},
        {"", 0, 0, false, "Solution : aucune"},
        // le calcul du joueur tel qu'il avance : la ligne commencée se dit jusqu'où elle va
        {"25+3=28\n28*", 0, 1, true, "Calcul du joueur : 25 plus 3 égale 28 ; 28 fois"},
        {"", 0, 0, true, "Calcul du joueur : aucun"},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(LectureSolution(c.texte, c.courante, c.nombre, c.joueur), c.attendue);
}

TEST(LectureJeu, BoutonsDeLaSaisie)
{
    EXPECT_EQ(NomBoutonNombre(1, 75), "Plaque 2 : 75");
    EXPECT_EQ(NomBoutonNombre(5, 450), "Plaque 6 : 450");
    const char* signes[4] = {"Plus", "Moins", "Multiplié par", "Divisé par"};
    for (int op = 0; op < 4; ++op)
        EXPECT_EQ(NomSigne(op), signes[op]);
}

// la partie telle qu'elle est montrée : tirage commencé, puis le jeu de la ligne de commande résolu
TEST(LectureJeu, LaPartieMontree)
{
    Partie partie([] { return 7u; });
    partie.NouveauJeuTire();
    LecturesJeu l = LireJeu(partie);
    EXPECT_EQ(l.Compte + " | " + l.Plaques + " | " + l.Solution,
              "Compte : tirage en cours | Plaques : aucune | Solution : aucune");

    partie.NouveauJeuLigneCommande({25, 50, 75, 100, 3, 6}, 952);
    partie.Resoudre(OrdreDuSimpleAuTordu);
    l = LireJeu(partie);
    EXPECT_EQ(l.Compte + " | " + l.Plaques, "Compte : 952 | Plaques : 25 utilisée, 50 utilisée, 75 utilisée, "
                                            "100 utilisée, 3 utilisée, 6 utilisée");
    EXPECT_EQ(l.Solution, "Solution 1 sur 2 : 75 fois 6 égale 450 ; 450 divisé par 50 égale 9 ; 100 plus 3 égale 103 ; "
                          "103 fois 9 égale 927 ; 927 plus 25 égale 952");
}
