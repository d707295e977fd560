// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// statistiques et informations sur les solutions : un jeu joué est enregistré une fois, la fenêtre
// des statistiques lit le fichier, celle des informations range le calcul du joueur
#include "Calcul_f.h"
#include "EnregistrementSolution.h"
#include "Environnement.h"
#include "ExecutionRecherche.h"
#include "FichierIni.h"
#include "FichiersEssai.h"
#include "InfoSolutions.h"
#include "Infosol_f.h"
#include "Main_f.h"
#include "OutilsFenetres.h"
#include "OutilsPartie.h"
#include "Stats_f.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

using namespace Cumul;


// une fenêtre principale dont le fichier de statistiques est propre au test
struct PartieEssai {
    explicit PartieEssai(const QByteArray& contenu = {}, QStringList arguments = {}) : w(std::move(arguments))
    {
        chemin = dossier.filePath(QStringLiteral("varnel.ini"));
        if (!contenu.isEmpty()) {
            QFile f(chemin);
            f.open(QIODevice::WriteOnly);
            f.write(contenu);
        }
        w.UtiliserFichierIni(chemin);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
    }

    // tire le jeu de cette graine ; le joueur fait son calcul dans la saisie (rien : il la ferme)
    void Tirer(unsigned graine, const std::function<void(TfrmSaisieCalcul*)>& jouer = {})
    {
        w.ImposerGraine(graine);
        MenerTirage(w, jouer);
    }

    void Commande(const char* nom) { w.findChild<QAction*>(QLatin1String(nom))->trigger(); }
    QToolButton* Bouton(const char* nom) { return w.findChild<QToolButton*>(QLatin1String(nom)); }
    CumulsStat Cumuls() const { return TFichierIni(chemin).LireCumuls(); }

    QTemporaryDir dossier;
    QString chemin;
    TfrmMain w;
};

QString Texte(QWidget* fenetre, const char* etiquette)
{
    auto* label = fenetre->findChild<QLabel*>(QLatin1String(etiquette));
    return label ? label->text() : QStringLiteral("<absente>");
}

// une graine dont le compte tombe juste avec au moins quatre solutions, et les solutions dans l'ordre 1
unsigned GraineAQuatreSolutions(std::vector<std::string>& solutions)
{
    for (unsigned g = 100; g < 300; ++g) {
        PartieEssai essai;
        essai.Tirer(g);
        const DonneesRecherche d = ResoluAPart(essai.w, OrdreDuSimpleAuTordu);
        if (d.ButAtteint && d.ListeSolutions.Nombre() >= 4) {
            solutions.clear();
            for (int32_t i = 0; i < d.ListeSolutions.Nombre(); ++i)
                solutions.push_back(d.ListeSolutions.Texte(i));
            return g;
        }
    }
    return 0;
}

CumulsStat Difference(const CumulsStat& apres, const CumulsStat& avant)
{
    CumulsStat ecart;
    for (size_t i = 0; i < Nombre; ++i)
        ecart.Valeurs[i] = apres.Valeurs[i] - avant.Valeurs[i];
    return ecart;
}

// des totaux déjà là, pour voir ce que le jeu ajoute
const QByteArray TotauxAnciens = "[Statistiques]\nRecherchesM=10\nRecherchesH=6\nTrouvesM=9\nTrouvesH=2\nApprochesM=1\n"
                                 "ApprochesH=4\nProposes=3\nTiresAuSort=7\nSolutionsM=50\nSolutionsMH=30\nSolutionsH=8\n"
                                 "PossibilitesM=900000\nPossibilitesMH=500000\nPossibilitesH=1200\nTemps1ereSolM=40\n"
                                 "TempsToutesSolM=900\nTempsH=360000\n";

}  // namespace

