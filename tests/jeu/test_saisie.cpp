// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// la saisie du calcul du joueur : cycle nombre-signe-nombre, admissibilité, refus, fin, Ok, Annuler, Refaire
#include "EnregistrementSolution.h"
#include "ExecutionRecherche.h"
#include "SaisieCalcul.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// une saisie sur un jeu, avec une horloge réglée à la main
struct Saisie {
    Saisie(const SixEntiers& plaques, int32_t but) : modele(d, [this] { return maintenant; })
    {
        d.Plaques = plaques;
        d.But = but;
        modele.Recommencer();
    }
    // « 1 » pour un bouton actif : les six nombres, puis les quatre signes
    std::string Actifs() const
    {
        std::string etat;
        for (int i = 0; i < 6; ++i)
            etat += modele.NombreActif(i) ? '1' : '0';
        etat += ' ';
        etat += modele.SignesActifs() ? "1111" : "0000";
        return etat;
    }
    std::string Texte() const { return d.ListeSolutions.Vide() ? std::string() : d.ListeSolutions.Texte(0); }
    ReponseNombre Operation(int premier, int op, int second)
    {
        modele.Nombre(premier);
        modele.Signe(op);
        return modele.Nombre(second);
    }

    int32_t maintenant = 1000;
    DonneesRecherche d;
    SaisieCalcul modele;
};

}  // namespace

TEST(Saisie, CycleTexteEtBoutonsAdmissibles)
{
    Saisie s({25, 3, 10, 7, 1, 100}, 500);
    EXPECT_EQ(s.Actifs(), "111111 0000");
    EXPECT_FALSE(s.modele.OkActif());
    EXPECT_TRUE(s.d.ListeSolutions.Vide());
    ASSERT_TRUE(s.d.EtatJoueur);
    EXPECT_EQ(s.d.EtatJoueur->NbOperations, 0);

    EXPECT_EQ(s.modele.Nombre(0), ReponseNombre::Avance);
    EXPECT_EQ(s.Texte(), "25");
    EXPECT_EQ(s.Actifs(), "000000 1111");
    EXPECT_EQ(s.modele.Nombre(1), ReponseNombre::Ignore);  // pas le moment d'un nombre
    EXPECT_TRUE(s.modele.Signe(OpAddition));
    EXPECT_EQ(s.Texte(), "25+");
    EXPECT_EQ(s.Actifs(), "011111 0000");
    EXPECT_EQ(s.modele.Nombre(1), ReponseNombre::Avance);
    EXPECT_EQ(s.Texte(), "25+3=28\n");
    EXPECT_TRUE(s.modele.EstResultat(0));
    EXPECT_EQ(s.modele.Valeur(0), 28);
    EXPECT_EQ(s.Actifs(), "101111 0000");
    EXPECT_TRUE(s.modele.OkActif());
    EXPECT_EQ(s.d.ListeSolutions.Objet(0)->MasquePlaques, 0b11u);
    EXPECT_EQ(s.d.MeilleurJoueur, 28);
    EXPECT_EQ(s.d.SommeJoueur, 28);
    EXPECT_EQ(s.d.MaxJoueur, 0);

    // 10 puis « - » : seulement les nombres plus petits
    s.modele.Nombre(2);
    s.modele.Signe(OpSoustraction);
    EXPECT_EQ(s.Actifs(), "000110 0000");
    EXPECT_EQ(s.modele.Nombre(5), ReponseNombre::Ignore);  // 10 - 100 : inadmissible
    // deux résultats séparés : Ok n'est plus possible
    s.modele.Nombre(3);
    EXPECT_EQ(s.Texte(), "25+3=28\n10-7=3\n");
    EXPECT_FALSE(s.modele.OkActif());
    EXPECT_FALSE(s.modele.Valider());
    // « / » : seulement les diviseurs exacts, jamais le premier bouton lui-même
    s.modele.Nombre(0);
    s.modele.Signe(OpDivision);
    EXPECT_EQ(s.Actifs(), "000010 0000");
}

