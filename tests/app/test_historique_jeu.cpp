// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// l'historique depuis la fenêtre principale : un jeu par première résolution, à côté du varnel.ini en service,
// Ctrl+H, Rejouer, les raccourcis de la fenêtre principale depuis l'historique ; deux exemplaires du programme
// qui jouent à tour de rôle ; le jeu du jour
// joué deux fois par le menu sur une date imposée, sa série ; « varnel --jour »
#include "Environnement.h"
#include "FichiersEssai.h"
#include "Histo_f.h"
#include "OutilsPartie.h"
#include "ResumeJour_f.h"
#include "commun/LignesEssai.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineSeries>
#include <QProcess>
#include <QScatterSeries>
#include <QTableView>
#include <QTemporaryDir>

namespace {

const QString TitrePave = QStringLiteral("Pavé numérique");
const QString Enregistreur = QStringLiteral(ENREGISTREUR);

// un compte proposé, 1 2 3 4 5 6 et 500, la saisie abandonnée par Échap, puis Ctrl+S
void JouerUnPropose(TfrmMain& w)
{
    {
        GardienModal saisie([](QWidget* s) { QTest::keyClick(s, Qt::Key_Escape); }, 5000, TitreSaisie);
        GardienModal pave([](QWidget* p) { QTest::keyClicks(p, "123456500"); }, 5000, TitrePave);
        w.findChild<QAction*>(QStringLiteral("RubriqueComptePropose"))->trigger();
        QTRY_VERIFY(saisie.Fini());
        QVERIFY(saisie.Vu());
    }
    w.RubriqueDuSimpleAuTorduClick();
}


}  // namespace

class TestHistoriqueJeu : public QObject {
    Q_OBJECT
private slots:
    // un compte proposé joué et un tirage abandonné : deux lignes, et les statistiques des deux jeux ;
    // une seconde résolution n'ajoute rien ; Ctrl+H les montre ; un double-clic rejoue le premier
    void deuxJeuxPuisRejouer()
    {
        QTemporaryDir dossier;
        const QString ini = dossier.filePath(QStringLiteral("varnel.ini"));
        const QString base = dossier.filePath(QStringLiteral("historique.sqlite"));
        TfrmMain w;
        w.UtiliserFichierIni(ini);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        {
            GardienModal saisie(
                [](QWidget* s) {
                    RejouerCalcul(qobject_cast<TfrmSaisieCalcul*>(s), "6*5=30\n30*4=120\n120*3=360\n360*2=720\n720+1=721\n");
                },
                5000, TitreSaisie);
            GardienModal pave([](QWidget* p) { QTest::keyClicks(p, "123456789"); }, 5000, TitrePave);
            w.findChild<QAction*>(QStringLiteral("RubriqueComptePropose"))->trigger();
            QTRY_VERIFY(saisie.Fini());
            QVERIFY(saisie.Vu());
        }
        QCOMPARE(w.Donnees().MeilleurJoueur, 721);
        // chaque jeu gardé à sa première résolution (son ordre), une seule fois
        const QString lues = QStringLiteral("SELECT origine, plaque1, plaque2, plaque3, plaque4, plaque5, plaque6, compte, "
                                            "ordre, joueur, place_solutions FROM jeux ORDER BY numero");
        w.RubriqueDuSimpleAuTorduClick();
        w.RubriqueDuTorduAuSimpleClick();
        QCOMPARE(Sqlite3(base, lues), QByteArray("2|1|2|3|4|5|6|789|1|721|\n"));
        MenerTirage(w, [](TfrmSaisieCalcul* s) { QTest::keyClick(s, Qt::Key_Escape); });
        w.RubriqueDuTorduAuSimpleClick();
        w.RubriqueDuSimpleAuTorduClick();
        QCOMPARE(Sqlite3(base, QStringLiteral("SELECT origine, ordre, joueur FROM jeux ORDER BY numero")),
                 QByteArray("2|1|721\n1|2|\n"));
        const CumulsStat cumuls = TFichierIni(ini).LireCumuls();
        QCOMPARE(cumuls[Cumul::RecherchesM], 2);
        QCOMPARE(cumuls[Cumul::Proposes], 1);
        QCOMPARE(cumuls[Cumul::TiresAuSort], 1);

        // Ctrl+H : les deux jeux, un seul joué (un point de temps), la part sur les deux jeux
        w.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &w);
        QTest::keyClick(&w, Qt::Key_H, Qt::ControlModifier);
        QTRY_VERIFY(w.FenetreHistorique() != nullptr);
        TfrmHistorique* h = w.FenetreHistorique();
        QCOMPARE(h->windowTitle(), QStringLiteral("Historique des jeux"));
        QCOMPARE(h->Tableau()->model()->rowCount(), 2);
        QCOMPARE(h->SerieTemps(true)->count() + h->SerieTemps(false)->count(), 1);
        QCOMPARE(h->SeriePart()->count(), 2);

