// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// saisie du calcul du joueur : cycle nombre-signe-nombre, refus, fin automatique, Ok, Refaire, Annuler, touches
#include "Calcul_f.h"
#include "Environnement.h"
#include "Horloge.h"
#include "LigneCalculTape.h"
#include "OutilsFenetres.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

namespace {

// une saisie montrée (non modale) sur un jeu, avec une horloge réglée à la main
struct Saisie {
    Saisie(const SixEntiers& plaques, int32_t but)
    {
        DefinirHorloge([this] { return maintenant; });
        d.Plaques = plaques;
        d.But = but;
        fenetre = std::make_unique<TfrmSaisieCalcul>(d, [this] { ++repeints; }, &parent);
        fenetre->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenetre.get()));
    }
    ~Saisie() { DefinirHorloge({}); }

    QPushButton* Bouton(const char* nom) { return fenetre->findChild<QPushButton*>(QLatin1String(nom)); }
    // les boutons de nombres actifs, « 1 » pour actif, dans l'ordre BitBtn1 à BitBtn6
    QString Actifs()
    {
        QString etat;
        for (int i = 0; i < 6; ++i)
            etat += fenetre->BoutonNombre(i)->isEnabled() ? '1' : '0';
        etat += ' ';
        for (int op = 0; op < 4; ++op)
            etat += fenetre->BoutonSigne(op)->isEnabled() ? '1' : '0';
        return etat;
    }
    QString Texte() const
    {
        return d.ListeSolutions.Vide() ? QString() : QString::fromStdString(d.ListeSolutions.Texte(0));
    }
    QString Lecture() const { return fenetre->LigneTapee()->Lecture()->text(); }
    // les touches vont à la fenêtre active, comme au clavier
    void Activer()
    {
        fenetre->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), fenetre.get());
    }
    void Operation(int premier, int op, int second)
    {
        fenetre->BoutonNombre(premier)->click();
        fenetre->BoutonSigne(op)->click();
        fenetre->BoutonNombre(second)->click();
    }

    int32_t maintenant = 1000;
    int repeints = 0;
    QWidget parent;
    DonneesRecherche d;
    std::unique_ptr<TfrmSaisieCalcul> fenetre;
};

}  // namespace

class TestSaisieCalcul : public QObject {
    Q_OBJECT
private slots:
    // ce que montrent les boutons : faces des plaques, puis résultats en chiffres dans la police de la saisie
    void boutonsSelonLeModele()
    {
        Saisie s({25, 3, 10, 7, 1, 100}, 500);
        QCOMPARE(s.fenetre->windowTitle(), QString("Saisie du calcul"));
        QCOMPARE(s.Actifs(), QString("111111 0000"));
        QVERIFY(!s.Bouton("ButtonOk")->isEnabled());
        s.fenetre->BoutonNombre(0)->click();
        QCOMPARE(s.Actifs(), QString("000000 1111"));
        s.fenetre->BoutonSigne(OpAddition)->click();
        QCOMPARE(s.Actifs(), QString("011111 0000"));
        const int avant = s.repeints;
        s.fenetre->BoutonNombre(1)->click();
        QVERIFY(s.repeints > avant);
        QCOMPARE(s.Texte(), QString("25+3=28\n"));
        QPushButton* resultat = s.fenetre->BoutonNombre(0);
        QCOMPARE(resultat->text(), QString("28"));
        QVERIFY(resultat->icon().isNull());
        QVERIFY(!s.fenetre->BoutonNombre(2)->icon().isNull());
        QCOMPARE(s.Actifs(), QString("101111 0000"));
        QVERIFY(s.Bouton("ButtonOk")->isEnabled());
        // le nombre d'un résultat est écrit en Comic Sans MS gras de 19 pixels, en blanc
        QCOMPARE(resultat->font().family(), QString("Comic Sans MS"));
        QCOMPARE(resultat->font().pixelSize(), 19);
        QVERIFY(resultat->font().bold());
        const QImage image = resultat->grab().toImage();
        int blancs = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                blancs += image.pixelColor(x, y).lightness() > 230 ? 1 : 0;
        QVERIFY2(blancs > 60, qPrintable(QString::number(blancs)));
    }

