// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Niveau.h"

int NoteDuJeu(int plaquesMin, int32_t nbSolutions)
{
    const int rarete = nbSolutions <= 2 ? 2 : nbSolutions <= 5 ? 1 : 0;
    return (plaquesMin - 1) + rarete;
}

NiveauJeu NiveauDeLaNote(int note)
{
    if (note <= 3)
        return NiveauJeu::Facile;
    if (note == 4)
        return NiveauJeu::Moyen;
    if (note <= 6)
        return NiveauJeu::Difficile;
    return NiveauJeu::Expert;
}

MesureNiveau MesurerNiveau(int plaquesMin, int32_t nbSolutions)
{
    return {NiveauDeLaNote(NoteDuJeu(plaquesMin, nbSolutions)), plaquesMin, nbSolutions};
}

MesureNiveau MesurerNiveau(const DonneesRecherche& d)
{
    // sans compte atteint, la liste tient les approches : elles ne font pas un niveau
    if (!d.ButAtteint || d.NbSolutions <= 0)
        return {};
    for (int n = 2; n <= 6; ++n)
        if (d.NbSolutionsPlaques[static_cast<size_t>(n)] > 0)
            return MesurerNiveau(n, d.NbSolutions);
    return {};
}

const char* NomNiveau(NiveauJeu niveau)
{
    switch (niveau) {
    case NiveauJeu::Facile:
        return "Facile";
    case NiveauJeu::Moyen:
        return "Moyen";
    case NiveauJeu::Difficile:
        return "Difficile";
    case NiveauJeu::Expert:
        return "Expert";
    case NiveauJeu::Impossible:
        break;
    }
    return "Impossible";
}
