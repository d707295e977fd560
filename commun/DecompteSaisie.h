// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Partie.h"

#include <QTimer>

#include <functional>

class QLabel;

// le temps du joueur dans un panneau de la barre d'état pendant la saisie de son calcul, pris à l'horloge
// qui mesure TempsJoueur, dix fois par seconde : sans temps limite, le temps écoulé depuis le début de la
// saisie (« Refaire » le fait repartir) ; avec, le temps qui reste au jeu, les dernières secondes en rouge,
// et l'écoulement annoncé une fois
class DecompteSaisie {
public:
    static constexpr int IntervalleMs = 100;

    DecompteSaisie(QLabel& panneau, const Partie& partie);

    // la saisie s'ouvre ; tempsEcoule est appelé une fois, quand le temps limite du jeu est atteint, et
    // avertir une fois, quand il n'en reste que LimiteTemps::SecondesAvertissement
    void Commencer(std::function<void()> tempsEcoule, std::function<void()> avertir = {});
    // la saisie est finie : le panneau est vidé et rendu à sa couleur
    void Arreter();
    // le panneau à cet instant
    void Actualiser();

private:
    void Montrer(const QString& texte, bool enAlerte);

    QLabel& panneau_;
    const Partie& partie_;
    QTimer minuterie_;
    std::function<void()> tempsEcoule_;
    std::function<void()> avertir_;
};
