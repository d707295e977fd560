// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// ce qui fait refuser une opération de la saisie, qu'elle soit cliquée ou tapée : les nombres restent
// entiers et positifs, et une opération qui rend l'un de ses nombres ne sert à rien
enum class RefusOperation {
    Aucun,
    NonPositive,  // une soustraction qui ne donne pas plus que zéro
    NonEntiere,   // une division qui ne tombe pas juste
    Inutile,      // le résultat égale l'un des deux nombres (×1, ÷1, 10 − 5, 4 ÷ 2)
};

// ce que dit la saisie d'une opération inutile
inline constexpr const char* TexteOperationInutile =
    "Le résultat de cette opération est égal à l'un des deux nombres utilisés !";

// premier op second, le premier à gauche ; op de 0 à 3 (+, -, *, /)
RefusOperation RefuserOperation(int op, int32_t premier, int32_t second);

// le meilleur résultat du joueur après un nouveau résultat : le plus proche du compte, le premier obtenu
// à égale distance ; meilleur vaut Aucun tant qu'il n'y a pas de résultat
int32_t MeilleurResultat(int32_t meilleur, int32_t resultat, int32_t but);
