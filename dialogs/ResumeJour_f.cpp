// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResumeJour_f.h"

#include "CadreFenetre.h"
#include "LecteurEcran.h"
#include "PlacementFenetre.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TfrmResumeJour::TfrmResumeJour(const ResumeJour& resume, QWidget* parent)
    : QDialog(parent, Qt::Tool | CadreFenetreFixe), texteAPartager_(QString::fromStdString(TexteAPartager(resume.Resultat)))
{
    setObjectName(QStringLiteral("TfrmResumeJour"));
    setWindowTitle(QStringLiteral("Jeu du jour"));
    auto* colonne = new QVBoxLayout(this);
    for (const std::string& texte : LignesResume(resume)) {
        auto* ligne = new QLabel(QString::fromStdString(texte), this);
        ligne->setObjectName(QStringLiteral("LabelLigne%1").arg(lignes_.size() + 1));
        colonne->addWidget(ligne);
        lignes_ << ligne;
    }
    // le titre du résumé : la date et le niveau
    QFont gras = lignes_.front()->font();
    gras.setBold(true);
    lignes_.front()->setFont(gras);
    LabelCopie = new QLabel(this);
    LabelCopie->setObjectName(QStringLiteral("LabelCopie"));
    LabelCopie->hide();
    colonne->addWidget(LabelCopie);

    ButtonCopier = new QPushButton(QStringLiteral("&Copier le résultat"), this);
    ButtonCopier->setObjectName(QStringLiteral("ButtonCopier"));
    ButtonCopier->setAutoDefault(false);
    ButtonFermer = new QPushButton(QStringLiteral("Fermer"), this);
    ButtonFermer->setObjectName(QStringLiteral("ButtonFermer"));
    ButtonFermer->setDefault(true);
    auto* boutons = new QHBoxLayout();
    boutons->addStretch();
    boutons->addWidget(ButtonCopier);
    boutons->addWidget(ButtonFermer);
    colonne->addLayout(boutons);
    colonne->setSizeConstraint(QLayout::SetFixedSize);

    connect(ButtonCopier, &QPushButton::clicked, this, &TfrmResumeJour::ButtonCopierClick);
    connect(ButtonFermer, &QPushButton::clicked, this, &QDialog::accept);
    // à côté de la fenêtre principale : la solution reste visible ; la taille d'abord, la place du cadre ensuite
    adjustSize();
    PlacerADroiteDuParent(*this);
}

void TfrmResumeJour::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    if (!evenement->spontaneous())
        PlacerADroiteDuParent(*this);
}

QStringList TfrmResumeJour::Lignes() const
{
    QStringList textes;
    for (const QLabel* ligne : lignes_)
        textes << ligne->text();
    return textes;
}

void TfrmResumeJour::ButtonCopierClick()
{
    QGuiApplication::clipboard()->setText(texteAPartager_);
    LabelCopie->setText(QStringLiteral("Résultat copié dans le presse-papiers."));
    LabelCopie->show();
    Dire(*this, LabelCopie->text());
}
