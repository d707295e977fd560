// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// le temps limite de la saisie du joueur : temps qui reste arrondi vers le haut, écoulement à l'instant
// même de la limite, « Refaire » qui ne rend pas le temps, et le calcul que compte un joueur arrêté par
// le temps (résultats partiels en attente, ou aucune opération : il n'a pas joué)
#include "LimiteTemps.h"
#include "Partie.h"
#include "SaisieCalcul.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

const SixEntiers Plaques500{25, 3, 10, 7, 1, 100};  // 500 = 100 × (7 − 3 + 1) : le moteur trouve

// ce que montre le décompte à un instant, pour une limite de 30 s partie à 1000 ms
struct Instant {
    int32_t maintenant;
    int32_t resteMs;
    int resteSecondes;
    bool ecoule;
    bool enAlerte;
};

// un jeu proposé, avec une saisie du joueur sur une horloge réglée à la main
struct Essai {
    explicit Essai(int limite)
    {
        partie.ChoisirTempsLimite(limite);
        partie.NouveauJeuPropose(Plaques500, 500);
    }
    // la saisie s'ouvre (ou se rouvre) à cet instant et recommence
    void Ouvrir(int32_t instant)
    {
        maintenant = instant;
        partie.SaisieOuverte(maintenant);
        saisie.Recommencer();
    }
    void Operation(int premier, int op, int second)
    {
        saisie.Nombre(premier);
        saisie.Signe(op);
        saisie.Nombre(second);
    }
    CumulsStat Enregistrer()
    {
        partie.Resoudre(OrdreDuSimpleAuTordu);
        const std::optional<JeuFini> jeu = partie.MarquerEnregistre();
        return jeu ? jeu->Cumuls : CumulsStat{};
    }

    Partie partie{[] { return 7u; }};
    DonneesRecherche& d = partie.Donnees();
    int32_t maintenant = 0;
    SaisieCalcul saisie{d, [this] { return maintenant; }};
};

}  // namespace

TEST(LimiteTemps, ResteArrondiVersLeHautEtEcoulementALaLimite)
{
    const Instant instants[] = {
        {1000, 30000, 30, false, false},   // à l'ouverture : toute la limite
        {1001, 29999, 30, false, false},   // 29,999 s s'affichent 30 s
        {1999, 29001, 30, false, false},
        {2000, 29000, 29, false, false},
        {2001, 28999, 29, false, false},
        {25999, 5001, 6, false, false},    // six secondes affichées : pas encore le rouge
        {26000, 5000, 5, false, true},     // les cinq dernières
        {30999, 1, 1, false, true},        // une milliseconde : encore 1 s, pas écoulé
        {31000, 0, 0, true, true},         // exactement à la limite : écoulé
        {31001, 0, 0, true, true},
        {500000, 0, 0, true, true},
        {900, 30000, 30, false, false},    // une horloge qui recule ne donne pas plus que la limite
    };
    LimiteTemps limite(30);
    limite.Demarrer(1000);
    for (const Instant& i : instants) {
        EXPECT_EQ(limite.ResteMs(i.maintenant), i.resteMs) << i.maintenant;
        EXPECT_EQ(limite.ResteSecondes(i.maintenant), i.resteSecondes) << i.maintenant;
        EXPECT_EQ(limite.Ecoule(i.maintenant), i.ecoule) << i.maintenant;
        EXPECT_EQ(limite.EnAlerte(i.maintenant), i.enAlerte) << i.maintenant;
    }
}

// un seul avertissement, dans les dix dernières secondes : de 10 s tout juste jusqu'à l'écoulement exclu
TEST(LimiteTemps, AvertissementDixSecondesAvantLaFin)
{
    LimiteTemps limite(30);
    limite.Demarrer(1000);
    for (const auto& [maintenant, avertir] : {std::pair{20999, false}, {21000, true}, {30999, true}, {31000, false}})
        EXPECT_EQ(limite.Avertir(maintenant), avertir) << maintenant;
}

