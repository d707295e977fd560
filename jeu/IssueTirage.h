// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FinMatch.h"
#include "Match.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// un camp tel que la boîte d'un tirage le montre : son nom, son calcul, ce qu'il a annoncé et ses points
struct CampMontre {
    std::string Nom;                  // « Vous », « Ordinateur « Confirmé » », « Alice »
    std::vector<std::string> Calcul;  // une opération par ligne (« 75+24=99 ») ; vide sans calcul
    std::string Resultat;             // « 950, à 2 du compte : 7 points »

    bool operator==(const CampMontre&) const = default;
};

// ce que montre la boîte qui suit un tirage de match fini : les deux camps côte à côte, ce que l'ordinateur
// a dit du jeu, où en est le match ; après le dernier tirage, les textes de la fenêtre « Fin du match »
struct IssueTirage {
    std::string Titre;  // « Match : jeu 2/5 »
    std::array<CampMontre, 2> Camps;
    std::string Avertissement;  // « À ma mesure » sans assez de jeux de ce niveau ; vide d'ordinaire
    std::string Etat;           // « Match : jeu 2/5 — Vous 17, Ordinateur 10 »
    std::optional<TextesFinMatch> Fin;

    bool operator==(const IssueTirage&) const = default;
};

// le dernier tirage du match, fini ; calculs : celui de chaque camp (contre l'ordinateur, celui du joueur : celui
// de l'ordinateur vient de son annonce ; à deux, la preuve)
IssueTirage IssueDuTirage(const Match& match, const std::array<std::vector<std::string>, 2>& calculs);
