// saisie du calcul du joueur : cycle nombre-signe-nombre, refus, fin automatique, Ok, Refaire, Annuler, touches
#include "Calcul_f.h"
#include "Environnement.h"
#include "EnregistrementSolution.h"
#include "ExecutionRecherche.h"
#include "Horloge.h"
#include "OutilsFenetres.h"

#include <QPushButton>
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
    void cycleEtTexte()
    {
        Saisie s({25, 3, 10, 7, 1, 100}, 500);
        QCOMPARE(s.fenetre->windowTitle(), QString("Saisie du calcul"));
        QCOMPARE(s.Actifs(), QString("111111 0000"));
        QVERIFY(!s.Bouton("ButtonOk")->isEnabled());
        QVERIFY(s.d.ListeSolutions.Vide());
        QVERIFY(s.d.EtatJoueur && s.d.EtatJoueur->NbOperations == 0);

        s.fenetre->BoutonNombre(0)->click();
        QCOMPARE(s.Texte(), QString("25"));
        QCOMPARE(s.Actifs(), QString("000000 1111"));
        s.fenetre->BoutonSigne(OpAddition)->click();
        QCOMPARE(s.Texte(), QString("25+"));
        QCOMPARE(s.Actifs(), QString("011111 0000"));
        s.fenetre->BoutonNombre(1)->click();
        QCOMPARE(s.Texte(), QString("25+3=28\n"));
        QCOMPARE(s.fenetre->BoutonNombre(0)->text(), QString("28"));
        QVERIFY(s.fenetre->BoutonNombre(0)->icon().isNull());
        QCOMPARE(s.Actifs(), QString("101111 0000"));
        QVERIFY(s.Bouton("ButtonOk")->isEnabled());
        QCOMPARE(s.d.ListeSolutions.Objet(0)->MasquePlaques, 0b11u);
        QCOMPARE(s.d.MeilleurJoueur, 28);
        QCOMPARE(s.d.SommeJoueur, 28);
        QCOMPARE(s.d.MaxJoueur, 0);
        QVERIFY(s.repeints > 0);

        // 10 puis « - » : seulement les nombres plus petits ; « / » : seulement les diviseurs exacts
        s.fenetre->BoutonNombre(2)->click();
        s.fenetre->BoutonSigne(OpSoustraction)->click();
        QCOMPARE(s.Actifs(), QString("000110 0000"));
        // deux résultats séparés : Ok n'est plus possible
        s.fenetre->BoutonNombre(3)->click();
        QCOMPARE(s.Texte(), QString("25+3=28\n10-7=3\n"));
        QVERIFY(!s.Bouton("ButtonOk")->isEnabled());
        s.fenetre->BoutonNombre(0)->click();
        s.fenetre->BoutonSigne(OpDivision)->click();
        QCOMPARE(s.Actifs(), QString("000010 0000"));  // 28 / 1 seulement… refusé plus loin
    }

    void operationsInutilesRefusees_data()
    {
        QTest::addColumn<SixEntiers>("plaques");
        QTest::addColumn<int>("premier");
        QTest::addColumn<int>("op");
        QTest::addColumn<int>("second");
        QTest::addColumn<bool>("refusee");
        QTest::newRow("4 / 2") << SixEntiers{4, 2, 7, 1, 10, 5} << 0 << int(OpDivision) << 1 << true;
        QTest::newRow("10 - 5") << SixEntiers{4, 2, 7, 1, 10, 5} << 4 << int(OpSoustraction) << 5 << true;
        QTest::newRow("7 * 1") << SixEntiers{4, 2, 7, 1, 10, 5} << 2 << int(OpMultiplication) << 3 << true;
        QTest::newRow("7 / 1") << SixEntiers{4, 2, 7, 1, 10, 5} << 2 << int(OpDivision) << 3 << true;
        QTest::newRow("2 + 2") << SixEntiers{2, 2, 7, 1, 10, 5} << 0 << int(OpAddition) << 1 << false;
        QTest::newRow("2 * 2") << SixEntiers{2, 2, 7, 1, 10, 5} << 0 << int(OpMultiplication) << 1 << false;
    }

    void operationsInutilesRefusees()
    {
        QFETCH(SixEntiers, plaques);
        QFETCH(int, premier);
        QFETCH(int, op);
        QFETCH(int, second);
        QFETCH(bool, refusee);
        Saisie s(plaques, 999);
        MessageLu lu;
        GardienModal gardien(lu.Lecteur(), refusee ? 5000 : 300);
        s.Operation(premier, op, second);
        QTRY_VERIFY(gardien.Fini());
        QCOMPARE(gardien.Vu(), refusee);
        if (refusee) {
            QCOMPARE(lu.titre, QString("Opération inutile !"));
            QCOMPARE(lu.texte, QString("Le résultat de cette opération est égal à l'un des deux nombres utilisés !"
                                       "\n\nChoisir un autre nombre."));
            QCOMPARE(lu.icone, QMessageBox::Warning);
            // rien ne change : toujours au second nombre, même premier nombre, même signe
            QCOMPARE(int(s.fenetre->Etape), 2);
            QCOMPARE(s.fenetre->IndicePremier, premier);
            QCOMPARE(int(s.fenetre->Operateur), op);
            QCOMPARE(s.d.EtatJoueur->NbOperations, 0);
        } else {
            QCOMPARE(int(s.fenetre->Etape), 0);
            QCOMPARE(s.d.EtatJoueur->NbOperations, 1);
        }
    }

    void finAutomatique()
    {
        // le compte atteint ferme la saisie aussitôt, temps compris
        {
            Saisie s({100, 1, 2, 3, 4, 5}, 101);
            s.maintenant = 4321;
            s.Operation(0, OpAddition, 1);
            QTRY_VERIFY(!s.fenetre->isVisible());
            QCOMPARE(s.fenetre->result(), int(QDialog::Accepted));
            QCOMPARE(s.d.TempsJoueur, 3321);
            QCOMPARE(s.d.MeilleurJoueur, 101);
        }
        // cinq opérations sur les six nombres : fin même si le compte est manqué ;
        // le meilleur résultat n'est pas forcément le dernier, et à égale distance le premier reste
        {
            Saisie s({10, 9, 8, 7, 6, 5}, 20);
            s.Operation(0, OpAddition, 1);  // 19
            s.Operation(2, OpAddition, 3);  // 15
            s.Operation(4, OpAddition, 5);  // 11
            s.Operation(2, OpAddition, 4);  // 26
            s.Operation(2, OpSoustraction, 0);  // 26 - 19 = 7
            QTRY_VERIFY(!s.fenetre->isVisible());
            QCOMPARE(s.fenetre->result(), int(QDialog::Accepted));
            QCOMPARE(s.d.MeilleurJoueur, 19);
            QCOMPARE(s.d.EtatJoueur->NbOperations, 5);
            QCOMPARE(s.d.SommeJoueur, 19 + 15 + 11 + 26 + 7);
            QCOMPARE(s.d.MaxJoueur, 26);
        }
        {
            Saisie s({100, 4, 2, 3, 1, 9}, 100);
            s.Operation(0, OpSoustraction, 1);  // 96, à 4
            s.Operation(0, OpAddition, 5);      // 105, à 5 : 96 reste le meilleur
            QCOMPARE(s.d.MeilleurJoueur, 96);
            s.Operation(0, OpSoustraction, 3);  // 102, à 2
            QCOMPARE(s.d.MeilleurJoueur, 102);
            s.Operation(0, OpSoustraction, 2);  // 102 - 2 = 100 : compte atteint
            QTRY_VERIFY(!s.fenetre->isVisible());
            QCOMPARE(s.d.MeilleurJoueur, 100);
        }
        {
            Saisie s({25, 8, 9, 7, 10, 5}, 201);
            s.Operation(0, OpMultiplication, 1);  // 200, à 1
            s.Operation(2, OpSoustraction, 3);    // 2
            s.Operation(0, OpAddition, 2);        // 202, à 1 aussi : le premier reste
            QCOMPARE(s.d.MeilleurJoueur, 200);
        }
    }

    void okAnnulerCaseDeFermetureRefaire()
    {
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

    // le calcul saisi se classe comme le même calcul fait directement dans le moteur
    void classementDuCalculSaisi()
    {
        Saisie s({75, 50, 2, 3, 8, 7}, 812);
        s.Operation(0, OpAddition, 1);        // 125
        s.Operation(4, OpSoustraction, 3);    // 8 - 3 = 5
        s.Operation(0, OpAddition, 4);        // 130
        s.Operation(0, OpMultiplication, 2);  // 260
        s.Operation(0, OpAddition, 5);        // 267
        QTRY_VERIFY(!s.fenetre->isVisible());

        DonneesRecherche reference;
        reference.Plaques = s.d.Plaques;
        reference.But = s.d.But;
        reference.ClasserPlaques(ModeClassement::Classe);
        EtatCalcul e = NouvelEtat(CreerFeuillesClassees(reference.Plaques, reference.PlaqueDeRang));
        auto jouer = [&](int gauche, int op, int droite) { e = Deriver(e, op, gauche, droite); };
        jouer(5, OpAddition, 4);  // 75 + 50 (cases par rang : 2 3 7 8 50 75)
        jouer(3, OpSoustraction, 1);
        jouer(6, OpAddition, 7);
        jouer(8, OpMultiplication, 0);
        jouer(9, OpAddition, 2);
        QVERIFY(MemeEtat(*s.d.EtatJoueur, e));
        reference.EtatJoueur = e;
        reference.MeilleurJoueur = s.d.MeilleurJoueur;
        reference.SommeJoueur = SommeResultats(e);
        reference.MaxJoueur = PlusGrandResultatAnterieur(e);
        QCOMPARE(s.d.SommeJoueur, reference.SommeJoueur);
        QCOMPARE(s.d.MaxJoueur, reference.MaxJoueur);
        QCOMPARE(s.d.MeilleurJoueur, 267);

        s.d.OrdreSolutions = reference.OrdreSolutions = 1;
        ExecuterRecherche(s.d);
        ExecuterRecherche(reference);
        QCOMPARE(s.d.NbMeilleursQueJoueur, reference.NbMeilleursQueJoueur);
        QVERIFY(s.d.NbMeilleursQueJoueur > 0 && s.d.NbMeilleursQueJoueur < s.d.NbPossibilites);
        QCOMPARE(PositionSolutionJoueur(s.d), -1);  // 267 n'est pas parmi les meilleures approches
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
