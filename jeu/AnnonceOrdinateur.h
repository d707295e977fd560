// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ForceAdversaire.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// ce que l'ordinateur annonce au bout de sa réflexion, et le calcul qui le prouve
struct AnnonceOrdinateur {
    ForceAdversaire Force = ForceAdversaire::Amateur;  // celle qui a joué : « Amateur » pour « À ma mesure » sans assez de jeux
    std::optional<int32_t> Valeur;  // rien : aucun calcul vu dans le temps
    int32_t TempsMs = 0;            // le moment de l'annonce, depuis le début de la réflexion
    // la preuve : une opération par ligne, comme le moteur les écrit (« 75+24=99 »), la dernière sur Valeur
    std::vector<std::string> Calcul;
    std::string Avertissement;  // ce que l'ordinateur dit du jeu avant d'annoncer ; vide d'ordinaire

    bool operator==(const AnnonceOrdinateur&) const = default;
};
