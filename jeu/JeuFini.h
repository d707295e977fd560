// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Historique.h"
#include "Statistiques.h"

// ce qu'un jeu fini laisse, d'un bloc : ce qu'il ajoute aux statistiques et sa ligne de l'historique, les
// montants tirés de la ligne même
struct JeuFini {
    CumulsStat Cumuls;
    LigneHistorique Ligne;

    explicit JeuFini(LigneHistorique ligne) : Cumuls(MontantsJeu(ligne)), Ligne(std::move(ligne)) {}
};
