// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// un jeu de bout en bout : tirage animé pas à pas, pavé du compte proposé, saisie puis recherche
#include "Calcul_f.h"
#include "EnregistrementSolution.h"
#include "Environnement.h"
#include "ExecutionRecherche.h"
#include "Main_f.h"
#include "OutilsPartie.h"
#include "Horloge.h"
#include "Pavnum_f.h"
#include "TirageAuSort.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <algorithm>

namespace {

struct Principale {
    Principale()
    {
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
    }
    bool Actif(const char* nom)
    {
        if (auto* a = w.findChild<QAction*>(QLatin1String(nom)))
            return a->isEnabled();
        if (auto* m = w.findChild<QMenu*>(QLatin1String(nom)))
            return m->isEnabled();
        return w.findChild<QToolButton*>(QLatin1String(nom))->isEnabled();
    }
    TfrmMain w;
};

const QString TitrePave = QStringLiteral("Pavé numérique");

// les boutons actifs du pavé, par étiquette 0 à 14
QString ActifsPave(TfrmPaveNumerique* pave)
{
    QString etat;
    for (int etiquette = 0; etiquette <= 14; ++etiquette)
        etat += pave->Bouton(etiquette)->isEnabled() ? '1' : '0';
    return etat;
}

}  // namespace

class TestJeu : public QObject {
    Q_OBJECT
private slots:
    // le tirage mené pas à pas : commandes coupées, puis la saisie ouverte dans le pas même où le tirage finit
    void tirageAnimePasAPas()
    {
        for (unsigned graine : {3u, 11u, 24u}) {
            Principale p;
            p.w.ImposerGraine(graine);
            p.w.RubriqueCompteTireAuSortClick();
            QVERIFY(p.w.MinuterieAnimation().isActive());
            p.w.MinuterieAnimation().stop();
            QVERIFY(!p.Actif("RubriqueCompteTireAuSort") && !p.Actif("RubriqueComptePropose"));
            QVERIFY(!p.Actif("MenuTireAuSortAvec") && !p.Actif("RubriqueTireAuSortAvec3"));
            QVERIFY(!p.Actif("MenuSolutions") && !p.Actif("SpeedButtonCalc") && !p.Actif("SpeedButtonInfo"));
            QVERIFY(p.Actif("SpeedButtonStats") && p.Actif("RubriqueAPropos"));
            QCOMPARE(p.w.Jeu().Origine(), OrigineJeu::TireAuSort);
            QVERIFY(p.w.Jeu().StatistiquesEnAttente());
            QCOMPARE(p.w.Donnees().OrdreSolutions, 0);
            QCOMPARE(p.w.Donnees().PlaqueDeRang, (SixEntiers{0, 1, 2, 3, 4, 5}));

            // le même tirage, mené à part, dit dans quel pas il finit
            TirageAuSort reference;
            reference.Reinitialiser(graine);
            reference.Demarrer();
            uint32_t finAttendue = 0;
            while (finAttendue == 0)
                if (reference.Avancer().Termine)
                    finAttendue = reference.Animation().TempsAnimation;
            const SixEntiers plaques = reference.Plaques();
            const int32_t but = reference.But();

            uint32_t tempsSaisie = 0;
            GardienModal gardien(
                [&](QWidget* w) {
                    tempsSaisie = p.w.Jeu().Tirage().Animation().TempsAnimation;
                    // au moment de la saisie, tout est arrêté et les commandes rendues
                    QVERIFY(!p.w.MinuterieAnimation().isActive());
                    QVERIFY(p.Actif("RubriqueCompteTireAuSort") && p.Actif("MenuSolutions"));
                    QVERIFY(p.Actif("SpeedButtonCalc") && !p.Actif("SpeedButtonInfo"));
                    QVERIFY(!p.Actif("RubriqueUtilisant2Plaques"));
                    QCOMPARE(w->pos(), p.w.pos() + QPoint(325, 0));
                    FermerParLaCase(w);
                },
                30000, TitreSaisie);
            for (int pas = 0; pas < 400 && !gardien.Vu(); ++pas) {
                p.w.TimerAnimationTimer();
                for (size_t k = 0; k < 6; ++k)
                    QCOMPARE(p.w.Jeu().PlaquesCachees()[k], p.w.Jeu().Tirage().Animation().TempsAnimation < 1000 * (k + 1));
            }
            QTRY_VERIFY(gardien.Fini());
            QCOMPARE(tempsSaisie, finAttendue);
            QCOMPARE(p.w.Donnees().Plaques, plaques);
            QCOMPARE(p.w.Donnees().But, but);
        }
    }

