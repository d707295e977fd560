// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// une série de dix jeux jouée par les menus de la fenêtre principale : barre d'état après chaque jeu, jeu
// suivant sur demande, bilan de fin, la série et ses jeux dans l'historique ; l'abandon d'une série lancée par
// varnel --serie
#include "Environnement.h"
#include "FichiersEssai.h"
#include "HistoriqueJeux.h"
#include "OutilsPartie.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>

namespace {

// une fenêtre principale dont varnel.ini et l'historique sont propres à l'essai
struct Essai {
    explicit Essai(QStringList arguments = {}) : w(std::move(arguments))
    {
        w.UtiliserFichierIni(dossier.filePath(QStringLiteral("varnel.ini")));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
    }
    QAction* Action(const char* nom) { return w.findChild<QAction*>(QLatin1String(nom)); }
    QByteArray Base(const char* sql) const
    {
        return Sqlite3(THistoriqueJeux::CheminDansLeDossier(dossier.path()), QLatin1String(sql));
    }
    QString Etat() { return w.findChild<QLabel*>(QStringLiteral("StatusBarPanneau0"))->text(); }

    QTemporaryDir dossier;
    TfrmMain w;
};

// la question d'abandon, à laquelle on répond par ce bouton
struct Question : GardienModal {
    explicit Question(QMessageBox::StandardButton bouton)
        : GardienModal([bouton](QWidget* f) { qobject_cast<QMessageBox*>(f)->button(bouton)->click(); }, 5000,
                       QStringLiteral("Série en cours"))
    {
    }
};

}  // namespace

class TestSerieFenetre : public QObject {
    Q_OBJECT
private slots:
    // une série Facile, 30 s par jeu : les jeux impairs trouvés (10 points), les pairs annulés (0). Chaque jeu
    // est résolu dès la saisie finie ; le suivant vient par Entrée, Ctrl+T ou la rubrique ; puis le bilan, où
    // elle bat la meilleure série Facile déjà gardée (40 points). Le total est celui de ses dix jeux gardés
    void dixJeuxParLesMenus()
    {
        Essai e;
        {
            // avant que la fenêtre n'ouvre l'historique : une seule connexion à la fois
            THistoriqueJeux avant(e.dossier.path());
            LigneSerie record{0, "2026-12-01T10:00:00Z", {NiveauJeu::Facile, 10, 40, 4, 20000.0, true}};
            QCOMPARE(avant.AjouterSerie(record), std::nullopt);
        }
        e.Action("RubriqueTempsLimite30")->trigger();
        QCOMPARE(e.Action("RubriqueTempsSerie")->text(), QStringLiteral("30 s par jeu"));
        QCOMPARE(e.Action("RubriqueSerieOrdinaire")->shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));
        QMap<QString, QString> fin;
        GardienModal bilan(
            [&](QWidget* f) {
                for (auto* etiquette : f->findChildren<QLabel*>())
                    fin[etiquette->objectName()] = etiquette->text();
            },
            60000, QStringLiteral("Fin de la série"));
        for (int k = 1; k <= 10; ++k) {
            e.w.ImposerGraine(500 + k);
            MenerTirage(
                e.w,
                [&](TfrmSaisieCalcul* s) {
                    QCOMPARE(e.w.Jeu().TempsLimite(), 30);
                    if (k % 2)
                        RejouerCalcul(s, ResoluAPart(e.w, OrdreDuSimpleAuTordu).ListeSolutions.Texte(0));
                    else
                        QTest::keyClick(s, Qt::Key_Escape);
                },
                [&] {
                    // un raccourci n'atteint que la fenêtre active
                    e.w.activateWindow();
                    QTRY_COMPARE(QApplication::activeWindow(), &e.w);
                    if (k == 1)
                        e.Action("RubriqueSerieFacile")->trigger();
                    else if (k <= 3)
                        QTest::keyClick(&e.w, k == 2 ? Qt::Key_Return : Qt::Key_T, k == 2 ? Qt::NoModifier : Qt::ControlModifier);
                    else
                        e.Action("RubriqueJeuSuivant")->trigger();
                });
            QCOMPARE(e.Etat(), QStringLiteral("Série : jeu %1/10 — %2 points").arg(k).arg(10 * ((k + 1) / 2)));
            QCOMPARE(e.Action("RubriqueJeuSuivant")->isEnabled(), k < 10);
        }
        QTRY_VERIFY(bilan.Fini());
        QCOMPARE(QStringList({fin["LabelNiveau"], fin["LabelPoints"], fin["LabelTrouves"], fin["LabelRecord"],
                              fin["LabelVerdict"]}),
                 QStringList({"Facile", "50/100", "5/10", "40/100", "Nouveau record !"}));
        QVERIFY(!e.w.SerieEnCours());
        QCOMPARE(e.Base("SELECT numero, jeux, points, trouves, finie FROM series"), QByteArray("1|10|40|4|1\n2|10|50|5|1\n"));
        QCOMPARE(e.Base("SELECT count(*), sum(points), sum(joueur = compte) FROM jeux WHERE serie = 2"),
                 QByteArray("10|50|5\n"));
    }

    // varnel --serie moyen ; un autre jeu ou la fermeture demande d'abord : Non garde la série, Oui l'abandonne
    void abandon()
    {
        Essai e({"--serie", "moyen"});
        QTRY_VERIFY(e.w.SerieEnCours());
        QCOMPARE(e.w.SerieEnCours()->Niveau(), NiveauSerie(NiveauJeu::Moyen));
        {
            Question non(QMessageBox::No);
            QVERIFY(!e.w.close());
            QVERIFY(non.Vu() && e.w.SerieEnCours());
        }
        QVERIFY(e.w.MinuterieAnimation().isActive());  // l'animation reprend
        MenerTirage(e.w, {}, [] {});
        Question oui(QMessageBox::Yes);
        e.Action("RubriqueTireAuSortAvec2")->trigger();
        QVERIFY(oui.Vu() && !e.w.SerieEnCours());
        QCOMPARE(e.Etat(), QString());  // la barre d'état ne parle plus de la série
        QVERIFY(e.w.MinuterieAnimation().isActive());
        e.w.MinuterieAnimation().stop();
        // gardée non finie, avec son jeu joué
        QCOMPARE(e.Base("SELECT niveau, jeux, finie, (SELECT count(*) FROM jeux WHERE serie = 1) FROM series"),
                 QByteArray("2|1|0|1\n"));
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    PreparerEnvironnement(application);
    TestSerieFenetre test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_serie_fenetre.moc"
