// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// le temps limite vu de la fenêtre principale : le sous-menu exclusif gardé dans varnel.ini, le décompte
// dans la barre d'état (les dernières secondes en rouge), la saisie fermée par le temps et le jeu enregistré ;
// sans limite, rien ne change. L'horloge est réglée à la main : aucun essai n'attend les secondes qu'il compte
#include "ChoixTempsLimite.h"
#include "DecompteSaisie.h"
#include "Environnement.h"
#include "FichierIni.h"
#include "FichiersEssai.h"
#include "Horloge.h"
#include "Main_f.h"
#include "OutilsPartie.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString TitrePave = QStringLiteral("Pavé numérique");


// les pixels rouges d'un widget tel qu'il est peint
int PixelsRouges(QWidget* w)
{
    const QImage image = w->grab().toImage();
    int rouges = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            rouges += c.red() > 150 && c.green() < 90 && c.blue() < 90 ? 1 : 0;
        }
    return rouges;
}

// une fenêtre principale dont varnel.ini est propre à l'essai
struct Essai {
    explicit Essai(const QByteArray& contenu = {})
    {
        chemin = dossier.filePath(QStringLiteral("varnel.ini"));
        if (!contenu.isEmpty())
            EcrireFichier(chemin, contenu);
        Ouvrir();
    }
    // un nouveau programme sur le même fichier
    void Ouvrir()
    {
        w = std::make_unique<TfrmMain>();
        w->UtiliserFichierIni(chemin);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }
    QAction* Action(const char* nom) { return w->findChild<QAction*>(QLatin1String(nom)); }
    QMenu* Menu(const char* nom) { return w->findChild<QMenu*>(QLatin1String(nom)); }
    QLabel* Panneau() { return w->findChild<QLabel*>(QStringLiteral("StatusBarPanneau0")); }
    // l'unique rubrique cochée du sous-menu, par son nom
    QString Cochee()
    {
        QStringList cochees;
        for (QAction* a : Menu("MenuTempsLimite")->actions())
            if (a->isChecked())
                cochees << a->objectName();
        return cochees.join(QLatin1Char(' '));
    }
    // un jeu proposé au pavé (1 à 6, compte 789) ; jouer agit dans la saisie ouverte
    void Proposer(const std::function<void(TfrmSaisieCalcul*)>& jouer)
    {
        GardienModal saisie([&](QWidget* f) { jouer(qobject_cast<TfrmSaisieCalcul*>(f)); }, 10000, TitreSaisie);
        GardienModal pave([](QWidget* f) { QTest::keyClicks(f, "123456789"); }, 5000, TitrePave);
        Action("RubriqueComptePropose")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(saisie.Fini(), 15000);
        QVERIFY(saisie.Vu());
    }
    CumulsStat Cumuls() const { return TFichierIni(chemin).LireCumuls(); }
    // le résultat et le temps du joueur, et la limite en vigueur, de chaque jeu de l'historique, lus par sqlite3
    QByteArray Historique() const
    {
        return Sqlite3(dossier.filePath(QStringLiteral("historique.sqlite")),
                       QStringLiteral("SELECT joueur, temps_joueur, limite_temps FROM jeux"));
    }

    QTemporaryDir dossier;
    QString chemin;
    std::unique_ptr<TfrmMain> w;
};

}  // namespace

