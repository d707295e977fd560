// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DonneesRecherche.h"
#include "Statistiques.h"

#include <cstdint>
#include <optional>
#include <string>

// textes de la fenêtre d'informations sur la dernière recherche, par nom d'étiquette (la méthode : celle de
// la solution montrée) ; les étiquettes absentes gardent leur texte de départ ; positionJoueur : indice du
// calcul du joueur dans la liste, -1 sinon
TextesEtiquettes TextesInfoSolutions(const DonneesRecherche& d, int32_t positionJoueur);

// la place du calcul du joueur parmi les solutions (1 pour la première, dans l'ordre de la liste) quand il a
// atteint le compte ; rien sinon, car un calcul qui manque le compte n'est pas une solution
std::optional<int64_t> PlaceParmiSolutions(const DonneesRecherche& d, int32_t positionJoueur);
// sa place parmi tous les calculs envisagés ; rien quand le joueur n'a pas de calcul
std::optional<int64_t> PlaceParmiCalculs(const DonneesRecherche& d);

// possibilités envisagées par nombre de plaques : « 2:… 3:… 4:… 5:… 6:… »
std::string TextePossibilitesParPlaques(const DonneesRecherche& d);
