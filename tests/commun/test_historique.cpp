// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// l'historique des jeux : lignes écrites et relues, schéma ancien mis à jour, schéma plus récent en lecture
// seule, deux programmes en même temps, arrêt brutal, dossier fermé, disque plein, fichier illisible mis de côté
#include "HistoriqueJeux.h"
#include "LignesEssai.h"
#include "LimiteEcriture.h"
#include "FichiersEssai.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <unistd.h>

namespace {

const QString Enregistreur = QStringLiteral(ENREGISTREUR);




// le schéma de la version 1 (la table des jeux seule), écrit ici à la main
const char* const SchemaVersion1 =
    "CREATE TABLE jeux (numero INTEGER PRIMARY KEY, date TEXT NOT NULL, origine INTEGER NOT NULL,"
    " plaque1 INTEGER NOT NULL, plaque2 INTEGER NOT NULL, plaque3 INTEGER NOT NULL, plaque4 INTEGER NOT NULL,"
    " plaque5 INTEGER NOT NULL, plaque6 INTEGER NOT NULL, compte INTEGER NOT NULL, grandes INTEGER NOT NULL,"
    " ordre INTEGER NOT NULL, solutions INTEGER NOT NULL, meilleur INTEGER, meilleur_bas INTEGER,"
    " meilleur_haut INTEGER, calculs INTEGER NOT NULL, joueur INTEGER, temps_joueur INTEGER NOT NULL,"
    " place_solutions INTEGER, place_calculs INTEGER, limite_temps INTEGER);"
    "INSERT INTO jeux VALUES (7, '2025-01-02T03:04:05Z', 2, 1, 2, 3, 4, 5, 6, 999, 0, 2, 0, 720, 720, 720, 4321,"
    " NULL, 0, NULL, NULL, NULL);"
    "PRAGMA user_version = 1;";

// chaque ligne est celle d'un jeu d'essai entier : rien de tronqué ni de mélangé
bool LignesEntieres(const std::vector<LigneHistorique>& lignes)
{
    for (LigneHistorique l : lignes) {
        const int n = l.TempsJoueur - 1000;
        l.Numero = 0;
        if (l != LigneEssai(n))
            return false;
    }
    return true;
}

bool UtilisateurEssai(const QString& utilisateur)
{
    auto existe = [&] {
        QProcess id;
        id.start(QStringLiteral("id"), {QStringLiteral("-u"), utilisateur});
        return id.waitForFinished() && id.exitStatus() == QProcess::NormalExit && id.exitCode() == 0;
    };
    if (!existe())
        QProcess::execute(QStringLiteral("useradd"), {QStringLiteral("--system"), QStringLiteral("--no-create-home"),
                                                     QStringLiteral("--shell"), QStringLiteral("/usr/sbin/nologin"),
                                                     utilisateur});
    return existe();
}

}  // namespace

class TestHistorique : public QObject {
    Q_OBJECT
private slots:
    void allerRetour_data()
    {
        QTest::addColumn<int>("cas");
        QTest::newRow("trouvé par le joueur, limite de temps") << 0;
        QTest::newRow("approché, deux meilleures approches") << 1;
        QTest::newRow("sans calcul du joueur, une seule approche") << 2;
    }

