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
