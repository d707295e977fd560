// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Stats_f.h"

#include "ImagesVarnel.h"
#include "LecteurEcran.h"
#include "ui_Stats_f.h"

#include <QDir>
#include <QLabel>

TfrmStatistiques::TfrmStatistiques(TFichierIni& fichier, std::function<bool()> boutonEnfonce, QWidget* parent)
    : FenetreAuBouton(std::move(boutonEnfonce), parent), ui(std::make_unique<Ui::TfrmStatistiques>()),
      fichier_(fichier)
{
    ui->setupUi(this);
    setFixedSize(375, 373);
    ui->ImageOrdinateur->setPixmap(ImageSvg(QStringLiteral(":/images/ordinateur.svg"), QSize(16, 16)));
    ui->ImageHumain->setPixmap(ImageSvg(QStringLiteral(":/images/humain.svg"), QSize(16, 16)));
    // les deux colonnes ne se distinguent que par leur image : nommées pour qui ne la voit pas
    for (auto [image, nom] : {std::pair{ui->ImageOrdinateur, "Ordinateur"}, std::pair{ui->ImageHumain, "Joueur"}}) {
        image->setAccessibleName(QString::fromUtf8(nom));
        image->setToolTip(QString::fromUtf8(nom));
    }
    MettreEnPageNote(ui->LabelNote, ui->Image, QStringLiteral("statistiques"));
    statut_ = new QLabel(ui->StatusBar);
    statut_->setObjectName(QStringLiteral("StatusBarTexte"));
    ui->StatusBar->addWidget(statut_, 1);
}

TfrmStatistiques::~TfrmStatistiques() = default;

void TfrmStatistiques::FormShow()
{
    // relu à chaque ouverture : un autre exemplaire du programme a pu enregistrer des jeux
    const bool lu = fichier_.Lire();
    for (const auto& [nom, texte] : TextesStatistiques(fichier_.LireCumuls()))
        if (auto* etiquette = findChild<QLabel*>(QString::fromStdString(nom)))
            etiquette->setText(QString::fromStdString(texte));
    // le joueur sait où vivent ses statistiques
    const QString chemin = QDir::toNativeSeparators(fichier_.Chemin());
    statut_->setText(lu ? chemin : QStringLiteral("Fichier illisible : %1").arg(chemin));
    statut_->setToolTip(chemin);
    LireParRangees(*this, {QStringLiteral("ordinateur"), QStringLiteral("joueur")}, true);
}

QString TfrmStatistiques::TexteStatut() const { return statut_->text(); }
