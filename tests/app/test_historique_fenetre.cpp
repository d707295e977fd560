// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// la fenêtre « Historique des jeux » sur des jeux connus : tableau, tri, filtres et résumé, graphique, export,
// place gardée et tenue dans l'écran, « Rejouer » sur un tableau trié, jeu ajouté fenêtre ouverte, clavier ;
// l'enregistrement d'un jeu fini et ses boîtes
#include "EnregistrementJeu.h"
#include "Environnement.h"
#include "Histo_f.h"
#include "OutilsFenetres.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScatterSeries>
#include <QScreen>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// un jeu joué : n son numéro (date), joueur : rien s'il n'a pas joué
LigneHistorique Jeu(int n, OrigineJeu origine, SixEntiers plaques, int32_t but, std::optional<int32_t> joueur, int32_t tempsMs)
{
    LigneHistorique l;
    l.DateHeure = "2026-12-0" + std::to_string(n) + "T10:00:00Z";
    l.Origine = origine;
    l.Plaques = plaques;
    l.But = but;
    l.NbGrandes = NombreGrandesPlaques(plaques);
    l.OrdreSolutions = OrdreDuSimpleAuTordu;
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
    const OrigineJeu T = OrigineJeu::TireAuSort, P = OrigineJeu::Propose;
    LigneHistorique approche = Jeu(2, P, {1, 2, 3, 4, 5, 6}, 999, 700, 30000);
    approche.MeilleurResultat = 720;
    approche.MeilleurBas = 720;
    approche.MeilleurHaut = 720;
    approche.NbSolutions = 0;
    approche.Niveau = NiveauJeu::Expert;
    return {
        Jeu(1, T, {25, 3, 7, 1, 100, 9}, 500, 500, 12000),
        approche,
        Jeu(3, T, {50, 2, 2, 8, 9, 10}, 321, std::nullopt, 0),
        Jeu(4, T, {75, 100, 4, 4, 6, 1}, 640, 640, 8000),
        Jeu(5, P, {25, 50, 1, 3, 5, 7}, 111, 111, 20000),
    };
}

void Remplir(THistoriqueJeux& historique)
{
    for (const LigneHistorique& l : JeuxConnus())
        QCOMPARE(historique.Ajouter(l), std::nullopt);
}

// la colonne du tableau qui porte ce titre
int Colonne(const QTableView* t, const QString& titre)
{
    for (int c = 0; c < t->model()->columnCount(); ++c)
        if (t->model()->headerData(c, Qt::Horizontal).toString() == titre)
            return c;
    return -1;
}

QString Cellule(const QTableView* t, int ligne, const QString& titre)
{
    return t->model()->index(ligne, Colonne(t, titre)).data().toString();
}

QStringList Textes(const QTableView* t, const QString& titre)
{
    QStringList textes;
    for (int ligne = 0; ligne < t->model()->rowCount(); ++ligne)
        textes << Cellule(t, ligne, titre);
    return textes;
}

