// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// la suite SplitMix64 (Steele, Lea et Flood, 2014), écrite ici plutôt que prise à la bibliothèque : la
// même graine doit donner la même suite sur toute machine, tout compilateur, toute version
class GenerateurSplitMix {
public:
    explicit constexpr GenerateurSplitMix(uint64_t graine) : etat_(graine) {}

    constexpr uint64_t Suivant()
    {
        uint64_t z = (etat_ += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }

    // un entier de 0 à n - 1, par le reste de la division : sur 64 bits, son biais (n / 2^64) ne se voit pas
    constexpr uint32_t Entier(uint32_t n) { return static_cast<uint32_t>(Suivant() % n); }

    // un réel de 0 (compris) à 1 (exclu), sur 53 bits
    constexpr double Reel() { return static_cast<double>(Suivant() >> 11) * 0x1.0p-53; }

private:
    uint64_t etat_;
};
