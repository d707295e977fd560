// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// le fichier varnel.ini : lecture, écriture qui garde ce qu'elle ne connaît pas, arrêt brutal,
// enregistrements simultanés, emplacement quand le dossier du programme est en lecture seule
#include "FichierIni.h"
#include "FichiersEssai.h"
#include "MontantsEssai.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString Enregistreur = QStringLiteral(ENREGISTREUR);

// un texte ASCII en UTF-16 avec sa marque, écrit octet par octet
QByteArray Utf16(const QByteArray& ascii, bool petitBoutien)
{
    QByteArray octets = petitBoutien ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
    for (char c : ascii) {
        octets.append(petitBoutien ? c : '\0');
        octets.append(petitBoutien ? '\0' : c);
    }
    return octets;
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


// root lit et écrit tout : ce qui dépend des droits se joue sous cet utilisateur, créé au besoin
const QString UtilisateurEssai = QStringLiteral("varnel-essai");

bool PreparerUtilisateurEssai()
{
    auto existe = [] {
        QProcess id;
        id.start(QStringLiteral("id"), {QStringLiteral("-u"), UtilisateurEssai});
        return id.waitForFinished() && id.exitStatus() == QProcess::NormalExit && id.exitCode() == 0;
    };
    // une autre construction testée en même temps peut le créer au même moment : on regarde encore après
    if (!existe())
        QProcess::execute(QStringLiteral("useradd"), {QStringLiteral("--system"), QStringLiteral("--no-create-home"),
                                                     QStringLiteral("--shell"), QStringLiteral("/usr/sbin/nologin"),
                                                     UtilisateurEssai});
    return existe();
}

// lance la commande sous l'utilisateur d'essai ; rend le code de sortie (-1 : arrêt anormal)
int LancerEnUtilisateurEssai(const QStringList& commande, QByteArray& sortie)
{
    QProcess p;
    p.start(QStringLiteral("runuser"), QStringList{QStringLiteral("-u"), UtilisateurEssai, QStringLiteral("--")} + commande);
    p.waitForFinished(30000);
    sortie = p.readAllStandardOutput() + p.readAllStandardError();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

void Vieillir(const QString& chemin, int secondes)
{
    namespace fs = std::filesystem;
    fs::last_write_time(fs::path(QFile::encodeName(chemin).toStdString()),
                        fs::file_time_type::clock::now() - std::chrono::seconds(secondes));
}

QFileDevice::Permissions Droits(int mode)
{
    QFileDevice::Permissions d;
    const std::pair<int, QFileDevice::Permission> bits[] = {
        {0400, QFileDevice::ReadOwner}, {0200, QFileDevice::WriteOwner}, {0100, QFileDevice::ExeOwner},
        {040, QFileDevice::ReadGroup},  {020, QFileDevice::WriteGroup},  {010, QFileDevice::ExeGroup},
        {04, QFileDevice::ReadOther},   {02, QFileDevice::WriteOther},   {01, QFileDevice::ExeOther}};
    for (const auto& [bit, droit] : bits)
        if (mode & bit)
            d |= droit;
    return d;
}

int Mode(const QString& chemin)
{
    struct stat etat {};
    return ::stat(QFile::encodeName(chemin).constData(), &etat) == 0 ? static_cast<int>(etat.st_mode & 07777) : -1;
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
        QTest::newRow("hexadécimal 0X en majuscules") << s + "RecherchesM=0X1F\n" << QStringLiteral("RecherchesM") << 31LL;
        QTest::newRow("hexadécimal 0x, chiffres majuscules") << s + "RecherchesM=0x1F\n" << QStringLiteral("RecherchesM") << 31LL;
        QTest::newRow("hexadécimal 0xABCDEF") << s + "RecherchesM=0xABCDEF\n" << QStringLiteral("RecherchesM") << 11259375LL;
        QTest::newRow("hexadécimal plus grand compte") << s + "PossibilitesM=0x7FFFFFFFFFFFFFFF\n" << QStringLiteral("PossibilitesM")
                                                       << 9223372036854775807LL;
        QTest::newRow("hexadécimal au-delà du plus grand compte") << s + "PossibilitesM=0x8000000000000000\n"
                                                                  << QStringLiteral("PossibilitesM") << 0LL;
        QTest::newRow("hexadécimal 64 bits pleins") << s + "PossibilitesM=0xFFFFFFFFFFFFFFFF\n" << QStringLiteral("PossibilitesM") << 0LL;
        QTest::newRow("hexadécimal au-delà des 64 bits") << s + "PossibilitesM=0x10000000000000005\n"
                                                         << QStringLiteral("PossibilitesM") << 0LL;
        QTest::newRow("marque UTF-8") << "\xEF\xBB\xBF" + s + "RecherchesM=5\n" << QStringLiteral("RecherchesM") << 5LL;
        QTest::newRow("UTF-16 petit-boutien") << Utf16("[Statistiques]\r\nRecherchesM=5\r\n", true) << QStringLiteral("RecherchesM") << 5LL;
        QTest::newRow("UTF-16 gros-boutien") << Utf16("[Statistiques]\nRecherchesM=5\n", false) << QStringLiteral("RecherchesM") << 5LL;
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
        EcrireFichier(chemin, contenu);
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
        EcrireFichier(chemin, avant);
        TFichierIni fichier(chemin);
        fichier.EcrireEntier(SectionStatistiques, QStringLiteral("RecherchesM"), 17);
        QVERIFY(fichier.Enregistrer());
        QCOMPARE(ContenuFichier(chemin), apres);
    }

    // un dossier qu'on ne peut pas créer, même en root : rien n'est écrit, et on le sait
    void ecritureImpossible()
    {
        QTemporaryDir dossier;
        const QString obstacle = dossier.filePath(QStringLiteral("fichier"));
        EcrireFichier(obstacle, "pas un dossier");
        TFichierIni fichier(obstacle + QStringLiteral("/varnel/varnel.ini"));
        QVERIFY(!fichier.AjouterCumuls(MontantsEssai()));
        QCOMPARE(ContenuFichier(obstacle), QByteArray("pas un dossier"));
    }

    // un enfant qui enregistre sans fin est tué net à des moments pris au hasard : le fichier se lit
    // toujours, ses compteurs sont ceux d'un nombre entier de jeux, et le reste du fichier est intact
    void arretBrutal()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("varnel.ini"));
        const QByteArray debut = "; essai\n[Autre]\nx=1\n";
        EcrireFichier(chemin, debut);
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
        const QString utilisateur = UtilisateurEssai;
        if (root && !PreparerUtilisateurEssai())
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

    // marque UTF-8 et UTF-16 : les totaux continuent, une seule section, le fichier garde son codage
    void codagesGardes_data()
    {
        QTest::addColumn<QByteArray>("avant");
        QTest::addColumn<QByteArray>("apres");
        QTest::newRow("marque UTF-8")
            << QByteArray("\xEF\xBB\xBF; é\r\n[Statistiques]\r\nRecherchesM=5\r\n")
            << QByteArray("\xEF\xBB\xBF; é\r\n[Statistiques]\r\nRecherchesM=6\r\n");
        QTest::newRow("UTF-16 petit-boutien")
            << Utf16("[Statistiques]\r\nRecherchesM=5\r\n", true) << Utf16("[Statistiques]\r\nRecherchesM=6\r\n", true);
        QTest::newRow("UTF-16 gros-boutien, section ajoutée")
            << Utf16("[Autre]\nx=1\n", false) << Utf16("[Autre]\nx=1\n\n[Statistiques]\nRecherchesM=1\n", false);
        QTest::newRow("octets non UTF-8 gardés")
            << QByteArray("; \xE9t\xE9\n[Statistiques]\nRecherchesM=5\n") << QByteArray("; \xE9t\xE9\n[Statistiques]\nRecherchesM=6\n");
    }

    void codagesGardes()
    {
        QFETCH(QByteArray, avant);
        QFETCH(QByteArray, apres);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("varnel.ini"));
        EcrireFichier(chemin, avant);
        TFichierIni fichier(chemin);
        fichier.EcrireEntier(SectionStatistiques, QStringLiteral("RecherchesM"),
                             fichier.LireEntier(SectionStatistiques, QStringLiteral("RecherchesM")) + 1);
        QVERIFY(fichier.Enregistrer());
        QCOMPARE(ContenuFichier(chemin), apres);
    }

    // un jeu enregistré dans un fichier marqué : totaux continués, une seule section, la marque en tête
    void jeuDansUnFichierMarque()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("varnel.ini"));
        EcrireFichier(chemin, "\xEF\xBB\xBF[Statistiques]\r\nRecherchesM=5\r\nTrouvesM=2\r\n");
        TFichierIni fichier(chemin);
        QVERIFY(fichier.AjouterCumuls(MontantsEssai()));
        const QByteArray apres = ContenuFichier(chemin);
        QVERIFY(apres.startsWith("\xEF\xBB\xBF[Statistiques]\r\nRecherchesM=6\r\nTrouvesM=5\r\n"));
        QCOMPARE(apres.count("Statistiques"), 1);
        QCOMPARE(apres.count("\xEF\xBB\xBF"), 1);
    }

    // ce qui ne peut pas être lu n'est jamais remplacé, et l'échec dit pourquoi ; aucune ouverture n'attend :
    // un tube sans écrivain ou /dev/zero bloqueraient ce test au lieu de le faire échouer
    void illisiblesJamaisRemplaces_data()
    {
        QTest::addColumn<QString>("genre");
        QTest::addColumn<QString>("raison");
        QTest::newRow("tube nommé") << "tube" << "Ce n'est pas un fichier ordinaire (tube, périphérique ou dossier).";
        QTest::newRow("lien vers /dev/zero") << "zero" << "Ce n'est pas un fichier ordinaire (tube, périphérique ou dossier).";
        QTest::newRow("dossier") << "dossier" << "Ce n'est pas un fichier ordinaire (tube, périphérique ou dossier).";
        QTest::newRow("2 Mo") << "2Mo" << "Le fichier dépasse la taille d'un fichier de statistiques (1 Mo).";
        QTest::newRow("UTF-16 coupé") << "utf16impair" << "Le fichier n'est pas un texte UTF-16 valable.";
        QTest::newRow("UTF-16 demi-caractère") << "utf16demi" << "Le fichier n'est pas un texte UTF-16 valable.";
        QTest::newRow("UTF-16 sans marque") << "utf16nu" << "Le codage du fichier n'est pas reconnu (ni UTF-8 ni UTF-16 marqué).";
    }

    void illisiblesJamaisRemplaces()
    {
        QFETCH(QString, genre);
        QFETCH(QString, raison);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("varnel.ini"));
        QByteArray avant;
        if (genre == QLatin1String("tube")) {
            QCOMPARE(::mkfifo(QFile::encodeName(chemin).constData(), 0644), 0);
        } else if (genre == QLatin1String("zero")) {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), chemin));
        } else if (genre == QLatin1String("dossier")) {
            QVERIFY(QDir().mkdir(chemin));
        } else {
            if (genre == QLatin1String("2Mo"))
                avant = "[Statistiques]\nRecherchesM=5\n" + QByteArray(2 * 1024 * 1024, ';');
            else if (genre == QLatin1String("utf16impair"))
                avant = Utf16("[Statistiques]\nRecherchesM=5\n", true) + 'x';
            else if (genre == QLatin1String("utf16demi"))
                avant = Utf16("[Statistiques]\nRecherchesM=5\n", true) + QByteArray("\x00\xD8\n\x00", 4);
            else
                avant = Utf16("[Statistiques]\nRecherchesM=5\n", true).mid(2);
            EcrireFichier(chemin, avant);
        }
        TFichierIni fichier(chemin);
        QCOMPARE(fichier.RaisonIllisible(), raison);
        QVERIFY(!fichier.Lire());
        QCOMPARE(fichier.LireEntier(SectionStatistiques, QStringLiteral("RecherchesM")), 0);
        fichier.ChoisirAttenteVerrou(100);
        QString pourquoi;
        QVERIFY(!fichier.AjouterCumuls(MontantsEssai(), &pourquoi));
        QCOMPARE(pourquoi, raison);
        QVERIFY(!fichier.EcrireOption(SectionOptions, CleTempsLimite, 30));
        const QFileInfo apres(chemin);
        if (genre == QLatin1String("tube"))
            QVERIFY(!apres.isFile() && apres.exists());
        else if (genre == QLatin1String("zero"))
            QCOMPARE(apres.symLinkTarget(), QStringLiteral("/dev/zero"));
        else if (genre == QLatin1String("dossier"))
            QVERIFY(apres.isDir());
        else
            QVERIFY(ContenuFichier(chemin) == avant);
    }

    // sans droit d'écriture, le fichier reste tel quel même pour l'administrateur ; un fichier remplacé garde
    // ses droits et son propriétaire
    void droitsDuFichier_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("remplace");
        QTest::newRow("0444") << 0444 << false;
        QTest::newRow("0400") << 0400 << false;
        QTest::newRow("0640") << 0640 << true;
        QTest::newRow("0600") << 0600 << true;
        QTest::newRow("0666") << 0666 << true;
    }

    void droitsDuFichier()
    {
        QFETCH(int, mode);
        QFETCH(bool, remplace);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("varnel.ini"));
        const QByteArray avant = "[Statistiques]\nRecherchesM=5\n";
        EcrireFichier(chemin, avant);
        QVERIFY(QFile::setPermissions(chemin, Droits(mode)));
        const bool root = geteuid() == 0;
        if (root)
            QCOMPARE(::chown(QFile::encodeName(chemin).constData(), 65534, 65534), 0);
        TFichierIni fichier(chemin);
        QString raison;
        QCOMPARE(fichier.AjouterCumuls(MontantsEssai(), &raison), remplace);
        QCOMPARE(Mode(chemin), mode);
        if (root)
            QCOMPARE(QFileInfo(chemin).ownerId(), 65534u);
        if (remplace) {
            QCOMPARE(TFichierIni(chemin).LireEntier(SectionStatistiques, QStringLiteral("RecherchesM")), 6);
        } else {
            QCOMPARE(raison, QStringLiteral("Le fichier est en lecture seule."));
            QVERIFY(ContenuFichier(chemin) == avant);
        }
    }

    // un fichier que l'utilisateur ne peut pas lire (mode 0200) n'est pas remplacé : ses totaux resteraient
    // perdus. root lit tout : l'enregistreur tourne sous l'utilisateur d'essai
    void illisibleParLUtilisateur()
    {
        if (geteuid() != 0)
            QSKIP("il faut être root pour jouer un autre utilisateur");
        if (!PreparerUtilisateurEssai())
            QSKIP("pas d'utilisateur d'essai (useradd)");
        QTemporaryDir racine;
        QVERIFY(QFile::setPermissions(racine.path(), Droits(0755)));
        const QString dossier = racine.filePath(QStringLiteral("a-lui"));
        QVERIFY(QDir().mkdir(dossier));
        const QString copie = racine.filePath(QStringLiteral("enregistreur_statistiques"));
        QVERIFY(QFile::copy(Enregistreur, copie));
        QVERIFY(QFile::setPermissions(copie, Droits(0755)));
        const QString chemin = dossier + QStringLiteral("/varnel.ini");
        const QByteArray avant = "[Statistiques]\nRecherchesM=41\nTrouvesM=12\n";
        EcrireFichier(chemin, avant);
        QProcess id;
        id.start(QStringLiteral("id"), {QStringLiteral("-u"), UtilisateurEssai});
        QVERIFY(id.waitForFinished());
        const uint uid = id.readAllStandardOutput().trimmed().toUInt();
        for (const QString& c : {dossier, chemin})
            QCOMPARE(::chown(QFile::encodeName(c).constData(), uid, static_cast<gid_t>(-1)), 0);
        QVERIFY(QFile::setPermissions(dossier, Droits(0700)));
        QVERIFY(QFile::setPermissions(chemin, Droits(0200)));

        QByteArray sortie;
        QCOMPARE(LancerEnUtilisateurEssai({copie, QStringLiteral("jeux"), chemin, QStringLiteral("1")}, sortie), 1);
        QVERIFY2(sortie.contains("Le fichier ne peut pas être lu (permission refusée)."), sortie.constData());
        QCOMPARE(ContenuFichier(chemin), avant);
        QCOMPARE(Mode(chemin), 0200);
    }

    // le verrou tenu par un autre exemplaire : l'attente a une borne, l'échec dit pourquoi, rien n'est écrit
    void verrouTenu()
    {
        QVERIFY(TFichierIni(QString()).AttenteVerrouMs() <= 2000);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("varnel.ini"));
        const QByteArray avant = "[Statistiques]\nRecherchesM=5\n";
        EcrireFichier(chemin, avant);
        QProcess gardien;
        gardien.start(Enregistreur, {QStringLiteral("verrou"), chemin});
        QVERIFY(gardien.waitForReadyRead(10000));
        QCOMPARE(gardien.readAllStandardOutput().trimmed(), QByteArray("pris"));
        TFichierIni fichier(chemin);
        fichier.ChoisirAttenteVerrou(200);
        QString raison;
        QVERIFY(!fichier.AjouterCumuls(MontantsEssai(), &raison));
        QCOMPARE(raison, QStringLiteral("Le verrou \"varnel.ini.verrou\" est tenu par un autre exemplaire du programme."));
        QVERIFY(!fichier.ChoisirTempsLimite(30));
        QCOMPARE(ContenuFichier(chemin), avant);
        gardien.closeWriteChannel();
        QVERIFY(gardien.waitForFinished(10000));
        QVERIFY(fichier.AjouterCumuls(MontantsEssai()));
        QCOMPARE(TFichierIni(chemin).LireEntier(SectionStatistiques, QStringLiteral("RecherchesM")), 6);
    }

    // au démarrage, les restes d'enregistrements tués (plus d'une minute ; le nom d'aujourd'hui, quelles que
    // soient ses lettres, et celui de QSaveFile d'avant) disparaissent ; un fichier récent, un nom choisi par
    // quelqu'un, un dossier ou un lien restent
    void restesSupprimesAuDemarrage()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("varnel.ini"));
        EcrireFichier(chemin, "[Statistiques]\nRecherchesM=5\n");
        const QStringList restes = {QStringLiteral("varnel.ini.JIXRFp"), QStringLiteral("varnel.ini.cDzfEc"),
                                    QStringLiteral("varnel.ini.provisoire-0f3c9a2e"),
                                    QStringLiteral("varnel.ini.provisoire-abcdefab")};
        const QStringList gardes = {QStringLiteral("varnel.ini.backup"), QStringLiteral("varnel.ini.ANCIEN"),
                                    QStringLiteral("varnel.ini.AbCdEf.old"), QStringLiteral("autre.ini.AbCdEf"),
                                    QStringLiteral("varnel.ini.AbCdE"), QStringLiteral("varnel.ini.AbCd3f"),
                                    QStringLiteral("varnel.ini.provisoire-copie"),
                                    QStringLiteral("varnel.ini~")};
        for (const QString& nom : restes + gardes) {
            EcrireFichier(dossier.filePath(nom), "[Statistiques]\nRecherchesM=4\n");
            Vieillir(dossier.filePath(nom), 120);
        }
        EcrireFichier(dossier.filePath(QStringLiteral("varnel.ini.ReCent")), "en cours");
        Vieillir(dossier.filePath(QStringLiteral("varnel.ini.ReCent")), 10);
        QVERIFY(QDir().mkdir(dossier.filePath(QStringLiteral("varnel.ini.DoSsie"))));
        EcrireFichier(dossier.filePath(QStringLiteral("cible")), "visé par un lien");
        Vieillir(dossier.filePath(QStringLiteral("cible")), 120);
        QVERIFY(QFile::link(dossier.filePath(QStringLiteral("cible")), dossier.filePath(QStringLiteral("varnel.ini.LiEnss"))));

        // verrou tenu : un enregistrement est en cours, rien n'est touché
        {
            QProcess gardien;
            gardien.start(Enregistreur, {QStringLiteral("verrou"), chemin});
            QVERIFY(gardien.waitForReadyRead(10000));
            QCOMPARE(PreparerFichierIni(dossier.path()), chemin);
            for (const QString& nom : restes)
                QVERIFY(QFile::exists(dossier.filePath(nom)));
            gardien.closeWriteChannel();
            QVERIFY(gardien.waitForFinished(10000));
        }
        QCOMPARE(PreparerFichierIni(dossier.path()), chemin);
        for (const QString& nom : restes)
            QVERIFY2(!QFile::exists(dossier.filePath(nom)), qPrintable(nom));
        for (const QString& nom : gardes + QStringList{QStringLiteral("varnel.ini.ReCent"), QStringLiteral("varnel.ini.DoSsie"),
                                                        QStringLiteral("varnel.ini.LiEnss"), QStringLiteral("cible"),
                                                        QStringLiteral("varnel.ini")})
            QVERIFY2(QFileInfo(dossier.filePath(nom)).exists(), qPrintable(nom));
        QCOMPARE(TFichierIni(chemin).LireEntier(SectionStatistiques, QStringLiteral("RecherchesM")), 5);
    }

    // où vit varnel.ini selon la façon dont le programme est posé (droits du dossier donnés par les tests)
    void emplacementSelonLInstallation_data()
    {
        QTest::addColumn<QString>("programme");  // dossier du programme, dans la racine d'essai
        QTest::addColumn<QString>("aide");  // page d'aide posée, dans la racine d'essai ; vide : aucune
        QTest::addColumn<bool>("inscriptible");
        QTest::addColumn<QString>("attendu");  // « config » ou un chemin dans la racine d'essai
        QTest::newRow("construction") << "construction" << "construction/varnel.html" << true << "construction/varnel.ini";
        QTest::newRow("construction en lecture seule") << "construction" << "construction/varnel.html" << false << "config";
        QTest::newRow("copie sans page d'aide") << "copie" << "" << true << "copie/varnel.ini";
        QTest::newRow("/usr/games (root)") << "usr/games" << "usr/share/varnel/varnel.html" << true << "config";
        QTest::newRow("/usr/games") << "usr/games" << "usr/share/varnel/varnel.html" << false << "config";
        QTest::newRow("~/.local/bin") << "local/bin" << "local/share/varnel/varnel.html" << true << "config";
    }

    void emplacementSelonLInstallation()
    {
        QFETCH(QString, programme);
        QFETCH(QString, aide);
        QFETCH(bool, inscriptible);
        QFETCH(QString, attendu);
        QTemporaryDir racine;
        const QByteArray ancienXdg = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", racine.filePath(QStringLiteral("xdg")).toUtf8());
        RemplacerVerificationDossier([inscriptible](const QString&) { return inscriptible; });
        QVERIFY(QDir().mkpath(racine.filePath(programme)));
        if (!aide.isEmpty()) {
            QVERIFY(QDir().mkpath(QFileInfo(racine.filePath(aide)).absolutePath()));
            EcrireFichier(racine.filePath(aide), "<html></html>");
        }
        const QString chemin = attendu == QLatin1String("config") ? racine.filePath(QStringLiteral("xdg/varnel/varnel.ini"))
                                                                  : racine.filePath(attendu);
        const QString dossierProgramme = racine.filePath(programme);
        QCOMPARE(EmplacementFichierIni(dossierProgramme), chemin);
        QCOMPARE(DossierFichierIni(dossierProgramme), QFileInfo(chemin).absolutePath());
        QCOMPARE(TFichierIni(chemin).Dossier(), QFileInfo(chemin).absolutePath());
        RemplacerVerificationDossier({});
        qputenv("XDG_CONFIG_HOME", ancienXdg);
    }

    // le dossier du programme ne peut plus être écrit : le fichier de configuration commence comme la copie
    // des totaux laissés à côté du programme, une seule fois ; un programme installé ne reprend rien
    void anciensTotauxRepris()
    {
        QTemporaryDir racine;
        const QByteArray ancienXdg = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", racine.filePath(QStringLiteral("xdg")).toUtf8());
        RemplacerVerificationDossier([](const QString&) { return false; });
        const QString programme = racine.filePath(QStringLiteral("programme"));
        QVERIFY(QDir().mkpath(programme));
        const QByteArray anciens = "\xEF\xBB\xBF; mes totaux\r\n[Statistiques]\r\nRecherchesM=7\r\n";
        EcrireFichier(programme + QStringLiteral("/varnel.ini"), anciens);
        const QString configuration = racine.filePath(QStringLiteral("xdg/varnel/varnel.ini"));

        QCOMPARE(PreparerFichierIni(programme), configuration);
        QCOMPARE(ContenuFichier(configuration), anciens);
        QVERIFY(TFichierIni(configuration).AjouterCumuls(MontantsEssai()));
        QCOMPARE(TFichierIni(configuration).LireEntier(SectionStatistiques, QStringLiteral("RecherchesM")), 8);
        // au démarrage suivant, la copie déjà faite n'est pas refaite
        QCOMPARE(PreparerFichierIni(programme), configuration);
        QCOMPARE(TFichierIni(configuration).LireEntier(SectionStatistiques, QStringLiteral("RecherchesM")), 8);
        QCOMPARE(ContenuFichier(programme + QStringLiteral("/varnel.ini")), anciens);

        // installé (page d'aide dans ../share/varnel/) : ce qu'un autre a laissé sous /usr/games reste à lui
        QVERIFY(QFile::remove(configuration));
        const QString jeux = racine.filePath(QStringLiteral("usr/games"));
        QVERIFY(QDir().mkpath(jeux));
        QVERIFY(QDir().mkpath(racine.filePath(QStringLiteral("usr/share/varnel"))));
        EcrireFichier(racine.filePath(QStringLiteral("usr/share/varnel/varnel.html")), "<html></html>");
        EcrireFichier(jeux + QStringLiteral("/varnel.ini"), anciens);
        QCOMPARE(PreparerFichierIni(jeux), configuration);
        QVERIFY(!QFile::exists(configuration));
        RemplacerVerificationDossier({});
        qputenv("XDG_CONFIG_HOME", ancienXdg);
    }

    // le temps limite : [Options] TempsLimite ; absent, illisible ou inconnu : sans limite (0)
    void tempsLimiteLu_data()
    {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<int>("attendu");
        QTest::newRow("fichier vide") << QByteArray() << 0;
        QTest::newRow("30 s") << QByteArray("[Options]\nTempsLimite=30\n") << 30;
        QTest::newRow("90 s, autre casse") << QByteArray("[options]\ntempslimite = 90\n") << 90;
        QTest::newRow("hexadécimal") << QByteArray("[Options]\nTempsLimite=0x2D\n") << 45;
        QTest::newRow("sans limite") << QByteArray("[Options]\nTempsLimite=0\n") << 0;
        QTest::newRow("valeur inconnue") << QByteArray("[Options]\nTempsLimite=31\n") << 0;
        QTest::newRow("négatif") << QByteArray("[Options]\nTempsLimite=-30\n") << 0;
        QTest::newRow("pas un entier") << QByteArray("[Options]\nTempsLimite=trente\n") << 0;
        QTest::newRow("énorme") << QByteArray("[Options]\nTempsLimite=4294967326\n") << 0;
        QTest::newRow("dans une autre section") << QByteArray("[Statistiques]\nTempsLimite=30\n") << 0;
        QTest::newRow("section abîmée") << QByteArray("[Options\nTempsLimite=30\n") << 0;
        QTest::newRow("fichier UTF-16 illisible") << Utf16("[Options]\nTempsLimite=30\n", true).mid(2) << 0;
    }

    void tempsLimiteLu()
    {
        QFETCH(QByteArray, contenu);
        QFETCH(int, attendu);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("varnel.ini"));
        EcrireFichier(chemin, contenu);
        QCOMPARE(TFichierIni(chemin).TempsLimite(), attendu);
    }

    // écrire le temps limite laisse tout le reste du fichier ; une valeur inconnue n'est pas écrite
    void tempsLimiteEcrit()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("varnel.ini"));
        EcrireFichier(chemin, "; à moi\n[Statistiques]\nRecherchesM=5\n\n[Autre]\nx=1\n");
        TFichierIni fichier(chemin);
        QVERIFY(fichier.ChoisirTempsLimite(60));
        QCOMPARE(ContenuFichier(chemin), QByteArray("; à moi\n[Statistiques]\nRecherchesM=5\n\n[Autre]\nx=1\n\n[Options]\nTempsLimite=60\n"));
        QCOMPARE(TFichierIni(chemin).TempsLimite(), 60);
        QVERIFY(fichier.ChoisirTempsLimite(0));
        QCOMPARE(ContenuFichier(chemin), QByteArray("; à moi\n[Statistiques]\nRecherchesM=5\n\n[Autre]\nx=1\n\n[Options]\nTempsLimite=0\n"));
        QString raison;
        QVERIFY(!fichier.ChoisirTempsLimite(31, &raison));
        QVERIFY(!raison.isEmpty());
        QCOMPARE(TFichierIni(chemin).LireOption(SectionOptions, CleTempsLimite), std::optional<int64_t>(0));
        QCOMPARE(TFichierIni(chemin).LireOption(SectionOptions, QStringLiteral("Absente")), std::optional<int64_t>());
        // les statistiques enregistrées ensuite laissent l'option
        QVERIFY(fichier.ChoisirTempsLimite(45));
        QVERIFY(fichier.AjouterCumuls(MontantsEssai()));
        QCOMPARE(TFichierIni(chemin).TempsLimite(), 45);
        QCOMPARE(TFichierIni(chemin).LireEntier(SectionStatistiques, QStringLiteral("RecherchesM")), 6);
    }

    // une option de texte (les noms des joueurs d'un match à deux) : sur une ligne, sans blancs autour, relue
    // telle quelle ; le reste du fichier gardé
    void texteEcrit()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("varnel.ini"));
        EcrireFichier(chemin, "[Options]\nTempsLimite=30\n");
        TFichierIni fichier(chemin);
        QVERIFY(fichier.EcrireTexte(SectionOptions, CleNomJoueur1, QStringLiteral("  Élise\nde Là = ici ")));
        QVERIFY(fichier.EcrireTexte(SectionOptions, CleNomJoueur2, QStringLiteral("Bruno")));
        QCOMPARE(ContenuFichier(chemin), QByteArray("[Options]\nTempsLimite=30\nNomJoueur1=Élise de Là = ici\n"
                                                    "NomJoueur2=Bruno\n"));
        QCOMPARE(TFichierIni(chemin).LireTexte(SectionOptions, CleNomJoueur1), QStringLiteral("Élise de Là = ici"));
        QCOMPARE(TFichierIni(chemin).LireTexte(SectionOptions, QStringLiteral("Absente")), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestFichierIni)
#include "test_fichier_ini.moc"
