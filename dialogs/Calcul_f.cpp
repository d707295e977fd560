// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Calcul_f.h"

#include "BoiteMessage.h"
#include "CalculTape.h"
#include "CadreFenetre.h"
#include "Horloge.h"
#include "ImagesVarnel.h"
#include "LecteurEcran.h"
#include "LectureJeu.h"
#include "LigneCalculTape.h"
#include "PlacementFenetre.h"
#include "Polices.h"
#include "ReglesOperation.h"
#include "ui_Calcul_f.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace {

// face d'une plaque : normale, et grisée quand le bouton est inactif
QIcon FacePlaque(int32_t valeur)
{
    return IconeDeuxEtats(QStringLiteral(":/images/liste/plaque-%1.svg").arg(valeur),
                          QStringLiteral(":/images/liste/plaque-%1-inactif.svg").arg(valeur), QSize(32, 32));
}

QFont PoliceSaisie() { return PolicePixels(QStringLiteral("Comic Sans MS"), 19, true); }

template <size_t N>
bool Contient(const std::array<QPushButton*, N>& boutons, const QWidget* objet)
{
    return objet && std::find(boutons.begin(), boutons.end(), objet) != boutons.end();
}

// les touches des six nombres : les lettres suivent la grille des boutons sur un clavier AZERTY
const QString ToucheNombre[6] = {QStringLiteral("1Aa"), QStringLiteral("2Zz"), QStringLiteral("3Qq"),
                                 QStringLiteral("4Ss"), QStringLiteral("5Ww"), QStringLiteral("6Xx")};

// le texte d'un bouton garde de chaque côté la marge de la plateforme : sa police descend d'un pixel
// tant qu'il touche le bord (« Annuler » en 19 pixels gras est plus large que son bouton)
void GarderLesMarges(QPushButton* bouton)
{
    QStyleOptionButton option;
    option.initFrom(bouton);
    const int marge = bouton->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, bouton);
    QFont police = bouton->font();
    while (police.pixelSize() > 9 &&
           QFontMetrics(police).horizontalAdvance(bouton->text()) + 2 * marge > bouton->width())
        police.setPixelSize(police.pixelSize() - 1);
    bouton->setFont(police);
}

}  // namespace

TfrmSaisieCalcul::TfrmSaisieCalcul(DonneesRecherche& donnees, std::function<void()> repeindre, QWidget* parent)
    : QDialog(parent, Qt::Tool | CadreFenetreFixe),
      ui(std::make_unique<Ui::TfrmSaisieCalcul>()), donnees_(donnees), saisie_(donnees),
      repeindre_(std::move(repeindre))
{
    ui->setupUi(this);
    setFont(PoliceSaisie());
    CreerBoutonsNombres();
    CreerBoutonsSignes();
    CreerBoutonsCommandes();
    CreerLignes();
    CreerLigneCalculTape();
    CreerCommandesDefaireEtTaper();
    PlacerADroiteDuParent(*this);
}

TfrmSaisieCalcul::~TfrmSaisieCalcul() = default;

void TfrmSaisieCalcul::CreerBoutonsNombres()
{
    nombres_ = {ui->BitBtn1, ui->BitBtn2, ui->BitBtn3, ui->BitBtn4, ui->BitBtn5, ui->BitBtn6};
    for (int i = 0; i < 6; ++i) {
        QPushButton* b = BoutonNombre(i);
        b->setIconSize(QSize(32, 32));
        // les résultats en chiffres blancs sur un bouton sombre, dans la police des plaques
        b->setFont(PoliceSaisie());
        b->setStyleSheet(QStringLiteral("QPushButton { color: white; background-color: #3c3c3c; border: 1px solid #1e1e1e;"
                                        " border-radius: 3px; font-family: \"Comic Sans MS\"; font-size: 19px;"
                                        " font-weight: bold; }"
                                        "QPushButton:pressed { background-color: #5a5a5a; }"
                                        "QPushButton:focus { border: 2px solid #f0c000; }"
                                        "QPushButton:disabled { color: #8c8c8c; background-color: #6e6e6e; }"));
        b->setToolTip(QStringLiteral("Touche %1 ou %2").arg(ToucheNombre[i].at(0), ToucheNombre[i].at(1)));
        connect(b, &QPushButton::clicked, this, [this, i] { BitBtnNombreClick(i); });
    }
}

