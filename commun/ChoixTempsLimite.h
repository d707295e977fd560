// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FichierIni.h"
#include "TempsLimitesPermis.h"

#include <array>
#include <functional>

class QAction;
class QMenu;
class QWidget;

// le sous-menu « Temps limite » : une rubrique exclusive par choix permis, chacune avec ses secondes pour
// donnée ; le choix est lu dans varnel.ini ([Options], TempsLimite) et y est gardé. Une écriture impossible
// est dite dans une boîte ; le choix vaut quand même pour les jeux qui suivent, jusqu'à la fin du programme
class ChoixTempsLimite {
public:
    // dans l'ordre de TempsLimitesPermis
    using Rubriques = std::array<QAction*, TempsLimitesPermis.size()>;

    // les rubriques sont ajoutées au menu ; choisi : reçoit les secondes de chaque choix, lu ou fait
    // (0 : sans limite) ; fenetre : parent des boîtes
    ChoixTempsLimite(QMenu& menu, QWidget& fenetre, std::function<void(int)> choisi);

    // le choix gardé dans ce fichier, où iront les suivants ; absent, illisible ou inconnu : sans limite
    void Lire(TFichierIni& fichier);

private:
    void Choisir(QAction* rubrique);
    // la rubrique de ces secondes cochée, et le choix donné à qui l'attend
    void Appliquer(int secondes);

    QMenu& menu_;
    Rubriques rubriques_{};
    QWidget& fenetre_;
    std::function<void(int)> choisi_;
    TFichierIni* fichier_ = nullptr;
};

// « RubriqueTempsLimite45 » : le nom d'objet de la rubrique de ces secondes
QString NomRubriqueTempsLimite(int secondes);
