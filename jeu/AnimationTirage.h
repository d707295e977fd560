// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

// un chiffre du compte qui tourne comme une roue, de plus en plus lentement
struct RouleauChiffre {
    uint32_t Croissance = 0;  // allongement de la période à chaque pas, en pour cent
    uint32_t Periode = 0;     // écart actuel entre deux pas, en millisecondes
    uint32_t Delai = 0;       // départ différé, en millisecondes
};

// l'animation d'un tirage : les trois roues (centaines, dizaines, unités) et son horloge
struct EtatAnimation {
    std::array<RouleauChiffre, 3> Rouleaux{};
    uint32_t TempsAnimation = 0;  // avancée de 50 à chaque pas de la minuterie
};

// une roue s'arrête quand son prochain ralentissement porterait l'écart à une seconde ou plus
bool RouleauArrete(const RouleauChiffre& rouleau);

// fait tourner d'un cran le chiffre d'une roue (0 centaines, 1 dizaines, 2 unités) ; 100 est sauté
int32_t AvancerChiffre(int32_t but, int rouleau);

// fait tourner d'un cran chaque roue dont l'heure est venue, à TempsAnimation ; vrai si le compte a changé
bool AvancerRoues(EtatAnimation& animation, int32_t& but);

// le nombre de pas d'une roue avant son arrêt
int PasDuRouleau(RouleauChiffre rouleau);

// le compte sur lequel s'arrêtent les roues, parties de 000 avec ces paramètres
int32_t CompteFinal(EtatAnimation animation);
