// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// l'historique des jeux : lignes écrites et relues, schémas anciens mis à jour, schéma plus récent et fichiers
// qu'on ne peut pas écrire lus sans être écrits, trois programmes en même temps, arrêts brutaux et
// statistiques d'accord, disque plein, fichier illisible mis de côté avec ses journaux
#include "EnregistrementJeu.h"
#include "FichiersEssai.h"
#include "LignesEssai.h"
#include "LimiteEcriture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString Enregistreur = QStringLiteral(ENREGISTREUR);

// les schémas des versions 1 et 2, écrits ici à la main, avec le jeu numéro 7
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
const char* const PlusVersion2 =
    "CREATE TABLE reglages (cle TEXT PRIMARY KEY, valeur BLOB); PRAGMA user_version = 2;";

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

// l'enregistreur lancé sous un utilisateur qui n'est pas l'administrateur (root écrit partout), sa copie
// mise dans racine, devenue lisible par tous ; faux sans utilisateur d'essai
bool LancerSansDroits(QProcess& p, const QTemporaryDir& racine, const QStringList& arguments)
{
    const bool root = geteuid() == 0;
    const QString utilisateur = QStringLiteral("varnel-essai");
    if (root && !UtilisateurEssai(utilisateur))
        return false;
    QFile::setPermissions(racine.path(), QFile::permissions(racine.path()) | QFileDevice::ReadOther |
                                             QFileDevice::ExeOther | QFileDevice::ReadGroup | QFileDevice::ExeGroup);
    const QString copie = racine.filePath(QStringLiteral("enregistreur_historique"));
    QFile::copy(Enregistreur, copie);
    if (root)
        p.start(QStringLiteral("runuser"), QStringList{QStringLiteral("-u"), utilisateur, QStringLiteral("--"), copie} + arguments);
    else
        p.start(copie, arguments);
    return p.waitForFinished(30000);
}

const auto Lecture = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                     QFileDevice::ReadOther | QFileDevice::ExeOther;

