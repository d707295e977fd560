// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ColonnesHistorique.h"
#include "RecordsMatchs.h"

#include <string>
#include <vector>

// l'étape du schéma de l'historique qui a ajouté la table « matchs » (et la colonne « match » des jeux)
inline constexpr int EtapeMatchs = 8;

// une colonne de la table « matchs », décrite une fois : son nom, son type SQL, et comment l'écrire et la relire
struct ColonneMatch {
    const char* Sql = nullptr;
    const char* Declaration = nullptr;  // type SQL
    bool DonneeParLaBase = false;       // le numéro du match
    ValeurCase (*Valeur)(const LigneMatch&) = nullptr;
    void (*Affecter)(LigneMatch&, const ValeurCase&) = nullptr;
};

// toutes les colonnes, dans l'ordre de la table
const std::vector<ColonneMatch>& ColonnesMatchs();
// « CREATE TABLE matchs (numero INTEGER PRIMARY KEY, date TEXT NOT NULL, …) »
std::string CreationTableMatchs();
// un match relu qu'aucune sorte ni force de ce programme ne décrit (une autre version, ou le fichier retouché)
bool MatchInconnu(const LigneMatch& match);