        // double-clic sur la première ligne (le tirage, le plus récent) : ses plaques et son compte, la saisie
        const SixEntiers plaques = w.Donnees().Plaques;
        const int32_t but = w.Donnees().But;
        w.ReinitialiserJeu();
        QVERIFY(QTest::qWaitForWindowExposed(h));
        SixEntiers vues{};
        int32_t butVu = 0;
        GardienModal saisie(
            [&](QWidget* s) {
                vues = w.Donnees().Plaques;
                butVu = w.Donnees().But;
                QTest::keyClick(s, Qt::Key_Escape);
            },
            5000, TitreSaisie);
        QTableView* t = h->Tableau();
        const QPoint centre = t->visualRect(t->model()->index(0, 1)).center();
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, centre);
        QTRY_VERIFY(saisie.Fini());
        QVERIFY(saisie.Vu());
        QCOMPARE(vues, plaques);
        QCOMPARE(butVu, but);
        QCOMPARE(w.Jeu().Origine(), OrigineJeu::Propose);
        QVERIFY(w.Jeu().StatistiquesEnAttente());
        QCOMPARE(w.Jeu().PlaquesCachees(), (std::array<bool, 6>{}));

        // le jeu rejoué, une fois résolu, arrive dans la fenêtre ouverte ; Ctrl+H la ramène sans en ouvrir une autre
        w.RubriqueDuSimpleAuTorduClick();
        QCOMPARE(h->Tableau()->model()->rowCount(), 3);
        w.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &w);
        QTest::keyClick(&w, Qt::Key_H, Qt::ControlModifier);
        QTRY_VERIFY(h->isVisible());
        QCOMPARE(w.FenetreHistorique(), h);
        QCOMPARE(w.findChildren<TfrmHistorique*>().size(), qsizetype{1});

        // les raccourcis de la fenêtre principale agissent depuis l'historique : Ctrl+Q ferme le programme
        h->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), h);
        QTest::keyClick(h, Qt::Key_Q, Qt::ControlModifier);
        QTRY_VERIFY(!w.isVisible());
        QTRY_VERIFY(w.FenetreHistorique() == nullptr);
    }

    // deux exemplaires lancés du même dossier jouent à tour de rôle, l'historique ouvert dans le premier :
    // tous les jeux restent, dans l'historique comme dans varnel.ini, et le premier tient toujours son verrou
    // sur la base après chacun de ses jeux (l'autre exemplaire est l'enregistreur, qui enregistre par les
    // mêmes fonctions)
    void deuxExemplaires()
    {
        QTemporaryDir dossier;
        const QString ini = dossier.filePath(QStringLiteral("varnel.ini"));
        const QString base = dossier.filePath(QStringLiteral("historique.sqlite"));
        QProcess b;
        // l'enregistreur dit « pret » avant chaque jeu, et le joue à chaque ligne reçue
        auto pret = [&] {
            while (!b.canReadLine() && b.waitForReadyRead(10000)) {
            }
            return b.readLine() == "pret\n";
        };
        auto jouerDansB = [&] {
            QVERIFY(pret());
            b.write("\n");
        };
        // un premier jeu, programme fermé ensuite
        b.start(Enregistreur, {QStringLiteral("partie"), dossier.path()});
        jouerDansB();
        QVERIFY(pret());
        b.closeWriteChannel();
        QVERIFY(b.waitForFinished(10000));

        TfrmMain a;
        a.UtiliserFichierIni(ini);
        a.show();
        QVERIFY(QTest::qWaitForWindowExposed(&a));
        b.start(Enregistreur, {QStringLiteral("partie"), dossier.path()});
        a.findChild<QAction*>(QStringLiteral("RubriqueHistorique"))->trigger();
        QTRY_VERIFY(a.FenetreHistorique() != nullptr);
        for (int tour = 0; tour < 2; ++tour) {
            JouerUnPropose(a);
            QVERIFY(TientLeVerrouSqlite(QCoreApplication::applicationPid(), base));
            jouerDansB();
        }
        QVERIFY(pret());
        QCOMPARE(a.FenetreHistorique()->Tableau()->model()->rowCount(), 4);
        TfrmHistorique* h = a.FenetreHistorique();
        h->move(h->pos() + QPoint(40, 30));
        h->close();
        b.closeWriteChannel();
        QVERIFY(b.waitForFinished(10000));
        QCOMPARE(b.exitCode(), 0);
        a.close();
        QCOMPARE(Sqlite3(base, QStringLiteral("SELECT count(*) FROM jeux; PRAGMA integrity_check")), QByteArray("5\nok\n"));
        QCOMPARE(TFichierIni(ini).LireCumuls()[Cumul::RecherchesM], 5);
    }

    // vendredi 11 décembre 2026 : 3 25 8 9 7 6, 923, Difficile ; la veille, trouvée, est dans l'historique.
    // Ctrl+J deux fois, la saisie tapée en 23,4 s : trouvé (deux jours de suite), puis manqué, en jeu proposé
    void jeuDuJourDeuxFois()
    {
        QTemporaryDir dossier;
        LigneHistorique veille = LigneEssai(0);
        veille.Origine = OrigineJeu::Jour;
        veille.JourDuJeu = 20261210;
        QCOMPARE(THistoriqueJeux(dossier.path()).Ajouter(veille), std::nullopt);
        HorlogeReglee horloge;
        TfrmMain w;
        w.UtiliserFichierIni(dossier.filePath(QStringLiteral("varnel.ini")));
        w.ImposerDate(*LireDate("2026-12-11"));
        w.show();
        QString statut;
        QStringList resume;
        for (const std::string calcul :
             {"9+3=12\n12*8=96\n96-25=71\n7+6=13\n71*13=923\n", "9+3=12\n12*8=96\n96-25=71\n71*7=497\n"}) {
            GardienModal saisie([&](QWidget* s) {
                horloge.maintenant += 23400;
                RejouerCalcul(qobject_cast<TfrmSaisieCalcul*>(s), calcul);
            }, 30000, TitreSaisie);
            GardienModal boite([&](QWidget* b) {
                resume = qobject_cast<TfrmResumeJour*>(b)->Lignes();
                qobject_cast<TfrmResumeJour*>(b)->BoutonCopier()->click();
            }, 30000, QStringLiteral("Jeu du jour"));
            w.activateWindow();
            QTRY_COMPARE(QApplication::activeWindow(), &w);
            QTest::keyClick(&w, Qt::Key_J, Qt::ControlModifier);
            statut = w.TexteStatut(0);
            w.MinuterieAnimation().stop();
            while (!saisie.Vu() && w.Jeu().Tirage().Animation().TempsAnimation < 20000)
                w.TimerAnimationTimer();
            QTRY_VERIFY(boite.Fini());
        }
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("Le varnel — jeu du 11 décembre 2026 (Difficile) : trouvé en 23,4 s — 2 jours de suite"));
        QCOMPARE(statut, QStringLiteral("Jeu du jour déjà joué : compté comme proposé."));
        QCOMPARE(resume.last(), QStringLiteral("Déjà joué ce jour-là : cet essai compte comme un jeu proposé."));
        QCOMPARE(Sqlite3(THistoriqueJeux::CheminDansLeDossier(dossier.path()),
                         QStringLiteral("SELECT origine, jour, compte, joueur FROM jeux ORDER BY numero")),
                 QByteArray("3|20261210|101|101\n3|20261211|923|923\n2||923|497\n"));
        w.RubriqueHistoriqueClick();
        QTRY_VERIFY(w.FenetreHistorique());
        QCOMPARE(w.FenetreHistorique()->TexteJoursDeSuite(), QStringLiteral("Jours de suite : 2 — le plus : 2"));
    }

    // « varnel --jour » : l'animation du jeu du jour commence dès l'ouverture
    void optionJour()
    {
        QTemporaryDir dossier;
        TfrmMain w(QStringList{QStringLiteral("--jour")});
        w.UtiliserFichierIni(dossier.filePath(QStringLiteral("varnel.ini")));
        w.ImposerDate(*LireDate("2026-12-13"));
        w.show();
        QTRY_VERIFY(w.Jeu().AnimationEnCours());
        QCOMPARE(w.Jeu().JeuDuJourEnCours()->But, 705);
        w.MinuterieAnimation().stop();
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    PreparerEnvironnement(application);
    TestHistoriqueJeu test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_historique_jeu.moc"
