// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AMaMesure.h"
#include "AnnonceOrdinateur.h"
#include "ForceAdversaire.h"
#include "Plaques.h"

#include <cstdint>

// l'ordinateur d'un match : une force pour tout le match ; « À ma mesure » garde la mesure du joueur à chaque
// niveau, prise une fois de l'historique au début du match. Il ne dépend que du jeu : un jeu rejoué donne la
// même annonce
class AdversaireOrdinateur {
public:
    explicit AdversaireOrdinateur(ForceAdversaire force, MesuresJoueur mesures = {})
        : force_(force), mesures_(mesures)
    {
    }

    ForceAdversaire Force() const { return force_; }

    // ce qu'il annonce sur ce jeu après au plus limiteMs de réflexion ; « À ma mesure » joue au niveau du jeu,
    // ou comme « Amateur » en le disant (Avertissement) quand l'historique de ce niveau ne suffit pas
    AnnonceOrdinateur Jouer(const SixEntiers& plaques, int32_t but, int32_t limiteMs) const;

private:
    ForceAdversaire force_;
    MesuresJoueur mesures_;
};