    // chaque champ revient tel qu'il est parti, et sqlite3 lit les mêmes valeurs dans les colonnes
    void allerRetour()
    {
        QFETCH(int, cas);
        LigneHistorique l = LigneEssai(0);
        QByteArray colonnes = "2026-12-08T04:36:04Z|1|25|3|7|1|100|9|101|2|1|17|101|||123456|101|1000|2|40|45\n";
        if (cas == 1) {
            l.Origine = 2;
            l.Plaques = {1, 1, 2, 2, 3, 3};
            l.NbGrandes = 0;
            l.But = 999;
            l.OrdreSolutions = 2;
            l.NbSolutions = 2;
            l.MeilleurResultat = 720;
            l.MeilleurBas = 720;
            l.MeilleurHaut = 1278;
            l.ResultatJoueur = 540;
            l.PlaceSolutions.reset();
            l.LimiteTemps.reset();
            colonnes = "2026-12-08T04:36:04Z|2|1|1|2|2|3|3|999|0|2|2|720|720|1278|123456|540|1000||40|\n";
        } else if (cas == 2) {
            l.But = 500;
            l.MeilleurResultat = 497;
            l.MeilleurBas = 497;
            l.MeilleurHaut = 497;
            l.ResultatJoueur.reset();
            l.TempsJoueur = 0;
            l.PlaceSolutions.reset();
            l.PlaceCalculs.reset();
            l.LimiteTemps.reset();
            colonnes = "2026-12-08T04:36:04Z|1|25|3|7|1|100|9|500|2|1|17|497|497|497|123456||0|||\n";
        }
        QTemporaryDir dossier;
        {
            THistoriqueJeux historique(dossier.path());
            QVERIFY2(historique.Ouvert(), qPrintable(historique.Raison()));
            QVERIFY(!historique.Avis());
            QCOMPARE(historique.Ajouter(LigneEssai(5)), std::nullopt);
            QCOMPARE(historique.Ajouter(l), std::nullopt);
        }
        THistoriqueJeux relu(dossier.path());
        const std::vector<LigneHistorique> lignes = relu.Lire();
        QCOMPARE(lignes.size(), size_t{2});
        LigneHistorique attendue = l;
        attendue.Numero = 2;  // le plus récent d'abord
        QVERIFY(lignes[0] == attendue);
        QCOMPARE(lignes[1].Numero, 1);
        QCOMPARE(lignes[1].But, 106);
        QCOMPARE(Sqlite3(relu.Chemin(), QStringLiteral("SELECT date, origine, plaque1, plaque2, plaque3, plaque4, plaque5, "
                                                       "plaque6, compte, grandes, ordre, solutions, meilleur, meilleur_bas, "
                                                       "meilleur_haut, calculs, joueur, temps_joueur, place_solutions, "
                                                       "place_calculs, limite_temps FROM jeux WHERE numero = 2")),
                 colonnes);
        QCOMPARE(Sqlite3(relu.Chemin(), QStringLiteral("PRAGMA user_version; PRAGMA journal_mode")), QByteArray("2\nwal\n"));
    }

    // un historique de la première version : ses jeux restent, il reçoit ce qui lui manque
    void miseAJourDuSchema()
    {
        QTemporaryDir dossier;
        const QString chemin = THistoriqueJeux::CheminDansLeDossier(dossier.path());
        QCOMPARE(Sqlite3(chemin, QLatin1String(SchemaVersion1)), QByteArray());
        THistoriqueJeux historique(dossier.path());
        QVERIFY2(historique.Ouvert() && !historique.LectureSeule(), qPrintable(historique.Raison()));
        QCOMPARE(historique.VersionFichier(), 2);
        QVERIFY(!historique.Avis());
        QCOMPARE(historique.EcrireReglage(QStringLiteral("fenetre"), "abc"), std::nullopt);
        QCOMPARE(historique.LireReglage(QStringLiteral("fenetre")), QByteArray("abc"));
        QCOMPARE(historique.Ajouter(LigneEssai(0)), std::nullopt);
        const std::vector<LigneHistorique> lignes = historique.Lire();
        QCOMPARE(lignes.size(), size_t{2});
        QCOMPARE(lignes[1].Numero, 7);
        QCOMPARE(lignes[1].But, 999);
        QCOMPARE(lignes[1].MeilleurBas, 720);
        QVERIFY(!lignes[1].ResultatJoueur);
        QCOMPARE(lignes[0].Numero, 8);
        QCOMPARE(Sqlite3(chemin, QStringLiteral("PRAGMA user_version; SELECT count(*) FROM reglages")), QByteArray("2\n1\n"));
    }

    // un historique d'une version plus récente se lit, mais rien n'y est écrit et on le dit
    void versionPlusRecente()
    {
        QTemporaryDir dossier;
        const QString chemin = THistoriqueJeux::CheminDansLeDossier(dossier.path());
        QCOMPARE(Sqlite3(chemin, QLatin1String(SchemaVersion1) +
                                     QStringLiteral("CREATE TABLE reglages (cle TEXT PRIMARY KEY, valeur BLOB);"
                                                    "ALTER TABLE jeux ADD COLUMN nouveaute TEXT;"
                                                    "PRAGMA user_version = 3;")),
                 QByteArray());
        const QByteArray avant = ContenuFichier(chemin);
        {
            THistoriqueJeux historique(dossier.path());
            QVERIFY(historique.Ouvert());
            QVERIFY(historique.LectureSeule());
            QVERIFY(historique.Avis());
            QCOMPARE(historique.Avis()->Titre, QStringLiteral("Historique en lecture seule"));
            QVERIFY(historique.Avis()->Texte.contains(chemin));
            QCOMPARE(historique.Lire().size(), size_t{1});
            const std::optional<QString> raison = historique.Ajouter(LigneEssai(0));
            QVERIFY(raison);
            QVERIFY2(raison->contains(QStringLiteral("version plus récente")), qPrintable(*raison));
            QVERIFY(historique.EcrireReglage(QStringLiteral("fenetre"), "abc"));
        }
        QCOMPARE(ContenuFichier(chemin), avant);
        QCOMPARE(Sqlite3(chemin, QStringLiteral("PRAGMA user_version; SELECT count(*) FROM jeux")), QByteArray("3\n1\n"));
    }

