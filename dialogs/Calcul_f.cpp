#include "Calcul_f.h"

#include "BoiteMessage.h"
#include "EtatCalcul.h"
#include "Horloge.h"
#include "ImagesVarnel.h"
#include "Polices.h"
#include "ui_Calcul_f.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include <cstdlib>

TfrmSaisieCalcul* frmSaisieCalcul = nullptr;

namespace {

const char* const TexteSignes[4] = {"+", "-", "*", "/"};

// face d'une plaque : normale, et grisée quand le bouton est inactif
QIcon FacePlaque(int32_t valeur)
{
    return IconeDeuxEtats(QStringLiteral(":/images/liste/plaque-%1.svg").arg(valeur),
                          QStringLiteral(":/images/liste/plaque-%1-inactif.svg").arg(valeur), QSize(32, 32));
}

long long Distance(int32_t valeur, int32_t but) { return std::llabs(static_cast<long long>(valeur) - but); }

}  // namespace

TfrmSaisieCalcul::TfrmSaisieCalcul(DonneesRecherche& donnees, std::function<void()> repeindre, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      ui(std::make_unique<Ui::TfrmSaisieCalcul>()), d_(donnees), repeindre_(std::move(repeindre))
{
    frmSaisieCalcul = this;
    ui->setupUi(this);
    setFixedSize(200, 244);
    setFont(PolicePixels(QStringLiteral("Comic Sans MS"), 19, true));
    nombres_ = {ui->BitBtn1, ui->BitBtn2, ui->BitBtn3, ui->BitBtn4, ui->BitBtn5, ui->BitBtn6};
    signes_ = {ui->BitBtnPlus, ui->BitBtnMoins, ui->BitBtnMult, ui->BitBtnDiv};
    for (int i = 0; i < 6; ++i) {
        QPushButton* b = BoutonNombre(i);
        b->setIconSize(QSize(32, 32));
        // chiffres blancs sur un bouton sombre, comme les plaques
        b->setStyleSheet(QStringLiteral("QPushButton { color: white; background-color: #3c3c3c; border: 1px solid #1e1e1e;"
                                        " border-radius: 3px; }"
                                        "QPushButton:pressed { background-color: #5a5a5a; }"
                                        "QPushButton:disabled { color: #8c8c8c; background-color: #6e6e6e; }"));
        connect(b, &QPushButton::clicked, this, [this, i] { BitBtnNombreClick(i); });
    }
    const char* glyphes[4] = {"plus", "moins", "fois", "divise"};
    for (int op = 0; op < 4; ++op) {
        QPushButton* b = BoutonSigne(op);
        b->setIcon(IconeDeuxEtats(QStringLiteral(":/images/signes/%1.svg").arg(QLatin1String(glyphes[op])),
                                  QStringLiteral(":/images/signes/%1-inactif.svg").arg(QLatin1String(glyphes[op])),
                                  QSize(32, 32)));
        b->setIconSize(QSize(32, 32));
        connect(b, &QPushButton::clicked, this, [this, op] { BitBtnSigneClick(op); });
    }
    ui->ButtonEffacer->setFont(PolicePixels(QStringLiteral("Comic Sans MS"), 16));
    ui->ButtonEffacer->setStyleSheet(QStringLiteral("color: black;"));
    for (QPushButton* b : {ui->ButtonOk, ui->ButtonAnnuler})
        b->setStyleSheet(QStringLiteral("color: black;"));
    connect(ui->ButtonEffacer, &QPushButton::clicked, this, &TfrmSaisieCalcul::ButtonEffacerClick);
    connect(ui->ButtonOk, &QPushButton::clicked, this, &TfrmSaisieCalcul::ButtonOkClick);
    connect(ui->ButtonAnnuler, &QPushButton::clicked, this, &TfrmSaisieCalcul::ButtonAnnulerClick);
}

TfrmSaisieCalcul::~TfrmSaisieCalcul()
{
    if (frmSaisieCalcul == this)
        frmSaisieCalcul = nullptr;
}

void TfrmSaisieCalcul::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    FormShow();
}

void TfrmSaisieCalcul::FormShow()
{
    if (parentWidget())
        move(parentWidget()->pos() + QPoint(325, 0));
    Recommencer();
}

