// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

// le temps limite de la saisie du joueur pour un jeu : il court depuis la première ouverture de la saisie
// de ce jeu, et rien ne le rend (« Refaire » recommence le calcul, pas le temps). L'horloge vient de
// l'appelant : des millisecondes, la même que celle qui mesure TempsJoueur.
class LimiteTemps {
public:
    // les dernières secondes, que la fenêtre montre en rouge
    static constexpr int SecondesEnAlerte = 5;
    // le joueur est averti une fois, à tant de secondes de la fin
    static constexpr int SecondesAvertissement = 10;

    // secondes : 0 (ou moins) pour sans limite
    explicit LimiteTemps(int secondes = 0) : secondes_(secondes > 0 ? secondes : 0) {}

    int Secondes() const { return secondes_; }
    int32_t Millisecondes() const { return secondes_ * 1000; }
    bool Active() const { return secondes_ > 0; }

    // la saisie s'ouvre : la première fois le temps part de là, les fois suivantes ne changent rien
    void Demarrer(int32_t maintenant);
    bool Demarree() const { return debut_.has_value(); }

    // le temps qui reste, jamais négatif ; toute la limite tant qu'elle n'a pas démarré
    int32_t ResteMs(int32_t maintenant) const;
    // en secondes entières arrondies vers le haut : tant qu'il reste une milliseconde, il reste 1 s
    int ResteSecondes(int32_t maintenant) const;
    // le temps est écoulé à l'instant même où la limite est atteinte ; jamais sans limite
    bool Ecoule(int32_t maintenant) const;
    // les SecondesEnAlerte dernières secondes, et l'instant de l'écoulement
    bool EnAlerte(int32_t maintenant) const;
    // l'instant d'avertir : les SecondesAvertissement dernières secondes, avant l'écoulement, d'une limite
    // qui dure plus qu'elles
    bool Avertir(int32_t maintenant) const;

private:
    int secondes_ = 0;
    std::optional<int32_t> debut_;
};
