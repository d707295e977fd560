// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

// l'échelle des indices, du plus vague au plus précis : chaque barreau se demande après le précédent, et
// son prix (un plafond des points du jeu) se dit avant qu'on le prenne
enum class BarreauIndice : uint8_t {
    Aucun = 0,
    Atteignable = 1,
    CombienDePlaques = 2,
    NombreDePassage = 3,
    PremiereOperation = 4,
};
inline constexpr std::array<BarreauIndice, 4> TousLesBarreaux{BarreauIndice::Atteignable, BarreauIndice::CombienDePlaques,
                                                             BarreauIndice::NombreDePassage,
                                                             BarreauIndice::PremiereOperation};

// le barreau au-dessus ; Aucun au-dessus du dernier
BarreauIndice BarreauSuivant(BarreauIndice barreau);

// « Atteignable ? », « Combien de plaques ? », « Un nombre de passage », « Première opération »
const char* QuestionIndice(BarreauIndice barreau);
// « au plus 7 points »
std::string PrixIndice(BarreauIndice barreau);
// « Atteignable ? (au plus 7 points) »
std::string AnnonceIndice(BarreauIndice barreau);

// les réponses : « Oui », « Non : au mieux à 3 »
std::string TexteAtteignable(int64_t ecart);
// « Au moins 4 plaques », « Aucune solution exacte »
std::string TextePlaques(int plaquesMin);
// « Passez par 99 »
std::string TextePassage(int32_t passage);
