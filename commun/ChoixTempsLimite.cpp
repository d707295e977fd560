// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChoixTempsLimite.h"

#include "FichierIniFenetre.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

QString NomRubriqueTempsLimite(int secondes) { return QStringLiteral("RubriqueTempsLimite%1").arg(secondes); }

ChoixTempsLimite::ChoixTempsLimite(QMenu& menu, QWidget& fenetre, std::function<void(int)> choisi)
    : menu_(menu), fenetre_(fenetre), choisi_(std::move(choisi))
{
    auto* groupe = new QActionGroup(&menu_);
    groupe->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (size_t k = 0; k < rubriques_.size(); ++k) {
        const OptionTempsLimite& option = TempsLimitesPermis[k];
        auto* rubrique = new QAction(QString::fromUtf8(option.Texte), &menu_);
        rubrique->setObjectName(NomRubriqueTempsLimite(option.Secondes));
        rubrique->setCheckable(true);
        rubrique->setData(option.Secondes);
        groupe->addAction(rubrique);
        menu_.addAction(rubrique);
        QObject::connect(rubrique, &QAction::triggered, &menu_, [this, rubrique] { Choisir(rubrique); });
        rubriques_[k] = rubrique;
    }
    // sans limite tant que rien n'est lu
    Appliquer(0);
}

void ChoixTempsLimite::Lire(TFichierIni& fichier)
{
    fichier_ = &fichier;
    Appliquer(fichier.TempsLimite());
}

void ChoixTempsLimite::Choisir(QAction* rubrique)
{
    if (!rubrique->isEnabled())
        return;
    const int secondes = rubrique->data().toInt();
    if (fichier_)
        ChoisirTempsLimiteOuDire(&fenetre_, *fichier_, secondes);
    Appliquer(secondes);
}

void ChoixTempsLimite::Appliquer(int secondes)
{
    for (QAction* rubrique : rubriques_)
        rubrique->setChecked(rubrique->data().toInt() == secondes);
    choisi_(secondes);
}