class TestTempsLimite : public QObject {
    Q_OBJECT
private slots:
    // sous « Compte », après « Tiré au sort avec » et « Tiré au sort de niveau » : une rubrique exclusive
    // par choix permis, dans l'ordre, qui porte ses secondes
    void sousMenu()
    {
        Essai e;
        QMenu* compte = e.Menu("MenuCompte");
        QMenu* limite = e.Menu("MenuTempsLimite");
        QCOMPARE(limite->title(), QString("Temps &limite"));
        const QList<QAction*> rubriquesCompte = compte->actions();
        const int avec = static_cast<int>(rubriquesCompte.indexOf(e.Menu("MenuTireAuSortAvec")->menuAction()));
        QVERIFY(avec >= 0);
        QCOMPARE(rubriquesCompte.value(avec + 2), limite->menuAction());
        QCOMPARE(limite->actions().size(), qsizetype(TempsLimitesPermis.size()));
        for (size_t k = 0; k < TempsLimitesPermis.size(); ++k) {
            QAction* a = limite->actions()[qsizetype(k)];
            QCOMPARE(a->objectName(), NomRubriqueTempsLimite(TempsLimitesPermis[k].Secondes));
            QCOMPARE(a->text(), QString::fromUtf8(TempsLimitesPermis[k].Texte));
            QCOMPARE(a->data().toInt(), TempsLimitesPermis[k].Secondes);
            QVERIFY(a->isCheckable());
        }
        QCOMPARE(e.Cochee(), QString("RubriqueTempsLimite0"));  // par défaut
        QCOMPARE(e.w->Jeu().TempsLimiteChoisi(), 0);
        e.Action("RubriqueTempsLimite45")->trigger();
        QCOMPARE(e.Cochee(), QString("RubriqueTempsLimite45"));
        e.Action("RubriqueTempsLimite30")->trigger();
        QCOMPARE(e.Cochee(), QString("RubriqueTempsLimite30"));
        QCOMPARE(e.w->Jeu().TempsLimiteChoisi(), 30);
        e.Action("RubriqueTempsLimite30")->trigger();  // la même encore : elle reste cochée
        QCOMPARE(e.Cochee(), QString("RubriqueTempsLimite30"));
    }

    // le choix va dans [Options], le reste du fichier (statistiques, autres sections, commentaires) tel quel ;
    // le programme relancé retrouve le choix
    void choixGardeDansOptions()
    {
        const QByteArray avant = "; mes statistiques\n[Statistiques]\nRecherchesM=12\nTempsH=4000\n\n[Autre]\nCle=valeur\n";
        Essai e(avant);
        e.Action("RubriqueTempsLimite60")->trigger();
        const QByteArray apres = ContenuFichier(e.chemin);
        QVERIFY2(apres.startsWith(avant), apres.constData());
        QCOMPARE(apres.mid(avant.size()), QByteArray("\n[Options]\nTempsLimite=60\n"));
        e.Action("RubriqueTempsLimite0")->trigger();
        QCOMPARE(ContenuFichier(e.chemin), avant + "\n[Options]\nTempsLimite=0\n");
        e.Action("RubriqueTempsLimite90")->trigger();
        QCOMPARE(e.Cumuls()[Cumul::RecherchesM], 12);
        QCOMPARE(e.Cumuls()[Cumul::TempsH], 4000);

        e.w.reset();
        e.Ouvrir();
        QCOMPARE(e.Cochee(), QString("RubriqueTempsLimite90"));
        QCOMPARE(e.w->Jeu().TempsLimiteChoisi(), 90);
    }

    // relancé pour de bon : le fichier que le programme trouve lui-même à son démarrage
    void choixRetrouveAuDemarrage()
    {
        const QString chemin = EmplacementFichierIni(QCoreApplication::applicationDirPath());
        QFile::remove(chemin);
        {
            TfrmMain w;
            QCOMPARE(w.Fichier().Chemin(), chemin);
            w.findChild<QAction*>("RubriqueTempsLimite45")->trigger();
        }
        {
            TfrmMain w;
            QVERIFY(w.findChild<QAction*>("RubriqueTempsLimite45")->isChecked());
            QCOMPARE(w.Jeu().TempsLimiteChoisi(), 45);
        }
        QFile::remove(chemin);
    }

    // une section [Options] abîmée, ou un fichier illisible : sans limite, et rien n'est écrit pour autant
    void optionsAbimees_data()
    {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QString>("cochee");
        QTest::newRow("pas de fichier") << QByteArray() << "RubriqueTempsLimite0";
        QTest::newRow("section sans la clé") << QByteArray("[Options]\nAutre=30\n") << "RubriqueTempsLimite0";
        QTest::newRow("pas un nombre") << QByteArray("[Options]\nTempsLimite=trente\n") << "RubriqueTempsLimite0";
        QTest::newRow("vide") << QByteArray("[Options]\nTempsLimite=\n") << "RubriqueTempsLimite0";
        QTest::newRow("pas un choix") << QByteArray("[Options]\nTempsLimite=31\n") << "RubriqueTempsLimite0";
        QTest::newRow("négatif") << QByteArray("[Options]\nTempsLimite=-30\n") << "RubriqueTempsLimite0";
        QTest::newRow("démesuré") << QByteArray("[Options]\nTempsLimite=99999999999999999999999\n") << "RubriqueTempsLimite0";
        QTest::newRow("autre section") << QByteArray("[Statistiques]\nTempsLimite=45\n") << "RubriqueTempsLimite0";
        QTest::newRow("octets abîmés") << QByteArray("[Options]\nTempsLimite=\xff\xfe" "30\n") << "RubriqueTempsLimite0";
        QTest::newRow("valable") << QByteArray("[Statistiques]\nRecherchesM=3\n[Options]\nTempsLimite=45\n")
                                 << "RubriqueTempsLimite45";
    }

