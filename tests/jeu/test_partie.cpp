// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// la partie en cours : début d'un jeu tiré, proposé ou donné, phases et commandes, statistiques une seule
// fois, parcours des solutions
#include "Partie.h"
#include "SaisieCalcul.h"

#include <gtest/gtest.h>

#include <bit>
#include <string>

namespace {

const SixEntiers Plaques952{25, 50, 75, 100, 3, 6};        // 952 : 2 solutions, toutes à 6 plaques
const SixEntiers PlaquesRiches{100, 75, 50, 25, 10, 10};   // 101 : 87 solutions, de 3 à 6 plaques
const SixEntiers PlaquesSeule{2, 5, 1, 8, 5, 7};           // 810 : une seule solution
const std::array<bool, 6> ToutesCachees{true, true, true, true, true, true};
const std::array<bool, 6> AucuneCachee{};

// une partie à graine fixe
struct Essai {
    Partie partie{[] { return 42u; }};
    DonneesRecherche& d = partie.Donnees();

    // le pavé tapé touche après touche : chiffres, x pour 10, v l s c pour 25 50 75 100
    void Proposer(const std::string& touches)
    {
        partie.CommencerProposition();
        PropositionJeu pave;
        pave.Commencer();
        for (char c : touches) {
            const std::string grandes = "vlsc";
            const size_t g = grandes.find(c);
            pave.Touche(c == 'x' ? 10 : g != std::string::npos ? PropositionJeu::EtiquetteGrande25 + static_cast<int>(g) : c - '0');
            partie.SuivreProposition(pave);
        }
    }
    // le joueur pose « premier + second » (indices de boutons) puis Ok, en 2500 ms
    void Jouer(int premier, int second)
    {
        int32_t maintenant = 1000;
        SaisieCalcul saisie(d, [&] { return maintenant; });
        saisie.Recommencer();
        saisie.Nombre(premier);
        saisie.Signe(OpAddition);
        saisie.Nombre(second);
        maintenant = 3500;
        saisie.Valider();
        partie.JoueurTermine();
    }
    // mène le tirage jusqu'à sa fin ; le nombre de pas
    int Tirer(std::optional<int> nbGrandes = std::nullopt)
    {
        partie.NouveauJeuTire(nbGrandes);
        for (int pas = 1; pas <= 400; ++pas)
            if (partie.AvancerTirage().Termine)
                return pas;
        return 0;
    }
    std::string Commandes() const
    {
        const EtatCommandes c = partie.Commandes();
        std::string etat;
        for (bool b : {c.Compte, c.Solutions, c.Utilisant, c.Informations, c.Navigation})
            etat += b ? '1' : '0';
        return etat;
    }
};

int NbPlaques(const DonneesRecherche& d, int32_t i) { return std::popcount(d.ListeSolutions.Objet(i)->MasquePlaques); }

}  // namespace

TEST(Partie, AuDepartRienAJouer)
{
    Essai e;
    EXPECT_EQ(e.partie.Phase(), PhaseJeu::AucunJeu);
    EXPECT_EQ(e.partie.Origine(), OrigineJeu::Aucune);
    EXPECT_EQ(e.partie.PlaquesCachees(), ToutesCachees);
    EXPECT_EQ(e.Commandes(), "10000");
    EXPECT_FALSE(e.partie.StatistiquesEnAttente());
    // sans jeu, ni recherche ni inventaire
    bool appele = false;
    CrochetsRecherche crochets;
    crochets.AvantRecherche = [&] { appele = true; };
    e.partie.Resoudre(OrdreDuSimpleAuTordu, crochets);
    e.partie.InventorierTousComptes(crochets);
    EXPECT_FALSE(appele);
    EXPECT_EQ(e.d.OrdreSolutions, 0);
    // ni tirage qui avance hors d'un tirage
    EXPECT_FALSE(e.partie.AvancerTirage().Termine);
    EXPECT_EQ(e.partie.Tirage().Animation().TempsAnimation, 0u);
}

