// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DecompteSaisie.h"
#include "Partie.h"

#include <functional>

class QLabel;
class QWidget;

// la saisie du calcul du joueur contre la montre : la fenêtre de saisie, modale, et le temps du joueur dans un
// panneau de la barre d'état. Le temps limite du jeu court depuis la première ouverture ; atteint, il ferme la
// saisie. Finie, quelle qu'en soit l'issue, la partie le sait
class SaisieChronometree {
public:
    // repeindre : la fenêtre principale, qui montre le calcul qui grandit ; fenetre : parent de la saisie
    SaisieChronometree(Partie& partie, QLabel& panneau, std::function<void()> repeindre, QWidget& fenetre);

    void Ouvrir();

private:
    Partie& partie_;
    DecompteSaisie decompte_;
    std::function<void()> repeindre_;
    QWidget& fenetre_;
};