// les titres des boîtes de message ouvertes pendant l'action, chacune fermée par OK
QStringList BoitesPendant(const std::function<void()>& action)
{
    QStringList titres;
    QTimer surveillance;
    QObject::connect(&surveillance, &QTimer::timeout, [&] {
        if (auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            titres << boite->windowTitle();
            boite->accept();
        }
    });
    surveillance.start(5);
    action();
    return titres;
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
        THistoriqueJeux historique(dossier.path());
        Remplir(historique);
        TfrmHistorique w(historique, {});
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("Historique des jeux"));
        const QTableView* t = w.Tableau();
        QCOMPARE(t->model()->rowCount(), 5);
        QStringList entetes, premiere;
        for (int c = 0; c < t->model()->columnCount(); ++c) {
            entetes << t->model()->headerData(c, Qt::Horizontal).toString();
            premiere << t->model()->index(0, c).data().toString();
        }
        QCOMPARE(entetes, QStringList({"Date", "Plaques", "Compte", "Grandes", "Niveau", "Ordinateur", "Joueur", "Temps (s)",
                                       "Place", "Points"}));
        // le plus récent d'abord ; un jeu gardé avant qu'on compte les points n'en a pas
        QCOMPARE(premiere, QStringList({"05/12/2026 10:00", "25 50 1 3 5 7", "111", "2", "-", "3 solutions",
                                        "111 (exact)", "20,0", "1/3", "-"}));
        QCOMPARE(Textes(t, "Compte"), QStringList({"111", "640", "321", "999", "500"}));
        QCOMPARE(w.TexteResume(), QStringLiteral("5 jeux — trouvés par le joueur : 60% — temps médian des comptes trouvés : 12,0 s"));
        // trois comptes trouvés, un approché, un jeu sans calcul
        QCOMPARE(w.SerieTemps(true)->count() * 10 + w.SerieTemps(false)->count(), 31);
        QCOMPARE(w.SeriePart()->count(), 5);

        // chaque titre entier, la flèche de tri comprise, quelle que soit la colonne triée
        QHeaderView* entete = w.Tableau()->horizontalHeader();
        for (int c = 0; c + 1 < entete->count(); ++c) {
            w.Tableau()->sortByColumn(c, Qt::AscendingOrder);
            QVERIFY2(entete->sectionSize(c) >= entete->sectionSizeHint(c), qPrintable(entetes[c]));
        }
        QVERIFY(!w.grab().isNull());
    }

    void filtres_data()
    {
        QTest::addColumn<int>("origine");
        QTest::addColumn<int>("grandes");  // indice dans la liste : 0 toutes, n + 1 pour n grandes
        QTest::addColumn<int>("niveau");   // 0 tous, puis de Facile à Impossible
        QTest::addColumn<QStringList>("comptes");
        QTest::addColumn<QString>("resume");
        QTest::newRow("tirés au sort") << 1 << 0 << 0 << QStringList({"640", "321", "500"}) << "3 jeux";
        QTest::newRow("proposés sans grande") << 2 << 1 << 0 << QStringList({"999"}) << "1 jeu";
        QTest::newRow("aucun") << 1 << 5 << 0 << QStringList() << "Aucun jeu";
        QTest::newRow("Expert") << 0 << 0 << 4 << QStringList({"999"}) << "1 jeu";
    }

    void filtres()
    {
        QFETCH(int, origine);
        QFETCH(int, grandes);
        QFETCH(int, niveau);
        QFETCH(QStringList, comptes);
        QFETCH(QString, resume);
        QTemporaryDir dossier;
        THistoriqueJeux historique(dossier.path());
        Remplir(historique);
        TfrmHistorique w(historique, {});
        w.findChild<QComboBox*>(QStringLiteral("ChoixOrigine"))->setCurrentIndex(origine);
        w.findChild<QComboBox*>(QStringLiteral("ChoixGrandes"))->setCurrentIndex(grandes);
        w.findChild<QComboBox*>(QStringLiteral("ChoixNiveau"))->setCurrentIndex(niveau);
        QCOMPARE(Textes(w.Tableau(), "Compte"), comptes);
        QVERIFY(w.TexteResume().startsWith(resume));
        int parNiveau = 0;
        for (int ligne = 0; ligne < w.TableauNiveaux()->rowCount(); ++ligne)
            parNiveau += w.TableauNiveaux()->item(ligne, 1)->text().toInt();
        QCOMPARE(parNiveau, comptes.size());
        QCOMPARE(w.SeriePart()->count(), comptes.size());
        QCOMPARE(w.findChild<QPushButton*>(QStringLiteral("BoutonRejouer"))->isEnabled(), !comptes.isEmpty());
    }

    // l'export écrit les jeux du filtre, les plus récents d'abord, dans le fichier choisi ou nulle part
    void exportCsv()
    {
        QTemporaryDir dossier;
        THistoriqueJeux historique(dossier.path());
        Remplir(historique);
        TfrmHistorique w(historique, {});
        QCOMPARE(w.findChild<QPushButton*>(QStringLiteral("BoutonExporter"))->text(), QStringLiteral("&Exporter..."));
        w.findChild<QComboBox*>(QStringLiteral("ChoixOrigine"))->setCurrentIndex(2);
        const QString chemin = dossier.filePath(QStringLiteral("export.csv"));
        QCOMPARE(w.ExporterVers(chemin), std::nullopt);
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QList<QByteArray> lignes = f.readAll().split('\n');
        QCOMPARE(lignes.size(), 4);
        QVERIFY(lignes[1].startsWith("2026-12-05T10:00:00Z;proposé;25;50;1;3;5;7;111;"));
        QVERIFY(lignes[2].startsWith("2026-12-02T10:00:00Z;proposé;1;2;3;4;5;6;999;"));
        const QString impossible = dossier.filePath(QStringLiteral("absent/export.csv"));
        const std::optional<QString> raison = w.ExporterVers(impossible);
        QVERIFY(raison && !raison->isEmpty());
        QVERIFY(!QFile::exists(impossible));
    }

    // sur un tableau trié, un double-clic ou Alt+R rend les plaques et le compte du jeu de la ligne choisie ;
    // Tab quitte le tableau au lieu d'en parcourir les cases
    void rejouer()
    {
        QTemporaryDir dossier;
        THistoriqueJeux historique(dossier.path());
        Remplir(historique);
        std::vector<JeuARejouer> rejoues;
        TfrmHistorique w(historique, [&](const JeuARejouer& j) { rejoues.push_back(j); });
        w.show();
        QTableView* t = w.Tableau();
        t->sortByColumn(Colonne(t, "Compte"), Qt::AscendingOrder);
        QCOMPARE(Textes(t, "Compte"), QStringList({"111", "321", "500", "640", "999"}));
        const QRect premiere = t->visualRect(t->model()->index(0, 2));
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // le double-clic d'une vue suit un premier appui sur la même case
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, premiere.center());
        QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, premiere.center());
        QCOMPARE(rejoues.size(), size_t{1});
        QCOMPARE(rejoues[0].Plaques, (SixEntiers{25, 50, 1, 3, 5, 7}));
        QCOMPARE(rejoues[0].But, 111);

        t->selectRow(4);
        w.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &w);
        QTest::keyClick(&w, Qt::Key_R, Qt::AltModifier);
        QTRY_COMPARE(rejoues.size(), size_t{2});
        QCOMPARE(rejoues[1].Plaques, (SixEntiers{1, 2, 3, 4, 5, 6}));
        QCOMPARE(rejoues[1].But, 999);

        t->setFocus();
        QTest::keyClick(t, Qt::Key_Tab);
        QVERIFY(!t->hasFocus());

        // plus aucune ligne choisie : Rejouer s'éteint et Alt+R ne rend rien
        t->clearSelection();
        QVERIFY(!w.findChild<QPushButton*>(QStringLiteral("BoutonRejouer"))->isEnabled());
        QTest::keyClick(&w, Qt::Key_R, Qt::AltModifier);
        QTest::qWait(200);
        QCOMPARE(rejoues.size(), size_t{2});
    }

    // une ligne retouchée hors du programme (plaque 0) se montre, mais « Rejouer » dit qu'elle ne se rejoue
    // pas au lieu de la rendre à la recherche
    void ligneAbimee()
    {
        QTemporaryDir dossier;
        THistoriqueJeux historique(dossier.path());
        LigneHistorique abimee = JeuxConnus().front();
        abimee.Plaques[0] = 0;
        QCOMPARE(historique.Ajouter(abimee), std::nullopt);
        std::vector<JeuARejouer> rejoues;
        TfrmHistorique w(historique, [&](const JeuARejouer& j) { rejoues.push_back(j); });
        QCOMPARE(Textes(w.Tableau(), "Plaques"), QStringList({"0 3 7 1 100 9"}));
        auto* bouton = w.findChild<QPushButton*>(QStringLiteral("BoutonRejouer"));
        QCOMPARE(BoitesPendant([&] { bouton->click(); }), QStringList({"Jeu non rejouable"}));
        QVERIFY(rejoues.empty());
    }

    // l'onglet des records : le compte Difficile trouvé le plus vite, choisi, se rejoue par « Rejouer »
    void records()
    {
        QTemporaryDir dossier;
        THistoriqueJeux historique(dossier.path());
        Remplir(historique);
        LigneHistorique rapide = JeuxConnus().front();
        rapide.Niveau = NiveauJeu::Difficile;
        QCOMPARE(historique.Ajouter(rapide), std::nullopt);
        std::vector<JeuARejouer> rejoues;
        TfrmHistorique w(historique, [&](const JeuARejouer& j) { rejoues.push_back(j); });
        w.MontrerRecords(true);
        QTableWidget* r = w.TableauRecords();
        const QList<QTableWidgetItem*> difficile = r->findItems(QStringLiteral("12,0 s — 25 3 7 1 100 9 : 500"), Qt::MatchExactly);
        QCOMPARE(difficile.size(), 1);
        QCOMPARE(r->item(difficile[0]->row(), 1)->text(), QStringLiteral("Difficile"));
        QVERIFY(!w.findChild<QPushButton*>(QStringLiteral("BoutonRejouer"))->isEnabled());
        r->selectRow(difficile[0]->row());
        w.findChild<QPushButton*>(QStringLiteral("BoutonRejouer"))->click();
        QCOMPARE(rejoues.size(), size_t{1});
        QCOMPARE(rejoues[0].Plaques, rapide.Plaques);
        QCOMPARE(rejoues[0].But, 500);
    }

    // un jeu arrivé dans l'historique prend sa place dans le tableau ouvert ; le jeu choisi le reste
    void jeuAjouteFenetreOuverte()
    {
        QTemporaryDir dossier;
        THistoriqueJeux historique(dossier.path());
        Remplir(historique);
        TfrmHistorique w(historique, {});
        QTableView* t = w.Tableau();
        t->selectRow(3);
        QCOMPARE(w.JeuSelectionne()->But, 999);
        LigneHistorique nouveau = JeuxConnus().front();
        nouveau.But = 777;
        QCOMPARE(historique.Ajouter(nouveau), std::nullopt);
        w.JeuxAjoutes();
        QCOMPARE(Textes(t, "Compte"), QStringList({"777", "111", "640", "321", "999", "500"}));
        QCOMPARE(w.JeuSelectionne()->But, 999);
        QVERIFY(w.TexteResume().startsWith(QStringLiteral("6 jeux")));
    }

    // la taille et la place reviennent à la réouverture, sauf ce qui sortirait de l'écran
    void placeGardee()
    {
        QTemporaryDir dossier;
        THistoriqueJeux historique(dossier.path());
        Remplir(historique);
        const QRect libre = QApplication::primaryScreen()->availableGeometry();
        {
            TfrmHistorique w(historique, {});
            w.show();
            QVERIFY(libre.contains(w.frameGeometry()));
            w.resize(700, 500);
            QTRY_COMPARE(w.size(), QSize(700, 500));
            w.close();
        }
        {
            TfrmHistorique w(historique, {});
            QCOMPARE(w.size(), QSize(700, 500));
            // détruite ouverte, comme à la fermeture du programme, plus grande que l'écran
            w.show();
            w.setGeometry(QRect(libre.topLeft() + QPoint(300, 200), libre.size() + QSize(400, 300)));
        }
        TfrmHistorique w(historique, {});
        w.show();
        QVERIFY2(libre.contains(w.frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                   .arg(w.frameGeometry().x())
                                                                   .arg(w.frameGeometry().y())
                                                                   .arg(w.frameGeometry().width())
                                                                   .arg(w.frameGeometry().height())));
    }

    void boites_data()
    {
        QTest::addColumn<QString>("cas");
        QTest::addColumn<QStringList>("titres");  // les boîtes des deux jeux enregistrés
        QTest::addColumn<int>("lignes");
        QTest::newRow("historique impossible") << "dossier" << QStringList({"Historique non enregistré",
                                                                            "Historique non enregistré"}) << 0;
        QTest::newRow("octets au hasard") << "illisible" << QStringList({"Historique illisible"}) << 2;
        QTest::newRow("version plus récente") << "recente" << QStringList({"Historique en lecture seule"}) << 1;
    }

    // deux jeux finis enregistrés : les statistiques les comptent toujours ; ce qui ne va pas dans
    // l'historique se dit dans une boîte, un fichier mis de côté ou en lecture seule une seule fois
    void boites()
    {
        QFETCH(QString, cas);
        QFETCH(QStringList, titres);
        QFETCH(int, lignes);
        QTemporaryDir dossier;
        const QString base = THistoriqueJeux::CheminDansLeDossier(dossier.path());
        if (cas == QLatin1String("dossier")) {
            QVERIFY(QDir().mkpath(base));
        } else if (cas == QLatin1String("illisible")) {
            QFile f(base);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(5000, '\x5a'));
        } else {
            QCOMPARE(THistoriqueJeux(dossier.path()).Ajouter(JeuxConnus().front()), std::nullopt);
            QProcess::execute(QStringLiteral("sqlite3"), {base, QStringLiteral("PRAGMA user_version = 9")});
        }
        TFichierIni fichier(dossier.filePath(QStringLiteral("varnel.ini")));
        THistoriqueJeux historique(dossier.path());
        const QStringList vues = BoitesPendant([&] {
            for (int n = 0; n < 2; ++n)
                EnregistrerJeuFini(nullptr, fichier, historique, JeuFini(JeuxConnus()[static_cast<size_t>(n)]));
        });
        QCOMPARE(vues, titres);
        QCOMPARE(fichier.LireCumuls()[Cumul::RecherchesM], 2);
        QCOMPARE(historique.Lire().size(), static_cast<size_t>(lignes));
    }
};

QTEST_MAIN(TestHistoriqueFenetre)
#include "test_historique_fenetre.moc"
