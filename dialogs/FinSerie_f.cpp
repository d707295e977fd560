// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FinSerie_f.h"

#include "CadreFenetre.h"
#include "FinSerie.h"
#include "PlacementFenetre.h"
#include "ui_FinSerie_f.h"

#include <QPushButton>

TfrmFinSerie::TfrmFinSerie(const FinDeSerie& fin, QWidget* parent)
    : QDialog(parent, CadreFenetreFixe), ui(std::make_unique<Ui::TfrmFinSerie>())
{
    ui->setupUi(this);
    // à droite de la fenêtre principale : le dernier jeu et sa solution restent en vue
    PlacerADroiteDuParent(*this);
    for (const auto& [nom, texte] : TextesFinSerie(fin.Bilan, fin.Record))
        if (auto* etiquette = findChild<QLabel*>(QString::fromStdString(nom)))
            etiquette->setText(QString::fromStdString(texte));
    QPushButton* ok = ui->Boutons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("ButtonOk"));
    ok->setDefault(true);
    connect(ui->Boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
}

TfrmFinSerie::~TfrmFinSerie() = default;
