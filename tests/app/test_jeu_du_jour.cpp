// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// le jeu du jour par le vrai menu, sur une date imposée : l'animation finit sur le jeu de la date, la saisie, la
// boîte de résumé et le texte copié ; joué deux fois, il n'est qu'une fois un jeu du jour dans l'historique ;
// la série dans la fenêtre de l'historique ; « varnel --jour » ouvre la fenêtre droit sur lui
#include "Environnement.h"
#include "FichiersEssai.h"
#include "Histo_f.h"
#include "commun/LignesEssai.h"
#include "OutilsPartie.h"
#include "ResumeJour_f.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QTemporaryDir>

namespace {

DateJour Date(const char* iso) { return *LireDate(iso); }

// ce qu'un jeu du jour joué par Ctrl+J a montré
struct EssaiDuJour {
    SixEntiers Plaques{};
    QString Statut;  // la barre d'état pendant l'animation
    QStringList Resume;
};

// Ctrl+J, l'animation menée pas à pas, la saisie où le joueur met 23,4 s à taper calcul, la boîte de résumé
// où il copie son résultat
EssaiDuJour JouerLeJeuDuJour(TfrmMain& w, HorlogeReglee& horloge, const std::string& calcul)
{
    EssaiDuJour joue;
    GardienModal saisie(
        [&](QWidget* s) {
            joue.Plaques = w.Donnees().Plaques;
            horloge.maintenant += 23400;
            RejouerCalcul(qobject_cast<TfrmSaisieCalcul*>(s), calcul);
        },
        30000, TitreSaisie);
    GardienModal resume(
        [&](QWidget* b) {
            auto* boite = qobject_cast<TfrmResumeJour*>(b);
            joue.Resume = boite->Lignes();
            boite->BoutonCopier()->click();
        },
        30000, QStringLiteral("Jeu du jour"));
    w.activateWindow();
    if (!QTest::qWaitFor([&] { return QApplication::activeWindow() == &w; }))
        return joue;
    QTest::keyClick(&w, Qt::Key_J, Qt::ControlModifier);
    joue.Statut = w.TexteStatut(0);
    w.MinuterieAnimation().stop();
    while (!saisie.Vu() && w.Jeu().Tirage().Animation().TempsAnimation < 20000)
        w.TimerAnimationTimer();
    QTest::qWaitFor([&] { return resume.Fini(); }, 10000);
    return joue;
}

}  // namespace

class TestJeuDuJour : public QObject {
    Q_OBJECT
private slots:
    // vendredi 11 décembre 2026 : 3 25 8 9 7 6, 923, Difficile. Le jeu de la veille était trouvé : le premier
    // essai, trouvé en 23,4 s, fait deux jours de suite ; le second, manqué, est un jeu proposé qui ne change
    // rien à la série
    void deuxFoisParLeMenu()
    {
        QTemporaryDir dossier;
        {
            LigneHistorique veille = LigneEssai(0);
            veille.Origine = OrigineJeu::Jour;
            veille.JourDuJeu = 20261210;
            QCOMPARE(THistoriqueJeux(dossier.path()).Ajouter(veille), std::nullopt);
        }
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

        const EssaiDuJour premier = JouerLeJeuDuJour(w, horloge, "9+3=12\n12*8=96\n96-25=71\n7+6=13\n71*13=923\n");
        QCOMPARE(premier.Plaques, (SixEntiers{3, 25, 8, 9, 7, 6}));
        QCOMPARE(w.Donnees().But, 923);
        // résolu dès la saisie finie, donc enregistré
        QCOMPARE(w.Jeu().Phase(), PhaseJeu::Resolu);
        QCOMPARE(premier.Resume.join(QLatin1Char('|')),
                 QStringLiteral("Jeu du 11 décembre 2026 (Difficile)|Résultat : trouvé en 23,4 s|"
                                "Série en cours : 2 jours|Plus longue série : 2 jours"));
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("Le varnel — jeu du 11 décembre 2026 (Difficile) : trouvé en 23,4 s — 2 jours de suite"));

        const EssaiDuJour second = JouerLeJeuDuJour(w, horloge, "9+3=12\n12*8=96\n96-25=71\n71*7=497\n497+6=503\n");
        QCOMPARE(second.Plaques, premier.Plaques);
        QCOMPARE(second.Statut, QStringLiteral("Jeu du jour déjà joué : compté comme proposé."));
        QCOMPARE(second.Resume.join(QLatin1Char('|')),
                 QStringLiteral("Jeu du 11 décembre 2026 (Difficile)|Résultat du premier essai : trouvé en 23,4 s|"
                                "Série en cours : 2 jours|Plus longue série : 2 jours|"
                                "Déjà joué ce jour-là : cet essai compte comme un jeu proposé."));
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("Le varnel — jeu du 11 décembre 2026 (Difficile) : trouvé en 23,4 s — 2 jours de suite"));

        QCOMPARE(Sqlite3(THistoriqueJeux::CheminDansLeDossier(dossier.path()),
                         QStringLiteral("SELECT origine, jour, joueur FROM jeux ORDER BY numero")),
                 QByteArray("3|20261210|101\n3|20261211|923\n2||503\n"));
        const CumulsStat cumuls = w.Fichier().LireCumuls();
        QCOMPARE(cumuls[Cumul::TiresAuSort], 2);
        QCOMPARE(cumuls[Cumul::Proposes], 1);

        // la fenêtre de l'historique : la série, et les jeux du jour dans le filtre
        w.RubriqueHistoriqueClick();
        QTRY_VERIFY(w.FenetreHistorique());
        QCOMPARE(w.FenetreHistorique()->TexteSerieJours(),
                 QStringLiteral("Série de jours en cours : 2 jours — plus longue série : 2 jours"));
        auto* origine = w.FenetreHistorique()->findChild<QComboBox*>(QStringLiteral("ChoixOrigine"));
        origine->setCurrentIndex(origine->findText(QStringLiteral("jeux du jour")));
        QCOMPARE(w.FenetreHistorique()->Tableau()->model()->rowCount(), 2);
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
