// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// la fenêtre principale devant un varnel.ini qu'elle ne peut pas écrire : elle s'ouvre sans attendre,
// et l'enregistrement d'un jeu dit pourquoi il a échoué
#include "Environnement.h"
#include "FichierIni.h"
#include "Main_f.h"
#include "OutilsPartie.h"

#include <QCursor>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString TitreEchec = QStringLiteral("Statistiques non enregistrées");

QString TexteEchec(const QString& chemin, const QString& raison)
{
    return QStringLiteral("Impossible d'enregistrer les statistiques dans le fichier \"%1\".\n%2").arg(chemin, raison);
}

// un jeu tiré puis résolu : l'enregistrement donne une boîte, dont le message est lu
void JouerUnJeu(TfrmMain& w, MessageLu& message)
{
    MenerTirage(w);
    GardienModal boite(message.Lecteur(), 10000, TitreEchec);
    w.RubriqueDuSimpleAuTorduClick();
    QTRY_VERIFY_WITH_TIMEOUT(boite.Fini(), 10000);
}

}  // namespace

class TestFichierIniFenetre : public QObject {
    Q_OBJECT
private slots:
    // un tube, /dev/zero, un fichier en lecture seule (même pour root), un fichier de 2 Mo : la fenêtre
    // s'ouvre (la lecture n'attend pas, ne lit pas sans fin), et le jeu donne la boîte avec la raison
    void fichierImpossible_data()
    {
        QTest::addColumn<QString>("genre");
        QTest::addColumn<QString>("raison");
        const QString pasOrdinaire = QStringLiteral("Ce n'est pas un fichier ordinaire (tube, périphérique ou dossier).");
        QTest::newRow("tube nommé") << "tube" << pasOrdinaire;
        QTest::newRow("lien vers /dev/zero") << "zero" << pasOrdinaire;
        QTest::newRow("lecture seule") << "0444" << "Le fichier est en lecture seule.";
        QTest::newRow("2 Mo") << "2Mo" << "Le fichier dépasse la taille d'un fichier de statistiques (1 Mo).";
    }

    void fichierImpossible()
    {
        QFETCH(QString, genre);
        QFETCH(QString, raison);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("varnel.ini"));
        QByteArray avant = "[Statistiques]\nRecherchesM=5\n";
        if (genre == QLatin1String("tube")) {
            QCOMPARE(::mkfifo(QFile::encodeName(chemin).constData(), 0644), 0);
        } else if (genre == QLatin1String("zero")) {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), chemin));
        } else {
            if (genre == QLatin1String("2Mo"))
                avant += QByteArray(2 * 1024 * 1024, ';');
            QFile f(chemin);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(avant);
            f.close();
            if (genre == QLatin1String("0444"))
                QVERIFY(f.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
        }
        TfrmMain w;
        w.UtiliserFichierIni(chemin);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        MessageLu message;
        JouerUnJeu(w, message);
        QCOMPARE(message.texte, TexteEchec(chemin, raison));
        QCOMPARE(message.icone, QMessageBox::Warning);
        if (genre == QLatin1String("0444") || genre == QLatin1String("2Mo")) {
            QFile f(chemin);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QVERIFY(f.readAll() == avant);
            if (genre == QLatin1String("0444"))
                QCOMPARE(f.permissions() & (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther),
                         QFileDevice::Permissions());
        }
    }

    // le verrou tenu par un autre exemplaire : la fenêtre attend sous le curseur d'attente, puis la boîte le dit
    void verrouTenu()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("varnel.ini"));
        TfrmMain w;
        w.UtiliserFichierIni(chemin);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QLockFile autre(w.Fichier().CheminVerrou());
        QVERIFY(autre.tryLock(0));

        // pendant l'attente, la boucle d'événements ne tourne pas : le curseur est regardé d'un autre fil
        std::atomic<int> forme{-1};
        std::atomic<bool> fin{false};
        std::thread guetteur([&] {
            while (!fin) {
                if (const QCursor* c = QGuiApplication::overrideCursor())
                    forme = c->shape();
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        });
        bool curseurRenduAvantLaBoite = false;
        MenerTirage(w);
        MessageLu message;
        GardienModal boite(
            [&](QWidget* fenetre) {
                curseurRenduAvantLaBoite = QGuiApplication::overrideCursor() == nullptr;
                message.Lecteur()(fenetre);
            },
            10000, TitreEchec);
        w.RubriqueDuSimpleAuTorduClick();
        QTRY_VERIFY_WITH_TIMEOUT(boite.Fini(), 10000);
        fin = true;
        guetteur.join();
        QCOMPARE(forme.load(), static_cast<int>(Qt::WaitCursor));
        QVERIFY(curseurRenduAvantLaBoite);
        QCOMPARE(message.texte,
                 TexteEchec(chemin, QStringLiteral("Le verrou \"varnel.ini.verrou\" est tenu par un autre exemplaire du programme.")));
        QVERIFY(!QFile::exists(chemin));
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    PreparerEnvironnement(application);
    TestFichierIniFenetre test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_fichier_ini_fenetre.moc"