// le second nombre : tout autre nombre libre pour + et ×, un plus petit strictement pour −, un diviseur
// exact pour ÷ ; jamais de zéro (5 − 5), de négatif ni de fraction
TEST(Saisie, SecondsNombresAdmissibles)
{
    struct Cas {
        SixEntiers plaques;
        int premier, op;
        const char* actifs;  // les six nombres
    };
    const Cas cas[] = {
        {{5, 5, 10, 2, 3, 7}, 0, OpAddition, "011111"},
        {{5, 5, 10, 2, 3, 7}, 0, OpMultiplication, "011111"},
        {{5, 5, 10, 2, 3, 7}, 0, OpSoustraction, "000110"},  // ni 5 (zéro), ni 10 ni 7 (négatif)
        {{5, 5, 10, 2, 3, 7}, 1, OpSoustraction, "000110"},
        {{5, 5, 10, 2, 3, 7}, 0, OpDivision, "010000"},      // 5 ÷ 5 = 1 ; 2, 3, 7 et 10 ne divisent pas 5
        {{5, 5, 10, 2, 3, 7}, 2, OpSoustraction, "110111"},  // 10 − 5, 10 − 2… ; 10 − 10 n'existe pas
        {{5, 5, 10, 2, 3, 7}, 2, OpDivision, "110100"},
        {{1, 1, 4, 4, 6, 6}, 2, OpSoustraction, "110000"},   // 4 − 4 serait zéro
        {{1, 1, 4, 4, 6, 6}, 4, OpDivision, "110001"},       // 6 ÷ 4 serait une fraction ; 6 ÷ 6 = 1 est permis
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(testing::Message() << c.premier << " op " << c.op);
        Saisie s(c.plaques, 999);
        s.modele.Nombre(c.premier);
        s.modele.Signe(c.op);
        EXPECT_EQ(s.Actifs(), std::string(c.actifs) + " 0000");
        // un nombre inadmissible ne fait rien, même appelé directement
        for (int i = 0; i < 6; ++i)
            if (c.actifs[i] == '0') {
                EXPECT_EQ(s.modele.Nombre(i), ReponseNombre::Ignore) << i;
                EXPECT_EQ(s.modele.Etape, 2);
                EXPECT_EQ(s.d.EtatJoueur->NbOperations, 0);
            }
    }
}

TEST(Saisie, OperationsInutilesRefuseesSansRienChanger)
{
    struct Cas {
        SixEntiers plaques;
        int premier, op, second;
        bool refusee;
    };
    const Cas cas[] = {
        {{4, 2, 7, 1, 10, 5}, 0, OpDivision, 1, true},       // 4 / 2
        {{4, 2, 7, 1, 10, 5}, 4, OpSoustraction, 5, true},   // 10 - 5
        {{4, 2, 7, 1, 10, 5}, 2, OpMultiplication, 3, true}, // 7 * 1
        {{4, 2, 7, 1, 10, 5}, 2, OpDivision, 3, true},       // 7 / 1
        {{2, 2, 7, 1, 10, 5}, 0, OpAddition, 1, false},      // 2 + 2
        {{2, 2, 7, 1, 10, 5}, 0, OpMultiplication, 1, false} // 2 * 2
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.premier * 100 + c.op * 10 + c.second);
        Saisie s(c.plaques, 999);
        const ReponseNombre r = s.Operation(c.premier, c.op, c.second);
        if (c.refusee) {
            EXPECT_EQ(r, ReponseNombre::OperationInutile);
            // toujours au second nombre, même premier nombre, même signe
            EXPECT_EQ(s.modele.Etape, 2);
            EXPECT_EQ(s.modele.IndicePremier, c.premier);
            EXPECT_EQ(s.modele.Operateur, c.op);
            EXPECT_EQ(s.d.EtatJoueur->NbOperations, 0);
            EXPECT_FALSE(s.modele.EstResultat(c.premier));
        } else {
            EXPECT_EQ(r, ReponseNombre::Avance);
            EXPECT_EQ(s.modele.Etape, 0);
            EXPECT_EQ(s.d.EtatJoueur->NbOperations, 1);
        }
    }
}

