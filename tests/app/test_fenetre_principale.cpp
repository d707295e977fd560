// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// fenêtre principale : ligne de commande, activation des commandes, parcours, peinture, aide, À propos
#include "Apropos_f.h"
#include "Comment_f.h"
#include "Infosol_f.h"
#include "DessinJeu.h"
#include "Environnement.h"
#include "ImagesVarnel.h"
#include "Main_f.h"
#include "Ouverture.h"
#include "OutilsFenetres.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>

namespace {

const QStringList Jeu952 = {"25", "50", "75", "100", "3", "6", "952"};
const QStringList JeuRiche = {"100", "75", "50", "25", "10", "10", "101"};

// une fenêtre montrée avec sa ligne de commande, jeu résolu s'il est valable
struct Fenetre {
    explicit Fenetre(const QStringList& arguments = {}) : w(arguments)
    {
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        if (!arguments.isEmpty())
            QTRY_VERIFY(!w.TexteStatut(0).isEmpty());
    }
    QAction* Action(const char* nom) { return w.findChild<QAction*>(QLatin1String(nom)); }
    QToolButton* Bouton(const char* nom) { return w.findChild<QToolButton*>(QLatin1String(nom)); }
    QMenu* Menu(const char* nom) { return w.findChild<QMenu*>(QLatin1String(nom)); }
    // les raccourcis ne parviennent qu'à la fenêtre active
    void Touche(Qt::Key touche, Qt::KeyboardModifiers modificateurs = Qt::ControlModifier)
    {
        w.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &w);
        QTest::keyClick(&w, touche, modificateurs);
    }

    // l'état de chaque commande, dans l'ordre de la table d'activation
    QString Commandes()
    {
        const bool menu = Menu("MenuSolutions")->isEnabled();
        QString etat;
        auto ajouter = [&](bool actif) { etat += actif ? QLatin1Char('1') : QLatin1Char('0'); };
        ajouter(Action("RubriqueCompteTireAuSort")->isEnabled());
        ajouter(Action("RubriqueComptePropose")->isEnabled());
        ajouter(menu);
        ajouter(menu && Action("RubriqueDuSimpleAuTordu")->isEnabled());
        ajouter(menu && Action("RubriqueDuTorduAuSimple")->isEnabled());
        etat += QLatin1Char(' ');
        for (const char* nom : {"RubriqueUtilisant2Plaques", "RubriqueUtilisant3Plaques", "RubriqueUtilisant4Plaques",
                                "RubriqueUtilisant5Plaques", "RubriqueUtilisant6Plaques"})
            ajouter(menu && Action(nom)->isEnabled());
        ajouter(menu && Action("RubriqueSolutionsTousComptes")->isEnabled());
        etat += QLatin1Char(' ');
        for (const char* nom : {"SpeedButtonCalc", "SpeedButtonInfo", "SpeedButtonStats"})
            ajouter(Bouton(nom)->isEnabled());
        etat += QLatin1Char(' ');
        for (const char* nom : {"BitBtnPrmSol", "BitBtnSolPrc", "BitBtnSolSvt", "BitBtnDrnSol"})
            ajouter(Bouton(nom)->isEnabled());
        etat += QLatin1Char(' ');
        ajouter(Action("RubriqueAPropos")->isEnabled());
        ajouter(Action("RubriqueAide")->isEnabled());
        return etat;
    }

    TfrmMain w;
};

// écart maximal d'une composante entre deux images de même taille
int Ecart(const QImage& a, const QImage& b)
{
    int ecart = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor ca = a.pixelColor(x, y), cb = b.pixelColor(x, y);
            ecart = std::max({ecart, std::abs(ca.red() - cb.red()), std::abs(ca.green() - cb.green()),
                              std::abs(ca.blue() - cb.blue())});
        }
    return ecart;
}

// l'image attendue : l'image de la liste posée sur le fond
QImage Attendue(const QPixmap& image, const QColor& fond)
{
    QImage attendue(image.size(), QImage::Format_RGB32);
    attendue.fill(fond);
    QPainter peintre(&attendue);
    peintre.drawPixmap(0, 0, image);
    return attendue;
}

