// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// le fichier varnel.ini : lecture, écriture qui garde ce qu'elle ne connaît pas, arrêt brutal,
// enregistrements simultanés, emplacement quand le dossier du programme est en lecture seule
#include "FichierIni.h"
#include "MontantsEssai.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <unistd.h>

namespace {

const QString Enregistreur = QStringLiteral(ENREGISTREUR);

void Ecrire(const QString& chemin, const QByteArray& contenu)
{
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contenu);
}

QByteArray Contenu(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// les compteurs sont ceux d'un nombre entier d'enregistrements : ce nombre, ou -1
int64_t NombreEnregistrements(const TFichierIni& fichier)
{
    const CumulsStat c = fichier.LireCumuls();
    const CumulsStat m = MontantsEssai();
    const int64_t n = c[Cumul::RecherchesM];
    for (size_t i = 0; i < Cumul::Nombre; ++i)
        if (c.Valeurs[i] != n * m.Valeurs[i])
            return -1;
    return n;
}

}  // namespace

class TestFichierIni : public QObject {
    Q_OBJECT
private slots:
    void lecture_data()
    {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QString>("cle");
        QTest::addColumn<qlonglong>("attendu");
        const QByteArray s = "[Statistiques]\n";
        QTest::newRow("fichier vide") << QByteArray() << QStringLiteral("RecherchesM") << 0LL;
        QTest::newRow("décimal") << s + "RecherchesM=42\n" << QStringLiteral("RecherchesM") << 42LL;
        QTest::newRow("négatif") << s + "TempsH=-7\n" << QStringLiteral("TempsH") << -7LL;
        QTest::newRow("blancs autour") << s + "  RecherchesM =  42  \n" << QStringLiteral("RecherchesM") << 42LL;
        QTest::newRow("hexadécimal 0x") << s + "RecherchesM=0x10\n" << QStringLiteral("RecherchesM") << 16LL;
        QTest::newRow("hexadécimal 0X") << s + "RecherchesM=0X1f\n" << QStringLiteral("RecherchesM") << 31LL;
        QTest::newRow("fichier écrit en 32 bits") << s + "PossibilitesM=2147400000\n" << QStringLiteral("PossibilitesM") << 2147400000LL;
        QTest::newRow("au-delà des 32 bits") << s + "PossibilitesM=9000000000\n" << QStringLiteral("PossibilitesM") << 9000000000LL;
        QTest::newRow("au-delà des 64 bits") << s + "PossibilitesM=99999999999999999999\n" << QStringLiteral("PossibilitesM") << 0LL;
        QTest::newRow("pas un entier") << s + "RecherchesM=12abc\n" << QStringLiteral("RecherchesM") << 0LL;
        QTest::newRow("vide") << s + "RecherchesM=\n" << QStringLiteral("RecherchesM") << 0LL;
        QTest::newRow("0x sans chiffre") << s + "RecherchesM=0x\n" << QStringLiteral("RecherchesM") << 0LL;
        QTest::newRow("décimales") << s + "RecherchesM=1.5\n" << QStringLiteral("RecherchesM") << 0LL;
        QTest::newRow("fins de ligne CR LF") << QByteArray("[Statistiques]\r\nRecherchesM=5\r\n") << QStringLiteral("RecherchesM") << 5LL;
        QTest::newRow("casse") << QByteArray("[statistiques]\nrecherchesm=5\n") << QStringLiteral("RecherchesM") << 5LL;
        QTest::newRow("autre section") << QByteArray("[Autre]\nRecherchesM=5\n") << QStringLiteral("RecherchesM") << 0LL;
        QTest::newRow("clé d'une section suivante") << s + "TrouvesM=1\n[Autre]\nRecherchesM=5\n" << QStringLiteral("RecherchesM") << 0LL;
        QTest::newRow("commentaire") << s + ";RecherchesM=5\n" << QStringLiteral("RecherchesM") << 0LL;
        QTest::newRow("première de deux") << s + "RecherchesM=5\nRecherchesM=6\n" << QStringLiteral("RecherchesM") << 5LL;
    }