void TfrmSaisieCalcul::CreerBoutonsSignes()
{
    signes_ = {ui->BitBtnPlus, ui->BitBtnMoins, ui->BitBtnMult, ui->BitBtnDiv};
    const char* glyphes[4] = {"plus", "moins", "fois", "divise"};
    const char* touches[4] = {"+", "-", "*", "/ ou :"};
    for (int op = 0; op < 4; ++op) {
        QPushButton* b = BoutonSigne(op);
        b->setIcon(IconeDeuxEtats(QStringLiteral(":/images/signes/%1.svg").arg(QLatin1String(glyphes[op])),
                                  QStringLiteral(":/images/signes/%1-inactif.svg").arg(QLatin1String(glyphes[op])),
                                  QSize(32, 32)));
        b->setIconSize(QSize(32, 32));
        const QString nom = QString::fromStdString(NomSigne(op));
        b->setAccessibleName(nom);
        b->setToolTip(QStringLiteral("%1 (touche %2)").arg(nom, QLatin1String(touches[op])));
        connect(b, &QPushButton::clicked, this, [this, op] { BitBtnSigneClick(op); });
    }
}

void TfrmSaisieCalcul::CreerBoutonsCommandes()
{
    // sans feuille de style : le texte noir, grisé quand le bouton est inactif, et les marges de la
    // plateforme (une feuille de style peindrait aussi en noir un « Ok » inactif)
    ui->ButtonEffacer->setFont(PolicePixels(QStringLiteral("Comic Sans MS"), 16));
    for (QPushButton* b : {ui->ButtonEffacer, ui->ButtonOk, ui->ButtonAnnuler})
        GarderLesMarges(b);
    connect(ui->ButtonEffacer, &QPushButton::clicked, this, &TfrmSaisieCalcul::ButtonEffacerClick);
    connect(ui->ButtonOk, &QPushButton::clicked, this, &TfrmSaisieCalcul::ButtonOkClick);
    connect(ui->ButtonAnnuler, &QPushButton::clicked, this, &TfrmSaisieCalcul::ButtonAnnulerClick);
}

void TfrmSaisieCalcul::AjouterEnBas(QWidget& controle)
{
    const int hauteur = controle.sizeHint().height();
    controle.setGeometry(0, bas_, width(), hauteur);
    bas_ += hauteur;
    setFixedSize(width(), bas_);
}

void TfrmSaisieCalcul::AjouterConsigne(const QString& texte)
{
    auto* consigne = new QLabel(texte, this);
    consigne->setObjectName(QStringLiteral("LabelConsigne"));
    consigne->setWordWrap(true);
    // la police de la légende du calcul tapé, pas celle des boutons
    consigne->setFont(PolicePixels(QStringLiteral("Comic Sans MS"), 13, true));
    consigne->setContentsMargins(8, 4, 8, 4);
    consigne->setFixedWidth(width());
    AjouterEnBas(*consigne);
}

void TfrmSaisieCalcul::CreerLigneCalculTape()
{
    ligneTapee_ = new LigneCalculTape(width(), this);
    AjouterEnBas(*ligneTapee_);
    connect(ligneTapee_->Ligne(), &QLineEdit::textChanged, this, &TfrmSaisieCalcul::RelireCalculTape);
    // Ctrl+Z défait un pas de la saisie même dans la ligne, qui garderait sinon la touche pour sa frappe
    ligneTapee_->Ligne()->installEventFilter(this);
}

void TfrmSaisieCalcul::CreerCommandesDefaireEtTaper()
{
    actionDefaire_ = new QAction(QStringLiteral("Défaire le dernier pas"), this);
    actionDefaire_->setObjectName(QStringLiteral("ActionDefairePas"));
    actionDefaire_->setShortcut(QKeySequence::Undo);
    actionDefaire_->setShortcutVisibleInContextMenu(true);
    actionDefaire_->setEnabled(false);
    connect(actionDefaire_, &QAction::triggered, this, &TfrmSaisieCalcul::DefairePas);

    auto* taper = new QAction(QStringLiteral("Taper le calcul"), this);
    taper->setObjectName(QStringLiteral("ActionTaperCalcul"));
    taper->setShortcut(Qt::Key_F2);
    taper->setShortcutVisibleInContextMenu(true);
    connect(taper, &QAction::triggered, this, [this] { ligneTapee_->Ligne()->setFocus(Qt::ShortcutFocusReason); });

    addAction(actionDefaire_);
    addAction(taper);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

bool TfrmSaisieCalcul::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(evenement)->matches(QKeySequence::Undo))
        return true;
    return QDialog::eventFilter(objet, evenement);
}