    // « Tiré au sort avec » : même tirage, avec le nombre de grandes plaques demandé
    void tirageAvecGrandesPlaques()
    {
        for (int n : {0, 3, 4}) {
            Principale p;
            auto* rubrique = p.w.findChild<QAction*>(QStringLiteral("RubriqueTireAuSortAvec%1").arg(n));
            QVERIFY(rubrique && p.Actif("MenuTireAuSortAvec"));
            QCOMPARE(rubrique->text().left(2), QStringLiteral("&%1").arg(n));
            rubrique->trigger();
            QVERIFY(p.w.MinuterieAnimation().isActive());
            p.w.MinuterieAnimation().stop();
            GardienModal saisie([](QWidget* w) { FermerParLaCase(w); }, 30000, TitreSaisie);
            while (!saisie.Vu() && p.w.Jeu().Tirage().Animation().TempsAnimation < 20000)
                p.w.TimerAnimationTimer();
            QTRY_VERIFY(saisie.Fini());
            QVERIFY(saisie.Vu());
            const SixEntiers& plaques = p.w.Donnees().Plaques;
            QCOMPARE(std::count_if(plaques.begin(), plaques.end(), [](int32_t v) { return v > 10; }), n);
            QCOMPARE(p.w.Jeu().Origine(), OrigineJeu::TireAuSort);
            QVERIFY(p.w.Jeu().StatistiquesEnAttente());
        }
    }

    // « Tiré au sort de niveau », juste après « Tiré au sort avec » : chaque rubrique lance le tirage de son
    // niveau, que la barre d'état annonce (le jeu de chaque niveau est vérifié, résolu, dans tests/jeu)
    void tirageDeNiveau()
    {
        Principale p;
        auto* menu = p.w.findChild<QMenu*>(QStringLiteral("MenuTireAuSortDeNiveau"));
        QVERIFY(menu && p.Actif("MenuTireAuSortDeNiveau"));
        QCOMPARE(menu->title(), QStringLiteral("Tiré au sort de &niveau"));
        const QList<QAction*> compte = p.w.findChild<QMenu*>("MenuCompte")->actions();
        QCOMPARE(compte.indexOf(menu->menuAction()) - 1, compte.indexOf(p.w.findChild<QMenu*>("MenuTireAuSortAvec")->menuAction()));
        // le plus long des textes d'un niveau manqué tient dans son panneau
        const QLabel* panneau = p.w.findChild<QLabel*>("StatusBarPanneau0");
        QVERIFY(panneau->fontMetrics().horizontalAdvance("5000 essais sans Difficile : jeu Impossible.") <= panneau->contentsRect().width());
        const QStringList niveaux{"Facile", "Moyen", "Difficile", "Expert"};
        QCOMPARE(menu->actions().size(), niveaux.size());
        for (qsizetype n = 0; n < niveaux.size(); ++n) {
            QCOMPARE(menu->actions()[n]->text(), "&" + niveaux[n]);
            p.w.ReinitialiserJeu();
            menu->actions()[n]->trigger();
            QVERIFY(p.w.MinuterieAnimation().isActive() && !menu->actions()[n]->isEnabled());
            p.w.MinuterieAnimation().stop();
            QCOMPARE(p.w.TexteStatut(0), "Jeu " + niveaux[n] + ".");
        }
    }

    // pendant la saisie, le panneau 0 compte les secondes du joueur ; vide ensuite
    void tempsAffichePendantLaSaisie()
    {
        int32_t maintenant = 50000;
        DefinirHorloge([&] { return maintenant; });
        Principale p;
        QStringList vus;
        GardienModal saisie(
            [&](QWidget* w) {
                vus << p.w.TexteStatut(0);
                maintenant += 2400;
                QTest::qWait(300);
                vus << p.w.TexteStatut(0);
                // « Refaire » fait repartir le temps affiché
                w->findChild<QPushButton*>("ButtonEffacer")->click();
                QTest::qWait(300);
                vus << p.w.TexteStatut(0);
                QTest::keyClick(w, Qt::Key_Escape);
            },
            5000, TitreSaisie);
        GardienModal pave([](QWidget* w) { QTest::keyClicks(w, "123456789"); }, 5000, TitrePave);
        p.w.findChild<QAction*>("RubriqueComptePropose")->trigger();
        QTRY_VERIFY(saisie.Fini());
        DefinirHorloge({});
        QCOMPARE(vus, (QStringList{"Temps : 0 s", "Temps : 2 s", "Temps : 0 s"}));
        QVERIFY(p.w.TexteStatut(0).isEmpty());
    }

