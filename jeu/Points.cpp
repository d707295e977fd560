// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Points.h"

#include <cstdlib>

int PointsDuJeu(int32_t but, int32_t meilleurJoueur)
{
    if (meilleurJoueur == Aucun)
        return 0;
    // en 64 bits : l'écart d'un résultat quelconque au compte ne déborde pas
    const int64_t ecart = std::llabs(int64_t{meilleurJoueur} - int64_t{but});
    if (ecart == 0)
        return PointsMaxParJeu;
    if (ecart <= 5)
        return 7;
    if (ecart <= 10)
        return 5;
    return 0;
}

int PointsDuJeu(const DonneesRecherche& d) { return PointsDuJeu(d.But, d.MeilleurJoueur); }
