// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Match.h"
#include "Records.h"

#include <cstdint>
#include <string>
#include <vector>

// un match gardé dans l'historique : son numéro, la date de son début (temps universel) et son bilan, réécrit
// après chaque tirage (un match arrêté y reste non fini)
struct LigneMatch {
    int64_t Numero = 0;
    std::string DateHeure;
    BilanMatch Bilan;

    bool operator==(const LigneMatch&) const = default;
};

// les matchs finis contre l'ordinateur d'une force, du point de vue du joueur, et la date du dernier ; un match
// abandonné n'est ni gagné, ni nul, ni perdu, et un match à deux n'est pas au joueur seul
struct ResultatsForce {
    ForceAdversaire Force = ForceAdversaire::Amateur;
    int Gagnes = 0;
    int Nuls = 0;
    int Perdus = 0;
    std::string Dernier;

    bool operator==(const ResultatsForce&) const = default;
};
// une par force, dans l'ordre du menu ; matchs : les plus anciens d'abord
std::vector<ResultatsForce> ResultatsParForce(const std::vector<LigneMatch>& matchs);

// les lignes de la partie « Records » de la fenêtre de l'historique, une par force : « 2 gagnés, 1 nul,
// 0 perdu », « - » sans match fini
std::vector<LigneRecord> RecordsMatchs(const std::vector<LigneMatch>& matchs);
