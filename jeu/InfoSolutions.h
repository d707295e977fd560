// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DonneesRecherche.h"
#include "Statistiques.h"

#include <string>

// textes de la fenêtre d'informations sur la dernière recherche, par nom d'étiquette ; les étiquettes
// absentes gardent leur texte de départ ; positionJoueur : indice du calcul du joueur dans la liste, -1 sinon
TextesEtiquettes TextesInfoSolutions(const DonneesRecherche& d, int32_t positionJoueur);

// possibilités envisagées par nombre de plaques : « 2:… 3:… 4:… 5:… 6:… »
std::string TextePossibilitesParPlaques(const DonneesRecherche& d);