class TestStatistiques : public QObject {
    Q_OBJECT
private slots:
    // la 3e solution de la liste dans l'ordre 1, puis la fenêtre d'informations dans les deux ordres
    void troisiemeSolution()
    {
        std::vector<std::string> solutions;
        const unsigned graine = GraineAQuatreSolutions(solutions);
        QVERIFY(graine != 0);
        PartieEssai p(TotauxAnciens);
        const CumulsStat avant = p.Cumuls();
        p.Tirer(graine, [&](TfrmSaisieCalcul* s) { RejouerCalcul(s, solutions[2]); });
        const DonneesRecherche& d = p.w.Donnees();
        QCOMPARE(d.MeilleurJoueur, d.But);
        p.Commande("RubriqueDuSimpleAuTordu");
        const int32_t n = d.NbSolutions;
        const CumulsStat ecart = Difference(p.Cumuls(), avant);
        QCOMPARE(ecart[TrouvesH], 1);
        QCOMPARE(ecart[SolutionsH], 3);
        QCOMPARE(ecart[SolutionsMH], n);
        QCOMPARE(ecart[RecherchesH], 1);
        QCOMPARE(ecart[ApprochesH], 0);
        QCOMPARE(ecart[PossibilitesH], d.NbMeilleursQueJoueur + 1);
        QCOMPARE(ecart[PossibilitesMH], d.NbPossibilites);
        QCOMPARE(ecart[TempsH], d.TempsJoueur);
        QCOMPARE(ecart[TiresAuSort], 1);
        QCOMPARE(ecart[Proposes], 0);

        // la fenêtre d'informations : la 3e sur n
        QToolButton* info = p.Bouton("SpeedButtonInfo");
        info->click();
        QVERIFY(p.w.FenetreInfoSolutions() && p.w.FenetreInfoSolutions()->isVisible());
        QCOMPARE(p.w.FenetreInfoSolutions()->windowTitle(), QStringLiteral("Informations sur les solutions"));
        QCOMPARE(p.w.FenetreInfoSolutions()->pos(), p.w.pos() + QPoint(325, 0));
        QCOMPARE(Texte(p.w.FenetreInfoSolutions(), "LabelOrdre"), QStringLiteral("Du plus simple au plus tordu"));
        QCOMPARE(Texte(p.w.FenetreInfoSolutions(), "LabelPosSolM"), QStringLiteral("3/%1").arg(n));
        QCOMPARE(Texte(p.w.FenetreInfoSolutions(), "LabelPosPossM"),
                 QStringLiteral("%1/%2").arg(d.NbMeilleursQueJoueur + 1).arg(d.NbPossibilites));
        QCOMPARE(Texte(p.w.FenetreInfoSolutions(), "LabelTpsSaisie"), QString::number(d.TempsJoueur));
        QCOMPARE(Texte(p.w.FenetreInfoSolutions(), "LabelNbSolutions"), QString::number(n));
        QCOMPARE(p.w.FenetreInfoSolutions()->TexteStatut(), QString::fromStdString(TextePossibilitesParPlaques(d)));

        // l'autre ordre ferme la fenêtre et n'enregistre rien de plus
        const QByteArray fichier = ContenuFichier(p.chemin);
        p.Commande("RubriqueDuTorduAuSimple");
        QVERIFY(!p.w.FenetreInfoSolutions() && !info->isChecked());
        QCOMPARE(ContenuFichier(p.chemin), fichier);
        // rouverte, elle compte la position depuis l'autre bout
        info->click();
        QVERIFY(p.w.FenetreInfoSolutions());
        QCOMPARE(Texte(p.w.FenetreInfoSolutions(), "LabelOrdre"), QStringLiteral("Du plus tordu au plus simple"));
        QCOMPARE(Texte(p.w.FenetreInfoSolutions(), "LabelPosSolM"), QStringLiteral("%1/%2").arg(n - 2).arg(n));
        info->click();
        QVERIFY(!p.w.FenetreInfoSolutions());
    }