TEST(Partie, TirageJusquALaSaisie)
{
    for (std::optional<int> nbGrandes : {std::optional<int>{}, std::optional<int>{2}}) {
        Essai e;
        e.partie.NouveauJeuTire(nbGrandes);
        EXPECT_EQ(e.partie.Phase(), PhaseJeu::TirageEnCours);
        EXPECT_EQ(e.Commandes(), "00000");  // ni nouveau jeu ni solutions pendant l'animation
        EXPECT_EQ(e.partie.Origine(), OrigineJeu::TireAuSort);
        EXPECT_TRUE(e.partie.StatistiquesEnAttente());
        EXPECT_EQ(e.partie.PlaquesCachees(), ToutesCachees);
        EXPECT_EQ(e.partie.But(), 0);
        EXPECT_EQ(e.d.PlaqueDeRang, (SixEntiers{0, 1, 2, 3, 4, 5}));

        int pas = 0;
        for (pas = 1; pas <= 400; ++pas) {
            const PasTirage p = e.partie.AvancerTirage();
            const uint32_t temps = 50u * static_cast<uint32_t>(pas);
            // une plaque de plus à chaque seconde pleine ; les cachées restent dans la partie
            for (size_t k = 0; k < 6; ++k)
                ASSERT_EQ(e.partie.PlaquesCachees()[k], temps < 1000 * (k + 1)) << temps;
            if (p.Termine)
                break;
            ASSERT_EQ(e.partie.Phase(), PhaseJeu::TirageEnCours);
        }
        // le jeu posé : six plaques de la réserve, un compte de 101 à 999, les solutions permises
        EXPECT_GT(pas * 50, 6000);
        EXPECT_EQ(e.partie.Phase(), PhaseJeu::JeuPose);
        EXPECT_EQ(e.Commandes(), "11000");
        EXPECT_EQ(e.partie.PlaquesCachees(), AucuneCachee);
        EXPECT_TRUE(ButValide(e.partie.But()));
        int grandes = 0;
        for (int32_t v : e.partie.Plaques()) {
            EXPECT_TRUE(PlaqueValide(v)) << v;
            grandes += v > 10;
        }
        if (nbGrandes) {
            EXPECT_EQ(grandes, *nbGrandes);
        }
        EXPECT_EQ(e.partie.Plaques(), e.partie.Tirage().Plaques());
        // la minuterie peut encore battre une fois : le jeu ne bouge plus
        const SixEntiers plaques = e.partie.Plaques();
        const int32_t but = e.partie.But();
        e.partie.AvancerTirage();
        EXPECT_EQ(e.partie.Plaques(), plaques);
        EXPECT_EQ(e.partie.But(), but);
        EXPECT_EQ(e.partie.Phase(), PhaseJeu::JeuPose);
    }
}

TEST(Partie, CompteProposeSuiviTouchesApresTouches)
{
    Essai e;
    e.partie.CommencerProposition();
    EXPECT_EQ(e.partie.Phase(), PhaseJeu::TirageEnCours);
    EXPECT_EQ(e.Commandes(), "00000");
    PropositionJeu pave;
    pave.Commencer();
    for (int etiquette : {7, 10, PropositionJeu::EtiquetteGrande25 + 3}) {
        pave.Touche(etiquette);
        e.partie.SuivreProposition(pave);
    }
    EXPECT_EQ(e.partie.Plaques(), (SixEntiers{7, 10, 100, 0, 0, 0}));
    EXPECT_EQ(e.partie.PlaquesCachees(), (std::array<bool, 6>{false, false, false, true, true, true}));
    pave.Retour();
    e.partie.SuivreProposition(pave);
    EXPECT_EQ(e.partie.Plaques(), (SixEntiers{7, 10, 0, 0, 0, 0}));
    EXPECT_TRUE(e.partie.PlaquesCachees()[2]);
    for (int etiquette : {1, 2, 3, 4, 5, 4}) {
        pave.Touche(etiquette);
        e.partie.SuivreProposition(pave);
        EXPECT_EQ(e.partie.Phase(), PhaseJeu::TirageEnCours);
    }
    EXPECT_EQ(e.partie.But(), 540);
    pave.Touche(6);
    e.partie.SuivreProposition(pave);
    // le troisième chiffre pose le jeu : à résoudre, à enregistrer une fois
    EXPECT_EQ(e.partie.Plaques(), (SixEntiers{7, 10, 1, 2, 3, 4}));
    EXPECT_EQ(e.partie.But(), 546);
    EXPECT_EQ(e.partie.PlaquesCachees(), AucuneCachee);
    EXPECT_EQ(e.partie.Phase(), PhaseJeu::JeuPose);
    EXPECT_EQ(e.partie.Origine(), OrigineJeu::Propose);
    EXPECT_TRUE(e.partie.StatistiquesEnAttente());
    EXPECT_EQ(e.Commandes(), "11000");
}

