// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Points.h"

#include <algorithm>
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

int PlafondPoints(BarreauIndice plusHautIndice)
{
    switch (plusHautIndice) {
    case BarreauIndice::Aucun: return PointsMaxParJeu;
    case BarreauIndice::Atteignable:
    case BarreauIndice::CombienDePlaques: return 7;
    case BarreauIndice::NombreDePassage:
    case BarreauIndice::PremiereOperation: return 5;
    }
    return PointsMaxParJeu;
}

int PointsDuJeu(int32_t but, int32_t meilleurJoueur, BarreauIndice plusHautIndice)
{
    return std::min(PointsDuJeu(but, meilleurJoueur), PlafondPoints(plusHautIndice));
}
