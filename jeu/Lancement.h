// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DemandeJeu.h"

#include <optional>
#include <string>
#include <vector>

inline constexpr const char* OptionJeuDuJour = "--jour";
inline constexpr const char* OptionMatch = "--match";
inline constexpr const char* SyntaxeMatch = "Syntaxe : varnel --match [debutant|amateur|confirme|champion|mesure]";
// « varnel --match » sans force : celle du milieu, que prend aussi « À ma mesure » sans assez de jeux
inline constexpr ForceAdversaire ForceMatchParDefaut = ForceAdversaire::Amateur;

// ce que demande la ligne de commande du programme à fenêtres : rien, le jeu du jour (--jour), une série
// (--serie [NIVEAU]), un match contre l'ordinateur (--match [FORCE]) ou un jeu à résoudre (six plaques et le
// compte) ; ou l'erreur à dire, avec sa syntaxe
struct Lancement {
    std::optional<DemandeJeu> Demande;
    std::string Erreur;  // vide : la ligne est bonne
    std::string Syntaxe;

    bool Valide() const { return Erreur.empty(); }
};

// arguments : sans le nom du programme
Lancement LireLancement(const std::vector<std::string>& arguments);