    // « Ok » est dessiné grisé tant qu'il est inactif, foncé dès la première opération ; aucun texte des
    // trois boutons de commande ne touche le bord de son bouton
    void boutonsDeCommandeLisibles()
    {
        Saisie s({25, 3, 10, 7, 1, 100}, 500);
        QPushButton* ok = s.Bouton("ButtonOk");
        // le pixel le plus foncé du texte « Ok »
        const auto plusFonce = [ok] {
            const QImage image = ok->grab().toImage();
            int minimum = 255;
            for (int y = image.height() / 4; y < image.height() * 3 / 4; ++y)
                for (int x = 6; x < image.width() - 6; ++x)
                    minimum = std::min(minimum, image.pixelColor(x, y).lightness());
            return minimum;
        };
        QVERIFY(!ok->isEnabled());
        const int grise = plusFonce();
        QVERIFY2(grise > 100, qPrintable(QString::number(grise)));
        s.Operation(0, OpAddition, 1);
        QVERIFY(ok->isEnabled());
        const int fonce = plusFonce();
        QVERIFY2(fonce < 60, qPrintable(QString::number(fonce)));

        for (const char* nom : {"ButtonEffacer", "ButtonOk", "ButtonAnnuler"}) {
            QPushButton* b = s.Bouton(nom);
            QStyleOptionButton option;
            option.initFrom(b);
            const int marge = b->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, b);
            QVERIFY2(b->fontMetrics().horizontalAdvance(b->text()) + 2 * marge <= b->width(), nom);
        }
        // « Refaire » garde sa police de 16 pixels
        QCOMPARE(s.Bouton("ButtonEffacer")->font().pixelSize(), 16);