    // deux exemplaires qui ajoutent 200 jeux chacun au même moment : 400 lignes
    void deuxProgrammesEnMemeTemps()
    {
        QTemporaryDir dossier;
        QProcess a, b;
        for (QProcess* p : {&a, &b})
            p->start(Enregistreur, {QStringLiteral("jeux"), dossier.path(), QStringLiteral("200")});
        for (QProcess* p : {&a, &b}) {
            QVERIFY(p->waitForFinished(240000));
            QVERIFY2(p->exitCode() == 0, p->readAllStandardError().constData());
        }
        const QString chemin = THistoriqueJeux::CheminDansLeDossier(dossier.path());
        QCOMPARE(Sqlite3(chemin, QStringLiteral("SELECT count(*), count(DISTINCT numero) FROM jeux")), QByteArray("400|400\n"));
        THistoriqueJeux historique(dossier.path());
        QVERIFY(LignesEntieres(historique.Lire()));
    }

    // un enfant qui ajoute des jeux sans fin, tué net à des moments pris au hasard : la base passe la
    // vérification d'intégrité et ne tient que des lignes entières, de plus en plus nombreuses
    void arretBrutal()
    {
        QTemporaryDir dossier;
        const QString chemin = THistoriqueJeux::CheminDansLeDossier(dossier.path());
        const quint32 graine = QRandomGenerator::global()->generate();
        qInfo("graine %u", graine);
        QRandomGenerator hasard(graine);
        size_t precedent = 0;
        for (int essai = 0; essai < 60; ++essai) {
            QProcess enfant;
            enfant.start(Enregistreur, {QStringLiteral("boucle"), dossier.path()});
            QVERIFY(enfant.waitForStarted());
            QThread::usleep(hasard.bounded(20000, 120000));
            enfant.kill();  // SIGKILL
            QVERIFY(enfant.waitForFinished());
            QCOMPARE(Sqlite3(chemin, QStringLiteral("PRAGMA integrity_check")), QByteArray("ok\n"));
            THistoriqueJeux historique(dossier.path());
            QVERIFY2(historique.Ouvert() && !historique.Avis(), qPrintable(historique.Raison()));
            const std::vector<LigneHistorique> lignes = historique.Lire();
            QVERIFY(LignesEntieres(lignes));
            QVERIFY(lignes.size() >= precedent);
            precedent = lignes.size();
        }
        QVERIFY(precedent > 0);
        qInfo("%zu jeux enregistrés", precedent);
    }

    // un dossier où l'on ne peut pas écrire : la raison est dite et rien n'est créé. root écrit partout :
    // l'enfant tourne sous un utilisateur d'essai ; un dossier qui est un fichier vaut pour tous
    void dossierFerme()
    {
        QTemporaryDir racine;
        const QString obstacle = racine.filePath(QStringLiteral("fichier"));
        EcrireFichier(obstacle, "pas un dossier");
        THistoriqueJeux impossible(obstacle + QStringLiteral("/varnel"));
        QVERIFY(!impossible.Ouvert());
        const std::optional<QString> raison = impossible.Ajouter(LigneEssai(0));
        QVERIFY(raison && !raison->isEmpty());
        QCOMPARE(ContenuFichier(obstacle), QByteArray("pas un dossier"));

        const bool root = geteuid() == 0;
        const QString utilisateur = QStringLiteral("varnel-essai");
        if (root && !UtilisateurEssai(utilisateur))
            QSKIP("pas d'utilisateur d'essai (useradd)");
        const auto lecture = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                             QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
        QVERIFY(QFile::setPermissions(racine.path(), lecture | QFileDevice::WriteOwner));
        const QString ferme = racine.filePath(QStringLiteral("ferme"));
        QVERIFY(QDir().mkpath(ferme));
        const QString copie = racine.filePath(QStringLiteral("enregistreur_historique"));
        QVERIFY(QFile::copy(Enregistreur, copie));
        QVERIFY(QFile::setPermissions(ferme, root ? lecture | QFileDevice::WriteOwner : lecture));
        QProcess p;
        const QStringList commande = {copie, QStringLiteral("jeux"), ferme, QStringLiteral("1")};
        if (root)
            p.start(QStringLiteral("runuser"), QStringList{QStringLiteral("-u"), utilisateur, QStringLiteral("--")} + commande);
        else
            p.start(commande.first(), commande.mid(1));
        QVERIFY(p.waitForFinished(30000));
        const QByteArray sortie = p.readAllStandardError();
        QCOMPARE(p.exitCode(), 1);
        QVERIFY2(sortie.contains("Historique non enregistré dans \"" + ferme.toUtf8() + "/historique.sqlite\" : le "),
                 sortie.constData());
        QVERIFY(QDir(ferme).isEmpty());
        QFile::setPermissions(ferme, lecture | QFileDevice::WriteOwner);
    }

