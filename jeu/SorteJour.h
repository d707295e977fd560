// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SorteDeJeu.h"

// le jeu du jour de la date de la séance, par l'animation du tirage, contre le temps limite choisi. Le
// premier essai fini d'une date compte comme jeu du jour : il est résolu dès la saisie finie, donc enregistré,
// et ne peut plus être recommencé comme s'il n'avait pas eu lieu ; les suivants comptent comme proposés, ce
// que la barre d'état dit. Puis le résumé du jour
class SorteJour : public SorteDeJeu {
public:
    Etape Commencer(Seance& seance) override;
    ApresJeu SaisieFinie(Seance& seance) override;
};
