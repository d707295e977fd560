// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// fenêtre de l'inventaire de tous les comptes : ouverture, recherche, tri, sélection, export
#include "Environnement.h"
#include "LimiteEcriture.h"
#include "Main_f.h"
#include "Ouverture.h"
#include "OutilsFenetres.h"
#include "Sltscpt_f.h"

#include <QAction>
#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <set>

namespace {

const QString TitreFenetre = QStringLiteral("Solutions des comptes de 101 à 999");
const QStringList Jeu500 = {"3", "7", "8", "25", "50", "100", "500"};
const char* const NomCompte = "3-7-8-25-50-100.cpt.txt";

// la fenêtre principale résolue, et la fenêtre de l'inventaire montrée devant elle
struct Inventaire {
    explicit Inventaire(const QStringList& jeu = Jeu500) : principale(jeu)
    {
        principale.show();
        QVERIFY(QTest::qWaitForWindowExposed(&principale));
        QTRY_VERIFY(!principale.TexteStatut(0).isEmpty());
        fenetre = std::make_unique<TfrmSolutionsTousComptes>(
            principale.Donnees(), [this](const Progression& p) { principale.ExecuterRechercheTousComptes(p); },
            &principale);
        fenetre->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenetre.get()));
    }
    template <typename T = QWidget>
    T* Controle(const char* nom)
    {
        return fenetre->findChild<T*>(QLatin1String(nom));
    }
    QPushButton* Bouton(const char* nom) { return Controle<QPushButton>(nom); }
    QTableView* Grille() { return Controle<QTableView>("StringGrid"); }

    // « Rechercher », puis la réponse donnée à la boîte de confirmation
    bool Rechercher(QMessageBox::StandardButton reponse)
    {
        GardienModal gardien(
            [reponse](QWidget* w) {
                if (auto* boite = qobject_cast<QMessageBox*>(w))
                    boite->button(reponse)->click();
            },
            5000, QStringLiteral("Avertissement"));
        Bouton("ButtonRechercher")->click();
        return gardien.Vu();
    }
    void Trier(TriComptes tri)
    {
        Controle<QRadioButton>(tri == TriComptes::ParCompte ? "RadioButtonCompte" : "RadioButtonNombreDeSolutions")
            ->click();
    }
    void Touche(Qt::Key touche, Qt::KeyboardModifiers modificateurs = Qt::AltModifier)
    {
        fenetre->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), fenetre.get());
        QTest::keyClick(fenetre.get(), touche, modificateurs);
    }
    // une touche reçue par le contrôle qui a le focus, comme au clavier
    void ToucheAuFocus(Qt::Key touche, Qt::KeyboardModifiers modificateurs = {})
    {
        fenetre->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), fenetre.get());
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus && focus->window() == fenetre.get());
        QTest::keyClick(focus, touche, modificateurs);
    }
    // les contrôles que Tab visite, de « Rechercher » jusqu'au retour à lui
    QStringList OrdreTabulation()
    {
        fenetre->activateWindow();
        [&] { QTRY_COMPARE(QApplication::activeWindow(), fenetre.get()); }();
        QWidget* depart = Bouton("ButtonRechercher");
        depart->setFocus(Qt::TabFocusReason);
        QStringList ordre;
        for (QWidget* focus = depart; focus && ordre.size() < 20; focus = QApplication::focusWidget()) {
            if (!ordre.isEmpty() && focus == depart)
                break;
            ordre << focus->objectName();
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        return ordre;
    }
    // un clic sur la ligne r de la grille (0 : l'en-tête)
    void CliquerLigne(int r)
    {
        QTableView* grille = Grille();
        if (r == 0) {
            QHeaderView* enTete = grille->horizontalHeader();
            const QPoint point(enTete->sectionViewportPosition(2) + 5, 8);
            QTest::mouseClick(enTete->viewport(), Qt::LeftButton, {}, point);
            return;
        }
        const QModelIndex cellule = grille->model()->index(r - 1, 2);
        grille->scrollTo(cellule);
        QTest::mouseClick(grille->viewport(), Qt::LeftButton, {}, grille->visualRect(cellule).center());
    }
    // toute la grille, telle qu'affichée
    GrilleComptes Affichee()
    {
        GrilleComptes lignes(901);
        for (int r = 0; r < 901; ++r)
            for (int c = 0; c < 7; ++c)
                lignes[static_cast<size_t>(r)][static_cast<size_t>(c)] = fenetre->Cellule(c, r).toStdString();
        return lignes;
    }
    // ce qui cloche dans la grille affichée pour l'ordre choisi (vide si rien) : chaque ligne porte les
    // compteurs de son compte tels que la recherche les a comptés, le total est la somme des colonnes,
    // les comptes vont de 101 à 999 ou du plus riche au plus pauvre (à total égal, le plus grand d'abord)
    QString DefautGrille(TriComptes tri)
    {
        const TableComptes& table = principale.Donnees().TableSolutionsComptes;
        const GrilleComptes g = Affichee();
        const auto nombre = [](const std::string& cellule) {
            return QString::fromStdString(cellule).trimmed().toLongLong();
        };
        if (QString::fromStdString(g[1][0]) != " Tot")
            return "ligne des totaux";
        std::set<long long> vus;
        for (int r = 1; r <= 900; ++r) {
            const auto& ligne = g[static_cast<size_t>(r)];
            const long long compte = r == 1 ? 100 : nombre(ligne[0]);
            if (r > 1 && (compte < 101 || compte > 999 || !vus.insert(compte).second))
                return QString("compte de la ligne %1").arg(r);
            if (tri == TriComptes::ParCompte && compte != r + 99)
                return QString("ligne %1 hors de l'ordre des comptes").arg(r);
            const auto& compteurs = table[static_cast<size_t>(compte - 100)];
            long long somme = 0;
            for (int c = 1; c <= 6; ++c) {
                const long long n = nombre(ligne[static_cast<size_t>(c)]);
                if (n != compteurs[static_cast<size_t>(c - 1)])
                    return QString("cellule (%1, %2)").arg(c).arg(r);
                somme += c > 1 ? n : 0;
            }
            if (somme != nombre(ligne[1]))
                return QString("total de la ligne %1").arg(r);
            if (tri == TriComptes::ParNombreDeSolutions && r > 2) {
                const long long total = nombre(ligne[1]), totalAvant = nombre(g[static_cast<size_t>(r - 1)][1]);
                if (total > totalAvant || (total == totalAvant && compte > nombre(g[static_cast<size_t>(r - 1)][0])))
                    return QString("ligne %1 hors de l'ordre des solutions").arg(r);
            }
        }
        return {};
    }

    TfrmMain principale;
    std::unique_ptr<TfrmSolutionsTousComptes> fenetre;
};

