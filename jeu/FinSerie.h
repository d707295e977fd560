// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Serie.h"
#include "Statistiques.h"

#include <optional>
#include <string>

// ce que montre la fenêtre « Fin de la série » : le bilan de la série finie et la meilleure série finie de son
// niveau avant elle
struct FinDeSerie {
    BilanSerie Bilan;
    std::optional<BilanSerie> Record;

    bool operator==(const FinDeSerie&) const = default;
};

// les textes de la fenêtre « Fin de la série », par nom d'étiquette : niveau, points sur 100, comptes
// trouvés, temps médian des comptes trouvés, meilleure série finie du niveau avant celle-ci (record), et
// si elle est battue
TextesEtiquettes TextesFinSerie(const BilanSerie& serie, const std::optional<BilanSerie>& record);
