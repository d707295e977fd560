// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnnoncesMatch_f.h"

#include "CadreFenetre.h"
#include "PlacementFenetre.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

// plus qu'assez pour tout compte qu'on peut atteindre en le dépassant
constexpr int AnnonceMaximale = 99999;

}  // namespace

TfrmAnnoncesMatch::TfrmAnnoncesMatch(Seance& seance, BarreEtat& barre, QWidget* parent)
    : QDialog(parent, CadreFenetreFixe), seance_(seance), barre_(barre), decompte_([this] {
          const PasDecompte pas = seance_.Decompter();
          barre_.Montrer(seance_.Etat());
          LabelReste->setText(QString::fromStdString(seance_.Etat().Texte));
          return pas;
      })
{
    setObjectName(QStringLiteral("TfrmAnnoncesMatch"));
    setWindowTitle(QStringLiteral("Annonces du match"));
    const std::array<std::string, 2>& noms = seance_.MatchEnCours()->Noms();
    auto* colonne = new QVBoxLayout(this);
    LabelConsigne = new QLabel(QStringLiteral("Réfléchissez tous les deux. Le temps écoulé, %1 annonce, puis %2.")
                                   .arg(QString::fromStdString(noms[0]), QString::fromStdString(noms[1])),
                               this);
    LabelConsigne->setObjectName(QStringLiteral("LabelConsigne"));
    LabelConsigne->setWordWrap(true);
    LabelConsigne->setFixedWidth(300);
    colonne->addWidget(LabelConsigne);
    LabelReste = new QLabel(this);
    LabelReste->setObjectName(QStringLiteral("LabelReste"));
    // sa place dès avant son premier texte, qui vient au premier pas du décompte
    LabelReste->setMinimumHeight(LabelReste->fontMetrics().height());
    colonne->addWidget(LabelReste);

    EditAnnonce = new QLineEdit(this);
    EditAnnonce->setObjectName(QStringLiteral("EditAnnonce"));
    // l'autre joueur ne doit pas lire l'annonce
    EditAnnonce->setEchoMode(QLineEdit::Password);
    EditAnnonce->setValidator(new QIntValidator(1, AnnonceMaximale, EditAnnonce));
    colonne->addWidget(EditAnnonce);
    LabelErreur = new QLabel(this);
    LabelErreur->setObjectName(QStringLiteral("LabelErreur"));
    LabelErreur->setWordWrap(true);
    LabelErreur->setStyleSheet(QStringLiteral("color: #d00000;"));
    colonne->addWidget(LabelErreur);

    ButtonPrets = new QPushButton(QStringLiteral("&Prêts à annoncer"), this);
    ButtonPrets->setObjectName(QStringLiteral("ButtonPrets"));
    ButtonAnnoncer = new QPushButton(QStringLiteral("&Annoncer"), this);
    ButtonAnnoncer->setObjectName(QStringLiteral("ButtonAnnoncer"));
    ButtonSansAnnonce = new QPushButton(QStringLiteral("Pas d'a&nnonce"), this);
    ButtonSansAnnonce->setObjectName(QStringLiteral("ButtonSansAnnonce"));
    auto* boutons = new QHBoxLayout();
    boutons->addStretch();
    for (QPushButton* bouton : {ButtonPrets, ButtonSansAnnonce, ButtonAnnoncer}) {
        bouton->setAutoDefault(false);
        boutons->addWidget(bouton);
    }
    colonne->addLayout(boutons);
    colonne->setSizeConstraint(QLayout::SetFixedSize);
    connect(ButtonPrets, &QPushButton::clicked, this, &TfrmAnnoncesMatch::ButtonPretsClick);
    connect(ButtonAnnoncer, &QPushButton::clicked, this, &TfrmAnnoncesMatch::ButtonAnnoncerClick);
    connect(ButtonSansAnnonce, &QPushButton::clicked, this, &TfrmAnnoncesMatch::ButtonSansAnnonceClick);
    connect(EditAnnonce, &QLineEdit::returnPressed, this, &TfrmAnnoncesMatch::ButtonAnnoncerClick);
    for (QWidget* w : std::initializer_list<QWidget*>{EditAnnonce, LabelErreur, ButtonAnnoncer, ButtonSansAnnonce})
        w->hide();
    ButtonPrets->setDefault(true);
    // à côté de la fenêtre principale : les plaques et le compte restent en vue
    adjustSize();
    PlacerADroiteDuParent(*this);
}