void TfrmSaisieCalcul::Recommencer()
{
    d_.ClasserPlaques(ModeClassement::Classe);
    d_.EtatJoueur = NouvelEtat(CreerFeuillesClassees(d_.Plaques, d_.PlaqueDeRang));
    for (size_t i = 0; i < 6; ++i) {
        ValeurBouton[i] = d_.Plaques[i];
        NoeudBouton[i] = d_.RangPlaque[i];
        BoutonResultat[i] = false;
        Pris[i] = false;
        nombres_[i]->setText(QString());
        nombres_[i]->setIcon(FacePlaque(ValeurBouton[i]));
    }
    d_.MeilleurJoueur = d_.SommeJoueur = d_.MaxJoueur = Aucun;
    Etape = 0;
    ValeurPremier = ValeurSecond = 0;
    Operateur = 255;
    IndicePremier = IndiceSecond = -1;
    ui->ButtonOk->setEnabled(false);
    RafraichirBoutons();
    d_.ListeSolutions.Vider();
    if (repeindre_)
        repeindre_();
    d_.TempsJoueur = 0;
    d_.DebutChrono = HorlogeMs();
}

void TfrmSaisieCalcul::RafraichirBoutons()
{
    for (size_t i = 0; i < 6; ++i) {
        QPushButton* b = nombres_[i];
        if (BoutonResultat[i]) {
            b->setIcon(QIcon());
            b->setText(QString::number(ValeurBouton[i]));
        }
        bool actif = Etape != 1 && !Pris[i];
        if (actif && Etape == 2) {
            if (Operateur == OpSoustraction)
                actif = ValeurBouton[i] < ValeurPremier;
            else if (Operateur == OpDivision)
                actif = ValeurPremier % ValeurBouton[i] == 0;
        }
        b->setEnabled(actif);
    }
    for (QPushButton* s : signes_)
        s->setEnabled(Etape == 1);
}

void TfrmSaisieCalcul::EtapeSuivante()
{
    Etape = static_cast<uint8_t>((Etape + 1) % 3);
    RafraichirBoutons();
    if (repeindre_)
        repeindre_();
}

void TfrmSaisieCalcul::AjouterAuTexte(const std::string& morceau)
{
    TListeSolutions& liste = d_.ListeSolutions;
    if (liste.Vide())
        liste.Ajouter(morceau, std::make_unique<plq_utl>());
    else
        liste.DefinirTexte(0, liste.Texte(0) + morceau);
    // les plaques déjà prises ou fondues dans un résultat sont marquées sous le bandeau
    uint32_t masque = 0;
    for (size_t i = 0; i < 6; ++i)
        if (Pris[i] || BoutonResultat[i])
            masque |= 1u << i;
    liste.Objet(0)->MasquePlaques = masque;
}

void TfrmSaisieCalcul::BitBtnNombreClick(int indice)
{
    if (indice < 0 || indice > 5)
        return;
    const auto i = static_cast<size_t>(indice);
    if (Etape == 0) {
        IndicePremier = indice;
        ValeurPremier = ValeurBouton[i];
        Pris[i] = true;
        AjouterAuTexte(std::to_string(ValeurPremier));
        EtapeSuivante();
        return;
    }
    if (Etape != 2 || !d_.EtatJoueur)
        return;

    const int32_t second = ValeurBouton[i];
    if ((Operateur == OpSoustraction && second >= ValeurPremier) ||
        (Operateur == OpDivision && ValeurPremier % second != 0) || Operateur > OpDivision)
        return;
    const int32_t resultat = Appliquer(Operateur, ValeurPremier, second);
    if (resultat == ValeurPremier || resultat == second) {
        AfficherMessage(this, QStringLiteral("Opération inutile !"),
                        QStringLiteral("Le résultat de cette opération est égal à l'un des deux nombres utilisés !"
                                       "\n\nChoisir un autre nombre."));
        return;
    }
    IndiceSecond = indice;
    ValeurSecond = second;
    Pris[i] = true;
    const auto premier = static_cast<size_t>(IndicePremier);
    ValeurBouton[premier] = resultat;
    BoutonResultat[premier] = true;
    Pris[premier] = false;

    // le plus grand opérande d'abord ; à égalité, la plus haute case
    int caseA = NoeudBouton[premier], caseB = NoeudBouton[i];
    if (ValeurSecond > ValeurPremier || (ValeurSecond == ValeurPremier && caseB > caseA))
        std::swap(caseA, caseB);
    d_.EtatJoueur = Deriver(*d_.EtatJoueur, Operateur, caseA, caseB);
    NoeudBouton[premier] = d_.EtatJoueur->DerniereCase();
    d_.SommeJoueur = SommeResultats(*d_.EtatJoueur);
    d_.MaxJoueur = PlusGrandResultatAnterieur(*d_.EtatJoueur);
    if (Distance(resultat, d_.But) < Distance(d_.MeilleurJoueur, d_.But))
        d_.MeilleurJoueur = resultat;
    ui->ButtonOk->setEnabled(d_.EtatJoueur->NbDispo - d_.EtatJoueur->NbPlaquesLibres == 1);
    AjouterAuTexte(std::to_string(ValeurSecond) + "=" + std::to_string(resultat) + "\n");

    int libres = 0;
    for (bool pris : Pris)
        libres += pris ? 0 : 1;
    if (libres == 1 || resultat == d_.But) {
        d_.TempsJoueur = HorlogeMs() - d_.DebutChrono;
        Terminer(QDialog::Accepted);
    }
    EtapeSuivante();
}