    // le joueur manque le compte que la machine atteint
    void compteManque()
    {
        std::vector<std::string> solutions;
        const unsigned graine = GraineAQuatreSolutions(solutions);
        PartieEssai p(TotauxAnciens);
        const CumulsStat avant = p.Cumuls();
        p.Tirer(graine, [](TfrmSaisieCalcul* s) {
            // la somme des deux premières plaques, puis Ok
            s->BoutonNombre(0)->click();
            s->BoutonSigne(0)->click();
            s->BoutonNombre(1)->click();
            s->findChild<QPushButton*>(QStringLiteral("ButtonOk"))->click();
        });
        const DonneesRecherche& d = p.w.Donnees();
        QVERIFY(d.MeilleurJoueur != Aucun && d.MeilleurJoueur != d.But);
        p.Commande("RubriqueDuTorduAuSimple");
        QVERIFY(d.ButAtteint);
        const CumulsStat ecart = Difference(p.Cumuls(), avant);
        QCOMPARE(ecart[ApprochesH], 1);
        QCOMPARE(ecart[TrouvesH], 0);
        QCOMPARE(ecart[SolutionsH], 0);
        QCOMPARE(ecart[RecherchesH], 1);
        QCOMPARE(ecart[PossibilitesH], d.NbMeilleursQueJoueur + 1);
        QVERIFY(d.NbMeilleursQueJoueur > 0);

        p.Bouton("SpeedButtonInfo")->click();
        QCOMPARE(Texte(p.w.FenetreInfoSolutions(), "LabelPosSolM"), QStringLiteral("-"));
        QCOMPARE(Texte(p.w.FenetreInfoSolutions(), "LabelPosPossM"),
                 QStringLiteral("%1/%2").arg(d.NbMeilleursQueJoueur + 1).arg(d.NbPossibilites));
    }

    // un jeu tiré sans calcul du joueur, sur un fichier absent ; la fenêtre des statistiques
    void abandonEtFenetres()
    {
        PartieEssai p;
        QToolButton* stats = p.Bouton("SpeedButtonStats");
        QVERIFY(stats->isEnabled());
        stats->click();
        TfrmStatistiques* fenetre = p.w.FenetreStatistiques();
        QVERIFY(fenetre && fenetre->isVisible());
        QCOMPARE(fenetre->windowTitle(), QStringLiteral("Statistiques"));
        QCOMPARE(fenetre->pos(), p.w.pos() + QPoint(325, 0));
        for (const char* nom : {"LabelRecherchesM", "LabelTrouvesH", "LabelTempsToutesSolM", "LabelTpsMoyen1ereSolM",
                                "LabelTpsTotalSolM", "LabelTpsMoyen1ereSolH"})
            QCOMPARE(Texte(fenetre, nom), QStringLiteral("0"));
        for (const char* nom : {"LabelPourcentsTAM", "LabelPourcentsPTM", "LabelPourcentsSPH", "LabelPourcentsTAH"})
            QCOMPARE(Texte(fenetre, nom), QStringLiteral("-"));
        QCOMPARE(Texte(fenetre, "LabelSolutionsH"), QStringLiteral("0/0"));
        QCOMPARE(fenetre->TexteStatut(), p.chemin);
        // ni Échap ni la fermeture ne la ferment tant que le bouton est enfoncé
        QTest::keyClick(fenetre, Qt::Key_Escape);
        QVERIFY(!fenetre->close());
        QVERIFY(fenetre->isVisible());

        p.Tirer(424242);
        p.Commande("RubriqueDuSimpleAuTordu");
        const DonneesRecherche& d = p.w.Donnees();
        const CumulsStat c = p.Cumuls();
        QCOMPARE(c[RecherchesM], 1);
        QCOMPARE(c[TiresAuSort], 1);
        QCOMPARE(c[TrouvesM] + c[ApprochesM], 1);
        QCOMPARE(c[TrouvesM], d.ButAtteint ? 1 : 0);
        QCOMPARE(c[SolutionsM], d.NbSolutions);
        QCOMPARE(c[PossibilitesM], d.NbPossibilites);
        QCOMPARE(c[TempsToutesSolM], d.TempsTotal);
        for (Indice i : {RecherchesH, TrouvesH, ApprochesH, SolutionsMH, SolutionsH, PossibilitesMH, PossibilitesH})
            QCOMPARE(c[i], 0);

        // restée ouverte pendant le jeu, elle montre toujours ce qu'elle a lu ; rouverte, le fichier relu
        QCOMPARE(p.w.FenetreStatistiques(), fenetre);
        QCOMPARE(Texte(fenetre, "LabelRecherchesM"), QStringLiteral("0"));
        // la rubrique « Statistiques » suit le bouton, et fait ce qu'il fait
        QAction* rubrique = p.w.findChild<QAction*>(QStringLiteral("RubriqueStatistiques"));
        QVERIFY(rubrique->isChecked());
        stats->click();
        QVERIFY(!p.w.FenetreStatistiques() && !rubrique->isChecked());
        rubrique->trigger();
        QVERIFY(stats->isChecked());
        QCOMPARE(Texte(p.w.FenetreStatistiques(), "LabelRecherchesM"), QStringLiteral("1"));
        QCOMPARE(Texte(p.w.FenetreStatistiques(), "LabelTiresAuSort"), QStringLiteral("1"));
        QCOMPARE(Texte(p.w.FenetreStatistiques(), "LabelPourcentsPTM"), QStringLiteral("0/100"));
        QCOMPARE(Texte(p.w.FenetreStatistiques(), "LabelPossibilitesM"), QString::number(d.NbPossibilites));
        QCOMPARE(Texte(p.w.FenetreStatistiques(), "LabelPourcentsTAH"), QStringLiteral("-"));
        stats->click();

        // informations : « - » dans les lignes du joueur
        p.Bouton("SpeedButtonInfo")->click();
        for (const char* nom : {"LabelTpsSaisie", "LabelPosSolM", "LabelPosPossM"})
            QCOMPARE(Texte(p.w.FenetreInfoSolutions(), nom), QStringLiteral("-"));
        QCOMPARE(Texte(p.w.FenetreInfoSolutions(), "LabelBut"), QString::number(d.But));
        QTest::keyClick(p.w.FenetreInfoSolutions(), Qt::Key_Escape);
        QVERIFY(!p.w.FenetreInfoSolutions()->close());
        QVERIFY(p.w.FenetreInfoSolutions()->isVisible());
        // un nouveau tirage relève le bouton et ferme la fenêtre
        p.Tirer(424243);
        QVERIFY(!p.w.FenetreInfoSolutions());
    }