    void optionsAbimees()
    {
        QFETCH(QByteArray, contenu);
        QFETCH(QString, cochee);
        Essai e(contenu);
        QCOMPARE(e.Cochee(), cochee);
        QCOMPARE(e.w->Jeu().TempsLimiteChoisi(), cochee.mid(19).toInt());
        QCOMPARE(ContenuFichier(e.chemin), contenu);
        QCOMPARE(QFile::exists(e.chemin), !contenu.isEmpty());
    }

    void fichierIllisible()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("varnel.ini"));
        QVERIFY(QDir(dossier.path()).mkdir(QStringLiteral("varnel.ini")));
        TfrmMain w;
        w.UtiliserFichierIni(chemin);
        QVERIFY(w.findChild<QAction*>("RubriqueTempsLimite0")->isChecked());
        QCOMPARE(w.Jeu().TempsLimiteChoisi(), 0);
    }

    // un fichier qui ne peut pas être écrit : la boîte le dit, le fichier reste tel quel, le choix vaut
    // pour cette fois
    void ecritureImpossible()
    {
        const QByteArray avant = "[Statistiques]\nRecherchesM=5\n";
        Essai e(avant);
        QVERIFY(QFile::setPermissions(e.chemin, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
        MessageLu message;
        GardienModal boite(message.Lecteur(), 5000, QStringLiteral("Option non enregistrée"));
        e.Action("RubriqueTempsLimite30")->trigger();
        QTRY_VERIFY(boite.Fini());
        QVERIFY(boite.Vu());
        QCOMPARE(message.texte, QStringLiteral("Impossible d'enregistrer le temps limite dans le fichier \"%1\".\n"
                                               "Le fichier est en lecture seule.")
                                    .arg(QDir::toNativeSeparators(e.chemin)));
        QCOMPARE(message.icone, QMessageBox::Warning);
        QCOMPARE(ContenuFichier(e.chemin), avant);
        QCOMPARE(e.Cochee(), QString("RubriqueTempsLimite30"));
        QCOMPARE(e.w->Jeu().TempsLimiteChoisi(), 30);
    }

    // le sous-menu permis exactement quand « Tiré au sort » l'est : au départ, pendant le tirage, jeu posé,
    // résolu ; coupé, ses rubriques ne changent rien
    void activationCommeTireAuSort()
    {
        Essai e;
        // « Tiré au sort », puis le sous-menu et ses cinq rubriques
        auto etat = [&] {
            QString texte = e.Action("RubriqueCompteTireAuSort")->isEnabled() ? "1 " : "0 ";
            texte += e.Menu("MenuTempsLimite")->isEnabled() ? "1 " : "0 ";
            for (QAction* a : e.Menu("MenuTempsLimite")->actions())
                texte += a->isEnabled() ? '1' : '0';
            return texte;
        };
        const qsizetype n = TempsLimitesPermis.size();
        const QString permis = "1 1 " + QString(n, '1'), coupe = "0 0 " + QString(n, '0');
        QCOMPARE(etat(), permis);
        e.w->RubriqueCompteTireAuSortClick();
        e.w->MinuterieAnimation().stop();
        QCOMPARE(etat(), coupe);
        e.Action("RubriqueTempsLimite60")->trigger();
        QCOMPARE(e.Cochee(), QString("RubriqueTempsLimite0"));
        QVERIFY(!QFile::exists(e.chemin));
        QString pendantLaSaisie;
        GardienModal saisie([&](QWidget*) { pendantLaSaisie = etat(); }, 30000, TitreSaisie);
        while (!saisie.Vu() && e.w->Jeu().Tirage().Animation().TempsAnimation < 20000)
            e.w->TimerAnimationTimer();
        QTRY_VERIFY(saisie.Fini());
        QCOMPARE(pendantLaSaisie, permis);  // jeu posé (la saisie, modale, les cache)
        QCOMPARE(etat(), permis);
        e.w->RubriqueDuSimpleAuTorduClick();
        QCOMPARE(etat(), permis);
    }

    // 30 s : le panneau 0 compte à rebours, arrondi vers le haut, « Refaire » ne rend rien, les cinq
    // dernières secondes en rouge ; à 30 s la saisie se ferme d'elle-même, le calcul fait compte et le jeu
    // est enregistré avec 30 000 ms pour le joueur
    void decompteJusquAuTempsEcoule()
    {
        HorlogeReglee horloge;
        Essai e;
        e.Action("RubriqueTempsLimite30")->trigger();
        const int32_t debut = horloge.maintenant;
        QStringList vus;
        QList<bool> rouges;
        bool ouverteA29999 = false, fermeeA30000 = false;
        int resultat = -1;
        auto voir = [&](int32_t ecoule, const QString& attendu) {
            horloge.maintenant = debut + ecoule;
            QTRY_COMPARE(e.w->TexteStatut(0), attendu);
            vus << attendu;
            rouges << (PixelsRouges(e.Panneau()) > 20);
        };
        e.Proposer([&](TfrmSaisieCalcul* s) {
            vus << e.w->TexteStatut(0);
            rouges << (PixelsRouges(e.Panneau()) > 20);
            voir(200, "Reste : 30 s");
            s->BoutonNombre(4)->click();  // 5 + 6 = 11
            s->BoutonSigne(OpAddition)->click();
            s->BoutonNombre(5)->click();
            voir(10000, "Reste : 20 s");
            s->findChild<QPushButton*>("ButtonEffacer")->click();
            QTest::qWait(3 * DecompteSaisie::IntervalleMs);
            vus << e.w->TexteStatut(0);  // rien n'est rendu
            s->BoutonNombre(4)->click();
            s->BoutonSigne(OpAddition)->click();
            s->BoutonNombre(5)->click();
            voir(24001, "Reste : 6 s");
            voir(25000, "Reste : 5 s");
            voir(29999, "Reste : 1 s");
            ouverteA29999 = s->isVisible();
            horloge.maintenant = debut + 30000;
            QTRY_VERIFY(!s->isVisible());
            fermeeA30000 = true;
            resultat = s->result();
        });
        QCOMPARE(vus, (QStringList{"Reste : 30 s", "Reste : 30 s", "Reste : 20 s", "Reste : 20 s", "Reste : 6 s",
                                   "Reste : 5 s", "Reste : 1 s"}));
        QCOMPARE(rouges, (QList<bool>{false, false, false, false, true, true}));
        QVERIFY(ouverteA29999);
        QVERIFY(fermeeA30000);
        QCOMPARE(resultat, int(QDialog::Rejected));
        // le panneau vidé et rendu à sa couleur
        QVERIFY(e.w->TexteStatut(0).isEmpty());
        const DonneesRecherche& d = e.w->Donnees();
        QVERIFY(d.EtatJoueur);
        QCOMPARE(d.EtatJoueur->NbOperations, 1);
        QCOMPARE(d.MeilleurJoueur, 11);
        QCOMPARE(d.TempsJoueur, 30000);
        QCOMPARE(e.w->Jeu().TempsLimite(), 30);

        e.w->RubriqueDuSimpleAuTorduClick();
        QVERIFY(!e.w->TexteStatut(0).isEmpty());
        QCOMPARE(PixelsRouges(e.Panneau()), 0);
        const CumulsStat c = e.Cumuls();
        QCOMPARE(c[Cumul::RecherchesM], 1);
        QCOMPARE(c[Cumul::RecherchesH], 1);
        QCOMPARE(c[Cumul::ApprochesH], 1);
        QCOMPARE(c[Cumul::Proposes], 1);
        QCOMPARE(c[Cumul::TempsH], 30000);
        QCOMPARE(ContenuFichier(e.chemin).count("TempsLimite=30"), 1);
        // l'historique garde la limite du jeu, et le temps du joueur égal à elle
        QCOMPARE(e.Historique(), QByteArray("11|30000|30\n"));
    }

    // le temps écoulé sans aucune opération : le joueur n'a pas joué
    void tempsEcouleSansOperation()
    {
        HorlogeReglee horloge;
        Essai e;
        e.Action("RubriqueTempsLimite45")->trigger();
        const int32_t debut = horloge.maintenant;
        MenerTirage(*e.w, [&](TfrmSaisieCalcul* s) {
            s->BoutonNombre(0)->click();  // un premier nombre, rien de plus
            horloge.maintenant = debut + 45000;
            QTRY_VERIFY(!s->isVisible());
        });
        QVERIFY(!e.w->Donnees().EtatJoueur);
        QCOMPARE(e.w->Donnees().MeilleurJoueur, Aucun);
        QCOMPARE(e.w->Donnees().TempsJoueur, 0);
        e.w->RubriqueDuSimpleAuTorduClick();
        const CumulsStat c = e.Cumuls();
        QCOMPARE(c[Cumul::RecherchesM], 1);
        QCOMPARE(c[Cumul::TiresAuSort], 1);
        QCOMPARE(c[Cumul::RecherchesH], 0);
        QCOMPARE(c[Cumul::TempsH], 0);
        QCOMPARE(e.Historique(), QByteArray("|0|45\n"));
    }

    // la boîte « Opération inutile ! » encore ouverte quand le temps est écoulé se ferme avec la saisie
    void tempsEcouleBoiteOuverte()
    {
        HorlogeReglee horloge;
        Essai e;
        e.Action("RubriqueTempsLimite30")->trigger();
        const int32_t debut = horloge.maintenant;
        bool boiteRestee = false;
        e.Proposer([&](TfrmSaisieCalcul* s) {
            s->BoutonNombre(4)->click();  // 5 + 6 = 11
            s->BoutonSigne(OpAddition)->click();
            s->BoutonNombre(5)->click();
            horloge.maintenant = debut + 30000;
            // au cas où la boîte ne se fermerait pas : l'essai échoue sans rester bloqué
            QTimer::singleShot(3000, s, [&] {
                if (auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    boiteRestee = true;
                    boite->reject();
                }
            });
            s->BoutonNombre(3)->click();  // 4 / 2 = 2 : refusée, la boîte s'ouvre
            s->BoutonSigne(OpDivision)->click();
            s->BoutonNombre(1)->click();
            QTRY_VERIFY(!s->isVisible());
        });
        QVERIFY(!boiteRestee);
        QCOMPARE(e.w->Donnees().EtatJoueur->NbOperations, 1);
        QCOMPARE(e.w->Donnees().TempsJoueur, 30000);
    }

    // sans limite : le temps écoulé s'affiche comme avant, sans rouge, et la saisie ne se ferme jamais seule
    void sansLimiteRienNeChange()
    {
        HorlogeReglee horloge;
        Essai e("[Options]\nTempsLimite=30\n");
        e.Action("RubriqueTempsLimite0")->trigger();
        QCOMPARE(e.w->Jeu().TempsLimiteChoisi(), 0);
        const int32_t debut = horloge.maintenant;
        bool ouverte = false;
        QStringList vus;
        e.Proposer([&](TfrmSaisieCalcul* s) {
            vus << e.w->TexteStatut(0);
            horloge.maintenant = debut + 12400;
            QTRY_COMPARE(e.w->TexteStatut(0), QString("Temps : 12 s"));
            vus << e.w->TexteStatut(0);
            horloge.maintenant = debut + 500000;
            QTRY_COMPARE(e.w->TexteStatut(0), QString("Temps : 500 s"));
            QCOMPARE(PixelsRouges(e.Panneau()), 0);
            QTest::qWait(3 * DecompteSaisie::IntervalleMs);
            ouverte = s->isVisible();
            s->BoutonNombre(4)->click();
            s->BoutonSigne(OpAddition)->click();
            s->BoutonNombre(5)->click();
            FermerParLaCase(s);
        });
        QCOMPARE(vus.first(), QString("Temps : 0 s"));
        QVERIFY(ouverte);
        QCOMPARE(e.w->Jeu().TempsLimite(), 0);
        QCOMPARE(e.w->Donnees().MeilleurJoueur, 11);
        QCOMPARE(e.w->Donnees().TempsJoueur, 0);  // la case de fermeture, comme toujours
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    PreparerEnvironnement(application);
    TestTempsLimite test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_temps_limite.moc"
