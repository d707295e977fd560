// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MethodesCalcul.h"

#include "DonneesRecherche.h"
#include "MethodeSolution.h"

#include <ostream>

void EcrireMethode(std::ostream& sortie, const plq_utl& solution, int ordre)
{
    if (const std::optional<Methode> m = MethodeDe(solution, ordre == OrdreDuSimpleAuTordu))
        sortie << "Methode=" << NomMethode(*m) << '\n';
}

void EcrireMethodesInventaire(std::ostream& sortie, const TListeSolutions& liste)
{
    const std::array<ComptesMethodes, 1000> comptes = MethodesParCompte(liste, true);
    sortie << "Methodes de chaque compte :";
    for (Methode m : Methodes)
        sortie << (m == Methodes.front() ? " " : ", ") << NomMethode(m);
    sortie << '\n';
    ComptesMethodes total{};
    for (int32_t v = 101; v <= 999; ++v)
        for (size_t m = 0; m < total.size(); ++m)
            total[m] += comptes[static_cast<size_t>(v)][m];
    const auto ecrire = [&](const char* compte, const ComptesMethodes& n) {
        sortie << compte << " :";
        for (int64_t x : n)
            sortie << ' ' << x;
        sortie << '\n';
    };
    ecrire("Tot", total);
    for (int32_t v = 101; v <= 999; ++v)
        ecrire(std::to_string(v).c_str(), comptes[static_cast<size_t>(v)]);
}