        // la ligne « Calcul tapé » sous la disposition d'origine, qui garde ses places ; sa plus longue
        // lecture tient dans la hauteur réservée
        QCOMPARE(s.Bouton("ButtonAnnuler")->geometry(), QRect(136, 194, 64, 50));
        QCOMPARE(s.fenetre->LigneTapee()->geometry().top(), 244);
        QCOMPARE(s.fenetre->height(), s.fenetre->LigneTapee()->geometry().bottom() + 1);
        QCOMPARE(DefautsDisposition(s.fenetre.get()) + DefautsDisposition(s.fenetre->LigneTapee()), QStringList());
        s.fenetre->LigneTapee()->Ligne()->setText("28*100*10*7*1");
        QLabel* lecture = s.fenetre->LigneTapee()->Lecture();
        QVERIFY(lecture->text().endsWith("nombres utilisés !"));
        QVERIFY(lecture->heightForWidth(lecture->width()) <= lecture->height());
    }

    void operationInutileSignalee()
    {
        Saisie s({4, 2, 7, 1, 10, 5}, 999);
        MessageLu lu;
        GardienModal gardien(lu.Lecteur(), 5000);
        s.Operation(0, OpDivision, 1);
        QTRY_VERIFY(gardien.Fini());
        QVERIFY(gardien.Vu());
        QCOMPARE(lu.titre, QString("Opération inutile !"));
        QCOMPARE(lu.texte, QString("Le résultat de cette opération est égal à l'un des deux nombres utilisés !"
                                   "\n\nChoisir un autre nombre."));
        QCOMPARE(lu.icone, QMessageBox::Warning);
        QCOMPARE(s.Texte(), QString("4/"));
        QCOMPARE(s.Actifs(), QString("010100 0000"));
    }

    // une fenêtre rendue après avoir été réduite ne recommence pas la saisie
    void fenetreRendueSansRecommencer()
    {
        Saisie s({25, 3, 10, 7, 1, 100}, 500);
        s.Operation(0, OpAddition, 1);
        s.maintenant = 7000;
        RendreApresReduction(s.fenetre.get());
        QCOMPARE(s.Texte(), QString("25+3=28\n"));
        QCOMPARE(s.d.MeilleurJoueur, 28);
        QCOMPARE(s.d.DebutChrono, 1000);
        QCOMPARE(s.fenetre->BoutonNombre(0)->text(), QString("28"));
    }

    void okAnnulerCaseDeFermetureRefaire()
    {
        {
            Saisie s({100, 1, 2, 3, 4, 5}, 101);
            s.Operation(0, OpAddition, 1);  // compte atteint : la saisie se ferme seule
            QTRY_VERIFY(!s.fenetre->isVisible());
            QCOMPARE(s.fenetre->result(), int(QDialog::Accepted));
        }
        {
            Saisie s({25, 3, 10, 7, 1, 100}, 500);
            s.maintenant = 1500;
            s.Operation(0, OpAddition, 1);
            s.maintenant = 2750;
            QTest::keyClick(s.fenetre.get(), Qt::Key_Return);
            QVERIFY(!s.fenetre->isVisible());
            QCOMPARE(s.fenetre->result(), int(QDialog::Accepted));
            QCOMPARE(s.d.TempsJoueur, 1750);
            QCOMPARE(s.d.MeilleurJoueur, 28);
        }
        {
            Saisie s({25, 3, 10, 7, 1, 100}, 500);
            s.Operation(0, OpAddition, 1);
            QTest::keyClick(s.fenetre.get(), Qt::Key_Escape);
            QVERIFY(!s.fenetre->isVisible());
            QCOMPARE(s.fenetre->result(), int(QDialog::Rejected));
            QVERIFY(!s.d.EtatJoueur);
            QCOMPARE(s.d.MeilleurJoueur, Aucun);
            QCOMPARE(s.d.SommeJoueur, Aucun);
            QCOMPARE(s.d.MaxJoueur, Aucun);
            QCOMPARE(s.d.TempsJoueur, 0);
            QCOMPARE(s.Texte(), QString("25+3=28\n"));  // la prochaine recherche videra la liste
        }
        {
            Saisie s({25, 3, 10, 7, 1, 100}, 500);
            s.Operation(0, OpAddition, 1);
            FermerParLaCase(s.fenetre.get());
            QTRY_VERIFY(!s.fenetre->isVisible());
            QCOMPARE(s.fenetre->result(), int(QDialog::Rejected));
            QVERIFY(s.d.EtatJoueur);
            QCOMPARE(s.d.MeilleurJoueur, 28);
            QCOMPARE(s.d.TempsJoueur, 0);
        }
        {
            Saisie s({25, 3, 10, 7, 1, 100}, 500);
            s.Operation(0, OpAddition, 1);
            s.fenetre->BoutonNombre(2)->click();
            s.maintenant = 9000;
            s.Bouton("ButtonEffacer")->click();
            QVERIFY(s.d.ListeSolutions.Vide());
            QCOMPARE(s.Actifs(), QString("111111 0000"));
            QCOMPARE(s.fenetre->BoutonNombre(0)->text(), QString());
            QVERIFY(!s.fenetre->BoutonNombre(0)->icon().isNull());
            QCOMPARE(s.d.DebutChrono, 9000);
            QCOMPARE(s.d.MeilleurJoueur, Aucun);
            QCOMPARE(s.d.EtatJoueur->NbOperations, 0);
            QVERIFY(!s.Bouton("ButtonOk")->isEnabled());
        }
    }

    void touchesAzerty()
    {
        Saisie s({25, 3, 10, 7, 1, 100}, 128);
        // les touches agissent même quand un bouton a le focus
        s.fenetre->BoutonNombre(4)->setFocus();
        QTest::keyClicks(QApplication::focusWidget() ? QApplication::focusWidget() : s.fenetre.get(), "c");
        QCOMPARE(s.Texte(), QString());  // « c » ne correspond à rien
        QTest::keyClicks(s.fenetre.get(), "a+z");
        QCOMPARE(s.Texte(), QString("25+3=28\n"));
        QTest::keyClicks(s.fenetre.get(), "q*");
        QCOMPARE(s.Texte(), QString("25+3=28\n10*"));
        QTest::keyClick(s.fenetre.get(), Qt::Key_Backspace);
        QVERIFY(s.d.ListeSolutions.Vide());
        QTest::keyClicks(s.fenetre.get(), "C");  // rien
        QTest::keyClicks(s.fenetre.get(), "x:");
        QCOMPARE(s.Texte(), QString("100/"));
        QCOMPARE(s.Actifs(), QString("101010 0000"));  // les diviseurs de 100 : 25, 10 et 1
        QTest::keyClicks(s.fenetre.get(), "s");           // 7 ne divise pas 100 : rien
        QCOMPARE(s.Texte(), QString("100/"));
        QTest::keyClicks(s.fenetre.get(), "a");
        QCOMPARE(s.Texte(), QString("100/25=4\n"));
        QTest::keyClick(s.fenetre.get(), Qt::Key_Escape);
        QCOMPARE(s.fenetre->result(), int(QDialog::Rejected));
    }

    // un calcul tapé dans la ligne, et le même fait de clics et de pas défaits, finissent en un même jeu
    void calculTapeCommeDesClics()
    {
        Saisie tape({75, 3, 10, 2, 4, 9}, 940);
        tape.Activer();
        tape.fenetre->BoutonNombre(5)->click();  // un premier nombre en suspens, défait par la ligne
        QTest::keyClick(tape.fenetre.get(), Qt::Key_F2);
        QLineEdit* ligne = tape.fenetre->LigneTapee()->Ligne();
        QTRY_VERIFY(ligne->hasFocus());
        QTest::keyClicks(ligne, "(75+3)x(10+2");
        QCOMPARE(tape.Lecture(), QString("il manque une parenthèse fermante"));
        QTest::keyClicks(ligne, ")-4");
        QCOMPARE(tape.Lecture(), QString("932, à 8 du compte ; meilleur résultat : 936, à 4"));
        QTest::keyClick(ligne, Qt::Key_Return);
        QCOMPARE(ligne->text(), QString());
        QCOMPARE(tape.Texte(), QString("75+3=78\n10+2=12\n78*12=936\n936-4=932\n"));
        QCOMPARE(tape.Actifs(), QString("100001 0000"));
        QVERIFY(tape.fenetre->isVisible());
        // un calcul refusé ne joue rien ; la ligne vide, Entrée est « Ok »
        QTest::keyClicks(ligne, "9+75");
        QCOMPARE(tape.Lecture(), QString("le 75 est déjà pris"));
        QTest::keyClick(ligne, Qt::Key_Return);
        QCOMPARE(tape.d.EtatJoueur->NbOperations, 4);
        ligne->clear();
        QTest::keyClick(ligne, Qt::Key_Return);
        QCOMPARE(tape.fenetre->result(), int(QDialog::Accepted));

        Saisie clics({75, 3, 10, 2, 4, 9}, 940);
        clics.Operation(0, OpAddition, 1);        // 78
        clics.Operation(2, OpMultiplication, 3);  // 20, défait
        clics.fenetre->DefairePas();
        clics.Operation(2, OpAddition, 3);        // 12
        clics.Operation(0, OpMultiplication, 2);  // 936
        clics.Operation(0, OpSoustraction, 4);    // 932
        clics.fenetre->BoutonNombre(0)->click();
        clics.fenetre->DefairePas();
        clics.Bouton("ButtonOk")->click();
        QVERIFY(MemeEtat(*clics.d.EtatJoueur, *tape.d.EtatJoueur));
        QCOMPARE(clics.Texte(), tape.Texte());
        QCOMPARE(clics.d.MeilleurJoueur, 936);
        QCOMPARE(tape.d.MeilleurJoueur, 936);
        QCOMPARE(clics.d.SommeJoueur, tape.d.SommeJoueur);
        QCOMPARE(clics.d.MaxJoueur, tape.d.MaxJoueur);
        QCOMPARE(clics.fenetre->result(), int(QDialog::Accepted));
    }

    // Ctrl+Z, même dans la ligne, et la commande du menu contextuel défont un pas, jusqu'au départ
    void defaireAuClavierEtAuMenu()
    {
        Saisie s({25, 3, 10, 7, 1, 100}, 500);
        s.Activer();
        auto* defaire = s.fenetre->findChild<QAction*>(QStringLiteral("ActionDefairePas"));
        QVERIFY(defaire && s.fenetre->actions().contains(defaire));
        QCOMPARE(s.fenetre->contextMenuPolicy(), Qt::ActionsContextMenu);
        QCOMPARE(defaire->text(), QString("Défaire le dernier pas"));
        QVERIFY(!defaire->isEnabled());
        s.Operation(0, OpAddition, 1);
        s.fenetre->BoutonNombre(2)->click();
        QVERIFY(defaire->isEnabled());
        QTest::keyClick(s.fenetre.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(s.Texte(), QString("25+3=28\n"));
        QTest::keyClick(s.fenetre.get(), Qt::Key_F2);
        QTRY_VERIFY(s.fenetre->LigneTapee()->Ligne()->hasFocus());
        QTest::keyClicks(s.fenetre->LigneTapee()->Ligne(), "28");
        QTest::keyClick(s.fenetre->LigneTapee()->Ligne(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(s.Texte(), QString());
        QCOMPARE(s.fenetre->LigneTapee()->Ligne()->text(), QString("28"));
        QCOMPARE(s.Lecture(), QString("28 n'est pas dans le jeu"));
        QCOMPARE(s.fenetre->BoutonNombre(0)->text(), QString());
        QCOMPARE(s.Actifs(), QString("111111 0000"));
        QVERIFY(!s.Bouton("ButtonOk")->isEnabled());
        QVERIFY(!defaire->isEnabled());
        defaire->trigger();
        QCOMPARE(s.Actifs(), QString("111111 0000"));
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    PreparerEnvironnement(application);
    TestSaisieCalcul test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_saisie_calcul.moc"
