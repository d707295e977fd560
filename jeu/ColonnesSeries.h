// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ColonnesHistorique.h"
#include "Records.h"

#include <vector>

// une colonne de la table « series », décrite une fois comme celles des jeux : son nom, son type SQL, l'étape
// du schéma qui l'a ajoutée, et comment l'écrire et la relire. Les colonnes du bilan ne sont jamais écrites à
// part : elles sont refaites des jeux de la série, dans la transaction qui écrit chacun d'eux
struct ColonneSerie {
    const char* Sql = nullptr;
    const char* Declaration = nullptr;  // type SQL
    int Etape = 6;
    bool DonneeParLaBase = false;  // le numéro de la série
    bool DuBilan = false;          // refaite des jeux de la série
    ValeurCase (*Valeur)(const LigneSerie&) = nullptr;
    void (*Affecter)(LigneSerie&, const ValeurCase&) = nullptr;
};

// toutes les colonnes, dans l'ordre de la table
const std::vector<ColonneSerie>& ColonnesSeries();

// une série relue dont le niveau n'est pas celui d'une série de ce programme (une autre version, ou le fichier
// retouché) : elle ne se mêle pas aux records de celles-ci
bool SerieDUnAutreNiveau(const LigneSerie& serie);