void TfrmAnnoncesMatch::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    if (evenement->spontaneous() || commence_)
        return;
    commence_ = true;
    // la montre du tirage part quand les joueurs voient la fenêtre
    seance_.ReflexionOuverte();
    barre_.Montrer(seance_.Etat());
    // le reste du temps s'écrit au premier pas du décompte : changée pendant son affichage, la fenêtre serait
    // placée par sa zone cliente, non par son cadre
    decompte_.Commencer([this] {
        QApplication::beep();
        FinirReflexion();
    });
}

void TfrmAnnoncesMatch::ButtonPretsClick()
{
    if (ButtonPrets->isVisible())
        FinirReflexion();
}

void TfrmAnnoncesMatch::FinirReflexion()
{
    decompte_.Arreter();
    seance_.ReflexionFinie();
    barre_.Montrer(seance_.Etat());
    ButtonPrets->hide();
    LabelReste->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{EditAnnonce, ButtonAnnoncer, ButtonSansAnnonce})
        w->show();
    ButtonAnnoncer->setDefault(true);
    MontrerTour();
}

void TfrmAnnoncesMatch::MontrerTour()
{
    const Match& match = *seance_.MatchEnCours();
    const std::optional<int> tour = match.AuTourDAnnoncer();
    if (!tour)
        return;
    const std::array<std::string, 2>& noms = match.Noms();
    LabelConsigne->setText(QStringLiteral("%1, tapez votre annonce ; %2 regarde ailleurs.")
                               .arg(QString::fromStdString(noms[static_cast<size_t>(*tour)]),
                                    QString::fromStdString(noms[static_cast<size_t>(1 - *tour)])));
    EditAnnonce->clear();
    LabelErreur->hide();
    EditAnnonce->setFocus();
}

void TfrmAnnoncesMatch::ButtonAnnoncerClick()
{
    if (!ButtonAnnoncer->isVisible())
        return;
    bool nombre = false;
    const int valeur = EditAnnonce->text().toInt(&nombre);
    if (!nombre || valeur < 1) {
        // rien n'est perdu : le champ garde ce qui est tapé
        LabelErreur->setText(QStringLiteral("Tapez un nombre entier positif, ou choisissez « Pas d'annonce »."));
        LabelErreur->show();
        EditAnnonce->setFocus();
        return;
    }
    Annoncer(valeur);
}

void TfrmAnnoncesMatch::ButtonSansAnnonceClick()
{
    if (ButtonSansAnnonce->isVisible())
        Annoncer(std::nullopt);
}

void TfrmAnnoncesMatch::Annoncer(std::optional<int32_t> valeur)
{
    apres_ = seance_.Annoncer(valeur);
    if (seance_.MatchEnCours()->AuTourDAnnoncer()) {
        MontrerTour();
        return;
    }
    fini_ = true;
    accept();
}

void TfrmAnnoncesMatch::closeEvent(QCloseEvent* evenement)
{
    if (fini_) {
        QDialog::closeEvent(evenement);
        return;
    }
    evenement->ignore();
    ButtonPretsClick();
}

void TfrmAnnoncesMatch::reject()
{
    if (fini_)
        QDialog::reject();
    else
        ButtonPretsClick();
}

ApresJeu MenerAnnonces(Seance& seance, BarreEtat& barre, QWidget* parent)
{
    if (!seance.MatchEnCours())
        return {};
    TfrmAnnoncesMatch annonces(seance, barre, parent);
    annonces.exec();
    return annonces.Suite();
}
