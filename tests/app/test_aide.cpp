// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// l'aide : où le programme trouve sa page, la fenêtre « Aide du Varnel » quand le bureau ne sait pas
// l'ouvrir, et les réponses de « varnel --help » et « --version », qui n'ont besoin d'aucun affichage
#include "Aide_f.h"
#include "CheminAide.h"
#include "Environnement.h"
#include "Main_f.h"
#include "OptionsProgramme.h"
#include "OutilsFenetres.h"
#include "Ouverture.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

namespace {

// la fenêtre principale montrée et active, prête à recevoir F1
struct Principale {
    Principale()
    {
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
    }
    void F1()
    {
        w.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &w);
        QTest::keyClick(&w, Qt::Key_F1);
    }
    QList<TfrmAide*> FenetresAide() { return w.findChildren<TfrmAide*>(); }

    TfrmMain w{QStringList{}};
};

// un lien visible de la page, trouvé en parcourant la zone affichée ; la page défile s'il le faut
QPoint LienVisible(QTextBrowser* navigateur, QString& lien)
{
    for (int page = 0; page < 20; ++page) {
        const QSize zone = navigateur->viewport()->size();
        for (int y = 2; y < zone.height(); y += 3)
            for (int x = 2; x < zone.width(); x += 3) {
                lien = navigateur->anchorAt(QPoint(x, y));
                if (lien.startsWith(QLatin1Char('#')))
                    return {x, y};
            }
        navigateur->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    }
    lien.clear();
    return {};
}

}  // namespace