    // la minuterie elle-même mène l'animation jusqu'à la saisie
    void tirageParLaMinuterie()
    {
        Principale p;
        p.w.MinuterieAnimation().setInterval(1);
        GardienModal gardien([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); }, 20000, TitreSaisie);
        p.w.findChild<QAction*>("RubriqueCompteTireAuSort")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(gardien.Fini(), 20000);
        QVERIFY(gardien.Vu());
        QVERIFY(!p.w.MinuterieAnimation().isActive());
        QVERIFY(!p.w.Donnees().EtatJoueur);  // Annuler : le joueur n'a pas joué
        QCOMPARE(p.w.Donnees().MeilleurJoueur, Aucun);
    }

    // les touches du pavé vont à leurs boutons, l'activation suit le modèle, le compte complet ouvre la saisie
    void paveNumerique()
    {
        Principale p;
        bool calculOuvert = false;
        GardienModal saisie([&](QWidget*) { calculOuvert = true; }, 20000, TitreSaisie);
        GardienModal pave(
            [&](QWidget* w) {
                auto* k = qobject_cast<TfrmPaveNumerique*>(w);
                QVERIFY(k);
                QCOMPARE(w->pos(), p.w.pos() + QPoint(325, 0));
                QVERIFY(!p.Actif("RubriqueCompteTireAuSort") && !p.Actif("MenuSolutions"));
                //                           0 1-9       10 25-100
                QCOMPARE(ActifsPave(k), QString("0" "111111111" "1" "1111"));
                QVERIFY(!w->findChild<QPushButton*>("ButtonRetour")->isEnabled());
                QTest::keyClicks(w, "11vxDC");
                QCOMPARE(p.w.Donnees().Plaques, (SixEntiers{1, 1, 25, 10, 10, 100}));
                QCOMPARE(ActifsPave(k), QString("0" "111111111" "0" "0000"));
                QTest::keyClick(w, Qt::Key_Backspace);
                QVERIFY(p.w.Jeu().PlaquesCachees()[5]);
                QCOMPARE(ActifsPave(k), QString("0" "011111111" "0" "0111"));
                // une fenêtre rendue après avoir été réduite garde ce qui a été saisi
                RendreApresReduction(w);
                QCOMPARE(k->Modele().NbPlaquesSaisies, 5);
                QTest::keyClicks(w, "sLl");  // six plaques : L et l ne font plus rien
                QCOMPARE(p.w.Donnees().Plaques[5], 75);
                QTest::keyClicks(w, "101");
                QVERIFY(!w->isVisible());
                QCOMPARE(p.w.Donnees().But, 101);
                QVERIFY(p.Actif("MenuSolutions") && p.Actif("SpeedButtonCalc"));
            },
            5000, TitrePave);
        p.w.findChild<QAction*>("RubriqueComptePropose")->trigger();
        QTRY_VERIFY(pave.Fini());
        QVERIFY(pave.Vu());
        QTRY_VERIFY(saisie.Fini());
        QVERIFY(calculOuvert);
        QCOMPARE(p.w.Donnees().Plaques, (SixEntiers{1, 1, 25, 10, 10, 75}));
        QCOMPARE(p.w.Jeu().Origine(), OrigineJeu::Propose);
        QVERIFY(p.w.Jeu().StatistiquesEnAttente());
        QVERIFY(p.Actif("RubriqueCompteTireAuSort") && p.Actif("RubriqueComptePropose"));
        QVERIFY(p.Actif("MenuSolutions"));
        QVERIFY(!p.Actif("RubriqueUtilisant2Plaques"));
    }

    void paveCompte999EtAnnulations_data()
    {
        QTest::addColumn<QString>("touches");
        QTest::addColumn<int>("fin");  // 0 compte complet, 1 Annuler, 2 Échap, 3 case de fermeture
        QTest::newRow("999") << "998877" "999" << 0;
        QTest::newRow("Annuler") << "12345" << 1;
        QTest::newRow("Échap") << "123456" "4" << 2;
        QTest::newRow("case de fermeture") << "2" << 3;
    }

    void paveCompte999EtAnnulations()
    {
        QFETCH(QString, touches);
        QFETCH(int, fin);
        Principale p;
        GardienModal saisie({}, fin == 0 ? 5000 : 300, TitreSaisie);
        GardienModal pave(
            [&](QWidget* w) {
                QTest::keyClicks(w, touches);
                if (fin == 1)
                    w->findChild<QPushButton*>("ButtonAnnuler")->click();
                else if (fin == 2)
                    QTest::keyClick(w, Qt::Key_Escape);
                else if (fin == 3)
                    FermerParLaCase(w);
            },
            5000, TitrePave);
        p.w.findChild<QAction*>("RubriqueComptePropose")->trigger();
        QTRY_VERIFY(pave.Fini());
        QTRY_VERIFY(saisie.Fini());
        QCOMPARE(saisie.Vu(), fin == 0);
        if (fin == 0) {
            QCOMPARE(p.w.Donnees().But, 999);
            QCOMPARE(p.w.Donnees().Plaques, (SixEntiers{9, 9, 8, 8, 7, 7}));
        } else {
            // tout ce qui a été saisi disparaît ; rien à résoudre
            QCOMPARE(p.w.Donnees().Plaques, (SixEntiers{0, 0, 0, 0, 0, 0}));
            QCOMPARE(p.w.Donnees().But, 0);
            for (bool cachee : p.w.Jeu().PlaquesCachees())
                QVERIFY(cachee);
            QVERIFY(!p.Actif("MenuSolutions") && !p.Actif("SpeedButtonCalc"));
        }
        QVERIFY(p.Actif("RubriqueCompteTireAuSort") && p.Actif("RubriqueComptePropose"));
    }

    // tirage à graine fixe, calcul du joueur rejoué depuis une solution, puis recherche : son rang
    void partieComplete()
    {
        // une graine dont le compte tombe juste
        unsigned graine = 0;
        for (unsigned g = 100; g < 200 && graine == 0; ++g) {
            Principale essai;
            essai.w.ImposerGraine(g);
            MenerTirage(essai.w);
            const DonneesRecherche d = ResoluAPart(essai.w, OrdreDuTorduAuSimple);
            if (d.ButAtteint && d.ListeSolutions.Nombre() > 3)
                graine = g;
        }
        QVERIFY(graine != 0);

        Principale p;
        p.w.ImposerGraine(graine);
        std::string rejoue;
        MenerTirage(p.w, [&](TfrmSaisieCalcul* s) {
            // rejoue la solution la plus tordue par les boutons
            rejoue = ResoluAPart(p.w, OrdreDuTorduAuSimple).ListeSolutions.Texte(0);
            RejouerCalcul(s, rejoue);
        });
        DonneesRecherche& d = p.w.Donnees();
        QCOMPARE(d.MeilleurJoueur, d.But);
        QVERIFY(d.TempsJoueur >= 0);
        QVERIFY(d.EtatJoueur && d.EtatJoueur->NbOperations > 0);

        // le même calcul posé directement dans le moteur sert de référence
        DonneesRecherche reference;
        reference.Plaques = d.Plaques;
        reference.But = d.But;
        reference.EtatJoueur = d.EtatJoueur;
        reference.MeilleurJoueur = d.MeilleurJoueur;
        reference.SommeJoueur = SommeResultats(*d.EtatJoueur);
        reference.MaxJoueur = PlusGrandResultatAnterieur(*d.EtatJoueur);
        reference.OrdreSolutions = 2;
        ExecuterRecherche(reference);

        p.w.findChild<QAction*>("RubriqueDuTorduAuSimple")->trigger();
        QCOMPARE(d.NbMeilleursQueJoueur, reference.NbMeilleursQueJoueur);
        QVERIFY(d.NbMeilleursQueJoueur < d.NbPossibilites);
        // le joueur a rejoué la plus tordue : la première de cet ordre
        QCOMPARE(PositionSolutionJoueur(d), 0);
        QCOMPARE(d.ListeSolutions.Texte(0), rejoue);
        // dans l'autre ordre, la plus tordue vient en dernier (écrite comme la recherche l'a trouvée)
        p.w.findChild<QAction*>("RubriqueDuSimpleAuTordu")->trigger();
        QCOMPARE(d.NbMeilleursQueJoueur, reference.NbMeilleursQueJoueur);
        QCOMPARE(PositionSolutionJoueur(d), d.ListeSolutions.Nombre() - 1);
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    PreparerEnvironnement(application);
    TestJeu test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_jeu.moc"
