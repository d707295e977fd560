// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DonneesRecherche.h"

#include <array>
#include <string>
#include <vector>

// ordre du tableau de l'inventaire
enum class TriComptes { ParCompte = 0, ParNombreDeSolutions = 1 };

using LigneGrille = std::array<std::string, 7>;
using GrilleComptes = std::vector<LigneGrille>;  // 901 lignes : en-tête, totaux, 899 comptes

std::string TexteCompteur(int32_t n);  // cadré à droite sur 5 caractères
std::string TexteCompte(int32_t compte);  // « 101 » précédé d'un blanc
LigneGrille LigneEnTete();

// place (1 à 899) de chaque compte dans l'ordre par nombre de solutions : total décroissant,
// à total égal le plus grand compte d'abord ; indice = ligne de la table (1 à 899)
std::array<int32_t, 900> PlacesParNombreDeSolutions(const TableComptes& table);

// le tableau tel que la grille le montre pour l'ordre choisi
GrilleComptes GrilleTousComptes(const TableComptes& table, TriComptes tri);

// fichier d'export : deux lignes d'en-tête puis une ligne par ligne de grille (1 à 900)
inline constexpr const char* EnteteExport = "  C\\P| Tot. | 2 p. | 3 p. | 4 p. | 5 p. | 6 p. |";
std::string LigneExport(const LigneGrille& cellules);
std::string TexteExport(const GrilleComptes& grille);  // fins de ligne CR LF
std::string NomFichierExport(const std::string& libellePlaques, TriComptes tri);

// écrit le fichier par un fichier provisoire du même dossier, renommé seulement quand tout est écrit :
// un export manqué laisse l'ancien intact ; faux si le fichier ne peut être créé, écrit ou fermé,
// ou s'il existe en lecture seule
bool EcrireFichierExport(const std::string& chemin, const GrilleComptes& grille);

// « 12° : compte 360 (0,85%) » : place de la ligne de grille dans l'ordre affiché, compte et part
// du total, relus des textes des cellules ; vide pour l'en-tête, les totaux et une ligne encore vide
std::string TexteSelection(int ligne, const std::string& celluleCompte, const std::string& celluleTotal,
                           const std::string& celluleGrandTotal, const std::string& separateurDecimal);