TEST(LimiteTemps, SansLimiteOuPasEncoreDemarree)
{
    LimiteTemps sans;
    sans.Demarrer(0);
    EXPECT_FALSE(sans.Active());
    EXPECT_EQ(sans.Secondes(), 0);
    EXPECT_FALSE(sans.Ecoule(1000000));
    EXPECT_FALSE(sans.EnAlerte(1000000));
    EXPECT_EQ(LimiteTemps(-5).Secondes(), 0);

    // la saisie pas encore ouverte : le temps ne court pas
    const LimiteTemps attente(45);
    EXPECT_FALSE(attente.Demarree());
    EXPECT_EQ(attente.ResteSecondes(1000000), 45);
    EXPECT_FALSE(attente.Ecoule(1000000));
    EXPECT_EQ(attente.Millisecondes(), 45000);
}

TEST(LimiteTemps, HorlogeQuiFaitLeTour)
{
    LimiteTemps limite(60);
    limite.Demarrer(INT32_MAX - 499);
    EXPECT_EQ(limite.ResteMs(INT32_MIN + 500), 59000);  // 1000 ms plus tard
    EXPECT_FALSE(limite.Ecoule(INT32_MIN + 500));
}

TEST(LimiteTemps, UneSecondeOuvertureNeRendPasLeTemps)
{
    LimiteTemps limite(30);
    limite.Demarrer(1000);
    limite.Demarrer(21000);
    EXPECT_EQ(limite.ResteSecondes(21000), 10);
    EXPECT_TRUE(limite.Ecoule(31000));
}

// ----- dans la partie -----

TEST(PartieTempsLimite, LimiteEnVigueurFixeeAuDebutDuJeu)
{
    Essai e(60);
    EXPECT_EQ(e.partie.TempsLimiteChoisi(), 60);
    EXPECT_EQ(e.partie.TempsLimite(), 60);
    // un autre choix en cours de jeu vaut pour les jeux suivants
    e.partie.ChoisirTempsLimite(30);
    EXPECT_EQ(e.partie.TempsLimite(), 60);
    e.partie.NouveauJeuTire();
    EXPECT_EQ(e.partie.TempsLimite(), 30);
    e.partie.CommencerProposition();
    EXPECT_EQ(e.partie.TempsLimite(), 30);
    // sans saisie du joueur, pas de limite en vigueur
    e.partie.NouveauJeuLigneCommande(Plaques500, 500);
    EXPECT_EQ(e.partie.TempsLimite(), 0);
    e.partie.Reinitialiser();
    EXPECT_EQ(e.partie.TempsLimite(), 0);
    e.partie.ChoisirTempsLimite(0);
    e.partie.NouveauJeuPropose(Plaques500, 500);
    EXPECT_EQ(e.partie.TempsLimite(), 0);
    EXPECT_FALSE(e.partie.Limite().Active());
}

// arrêté par le temps avec deux résultats partiels en attente et une opération à moitié posée : le calcul
// compte tel qu'il est, le meilleur résultat reste le plus proche trouvé, son temps est la limite
TEST(PartieTempsLimite, TempsEcouleAvecPlusieursResultatsEnAttente)
{
    Essai e(45);
    e.Ouvrir(1000);
    e.maintenant = 12000;
    e.Operation(2, OpMultiplication, 3);  // 10 × 7 = 70 : à 430 de 500
    e.Operation(0, OpAddition, 1);        // 25 + 3 = 28 : à 472
    e.saisie.Nombre(5);                   // 100, puis « - » : jamais fini
    e.saisie.Signe(OpSoustraction);
    ASSERT_FALSE(e.saisie.OkActif());     // deux résultats en attente : Ok impossible
    ASSERT_FALSE(e.partie.Limite().Ecoule(45999));
    ASSERT_TRUE(e.partie.Limite().Ecoule(46000));

    e.partie.JoueurTermine(46000);
    ASSERT_TRUE(e.d.EtatJoueur);
    EXPECT_EQ(e.d.EtatJoueur->NbOperations, 2);
    EXPECT_EQ(e.d.MeilleurJoueur, 70);
    EXPECT_EQ(e.d.TempsJoueur, 45000);

    const CumulsStat c = e.Enregistrer();
    EXPECT_EQ(c[Cumul::RecherchesM], 1);
    EXPECT_EQ(c[Cumul::RecherchesH], 1);
    EXPECT_EQ(c[Cumul::TrouvesH], 0);
    EXPECT_EQ(c[Cumul::ApprochesH], 1);
    EXPECT_EQ(c[Cumul::Proposes], 1);
    EXPECT_EQ(c[Cumul::TempsH], 45000);
}