QImage Noir(int largeur, int hauteur)
{
    QImage noir(largeur, hauteur, QImage::Format_RGB32);
    noir.fill(Qt::black);
    return noir;
}

}  // namespace

class TestFenetrePrincipale : public QObject {
    Q_OBJECT
private slots:
    void init() { RemplacerOuverture([this](const QUrl& u) { ouvertes_ << u.toString(); }); }
    void cleanup()
    {
        RemplacerOuverture({});
        ouvertes_.clear();
    }

    void ligneCommandeErronee_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const QString plaque = "Plaque incorrecte (de 1 à 10, 25, 50, 75 ou 100).";
        const QString compte = "Résultat à trouver incorrect (de 101 à 999).";
        QTest::newRow("trois arguments") << QStringList{"1", "2", "3"} << "Nombre incorrect d'arguments.";
        QTest::newRow("six plaques sans compte") << QStringList{"25", "50", "75", "100", "3", "6"}
                                                 << "Nombre incorrect d'arguments.";
        QTest::newRow("plaque 0") << QStringList{"25", "0", "75", "100", "3", "6", "952"} << plaque;
        QTest::newRow("plaque 11") << QStringList{"25", "50", "75", "100", "3", "11", "952"} << plaque;
        QTest::newRow("compte 100") << QStringList{"25", "50", "75", "100", "3", "6", "100"} << compte;
        QTest::newRow("compte 1000") << QStringList{"25", "50", "75", "100", "3", "6", "1000"} << compte;
        QTest::newRow("peu d'arguments dont un faux") << QStringList{"1", "deux"} << "Argument \"deux\" incorrect.";
        QTest::newRow("deux faux : le dernier") << QStringList{"a", "2", "3", "b", "5", "6", "7"}
                                                << "Argument \"b\" incorrect.";
        QTest::newRow("erreur de plage puis faux") << QStringList{"25", "50", "11", "100", "3", "6", "z"}
                                                   << "Argument \"z\" incorrect.";
        QTest::newRow("huitième compte faux") << QStringList{"25", "50", "75", "100", "3", "6", "952", "50"} << compte;
        QTest::newRow("accent") << QStringList{"25", "50", "75", "100", "3", "6", "é"} << "Argument \"é\" incorrect.";
    }

    void ligneCommandeErronee()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        MessageLu lu;
        GardienModal gardien(lu.Lecteur());
        TfrmMain w(arguments);
        w.show();
        QTRY_VERIFY(gardien.Fini());
        QVERIFY(gardien.Vu());
        QCOMPARE(lu.titre, QString("Erreur dans les paramètres de la ligne de commande"));
        QCOMPARE(lu.texte, message + "\nSyntaxe : VARNEL Plaque1 Plaque2 Plaque3 Plaque4 Plaque5 Plaque6 Resultat");
        QCOMPARE(lu.icone, QMessageBox::Warning);
        QCOMPARE(lu.nbBoutons, 1);
        // la boîte fermée, la fenêtre se ferme et rien n'est résolu
        QTRY_VERIFY(!w.isVisible());
        QCOMPARE(w.Donnees().ListeSolutions.Nombre(), 0);
        QVERIFY(w.TexteStatut(0).isEmpty());
    }

    void ligneCommandeValable_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("statut");
        QTest::addColumn<QString>("compteur");
        QTest::newRow("952") << Jeu952 << "2 bon(s) compte(s), 99746 calculs en " << "1/2";
        QTest::newRow("101 et 999 admis") << QStringList{"100", "75", "50", "25", "10", "10", "999", "101"}
                                          << "87 bon(s) compte(s), 116740 calculs en " << "1/87";
        QTest::newRow("compte manqué") << QStringList{"2", "3", "3", "4", "4", "6", "500"}
                                       << "3 compte(s), 78707 calculs en " << "1/3";
        QTest::newRow("six plaques égales") << QStringList{"5", "5", "5", "5", "5", "5", "555"} << "" << "1/";
    }

    void ligneCommandeValable()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, statut);
        QFETCH(QString, compteur);
        Fenetre f(arguments);
        const QString texte = f.w.TexteStatut(0);
        QVERIFY2(texte.startsWith(statut), qPrintable(texte));
        QVERIFY2(QRegularExpression("^\\d+ (bon\\(s\\) )?compte\\(s\\), \\d+ calculs en \\d+ ms\\.$").match(texte).hasMatch(),
                 qPrintable(texte));
        QVERIFY(f.w.TexteStatut(1).startsWith(compteur));
        QCOMPARE(f.w.Donnees().OrdreSolutions, 1);
        QCOMPARE(f.w.Jeu().Origine(), OrigineJeu::Aucune);
        QVERIFY(!f.w.Jeu().StatistiquesEnAttente());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        for (bool cachee : f.w.Jeu().PlaquesCachees())
            QVERIFY(!cachee);
    }

    void activationDesCommandes()
    {
        Fenetre vide;
        //                                     compte+ordres utilisant+tous outils navigation aide
        QCOMPARE(vide.Commandes(), QString("11000 000000 001 0000 11"));
        vide.Touche(Qt::Key_S);  // menu coupé : rien
        vide.Touche(Qt::Key_C);
        QVERIFY(vide.w.TexteStatut(0).isEmpty());

        Fenetre f(Jeu952);
        QCOMPARE(f.Commandes(), QString("11111 111111 111 0011 11"));
        f.Bouton("BitBtnDrnSol")->click();
        QCOMPARE(f.Commandes(), QString("11111 111111 111 1100 11"));
        QCOMPARE(f.w.TexteStatut(1), QString("2/2"));
        // une nouvelle recherche repart de la première solution
        f.Touche(Qt::Key_C);
        QCOMPARE(f.w.Donnees().OrdreSolutions, 2);
        QCOMPARE(f.w.TexteStatut(1), QString("1/2"));
        QCOMPARE(f.Commandes(), QString("11111 111111 111 0011 11"));
        f.Bouton("SpeedButtonCalc")->click();
        QCOMPARE(f.w.Donnees().OrdreSolutions, 1);

        // un nouveau jeu coupe les commandes de solutions, et leurs raccourcis avec
        f.Bouton("SpeedButtonInfo")->setChecked(true);
        f.w.ReinitialiserJeu();
        QVERIFY(!f.Bouton("SpeedButtonInfo")->isChecked());
        QCOMPARE(f.Commandes(), QString("11000 000000 001 0000 11"));
        QCOMPARE(f.w.Donnees().ListeSolutions.Nombre(), 0);
        QCOMPARE(f.w.Donnees().But, 0);
        QCOMPARE(f.w.TexteStatut(1), QString("1/2"));  // le compteur garde l'ancien texte
        const QString statut = f.w.TexteStatut(0);
        GardienModal aucun({}, 300);
        for (Qt::Key k : {Qt::Key_S, Qt::Key_C, Qt::Key_2, Qt::Key_6, Qt::Key_0})
            f.Touche(k);
        QTRY_VERIFY(aucun.Fini());
        QVERIFY(!aucun.Vu());
        QCOMPARE(f.w.TexteStatut(0), statut);
        for (bool cachee : f.w.Jeu().PlaquesCachees())
            QVERIFY(cachee);
    }

    void boutonsDeNavigation()
    {
        Fenetre riche(JeuRiche);
        QCOMPARE(riche.w.TexteStatut(1), QString("1/87"));
        riche.Bouton("BitBtnSolSvt")->click();
        riche.Bouton("BitBtnSolSvt")->click();
        QCOMPARE(riche.w.TexteStatut(1), QString("3/87"));
        QCOMPARE(riche.Commandes().section(' ', 3, 3), QString("1111"));
        riche.Bouton("BitBtnSolPrc")->click();
        QCOMPARE(riche.w.Donnees().SolutionCourante, 1);
        riche.Bouton("BitBtnDrnSol")->click();
        QCOMPARE(riche.w.TexteStatut(1), QString("87/87"));
        riche.Bouton("BitBtnPrmSol")->click();
        QCOMPARE(riche.w.TexteStatut(1), QString("1/87"));

        Fenetre seule({"2", "5", "1", "8", "5", "7", "810"});
        QCOMPARE(seule.w.TexteStatut(1), QString("1/1"));
        QCOMPARE(seule.Commandes().section(' ', 3, 3), QString("0000"));
    }

    void rubriquesUtilisant()
    {
        Fenetre riche(JeuRiche);
        riche.Touche(Qt::Key_4);
        const int32_t indice = riche.w.Donnees().SolutionCourante;
        QVERIFY(indice > 0);
        QCOMPARE(NbPlaquesMasque(riche.w.Donnees().ListeSolutions.Objet(indice)->MasquePlaques), 4);
        for (int32_t i = 0; i < indice; ++i)
            QVERIFY(NbPlaquesMasque(riche.w.Donnees().ListeSolutions.Objet(i)->MasquePlaques) != 4);
        riche.Action("RubriqueUtilisant4Plaques")->trigger();
        QCOMPARE(riche.w.Donnees().SolutionCourante, indice);
        QCOMPARE(riche.w.TexteStatut(1), QString("%1/87").arg(indice + 1));

        MessageLu lu;
        GardienModal gardien(lu.Lecteur());
        riche.Touche(Qt::Key_2);
        QTRY_VERIFY(gardien.Fini());
        QCOMPARE(lu.titre, QString("Affichage d'une solution"));
        QCOMPARE(lu.texte, QString("Il n'y a pas de solutions utilisant 2 plaques."));
        QCOMPARE(lu.icone, QMessageBox::Warning);
        QCOMPARE(riche.w.Donnees().SolutionCourante, indice);
    }

    // tuiles, croix et figures tombent aux pixels prévus
    void peintureDUneSolution()
    {
        Fenetre f({"100", "7", "1", "3", "9", "8", "101"});
        QCOMPARE(QString::fromStdString(f.w.Donnees().ListeSolutions.Texte(0)), QString("100+1=101\n"));
        // largeur extérieure : celle du cadre quand il y en a un
        const int largeur = std::max(f.w.frameGeometry().width(), f.w.width());
        QCOMPARE(f.w.LargeurExterieure(), largeur);
        QVERIFY(largeur >= 317);
        const int ecart = (largeur - 192) / 7;
        const QImage ecran = f.w.findChild<QWidget*>("ZoneClient")->grab().toImage();
        const QColor bordeaux(128, 0, 0);
        const SixEntiers plaques = {100, 7, 1, 3, 9, 8};
        for (int i = 0; i < 6; ++i) {
            const int x = ecart + i * (ecart + 32);
            QCOMPARE(f.w.GaucheCase(i), x);
            const QImage tuile = Attendue(ImagesJeu().Image(ImagePlaque(plaques[static_cast<size_t>(i)])), bordeaux);
            QVERIFY2(Ecart(ecran.copy(x, 73, 32, 32), tuile) <= 2, qPrintable(QString("plaque %1").arg(i)));
            const bool marquee = i == 0 || i == 2;
            // la croix est posée à y = 100 ; le bandeau (jusqu'à y = 106) en couvre le haut
            const QImage croix = Attendue(ImagesJeu().Image(ImageFois), Qt::black).copy(0, 6, 32, 26);
            const QImage zone = ecran.copy(x, 106, 32, 26);
            if (marquee)
                QVERIFY2(Ecart(zone, croix) <= 2, qPrintable(QString("croix %1").arg(i)));
            else
                QCOMPARE(Ecart(zone, Noir(32, 26)), 0);
        }
        // « 100+1=101 » : une figure tous les 20 pixels à partir de y = 148
        const int images[] = {1, 0, 0, ImagePlus, 1, ImageEgal, 1, 0, 1};
        for (int k = 0; k < 9; ++k) {
            const QImage figure = Attendue(ImagesJeu().Image(images[k]), Qt::black);
            QVERIFY2(Ecart(ecran.copy(k * 20 + 4, 148, 20, 32), figure.copy(4, 0, 20, 32)) <= 2,
                     qPrintable(QString("figure %1").arg(k)));
        }
        // rien sous la première ligne
        QCOMPARE(Ecart(ecran.copy(0, 181, 300, 100), Noir(300, 100)), 0);
        // le compte en chiffres jaunes, centré
        for (int k = 0; k < 3; ++k) {
            const QImage chiffre = ImagesAfficheur().Image(k == 1 ? 0 : 1).toImage().convertToFormat(QImage::Format_RGB32);
            QVERIFY(Ecart(ecran.copy((largeur - 48) / 2 - 2 + 16 * k, 35, 16, 32), chiffre) <= 2);
        }
    }

    void aideEtAPropos()
    {
        Fenetre f;
        f.Touche(Qt::Key_F1, Qt::NoModifier);
        QCOMPARE(ouvertes_.size(), 1);
        QVERIFY(ouvertes_.first().startsWith("file://"));
        QVERIFY(ouvertes_.first().endsWith(QCoreApplication::applicationDirPath() + "/varnel.html"));

        for (int fois = 0; fois < 2; ++fois) {
            QString credit, titre;
            QPoint ecart;
            GardienModal gardien([&](QWidget* w) {
                titre = w->windowTitle();
                credit = w->findChild<QLabel*>("Label")->text();
                ecart = w->pos() - f.w.pos();
                QTest::mouseClick(w->findChild<QLabel*>("LabelEmail"), Qt::LeftButton);
                QTest::mouseClick(w->findChild<QLabel*>("LabelURL"), Qt::LeftButton);
                QTest::keyClick(w, Qt::Key_Escape);
            });
            f.Touche(Qt::Key_F1, Qt::ShiftModifier);
            QTRY_VERIFY(gardien.Fini());
            QCOMPARE(titre, QString("À propos..."));
            QCOMPARE(credit, QString("Par l'équipe du Varnel, 2026"));
            QCOMPARE(ecart, QPoint(35, 136));
        }
        // le texte rangé dans le programme reste brouillé : chaque caractère du texte clair, un cran plus haut
        QString brouille;
        for (QChar c : QString("Par l'équipe du Varnel, 2026"))
            brouille += QChar(static_cast<char16_t>(c.unicode() + 1));
        QCOMPARE(CreditBrouille, brouille);
        QCOMPARE(ouvertes_.mid(1), (QStringList{"mailto:varnel@example.org?subject=Le varnel",
                                                 "https://www.example.org/varnel/",
                                                 "mailto:varnel@example.org?subject=Le varnel",
                                                 "https://www.example.org/varnel/"}));
    }

    // la zone client garde sa taille ; rien n'y dépasse ni ne se chevauche, la barre d'état court le long
    // du bas, et la plus longue des solutions d'un jeu riche tient entière entre le bandeau et la ligne de
    // la méthode
    void zoneClientEntiere()
    {
        Fenetre f(JeuRiche);
        auto* zone = f.w.findChild<QWidget*>("ZoneClient");
        QCOMPARE(f.w.minimumSize(), f.w.maximumSize());
        QCOMPARE(zone->minimumSize(), zone->maximumSize());
        QStringList defauts = DefautsDisposition(zone);
        QWidget* barre = f.w.findChild<QWidget*>("StatusBar");
        defauts << DefautsDisposition(barre);
        // le bandeau des plaques court d'un bord à l'autre, jusque sous le cadre de la fenêtre
        const QRect bande = f.w.findChild<QWidget*>("PaintBoxBandePlaques")->geometry();
        QVERIFY(bande.left() <= 0 && bande.right() >= zone->rect().right());
        defauts.removeOne("PaintBoxBandePlaques dépasse de ZoneClient");
        QVERIFY2(defauts.isEmpty(), qPrintable(defauts.join("\n")));
        QCOMPARE(barre->geometry().bottom(), zone->rect().bottom());
        QCOMPARE(barre->width(), zone->width());

        // la ligne de la méthode sous les figures, au-dessus de la barre d'état
        const int haut = bande.bottom() + 1;
        const int bas = f.w.findChild<QWidget*>("LabelMethode")->y();
        QVERIFY(bas < barre->y());
        const QRect libre(0, haut, zone->width(), bas - haut);
        QRect dessin;
        int lignes = 0;
        const TListeSolutions& liste = f.w.Donnees().ListeSolutions;
        for (int32_t i = 0; i < liste.Nombre(); ++i) {
            QImage image = Noir(2 * zone->width(), 2 * zone->height());
            QPainter peintre(&image);
            DessinerSolution(peintre, liste.Texte(i), 0, [](int) { return 0; });
            peintre.end();
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixel(x, y) != qRgb(0, 0, 0))
                        dessin |= QRect(x, y, 1, 1);
            lignes = std::max(lignes, static_cast<int>(std::count(liste.Texte(i).begin(), liste.Texte(i).end(), '\n')));
        }
        QCOMPARE(lignes, 5);
        QVERIFY2(libre.contains(dessin), qPrintable(QString("%1,%2 %3×%4").arg(dessin.x()).arg(dessin.y())
                                                        .arg(dessin.width()).arg(dessin.height())));
    }

    // la méthode de la solution montrée, sous les figures et dans les informations ; le pas à pas au clavier,
    // fini par Échap ou quand une autre solution vient ; « Comment », une fois le jeu posé
    void methodesEtPasAPas()
    {
        Fenetre f(Jeu952);
        auto* ligne = f.w.findChild<QLabel*>("LabelMethode");
        QCOMPARE(ligne->text(), QString("Méthode : Produit puis ajustement"));
        f.Touche(Qt::Key_F8, Qt::NoModifier);
        QCOMPARE(ligne->text(), QString("Pas 0 sur 10 : → suivant, ← précédent, Échap pour finir"));
        for (Qt::Key touche : {Qt::Key_Right, Qt::Key_Space, Qt::Key_Right, Qt::Key_Left})
            f.Touche(touche, Qt::NoModifier);
        QCOMPARE(ligne->text(), QString("Pas 2 sur 10 : → suivant, ← précédent, Échap pour finir"));
        f.Touche(Qt::Key_Escape, Qt::NoModifier);
        QCOMPARE(ligne->text(), QString("Méthode : Produit puis ajustement"));
        f.Touche(Qt::Key_F8, Qt::NoModifier);
        f.Touche(Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(ligne->text(), QString("Méthode : Division"));
        f.Touche(Qt::Key_Right, Qt::NoModifier);  // plus de pas à pas : la touche ne fait rien
        QCOMPARE(ligne->text(), QString("Méthode : Division"));

        f.Bouton("SpeedButtonInfo")->click();
        auto* info = f.w.FenetreInfoSolutions()->findChild<QLabel*>("LabelMethode");
        QCOMPARE(info->text(), QString("Division"));
        f.Action("RubriquePremiereSolution")->trigger();
        QCOMPARE(info->text(), QString("Produit puis ajustement"));
        f.Bouton("SpeedButtonInfo")->click();

        QString texte;
        GardienModal gardien([&texte](QWidget* w) { texte = static_cast<TfrmComment*>(w)->Texte(); });
        f.Action("RubriqueComment")->trigger();
        QTRY_VERIFY(gardien.Fini());
        QVERIFY(texte.startsWith("Plaques : 25, 50, 75, 100, 3, 6. Compte : 952.\n"));
    }

    void textesDeQtEnFrancais()
    {
        QMessageBox boite(QMessageBox::Warning, "t", "x", QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(boite.button(QMessageBox::Yes)->text().remove('&'), QString("Oui"));
        QCOMPARE(boite.button(QMessageBox::No)->text().remove('&'), QString("Non"));
        Fenetre f;
        QCOMPARE(f.w.windowTitle(), QString("Le varnel"));
        QCOMPARE(QApplication::applicationName(), QString("Le varnel"));
        QVERIFY(!f.w.windowIcon().isNull());
        QCOMPARE(f.Action("RubriqueSolutionsTousComptes")->text(), QString("Toutes pour les comptes     "));
        QCOMPARE(f.Action("RubriqueAide")->text(), QString("&Aide "));
        QCOMPARE(f.Action("RubriqueAPropos")->shortcut(), QKeySequence("Shift+F1"));
        QCOMPARE(f.Bouton("SpeedButtonCalc")->toolTip(),
                 QString("Calculer toutes les solutions (de la plus simple à la plus tordue)"));
    }

private:
    QStringList ouvertes_;
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    PreparerEnvironnement(application);
    TestFenetrePrincipale test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_fenetre_principale.moc"
