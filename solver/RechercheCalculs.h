#pragma once

#include "DonneesRecherche.h"

#include <functional>

// position de la barre de progression de l'inventaire (0 à 59)
using Progression = std::function<void(int)>;

// explore tous les calculs qui prolongent l'état et retient les meilleurs
void RechercherCalculs(DonneesRecherche& d, const EtatCalcul& etat, const Progression& progression = {});

// clé du plus grand terme d'une chaîne, pour n'y ajouter les plaques que dans un seul ordre
int ClePlusGrandTerme(const EtatCalcul& etat, const NoeudCalcul& r, int op);

// ordre canonique : une seule façon d'écrire chaque réordonnancement d'une chaîne
bool OrdreCanoniqueAccepte(const EtatCalcul& etat, int op, const NoeudCalcul& a, const NoeudCalcul& b);