    void lecture()
    {
        QFETCH(QByteArray, contenu);
        QFETCH(QString, cle);
        QFETCH(qlonglong, attendu);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("varnel.ini"));
        Ecrire(chemin, contenu);
        TFichierIni fichier(chemin);
        QCOMPARE(fichier.LireEntier(SectionStatistiques, cle), attendu);
    }

    // une valeur réécrite garde tout le reste du fichier octet pour octet
    void ecriture_data()
    {
        QTest::addColumn<QByteArray>("avant");
        QTest::addColumn<QByteArray>("apres");
        QTest::newRow("fichier vide") << QByteArray() << QByteArray("[Statistiques]\nRecherchesM=17\n");
        QTest::newRow("autre section gardée")
            << QByteArray("[Autre]\nx=1\n") << QByteArray("[Autre]\nx=1\n\n[Statistiques]\nRecherchesM=17\n");
        QTest::newRow("CR LF gardés") << QByteArray("[Autre]\r\nx=1\r\n")
                                      << QByteArray("[Autre]\r\nx=1\r\n\r\n[Statistiques]\r\nRecherchesM=17\r\n");
        QTest::newRow("valeur remplacée")
            << QByteArray("; mes totaux\n[Statistiques]\nrecherchesM = 0x10\nTrouvesM=3\n\n[Autre]\nx=1\n")
            << QByteArray("; mes totaux\n[Statistiques]\nrecherchesM=17\nTrouvesM=3\n\n[Autre]\nx=1\n");
        QTest::newRow("clé ajoutée dans sa section")
            << QByteArray("[Statistiques]\nTrouvesM=3\n\n[Autre]\nx=1\n")
            << QByteArray("[Statistiques]\nTrouvesM=3\nRecherchesM=17\n\n[Autre]\nx=1\n");
        QTest::newRow("sans fin de ligne finale")
            << QByteArray("[Statistiques]\nTrouvesM=3") << QByteArray("[Statistiques]\nTrouvesM=3\nRecherchesM=17");
    }

    void ecriture()
    {
        QFETCH(QByteArray, avant);
        QFETCH(QByteArray, apres);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("varnel.ini"));
        Ecrire(chemin, avant);
        TFichierIni fichier(chemin);
        fichier.EcrireEntier(SectionStatistiques, QStringLiteral("RecherchesM"), 17);
        QVERIFY(fichier.Enregistrer());
        QCOMPARE(Contenu(chemin), apres);
    }

    // un dossier qu'on ne peut pas créer, même en root : rien n'est écrit, et on le sait
    void ecritureImpossible()
    {
        QTemporaryDir dossier;
        const QString obstacle = dossier.filePath(QStringLiteral("fichier"));
        Ecrire(obstacle, "pas un dossier");
        TFichierIni fichier(obstacle + QStringLiteral("/varnel/varnel.ini"));
        QVERIFY(!fichier.AjouterCumuls(MontantsEssai()));
        QCOMPARE(Contenu(obstacle), QByteArray("pas un dossier"));
    }

    // un enfant qui enregistre sans fin est tué net à des moments pris au hasard : le fichier se lit
    // toujours, ses compteurs sont ceux d'un nombre entier de jeux, et le reste du fichier est intact
    void arretBrutal()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("varnel.ini"));
        const QByteArray debut = "; essai\n[Autre]\nx=1\n";
        Ecrire(chemin, debut);
        const quint32 graine = QRandomGenerator::global()->generate();
        qInfo("graine %u", graine);
        QRandomGenerator hasard(graine);
        int64_t precedent = 0;
        for (int essai = 0; essai < 200; ++essai) {
            QProcess enfant;
            enfant.start(Enregistreur, {QStringLiteral("boucle"), chemin});
            QVERIFY(enfant.waitForStarted());
            QThread::usleep(hasard.bounded(5000, 60000));
            enfant.kill();  // SIGKILL
            QVERIFY(enfant.waitForFinished());
            TFichierIni fichier(chemin);
            QVERIFY(fichier.Lire());
            const int64_t n = NombreEnregistrements(fichier);
            QVERIFY2(n >= precedent, fichier.Contenu().constData());
            QVERIFY(fichier.Contenu().startsWith(debut));
            precedent = n;
        }
        QVERIFY(precedent > 0);
        qInfo("%lld jeux enregistrés", static_cast<long long>(precedent));
    }

    // deux exemplaires qui enregistrent en même temps : aucun n'efface les jeux de l'autre
    void deuxProgrammesEnMemeTemps()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("varnel.ini"));
        QProcess a, b;
        for (QProcess* p : {&a, &b})
            p->start(Enregistreur, {QStringLiteral("jeux"), chemin, QStringLiteral("100")});
        for (QProcess* p : {&a, &b}) {
            QVERIFY(p->waitForFinished(120000));
            QCOMPARE(p->exitCode(), 0);
        }
        TFichierIni fichier(chemin);
        QCOMPARE(NombreEnregistrements(fichier), 200);
        QVERIFY(!QFile::exists(fichier.CheminVerrou()));
    }

    // le dossier du programme en lecture seule : le fichier va dans $XDG_CONFIG_HOME/varnel/ ; si ce dossier
    // est fermé lui aussi, l'échec est dit. root écrit partout : l'enfant tourne sous un utilisateur d'essai
    void emplacementSelonLesDroits()
    {
        const bool root = geteuid() == 0;
        const QString utilisateur = QStringLiteral("varnel-essai");
        auto existe = [&] {
            QProcess id;
            id.start(QStringLiteral("id"), {QStringLiteral("-u"), utilisateur});
            return id.waitForFinished() && id.exitStatus() == QProcess::NormalExit && id.exitCode() == 0;
        };
        // une autre construction testée en même temps peut le créer au même moment : on regarde encore après
        if (root && !existe())
            QProcess::execute(QStringLiteral("useradd"), {QStringLiteral("--system"), QStringLiteral("--no-create-home"),
                                                         QStringLiteral("--shell"), QStringLiteral("/usr/sbin/nologin"),
                                                         utilisateur});
        if (root && !existe())
            QSKIP("pas d'utilisateur d'essai (useradd)");

        QTemporaryDir racine;
        const auto lecture = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                             QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
        const auto ouvert = lecture | QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
        QVERIFY(QFile::setPermissions(racine.path(), lecture | QFileDevice::WriteOwner));
        const QString programme = racine.filePath(QStringLiteral("programme"));
        const QString configuration = racine.filePath(QStringLiteral("configuration"));
        const QString fermee = racine.filePath(QStringLiteral("fermee"));
        for (const QString& d : {programme, configuration, fermee})
            QVERIFY(QDir().mkpath(d));
        const QString copie = programme + QStringLiteral("/enregistreur_statistiques");
        QVERIFY(QFile::copy(Enregistreur, copie));
        // en root, les dossiers appartiennent à root : l'utilisateur d'essai ne peut qu'y lire
        QVERIFY(QFile::setPermissions(programme, root ? lecture | QFileDevice::WriteOwner : lecture));
        QVERIFY(QFile::setPermissions(fermee, root ? lecture | QFileDevice::WriteOwner : lecture));
        QVERIFY(QFile::setPermissions(configuration, ouvert));

        auto lancer = [&](const QString& xdg, QByteArray& sortie) {
            QProcess p;
            const QStringList commande = {QStringLiteral("env"), QStringLiteral("XDG_CONFIG_HOME=") + xdg, copie,
                                          QStringLiteral("emplacement")};
            if (root)
                p.start(QStringLiteral("runuser"), QStringList{QStringLiteral("-u"), utilisateur, QStringLiteral("--")} + commande);
            else
                p.start(commande.first(), commande.mid(1));
            p.waitForFinished(30000);
            sortie = p.readAllStandardOutput() + p.readAllStandardError();
            return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        };

        QByteArray sortie;
        const QString attendu = configuration + QStringLiteral("/varnel/varnel.ini");
        QCOMPARE(lancer(configuration, sortie), 0);
        QCOMPARE(sortie.trimmed(), attendu.toUtf8());
        QCOMPARE(NombreEnregistrements(TFichierIni(attendu)), 1);
        QVERIFY(!QFile::exists(programme + QStringLiteral("/varnel.ini")));

        QCOMPARE(lancer(fermee, sortie), 1);
        QVERIFY2(sortie.contains("Impossible d'enregistrer les statistiques dans le fichier \"" +
                                 fermee.toUtf8() + "/varnel/varnel.ini\"."),
                 sortie.constData());
        QVERIFY(QDir(fermee).isEmpty());
        QVERIFY(!QFile::exists(programme + QStringLiteral("/varnel.ini")));
        QFile::setPermissions(programme, ouvert);
        QFile::setPermissions(fermee, ouvert);
    }
};

QTEST_GUILESS_MAIN(TestFichierIni)
#include "test_fichier_ini.moc"