    // le disque plein au milieu d'une écriture : l'échec est dit, les jeux d'avant restent, la base est saine
    void disquePlein()
    {
        QTemporaryDir dossier;
        THistoriqueJeux historique(dossier.path());
        QCOMPARE(historique.Ajouter(LigneEssai(0)), std::nullopt);
        std::optional<QString> raison;
        {
            const QString wal = historique.Chemin() + QStringLiteral("-wal");
            LimiteEcriture limite(static_cast<rlim_t>(std::max(QFileInfo(wal).size(), QFileInfo(historique.Chemin()).size())));
            for (int n = 1; n < 200 && !raison; ++n)
                raison = historique.Ajouter(LigneEssai(n));
        }
        QVERIFY(raison);
        QVERIFY2(raison->startsWith(QStringLiteral("le disque est plein")) ||
                     raison->startsWith(QStringLiteral("erreur d'écriture sur le disque")),
                 qPrintable(*raison));
        QVERIFY(LignesEntieres(historique.Lire()));
        QCOMPARE(Sqlite3(historique.Chemin(), QStringLiteral("PRAGMA integrity_check")), QByteArray("ok\n"));
    }

    void fichierIllisible_data()
    {
        QTest::addColumn<bool>("enteteSqlite");
        QTest::newRow("octets au hasard") << false;
        QTest::newRow("base SQLite endommagée") << true;
    }

    // un fichier qui n'est pas un historique lisible n'est jamais écrasé : il est renommé à côté, on le dit,
    // et un nouvel historique commence
    void fichierIllisible()
    {
        QFETCH(bool, enteteSqlite);
        QTemporaryDir dossier;
        const QString chemin = THistoriqueJeux::CheminDansLeDossier(dossier.path());
        QByteArray octets(64 * 1024, '\0');
        QRandomGenerator hasard(12345);
        for (char& c : octets)
            c = static_cast<char>(hasard.bounded(256));
        if (enteteSqlite) {
            // une vraie base dont les pages après l'en-tête sont brouillées
            {
                THistoriqueJeux neuf(dossier.path());
                for (int n = 0; n < 300; ++n)
                    QCOMPARE(neuf.Ajouter(LigneEssai(n)), std::nullopt);
            }
            QCOMPARE(Sqlite3(chemin, QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE); PRAGMA journal_mode=DELETE")),
                     QByteArray("0|0|0\ndelete\n"));
            QByteArray base = ContenuFichier(chemin);
            QVERIFY(base.size() > 8192);
            base.replace(4096, base.size() - 4096, octets.left(base.size() - 4096));
            octets = base;
        }
        EcrireFichier(chemin, octets);

        THistoriqueJeux historique(dossier.path());
        QVERIFY2(historique.Ouvert() && !historique.LectureSeule(), qPrintable(historique.Raison()));
        QVERIFY(historique.Avis());
        QCOMPARE(historique.Avis()->Titre, QStringLiteral("Historique illisible"));
        const QString aCote = historique.FichierMisDeCote();
        QVERIFY(QFileInfo(aCote).fileName().startsWith(QStringLiteral("historique.sqlite.illisible-")));
        QCOMPARE(QFileInfo(aCote).absolutePath(), QFileInfo(chemin).absolutePath());
        QVERIFY2(historique.Avis()->Texte.contains(QFileInfo(aCote).fileName()), qPrintable(historique.Avis()->Texte));
        QCOMPARE(ContenuFichier(aCote), octets);
        QVERIFY(historique.Lire().empty());
        QCOMPARE(historique.Ajouter(LigneEssai(0)), std::nullopt);
        QCOMPARE(historique.Lire().size(), size_t{1});
    }
};

QTEST_GUILESS_MAIN(TestHistorique)
#include "test_historique.moc"