void TfrmSaisieCalcul::CreerLignes()
{
    // le compte, que la fenêtre principale montre mais que la saisie modale cache au clavier
    const QString compte = QString::fromStdString(LectureCompte(donnees_.But, false));
    ui->LabelCompte->setText(compte);
    ui->LabelCompte->setFont(PolicePixels(QStringLiteral("Comic Sans MS"), 16, true));
    setAccessibleDescription(compte);
    ui->LignesSaisie->adjustSize();
    ui->LignesSaisie->setFixedWidth(200);
    bas_ = ui->LignesSaisie->geometry().bottom() + 1;
    setFixedSize(200, bas_);
}

void TfrmSaisieCalcul::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    // une fenêtre rendue après avoir été réduite ne recommence pas la saisie
    if (!evenement->spontaneous())
        FormShow();
}

void TfrmSaisieCalcul::FormShow()
{
    PlacerADroiteDuParent(*this);
    Recommencer();
}

void TfrmSaisieCalcul::Recommencer()
{
    saisie_.Recommencer();
    operations_ = {};
    dernierResultat_ = -1;
    Afficher();
}

// les boutons selon le modèle, puis la fenêtre principale qui montre le calcul
void TfrmSaisieCalcul::Afficher()
{
    for (int i = 0; i < 6; ++i) {
        QPushButton* b = BoutonNombre(i);
        if (saisie_.EstResultat(i)) {
            b->setIcon(QIcon());
            b->setText(QString::number(saisie_.Valeur(i)));
        } else {
            b->setText(QString());
            b->setIcon(FacePlaque(saisie_.Valeur(i)));
        }
        PoserLecture(*b, NomBoutonNombre(i, saisie_.Valeur(i)));
        // un résultat se dit avec l'opération qui l'a donné ; une plaque avec sa touche (sa bulle)
        b->setAccessibleDescription(saisie_.EstResultat(i) ? operations_[static_cast<size_t>(i)] : QString());
    }
    // une opération faite : son résultat prend le focus d'un bouton, et le lecteur d'écran la dit avec lui ;
    // sinon, avant que le bouton qui a le focus ne devienne inactif, le focus suit l'étape sans errer
    QPushButton* suivant = nullptr;
    if (dernierResultat_ >= 0 && qobject_cast<QPushButton*>(focusWidget()))
        suivant = BoutonNombre(dernierResultat_);
    else if (Contient(nombres_, focusWidget()) || Contient(signes_, focusWidget()))
        suivant = BoutonDeLEtape();
    if (suivant) {
        suivant->setEnabled(true);
        suivant->setFocus(Qt::OtherFocusReason);
    }
    dernierResultat_ = -1;
    for (int i = 0; i < 6; ++i)
        BoutonNombre(i)->setEnabled(saisie_.NombreActif(i));
    for (QPushButton* s : signes_)
        s->setEnabled(saisie_.SignesActifs());
    ui->ButtonOk->setEnabled(saisie_.OkActif());
    actionDefaire_->setEnabled(saisie_.PeutDefaire());
    // les nombres libres ont changé : la ligne se relit
    RelireCalculTape();
    if (repeindre_)
        repeindre_();
}

void TfrmSaisieCalcul::RelireCalculTape()
{
    ligneTapee_->MontrerLecture(saisie_.LectureCalcul(saisie_.LireCalcul(ligneTapee_->Texte().toStdString())));
}

// au clavier, le focus suit l'étape : le bouton qui l'a le garde s'il sert encore, sinon le premier bouton permis
QPushButton* TfrmSaisieCalcul::BoutonDeLEtape() const
{
    QWidget* focus = focusWidget();
    if (saisie_.SignesActifs())
        return Contient(signes_, focus) ? static_cast<QPushButton*>(focus) : signes_[0];
    for (int i = 0; i < 6; ++i)
        if (BoutonNombre(i) == focus && saisie_.NombreActif(i))
            return BoutonNombre(i);
    for (int i = 0; i < 6; ++i)
        if (saisie_.NombreActif(i))
            return BoutonNombre(i);
    return nullptr;
}

