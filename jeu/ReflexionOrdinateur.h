// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AnnonceOrdinateur.h"
#include "ForceAdversaire.h"
#include "Plaques.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// la graine du générateur de l'ordinateur : un jeu rejoué (mêmes plaques, même compte, même force) donne le
// même adversaire ; l'ordre des plaques n'y fait rien
uint64_t GraineAdversaire(const SixEntiers& plaques, int32_t but, ForceAdversaire force);

// la réflexion d'une force fixe : elle voit les calculs d'au plus tant d'opérations, les plus courts d'abord,
// chaque longueur dans l'ordre où le moteur les examine ; chaque calcul vu avance son horloge de son allure
// (DescriptionForce) par opération, multipliée par un facteur tiré de 0,5 à 1,5. Elle annonce
// le compte dès qu'elle le voit, sinon, quand le temps est écoulé ou qu'elle a tout vu, le résultat le plus
// proche qu'elle a vu (le premier vu à égalité) ; limiteMs : le temps qu'elle a
AnnonceOrdinateur Reflechir(const SixEntiers& plaques, int32_t but, ForceAdversaire force, int32_t limiteMs);

// un calcul et sa preuve, ligne à ligne
struct CalculProuve {
    int32_t Valeur = 0;
    std::vector<std::string> Calcul;
};
// sans horloge ni limite d'opérations : le premier calcul exact vu (le plus court) ; rien pour un jeu impossible
std::optional<CalculProuve> PremierCalculExact(const SixEntiers& plaques, int32_t but);
// la valeur la plus proche du compte sans être le compte, la première vue à égalité
CalculProuve ApprocheLaPlusProche(const SixEntiers& plaques, int32_t but);