// les fichiers du dossier, triés
QStringList Fichiers(const QString& dossier) { return QDir(dossier).entryList(QDir::Files, QDir::Name); }

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
        QTest::newRow("jeu du jour") << 3;
    }

    // chaque champ revient tel qu'il est parti, et sqlite3 lit les mêmes valeurs dans les colonnes
    void allerRetour()
    {
        QFETCH(int, cas);
        LigneHistorique l = LigneEssai(0);
        QByteArray colonnes = "2026-12-08T04:36:04Z|1|25|3|7|1|100|9|101|2|1|17|101|||123456|101|1000|2|40|45|3|9|2||10|4\n";
        l.Points = 10;
        l.Serie = 4;
        if (cas == 1) {
            l.Origine = OrigineJeu::Propose;
            l.Plaques = {1, 1, 2, 2, 3, 3};
            l.NbGrandes = 0;
            l.Niveau.reset();
            l.But = 999;
            l.OrdreSolutions = OrdreDuTorduAuSimple;
            l.NbSolutions = 2;
            l.MeilleurResultat = 720;
            l.MeilleurBas = 720;
            l.MeilleurHaut = 1278;
            l.ResultatJoueur = 540;
            l.PlaceSolutions.reset();
            l.LimiteTemps.reset();
            l.RangJoueur = 0;
            l.Points = 0;
            l.Serie.reset();
            colonnes = "2026-12-08T04:36:04Z|2|1|1|2|2|3|3|999|0|2|2|720|720|1278|123456|540|1000||40||3|9|0||0|\n";
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
            l.RangJoueur.reset();
            l.Points.reset();  // un jeu gardé avant qu'on compte les points
            l.Serie.reset();
            colonnes = "2026-12-08T04:36:04Z|1|25|3|7|1|100|9|500|2|1|17|497|497|497|123456||0||||3|9||||\n";
        } else if (cas == 3) {
            l.Origine = OrigineJeu::Jour;
            l.JourDuJeu = 20261208;
            colonnes = "2026-12-08T04:36:04Z|3|25|3|7|1|100|9|101|2|1|17|101|||123456|101|1000|2|40|45|3|9|2|20261208|10|4\n";
        }
        QTemporaryDir dossier;
        {
            THistoriqueJeux historique(dossier.path());
            QVERIFY(!historique.Existe());
            QVERIFY2(historique.Ouvrir(), qPrintable(historique.Raison()));
            QVERIFY(!historique.Avis());
            QCOMPARE(historique.Ajouter(LigneEssai(5)), std::nullopt);
            AjoutJeu ajout;
            QCOMPARE(historique.Ajouter(l, &ajout), std::nullopt);
            QCOMPARE(ajout.Numero, 2);
            QCOMPARE(ajout.Origine, l.Origine);
        }
        THistoriqueJeux relu(dossier.path());
        const std::vector<LigneHistorique> lignes = relu.Lire();
        QCOMPARE(lignes.size(), size_t{2});
        LigneHistorique attendue = l;
        attendue.Numero = 2;  // le plus ancien d'abord
        QVERIFY(lignes[1] == attendue);
        QCOMPARE(lignes[0].Numero, 1);
        QCOMPARE(lignes[0].But, 106);
        QCOMPARE(relu.Lire(1).size(), size_t{1});
        QCOMPARE(Sqlite3(relu.Chemin(), QStringLiteral("SELECT date, origine, plaque1, plaque2, plaque3, plaque4, plaque5, "
                                                       "plaque6, compte, grandes, ordre, solutions, meilleur, meilleur_bas, "
                                                       "meilleur_haut, calculs, joueur, temps_joueur, place_solutions, "
                                                       "place_calculs, limite_temps, temps_premiere_solution_ms, "
                                                       "temps_toutes_solutions_ms, rang_joueur, jour, points, serie FROM jeux WHERE numero = 2")),
                 colonnes);
        QCOMPARE(Sqlite3(relu.Chemin(), QStringLiteral("PRAGMA user_version; PRAGMA journal_mode")),
                 QByteArray::number(THistoriqueJeux::VersionSchema) + "\nwal\n");
    }

    void miseAJourDuSchema_data()
    {
        QTest::addColumn<QString>("schema");
        QTest::newRow("version 1") << QString::fromLatin1(SchemaVersion1);
        QTest::newRow("version 2") << QString::fromLatin1(SchemaVersion1) + QLatin1String(PlusVersion2);
    }

    // un historique d'une version précédente : ses jeux restent, il reçoit ce qui lui manque, et ses jeux
    // comptent pour déjà comptés dans les statistiques
    void miseAJourDuSchema()
    {
        QFETCH(QString, schema);
        QTemporaryDir dossier;
        const QString chemin = THistoriqueJeux::CheminDansLeDossier(dossier.path());
        QCOMPARE(Sqlite3(chemin, schema), QByteArray());
        THistoriqueJeux historique(dossier.path());
        QVERIFY2(historique.Ouvrir() && !historique.LectureSeule(), qPrintable(historique.Raison()));
        QCOMPARE(historique.VersionFichier(), THistoriqueJeux::VersionSchema);
        QVERIFY(!historique.Avis());
        QVERIFY(historique.Identifiant() != 0);
        QCOMPARE(historique.DernierJeuDejaCompte(), 7);
        QCOMPARE(historique.EcrireReglage(QStringLiteral("fenetre"), "abc"), std::nullopt);
        QCOMPARE(historique.LireReglage(QStringLiteral("fenetre")), QByteArray("abc"));
        QCOMPARE(historique.Ajouter(LigneEssai(0)), std::nullopt);
        const std::vector<LigneHistorique> lignes = historique.Lire();
        QCOMPARE(lignes.size(), size_t{2});
        QCOMPARE(lignes[0].Numero, 7);
        QCOMPARE(lignes[0].But, 999);
        QCOMPARE(lignes[0].MeilleurBas, 720);
        QVERIFY(!lignes[0].ResultatJoueur);
        QVERIFY(!lignes[0].Comptable());
        QVERIFY(!lignes[0].Niveau);
        QCOMPARE(lignes[1].Numero, 8);
        QVERIFY(!lignes[0].JourDuJeu);
        QCOMPARE(Sqlite3(chemin, QStringLiteral("PRAGMA user_version; SELECT count(*) FROM reglages")),
                 QByteArray::number(THistoriqueJeux::VersionSchema) + "\n3\n");
        // une série de dix jeux ajoutée (son numéro posé), puis son bilan refait à chacun de ses jeux : un compte
        // trouvé en 1,5 s (10 points), un autre manqué de 3 (7 points)
        LigneSerie serie{0, "2026-12-08T04:36:04Z", {NiveauJeu::Expert, 0, 0, 0, std::nullopt, false}};
        QCOMPARE(historique.AjouterSerie(serie), std::nullopt);
        QCOMPARE(serie.Numero, 1);
        for (int n : {500, 501}) {
            LigneHistorique l = LigneEssai(n);
            l.Serie = 1;
            l.Points = n == 500 ? 10 : 7;
            l.ResultatJoueur = l.But + (n == 500 ? 0 : 3);
            QCOMPARE(historique.Ajouter(l), std::nullopt);
        }
        serie.Bilan = {NiveauJeu::Expert, 2, 17, 1, 1500.0, false};
        QVERIFY(historique.LireSeries() == std::vector<LigneSerie>{serie});
        QCOMPARE(Sqlite3(chemin, QStringLiteral("SELECT * FROM series")),
                 QByteArray("1|2026-12-08T04:36:04Z|4|2|17|1|1500.0|0\n"));
        // les matchs de même : ajouté, puis son bilan réécrit, sa date gardée
        LigneMatch match{0, "2026-12-08T05:00:00Z", {SorteMatch::ADeuxJoueurs, std::nullopt, {"Alice", "Bruno"}, {}, 0, false}};
        QCOMPARE(historique.AjouterMatch(match), std::nullopt);
        QCOMPARE(match.Numero, 1);
        match.Bilan.Totaux = {17, 24};
        match.Bilan.JeuxJoues = 5;
        match.Bilan.Fini = true;
        QCOMPARE(historique.GarderMatch(LigneMatch{1, "autre date", match.Bilan}), std::nullopt);
        QVERIFY(historique.LireMatchs() == std::vector<LigneMatch>{match});
        QCOMPARE(Sqlite3(chemin, QStringLiteral("SELECT * FROM matchs")),
                 QByteArray("1|2026-12-08T05:00:00Z|2||Alice|Bruno|17|24|5|1\n"));
        // une sorte ou une force qu'une autre version aurait ajoutée ne se relit pas
        QCOMPARE(Sqlite3(chemin, QStringLiteral("INSERT INTO matchs VALUES (2, 'd', 3, NULL, 'a', 'b', 0, 0, 0, 0),"
                                                " (3, 'd', 1, 9, 'Vous', 'Ordinateur', 0, 0, 0, 0)")),
                 QByteArray());
        QVERIFY(historique.LireMatchs() == std::vector<LigneMatch>{match});
    }

    // un historique d'une version plus récente se lit, mais rien n'y est écrit et on le dit une fois
    void versionPlusRecente()
    {
        QTemporaryDir dossier;
        const QString chemin = THistoriqueJeux::CheminDansLeDossier(dossier.path());
        QCOMPARE(THistoriqueJeux(dossier.path()).Ajouter(LigneEssai(0)), std::nullopt);
        QCOMPARE(Sqlite3(chemin, QStringLiteral("ALTER TABLE jeux ADD COLUMN nouveaute TEXT; PRAGMA user_version = %1;")
                                     .arg(THistoriqueJeux::VersionSchema + 1)),
                 QByteArray());
        const QByteArray avant = ContenuFichier(chemin);
        {
            THistoriqueJeux historique(dossier.path());
            QCOMPARE(historique.Lire().size(), size_t{1});
            QVERIFY(historique.LectureSeule());
            QCOMPARE(historique.AvisADire()->Titre, QStringLiteral("Historique en lecture seule"));
            QVERIFY(historique.Avis()->Texte.contains(chemin));
            QVERIFY(!historique.AvisADire());
            const std::optional<QString> raison = historique.Ajouter(LigneEssai(0));
            QVERIFY(raison);
            QVERIFY2(raison->contains(QStringLiteral("version plus récente")), qPrintable(*raison));
            QVERIFY(historique.EcrireReglage(QStringLiteral("fenetre"), "abc"));
        }
        QCOMPARE(ContenuFichier(chemin), avant);
        QCOMPARE(Fichiers(dossier.path()), QStringList{QStringLiteral("historique.sqlite")});
    }

    // deux programmes ajoutent 200 jeux chacun pendant qu'un troisième garde sa connexion, lit entre leurs
    // écritures et écrit lui-même : toutes les lignes sont là, la base est saine, et le troisième tient
    // toujours son verrou après chacune de ses écritures
    void troisProgrammes()
    {
        QTemporaryDir dossier;
        const QString chemin = THistoriqueJeux::CheminDansLeDossier(dossier.path());
        QCOMPARE(THistoriqueJeux(dossier.path()).Lire().size(), size_t{0});
        QProcess a, b, lecteur;
        lecteur.start(Enregistreur, {QStringLiteral("lecteur"), dossier.path(), QStringLiteral("20")});
        for (QProcess* p : {&a, &b})
            p->start(Enregistreur, {QStringLiteral("jeux"), dossier.path(), QStringLiteral("200")});
        int verrousTenus = 0;
        while (lecteur.state() != QProcess::NotRunning || lecteur.canReadLine()) {
            if (!lecteur.canReadLine() && !lecteur.waitForReadyRead(30000))
                break;
            while (lecteur.canReadLine()) {
                QCOMPARE(lecteur.readLine(), QByteArray("ecrit\n"));
                verrousTenus += TientLeVerrouSqlite(lecteur.processId(), chemin);
                lecteur.write("\n");
            }
        }
        for (QProcess* p : {&a, &b, &lecteur}) {
            QVERIFY(p->state() == QProcess::NotRunning || p->waitForFinished(240000));
            QVERIFY2(p->exitCode() == 0, p->readAllStandardError().constData());
        }
        QCOMPARE(verrousTenus, 20);
        QCOMPARE(Sqlite3(chemin, QStringLiteral("SELECT count(*), count(DISTINCT numero) FROM jeux; PRAGMA integrity_check")),
                 QByteArray("420|420\nok\n"));
        QVERIFY(LignesEntieres(THistoriqueJeux(dossier.path()).Lire()));
    }

    // un autre programme écrit et reporte son journal dans le fichier pendant que celui-ci vérifie l'historique
    // à l'ouverture : la vérification, sous son verrou de lecture, le trouve sain ; rien n'est mis de côté
    void verificationPendantUneEcriture()
    {
        QTemporaryDir dossier;
        const QString chemin = THistoriqueJeux::CheminDansLeDossier(dossier.path());
        {
            THistoriqueJeux historique(dossier.path());
            for (int n = 0; n < 300; ++n)
                QCOMPARE(historique.Ajouter(LigneEssai(n)), std::nullopt);
        }
        QProcess lecteur;
        lecteur.start(Enregistreur, {QStringLiteral("lire"), dossier.path(), QStringLiteral("crochet=verification:attendre")});
        QVERIFY(lecteur.waitForReadyRead(30000));
        QCOMPARE(lecteur.readLine(), QByteArray("verification\n"));
        const QString colonnes = QStringLiteral("date, origine, plaque1, plaque2, plaque3, plaque4, plaque5, plaque6, compte, "
                                                "grandes, ordre, solutions, calculs, temps_joueur");
        QCOMPARE(Sqlite3(chemin, QStringLiteral("INSERT INTO jeux (%1) SELECT %1 FROM jeux; INSERT INTO jeux (%1) SELECT %1 "
                                                "FROM jeux; PRAGMA wal_checkpoint(PASSIVE);").arg(colonnes)).count('|'), 2);
        lecteur.write("\n");
        QVERIFY(lecteur.waitForFinished(30000));
        QCOMPARE(lecteur.readAllStandardOutput(), QByteArray("1200 jeux, écriture\n\najout fait\n"));
        QCOMPARE(Fichiers(dossier.path()).filter(QStringLiteral("illisible")), QStringList());
    }

    // deux exemplaires finissent ensemble le jeu du jour : le second attend le verrou d'écriture que le premier
    // tient, sa ligne écrite, puis trouve la date jouée et compte comme proposé
    void jeuDuJourFiniEnsemble()
    {
        QTemporaryDir dossier;
        const QString chemin = THistoriqueJeux::CheminDansLeDossier(dossier.path());
        QProcess premier, second;
        premier.start(Enregistreur, {QStringLiteral("jour"), dossier.path(), QStringLiteral("crochet=ligne:attendre")});
        QVERIFY(premier.waitForReadyRead(30000));
        QCOMPARE(premier.readLine(), QByteArray("ligne\n"));
        second.start(Enregistreur, {QStringLiteral("jour"), dossier.path()});
        QThread::msleep(300);
        premier.write("\n");
        for (QProcess* p : {&premier, &second})
            QVERIFY2(p->waitForFinished(30000) && p->exitCode() == 0, p->readAllStandardError().constData());
        QCOMPARE(premier.readAllStandardOutput() + second.readAllStandardOutput(), QByteArray("jour\nproposé\n"));
        QCOMPARE(Sqlite3(chemin, QStringLiteral("SELECT origine, jour FROM jeux")), QByteArray("3|20261208\n2|\n"));
    }

    void serieArreteeAuDixiemeJeu_data()
    {
        QTest::addColumn<QString>("crochet");
        QTest::addColumn<QByteArray>("serie");  // jeux, points, trouvés, finie ; puis les jeux qui la nomment
        QTest::newRow("tuée entre la ligne et le bilan") << "crochet=ligne:tuer" << QByteArray("9|90|9|0|9\n");
        QTest::newRow("menée au bout") << "" << QByteArray("10|100|10|1|10\n");
    }

    // une série dont le dixième jeu est arrêté net entre sa ligne et le bilan de la série : au redémarrage, la
    // série et ses jeux disent la même chose
    void serieArreteeAuDixiemeJeu()
    {
        QFETCH(QString, crochet);
        QFETCH(QByteArray, serie);
        QTemporaryDir dossier;
        QProcess enfant;
        // l'enregistreur ne pose le crochet qu'au dernier jeu de la série
        enfant.start(Enregistreur, QStringList{QStringLiteral("serie"), dossier.path(), QStringLiteral("10"), crochet});
        QVERIFY(enfant.waitForFinished(30000));
        QCOMPARE(THistoriqueJeux(dossier.path()).LireSeries().size(), size_t{1});
        QCOMPARE(Sqlite3(THistoriqueJeux::CheminDansLeDossier(dossier.path()),
                         QStringLiteral("SELECT jeux, points, trouves, finie, (SELECT count(*) FROM jeux WHERE serie = 1) "
                                        "FROM series")),
                 serie);
    }

    // un fichier de la version 6, où la série et ses jeux s'écrivaient à part : la série restée en retard sur
    // ses jeux est refaite d'eux à la mise à jour ; celle qui en compte plus que les jeux gardés reste telle quelle
    void seriesEnRetardRattrapees()
    {
        QTemporaryDir dossier;
        const QString chemin = THistoriqueJeux::CheminDansLeDossier(dossier.path());
        QVERIFY(THistoriqueJeux(dossier.path()).Ouvrir());
        // la première série dit 9 jeux et dix jeux trouvés la nomment (10 points, 1000 à 1009 ms) ; la
        // seconde en dit 10 et neuf la nomment
        QCOMPARE(Sqlite3(chemin, QStringLiteral(
                                     "INSERT INTO series VALUES (1, 'd', 2, 9, 90, 9, 1004.0, 0), (2, 'd', NULL, 10, 62, 5, 1002.0, 1);"
                                     "WITH RECURSIVE c(n) AS (SELECT 0 UNION ALL SELECT n + 1 FROM c WHERE n < 18) INSERT INTO jeux "
                                     "(date, origine, plaque1, plaque2, plaque3, plaque4, plaque5, plaque6, compte, grandes, ordre,"
                                     " solutions, calculs, joueur, temps_joueur, points, serie) SELECT 'd', 1, 25, 3, 7, 1, 100, 9,"
                                     " 101, 2, 1, 17, 123456, 101, 1000 + n % 10, 10, 1 + n / 10 FROM c;"
                                     "DROP INDEX jeux_jour; DROP INDEX jeux_serie; DROP TABLE matchs; ALTER TABLE jeux DROP COLUMN match;"
                                     "PRAGMA user_version = 6;")),
                 QByteArray());
        QVERIFY(THistoriqueJeux(dossier.path()).Ouvrir());
        QCOMPARE(Sqlite3(chemin, QStringLiteral("SELECT numero, jeux, points, trouves, temps_median_ms, finie FROM series")),
                 QByteArray("1|10|100|10|1004.5|1\n2|10|62|5|1002.0|1\n"));
    }

    // un enfant qui enregistre des jeux finis sans fin, tué net à des moments pris au hasard : la base passe
    // la vérification d'intégrité, ne tient que des lignes entières, et une fois le programme relancé,
    // varnel.ini compte exactement les jeux de l'historique
    void arretBrutal()
    {
        QTemporaryDir dossier;
        const QString chemin = THistoriqueJeux::CheminDansLeDossier(dossier.path());
        const QString ini = dossier.filePath(QStringLiteral("varnel.ini"));
        const quint32 graine = QRandomGenerator::global()->generate();
        qInfo("graine %u", graine);
        QRandomGenerator hasard(graine);
        size_t precedent = 0;
        int enAvance = 0;
        for (int essai = 0; essai < 60; ++essai) {
            QProcess enfant;
            enfant.start(Enregistreur, {QStringLiteral("boucle"), dossier.path()});
            QVERIFY(enfant.waitForStarted());
            QThread::usleep(hasard.bounded(20000, 160000));
            enfant.kill();  // SIGKILL
            QVERIFY(enfant.waitForFinished());
            QCOMPARE(Sqlite3(chemin, QStringLiteral("PRAGMA integrity_check")), QByteArray("ok\n"));
            THistoriqueJeux historique(dossier.path());
            const std::vector<LigneHistorique> lignes = historique.Lire();
            QVERIFY2(historique.Ouvrir() && !historique.Avis(), qPrintable(historique.Raison()));
            QVERIFY(LignesEntieres(lignes));
            QVERIFY(lignes.size() >= precedent);
            precedent = lignes.size();
            TFichierIni fichier(ini);
            enAvance += fichier.LireCumuls()[Cumul::RecherchesM] != static_cast<int64_t>(lignes.size());
            // le programme relancé
            const std::optional<QString> raison = AccorderStatistiques(fichier, historique);
            QVERIFY2(!raison, qPrintable(raison.value_or(QString())));
            const CumulsStat cumuls = TFichierIni(ini).LireCumuls();
            int64_t tempsH = 0;
            for (const LigneHistorique& l : lignes)
                tempsH += l.TempsJoueur;
            QCOMPARE(cumuls[Cumul::RecherchesM], static_cast<int64_t>(lignes.size()));
            QCOMPARE(cumuls[Cumul::TempsH], tempsH);
        }
        QVERIFY(precedent > 0);
        qInfo("%zu jeux enregistrés ; %d arrêts entre la ligne et varnel.ini", precedent, enAvance);
    }

    void accord_data()
    {
        QTest::addColumn<QByteArray>("ini");  // vide : pas de fichier ; @ : l'identifiant de l'historique
        QTest::addColumn<bool>("dejaEcrites");  // un varnel.ini a déjà compté des jeux de cet historique
        QTest::addColumn<int64_t>("recherches");
        QTest::addColumn<bool>("reecrit");
        // l'historique : le jeu 7 d'une version précédente, puis deux jeux de celle-ci (8 et 9)
        QTest::newRow("sans repère : seuls les jeux d'après la mise à jour")
            << QByteArray("[Statistiques]\nRecherchesM=1\n") << false << int64_t{3} << true;
        QTest::newRow("d'accord : rien n'est écrit")
            << QByteArray("[Statistiques]\nRecherchesM=3\n[Historique]\nIdentifiant=@\nDernierJeuCompte=9\n") << true
            << int64_t{3} << false;
        QTest::newRow("historique neuf, repère d'un autre")
            << QByteArray("[Statistiques]\nRecherchesM=10\n[Historique]\nIdentifiant=5\nDernierJeuCompte=50\n")
            << false << int64_t{12} << true;
        QTest::newRow("varnel.ini effacé : les statistiques repartent de zéro") << QByteArray() << true << int64_t{0} << true;
    }

    // au démarrage, varnel.ini reçoit les jeux de l'historique qu'il ne compte pas, et eux seuls
    void accord()
    {
        QFETCH(QByteArray, ini);
        QFETCH(bool, dejaEcrites);
        QFETCH(int64_t, recherches);
        QFETCH(bool, reecrit);
        QTemporaryDir dossier;
        const QString chemin = THistoriqueJeux::CheminDansLeDossier(dossier.path());
        QCOMPARE(Sqlite3(chemin, QString::fromLatin1(SchemaVersion1) + QLatin1String(PlusVersion2)), QByteArray());
        THistoriqueJeux historique(dossier.path());
        for (int n = 0; n < 2; ++n)
            QCOMPARE(historique.Ajouter(LigneEssai(n)), std::nullopt);
        if (dejaEcrites)
            historique.MarquerStatistiquesEcrites();
        const QString fichierIni = dossier.filePath(QStringLiteral("varnel.ini"));
        if (!ini.isEmpty())
            EcrireFichier(fichierIni, ini.replace('@', QByteArray::number(static_cast<qlonglong>(historique.Identifiant()))));
        TFichierIni fichier(fichierIni);
        QCOMPARE(AccorderStatistiques(fichier, historique), std::nullopt);
        QCOMPARE(TFichierIni(fichierIni).LireCumuls()[Cumul::RecherchesM], recherches);
        QCOMPARE(ContenuFichier(fichierIni) != ini, reecrit);
        QVERIFY(TFichierIni(fichierIni).LireRepere() == RepereHistorique({historique.Identifiant(), 9}));
        // un second démarrage n'ajoute plus rien
        QCOMPARE(AccorderStatistiques(fichier, historique), std::nullopt);
        QCOMPARE(TFichierIni(fichierIni).LireCumuls()[Cumul::RecherchesM], recherches);
    }

    void lectureSeule_data()
    {
        QTest::addColumn<int>("cas");
        QTest::addColumn<QStringList>("fichiers");
        const QStringList seul{QStringLiteral("historique.sqlite")};
        QTest::newRow("fichier sans droit d'écriture") << 0 << seul;
        QTest::newRow("dossier fermé") << 1 << seul;
        QTest::newRow("dossier sans droit d'écriture, même pour root") << 2 << seul;
        QTest::newRow("journal sans son index dans un dossier fermé") << 3 << (seul + QStringList{QStringLiteral("historique.sqlite-wal")});
    }

    // un historique qu'on ne peut pas écrire se lit quand même : ses jeux sont là, on le dit, rien n'y est
    // ajouté, et aucun journal ne reste à côté. Le fichier ou le dossier sans droit d'écriture vaut aussi pour
    // root ; le dossier fermé se lit par un utilisateur d'essai, sauf un journal laissé sans son index, qu'on
    // ne peut pas lire sans écrire à côté : on dit pourquoi
    void lectureSeule()
    {
        QFETCH(int, cas);
        QFETCH(QStringList, fichiers);
        QTemporaryDir racine, source;
        const QString dossier = racine.filePath(QStringLiteral("varnel"));
        const QString chemin = THistoriqueJeux::CheminDansLeDossier(dossier);
        if (cas == 3) {
            // les deux fichiers copiés pendant que la connexion tient le journal
            THistoriqueJeux ouvert(source.path());
            QCOMPARE(ouvert.Ajouter(LigneEssai(0)), std::nullopt);
            QVERIFY(QDir().mkpath(dossier));
            for (const char* nom : {"", "-wal"})
                QVERIFY(QFile::copy(ouvert.Chemin() + QLatin1String(nom), chemin + QLatin1String(nom)));
        } else {
            QCOMPARE(THistoriqueJeux(dossier).Ajouter(LigneEssai(0)), std::nullopt);
        }
        const QByteArray avant = ContenuFichier(chemin);
        if (cas == 1 || cas == 3) {
            QVERIFY(QFile::setPermissions(dossier, Lecture));
            QProcess p;
            const bool lance = LancerSansDroits(p, racine, {QStringLiteral("lire"), dossier});
            QFile::setPermissions(dossier, Lecture | QFileDevice::WriteOwner);
            if (!lance)
                QSKIP("pas d'utilisateur d'essai (useradd)");
            QCOMPARE(p.readAllStandardOutput(),
                     cas == 1 ? QByteArray("1 jeux, lecture seule\nHistorique en lecture seule\najout refusé\n")
                              : "0 jeux, non ouvert\nHistorique inaccessible : son journal \"historique.sqlite-wal\" est là "
                                "sans son index \"historique.sqlite-shm\", que ce programme ne peut pas refaire dans le "
                                "dossier \"" + dossier.toUtf8() + "\", fermé à l'écriture ; ouvert une fois par un programme "
                                "qui peut écrire dans ce dossier, l'historique se lira de nouveau\najout refusé\n");
        } else {
            const auto lectureSeule = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
            QVERIFY(QFile::setPermissions(cas == 0 ? chemin : dossier, cas == 0 ? lectureSeule : Lecture));
            THistoriqueJeux historique(dossier);
            QCOMPARE(historique.Lire().size(), size_t{1});
            QVERIFY(historique.LectureSeule());
            const QString raison = cas == 0 ? QStringLiteral("le fichier est en lecture seule")
                                            : QStringLiteral("le dossier \"%1\" ne peut pas être écrit").arg(dossier);
            QVERIFY2(historique.AvisADire()->Texte.contains(raison), qPrintable(historique.Avis()->Texte));
            QVERIFY(historique.Ajouter(LigneEssai(1)));
            QVERIFY(historique.EcrireReglage(QStringLiteral("fenetre"), "abc"));
            QFile::setPermissions(dossier, Lecture | QFileDevice::WriteOwner);
        }
        QCOMPARE(ContenuFichier(chemin), avant);
        QCOMPARE(Fichiers(dossier), fichiers);
    }

    // un dossier où l'on ne peut pas écrire et pas d'historique : la raison est dite et rien n'est créé ; un
    // dossier qui est un fichier vaut pour tous
    void dossierFermeSansHistorique()
    {
        QTemporaryDir racine;
        const QString obstacle = racine.filePath(QStringLiteral("fichier"));
        EcrireFichier(obstacle, "pas un dossier");
        THistoriqueJeux impossible(obstacle + QStringLiteral("/varnel"));
        QVERIFY(!impossible.Ouvrir());
        const std::optional<QString> raison = impossible.Ajouter(LigneEssai(0));
        QVERIFY(raison && !raison->isEmpty());
        QCOMPARE(ContenuFichier(obstacle), QByteArray("pas un dossier"));

        const QString ferme = racine.filePath(QStringLiteral("ferme"));
        QVERIFY(QDir().mkpath(ferme));
        QVERIFY(QFile::setPermissions(ferme, Lecture));
        QProcess p;
        const bool lance = LancerSansDroits(p, racine, {QStringLiteral("jeux"), ferme, QStringLiteral("1")});
        QFile::setPermissions(ferme, Lecture | QFileDevice::WriteOwner);
        if (!lance)
            QSKIP("pas d'utilisateur d'essai (useradd)");
        const QByteArray sortie = p.readAllStandardError();
        QCOMPARE(p.exitCode(), 1);
        QVERIFY2(sortie.contains("Historique non enregistré dans \"" + ferme.toUtf8() + "/historique.sqlite\" : le "),
                 sortie.constData());
        QVERIFY(QDir(ferme).isEmpty());
    }

    void pasUnFichier_data()
    {
        QTest::addColumn<QString>("nature");
        QTest::newRow("tube nommé") << "tube";
        QTest::newRow("lien vers un périphérique") << "peripherique";
    }

    // un tube ou un périphérique au nom de l'historique n'est jamais ouvert (ni attendu ni lu sans fin) ; la
    // raison le dit
    void pasUnFichier()
    {
        QFETCH(QString, nature);
        QTemporaryDir dossier;
        const QString chemin = THistoriqueJeux::CheminDansLeDossier(dossier.path());
        if (nature == QLatin1String("tube"))
            QCOMPARE(::mkfifo(QFile::encodeName(chemin).constData(), 0644), 0);
        else
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), chemin));
        THistoriqueJeux historique(dossier.path());
        QVERIFY(!historique.Ouvrir());
        QCOMPARE(historique.Raison(), QStringLiteral("ce n'est pas un fichier ordinaire (tube, périphérique ou dossier)"));
        QVERIFY(historique.Ajouter(LigneEssai(0)));
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
        QCOMPARE(TitreEchecHistorique(historique.DernierEchec()), QStringLiteral("Disque plein"));
        QVERIFY2(raison->startsWith(QStringLiteral("le disque est plein")) ||
                     raison->startsWith(QStringLiteral("erreur d'écriture sur le disque")),
                 qPrintable(*raison));
        QVERIFY(LignesEntieres(historique.Lire()));
        QCOMPARE(Sqlite3(historique.Chemin(), QStringLiteral("PRAGMA integrity_check")), QByteArray("ok\n"));
    }

    void fichierIllisible_data()
    {
        QTest::addColumn<int>("cas");
        QTest::newRow("octets au hasard") << 0;
        QTest::newRow("base SQLite endommagée") << 1;
        QTest::newRow("base endommagée avec ses journaux") << 2;
    }

    // un fichier qui n'est pas un historique lisible n'est jamais touché : il est renommé à côté, ses
    // journaux avec lui, on le dit, et un nouvel historique commence
    void fichierIllisible()
    {
        QFETCH(int, cas);
        QTemporaryDir dossier, source;
        const QString chemin = THistoriqueJeux::CheminDansLeDossier(dossier.path());
        QByteArray octets(64 * 1024, '\0');
        QRandomGenerator hasard(12345);
        for (char& c : octets)
            c = static_cast<char>(hasard.bounded(256));
        QByteArray wal;
        if (cas > 0) {
            // une vraie base dont les pages après l'en-tête sont brouillées ; avec ses journaux, copiés pendant
            // qu'une connexion les tient ouverts
            const QString original = THistoriqueJeux::CheminDansLeDossier(source.path());
            THistoriqueJeux neuf(source.path());
            for (int n = 0; n < 300; ++n)
                QCOMPARE(neuf.Ajouter(LigneEssai(n)), std::nullopt);
            QCOMPARE(Sqlite3(original, QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")), QByteArray("0|0|0\n"));
            for (int n = 0; cas == 2 && n < 20; ++n)
                QCOMPARE(neuf.Ajouter(LigneEssai(n)), std::nullopt);
            QByteArray base = ContenuFichier(original);
            QVERIFY(base.size() > 8192);
            base.replace(4096, base.size() - 4096, octets.left(base.size() - 4096));
            octets = base;
            if (cas == 2) {
                wal = ContenuFichier(original + QStringLiteral("-wal"));
                QVERIFY(!wal.isEmpty());
                EcrireFichier(chemin + QStringLiteral("-wal"), wal);
                EcrireFichier(chemin + QStringLiteral("-shm"), ContenuFichier(original + QStringLiteral("-shm")));
            }
        }
        EcrireFichier(chemin, octets);

        THistoriqueJeux historique(dossier.path());
        QVERIFY2(historique.Ouvrir() && !historique.LectureSeule(), qPrintable(historique.Raison()));
        QCOMPARE(historique.AvisADire()->Titre, QStringLiteral("Historique illisible"));
        const QString aCote = historique.FichierMisDeCote();
        QVERIFY(QFileInfo(aCote).fileName().startsWith(QStringLiteral("historique.sqlite.illisible-")));
        QCOMPARE(QFileInfo(aCote).absolutePath(), QFileInfo(chemin).absolutePath());
        QVERIFY2(historique.Avis()->Texte.contains(QFileInfo(aCote).fileName()), qPrintable(historique.Avis()->Texte));
        QVERIFY(historique.Lire().empty());
        QCOMPARE(historique.Ajouter(LigneEssai(0)), std::nullopt);
        QCOMPARE(historique.Lire().size(), size_t{1});
        QCOMPARE(ContenuFichier(aCote), octets);
        QCOMPARE(ContenuFichier(aCote + QStringLiteral("-wal")), wal);
        // l'index d'une base en WAL part avec elle (la vérification sous verrou le refait au besoin)
        QCOMPARE(QFileInfo::exists(aCote + QStringLiteral("-shm")), cas > 0);
    }
};

QTEST_GUILESS_MAIN(TestHistorique)
#include "test_historique.moc"
