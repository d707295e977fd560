// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// un match de cinq tirages contre l'ordinateur joué par les menus de la fenêtre principale : la boîte de chaque
// tirage, la barre d'état, le bilan de fin, puis l'historique (le match, ses jeux, les records) d'accord avec
// eux ; un tirage à deux, les noms gardés dans varnel.ini ; l'abandon d'un match lancé par varnel --match
#include "Environnement.h"
#include "FichiersEssai.h"
#include "HistoriqueJeux.h"
#include "Histo_f.h"
#include "IssueTirage_f.h"
#include "OutilsPartie.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {

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

// les points qu'une ligne de résultat de la boîte donne : « …, le compte : 10 points »
int Points(const QString& resultat)
{
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral(": (\\d+) points?$")).match(resultat);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

}  // namespace

class TestMatchFenetre : public QObject {
    Q_OBJECT
private slots:
    // contre le Débutant, 30 s par tirage : les tirages impairs trouvés (le premier calcul du moteur), les pairs
    // annulés. Chaque boîte dit les points de chacun ; la barre d'état en fait les totaux, que le bilan, la
    // table des matchs et les records redisent ; les cinq saisies sont des jeux « match » liés au match
    void cinqTiragesContreLOrdinateur()
    {
        Essai e;
        e.Action("RubriqueTempsLimite30")->trigger();
        QCOMPARE(e.Action("RubriqueMatchDebutant")->text(), QStringLiteral("&Débutant"));
        std::array<int, 2> totaux{};
        QStringList bilan;
        GardienModal fin([&](QWidget* f) { bilan = f->findChild<QLabel*>(QStringLiteral("LabelTotaux"))->text().split(", "); },
                         90000, QStringLiteral("Fin du match"));
        for (int k = 1; k <= 5; ++k) {
            e.w.ImposerGraine(700 + k);
            GardienModal boite(
                [&](QWidget* f) {
                    for (int c = 0; c < 2; ++c) {
                        const int points =
                            Points(f->findChild<QLabel*>(QStringLiteral("LabelResultat%1").arg(c + 1))->text());
                        QVERIFY(points >= 0);
                        totaux[static_cast<size_t>(c)] += points;
                    }
                    QVERIFY(f->findChild<QLabel*>(QStringLiteral("LabelNom2"))->text().startsWith("Ordinateur « Débutant »"));
                },
                60000, QStringLiteral("Match : jeu %1/5").arg(k));
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
                    e.w.activateWindow();
                    QTRY_COMPARE(QApplication::activeWindow(), &e.w);
                    if (k == 1)
                        e.Action("RubriqueMatchDebutant")->trigger();
                    else
                        QTest::keyClick(&e.w, k == 2 ? Qt::Key_Return : Qt::Key_T, k == 2 ? Qt::NoModifier : Qt::ControlModifier);
                });
            QTRY_VERIFY(boite.Fini());
            QVERIFY(boite.Vu());
            QCOMPARE(e.Etat(), QStringLiteral("Match : jeu %1/5 — Vous %2, Ordinateur %3").arg(k).arg(totaux[0]).arg(totaux[1]));
        }
        QTRY_VERIFY(fin.Fini());
        QCOMPARE(bilan, QStringList({QStringLiteral("Vous %1 points").arg(totaux[0]),
                                     QStringLiteral("Ordinateur %1 points").arg(totaux[1])}));
        QVERIFY(totaux[0] >= 30);  // trois comptes trouvés
        QCOMPARE(e.Base("SELECT sorte, force, nom1, nom2, points1, points2, jeux, fini FROM matchs"),
                 QStringLiteral("1|1|Vous|Ordinateur|%1|%2|5|1\n").arg(totaux[0]).arg(totaux[1]).toUtf8());
        QCOMPARE(e.Base("SELECT count(*), sum(joueur = compte), min(origine), max(origine), min(limite_temps) FROM jeux"
                        " WHERE match = 1"),
                 QByteArray("5|3|4|4|30\n"));
        // les records : le match gagné, nul ou perdu contre le Débutant
        e.w.RubriqueHistoriqueClick();
        QTRY_VERIFY(e.w.FenetreHistorique());
        QTableWidget* records = e.w.FenetreHistorique()->TableauRecords();
        QStringList debutant;
        for (int r = 0; r < records->rowCount(); ++r)
            if (records->item(r, 1)->text() == QStringLiteral("Débutant"))
                debutant << records->item(r, 0)->text() << records->item(r, 2)->text();
        const char* issue = totaux[0] > totaux[1] ? "1 gagné, 0 nul, 0 perdu"
                            : totaux[0] == totaux[1] ? "0 gagné, 1 nul, 0 perdu"
                                                     : "0 gagné, 0 nul, 1 perdu";
        QCOMPARE(debutant, QStringList({QStringLiteral("Matchs contre l'ordinateur"), QString::fromUtf8(issue)}));
    }

    // à deux : les noms demandés puis gardés ; après la réflexion, Alice annonce le compte, Bruno n'annonce rien ;
    // Alice le prouve. Rien ne va aux jeux, le match est gardé avec ses noms
    void unTirageADeux()
    {
        Essai e;
        e.w.ImposerGraine(801);
        GardienModal noms(
            [](QWidget* f) {
                f->findChild<QLineEdit*>(QStringLiteral("EditNom1"))->setText(QStringLiteral("Alice"));
                f->findChild<QLineEdit*>(QStringLiteral("EditNom2"))->setText(QStringLiteral("Bruno"));
                QTest::keyClick(f, Qt::Key_Return);
            },
            5000, QStringLiteral("Match à deux joueurs"));
        GardienModal annonces(
            [&](QWidget* f) {
                f->findChild<QPushButton*>(QStringLiteral("ButtonPrets"))->click();
                QCOMPARE(e.Etat(), QStringLiteral("Match : jeu 1/5 — Alice 0, Bruno 0"));
                auto* annonce = f->findChild<QLineEdit*>(QStringLiteral("EditAnnonce"));
                QCOMPARE(annonce->echoMode(), QLineEdit::Password);
                QTest::keyClicks(annonce, QString::number(e.w.Jeu().But()));
                QTest::keyClick(annonce, Qt::Key_Return);
                f->findChild<QPushButton*>(QStringLiteral("ButtonSansAnnonce"))->click();
            },
            30000, QStringLiteral("Annonces du match"));
        QStringList issue;
        GardienModal boite([&](QWidget* f) { issue = qobject_cast<TfrmIssueTirage*>(f)->Lignes(); }, 60000,
                           QStringLiteral("Match : jeu 1/5"));
        MenerTirage(
            e.w,
            [&](TfrmSaisieCalcul* s) {
                QCOMPARE(s->findChild<QLabel*>(QStringLiteral("LabelConsigne"))->text(),
                         QStringLiteral("Alice prouve son annonce : %1 (sans montre).").arg(e.w.Jeu().But()));
                RejouerCalcul(s, ResoluAPart(e.w, OrdreDuSimpleAuTordu).ListeSolutions.Texte(0));
            },
            [&] { e.Action("RubriqueMatchADeux")->trigger(); });
        QTRY_VERIFY(boite.Fini());
        QVERIFY(annonces.Vu());
        // sans les deux calculs
        QCOMPARE(issue.size(), 8);
        issue.removeAt(4);
        issue.removeAt(1);
        QCOMPARE(issue,
                 QStringList({"Alice", QStringLiteral("%1, le compte, prouvé : 10 points").arg(e.w.Jeu().But()), "Bruno",
                              "pas d'annonce : 0 point", "Match : jeu 1/5 — Alice 10, Bruno 0",
                              "Entrée ou Ctrl+T : le jeu suivant du match."}));
        QCOMPARE(e.Base("SELECT sorte, force IS NULL, nom1, nom2, points1, points2, jeux, fini FROM matchs"),
                 QByteArray("2|1|Alice|Bruno|10|0|1|0\n"));
        QCOMPARE(e.Base("SELECT count(*) FROM jeux"), QByteArray("0\n"));
        QVERIFY(ContenuFichier(e.w.Fichier().Chemin()).contains("NomJoueur1=Alice\nNomJoueur2=Bruno\n"));
    }

    // varnel --match champion ; la fermeture demande d'abord, dès l'animation du premier tirage : Non garde le
    // match, Oui l'abandonne ; il reste non fini dans l'historique
    void abandon()
    {
        Essai e({"--match", "champion"});
        QTRY_VERIFY(e.w.MinuterieAnimation().isActive());
        QCOMPARE(e.Etat(), QStringLiteral("Match : jeu 1/5 — Vous 0, Ordinateur 0"));
        {
            GardienModal non([](QWidget* f) { qobject_cast<QMessageBox*>(f)->button(QMessageBox::No)->click(); }, 5000,
                             QStringLiteral("Match en cours"));
            QVERIFY(!e.w.close());
            QVERIFY(non.Vu());
        }
        QVERIFY(e.w.MinuterieAnimation().isActive());
        GardienModal oui([](QWidget* f) { qobject_cast<QMessageBox*>(f)->button(QMessageBox::Yes)->click(); }, 5000,
                         QStringLiteral("Match en cours"));
        QVERIFY(e.w.close());
        QVERIFY(oui.Vu());
        QCOMPARE(e.Base("SELECT sorte, force, jeux, fini FROM matchs"), QByteArray("1|4|0|0\n"));
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    PreparerEnvironnement(application);
    TestMatchFenetre test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_match_fenetre.moc"
