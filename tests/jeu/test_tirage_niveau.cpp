// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// le tirage d'un niveau : le jeu choisi avant l'animation, qui finit sur lui ; sinon le niveau le plus proche
#include "Partie.h"
#include "TirageDeNiveau.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

// des jeux dont le niveau se lit sur leurs compteurs (plaques au moins, solutions)
const JeuTire JeuFacile{{100, 75, 50, 25, 10, 10}, 101};  // 3 plaques, 87 solutions : note 2
const JeuTire JeuMoyen{{5, 6, 7, 8, 9, 10}, 999};         // 5 plaques, 8 solutions : note 4
const JeuTire JeuDifficile{{3, 8, 10, 7, 1, 3}, 726};     // 6 plaques, 4 solutions : note 6
const JeuTire JeuExpert{{25, 50, 75, 100, 3, 6}, 952};    // 6 plaques, 2 solutions : note 7
const JeuTire JeuImpossible{{1, 1, 2, 2, 3, 3}, 999};

}  // namespace

// chaque rubrique, à graine fixe : l'animation finit sur le jeu choisi, que la résolution dit du niveau demandé
TEST(TirageDeNiveau, ChaqueNiveauParLaPartie)
{
    for (const ChoixNiveau& choix : NiveauxATirer) {
        SCOPED_TRACE(NomNiveau(choix.Niveau));
        Partie partie([] { return 7u; });
        partie.ChoisirTempsLimite(60);  // le temps limite vaut pour un tirage de niveau comme pour tout jeu
        const TirageDeNiveau tirage = partie.NouveauJeuTireDeNiveau(choix.Niveau);
        EXPECT_EQ(partie.TempsLimite(), 60);
        EXPECT_TRUE(tirage.Atteint());
        EXPECT_LE(tirage.Essais, EssaisTirageDeNiveau);
        while (!partie.AvancerTirage().Termine) {
        }
        EXPECT_EQ(partie.Origine(), OrigineJeu::TireAuSort);
        EXPECT_EQ(JeuTire({partie.Plaques(), partie.But()}), tirage.Jeu);
        partie.Resoudre(OrdreDuSimpleAuTordu);
        EXPECT_EQ(MesurerNiveau(partie.Donnees()).Niveau, choix.Niveau);
    }
}

// l'animation d'un jeu choisi finit sur lui, quel que soit le compte : les roues elles-mêmes s'y arrêtent, et
// chaque case révèle sa plaque, d'une entrée différente de la réserve
TEST(TirageDeNiveau, AnimationFinitSurLeJeuChoisi)
{
    const SixEntiers plaques{10, 1, 100, 10, 25, 1};
    for (int32_t but = 101; but <= 999; ++but) {
        TirageAuSort tirage;
        tirage.Reinitialiser(static_cast<unsigned>(but));
        tirage.Demarrer(JeuTire{plaques, but});
        ASSERT_EQ(CompteFinal(tirage.Animation()), but);
        while (!tirage.Avancer().Termine) {
        }
        ASSERT_EQ(tirage.Plaques(), plaques) << but;
        ASSERT_EQ(std::set<int>(tirage.IndiceReserve().begin(), tirage.IndiceReserve().end()).size(), 6u);
    }
}

// au-delà des essais permis : le plus proche en niveau, le premier trouvé à égalité, l'impossible en dernier
TEST(TirageDeNiveau, LePlusProcheAuBoutDesEssais)
{
    struct Cas {
        NiveauJeu voulu;
        std::vector<JeuTire> jeux;
        JeuTire attendu;
        const char* texte;
    };
    const Cas cas[] = {
        {NiveauJeu::Moyen, {JeuExpert, JeuFacile, JeuImpossible}, JeuFacile,
         "3 essais sans Moyen : jeu Facile."},
        {NiveauJeu::Expert, {JeuImpossible, JeuFacile, JeuMoyen}, JeuMoyen,
         "3 essais sans Expert : jeu Moyen."},
        {NiveauJeu::Difficile, {JeuFacile, JeuExpert, JeuMoyen}, JeuExpert,
         "3 essais sans Difficile : jeu Expert."},
        {NiveauJeu::Facile, {JeuImpossible}, JeuImpossible, "1 essai sans Facile : jeu Impossible."},
        {NiveauJeu::Difficile, {JeuMoyen, JeuDifficile, JeuExpert}, JeuDifficile, "Jeu Difficile."},
    };
    for (const Cas& c : cas) {
        size_t suivant = 0;
        const TirageDeNiveau tirage = ChercherJeuDeNiveau(
            c.voulu, [&] { return c.jeux[suivant++ % c.jeux.size()]; }, static_cast<int>(c.jeux.size()));
        EXPECT_EQ(tirage.Jeu, c.attendu) << c.texte;
        EXPECT_EQ(TexteTirageDeNiveau(tirage), c.texte);
    }
}
