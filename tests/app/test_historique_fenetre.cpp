// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// la fenêtre « Historique des jeux » sur des jeux connus : tableau, tri, filtres et résumé, graphique, export,
// place gardée, « Rejouer » ; l'enregistrement d'un jeu et ses boîtes
#include "Histo_f.h"
#include "Environnement.h"
#include "OutilsFenetres.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QScatterSeries>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

// un jeu joué : n son numéro (date), trouve : rien si le joueur n'a pas joué
LigneHistorique Jeu(int n, uint8_t origine, SixEntiers plaques, int32_t but, std::optional<int32_t> joueur, int32_t tempsMs)
{
    LigneHistorique l;
    l.DateHeure = "2026-12-0" + std::to_string(n) + "T10:00:00Z";
    l.Origine = origine;
    l.Plaques = plaques;
    l.But = but;
    l.NbGrandes = NombreGrandesPlaques(plaques);
    l.OrdreSolutions = 1;
    l.NbSolutions = 3;
    l.MeilleurResultat = but;
    l.NbPossibilites = 5000 + n;
    l.ResultatJoueur = joueur;
    l.TempsJoueur = joueur ? tempsMs : 0;
    if (joueur == but)
        l.PlaceSolutions = 1;
    if (joueur)
        l.PlaceCalculs = 10 * n;
    return l;
}

// cinq jeux, du plus ancien au plus récent
std::vector<LigneHistorique> JeuxConnus()
{
    LigneHistorique approche = Jeu(2, 2, {1, 2, 3, 4, 5, 6}, 999, 700, 30000);
    approche.MeilleurResultat = 720;
    approche.MeilleurBas = 720;
    approche.MeilleurHaut = 720;
    approche.NbSolutions = 0;
    return {
        Jeu(1, 1, {25, 3, 7, 1, 100, 9}, 500, 500, 12000),
        approche,
        Jeu(3, 1, {50, 2, 2, 8, 9, 10}, 321, std::nullopt, 0),
        Jeu(4, 1, {75, 100, 4, 4, 6, 1}, 640, 640, 8000),
        Jeu(5, 2, {25, 50, 1, 3, 5, 7}, 111, 111, 20000),
    };
}

void Remplir(const QString& dossier)
{
    THistoriqueJeux historique(dossier);
    for (const LigneHistorique& l : JeuxConnus())
        QCOMPARE(historique.Ajouter(l), std::nullopt);
}

QString Cellule(const QTableView* t, int ligne, int colonne)
{
    return t->model()->index(ligne, colonne).data().toString();
}

QStringList Colonne(const QTableView* t, int colonne)
{
    QStringList textes;
    for (int ligne = 0; ligne < t->model()->rowCount(); ++ligne)
        textes << Cellule(t, ligne, colonne);
    return textes;
}

}  // namespace

