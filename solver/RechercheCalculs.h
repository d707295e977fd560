// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DonneesRecherche.h"
#include "ParcoursCalculs.h"
#include "ReleveSolutions.h"

#include <functional>

// position de la barre de progression de l'inventaire (0 à 59)
using Progression = std::function<void(int)>;

// explore tous les calculs qui prolongent l'état et retient les meilleurs
void RechercherCalculs(DonneesRecherche& d, const EtatCalcul& etat, const Progression& progression = {});

// la recherche de l'inventaire (ModeTousComptes) qui ne range rien : chaque calcul complet de 101 à
// 999 marque sa valeur
void MarquerComptes(DonneesRecherche& d, const EtatCalcul& etat, ComptesMarques& marques);

// la recherche qui ne fait que relever les solutions exactes, sans approche, texte ni ordre : celles du
// compte (But), ou celles de chaque compte de 101 à 999 (ModeTousComptes)
void ReleverCalculs(DonneesRecherche& d, const EtatCalcul& etat, ReleveSolutions& releve);

// la recherche qui ne fait que montrer chaque calcul complet au parcours, sans rien retenir ni compter
void ParcourirCalculs(DonneesRecherche& d, const EtatCalcul& etat, ParcoursCalculs& parcours);
