// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BarreEtat.h"

#include <QLabel>
#include <QStatusBar>

BarreEtat::BarreEtat(QStatusBar& barre)
{
    barre.setAutoFillBackground(true);
    texte_ = new QLabel(&barre);
    texte_->setObjectName(QStringLiteral("StatusBarPanneau0"));
    texte_->setFixedWidth(245);
    compteur_ = new QLabel(&barre);
    compteur_->setObjectName(QStringLiteral("StatusBarPanneau1"));
    compteur_->setFixedWidth(50);
    compteur_->setAlignment(Qt::AlignCenter);
    barre.addWidget(texte_);
    barre.addWidget(compteur_);
}

void BarreEtat::Montrer(const LigneEtat& ligne)
{
    const QString texte = QString::fromStdString(ligne.Texte);
    // les dernières secondes du temps limite en rouge
    const QString style = ligne.Alerte ? QStringLiteral("color: #d00000;") : QString();
    if (texte != texte_->text() || style != texte_->styleSheet()) {
        texte_->setText(texte);
        texte_->setStyleSheet(style);
        texte_->repaint();
    }
    if (ligne.Compteur)
        compteur_->setText(QString::fromStdString(*ligne.Compteur));
}

QString BarreEtat::Texte(int panneau) const { return panneau == 0 ? texte_->text() : compteur_->text(); }
