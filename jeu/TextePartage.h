// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DateJour.h"
#include "Niveau.h"

#include <cstdint>
#include <optional>
#include <string>

// le résultat d'un jeu du jour, tel qu'on le partage : ni plaques, ni compte, ni solution
struct ResultatJour {
    DateJour Date;
    NiveauJeu Niveau = NiveauJeu::Facile;
    std::optional<int32_t> Ecart;  // du meilleur résultat du joueur au compte ; rien : pas de calcul
    int32_t TempsJoueur = 0;       // ms
    int Suite = 0;                 // les jours de suite en cours, ce jeu compris
};

// « trouvé en 23,4 s », « à 3 près », « non trouvé »
std::string TexteResultat(const ResultatJour& r);

// « Le varnel — jeu du 8 décembre 2026 (Difficile) : trouvé en 23,4 s — 5 jours de suite » ;
// sinon « à 3 près » ou « non trouvé », « 1 jour de suite », et rien des jours de suite quand il n'y en a pas
std::string TexteAPartager(const ResultatJour& r);
