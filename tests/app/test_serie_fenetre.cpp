// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// une série de dix jeux jouée par les menus de la fenêtre principale : barre d'état après chaque jeu, jeu
// suivant sur demande, bilan de fin ; l'abandon par un autre jeu ou par la fermeture ; varnel --serie
#include "Environnement.h"
#include "ExecutionRecherche.h"
#include "OutilsPartie.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

const QString TitreFin = QStringLiteral("Fin de la série");
const QString TitreQuestion = QStringLiteral("Série en cours");

// une fenêtre principale dont varnel.ini et l'historique sont propres à l'essai
struct Essai {
    explicit Essai(QStringList arguments = {}) : w(std::move(arguments))
    {
        w.UtiliserFichierIni(dossier.filePath(QStringLiteral("varnel.ini")));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
    }
    QAction* Action(const QString& nom) { return w.findChild<QAction*>(nom); }
    QString Etat() { return w.findChild<QLabel*>(QStringLiteral("StatusBarPanneau0"))->text(); }
    void Activer()
    {
        w.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &w);
    }

    QTemporaryDir dossier;
    TfrmMain w;
};

// la saisie rejoue la solution la plus simple du jeu, trouvée à part par le moteur
void TrouverLeCompte(TfrmMain& w, TfrmSaisieCalcul* s)
{
    DonneesRecherche d;
    d.Plaques = w.Donnees().Plaques;
    d.But = w.Donnees().But;
    d.OrdreSolutions = OrdreDuSimpleAuTordu;
    ExecuterRecherche(d);
    RejouerCalcul(s, d.ListeSolutions.Texte(0));
}

// la réponse à la question d'abandon
std::function<void(QWidget*)> Repondre(QMessageBox::StandardButton bouton, QString* texte = nullptr)
{
    return [bouton, texte](QWidget* f) {
        auto* boite = qobject_cast<QMessageBox*>(f);
        if (texte)
            *texte = boite->text();
        boite->button(bouton)->click();
    };
}

}  // namespace