void TfrmSaisieCalcul::BitBtnNombreClick(int indice)
{
    const bool operation = saisie_.Etape == 2;
    const int32_t premier = saisie_.ValeurPremier, second = saisie_.Valeur(indice);
    const int operateur = saisie_.Operateur, indicePremier = saisie_.IndicePremier;
    const ReponseNombre reponse = saisie_.Nombre(indice);
    if (operation && (reponse == ReponseNombre::Avance || reponse == ReponseNombre::Terminee)) {
        operations_[static_cast<size_t>(indicePremier)] =
            QString::fromStdString(LectureOperation(premier, operateur, second));
        dernierResultat_ = indicePremier;
    }
    switch (reponse) {
    case ReponseNombre::Ignore: return;
    case ReponseNombre::OperationInutile:
        AfficherMessage(this, QStringLiteral("Opération inutile !"),
                        QString::fromUtf8(TexteOperationInutile) + QStringLiteral("\n\nChoisir un autre nombre."));
        return;
    case ReponseNombre::Terminee:
        Terminer(QDialog::Accepted);
        break;
    case ReponseNombre::Avance: break;
    }
    Afficher();
}

void TfrmSaisieCalcul::BitBtnSigneClick(int operateur)
{
    if (saisie_.Signe(operateur))
        Afficher();
}

void TfrmSaisieCalcul::ButtonEffacerClick() { Recommencer(); }

void TfrmSaisieCalcul::DefairePas()
{
    if (saisie_.DefairePas())
        Afficher();
}

void TfrmSaisieCalcul::JouerCalculTape()
{
    const CalculTape calcul = saisie_.LireCalcul(ligneTapee_->Texte().toStdString());
    if (!calcul.Jouable()) {
        // la ligne dit déjà pourquoi
        QApplication::beep();
        return;
    }
    const ReponseNombre reponse = saisie_.JouerCalcul(calcul);
    ligneTapee_->Ligne()->clear();
    if (reponse == ReponseNombre::Terminee)
        Terminer(QDialog::Accepted);
    Afficher();
}

void TfrmSaisieCalcul::ButtonOkClick()
{
    if (saisie_.Valider())
        Terminer(QDialog::Accepted);
}

void TfrmSaisieCalcul::ButtonAnnulerClick()
{
    saisie_.Annuler();
    Terminer(QDialog::Rejected);
}

void TfrmSaisieCalcul::FermerAuTempsEcoule()
{
    QApplication::beep();
    for (QDialog* boite : findChildren<QDialog*>())
        boite->reject();
    close();
}

QString TfrmSaisieCalcul::LectureDuTemps() const
{
    return QString::fromStdString(LectureTemps(limite_ ? *limite_ : LimiteTemps(), donnees_.DebutChrono, HorlogeMs()));
}

QString TfrmSaisieCalcul::LectureEtat() const
{
    const std::string texte = donnees_.ListeSolutions.Vide() ? std::string() : donnees_.ListeSolutions.Texte(0);
    return QString::fromStdString(LectureEtatSaisie(donnees_.But, LectureDuTemps().toStdString(), texte));
}

void TfrmSaisieCalcul::AvertirDuTemps() { Dire(*this, QString::fromStdString(LectureAvertissementTemps())); }

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
    QPushButton* bouton = nullptr;
    for (int i = 0; i < 6 && !bouton; ++i)
        if (ToucheNombre[i].contains(c))
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
    // les deux touches du lecteur d'écran : rien ne change, tout se dit
    if (c.toUpper() == QLatin1Char('C') || c.toUpper() == QLatin1Char('T')) {
        Dire(*this, c.toUpper() == QLatin1Char('C') ? LectureEtat() : LectureDuTemps());
        return true;
    }
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
        // une ligne tapée se joue ; vide, Entrée reste « Ok »
        if (ligneTapee_->Ligne()->hasFocus() && !ligneTapee_->Texte().trimmed().isEmpty()) {
            JouerCalculTape();
            return;
        }
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
