#pragma once

#include "DonneesRecherche.h"

#include <functional>

// position de la barre de progression de l'inventaire (0 à 59)
using Progression = std::function<void(int)>;

// explore tous les calculs qui prolongent l'état et retient les meilleurs
void RechercherCalculs(DonneesRecherche& d, const EtatCalcul& etat, const Progression& progression = {});