// arrêté par le temps sans une opération complète : il n'a pas joué, comme avec « Annuler »
TEST(PartieTempsLimite, TempsEcouleSansOperationPasJoue)
{
    for (bool premierNombre : {false, true}) {
        Essai e(30);
        e.Ouvrir(1000);
        if (premierNombre) {
            e.saisie.Nombre(0);  // « 25+ » et rien d'autre
            e.saisie.Signe(OpAddition);
        }
        e.partie.JoueurTermine(31000);
        EXPECT_FALSE(e.d.EtatJoueur);
        EXPECT_EQ(e.d.MeilleurJoueur, Aucun);
        EXPECT_EQ(e.d.SommeJoueur, Aucun);
        EXPECT_EQ(e.d.MaxJoueur, Aucun);
        EXPECT_EQ(e.d.TempsJoueur, 0);
        const CumulsStat c = e.Enregistrer();
        EXPECT_EQ(c[Cumul::RecherchesM], 1);
        EXPECT_EQ(c[Cumul::RecherchesH], 0);
        EXPECT_EQ(c[Cumul::ApprochesH], 0);
        EXPECT_EQ(c[Cumul::TempsH], 0);
    }
}

// « Refaire » recommence le calcul et le chronomètre du joueur, pas le temps limite
TEST(PartieTempsLimite, RefaireNeRendPasLeTemps)
{
    Essai e(30);
    e.Ouvrir(1000);
    e.maintenant = 9000;
    e.Operation(0, OpAddition, 1);
    e.maintenant = 21000;
    e.saisie.Recommencer();
    EXPECT_EQ(e.d.DebutChrono, 21000);
    EXPECT_EQ(e.partie.Limite().ResteSecondes(21000), 10);
    e.partie.SaisieOuverte(21000);  // une autre ouverture pour le même jeu non plus
    EXPECT_EQ(e.partie.Limite().ResteSecondes(21000), 10);
    e.maintenant = 25000;
    e.Operation(2, OpMultiplication, 3);  // 70
    EXPECT_TRUE(e.partie.Limite().Ecoule(31000));
    e.partie.JoueurTermine(31000);
    EXPECT_EQ(e.d.EtatJoueur->NbOperations, 1);
    EXPECT_EQ(e.d.MeilleurJoueur, 70);
    EXPECT_EQ(e.d.TempsJoueur, 30000);  // pas les 10 s depuis « Refaire »
    // le jeu suivant a de nouveau toute sa limite
    e.partie.NouveauJeuPropose(Plaques500, 500);
    e.partie.SaisieOuverte(40000);
    EXPECT_EQ(e.partie.Limite().ResteSecondes(40000), 30);
}

// la saisie finie avant la limite garde son temps ; Ok pressé après la limite, avant que la fenêtre ne
// l'ait vue, ne compte que la limite ; sans limite, rien ne change
TEST(PartieTempsLimite, FinDeSaisieAvantEtApresLaLimite)
{
    struct Cas {
        int limite;
        int32_t ok;          // instant de « Ok », la saisie ouverte à 1000
        int32_t tempsJoueur;  // attendu
    };
    for (const Cas& cas : {Cas{30, 30999, 29999}, Cas{30, 31050, 30000}, Cas{0, 500000, 499000}}) {
        Essai e(cas.limite);
        e.Ouvrir(1000);
        e.Operation(0, OpAddition, 1);
        e.maintenant = cas.ok;
        ASSERT_TRUE(e.saisie.Valider());
        e.partie.JoueurTermine(cas.ok);
        EXPECT_EQ(e.d.TempsJoueur, cas.tempsJoueur) << cas.limite << " " << cas.ok;
        EXPECT_EQ(e.d.MeilleurJoueur, 28);
    }
    // sans limite, la case de fermeture garde le calcul et un temps nul, même très tard
    Essai e(0);
    e.Ouvrir(1000);
    e.Operation(0, OpAddition, 1);
    e.partie.JoueurTermine(9000000);
    EXPECT_TRUE(e.d.EtatJoueur);
    EXPECT_EQ(e.d.TempsJoueur, 0);
    EXPECT_EQ(e.d.MeilleurJoueur, 28);
}
