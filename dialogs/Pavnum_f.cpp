// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Pavnum_f.h"

#include "CadreFenetre.h"
#include "Partie.h"
#include "PlacementFenetre.h"
#include "Polices.h"
#include "ui_Pavnum_f.h"

#include <QKeyEvent>

TfrmPaveNumerique::TfrmPaveNumerique(SuiviSaisie suivre, QWidget* parent)
    : QDialog(parent, Qt::Tool | CadreFenetreFixe),
      ui(std::make_unique<Ui::TfrmPaveNumerique>()), suivre_(std::move(suivre))
{
    ui->setupUi(this);
    setFixedSize(119, 230);
    PlacerADroiteDuParent(*this);
    CreerBoutons();
    ui->Button0->setEnabled(false);
    ui->ButtonRetour->setEnabled(false);
}

TfrmPaveNumerique::~TfrmPaveNumerique() = default;

void TfrmPaveNumerique::CreerBoutons()
{
    boutons_ = {ui->Button0, ui->Button1, ui->Button2,  ui->Button3,  ui->Button4,  ui->Button5,  ui->Button6, ui->Button7,
                ui->Button8, ui->Button9, ui->Button10, ui->Button25, ui->Button50, ui->Button75, ui->Button100};
    const QFont police = PolicePixels(QStringLiteral("Comic Sans MS"), 16);
    for (int etiquette = 0; etiquette <= 14; ++etiquette) {
        QPushButton* bouton = Bouton(etiquette);
        bouton->setFont(police);
        connect(bouton, &QPushButton::clicked, this, [this, etiquette] { Button1Click(etiquette); });
    }
    // les touches des lettres, que rien ne montre sur le bouton
    ui->Button10->setToolTip(QStringLiteral("Touche X ou D"));
    ui->Button25->setToolTip(QStringLiteral("Touche V"));
    ui->Button50->setToolTip(QStringLiteral("Touche L"));
    ui->Button75->setToolTip(QStringLiteral("Touche S"));
    ui->Button100->setToolTip(QStringLiteral("Touche C"));
    // Tab parcourt les boutons (Espace les presse) ; les chiffres et les lettres restent les touches du pavé
    for (QPushButton* bouton : findChildren<QPushButton*>())
        bouton->setFocusPolicy(Qt::TabFocus);
    QFont gras = font();
    gras.setBold(true);
    ui->ButtonRetour->setFont(gras);
    ui->ButtonAnnuler->setFont(gras);
    connect(ui->ButtonRetour, &QPushButton::clicked, this, &TfrmPaveNumerique::ButtonRetourClick);
    connect(ui->ButtonAnnuler, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmPaveNumerique::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    // une fenêtre rendue après avoir été réduite garde ce qui a été saisi
    if (!evenement->spontaneous())
        FormShow();
}

void TfrmPaveNumerique::FormShow()
{
    PlacerADroiteDuParent(*this);
    proposition_.Commencer();
}

void TfrmPaveNumerique::Button1Click(int etiquette) { Appliquer(proposition_.Touche(etiquette)); }

void TfrmPaveNumerique::ButtonRetourClick() { Appliquer(proposition_.Retour()); }

void TfrmPaveNumerique::Appliquer(const EffetPave& effet)
{
    if ((effet.But || effet.Bande) && suivre_)
        suivre_(proposition_);
    MajBoutonsPave();
    if (effet.Complet)
        accept();
}

void TfrmPaveNumerique::MajBoutonsPave()
{
    for (int etiquette = 0; etiquette <= 14; ++etiquette)
        Bouton(etiquette)->setEnabled(proposition_.Actif(etiquette));
    ui->ButtonRetour->setEnabled(proposition_.RetourActif());
}

bool TfrmPaveNumerique::FormKeyPress(QChar c)
{
    QPushButton* bouton = nullptr;
    if (c == QChar(8))
        bouton = ui->ButtonRetour;
    else if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        bouton = Bouton(c.digitValue());
    else if (QStringLiteral("XxDd").contains(c))
        bouton = ui->Button10;
    else if (QStringLiteral("Vv").contains(c))
        bouton = ui->Button25;
    else if (QStringLiteral("Ll").contains(c))
        bouton = ui->Button50;
    else if (QStringLiteral("Ss").contains(c))
        bouton = ui->Button75;
    else if (QStringLiteral("Cc").contains(c))
        bouton = ui->Button100;
    if (!bouton)
        return false;
    if (bouton->isEnabled())
        bouton->click();
    return true;
}

void TfrmPaveNumerique::keyPressEvent(QKeyEvent* evenement)
{
    const QString texte = evenement->key() == Qt::Key_Backspace ? QString(QChar(8)) : evenement->text();
    if (texte.size() == 1 && FormKeyPress(texte.at(0)))
        return;
    QDialog::keyPressEvent(evenement);
}

bool ProposerJeu(Partie& partie, const std::function<void()>& montrer, QWidget* parent)
{
    TfrmPaveNumerique pave(
        [&](const PropositionJeu& saisie) {
            partie.SuivreProposition(saisie);
            montrer();
        },
        parent);
    if (pave.exec() == QDialog::Accepted)
        return true;
    partie.AbandonnerProposition();
    montrer();
    return false;
}