class TestSerieFenetre : public QObject {
    Q_OBJECT
private slots:
    // une série Facile de dix jeux, 30 s par jeu : un jeu sur deux trouvé (10 points), l'autre abandonné (0).
    // Chaque jeu est résolu dès la saisie finie ; le suivant vient par Entrée, Ctrl+T ou la rubrique
    void dixJeuxParLesMenus()
    {
        Essai e;
        e.Action(QStringLiteral("RubriqueTempsLimite30"))->trigger();
        QCOMPARE(e.Action(QStringLiteral("RubriqueTempsSerie"))->text(), QStringLiteral("30 s par jeu"));
        QVERIFY(!e.Action(QStringLiteral("RubriqueJeuSuivant"))->isEnabled());

        QMap<QString, QString> fin;
        GardienModal bilan(
            [&](QWidget* f) {
                for (auto* etiquette : f->findChildren<QLabel*>())
                    fin[etiquette->objectName()] = etiquette->text();
            },
            60000, TitreFin);
        for (int k = 1; k <= 10; ++k) {
            e.w.ImposerGraine(500 + k);
            const std::function<void()> lancer = [&] {
                if (k == 1) {
                    e.Action(QStringLiteral("RubriqueSerieFacile"))->trigger();
                } else if (k == 2) {
                    e.Activer();
                    QTest::keyClick(&e.w, Qt::Key_Return);
                } else if (k == 3) {
                    e.Activer();
                    QTest::keyClick(&e.w, Qt::Key_T, Qt::ControlModifier);
                } else {
                    e.Action(QStringLiteral("RubriqueJeuSuivant"))->trigger();
                }
            };
            MenerTirage(
                e.w,
                [&](TfrmSaisieCalcul* s) {
                    QCOMPARE(e.w.Jeu().TempsLimite(), 30);
                    if (k % 2 == 1)
                        TrouverLeCompte(e.w, s);
                    else
                        QTest::keyClick(s, Qt::Key_Escape);
                },
                lancer);
            QCOMPARE(e.w.Jeu().Phase(), PhaseJeu::Resolu);
            QCOMPARE(e.w.Donnees().OrdreSolutions, OrdreDuSimpleAuTordu);
            QCOMPARE(e.Etat(), QStringLiteral("Série : jeu %1/10 — %2 points").arg(k).arg(10 * ((k + 1) / 2)));
            if (k < 10)
                QVERIFY(e.Action(QStringLiteral("RubriqueJeuSuivant"))->isEnabled());
        }
        QTRY_VERIFY(bilan.Fini());
        QCOMPARE(fin.value("LabelNiveau"), QStringLiteral("Facile"));
        QCOMPARE(fin.value("LabelPoints"), QStringLiteral("50/100"));
        QCOMPARE(fin.value("LabelTrouves"), QStringLiteral("5/10"));
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d+,\\d s$")).match(fin.value("LabelTempsMedian")).hasMatch(),
                 qPrintable(fin.value("LabelTempsMedian")));
        QCOMPARE(fin.value("LabelRecord"), QStringLiteral("Aucune"));
        QCOMPARE(fin.value("LabelVerdict"), QStringLiteral("Nouveau record : première série finie à ce niveau."));
        // la série finie, Ctrl+T tire un jeu ordinaire
        QVERIFY(!e.w.SerieEnCours());
        QVERIFY(!e.Action(QStringLiteral("RubriqueJeuSuivant"))->isEnabled());
    }

    // un autre jeu, ou la fermeture du programme, pendant la série : la question ; Non garde la série
    void abandon()
    {
        Essai e;
        MenerTirage(e.w, {}, [&] { e.Action(QStringLiteral("RubriqueSerieOrdinaire"))->trigger(); });
        QVERIFY(e.w.SerieEnCours());
        QString question;
        {
            GardienModal non(Repondre(QMessageBox::No, &question), 5000, TitreQuestion);
            e.Action(QStringLiteral("RubriqueComptePropose"))->trigger();
            QVERIFY(non.Vu());
        }
        QCOMPARE(question, QStringLiteral("Série : jeu 1/10 — 0 point.\n"
                                          "Abandonner la série ? Elle ne comptera pas pour les records."));
        QVERIFY(e.w.SerieEnCours());
        QCOMPARE(e.w.Jeu().Phase(), PhaseJeu::Resolu);
        {
            GardienModal oui(Repondre(QMessageBox::Yes), 5000, TitreQuestion);
            e.Action(QStringLiteral("RubriqueTireAuSortAvec2"))->trigger();
            QVERIFY(oui.Vu());
        }
        QVERIFY(!e.w.SerieEnCours());
        QCOMPARE(e.Etat(), QString());  // la barre d'état ne parle plus de la série
        QVERIFY(e.w.MinuterieAnimation().isActive());
        e.w.MinuterieAnimation().stop();

        e.w.ReinitialiserJeu();
        e.Action(QStringLiteral("RubriqueSerieMoyen"))->trigger();
        QVERIFY(e.w.MinuterieAnimation().isActive());
        {
            GardienModal non(Repondre(QMessageBox::No), 5000, TitreQuestion);
            QVERIFY(!e.w.close());
            QVERIFY(non.Vu());
        }
        QVERIFY(e.w.isVisible());
        QVERIFY(e.w.MinuterieAnimation().isActive());  // l'animation reprend
        GardienModal oui(Repondre(QMessageBox::Yes), 5000, TitreQuestion);
        QVERIFY(e.w.close());
        QVERIFY(oui.Vu());
    }

    // varnel --serie NIVEAU commence la série dès l'ouverture ; un niveau inconnu est dit, et la fenêtre se ferme
    void ligneDeCommande()
    {
        {
            Essai e({"--serie", "expert"});
            QTRY_VERIFY(e.w.SerieEnCours());
            QCOMPARE(e.w.SerieEnCours()->Niveau(), NiveauSerie(NiveauJeu::Expert));
            QVERIFY(e.w.MinuterieAnimation().isActive());
            e.w.MinuterieAnimation().stop();
        }
        MessageLu message;
        GardienModal boite(message.Lecteur(), 5000);
        TfrmMain w({"--serie", "Dur"});
        w.show();
        QTRY_VERIFY(boite.Fini());
        QCOMPARE(message.texte, QStringLiteral("Niveau \"Dur\" incorrect (Facile, Moyen, Difficile ou Expert).\n"
                                               "Syntaxe : varnel --serie [Facile|Moyen|Difficile|Expert]"));
        QTRY_VERIFY(!w.isVisible());
        QVERIFY(!w.SerieEnCours());
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
