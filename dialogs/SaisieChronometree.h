// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BarreEtat.h"
#include "DecompteSaisie.h"
#include "Seance.h"

#include <functional>

class QWidget;

// la saisie du calcul du joueur contre la montre : la fenêtre de saisie, modale, et le temps du joueur dans la
// barre d'état. Le temps limite du jeu court depuis la première ouverture ; atteint, il ferme la saisie.
// Finie, quelle qu'en soit l'issue, la séance le sait
class SaisieChronometree {
public:
    // repeindre : la fenêtre principale, qui montre le calcul qui grandit ; fenetre : parent de la saisie
    SaisieChronometree(Seance& seance, BarreEtat& barre, std::function<void()> repeindre, QWidget& fenetre);

    // ce qui suit la saisie, que la séance a décidé
    ApresJeu Ouvrir();

private:
    Seance& seance_;
    BarreEtat& barre_;
    DecompteSaisie decompte_;
    std::function<void()> repeindre_;
    QWidget& fenetre_;
};
