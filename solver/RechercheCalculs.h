// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DonneesRecherche.h"

#include <functional>

// position de la barre de progression de l'inventaire (0 à 59)
using Progression = std::function<void(int)>;

// explore tous les calculs qui prolongent l'état et retient les meilleurs
void RechercherCalculs(DonneesRecherche& d, const EtatCalcul& etat, const Progression& progression = {});

// la recherche de l'inventaire (ModeTousComptes) qui ne range rien : chaque calcul complet de 101 à
// 999 marque sa valeur
void MarquerComptes(DonneesRecherche& d, const EtatCalcul& etat, ComptesMarques& marques);
