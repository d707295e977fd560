// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// le tirage d'un niveau : le jeu choisi avant l'animation, qui finit sur lui ; le niveau vérifié en résolvant
// le jeu posé ; au-delà des essais permis, le niveau le plus proche
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
        const TirageDeNiveau tirage = partie.NouveauJeuTireDeNiveau(choix.Niveau);
        EXPECT_TRUE(tirage.Atteint());
        EXPECT_LE(tirage.Essais, EssaisTirageDeNiveau);
        EXPECT_EQ(TexteTirageDeNiveau(tirage), std::string("Jeu ") + NomNiveau(choix.Niveau) + ".");
        int pas = 1;
        while (!partie.AvancerTirage().Termine && pas < 400)
            ++pas;
        EXPECT_GT(pas * 50, 6000);
        EXPECT_EQ(partie.Phase(), PhaseJeu::JeuPose);
        EXPECT_EQ(partie.Origine(), OrigineJeu::TireAuSort);
        EXPECT_EQ(partie.Plaques(), tirage.Jeu.Plaques);
        EXPECT_EQ(partie.But(), tirage.Jeu.But);
        partie.Resoudre(OrdreDuSimpleAuTordu);
        EXPECT_EQ(MesurerNiveau(partie.Donnees()).Niveau, choix.Niveau);
    }
}

// l'animation d'un jeu choisi finit sur lui, quel que soit le compte : les plaques se révèlent à leur
// seconde, chacune d'une entrée différente de la réserve
TEST(TirageDeNiveau, AnimationFinitSurLeJeuChoisi)
{
    const JeuTire jeu{{10, 1, 100, 10, 25, 1}, 0};
    for (int32_t but = 101; but <= 999; ++but) {
        TirageAuSort tirage;
        tirage.Reinitialiser(static_cast<unsigned>(but));
        tirage.Demarrer(JeuTire{jeu.Plaques, but});
        ASSERT_EQ(CompteFinal(tirage.Animation()), but);  // les roues elles-mêmes, sans le filet de la fin
        std::vector<uint32_t> revelations;
        for (int pas = 0; pas < 400; ++pas) {
            const PasTirage p = tirage.Avancer();
            if (p.PlaqueRevelee)
                revelations.push_back(tirage.Animation().TempsAnimation);
            if (p.Termine)
                break;
        }
        ASSERT_EQ(tirage.But(), but);
        ASSERT_EQ(tirage.Plaques(), jeu.Plaques) << but;
        ASSERT_EQ(revelations, (std::vector<uint32_t>{1000, 2000, 3000, 4000, 5000, 6000}));
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
