// un jeu de bout en bout : tirage animé pas à pas, pavé du compte proposé, saisie puis recherche
#include "Calcul_f.h"
#include "EnregistrementSolution.h"
#include "Environnement.h"
#include "ExecutionRecherche.h"
#include "Main_f.h"
#include "OutilsFenetres.h"
#include "Pavnum_f.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <set>

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

const QString TitreSaisie = QStringLiteral("Saisie du calcul");
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
    // le tirage mené pas à pas avec une graine fixe, pour plusieurs graines
    void tirageAnimePasAPas()
    {
        for (unsigned graine = 1; graine <= 25; ++graine) {
            Principale p;
            p.w.GraineImposee = graine;
            p.w.RubriqueCompteTireAuSortClick();
            QVERIFY(p.w.TimerAnimation.isActive());
            p.w.TimerAnimation.stop();
            QVERIFY(!p.Actif("RubriqueCompteTireAuSort") && !p.Actif("RubriqueComptePropose"));
            QVERIFY(!p.Actif("MenuSolutions") && !p.Actif("SpeedButtonCalc") && !p.Actif("SpeedButtonInfo"));
            QVERIFY(p.Actif("SpeedButtonStats") && p.Actif("RubriqueAPropos"));
            QCOMPARE(p.w.OrigineJeu, 1);
            QVERIFY(p.w.StatsAEnregistrer);
            QCOMPARE(p.w.Donnees().OrdreSolutions, 0);
            QCOMPARE(p.w.Donnees().PlaqueDeRang, (SixEntiers{0, 1, 2, 3, 4, 5}));
            for (int i = 0; i < 3; ++i) {
                const RouleauChiffre& r = p.w.Animation.Rouleaux[static_cast<size_t>(i)];
                QVERIFY(r.Delai >= 1000u * i && r.Delai < 1000u * i + 300);
                QVERIFY(r.Croissance >= 110 && r.Croissance < 160);
                QVERIFY(r.Periode >= 50 && r.Periode < 150);
            }

            bool saisieVue = false;
            uint32_t tempsSaisie = 0;
            GardienModal gardien(
                [&](QWidget* w) {
                    saisieVue = true;
                    tempsSaisie = p.w.Animation.TempsAnimation;
                    // au moment de la saisie, tout est arrêté et les commandes rendues
                    QVERIFY(!p.w.TimerAnimation.isActive());
                    QVERIFY(p.Actif("RubriqueCompteTireAuSort") && p.Actif("MenuSolutions"));
                    QVERIFY(p.Actif("SpeedButtonCalc") && !p.Actif("SpeedButtonInfo"));
                    QVERIFY(!p.Actif("RubriqueUtilisant2Plaques"));
                    QCOMPARE(w->pos(), p.w.pos() + QPoint(325, 0));
                    FermerParLaCase(w);
                },
                30000, TitreSaisie);

            int32_t premierBut = -1;
            uint32_t tempsPremierBut = 0;
            int32_t ancienBut = 0;
            for (int pas = 0; pas < 400 && !saisieVue; ++pas) {
                const auto avant = p.w.Animation;
                const bool toutesArreteesAvant = RouleauArrete(avant.Rouleaux[0]) && RouleauArrete(avant.Rouleaux[1]) &&
                                                 RouleauArrete(avant.Rouleaux[2]);
                p.w.TimerAnimationTimer();
                const uint32_t t = p.w.Animation.TempsAnimation;
                QCOMPARE(t, avant.TempsAnimation + 50);
                // la fin ne vient qu'après 6000, toutes les roues arrêtées
                QCOMPARE(saisieVue, toutesArreteesAvant && t > 6000);
                // une plaque de plus à chaque seconde pleine
                for (int k = 0; k < 6; ++k)
                    QCOMPARE(p.w.PlaqueCachee[static_cast<size_t>(k)], t < 1000u * (k + 1));
                // la plaque suivante, encore cachée, vient d'une entrée libre de la réserve
                if (t / 1000 < 6) {
                    const auto s = static_cast<size_t>(t / 1000);
                    const auto indice = static_cast<size_t>(p.w.IndiceReserve[s]);
                    QVERIFY(!p.w.ReserveUtilisee[indice]);
                    QCOMPARE(p.w.Donnees().Plaques[s], ReservePlaques[indice]);
                }
                const int32_t but = p.w.Donnees().But;
                QVERIFY(but != 100 && but >= 0 && but <= 999);
                if (but != ancienBut && premierBut < 0) {
                    premierBut = but;
                    tempsPremierBut = t;
                }
                // dizaines et unités ne bougent pas avant leur départ
                if (t <= 1000)
                    QCOMPARE(but % 100, 0);
                if (t <= 2000)
                    QCOMPARE(but % 10, 0);
                ancienBut = but;
            }
            QVERIFY(saisieVue);
            QTRY_VERIFY(gardien.Fini());
            QVERIFY(tempsSaisie > 6000 && tempsSaisie < 12000);
            QCOMPARE(premierBut, 200);
            QVERIFY(tempsPremierBut <= 450);
            const int32_t but = p.w.Donnees().But;
            QVERIFY2(but >= 101 && but <= 999, qPrintable(QString::number(but)));
            std::set<int> indices(p.w.IndiceReserve.begin(), p.w.IndiceReserve.end());
            QCOMPARE(indices.size(), size_t(6));
            for (size_t k = 0; k < 6; ++k)
                QCOMPARE(p.w.Donnees().Plaques[k], ReservePlaques[static_cast<size_t>(p.w.IndiceReserve[k])]);
        }
    }

    // la minuterie elle-même mène l'animation jusqu'à la saisie
    void tirageParLaMinuterie()
    {
        Principale p;
        p.w.TimerAnimation.setInterval(1);
        GardienModal gardien([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); }, 20000, TitreSaisie);
        p.w.findChild<QAction*>("RubriqueCompteTireAuSort")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(gardien.Fini(), 20000);
        QVERIFY(gardien.Vu());
        QVERIFY(!p.w.TimerAnimation.isActive());
        QVERIFY(!p.w.Donnees().EtatJoueur);  // Annuler : le joueur n'a pas joué
        QCOMPARE(p.w.Donnees().MeilleurJoueur, Aucun);
    }

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
                QTest::keyClicks(w, "11");
                QCOMPARE(ActifsPave(k), QString("0" "011111111" "1" "1111"));
                QTest::keyClicks(w, "1");  // troisième 1 : rien
                QCOMPARE(k->NbPlaquesSaisies, 2);
                QTest::keyClicks(w, "v");
                QCOMPARE(ActifsPave(k), QString("0" "011111111" "1" "0111"));
                QTest::keyClicks(w, "xD");  // deux 10
                QCOMPARE(p.w.Donnees().Plaques, (SixEntiers{1, 1, 25, 10, 10, 0}));
                QCOMPARE(p.w.PlaqueCachee, (std::array<bool, 6>{false, false, false, false, false, true}));
                QCOMPARE(ActifsPave(k), QString("0" "011111111" "0" "0111"));
                QTest::keyClicks(w, "C");
                // six plaques : seulement 1 à 9
                QCOMPARE(ActifsPave(k), QString("0" "111111111" "0" "0000"));
                QCOMPARE(p.w.Donnees().But, 0);
                // Retour enlève la sixième plaque et rend son bouton
                QTest::keyClick(w, Qt::Key_Backspace);
                QCOMPARE(p.w.Donnees().Plaques[5], 0);
                QVERIFY(p.w.PlaqueCachee[5]);
                QCOMPARE(ActifsPave(k), QString("0" "011111111" "0" "0111"));
                QTest::keyClicks(w, "s");  // 75
                QTest::keyClicks(w, "1");
                QCOMPARE(p.w.Donnees().But, 100);
                QCOMPARE(ActifsPave(k), QString("1" "111111111" "0" "0000"));
                QTest::keyClicks(w, "0");
                QCOMPARE(p.w.Donnees().But, 100);
                // 1 puis 0 : plus de 0, pour ne pas faire 100
                QCOMPARE(ActifsPave(k), QString("0" "111111111" "0" "0000"));
                // deux Retour effacent les chiffres, le troisième la sixième plaque
                QTest::keyClick(w, Qt::Key_Backspace);
                QCOMPARE(p.w.Donnees().But, 100);
                QTest::keyClick(w, Qt::Key_Backspace);
                QCOMPARE(p.w.Donnees().But, 0);
                QCOMPARE(k->NbPlaquesSaisies, 6);
                QTest::keyClick(w, Qt::Key_Backspace);
                QCOMPARE(k->NbPlaquesSaisies, 5);
                QTest::keyClicks(w, "s101");
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
        QCOMPARE(p.w.OrigineJeu, 2);
        QVERIFY(p.w.StatsAEnregistrer);
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
            for (bool cachee : p.w.PlaqueCachee)
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
            essai.w.GraineImposee = g;
            essai.w.RubriqueCompteTireAuSortClick();
            essai.w.TimerAnimation.stop();
            GardienModal fermer([](QWidget* w) { FermerParLaCase(w); }, 30000, TitreSaisie);
            while (!fermer.Vu() && essai.w.Animation.TempsAnimation < 20000)
                essai.w.TimerAnimationTimer();
            QTRY_VERIFY(fermer.Fini());
            DonneesRecherche d;
            d.Plaques = essai.w.Donnees().Plaques;
            d.But = essai.w.Donnees().But;
            d.OrdreSolutions = 2;
            ExecuterRecherche(d);
            if (d.ButAtteint && d.ListeSolutions.Count() > 3)
                graine = g;
        }
        QVERIFY(graine != 0);

        Principale p;
        p.w.GraineImposee = graine;
        std::string rejoue;
        GardienModal saisie(
            [&](QWidget* w) {
                auto* s = qobject_cast<TfrmSaisieCalcul*>(w);
                // rejoue la solution la plus tordue, ligne après ligne, par les boutons
                DonneesRecherche d;
                d.Plaques = p.w.Donnees().Plaques;
                d.But = p.w.Donnees().But;
                d.OrdreSolutions = 2;
                ExecuterRecherche(d);
                rejoue = d.ListeSolutions.Texte(0);
                size_t debut = 0;
                while (debut < rejoue.size() && s->isVisible()) {
                    const size_t fin = rejoue.find('\n', debut);
                    const std::string ligne = rejoue.substr(debut, fin - debut);
                    debut = fin + 1;
                    const size_t signe = ligne.find_first_of("+-*/");
                    const int32_t a = std::stoi(ligne.substr(0, signe));
                    const int32_t b = std::stoi(ligne.substr(signe + 1));
                    auto cliquer = [&](int32_t v) {
                        for (int i = 0; i < 6; ++i)
                            if (s->BoutonNombre(i)->isEnabled() && s->ValeurBouton[static_cast<size_t>(i)] == v) {
                                s->BoutonNombre(i)->click();
                                return;
                            }
                        QFAIL("nombre introuvable");
                    };
                    cliquer(a);
                    s->BoutonSigne(static_cast<int>(std::string("+-*/").find(ligne[signe])))->click();
                    cliquer(b);
                }
            },
            30000, TitreSaisie);
        p.w.RubriqueCompteTireAuSortClick();
        p.w.TimerAnimation.stop();
        while (!saisie.Vu() && p.w.Animation.TempsAnimation < 20000)
            p.w.TimerAnimationTimer();
        QTRY_VERIFY(saisie.Fini());
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
        const int32_t position = PositionSolutionJoueur(d);
        QVERIFY(position >= 0);
        QCOMPARE(d.ListeSolutions.Texte(position), rejoue);
        QCOMPARE(position, PositionSolutionJoueur(reference));
        // dans l'autre ordre, la position se compte depuis l'autre bout
        p.w.findChild<QAction*>("RubriqueDuSimpleAuTordu")->trigger();
        QCOMPARE(d.NbMeilleursQueJoueur, reference.NbMeilleursQueJoueur);
        QVERIFY(PositionSolutionJoueur(d) >= 0);
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