TEST(Partie, CompteProposeAbandonne)
{
    Essai e;
    e.Proposer("12345");
    e.partie.AbandonnerProposition();
    EXPECT_EQ(e.partie.Phase(), PhaseJeu::AucunJeu);
    EXPECT_EQ(e.partie.Plaques(), (SixEntiers{}));
    EXPECT_EQ(e.partie.PlaquesCachees(), ToutesCachees);
    EXPECT_EQ(e.partie.But(), 0);
    EXPECT_EQ(e.Commandes(), "10000");
    EXPECT_FALSE(e.partie.StatistiquesEnAttente());
}

TEST(Partie, LigneDeCommandeJamaisEnregistree)
{
    Essai e;
    e.partie.NouveauJeuLigneCommande(Plaques952, 952);
    EXPECT_EQ(e.partie.Phase(), PhaseJeu::JeuPose);
    EXPECT_EQ(e.partie.PlaquesCachees(), AucuneCachee);
    EXPECT_EQ(e.partie.Origine(), OrigineJeu::Aucune);
    e.partie.JoueurTermine();
    e.partie.Resoudre(OrdreDuSimpleAuTordu);
    EXPECT_EQ(e.partie.Phase(), PhaseJeu::Resolu);
    EXPECT_EQ(e.partie.NbSolutionsListees(), 2);
    EXPECT_FALSE(e.partie.AEnregistrer());
    EXPECT_FALSE(e.partie.MarquerEnregistre());
}

// la recherche change la phase avant et après les crochets de l'appelant
TEST(Partie, PhasesAutourDeLaRecherche)
{
    Essai e;
    e.partie.NouveauJeuPropose(Plaques952, 952);
    std::string vu;
    CrochetsRecherche crochets;
    crochets.AvantRecherche = [&] { vu += e.partie.Phase() == PhaseJeu::RechercheEnCours ? "avant " : "? "; };
    crochets.ApresRecherche = [&] {
        vu += e.partie.Phase() == PhaseJeu::Resolu ? "après" : "?";
        vu += e.Commandes();
    };
    e.partie.Resoudre(OrdreDuTorduAuSimple, crochets);
    EXPECT_EQ(vu, "avant après11111");
    EXPECT_EQ(e.d.OrdreSolutions, 2);  // le code de l'ordre « du tordu au simple » dans la recherche
    EXPECT_EQ(e.partie.SolutionCourante(), 0);

    vu.clear();
    e.partie.InventorierTousComptes(crochets);
    EXPECT_EQ(vu, "avant après11111");
    EXPECT_EQ(e.partie.But(), 952);  // l'inventaire rend le compte du jeu
}

