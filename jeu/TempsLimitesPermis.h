// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

// un choix du temps limite de la saisie : ses secondes (0 : sans limite) et le texte de sa rubrique
struct OptionTempsLimite {
    int Secondes = 0;
    const char* Texte = "";
};

// les choix du joueur, dans l'ordre du menu : sans limite, puis de la plus courte à la plus longue ; le
// menu, la lecture de varnel.ini et la série en dérivent
inline constexpr std::array<OptionTempsLimite, 5> TempsLimitesPermis{{
    {0, "&Sans limite"},
    {30, "&30 secondes"},
    {45, "&45 secondes"},
    {60, "&60 secondes"},
    {90, "&90 secondes"},
}};

constexpr bool EstTempsLimitePermis(int64_t secondes)
{
    return std::any_of(TempsLimitesPermis.begin(), TempsLimitesPermis.end(),
                       [secondes](const OptionTempsLimite& o) { return o.Secondes == secondes; });
}

// une série se joue toujours contre la montre : sans limite choisie, chaque jeu a celle-ci
inline constexpr int TempsLimiteSerieSansChoix = 45;
static_assert(EstTempsLimitePermis(TempsLimiteSerieSansChoix));

// le temps limite des jeux d'une série quand le joueur a choisi celui-ci
constexpr int TempsLimiteDeSerie(int choisi)
{
    return choisi > 0 && EstTempsLimitePermis(choisi) ? choisi : TempsLimiteSerieSansChoix;
}