TEST(Saisie, FinAutomatiqueEtMeilleurResultat)
{
    // le compte atteint termine la saisie aussitôt, temps compris
    {
        Saisie s({100, 1, 2, 3, 4, 5}, 101);
        s.maintenant = 4321;
        EXPECT_EQ(s.Operation(0, OpAddition, 1), ReponseNombre::Terminee);
        EXPECT_EQ(s.d.TempsJoueur, 3321);
        EXPECT_EQ(s.d.MeilleurJoueur, 101);
    }
    // cinq opérations sur les six nombres : fin même si le compte est manqué ;
    // le meilleur résultat n'est pas forcément le dernier
    {
        Saisie s({10, 9, 8, 7, 6, 5}, 20);
        s.Operation(0, OpAddition, 1);  // 19
        s.Operation(2, OpAddition, 3);  // 15
        s.Operation(4, OpAddition, 5);  // 11
        EXPECT_EQ(s.Operation(2, OpAddition, 4), ReponseNombre::Avance);  // 26
        EXPECT_EQ(s.Operation(2, OpSoustraction, 0), ReponseNombre::Terminee);  // 26 - 19 = 7
        EXPECT_EQ(s.d.MeilleurJoueur, 19);
        EXPECT_EQ(s.d.EtatJoueur->NbOperations, 5);
        EXPECT_EQ(s.d.SommeJoueur, 19 + 15 + 11 + 26 + 7);
        EXPECT_EQ(s.d.MaxJoueur, 26);
    }
    {
        Saisie s({100, 4, 2, 3, 1, 9}, 100);
        s.Operation(0, OpSoustraction, 1);  // 96, à 4
        s.Operation(0, OpAddition, 5);      // 105, à 5 : 96 reste le meilleur
        EXPECT_EQ(s.d.MeilleurJoueur, 96);
        s.Operation(0, OpSoustraction, 3);  // 102, à 2
        EXPECT_EQ(s.d.MeilleurJoueur, 102);
        EXPECT_EQ(s.Operation(0, OpSoustraction, 2), ReponseNombre::Terminee);  // 100
        EXPECT_EQ(s.d.MeilleurJoueur, 100);
    }
    // à égale distance, le premier obtenu reste
    {
        Saisie s({25, 8, 9, 7, 10, 5}, 201);
        s.Operation(0, OpMultiplication, 1);  // 200
        s.Operation(2, OpSoustraction, 3);    // 2
        s.Operation(0, OpAddition, 2);        // 202
        EXPECT_EQ(s.d.MeilleurJoueur, 200);
    }
}

TEST(Saisie, OkAnnulerRefaire)
{
    {
        Saisie s({25, 3, 10, 7, 1, 100}, 500);
        s.maintenant = 1500;
        s.modele.Recommencer();
        s.Operation(0, OpAddition, 1);
        s.maintenant = 2750;
        EXPECT_TRUE(s.modele.Valider());
        EXPECT_EQ(s.d.TempsJoueur, 1250);
        EXPECT_EQ(s.d.MeilleurJoueur, 28);
    }
    {
        Saisie s({25, 3, 10, 7, 1, 100}, 500);
        s.Operation(0, OpAddition, 1);
        s.modele.Annuler();
        EXPECT_FALSE(s.d.EtatJoueur);
        EXPECT_EQ(s.d.MeilleurJoueur, Aucun);
        EXPECT_EQ(s.d.SommeJoueur, Aucun);
        EXPECT_EQ(s.d.MaxJoueur, Aucun);
        EXPECT_EQ(s.d.TempsJoueur, 0);
        EXPECT_EQ(s.Texte(), "25+3=28\n");  // la prochaine recherche videra la liste
    }
    {
        Saisie s({25, 3, 10, 7, 1, 100}, 500);
        s.Operation(0, OpAddition, 1);
        s.modele.Nombre(2);
        s.maintenant = 9000;
        s.modele.Recommencer();
        EXPECT_TRUE(s.d.ListeSolutions.Vide());
        EXPECT_EQ(s.Actifs(), "111111 0000");
        EXPECT_FALSE(s.modele.EstResultat(0));
        EXPECT_EQ(s.modele.Valeur(0), 25);
        EXPECT_EQ(s.d.DebutChrono, 9000);
        EXPECT_EQ(s.d.MeilleurJoueur, Aucun);
        EXPECT_EQ(s.d.EtatJoueur->NbOperations, 0);
        EXPECT_FALSE(s.modele.OkActif());
    }
}

