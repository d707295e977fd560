// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HistoriqueJeux.h"
#include "Serie.h"

#include <cstdint>
#include <optional>

class QWidget;

// une série de dix jeux dans l'historique : gardée dès son début ; son bilan est refait de ses jeux dans la
// transaction qui écrit chacun d'eux (THistoriqueJeux::Ajouter), si bien qu'une série arrêtée (autre jeu,
// programme fermé ou tué) y reste non finie, et jamais en retard sur ses jeux. Un historique qu'on ne peut pas
// écrire laisse jouer la série sans la garder : l'échec est dit dans la boîte « Série non enregistrée », une
// fois par série, sauf en lecture seule, que l'avis de l'historique dit déjà

// ce qu'il faut à une série qui commence : son numéro dans l'historique (rien s'il n'a pas pu l'écrire) et la
// meilleure série finie de son niveau, lue dans l'historique
struct SerieCommencee {
    std::optional<int64_t> Numero;
    std::optional<BilanSerie> Record;
};
SerieCommencee CommencerSerieOuDire(QWidget* fenetre, THistoriqueJeux& historique, NiveauSerie niveau);
