// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SorteDeJeu.h"

class QWidget;

// la boîte qu'une sorte de jeu montre après la saisie (« Jeu du jour », « Fin de la série », celle d'un tirage
// de match, suivie de « Fin du match » après le dernier), modale ; rien quand elle n'en a pas. Une boîte
// nouvelle s'ajoute ici
void MontrerApresJeu(const ApresJeu& apres, QWidget* parent);
