// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FinMatch_f.h"

#include "CadreFenetre.h"
#include "PlacementFenetre.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TfrmFinMatch::TfrmFinMatch(const TextesFinMatch& textes, QWidget* parent) : QDialog(parent, CadreFenetreFixe)
{
    setObjectName(QStringLiteral("TfrmFinMatch"));
    setWindowTitle(QStringLiteral("Fin du match"));
    auto* colonne = new QVBoxLayout(this);
    const auto ajouter = [&](const QString& nom, const std::string& texte, bool gras) {
        auto* ligne = new QLabel(QString::fromStdString(texte), this);
        ligne->setObjectName(nom);
        if (gras) {
            QFont police = ligne->font();
            police.setBold(true);
            ligne->setFont(police);
        }
        colonne->addWidget(ligne);
        lignes_ << ligne;
    };
    ajouter(QStringLiteral("LabelAdversaires"), textes.Adversaires, true);
    ajouter(QStringLiteral("LabelTotaux"), textes.Totaux, false);
    for (size_t k = 0; k < textes.Tirages.size(); ++k)
        ajouter(QStringLiteral("LabelTirage%1").arg(k + 1), textes.Tirages[k], false);
    ajouter(QStringLiteral("LabelVainqueur"), textes.Vainqueur, true);
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton* ok = boutons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("ButtonOk"));
    ok->setDefault(true);
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    colonne->addWidget(boutons);
    colonne->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    PlacerADroiteDuParent(*this);
}

void TfrmFinMatch::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    if (!evenement->spontaneous())
        PlacerADroiteDuParent(*this);
}

QStringList TfrmFinMatch::Lignes() const
{
    QStringList textes;
    for (const QLabel* ligne : lignes_)
        textes << ligne->text();
    return textes;
}