void TfrmSaisieCalcul::BitBtnSigneClick(int operateur)
{
    if (Etape != 1 || operateur < 0 || operateur > 3)
        return;
    Operateur = static_cast<uint8_t>(operateur);
    AjouterAuTexte(TexteSignes[operateur]);
    EtapeSuivante();
}

void TfrmSaisieCalcul::ButtonEffacerClick() { Recommencer(); }

void TfrmSaisieCalcul::ButtonOkClick()
{
    if (!ui->ButtonOk->isEnabled())
        return;
    d_.TempsJoueur = HorlogeMs() - d_.DebutChrono;
    Terminer(QDialog::Accepted);
}

void TfrmSaisieCalcul::ButtonAnnulerClick()
{
    // le joueur qui annule n'a pas joué
    d_.OublierJoueur();
    Terminer(QDialog::Rejected);
}

void TfrmSaisieCalcul::Terminer(int resultat)
{
    resultatPose_ = true;
    done(resultat);
}

void TfrmSaisieCalcul::closeEvent(QCloseEvent* evenement)
{
    // la case de fermeture vaut « annuler », sans effacer le calcul ni prendre le temps
    if (!resultatPose_) {
        resultatPose_ = true;
        setResult(QDialog::Rejected);
    }
    QDialog::closeEvent(evenement);
}

bool TfrmSaisieCalcul::FormKeyPress(QChar c)
{
    static const QString Touches[6] = {QStringLiteral("1Aa"), QStringLiteral("2Zz"), QStringLiteral("3Qq"),
                                       QStringLiteral("4Ss"), QStringLiteral("5Ww"), QStringLiteral("6Xx")};
    QPushButton* bouton = nullptr;
    for (int i = 0; i < 6 && !bouton; ++i)
        if (Touches[i].contains(c))
            bouton = BoutonNombre(i);
    if (c == QLatin1Char('+'))
        bouton = ui->BitBtnPlus;
    else if (c == QLatin1Char('-'))
        bouton = ui->BitBtnMoins;
    else if (c == QLatin1Char('*'))
        bouton = ui->BitBtnMult;
    else if (c == QLatin1Char('/') || c == QLatin1Char(':'))
        bouton = ui->BitBtnDiv;
    else if (c == QChar(8))
        bouton = ui->ButtonEffacer;
    if (!bouton)
        return false;
    if (bouton->isEnabled())
        bouton->click();
    return true;
}

void TfrmSaisieCalcul::keyPressEvent(QKeyEvent* evenement)
{
    switch (evenement->key()) {
    case Qt::Key_Escape:
        ui->ButtonAnnuler->click();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (ui->ButtonOk->isEnabled())
            ui->ButtonOk->click();
        return;
    case Qt::Key_Backspace:
        FormKeyPress(QChar(8));
        return;
    default:
        break;
    }
    const QString texte = evenement->text();
    if (texte.size() == 1 && FormKeyPress(texte.at(0)))
        return;
    QDialog::keyPressEvent(evenement);
}
