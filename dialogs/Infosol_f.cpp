// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Infosol_f.h"

#include "EnregistrementSolution.h"
#include "InfoSolutions.h"
#include "ui_Infosol_f.h"

#include <QLabel>

TfrmInfoSolutions::TfrmInfoSolutions(const DonneesRecherche& donnees, std::function<bool()> boutonEnfonce,
                                     QWidget* parent)
    : FenetreAuBouton(std::move(boutonEnfonce), parent), ui(std::make_unique<Ui::TfrmInfoSolutions>()), d_(donnees)
{
    ui->setupUi(this);
    // les lignes sous la note (niveau du jeu, et celles qui viendront) poussent la barre d'état : la
    // fenêtre s'arrête au bas de celle-ci
    setFixedSize(287, ui->StatusBar->geometry().bottom() + 1);
    MettreEnPageNote(ui->LabelNote, ui->Image, QStringLiteral("informations"));
    statut_ = new QLabel(ui->StatusBar);
    statut_->setObjectName(QStringLiteral("StatusBarTexte"));
    ui->StatusBar->addWidget(statut_, 1);
    ui->StatusBar->setToolTip(QStringLiteral("Possibilités envisagées par nombre de plaques"));
}

TfrmInfoSolutions::~TfrmInfoSolutions() = default;

void TfrmInfoSolutions::FormShow() { Actualiser(); }

void TfrmInfoSolutions::Actualiser()
{
    for (const auto& [nom, texte] : TextesInfoSolutions(d_, PositionSolutionJoueur(d_)))
        if (auto* etiquette = findChild<QLabel*>(QString::fromStdString(nom)))
            etiquette->setText(QString::fromStdString(texte));
    statut_->setText(QString::fromStdString(TextePossibilitesParPlaques(d_)));
}

QString TfrmInfoSolutions::TexteStatut() const { return statut_->text(); }