// le calcul saisi est celui qu'on ferait directement dans le moteur, et se classe de même
TEST(Saisie, CalculSaisiIdentiqueAuMoteur)
{
    Saisie s({75, 50, 2, 3, 8, 7}, 812);
    s.Operation(0, OpAddition, 1);        // 125
    s.Operation(4, OpSoustraction, 3);    // 8 - 3 = 5
    s.Operation(0, OpAddition, 4);        // 130
    s.Operation(0, OpMultiplication, 2);  // 260
    EXPECT_EQ(s.Operation(0, OpAddition, 5), ReponseNombre::Terminee);  // 267

    DonneesRecherche reference;
    reference.Plaques = s.d.Plaques;
    reference.But = s.d.But;
    reference.ClasserPlaques(ModeClassement::Classe);
    EtatCalcul e = NouvelEtat(CreerFeuillesClassees(reference.Plaques, reference.PlaqueDeRang));
    auto jouer = [&](int gauche, int op, int droite) { e = Deriver(e, op, gauche, droite); };
    jouer(5, OpAddition, 4);  // 75 + 50 (cases par rang : 2 3 7 8 50 75)
    jouer(3, OpSoustraction, 1);
    jouer(6, OpAddition, 7);
    jouer(8, OpMultiplication, 0);
    jouer(9, OpAddition, 2);
    EXPECT_TRUE(MemeEtat(*s.d.EtatJoueur, e));
    // mesures du calcul : somme de tous ses résultats, plus grand résultat avant le dernier
    EXPECT_EQ(s.d.SommeJoueur, 125 + 5 + 130 + 260 + 267);
    EXPECT_EQ(s.d.MaxJoueur, 260);
    EXPECT_EQ(s.d.MeilleurJoueur, 267);
    reference.EtatJoueur = e;
    reference.MeilleurJoueur = 267;
    reference.SommeJoueur = 125 + 5 + 130 + 260 + 267;
    reference.MaxJoueur = 260;

    s.d.OrdreSolutions = reference.OrdreSolutions = 1;
    ExecuterRecherche(s.d);
    ExecuterRecherche(reference);
    EXPECT_EQ(s.d.NbMeilleursQueJoueur, reference.NbMeilleursQueJoueur);
    EXPECT_TRUE(s.d.NbMeilleursQueJoueur > 0 && s.d.NbMeilleursQueJoueur < s.d.NbPossibilites);
    EXPECT_EQ(PositionSolutionJoueur(s.d), -1);  // 267 n'est pas parmi les meilleures approches
}

// défaire un premier nombre, un signe, une opération entière, jusqu'au départ ; le meilleur résultat et les
// mesures suivent l'état défait, le temps ne revient pas
TEST(Saisie, DefaireChaquePasJusquAuDepart)
{
    Saisie s({100, 4, 2, 3, 1, 9}, 100);
    s.maintenant = 5000;
    EXPECT_FALSE(s.modele.DefairePas());
    s.Operation(0, OpSoustraction, 1);  // 96, à 4
    s.Operation(0, OpAddition, 5);      // 105, à 5
    s.Operation(0, OpSoustraction, 3);  // 102, à 2
    EXPECT_EQ(s.d.MeilleurJoueur, 102);
    s.modele.Nombre(2);
    s.modele.Signe(OpMultiplication);
    EXPECT_EQ(s.modele.Nombre(4), ReponseNombre::OperationInutile);  // 2 × 1 : rien de fait, rien à défaire

    struct Pas {
        const char* actifs;
        const char* texte;
        int32_t meilleur, somme, max;
    };
    const Pas attendus[] = {
        {"000000 1111", "100-4=96\n96+9=105\n105-3=102\n2", 102, 96 + 105 + 102, 105},  // le signe défait
        {"101010 0000", "100-4=96\n96+9=105\n105-3=102\n", 102, 96 + 105 + 102, 105},   // le premier nombre
        {"101110 0000", "100-4=96\n96+9=105\n", 96, 96 + 105, 96},  // l'opération entière : 105 et 3 reviennent
        {"101111 0000", "100-4=96\n", 96, 96, 0},
        {"111111 0000", "", Aucun, Aucun, Aucun},
    };
    for (const Pas& p : attendus) {
        SCOPED_TRACE(p.texte);
        EXPECT_TRUE(s.modele.DefairePas());
        EXPECT_EQ(s.Actifs(), p.actifs);
        EXPECT_EQ(s.Texte(), p.texte);
        EXPECT_EQ(s.d.MeilleurJoueur, p.meilleur);
        EXPECT_EQ(s.d.SommeJoueur, p.somme);
        EXPECT_EQ(s.d.MaxJoueur, p.max);
    }
    EXPECT_FALSE(s.modele.PeutDefaire());
    EXPECT_TRUE(s.d.ListeSolutions.Vide());
    EXPECT_FALSE(s.modele.EstResultat(0));
    EXPECT_EQ(s.modele.Valeur(0), 100);
    EXPECT_EQ(s.d.EtatJoueur->NbOperations, 0);
    EXPECT_FALSE(s.modele.OkActif());
    EXPECT_EQ(s.d.DebutChrono, 1000);
}
