// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pourcentage.h"

namespace {

__extension__ typedef __int128 Entier128;

std::string EnChiffres(Entier128 v)
{
    std::string chiffres;
    do {
        chiffres.push_back(static_cast<char>('0' + static_cast<int>(v % 10)));
        v /= 10;
    } while (v != 0);
    return {chiffres.rbegin(), chiffres.rend()};
}

// compte × 100 / total au plus proche (0 sur 0 : 0), les moitiés vers le haut, en nombres entiers exacts : ni le mode
// d'arrondi de printf (qui va au pair : 12,5 donnerait 12) ni la langue de la machine n'y changent rien
std::string Proportion(int64_t compte, int64_t total, int decimales, char virgule)
{
    if (total == 0)
        return Proportion(0, 1, decimales, virgule);
    Entier128 echelle = 1;
    for (int i = 0; i < decimales; ++i)
        echelle *= 10;
    Entier128 n = Entier128{compte} * 100 * echelle;
    Entier128 t = total;
    if (t < 0) {
        n = -n;
        t = -t;
    }
    // plancher de (n / t + 1/2)
    const Entier128 a = 2 * n + t, b = 2 * t;
    Entier128 q = a / b;
    if (a % b != 0 && a < 0)
        --q;
    const bool negatif = q < 0;
    const Entier128 m = negatif ? -q : q;
    std::string texte = negatif ? "-" : "";
    texte += EnChiffres(m / echelle);
    if (decimales > 0) {
        const std::string fraction = EnChiffres(m % echelle);
        texte += virgule;
        texte.append(static_cast<size_t>(decimales) - fraction.size(), '0');
        texte += fraction;
    }
    return texte;
}

}  // namespace

std::string PourcentageEntier(int64_t compte, int64_t total) { return Proportion(compte, total, 0, '.'); }

std::string PourcentageDeuxDecimales(int64_t compte, int64_t total) { return Proportion(compte, total, 2, '.'); }

std::string PourcentageEntierSigne(int64_t compte, int64_t total) { return Proportion(compte, total, 0, '.') + "%"; }

std::string PourcentageVirgule(int64_t compte, int64_t total) { return Proportion(compte, total, 2, ',') + " %"; }
