// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>

#include <functional>

// le pas du décompte de la saisie du calcul, dix fois par seconde : la séance compte le temps du joueur (écoulé,
// ou ce qui reste au jeu) et la barre d'état le montre ; l'écoulement du temps limite est annoncé une fois
class DecompteSaisie {
public:
    static constexpr int IntervalleMs = 100;

    // pas : avance le décompte, le montre, et dit si le temps limite du jeu est atteint
    explicit DecompteSaisie(std::function<bool()> pas);

    // la saisie s'ouvre ; tempsEcoule est appelé une fois, quand le temps limite du jeu est atteint
    void Commencer(std::function<void()> tempsEcoule);
    void Arreter();

private:
    void Avancer();

    std::function<bool()> pas_;
    QTimer minuterie_;
    std::function<void()> tempsEcoule_;
};
