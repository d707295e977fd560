// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
//
// les fenêtres secondaires sur un bureau : placées par leur cadre, sans cases de réduction ni
// d'agrandissement, fermées avec la fenêtre principale ; « Quitter » ferme le programme.
// Le même essai passe sous la plateforme offscreen, sous Xvfb nu et sous Xvfb avec openbox
// (VARNEL_GESTIONNAIRE_FENETRES=1 : les cadres sont alors dessinés et doivent être connus)
#include "Aide_f.h"
#include "Histo_f.h"
#include "Environnement.h"
#include "Main_f.h"
#include "OutilsFenetres.h"
#include "Ouverture.h"

#include <QAction>
#include <QMenu>
#include <QPixmap>
#include <QScreen>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <cstdlib>

namespace {

const QStringList Jeu500 = {"3", "7", "8", "25", "50", "100", "500"};

bool AvecGestionnaire() { return qEnvironmentVariableIntValue("VARNEL_GESTIONNAIRE_FENETRES") == 1; }

// écart du coin du cadre de la fenêtre à celui de la fenêtre principale, moins l'écart voulu
QPoint EcartAuCadre(const QWidget* fenetre, const QWidget* principale, QPoint voulu)
{
    return fenetre->frameGeometry().topLeft() - principale->frameGeometry().topLeft() - voulu;
}

bool ACoteDeDeuxPixels(QPoint ecart) { return std::abs(ecart.x()) <= 2 && std::abs(ecart.y()) <= 2; }

QString Decrire(const QWidget* fenetre, const QWidget* principale)
{
    const QRect f = fenetre->frameGeometry(), p = principale->frameGeometry();
    return QStringLiteral("%1 : cadre (%2,%3), principale (%4,%5)")
        .arg(fenetre->windowTitle())
        .arg(f.x())
        .arg(f.y())
        .arg(p.x())
        .arg(p.y());
}

}  // namespace

class TestFenetresSecondaires : public QObject {
    Q_OBJECT

    // la fenêtre principale résolue, montrée, placée par le gestionnaire de fenêtres s'il y en a un
    void Montrer(TfrmMain& w)
    {
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        if (AvecGestionnaire())
            QTRY_VERIFY2(w.frameGeometry() != w.geometry(), "le gestionnaire de fenêtres ne donne pas de cadre");
        QTRY_VERIFY(!w.TexteStatut(0).isEmpty());
    }

    // ce que doit montrer toute fenêtre secondaire ouverte : son cadre à sa place, une barre de titre
    // avec sa légende, ni réduction ni agrandissement
    void Verifier(QWidget* fenetre, const QWidget* principale, QPoint voulu, const QString& titre)
    {
        QVERIFY(QTest::qWaitForWindowExposed(fenetre));
        QCOMPARE(fenetre->windowTitle(), titre);
        if (AvecGestionnaire())
            QTRY_VERIFY2(fenetre->frameGeometry() != fenetre->geometry(), qPrintable(titre));
        QTRY_VERIFY2(ACoteDeDeuxPixels(EcartAuCadre(fenetre, principale, voulu)),
                     qPrintable(Decrire(fenetre, principale)));
        const Qt::WindowFlags drapeaux = fenetre->windowFlags();
        QVERIFY(drapeaux & Qt::WindowTitleHint);
        QVERIFY2(!(drapeaux & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)), qPrintable(titre));
    }

