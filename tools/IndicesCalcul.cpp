// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "IndicesCalcul.h"

#include "IndicesJeu.h"

#include <ostream>

std::string LireJeuIndices(const std::vector<std::string>& nombres, bool depuis, JeuIndices& lu)
{
    lu = {};
    if (!depuis) {
        lu.Jeu = LireArguments(nombres);
        return lu.Jeu.Erreur;
    }
    if (nombres.size() < 8 || nombres.size() > 7 + NombresApprocheMax)
        return "Il faut de 1 à 6 nombres après --depuis, puis les six plaques et le compte.";
    const size_t k = nombres.size() - 7;
    for (size_t i = 0; i < k; ++i) {
        int32_t n = 0;
        if (!ConvertirEntier(nombres[i], n) || n < 1)
            return "Nombre \"" + nombres[i] + "\" incorrect après --depuis (un entier de 1 à 2147483647).";
        lu.Depuis.push_back(n);
    }
    if (!NombresCalculables(lu.Depuis))
        return "Nombres trop grands après --depuis (le produit des nombres augmentés de 1 doit rester sous 2^127).";
    lu.Jeu = LireArguments({nombres.begin() + static_cast<std::ptrdiff_t>(k), nombres.end()});
    return lu.Jeu.Erreur;
}

void EcrireIndices(std::ostream& sortie, const JeuIndices& jeu)
{
    const IndicesJeu indices(jeu.Jeu.Plaques, jeu.Jeu.But);
    const ApprocheCompte approche =
        indices.Approche(jeu.Depuis.empty() ? std::vector<int64_t>(jeu.Jeu.Plaques.begin(), jeu.Jeu.Plaques.end())
                                            : jeu.Depuis);
    const SolutionLaPlusSimple& simple = indices.LaPlusSimple();
    sortie << "Atteignable=" << (approche.Atteint() ? "oui" : "non") << '\n' << "Ecart=" << approche.Ecart << '\n';
    sortie << "Plaques=";
    if (simple.PlaquesMin == 0)
        sortie << '-';
    else
        sortie << simple.PlaquesMin;
    sortie << '\n' << "Passage=" << simple.Passage << '\n' << "PremiereOperation=" << simple.PremiereOperation << '\n';
}