// un jeu tiré ou proposé entre une fois dans les statistiques : résolu, et le joueur fini, dans un ordre
// ou dans l'autre ; ni une autre recherche ni un autre ordre ne l'y remettent
TEST(Partie, StatistiquesUneSeuleFois)
{
    for (bool joueurDAbord : {true, false}) {
        SCOPED_TRACE(joueurDAbord);
        Essai e;
        e.Proposer("vlsc36952");
        ASSERT_EQ(e.partie.Plaques(), Plaques952);
        EXPECT_FALSE(e.partie.AEnregistrer());
        if (joueurDAbord) {
            e.Jouer(3, 4);  // 100 + 3 = 103
            EXPECT_FALSE(e.partie.AEnregistrer());  // pas encore résolu
            e.partie.Resoudre(OrdreDuSimpleAuTordu);
        } else {
            e.partie.Resoudre(OrdreDuSimpleAuTordu);
            EXPECT_FALSE(e.partie.AEnregistrer());  // le joueur n'a pas fini
            EXPECT_FALSE(e.partie.MarquerEnregistre());
            e.Jouer(3, 4);
        }
        ASSERT_TRUE(e.partie.AEnregistrer());
        const std::optional<JeuFini> m = e.partie.MarquerEnregistre("2026-12-08T04:36:04Z");
        ASSERT_TRUE(m);
        // la ligne de l'historique et les montants disent le même jeu
        EXPECT_EQ(m->Ligne.DateHeure, "2026-12-08T04:36:04Z");
        EXPECT_EQ(m->Ligne.Origine, OrigineJeu::Propose);
        EXPECT_EQ(m->Ligne.ResultatJoueur, 103);
        EXPECT_EQ(m->Ligne.Niveau, NiveauJeu::Expert);  // de la résolution : 2 solutions à 6 plaques, note 5 + 2
        using namespace Cumul;
        const CumulsStat& c = m->Cumuls;
        EXPECT_EQ(c[RecherchesM], 1);
        EXPECT_EQ(c[RecherchesH], 1);
        EXPECT_EQ(c[TrouvesM], 1);
        EXPECT_EQ(c[TrouvesH], 0);
        EXPECT_EQ(c[ApprochesH], 1);
        EXPECT_EQ(c[Proposes], 1);
        EXPECT_EQ(c[TiresAuSort], 0);
        EXPECT_EQ(c[SolutionsM], 2);
        EXPECT_EQ(c[PossibilitesM], 99746);
        EXPECT_EQ(c[TempsH], 2500);
        EXPECT_FALSE(e.partie.StatistiquesEnAttente());
        EXPECT_FALSE(e.partie.AEnregistrer());
        EXPECT_FALSE(e.partie.MarquerEnregistre());
        e.partie.Resoudre(OrdreDuTorduAuSimple);
        e.partie.Resoudre(OrdreDuSimpleAuTordu);
        EXPECT_FALSE(e.partie.MarquerEnregistre());
    }

    // un jeu tiré compte comme tiré
    Essai t;
    ASSERT_GT(t.Tirer(), 0);
    t.partie.JoueurTermine();
    t.partie.Resoudre(OrdreDuSimpleAuTordu);
    const std::optional<JeuFini> m = t.partie.MarquerEnregistre();
    ASSERT_TRUE(m);
    EXPECT_EQ(m->Cumuls[Cumul::TiresAuSort], 1);
    EXPECT_EQ(m->Cumuls[Cumul::Proposes], 0);
    EXPECT_EQ(m->Cumuls[Cumul::RecherchesH], 0);  // le joueur n'a rien posé
}

// un nouveau jeu efface l'ancien : solutions, ordre, calcul du joueur
TEST(Partie, NouveauJeuEffaceLAncien)
{
    Essai e;
    e.partie.NouveauJeuPropose(PlaquesRiches, 101);
    e.Jouer(0, 3);  // 100 + 25
    e.partie.Resoudre(OrdreDuTorduAuSimple);
    e.partie.DerniereSolution();
    ASSERT_EQ(e.partie.SolutionCourante(), 86);

    e.partie.NouveauJeuTire();
    EXPECT_EQ(e.partie.NbSolutionsListees(), 0);
    EXPECT_EQ(e.partie.SolutionCourante(), 0);
    EXPECT_EQ(e.d.NbSolutions, 0);
    EXPECT_EQ(e.d.OrdreSolutions, 0);
    EXPECT_FALSE(e.d.EtatJoueur);
    EXPECT_EQ(e.d.MeilleurJoueur, Aucun);
    EXPECT_EQ(e.partie.Plaques(), (SixEntiers{}));
    EXPECT_FALSE(e.partie.AEnregistrer());

    e.partie.Reinitialiser();
    EXPECT_EQ(e.partie.Phase(), PhaseJeu::AucunJeu);
    EXPECT_FALSE(e.partie.StatistiquesEnAttente());
}

