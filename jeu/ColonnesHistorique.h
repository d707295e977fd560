// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Historique.h"

#include <compare>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// une case de l'historique telle qu'elle s'enregistre : rien, un entier, un réel (le temps médian d'une
// série) ou un texte
using ValeurCase = std::variant<std::monostate, int64_t, double, std::string>;

// la clé qui range une case du tableau : par groupe, puis par valeur ; « rien » vient après tout le reste
// dans l'ordre croissant
struct CleTri {
    int Groupe = 0;
    int64_t Valeur = 0;
    auto operator<=>(const CleTri&) const = default;
};

enum class Alignement { Gauche, Droite };

// une colonne de l'historique, décrite une fois : son nom dans la table « jeux », l'étape du schéma qui l'a
// ajoutée, son en-tête dans l'export, son titre dans le tableau, et comment la lire, l'écrire, la montrer
// et la trier. Une colonne nouvelle est une entrée de plus dans ColonnesHistorique() et une étape du schéma
struct ColonneHistorique {
    const char* Sql = nullptr;          // nul : une case du tableau faite d'autres colonnes
    const char* Declaration = nullptr;  // type SQL
    int Etape = 1;
    bool DonneeParLaBase = false;       // le numéro du jeu : jamais écrit, la base le donne
    const char* Csv = nullptr;          // nul : pas dans l'export
    const char* Titre = nullptr;        // nul : pas dans le tableau
    Alignement Cadrage = Alignement::Droite;
    int Largeur = 8;                    // largeur au tableau, en chiffres de la police (au moins le titre)
    ValeurCase (*Valeur)(const LigneHistorique&) = nullptr;          // ce qui s'enregistre
    void (*Affecter)(LigneHistorique&, const ValeurCase&) = nullptr;  // ce qui se relit
    std::string (*Champ)(const LigneHistorique&) = nullptr;          // l'export ; nul : la valeur
    std::string (*Texte)(const LigneHistorique&) = nullptr;          // le tableau ; nul : la valeur
    CleTri (*Tri)(const LigneHistorique&) = nullptr;                 // nul : la valeur

    std::string ChampCsv(const LigneHistorique& l) const;
    std::string TexteCase(const LigneHistorique& l) const;
    CleTri CleDe(const LigneHistorique& l) const;
};

// toutes les colonnes, dans l'ordre de la table, de l'export et du tableau
const std::vector<ColonneHistorique>& ColonnesHistorique();
// celles du tableau, dans l'ordre
const std::vector<const ColonneHistorique*>& ColonnesMontrees();