class TestAide : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { RemplacerOuverture({}); }

    void emplacementDeLaPage_data()
    {
        QTest::addColumn<QStringList>("presents");
        QTest::addColumn<QString>("attendue");
        const QString aCote = "bin/varnel.html", installee = "share/varnel/varnel.html";
        QTest::newRow("à côté du programme") << QStringList{aCote} << aCote;
        QTest::newRow("programme installé") << QStringList{installee} << installee;
        QTest::newRow("les deux : à côté d'abord") << QStringList{installee, aCote} << aCote;
        QTest::newRow("aucune") << QStringList{} << QString();
        QTest::newRow("un dossier n'est pas la page") << QStringList{aCote + "/", installee} << installee;
        QTest::newRow("hors de share/varnel") << QStringList{"share/varnel.html", "varnel.html"} << QString();
    }
    void emplacementDeLaPage()
    {
        QFETCH(QStringList, presents);
        QFETCH(QString, attendue);
        QTemporaryDir racine;
        QVERIFY(QDir(racine.path()).mkpath("bin"));
        for (const QString& chemin : presents) {
            const QString complet = racine.filePath(chemin);
            if (chemin.endsWith('/')) {
                QVERIFY(QDir().mkpath(complet));
                continue;
            }
            QVERIFY(QDir().mkpath(QFileInfo(complet).path()));
            QFile page(complet);
            QVERIFY(page.open(QIODevice::WriteOnly));
        }
        QCOMPARE(CheminAide(racine.filePath("bin")), attendue.isEmpty() ? QString() : racine.filePath(attendue));
    }

    void bureauQuiOuvreLaPage()
    {
        QStringList ouvertes;
        RemplacerOuverture([&](const QUrl& u) { ouvertes << u.toLocalFile(); });
        Principale p;
        p.F1();
        QCOMPARE(ouvertes, QStringList{CheminAide()});
        QVERIFY(ouvertes.first().endsWith("/varnel.html"));
        QVERIFY(p.FenetresAide().isEmpty());
    }

    void fenetreQuandLeBureauEchoue()
    {
        int essais = 0;
        RemplacerOuverture(std::function<bool(const QUrl&)>([&](const QUrl&) {
            ++essais;
            return false;
        }));
        Principale p;
        p.F1();
        QCOMPARE(essais, 1);
        QCOMPARE(p.FenetresAide().size(), 1);
        TfrmAide* aide = p.FenetresAide().first();
        QTRY_VERIFY(aide->isVisible());
        QCOMPARE(aide->windowTitle(), QString("Aide du Varnel"));
        QTextBrowser* navigateur = aide->Navigateur();
        QCOMPARE(navigateur->documentTitle(), QString("Le varnel — Aide"));
        QCOMPARE(navigateur->source().toLocalFile(), CheminAide());
        QVERIFY(navigateur->toPlainText().startsWith("Le varnel"));

        // un lien interne fait défiler la page, sans en changer
        QString lien;
        const QPoint position = LienVisible(navigateur, lien);
        QVERIFY2(!lien.isEmpty(), "aucun lien interne visible");
        const int avant = navigateur->verticalScrollBar()->value();
        QTest::mouseClick(navigateur->viewport(), Qt::LeftButton, {}, position);
        QTRY_COMPARE(navigateur->source().fragment(), lien.mid(1));
        QCOMPARE(navigateur->source().toLocalFile(), CheminAide());
        QVERIFY(navigateur->verticalScrollBar()->value() > avant);

        // fermée par son bouton, puis rouverte par F1 : la même fenêtre, le bureau essayé à nouveau
        aide->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close)->click();
        QTRY_VERIFY(!aide->isVisible());
        p.F1();
        QCOMPARE(essais, 2);
        QCOMPARE(p.FenetresAide(), QList<TfrmAide*>{aide});
        QTRY_VERIFY(aide->isVisible());
    }

    void pageIntrouvable()
    {
        int essais = 0;
        RemplacerOuverture([&](const QUrl&) { ++essais; });
        QTemporaryDir vide;
        QWidget parent;
        parent.show();
        MessageLu message;
        GardienModal gardien(message.Lecteur());
        OuvrirAide(&parent, vide.path());
        QTRY_VERIFY(gardien.Fini());
        QCOMPARE(message.titre, QString("Aide du Varnel"));
        QVERIFY(message.texte.startsWith("La page d'aide \"varnel.html\" est introuvable."));
        for (const QString& lieu : EmplacementsAide(vide.path()))
            QVERIFY2(message.texte.contains(lieu), qPrintable(lieu));
        QCOMPARE(essais, 0);
        QVERIFY(parent.findChildren<TfrmAide*>().isEmpty());
    }

    // une ligne de commande refusée (boîte d'erreur puis fermeture) finit par 2, comme varnel-calcul
    void codeDeSortie_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::newRow("sans argument") << QStringList{} << 0;
        QTest::newRow("jeu correct") << QStringList{"25", "50", "75", "100", "3", "6", "952"} << 0;
        QTest::newRow("huit arguments corrects") << QStringList{"1", "1", "1", "1", "1", "1", "500", "999"} << 0;
        QTest::newRow("trois arguments") << QStringList{"1", "2", "3"} << 2;
        QTest::newRow("plaque 11") << QStringList{"25", "50", "75", "100", "3", "11", "952"} << 2;
        QTest::newRow("compte 1000") << QStringList{"25", "50", "75", "100", "3", "6", "1000"} << 2;
        QTest::newRow("mot") << QStringList{"25", "50", "75", "100", "3", "6", "x"} << 2;
        QTest::newRow("option inconnue") << QStringList{"--aide"} << 2;
        QTest::newRow("jeu du jour") << QStringList{"--jour"} << 0;
        QTest::newRow("série") << QStringList{"--serie"} << 0;
        QTest::newRow("série Expert") << QStringList{"--serie", "expert"} << 0;
        QTest::newRow("série d'un niveau inconnu") << QStringList{"--serie", "Dur"} << 2;
        QTest::newRow("match") << QStringList{"--match"} << 0;
        QTest::newRow("match Champion") << QStringList{"--match", "CHAMPION"} << 0;
        QTest::newRow("match d'une force inconnue") << QStringList{"--match", "expert"} << 2;
    }
    void codeDeSortie()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QCOMPARE(CodeSortie(arguments), code);
    }

    void reponsesSansFenetre_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<bool>("sortiePleine");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("sortie");
        QTest::addColumn<QString>("erreurs");
        const QString page = QFileInfo(VARNEL_PROGRAMME).absolutePath() + "/varnel.html";
        QTest::newRow("version") << QStringList{"--version"} << QStringList{} << false << 0
                                 << "^Le varnel " VARNEL_VERSION "\nLicence GPL-3\\.0-or-later : GNU GPL version 3 "
                                    "ou toute version ultérieure\n.*AUCUNE GARANTIE[^\n]*\n$"
                                 << QString();
        QTest::newRow("aide") << QStringList{"--help"} << QStringList{} << false << 0
                              << "^Le varnel : .*\nSyntaxe : varnel \\[Plaque1 .*--version .*varnel-calcul\\(6\\)"
                              << QString();
        QTest::newRow("sortie pleine") << QStringList{"--version"} << QStringList{} << true << 1 << "^$"
                                       << "varnel : impossible d'écrire sur la sortie standard.\n";
        QTest::newRow("chemin de l'aide")
            << QStringList{} << QStringList{"VARNEL_CHEMIN_AIDE=1", "QT_QPA_PLATFORM=offscreen"} << false << 0
            << "^" + QRegularExpression::escape(page) + "\n$" << QString();
    }
    void reponsesSansFenetre()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, variables);
        QFETCH(bool, sortiePleine);
        QFETCH(int, code);
        QFETCH(QString, sortie);
        QFETCH(QString, erreurs);
        // aucun affichage : un programme qui voudrait ouvrir une fenêtre échouerait
        QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
        for (const char* nom : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environnement.remove(nom);
        QTemporaryDir execution;  // privé (0700), sans quoi Qt s'en plaint sur la sortie d'erreur
        environnement.insert("XDG_RUNTIME_DIR", execution.path());
        for (const QString& variable : variables)
            environnement.insert(variable.section('=', 0, 0), variable.section('=', 1));
        QProcess programme;
        programme.setProcessEnvironment(environnement);
        if (sortiePleine)
            programme.setStandardOutputFile("/dev/full");
        programme.start(VARNEL_PROGRAMME, arguments);
        QVERIFY(programme.waitForFinished(20000));
        const QString lue = QString::fromUtf8(programme.readAllStandardOutput());
        QCOMPARE(programme.exitStatus(), QProcess::NormalExit);
        QCOMPARE(programme.exitCode(), code);
        QVERIFY2(QRegularExpression(sortie, QRegularExpression::DotMatchesEverythingOption).match(lue).hasMatch(),
                 qPrintable(lue));
        QCOMPARE(QString::fromUtf8(programme.readAllStandardError()), erreurs);
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    PreparerEnvironnement(application);
    TestAide test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_aide.moc"