    // chaque étiquette que les textes nomment existe dans sa fenêtre
    void etiquettesNommees()
    {
        PartieEssai p;
        CumulsStat plein;
        plein.Valeurs.fill(3);
        p.Bouton("SpeedButtonStats")->click();
        for (const auto& [nom, texte] : TextesStatistiques(plein))
            QVERIFY2(p.w.FenetreStatistiques()->findChild<QLabel*>(QString::fromStdString(nom)), nom.c_str());
        p.Tirer(424242, [](TfrmSaisieCalcul* s) {
            s->BoutonNombre(0)->click();
            s->BoutonSigne(0)->click();
            s->BoutonNombre(1)->click();
            s->findChild<QPushButton*>(QStringLiteral("ButtonOk"))->click();
        });
        p.Commande("RubriqueDuSimpleAuTordu");
        p.Bouton("SpeedButtonInfo")->click();
        for (const auto& [nom, texte] : TextesInfoSolutions(p.w.Donnees(), 0))
            QVERIFY2(p.w.FenetreInfoSolutions()->findChild<QLabel*>(QString::fromStdString(nom)), nom.c_str());

        // les lignes du niveau et des points sous la note, sans rien couper ni chevaucher, même pour un texte
        // des plus longs
        TfrmInfoSolutions* info = p.w.FenetreInfoSolutions();
        QVERIFY(Texte(info, "LabelNiveau") != QStringLiteral("-"));  // rempli par la résolution
        info->findChild<QLabel*>("LabelNiveau")->setText(QStringLiteral("Difficile — 6 plaques au moins, 9999 solutions"));
        // (seules les nouvelles étiquettes : les légendes données chevauchent déjà leurs valeurs)
        QStringList defauts;
        for (const QString& defaut : DefautsDisposition(info))
            for (const char* nom : {"Label16", "LabelNiveau", "Label17", "LabelPoints"})
                if (defaut.contains(QLatin1String(nom)))
                    defauts << defaut;
        QVERIFY2(defauts.isEmpty(), qPrintable(defauts.join(", ")));
        QCOMPARE(info->findChild<QLabel*>("Label16")->text(), QStringLiteral("Niveau :"));
        QVERIFY(info->findChild<QLabel*>("Label16")->y() > info->findChild<QLabel*>("LabelNote")->geometry().bottom());
        QCOMPARE(info->findChild<QLabel*>("Label17")->text(), QStringLiteral("Points :"));
        QVERIFY(info->findChild<QLabel*>("Label17")->y() > info->findChild<QLabel*>("Label16")->geometry().bottom());
    }

