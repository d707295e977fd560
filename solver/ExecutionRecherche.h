// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DonneesRecherche.h"
#include "RechercheCalculs.h"

#include <functional>
#include <string>

// ce que la fenêtre fait autour d'une recherche ; chaque crochet est facultatif
struct CrochetsRecherche {
    std::function<void()> AvantRecherche;               // commandes désactivées, fenêtre repeinte
    std::function<void(const std::string&)> Statut;     // texte du compte rendu
    std::function<void()> ApresRecherche;               // fenêtre repeinte, commandes réactivées
    Progression ProgressionTousComptes;                 // barre de l'inventaire (0 à 59)
};

inline constexpr const char* TexteRechercheEnCours = "Recherche en cours...";

// résout le jeu de DonneesRecherche dans l'ordre OrdreSolutions
void ExecuterRecherche(DonneesRecherche& d, const CrochetsRecherche& crochets = {});

// « 12 bon(s) compte(s), 345 calculs en 85 ms. »
std::string TexteStatut(const DonneesRecherche& d);

// « 2-3-7-10-50-100. » : les six plaques par ordre croissant
std::string FormaterLibellePlaques(const EtatCalcul& racine);

// inventaire de tous les comptes de 101 à 999 pour les six plaques, en une seule recherche
void ExecuterRechercheTousComptes(DonneesRecherche& d, const CrochetsRecherche& crochets = {});

// les comptes de 101 à 999 que forment les six plaques (marqués dans le résultat) : un inventaire
// qui ne range ni ne compte les calculs
ComptesMarques ComptesAtteignables(const SixEntiers& plaques);
