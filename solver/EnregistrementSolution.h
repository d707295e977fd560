// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DonneesRecherche.h"

// retient le calcul « plusGrand op plusPetit » fait sur l'état : texte, clés, rangement sans doublon
void EnregistrerSolution(DonneesRecherche& d, const EtatCalcul& etat, bool premiere, uint32_t masque, int op,
                         const NoeudCalcul& plusGrand, const NoeudCalcul& plusPetit);

// indice dans la liste de la solution identique au calcul du joueur, -1 s'il n'y en a pas
int32_t PositionSolutionJoueur(const DonneesRecherche& d);