    // un fichier écrit en 32 bits, en hexadécimal, avec une section inconnue
    void fichierAncien()
    {
        const QByteArray autre = "\n[Autre]\nx=1\n";
        PartieEssai p("[Statistiques]\nPossibilitesM=2147400000\nRecherchesM=0x10\n" + autre);
        p.Bouton("SpeedButtonStats")->click();
        QCOMPARE(Texte(p.w.FenetreStatistiques(), "LabelRecherchesM"), QStringLiteral("16"));
        QCOMPARE(Texte(p.w.FenetreStatistiques(), "LabelPossibilitesM"), QStringLiteral("2147400000"));
        p.Tirer(424242);
        p.Commande("RubriqueDuSimpleAuTordu");
        const QByteArray fichier = ContenuFichier(p.chemin);
        QVERIFY(fichier.contains("\nRecherchesM=17\n"));
        const qint64 possibilites = 2147400000LL + p.w.Donnees().NbPossibilites;
        QVERIFY(possibilites > 2147483647LL);
        QVERIFY(fichier.contains("\nPossibilitesM=" + QByteArray::number(possibilites) + '\n'));
        QVERIFY(fichier.contains(autre));
    }

    // dossier du programme en lecture seule : le fichier va dans $XDG_CONFIG_HOME/varnel/ ;
    // ce dossier impossible à écrire aussi : la boîte, et rien d'autre
    void emplacementEtEchec()
    {
        QTemporaryDir dossier;
        const QByteArray ancienXdg = qgetenv("XDG_CONFIG_HOME");
        RemplacerVerificationDossier([](const QString&) { return false; });
        qputenv("XDG_CONFIG_HOME", dossier.filePath(QStringLiteral("configuration")).toUtf8());
        {
            TfrmMain w;
            const QString attendu = dossier.filePath(QStringLiteral("configuration/varnel/varnel.ini"));
            QCOMPARE(w.Fichier().Chemin(), attendu);
            w.show();
            MenerTirage(w);
            w.RubriqueDuSimpleAuTorduClick();
            QCOMPARE(TFichierIni(attendu).LireEntier(SectionStatistiques, QStringLiteral("RecherchesM")), 1);
        }
        // un fichier à la place du dossier : même root ne peut pas y écrire
        const QString obstacle = dossier.filePath(QStringLiteral("obstacle"));
        QFile f(obstacle);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        qputenv("XDG_CONFIG_HOME", obstacle.toUtf8());
        {
            TfrmMain w;
            w.show();
            MenerTirage(w);
            MessageLu message;
            GardienModal boite(message.Lecteur(), 5000, QStringLiteral("Statistiques non enregistrées"));
            // l'historique, à côté, ne peut pas s'écrire non plus : sa boîte vient ensuite
            GardienModal boiteHistorique({}, 5000, QStringLiteral("Historique non enregistré"));
            w.RubriqueDuSimpleAuTorduClick();
            QTRY_VERIFY(boite.Fini());
            QVERIFY(boite.Vu());
            QTRY_VERIFY(boiteHistorique.Fini());
            QVERIFY(boiteHistorique.Vu());
            QCOMPARE(message.texte, QStringLiteral("Impossible d'enregistrer les statistiques dans le fichier \"%1\".\n"
                                                   "Le dossier \"%2\" ne peut pas être créé.")
                                        .arg(obstacle + QStringLiteral("/varnel/varnel.ini"), obstacle + QStringLiteral("/varnel")));
            QCOMPARE(message.icone, QMessageBox::Warning);
            QCOMPARE(message.nbBoutons, 1);
            QVERIFY(!w.Jeu().StatistiquesEnAttente());
            // le même jeu ne redemande rien
            GardienModal plusRien({}, 300);
            w.RubriqueDuTorduAuSimpleClick();
            QTRY_VERIFY(plusRien.Fini());
            QVERIFY(!plusRien.Vu());
        }
        RemplacerVerificationDossier({});
        qputenv("XDG_CONFIG_HOME", ancienXdg);
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    PreparerEnvironnement(application);
    TestStatistiques test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_statistiques.moc"
