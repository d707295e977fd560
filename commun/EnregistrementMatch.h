// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HistoriqueJeux.h"
#include "Match.h"

#include <cstdint>
#include <optional>

class QWidget;

// un match dans l'historique : gardé dès son début, son bilan réécrit après chaque tirage, si bien qu'un match
// arrêté (autre jeu, programme fermé ou tué) y reste non fini. Un historique qu'on ne peut pas écrire laisse
// jouer le match sans le garder : l'échec est dit dans la boîte « Match non enregistré », sauf en lecture
// seule, que l'avis de l'historique dit déjà

// son numéro dans l'historique, rien s'il n'a pas pu l'écrire
std::optional<int64_t> CommencerMatchOuDire(QWidget* fenetre, THistoriqueJeux& historique, const BilanMatch& bilan);
void GarderMatchOuDire(QWidget* fenetre, THistoriqueJeux& historique, int64_t numero, const BilanMatch& bilan);