class TestHistoriqueFenetre : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qputenv("TZ", "UTC");
        PreparerEnvironnement(*qApp);
    }

    void tableauEtGraphique()
    {
        QTemporaryDir dossier;
        Remplir(dossier.path());
        TfrmHistorique w(dossier.path(), {});
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("Historique des jeux"));
        const QTableView* t = w.Tableau();
        QCOMPARE(t->model()->rowCount(), 5);
        QStringList entetes;
        for (int c = 0; c < t->model()->columnCount(); ++c)
            entetes << t->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(entetes, QStringList({"Date", "Plaques", "Compte", "Grandes", "Ordinateur", "Joueur", "Temps (s)", "Place"}));
        // le plus récent d'abord
        QStringList premiere;
        for (int c = 0; c < t->model()->columnCount(); ++c)
            premiere << Cellule(t, 0, c);
        QCOMPARE(premiere, QStringList({"05/12/2026 10:00", "25 50 1 3 5 7", "111", "2", "3 solutions", "111 (exact)",
                                        "20,0", "1/3"}));
        QCOMPARE(Colonne(t, ModeleHistorique::Compte), QStringList({"111", "640", "321", "999", "500"}));
        QCOMPARE(Colonne(t, ModeleHistorique::Ordinateur).at(3), QStringLiteral("720"));
        QCOMPARE(Colonne(t, ModeleHistorique::Joueur).at(2), QStringLiteral("-"));
        QCOMPARE(Colonne(t, ModeleHistorique::Joueur).at(3), QStringLiteral("700 (à 299)"));
        QCOMPARE(w.TexteResume(), QStringLiteral("5 jeux — trouvés par le joueur : 60 % — temps médian des comptes trouvés : 12,0 s"));

        // du plus ancien (1) au plus récent (5) : trouvés aux rangs 1, 4, 5, approché au rang 2
        QCOMPARE(w.SerieTemps(true)->points(), QList<QPointF>({{1, 12}, {4, 8}, {5, 20}}));
        QCOMPARE(w.SerieTemps(false)->points(), QList<QPointF>({{2, 30}}));
        QCOMPARE(w.SeriePart()->points(), QList<QPointF>({{1, 100}, {2, 50}, {3, 100.0 / 3}, {4, 50}, {5, 60}}));
        QVERIFY(!w.grab().isNull());
    }

    // le tri suit les valeurs, pas les textes : 8,0 s avant 12,0 s, et « - » en dernier
    void triParColonne()
    {
        QTemporaryDir dossier;
        Remplir(dossier.path());
        TfrmHistorique w(dossier.path(), {});
        QTableView* t = w.Tableau();
        t->sortByColumn(ModeleHistorique::Temps, Qt::AscendingOrder);
        QCOMPARE(Colonne(t, ModeleHistorique::Temps), QStringList({"8,0", "12,0", "20,0", "30,0", "-"}));
        t->sortByColumn(ModeleHistorique::Compte, Qt::DescendingOrder);
        QCOMPARE(Colonne(t, ModeleHistorique::Compte), QStringList({"999", "640", "500", "321", "111"}));
        t->sortByColumn(ModeleHistorique::Joueur, Qt::AscendingOrder);
        QCOMPARE(Colonne(t, ModeleHistorique::Joueur).last(), QStringLiteral("-"));
        QCOMPARE(Colonne(t, ModeleHistorique::Joueur).at(3), QStringLiteral("700 (à 299)"));
    }

    void filtres_data()
    {
        QTest::addColumn<int>("origine");
        QTest::addColumn<int>("grandes");  // indice dans la liste : 0 toutes, n + 1 pour n grandes
        QTest::addColumn<QStringList>("comptes");
        QTest::addColumn<QString>("resume");
        QTest::newRow("tirés au sort") << 1 << 0 << QStringList({"640", "321", "500"})
                                       << "3 jeux — trouvés par le joueur : 67 % — temps médian des comptes trouvés : 10,0 s";
        QTest::newRow("proposés") << 2 << 0 << QStringList({"111", "999"})
                                  << "2 jeux — trouvés par le joueur : 50 % — temps médian des comptes trouvés : 20,0 s";
        QTest::newRow("deux grandes") << 0 << 3 << QStringList({"111", "640", "500"})
                                      << "3 jeux — trouvés par le joueur : 100 % — temps médian des comptes trouvés : 12,0 s";
        QTest::newRow("proposés sans grande") << 2 << 1 << QStringList({"999"})
                                              << "1 jeu — trouvés par le joueur : 0 % — temps médian des comptes trouvés : -";
        QTest::newRow("aucun") << 1 << 5 << QStringList() << "Aucun jeu";
    }

    void filtres()
    {
        QFETCH(int, origine);
        QFETCH(int, grandes);
        QFETCH(QStringList, comptes);
        QFETCH(QString, resume);
        QTemporaryDir dossier;
        Remplir(dossier.path());
        TfrmHistorique w(dossier.path(), {});
        w.findChild<QComboBox*>(QStringLiteral("ChoixOrigine"))->setCurrentIndex(origine);
        w.findChild<QComboBox*>(QStringLiteral("ChoixGrandes"))->setCurrentIndex(grandes);
        QCOMPARE(Colonne(w.Tableau(), ModeleHistorique::Compte), comptes);
        QCOMPARE(w.TexteResume(), resume);
        const qsizetype points = w.SerieTemps(true)->count() + w.SerieTemps(false)->count();
        QCOMPARE(w.SeriePart()->count(), comptes.size());
        QVERIFY(points <= comptes.size());
        QCOMPARE(w.findChild<QPushButton*>(QStringLiteral("BoutonRejouer"))->isEnabled(), !comptes.isEmpty());
    }

    // l'export écrit les jeux du filtre, les plus récents d'abord
    void exportCsv()
    {
        QTemporaryDir dossier;
        Remplir(dossier.path());
        TfrmHistorique w(dossier.path(), {});
        w.findChild<QComboBox*>(QStringLiteral("ChoixOrigine"))->setCurrentIndex(2);
        const QString chemin = dossier.filePath(QStringLiteral("export.csv"));
        QCOMPARE(w.ExporterVers(chemin), std::nullopt);
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(f.readAll()),
                 QStringLiteral("date;origine;plaque1;plaque2;plaque3;plaque4;plaque5;plaque6;compte;grandes;ordre;"
                                "solutions;meilleur;meilleur_bas;meilleur_haut;calculs;joueur;temps_joueur_ms;"
                                "place_solutions;place_calculs;limite_temps_s\n"
                                "2026-12-05T10:00:00Z;proposé;25;50;1;3;5;7;111;2;1;3;111;;;5005;111;20000;1;50;\n"
                                "2026-12-02T10:00:00Z;proposé;1;2;3;4;5;6;999;0;1;0;720;720;720;5002;700;30000;;20;\n"));
        // un dossier qui n'existe pas : la raison revient et rien n'est écrit
        const QString impossible = dossier.filePath(QStringLiteral("absent/export.csv"));
        const std::optional<QString> raison = w.ExporterVers(impossible);
        QVERIFY(raison && !raison->isEmpty());
        QVERIFY(!QFile::exists(impossible));
    }

    // un double-clic sur une ligne ou Alt+R rend les plaques et le compte du jeu choisi
    void rejouer()
    {
        QTemporaryDir dossier;
        Remplir(dossier.path());
        std::vector<JeuARejouer> rejoues;
        TfrmHistorique w(dossier.path(), [&](const JeuARejouer& j) { rejoues.push_back(j); });
        w.show();
        QTableView* t = w.Tableau();
        const QRect premiere = t->visualRect(t->model()->index(0, 2));
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // le double-clic d'une vue suit un premier appui sur la même case
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, premiere.center());
        QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, premiere.center());
        QCOMPARE(rejoues.size(), size_t{1});
        QCOMPARE(rejoues[0].Plaques, (SixEntiers{25, 50, 1, 3, 5, 7}));
        QCOMPARE(rejoues[0].But, 111);

        t->setCurrentIndex(t->model()->index(3, 0));
        QVERIFY(w.findChild<QPushButton*>(QStringLiteral("BoutonRejouer"))->isEnabled());
        w.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &w);
        QTest::keyClick(&w, Qt::Key_R, Qt::AltModifier);
        QTRY_COMPARE(rejoues.size(), size_t{2});
        QCOMPARE(rejoues[1].Plaques, (SixEntiers{1, 2, 3, 4, 5, 6}));
        QCOMPARE(rejoues[1].But, 999);

        // plus aucune ligne choisie : Rejouer s'éteint et Alt+R ne rend rien
        t->clearSelection();
        QVERIFY(!w.findChild<QPushButton*>(QStringLiteral("BoutonRejouer"))->isEnabled());
        QVERIFY(!w.JeuSelectionne());
        QTest::keyClick(&w, Qt::Key_R, Qt::AltModifier);
        QTest::qWait(200);
        QCOMPARE(rejoues.size(), size_t{2});
    }

    // la taille et la place reviennent à la réouverture
    void placeGardee()
    {
        QTemporaryDir dossier;
        Remplir(dossier.path());
        {
            TfrmHistorique w(dossier.path(), {});
            w.show();
            w.resize(900, 650);
            QTRY_COMPARE(w.size(), QSize(900, 650));
            w.close();
        }
        {
            TfrmHistorique w(dossier.path(), {});
            QCOMPARE(w.size(), QSize(900, 650));
            // détruite ouverte, comme à la fermeture du programme
            w.show();
            w.resize(700, 500);
            QTRY_COMPARE(w.size(), QSize(700, 500));
        }
        TfrmHistorique w(dossier.path(), {});
        QCOMPARE(w.size(), QSize(700, 500));
    }

    // un jeu enregistré arrive dans l'historique du dossier de varnel.ini et dans la fenêtre ouverte
    void enregistrement()
    {
        QTemporaryDir dossier;
        Remplir(dossier.path());
        const QString ini = dossier.filePath(QStringLiteral("varnel.ini"));
        QPointer<TfrmHistorique> ouverte;
        TfrmHistorique* fenetre = OuvrirFenetreHistorique(ouverte, nullptr, ini, {});
        QCOMPARE(ouverte.data(), fenetre);
        QCOMPARE(fenetre->Tableau()->model()->rowCount(), 5);
        QCOMPARE(OuvrirFenetreHistorique(ouverte, nullptr, ini, {}), fenetre);

        DonneesRecherche d;
        d.Plaques = {10, 9, 100, 2, 75, 1};
        d.But = 777;
        d.OrdreSolutions = 2;
        d.NbSolutions = 42;
        d.MeilleurResultat = 777;
        d.MeilleurBas = 777;
        d.MeilleurHaut = 777;
        d.NbPossibilites = 654321;
        d.NbMeilleursQueJoueur = 99;
        d.MeilleurJoueur = 777;
        d.TempsJoueur = 43210;
        QVERIFY(EnregistrerHistorique(nullptr, ouverte, ini, d, 2, 4));
        QCOMPARE(fenetre->Tableau()->model()->rowCount(), 6);
        QCOMPARE(Cellule(fenetre->Tableau(), 0, ModeleHistorique::Place), QStringLiteral("5/42"));
        const LigneHistorique l = THistoriqueJeux(dossier.path()).Lire().front();
        QCOMPARE(l.Origine, 2);
        QCOMPARE(l.Plaques, (SixEntiers{10, 9, 100, 2, 75, 1}));
        QCOMPARE(l.NbGrandes, 2);
        QCOMPARE(l.PlaceCalculs, 100);
        QCOMPARE(l.TempsJoueur, 43210);
        QVERIFY(!l.LimiteTemps);
        const QDateTime date = QDateTime::fromString(QString::fromStdString(l.DateHeure), Qt::ISODate);
        QCOMPARE(date.timeSpec(), Qt::UTC);
        QVERIFY(qAbs(date.secsTo(QDateTime::currentDateTimeUtc())) < 60);
        // fermée, elle est détruite et ne se montre plus à qui la gardait
        fenetre->close();
        QTRY_VERIFY(ouverte.isNull());
    }

    // ce qui ne va pas se dit dans une boîte : historique impossible à écrire, fichier illisible mis de côté
    void boites_data()
    {
        QTest::addColumn<bool>("illisible");
        QTest::newRow("dossier impossible") << false;
        QTest::newRow("octets au hasard") << true;
    }

    void boites()
    {
        QFETCH(bool, illisible);
        QTemporaryDir dossier;
        QString ini;
        if (illisible) {
            QFile f(THistoriqueJeux::CheminDansLeDossier(dossier.path()));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(5000, '\x5a'));
            ini = dossier.filePath(QStringLiteral("varnel.ini"));
        } else {
            QFile f(dossier.filePath(QStringLiteral("fichier")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            ini = dossier.filePath(QStringLiteral("fichier/varnel/varnel.ini"));
        }
        const QString titre = illisible ? QStringLiteral("Historique illisible") : QStringLiteral("Historique non enregistré");
        QString texte;
        GardienModal gardien([&](QWidget* boite) { texte = static_cast<QMessageBox*>(boite)->text(); }, 5000, titre);
        DonneesRecherche d;
        d.Plaques = {1, 2, 3, 4, 5, 6};
        d.But = 300;
        d.MeilleurResultat = 300;
        QCOMPARE(EnregistrerHistorique(nullptr, nullptr, ini, d, 1, -1), illisible);
        QVERIFY(gardien.Vu());
        if (illisible) {
            QVERIFY2(texte.contains(QStringLiteral("Il a été renommé « historique.sqlite.illisible-")), qPrintable(texte));
            QCOMPARE(THistoriqueJeux(dossier.path()).Lire().size(), size_t{1});
        } else {
            QVERIFY2(texte.startsWith(QStringLiteral("Le jeu n'a pas pu être ajouté à l'historique « ") +
                                      dossier.filePath(QStringLiteral("fichier/varnel/historique.sqlite")) +
                                      QStringLiteral(" » : ")),
                     qPrintable(texte));
        }
    }
};

QTEST_MAIN(TestHistoriqueFenetre)
#include "test_historique_fenetre.moc"
