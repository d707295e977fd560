// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// le calcul que le joueur tape d'un coup, soit en expression « (75+3)*12-4 », soit en opérations
// « 75+3=78 78*12=936 936-4=932 » (séparées par des virgules, des blancs ou des retours à la ligne) ;
// signes admis : + - * x X × / : ÷, parenthèses et blancs

// les nombres que la saisie offre au calcul tapé ; bouton 0 à 5
struct NombresOfferts {
    std::array<int32_t, 6> Valeur{};
    std::array<bool, 6> Libre{};
    std::array<bool, 6> Resultat{};  // un résultat plutôt qu'une plaque
    std::array<int32_t, 6> Plaques{};  // les plaques du jeu, prises ou non
};

// une opération du calcul, faite comme trois clics : le bouton du premier nombre, le signe, celui du second
struct OperationTapee {
    int Premier = -1, Operateur = 0, Second = -1;
    int32_t ValeurPremier = 0, ValeurSecond = 0, Resultat = 0;
};

struct CalculTape {
    std::vector<OperationTapee> Operations;
    std::string Refus;   // pourquoi il ne se joue pas ; vide s'il se joue
    bool Vide = false;   // rien que des blancs
    bool Jouable() const { return Refus.empty() && !Operations.empty(); }
};

// lit le texte contre les nombres offerts ; un nombre écrit prend d'abord un résultat en attente, puis une
// plaque ; le calcul s'arrête où la saisie s'arrêterait (au compte)
CalculTape LireCalculTape(std::string_view texte, const NombresOfferts& offerts, int32_t but);

// ce que la ligne dit du calcul lu : « 932, à 20 du compte », avec le meilleur résultat quand ce n'est pas
// le dernier, ou son refus, ou rien pour un texte vide ; meilleur : celui du joueur avant ce calcul
std::string LectureCalculTape(const CalculTape& calcul, int32_t but, int32_t meilleur);
