// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// une série de dix jeux jouée par les menus de la fenêtre principale : barre d'état après chaque jeu, jeu
// suivant sur demande, bilan de fin ; l'abandon d'une série lancée par varnel --serie
#include "Environnement.h"
#include "ExecutionRecherche.h"
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
    QString Etat() { return w.findChild<QLabel*>(QStringLiteral("StatusBarPanneau0"))->text(); }
    // un raccourci de la fenêtre principale, qui doit être active pour le recevoir
    void Touche(Qt::Key touche, Qt::KeyboardModifiers modificateurs = {})
    {
        w.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &w);
        QTest::keyClick(&w, touche, modificateurs);
    }

    QTemporaryDir dossier;
    TfrmMain w;
};

// la saisie rejoue la solution la plus simple du jeu, trouvée à part par le moteur
void TrouverLeCompte(const TfrmMain& w, TfrmSaisieCalcul* s)
{
    DonneesRecherche d;
    d.Plaques = w.Donnees().Plaques;
    d.But = w.Donnees().But;
    d.OrdreSolutions = OrdreDuSimpleAuTordu;
    ExecuterRecherche(d);
    RejouerCalcul(s, d.ListeSolutions.Texte(0));
}

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
    // est résolu dès la saisie finie ; le suivant vient par Entrée, Ctrl+T ou la rubrique ; puis le bilan
    void dixJeuxParLesMenus()
    {
        Essai e;
        e.Action("RubriqueTempsLimite30")->trigger();
        QCOMPARE(e.Action("RubriqueTempsSerie")->text(), QStringLiteral("30 s par jeu"));
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
                    k % 2 ? TrouverLeCompte(e.w, s) : QTest::keyClick(s, Qt::Key_Escape);
                },
                [&] {
                    if (k == 1)
                        e.Action("RubriqueSerieFacile")->trigger();
                    else if (k == 2)
                        e.Touche(Qt::Key_Return);
                    else if (k == 3)
                        e.Touche(Qt::Key_T, Qt::ControlModifier);
                    else
                        e.Action("RubriqueJeuSuivant")->trigger();
                });
            QCOMPARE(e.w.Donnees().OrdreSolutions, OrdreDuSimpleAuTordu);
            QCOMPARE(e.Etat(), QStringLiteral("Série : jeu %1/10 — %2 points").arg(k).arg(10 * ((k + 1) / 2)));
            QCOMPARE(e.Action("RubriqueJeuSuivant")->isEnabled(), k < 10);
        }
        QTRY_VERIFY(bilan.Fini());
        QCOMPARE(QStringList({fin["LabelNiveau"], fin["LabelPoints"], fin["LabelTrouves"], fin["LabelRecord"]}),
                 QStringList({"Facile", "50/100", "5/10", "Aucune"}));
        QVERIFY(!e.w.SerieEnCours());
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