private slots:
    void init() { RemplacerOuverture([](const QUrl&) {}); }
    void cleanup() { RemplacerOuverture({}); }

    // information et statistiques, non modales : 325 pixels à droite, même hauteur ; la case de
    // fermeture reste refusée tant que le bouton est enfoncé
    void fenetresDesBoutons()
    {
        TfrmMain w(Jeu500);
        Montrer(w);
        const struct {
            const char* bouton;
            const char* fenetre;
            QString titre;
        } cas[] = {{"SpeedButtonStats", "TfrmStatistiques", QStringLiteral("Statistiques")},
                   {"SpeedButtonInfo", "TfrmInfoSolutions", QStringLiteral("Informations sur les solutions")}};
        for (const auto& c : cas) {
            auto* bouton = w.findChild<QToolButton*>(QLatin1String(c.bouton));
            bouton->click();
            auto* fenetre = w.findChild<QWidget*>(QLatin1String(c.fenetre));
            QVERIFY2(fenetre, c.fenetre);
            Verifier(fenetre, &w, QPoint(325, 0), c.titre);
            FermerParLaCase(fenetre);
            QVERIFY(fenetre->isVisible());
            bouton->click();
            QVERIFY(!w.findChild<QWidget*>(QLatin1String(c.fenetre)));
        }
    }

    // les fenêtres modales : saisie, pavé, inventaire à 325 pixels ; « À propos » à son propre écart
    void fenetresModales_data()
    {
        QTest::addColumn<QString>("rubrique");
        QTest::addColumn<QString>("titre");
        QTest::addColumn<QPoint>("ecart");
        QTest::newRow("inventaire") << "RubriqueSolutionsTousComptes" << "Solutions des comptes de 101 à 999"
                                    << QPoint(325, 0);
        QTest::newRow("pavé") << "RubriqueComptePropose" << "Pavé numérique" << QPoint(325, 0);
        QTest::newRow("à propos") << "RubriqueAPropos" << "À propos..." << QPoint(35, 136);
    }
    void fenetresModales()
    {
        QFETCH(QString, rubrique);
        QFETCH(QString, titre);
        QFETCH(QPoint, ecart);
        TfrmMain w(Jeu500);
        Montrer(w);
        GardienModal gardien([&](QWidget* f) { Verifier(f, &w, ecart, titre); }, 10000, titre);
        w.findChild<QAction*>(rubrique)->trigger();
        QTRY_VERIFY(gardien.Fini());
        QVERIFY2(gardien.Vu(), qPrintable(titre));
    }

    // la saisie du calcul s'ouvre comme les autres, sur un jeu tiré au sort
    void saisieDuCalcul()
    {
        TfrmMain w;
        w.ImposerGraine(7);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        if (AvecGestionnaire())
            QTRY_VERIFY(w.frameGeometry() != w.geometry());
        const QString titre = QStringLiteral("Saisie du calcul");
        GardienModal gardien([&](QWidget* f) { Verifier(f, &w, QPoint(325, 0), titre); }, 20000, titre);
        w.findChild<QAction*>("RubriqueCompteTireAuSort")->trigger();
        // l'animation avance tick par tick, sans attendre l'horloge
        w.MinuterieAnimation().stop();
        for (int tick = 0; tick < 1000 && !gardien.Vu(); ++tick)
            if (w.Jeu().Phase() == PhaseJeu::TirageEnCours)
                w.TimerAnimationTimer();
        QTRY_VERIFY(gardien.Fini());
        QVERIFY(gardien.Vu());
    }

    // F1 sans navigateur : la fenêtre « Aide du Varnel », son cadre entier dans la zone libre de l'écran, à
    // droite de la fenêtre principale quand la place le permet ; l'image de tête est une image
    void fenetreAide()
    {
        TfrmMain w(Jeu500);
        Montrer(w);
        RemplacerOuverture([](const QUrl&) { return false; });
        w.findChild<QAction*>("RubriqueAide")->trigger();
        auto* aide = w.findChild<TfrmAide*>();
        QVERIFY(aide);
        QVERIFY(QTest::qWaitForWindowExposed(aide));
        if (AvecGestionnaire())
            QTRY_VERIFY(aide->frameGeometry() != aide->geometry());
        const QRect libre = w.screen()->availableGeometry();
        QTRY_VERIFY2(libre.contains(aide->frameGeometry()), qPrintable(Decrire(aide, &w)));
        if (w.frameGeometry().right() + aide->frameGeometry().width() <= libre.right())
            QVERIFY2(aide->frameGeometry().left() > w.frameGeometry().right(), qPrintable(Decrire(aide, &w)));
        QVERIFY(aide->frameGeometry().height() > libre.height() / 2);

        // la première image de la page, chargée par la fenêtre elle-même
        QTextDocument* page = aide->Navigateur()->document();
        QString nom;
        for (QTextBlock bloc = page->begin(); bloc.isValid() && nom.isEmpty(); bloc = bloc.next())
            for (auto morceau = bloc.begin(); !morceau.atEnd() && nom.isEmpty(); ++morceau)
                if (morceau.fragment().charFormat().isImageFormat())
                    nom = morceau.fragment().charFormat().toImageFormat().name();
        QVERIFY(nom.startsWith("data:image/png;base64,"));
        const QVariant image = page->resource(QTextDocument::ImageResource, QUrl(nom));
        QVERIFY2(image.isValid(), "l'image de tête n'est pas chargée");
        const QImage lue = image.canConvert<QImage>() ? image.value<QImage>() : image.value<QPixmap>().toImage();
        // elle montre la fenêtre principale telle qu'elle est, à sa taille
        QCOMPARE(lue.size(), w.size());
        aide->close();
    }

    // fermer la fenêtre principale (par sa case ou par « Quitter ») ferme toutes les autres, celles des
    // boutons bascule comprises : plus rien ne retient le programme
    void toutSeFermeAvecLaPrincipale_data()
    {
        QTest::addColumn<bool>("parQuitter");
        QTest::newRow("case de fermeture") << false;
        QTest::newRow("Compte > Quitter") << true;
    }
    void toutSeFermeAvecLaPrincipale()
    {
        QFETCH(bool, parQuitter);
        TfrmMain w(Jeu500);
        Montrer(w);
        w.findChild<QToolButton*>("SpeedButtonStats")->click();
        w.findChild<QToolButton*>("SpeedButtonInfo")->click();
        // l'aide dans sa fenêtre, le bureau ne sachant pas ouvrir la page
        RemplacerOuverture([](const QUrl&) { return false; });
        w.findChild<QAction*>("RubriqueAide")->trigger();
        QVERIFY(w.findChild<TfrmAide*>() && w.findChild<TfrmAide*>()->isVisible());
        QVERIFY(w.FenetreInfoSolutions() && w.FenetreStatistiques());

        if (parQuitter) {
            QAction* quitter = w.findChild<QAction*>("RubriqueQuitter");
            QVERIFY(quitter);
            QCOMPARE(quitter->text(), QString("&Quitter"));
            QCOMPARE(quitter->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
            // sans gestionnaire de fenêtres, X ne rend pas toujours la fenêtre active : la rubrique seule
            w.activateWindow();
            if (QTest::qWaitFor([&w] { return QApplication::activeWindow() == &w; }, 3000))
                QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier);
            else
                quitter->trigger();
        } else {
            FermerParLaCase(&w);
        }
        QTRY_VERIFY(!w.isVisible());
        QVERIFY(!w.FenetreInfoSolutions() && !w.FenetreStatistiques());
        for (QWidget* fenetre : QApplication::topLevelWidgets())
            QVERIFY2(!fenetre->isVisible(), qPrintable(fenetre->windowTitle()));
    }

    // « Historique des jeux » : son cadre entier dans la zone libre de l'écran, même agrandi deux fois ;
    // Ctrl+Q dans la fenêtre de l'historique ferme le programme
    void fenetreHistorique()
    {
        QTemporaryDir dossier;
        TfrmMain w(Jeu500);
        w.UtiliserFichierIni(dossier.filePath(QStringLiteral("varnel.ini")));
        Montrer(w);
        w.findChild<QAction*>("RubriqueHistorique")->trigger();
        QWidget* historique = w.FenetreHistorique();
        QVERIFY(historique);
        QVERIFY(QTest::qWaitForWindowExposed(historique));
        if (AvecGestionnaire())
            QTRY_VERIFY(historique->frameGeometry() != historique->geometry());
        const QRect libre = w.screen()->availableGeometry();
        QTRY_VERIFY2(libre.contains(historique->frameGeometry()), qPrintable(Decrire(historique, &w)));
        historique->activateWindow();
        if (!QTest::qWaitFor([historique] { return QApplication::activeWindow() == historique; }, 3000))
            QSKIP("sans gestionnaire de fenêtres, X ne rend pas la fenêtre active");
        QTest::keyClick(historique, Qt::Key_Q, Qt::ControlModifier);
        QTRY_VERIFY(!w.isVisible());
    }

    // « Compte » finit par un séparateur puis « Quitter »
    void menuCompte()
    {
        TfrmMain w;
        const QList<QAction*> rubriques = w.findChild<QMenu*>("MenuCompte")->actions();
        QVERIFY(rubriques.size() >= 3);
        QVERIFY(rubriques.at(rubriques.size() - 2)->isSeparator());
        QCOMPARE(rubriques.last()->objectName(), QString("RubriqueQuitter"));
        QVERIFY(rubriques.last()->isEnabled());
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    PreparerEnvironnement(application);
    TestFenetresSecondaires test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_fenetres_secondaires.moc"