TEST(Partie, FlechesDuParcours)
{
    struct Pas {
        void (Partie::*aller)();
        int32_t attendue;
        bool versLeDebut, versLaFin;
    };
    Essai e;
    e.partie.NouveauJeuLigneCommande(PlaquesRiches, 101);
    // avant la recherche, aucune flèche
    EXPECT_FALSE(e.partie.Navigation().VersLeDebut || e.partie.Navigation().VersLaFin);
    e.partie.Resoudre(OrdreDuSimpleAuTordu);
    ASSERT_EQ(e.partie.NbSolutionsListees(), 87);
    const Pas pas[] = {
        {&Partie::SolutionPrecedente, 0, false, true},  // déjà au début
        {&Partie::PremiereSolution, 0, false, true},
        {&Partie::SolutionSuivante, 1, true, true},
        {&Partie::SolutionSuivante, 2, true, true},
        {&Partie::SolutionPrecedente, 1, true, true},
        {&Partie::DerniereSolution, 86, true, false},
        {&Partie::SolutionSuivante, 86, true, false},  // déjà à la fin
        {&Partie::SolutionPrecedente, 85, true, true},
        {&Partie::PremiereSolution, 0, false, true},
    };
    for (const Pas& p : pas) {
        (e.partie.*p.aller)();
        EXPECT_EQ(e.partie.SolutionCourante(), p.attendue);
        EXPECT_EQ(e.partie.Navigation().VersLeDebut, p.versLeDebut) << p.attendue;
        EXPECT_EQ(e.partie.Navigation().VersLaFin, p.versLaFin) << p.attendue;
    }

    // une seule solution : aucune flèche, et aucune ne bouge
    Essai seule;
    seule.partie.NouveauJeuLigneCommande(PlaquesSeule, 810);
    seule.partie.Resoudre(OrdreDuSimpleAuTordu);
    ASSERT_EQ(seule.partie.NbSolutionsListees(), 1);
    for (const Pas& p : pas) {
        (seule.partie.*p.aller)();
        EXPECT_EQ(seule.partie.SolutionCourante(), 0);
        EXPECT_FALSE(seule.partie.Navigation().VersLeDebut || seule.partie.Navigation().VersLaFin);
    }
}

// la première solution à N plaques dans l'ordre de la liste ; aucune : rien ne bouge
TEST(Partie, PremiereSolutionUtilisantNPlaques)
{
    for (uint8_t ordre : {OrdreDuSimpleAuTordu, OrdreDuTorduAuSimple}) {
        SCOPED_TRACE(static_cast<int>(ordre));
        Essai e;
        e.partie.NouveauJeuLigneCommande(PlaquesRiches, 101);
        e.partie.Resoudre(ordre);
        e.partie.SolutionSuivante();
        // 3 à 6 plaques existent, aucune à 2
        for (int n = 3; n <= 6; ++n) {
            const std::optional<int32_t> indice = e.partie.PremiereSolutionUtilisant(n);
            ASSERT_TRUE(indice) << n;
            EXPECT_EQ(e.partie.SolutionCourante(), *indice);
            EXPECT_EQ(NbPlaques(e.d, *indice), n);
            for (int32_t i = 0; i < *indice; ++i)
                ASSERT_NE(NbPlaques(e.d, i), n) << i;
            // la même rubrique une seconde fois montre la même solution
            EXPECT_EQ(e.partie.PremiereSolutionUtilisant(n), indice);
        }
        const int32_t avant = e.partie.SolutionCourante();
        EXPECT_FALSE(e.partie.PremiereSolutionUtilisant(2));
        EXPECT_EQ(e.partie.SolutionCourante(), avant);
    }
    // 952 : ses deux solutions prennent les six plaques
    Essai e;
    e.partie.NouveauJeuLigneCommande(Plaques952, 952);
    e.partie.Resoudre(OrdreDuSimpleAuTordu);
    EXPECT_EQ(e.partie.PremiereSolutionUtilisant(6), 0);
    for (int n = 2; n <= 5; ++n)
        EXPECT_FALSE(e.partie.PremiereSolutionUtilisant(n)) << n;
}
