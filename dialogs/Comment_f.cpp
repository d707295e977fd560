// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Comment_f.h"

#include "CadreFenetre.h"
#include "CommentTrouver.h"
#include "PlacementFenetre.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TfrmComment::TfrmComment(const SixEntiers& plaques, int32_t but, QWidget* parent)
    : QDialog(parent, Qt::Tool | CadreFenetreFixe)
{
    setObjectName(QStringLiteral("TfrmComment"));
    setWindowTitle(QStringLiteral("Comment l'aurais-je trouvé ?"));
    auto* colonne = new QVBoxLayout(this);
    MemoComment = new QPlainTextEdit(QString::fromStdString(TexteComment(plaques, but)), this);
    MemoComment->setObjectName(QStringLiteral("MemoComment"));
    MemoComment->setReadOnly(true);
    MemoComment->setAccessibleName(windowTitle());
    // les lignes tiennent sans barre de défilement ; seule la dernière phrase se replie
    const QFontMetrics mesure(MemoComment->font());
    MemoComment->setFixedSize(mesure.horizontalAdvance(QLatin1Char('m')) * 34, mesure.lineSpacing() * 20);
    colonne->addWidget(MemoComment);
    ButtonFermer = new QPushButton(QStringLiteral("Fermer"), this);
    ButtonFermer->setObjectName(QStringLiteral("ButtonFermer"));
    ButtonFermer->setDefault(true);
    auto* boutons = new QHBoxLayout();
    boutons->addStretch();
    boutons->addWidget(ButtonFermer);
    colonne->addLayout(boutons);
    colonne->setSizeConstraint(QLayout::SetFixedSize);
    connect(ButtonFermer, &QPushButton::clicked, this, &QDialog::accept);
    MemoComment->setFocus();
    // à côté de la fenêtre principale : le jeu reste visible ; la taille d'abord, la place du cadre ensuite
    adjustSize();
    PlacerADroiteDuParent(*this);
}

void TfrmComment::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    if (!evenement->spontaneous())
        PlacerADroiteDuParent(*this);
}

QString TfrmComment::Texte() const { return MemoComment->toPlainText(); }
