// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SolutionLaPlusSimple.h"

#include "ExecutionRecherche.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace {

// le plus grand des deux opérandes d'une ligne « a?b=c » du moteur
int32_t PlusGrandOperande(std::string_view ligne)
{
    int32_t a = 0, b = 0;
    const char* debut = ligne.data();
    const char* fin = debut + ligne.size();
    const auto [signe, erreurA] = std::from_chars(debut, fin, a);
    if (erreurA == std::errc() && signe != fin)
        std::from_chars(signe + 1, fin, b);
    return std::max(a, b);
}

}  // namespace

SolutionLaPlusSimple ChercherSolutionLaPlusSimple(const SixEntiers& plaques, int32_t but)
{
    DonneesRecherche d;
    d.Plaques = plaques;
    d.But = but;
    d.OrdreSolutions = OrdreDuSimpleAuTordu;
    ExecuterRecherche(d);

    SolutionLaPlusSimple s;
    if (d.ListeSolutions.Vide())
        return s;
    // l'ordre range d'abord par nombre de plaques : la première solution exacte en a le moins
    if (d.ButAtteint)
        s.PlaquesMin = NbPlaquesMasque(d.ListeSolutions.Objet(0)->MasquePlaques);
    std::string_view texte = d.ListeSolutions.Texte(0);
    while (!texte.empty() && texte.back() == '\n')
        texte.remove_suffix(1);
    s.PremiereOperation = texte.substr(0, texte.find('\n'));
    const size_t derniere = texte.rfind('\n');
    s.Passage = PlusGrandOperande(derniere == std::string_view::npos ? texte : texte.substr(derniere + 1));
    return s;
}