QByteArray Contenu(const QString& nom)
{
    QFile fichier(nom);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}

// l'export des plaques 1 1 2 2 3 4 établi à la main, sous tests/exports
QByteArray ExportAttendu(const char* tri)
{
    return Contenu(QStringLiteral(VARNEL_EXPORTS_ATTENDUS "/1-1-2-2-3-4.%1.txt").arg(QLatin1String(tri)));
}

// une part en pour cent, avec le séparateur décimal de l'utilisateur
QString Part(const char* entiers, const char* decimales)
{
    return QString::fromLatin1(entiers) + QLocale::system().decimalPoint() + QString::fromLatin1(decimales) + '%';
}

}  // namespace

class TestInventaireFenetre : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(dossier_.isValid());
        ancien_ = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dossier_.path()));
    }
    void cleanupTestCase() { QDir::setCurrent(ancien_); }
    void init() { RemplacerOuverture([this](const QUrl& u) { ouvertes_ << u; }); }
    void cleanup()
    {
        RemplacerOuverture({});
        ouvertes_.clear();
        for (const QString& nom : QDir::current().entryList(QDir::Files)) {
            QFile::setPermissions(nom, QFile::ReadOwner | QFile::WriteOwner);
            QFile::remove(nom);
        }
    }

    // Ctrl+0 ouvre la fenêtre, modale, à sa place ; Entrée puis « Oui » remplit la grille ; Échap la ferme
    void ouvertureParLeMenu()
    {
        TfrmMain w(Jeu500);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTRY_VERIFY(w.TexteStatut(0).startsWith("68 bon(s) compte(s)"));

        QString titre, ligneTotaux;
        QStringList defauts;
        QPoint ecart;
        bool modale = false, fermeeParEchap = false;
        GardienModal confirmation([](QWidget* b) { qobject_cast<QMessageBox*>(b)->button(QMessageBox::Yes)->click(); },
                                  5000, QStringLiteral("Avertissement"));
        GardienModal gardien(
            [&](QWidget* f) {
                auto* fenetre = qobject_cast<TfrmSolutionsTousComptes*>(f);
                titre = f->windowTitle();
                defauts = DefautsDisposition(f);
                ecart = f->pos() - w.pos();
                modale = f->isModal();
                QTest::keyClick(f, Qt::Key_Return);
                ligneTotaux = fenetre->Cellule(0, 1) + fenetre->Cellule(1, 1);
                QTest::keyClick(f, Qt::Key_Escape);
                fermeeParEchap = !f->isVisible();
            },
            5000, TitreFenetre);
        w.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &w);
        QTest::keyClick(&w, Qt::Key_0, Qt::ControlModifier);
        QTRY_VERIFY(gardien.Fini());
        QVERIFY(gardien.Vu() && confirmation.Vu());
        QCOMPARE(titre, TitreFenetre);
        QVERIFY2(defauts.isEmpty(), qPrintable(defauts.join("\n")));
        QCOMPARE(ecart, QPoint(325, 0));
        QVERIFY(modale && fermeeParEchap);
        QCOMPARE(ligneTotaux, QString(" Tot15551"));
        QVERIFY(w.findChildren<TfrmSolutionsTousComptes*>().isEmpty());

        // la fenêtre principale rend compte de l'inventaire comme de toute recherche
        const DonneesRecherche& d = w.Donnees();
        QVERIFY2(w.TexteStatut(0).startsWith("15596 compte(s), 82971 calculs en "), qPrintable(w.TexteStatut(0)));
        QCOMPARE(w.TexteStatut(1), QString("1/15596"));
        QCOMPARE(d.But, 500);
        QCOMPARE(d.OrdreSolutions, 1);
        QVERIFY(!d.ModeTousComptes);
        QCOMPARE(d.MeilleurResultat, Aucun);
        QVERIFY(w.findChild<QAction*>("RubriqueSolutionsTousComptes")->isEnabled());
        // et la fenêtre d'informations dit que tous les comptes ont été cherchés
        auto* info = w.findChild<QToolButton*>("SpeedButtonInfo");
        QVERIFY(info->isEnabled());
        info->click();
        auto* informations = w.findChild<QWidget*>("TfrmInfoSolutions");
        QVERIFY(informations && informations->isVisible());
        QCOMPARE(informations->findChild<QLabel*>("LabelBut")->text(), QString("Tous"));
        QCOMPARE(informations->findChild<QLabel*>("LabelMeilleursRes")->text(), QString("-"));
        QCOMPARE(informations->findChild<QLabel*>("LabelNbSolutions")->text(), QString("15596"));
        info->click();
        QVERIFY(!w.FenetreInfoSolutions());
    }

    // contrôles, textes et état initial ; une disposition où rien ne dépasse, ne se chevauche ni n'est coupé
    void etatInitial()
    {
        Inventaire inv;
        struct Attendu {
            const char* nom;
            QString texte;
            bool actif;
        };
        const Attendu attendus[] = {
            {"RadioGroupTri", " Tri par... ", false},
            {"StringGrid", {}, true},
            {"ProgressBar", {}, true},
            {"ButtonRechercher", "&Rechercher", true},
            {"ButtonExporter", "E&xporter...", false},
            {"ButtonFermer", "&Fermer", true},
            {"StatusBar", {}, true},
        };
        for (const Attendu& a : attendus) {
            QWidget* controle = inv.Controle(a.nom);
            QVERIFY2(controle, a.nom);
            QCOMPARE(controle->isEnabled(), a.actif);
            if (auto* bouton = qobject_cast<QPushButton*>(controle))
                QCOMPARE(bouton->text(), a.texte);
            if (auto* cadre = qobject_cast<QGroupBox*>(controle))
                QCOMPARE(cadre->title(), a.texte);
        }
        const QStringList defauts = DefautsDisposition(inv.fenetre.get());
        QVERIFY2(defauts.isEmpty(), qPrintable(defauts.join("\n")));
        // la barre d'état court tout le long du bord du bas
        const QRect barre = inv.Controle("StatusBar")->geometry();
        QCOMPARE(barre.bottom(), inv.fenetre->rect().bottom());
        QCOMPARE(barre.width(), inv.fenetre->width());
        // une taille fixe, et une barre de titre qui garde sa légende, sans case de réduction ni d'agrandissement
        QCOMPARE(inv.fenetre->minimumSize(), inv.fenetre->maximumSize());
        QVERIFY(inv.fenetre->windowFlags() & Qt::WindowTitleHint);
        QVERIFY(!(inv.fenetre->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(inv.Bouton("ButtonRechercher")->isDefault());
        QCOMPARE(inv.Controle<QRadioButton>("RadioButtonCompte")->text(), QString("Compte (101 à 999)"));
        QCOMPARE(inv.Controle<QRadioButton>("RadioButtonNombreDeSolutions")->text(), QString("Nombre de solutions"));
        QVERIFY(inv.Controle<QRadioButton>("RadioButtonCompte")->isChecked());
        // la barre de progression part vide
        auto* progression = inv.Controle<QProgressBar>("ProgressBar");
        QCOMPARE(progression->value(), progression->minimum());
        QVERIFY(!inv.Controle<QStatusBar>("StatusBar")->isSizeGripEnabled());
        QVERIFY(inv.fenetre->TexteStatut().isEmpty());

        // les sept colonnes tiennent dans la grille sans défilement de côté, en chiffres d'une chasse fixe
        // qu'aucune cellule ne coupe, pas même un total à cinq chiffres
        QTableView* grille = inv.Grille();
        QCOMPARE(grille->model()->rowCount() + 1, 901);
        QCOMPARE(grille->model()->columnCount(), 7);
        QCOMPARE(grille->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QVERIFY(QFontInfo(grille->font()).fixedPitch());
        int largeurs = grille->verticalHeader()->isVisible() ? grille->verticalHeader()->width() : 0;
        const QFontMetrics mesure(grille->font());
        for (int c = 0; c < 7; ++c) {
            QVERIFY2(mesure.horizontalAdvance("99999") < grille->columnWidth(c), qPrintable(QString::number(c)));
            largeurs += grille->columnWidth(c);
        }
        QVERIFY2(largeurs <= grille->viewport()->width(), qPrintable(QString::number(largeurs)));
        for (int r : {0, 1, 500, 899})
            QVERIFY(mesure.height() <= grille->rowHeight(r));
        for (int r : {0, 1, 2, 900})
            for (int c = 0; c < 7; ++c)
                QVERIFY(inv.fenetre->Cellule(c, r).isEmpty());

        // Tab suit l'ordre de la fenêtre : tri, grille, boutons ; ce qui est grisé est sauté
        QCOMPARE(inv.OrdreTabulation(), (QStringList{"ButtonRechercher", "ButtonFermer", "StringGrid"}));
        QVERIFY(inv.Rechercher(QMessageBox::Yes));
        QCOMPARE(inv.OrdreTabulation(), (QStringList{"ButtonRechercher", "ButtonExporter", "ButtonFermer",
                                                     "RadioButtonCompte", "StringGrid"}));
    }

    // avant toute recherche, un clic sur une ligne de comptes laisse la barre d'état vide
    void clicAvantRecherche()
    {
        Inventaire inv;
        inv.CliquerLigne(2);
        QCOMPARE(inv.fenetre->LigneCourante(), 2);
        QVERIFY(inv.fenetre->TexteStatut().isEmpty());
    }

    // la boîte dit ce que l'on risque ; « Non » ne change rien, avant comme après une recherche
    void confirmation()
    {
        Inventaire inv;
        MessageLu lu;
        QMessageBox::StandardButton parDefaut = QMessageBox::NoButton;
        GardienModal gardien(
            [&](QWidget* w) {
                auto* boite = qobject_cast<QMessageBox*>(w);
                lu.titre = boite->windowTitle();
                lu.texte = boite->text();
                lu.icone = boite->icon();
                lu.nbBoutons = static_cast<int>(boite->buttons().size());
                parDefaut = boite->standardButton(boite->defaultButton());
                boite->button(QMessageBox::No)->click();
            },
            5000, QStringLiteral("Avertissement"));
        const QString statut = inv.principale.TexteStatut(0);
        inv.Bouton("ButtonRechercher")->click();
        QVERIFY(gardien.Vu());
        QCOMPARE(lu.texte, QString("La recherche remplace les solutions affichées dans la fenêtre principale.\n"
                                   "Êtes-vous sûr de vouloir lancer la recherche ?"));
        QCOMPARE(lu.icone, QMessageBox::Warning);
        QCOMPARE(lu.nbBoutons, 2);
        QCOMPARE(parDefaut, QMessageBox::Yes);
        QCOMPARE(inv.principale.TexteStatut(0), statut);
        QCOMPARE(inv.principale.Donnees().ListeSolutions.Nombre(), 68);
        QVERIFY(inv.fenetre->Cellule(1, 1).isEmpty() && !inv.Bouton("ButtonExporter")->isEnabled());

        QVERIFY(inv.Rechercher(QMessageBox::Yes));
        inv.Trier(TriComptes::ParNombreDeSolutions);
        const GrilleComptes avant = inv.Affichee();
        const QString statutInventaire = inv.principale.TexteStatut(0);
        const TableComptes table = inv.principale.Donnees().TableSolutionsComptes;
        QVERIFY(inv.Rechercher(QMessageBox::No));
        QVERIFY(inv.Affichee() == avant);
        QVERIFY(inv.principale.Donnees().TableSolutionsComptes == table);
        QCOMPARE(inv.principale.TexteStatut(0), statutInventaire);
        QVERIFY(inv.Bouton("ButtonExporter")->isEnabled());
    }

    // la grille suit toujours l'ordre que montre le groupe, y compris après une seconde recherche
    void grilleEtTri()
    {
        Inventaire inv;
        QList<int> positions;
        connect(inv.Controle<QProgressBar>("ProgressBar"), &QProgressBar::valueChanged, this,
                [&](int p) { positions << p; });
        QVERIFY(inv.Rechercher(QMessageBox::Yes));
        QCOMPARE(positions.size(), 59);  // 0 est déjà la position de départ
        // la barre s'arrête un cran avant d'être pleine
        QCOMPARE(positions.last(), 59);
        QCOMPARE(inv.Controle<QProgressBar>("ProgressBar")->maximum(), positions.last() + 1);
        QVERIFY(inv.Bouton("ButtonRechercher")->isEnabled());
        QVERIFY(inv.Controle("RadioGroupTri")->isEnabled() && inv.Bouton("ButtonExporter")->isEnabled());
        QCOMPARE(inv.DefautGrille(TriComptes::ParCompte), QString());
        QCOMPARE(inv.fenetre->Cellule(0, 0) + inv.fenetre->Cellule(6, 0), QString(" C\\P 6 p."));
        QCOMPARE(inv.fenetre->Cellule(2, 1), QString("   13"));

        inv.Trier(TriComptes::ParNombreDeSolutions);
        QCOMPARE(inv.DefautGrille(TriComptes::ParNombreDeSolutions), QString());
        QCOMPARE(inv.fenetre->Cellule(0, 2) + inv.fenetre->Cellule(1, 2), QString(" 150  122"));

        // seconde recherche sous « Nombre de solutions » : la grille reste dans cet ordre
        positions.clear();
        QVERIFY(inv.Rechercher(QMessageBox::Yes));
        QCOMPARE(positions.first(), 0);
        QVERIFY(inv.Controle<QRadioButton>("RadioButtonNombreDeSolutions")->isChecked());
        QCOMPARE(inv.DefautGrille(TriComptes::ParNombreDeSolutions), QString());
        inv.Trier(TriComptes::ParCompte);
        QCOMPARE(inv.DefautGrille(TriComptes::ParCompte), QString());
    }

    // après chaque recherche, Entrée en relance une autre (sa question revient) au lieu de fermer la fenêtre ;
    // Tab quitte la grille pour le contrôle suivant au lieu d'aller de cellule en cellule
    void entreeRelanceEtTabQuitteLaGrille()
    {
        Inventaire inv;
        QPushButton* rechercher = inv.Bouton("ButtonRechercher");
        for (int recherche = 0; recherche < 2; ++recherche) {
            GardienModal oui([](QWidget* b) { qobject_cast<QMessageBox*>(b)->button(QMessageBox::Yes)->click(); },
                             5000, QStringLiteral("Avertissement"));
            inv.ToucheAuFocus(Qt::Key_Return);
            QTRY_VERIFY(oui.Fini());
            QVERIFY2(oui.Vu(), "Entrée n'a pas lancé de recherche");
            QVERIFY(inv.fenetre->isVisible());
            QCOMPARE(inv.fenetre->Cellule(1, 1), QString("15551"));
            QVERIFY(rechercher->isDefault());
            QCOMPARE(inv.fenetre->focusWidget(), rechercher);
            QVERIFY(!inv.Bouton("ButtonFermer")->isDefault());
        }
        // le clic de la souris aussi rend le focus à « Rechercher »
        inv.Bouton("ButtonFermer")->setFocus();
        QVERIFY(inv.Rechercher(QMessageBox::Yes));
        QCOMPARE(inv.fenetre->focusWidget(), rechercher);
        QVERIFY(rechercher->isDefault());

        QTableView* grille = inv.Grille();
        inv.CliquerLigne(5);
        QCOMPARE(inv.fenetre->focusWidget(), grille);
        inv.ToucheAuFocus(Qt::Key_Tab);
        QCOMPARE(inv.fenetre->focusWidget(), rechercher);
        QCOMPARE(inv.fenetre->LigneCourante(), 5);
        QCOMPARE(grille->currentIndex().column(), 2);
        inv.ToucheAuFocus(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(inv.fenetre->focusWidget(), grille);
        inv.ToucheAuFocus(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(inv.fenetre->focusWidget()->parentWidget(), inv.Controle("RadioGroupTri"));
        QCOMPARE(grille->currentIndex().column(), 2);
    }

    void selection_data()
    {
        QTest::addColumn<int>("tri");
        QTest::addColumn<int>("ligne");
        QTest::addColumn<QString>("texte");
        QTest::newRow("en-tête") << 0 << 0 << "";
        QTest::newRow("totaux") << 0 << 1 << "";
        QTest::newRow("ligne 2, comptes") << 0 << 2 << "  1° : compte 101 (" + Part("0", "28") + ")";
        QTest::newRow("dernière, comptes") << 0 << 900 << "899° : compte 999 (" + Part("0", "05") + ")";
        QTest::newRow("ligne 2, solutions") << 1 << 2 << "  1° : compte 150 (" + Part("0", "78") + ")";
    }

    // la place dans l'ordre affiché, le compte et sa part, relus des cellules
    void selection()
    {
        QFETCH(int, tri);
        QFETCH(int, ligne);
        QFETCH(QString, texte);
        Inventaire inv;
        QVERIFY(inv.Rechercher(QMessageBox::Yes));
        inv.Trier(static_cast<TriComptes>(tri));
        inv.CliquerLigne(5);
        QVERIFY(!inv.fenetre->TexteStatut().isEmpty());
        inv.CliquerLigne(ligne);
        QCOMPARE(inv.fenetre->LigneCourante(), ligne);
        QCOMPARE(inv.fenetre->TexteStatut(), texte);
    }

    // plaques d'où aucun compte de 101 à 999 ne sort : des zéros partout, une part nulle
    void aucunCompte()
    {
        Inventaire inv({"1", "1", "2", "2", "3", "3", "101"});
        QVERIFY(inv.Rechercher(QMessageBox::Yes));
        // la fenêtre principale n'a plus rien à compter
        QVERIFY(inv.principale.TexteStatut(0).startsWith("0 compte(s), "));
        QVERIFY(inv.principale.TexteStatut(1).isEmpty());
        for (int r = 1; r <= 900; ++r)
            for (int c = 1; c < 7; ++c)
                QCOMPARE(inv.fenetre->Cellule(c, r), QString("    0"));
        inv.CliquerLigne(2);
        QCOMPARE(inv.fenetre->TexteStatut(), "  1° : compte 101 (" + Part("0", "00") + ")");
        // à total égal, le plus grand compte d'abord
        inv.Trier(TriComptes::ParNombreDeSolutions);
        QCOMPARE(inv.fenetre->Cellule(0, 2), QString(" 999"));
        QCOMPARE(inv.fenetre->Cellule(0, 900), QString(" 101"));
        QCOMPARE(inv.fenetre->TexteStatut(), "  1° : compte 999 (" + Part("0", "00") + ")");
    }

    // Alt+X écrit l'export attendu, dans chaque ordre, puis le bureau l'ouvre par son chemin absolu
    void exportDuFichierAttendu()
    {
        Inventaire inv({"4", "2", "1", "3", "2", "1", "108"});
        QVERIFY(inv.Rechercher(QMessageBox::Yes));
        // le raccourci clique le bouton après son enfoncement visible
        inv.Touche(Qt::Key_X);
        QTRY_COMPARE(ouvertes_.size(), 1);
        const QByteArray attenduCompte = ExportAttendu("cpt");
        QCOMPARE(attenduCompte.size(), 44200);
        QVERIFY(Contenu("1-1-2-2-3-4.cpt.txt") == attenduCompte);
        QVERIFY(inv.Bouton("ButtonExporter")->isEnabled());
        inv.Trier(TriComptes::ParNombreDeSolutions);
        inv.Bouton("ButtonExporter")->click();
        QVERIFY(Contenu("1-1-2-2-3-4.sol.txt") == ExportAttendu("sol"));
        const QDir ici(dossier_.path());
        QCOMPARE(ouvertes_, (QList<QUrl>{QUrl::fromLocalFile(ici.absoluteFilePath("1-1-2-2-3-4.cpt.txt")),
                                         QUrl::fromLocalFile(ici.absoluteFilePath("1-1-2-2-3-4.sol.txt"))}));
        QCOMPARE(QDir::current().entryList(QDir::Files).size(), 2);
    }

    // fichier en lecture seule, puis écriture qui échoue à mi-chemin : la même boîte, l'ancien fichier
    // intact, et le bouton grisé jusqu'à la recherche suivante
    void exportImpossible()
    {
        Inventaire inv;
        QVERIFY(inv.Rechercher(QMessageBox::Yes));
        inv.Bouton("ButtonExporter")->click();
        const QByteArray ancien = Contenu(NomCompte);
        QVERIFY(ancien.size() > 40000);
        ouvertes_.clear();

        for (int cas = 0; cas < 2; ++cas) {
            std::optional<LimiteEcriture> disquePlein;
            if (cas == 0)
                QFile::setPermissions(NomCompte, QFile::ReadOwner | QFile::ReadGroup);
            else
                disquePlein.emplace(4096);
            MessageLu lu;
            GardienModal gardien(lu.Lecteur());
            inv.Touche(Qt::Key_X);
            QTRY_VERIFY(gardien.Fini());
            disquePlein.reset();
            QVERIFY(gardien.Vu());
            QCOMPARE(lu.titre, QString("Impossible d'exporter les résultats"));
            QCOMPARE(lu.texte, QString("Impossible de créer le fichier \"%1\"").arg(NomCompte));
            QCOMPARE(lu.icone, QMessageBox::Warning);
            QCOMPARE(lu.nbBoutons, 1);
            QCOMPARE(Contenu(NomCompte), ancien);
            QCOMPARE(QDir::current().entryList(QDir::Files), QStringList{NomCompte});
            QVERIFY(ouvertes_.isEmpty());

            QVERIFY(!inv.Bouton("ButtonExporter")->isEnabled());
            inv.Trier(TriComptes::ParNombreDeSolutions);
            inv.Trier(TriComptes::ParCompte);
            QVERIFY(!inv.Bouton("ButtonExporter")->isEnabled());
            QVERIFY(inv.Rechercher(QMessageBox::Yes));
            QVERIFY(inv.Bouton("ButtonExporter")->isEnabled());
            QFile::setPermissions(NomCompte, QFile::ReadOwner | QFile::WriteOwner);
        }
    }

private:
    QTemporaryDir dossier_;
    QString ancien_;
    QList<QUrl> ouvertes_;
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    PreparerEnvironnement(application);
    TestInventaireFenetre test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_inventaire_fenetre.moc"
