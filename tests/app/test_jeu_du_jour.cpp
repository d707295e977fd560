// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// le jeu du jour par le vrai menu, sur une date imposée : l'animation finit sur le jeu de la date, la saisie, la
// boîte de résumé et le texte copié ; « varnel --jour » ouvre la fenêtre droit sur lui
#include "Environnement.h"
#include "Horloge.h"
#include "OutilsPartie.h"
#include "ResumeJour_f.h"

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>

namespace {

DateJour Date(const char* iso) { return *LireDate(iso); }

}  // namespace

class TestJeuDuJour : public QObject {
    Q_OBJECT
private slots:
    // vendredi 11 décembre 2026 : 3 25 8 9 7 6, 923, Difficile ; trouvé en 23,4 s, le premier jour de la série
    void parLeMenu()
    {
        QTemporaryDir dossier;
        HorlogeReglee horloge;
        TfrmMain w;
        w.UtiliserFichierIni(dossier.filePath(QStringLiteral("varnel.ini")));
        w.ImposerDate(Date("2026-12-11"));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        QMenu* compte = w.menuBar()->findChild<QMenu*>(QStringLiteral("MenuCompte"));
        QAction* rubrique = nullptr;
        for (QAction* a : compte->actions())
            rubrique = a->text() == QStringLiteral("Jeu du &jour") ? a : rubrique;
        QVERIFY(rubrique);
        QCOMPARE(rubrique->shortcut(), QKeySequence(QStringLiteral("Ctrl+J")));

        SixEntiers vues{};
        GardienModal saisie(
            [&](QWidget* s) {
                vues = w.Donnees().Plaques;
                horloge.maintenant += 23400;
                RejouerCalcul(qobject_cast<TfrmSaisieCalcul*>(s), "9+3=12\n12*8=96\n96-25=71\n7+6=13\n71*13=923\n");
            },
            30000, TitreSaisie);
        QStringList lignes;
        GardienModal resume(
            [&](QWidget* b) {
                auto* boite = qobject_cast<TfrmResumeJour*>(b);
                lignes = boite->Lignes();
                boite->BoutonCopier()->click();
            },
            30000, QStringLiteral("Jeu du jour"));
        w.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &w);
        QTest::keyClick(&w, Qt::Key_J, Qt::ControlModifier);
        QVERIFY(w.Jeu().AnimationEnCours());
        w.MinuterieAnimation().stop();
        while (!saisie.Vu() && w.Jeu().Tirage().Animation().TempsAnimation < 20000)
            w.TimerAnimationTimer();
        QTRY_VERIFY(resume.Fini());

        QCOMPARE(vues, (SixEntiers{3, 25, 8, 9, 7, 6}));
        QCOMPARE(w.Donnees().But, 923);
        // résolu dès la saisie finie, donc compté dans les statistiques
        QCOMPARE(w.Jeu().Phase(), PhaseJeu::Resolu);
        QCOMPARE(w.Fichier().LireCumuls()[Cumul::TrouvesH], 1);
        QCOMPARE(lignes.join(QLatin1Char('|')),
                 QStringLiteral("Jeu du 11 décembre 2026 (Difficile)|Résultat : trouvé en 23,4 s|"
                                "Série en cours : 1 jour|Plus longue série : 1 jour"));
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("Le varnel — jeu du 11 décembre 2026 (Difficile) : trouvé en 23,4 s — série d'un jour"));
    }

    // « varnel --jour » : l'animation du jeu du jour commence dès l'ouverture
    void optionJour()
    {
        QTemporaryDir dossier;
        TfrmMain w(QStringList{QStringLiteral("--jour")});
        w.UtiliserFichierIni(dossier.filePath(QStringLiteral("varnel.ini")));
        w.ImposerDate(Date("2026-12-13"));
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
    TestJeuDuJour test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_jeu_du_jour.moc"
