// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextePartage.h"

#include <algorithm>

namespace {

// « 23,4 s » : dixièmes arrondis au plus proche
std::string Secondes(int32_t millisecondes)
{
    const int64_t dixiemes = (static_cast<int64_t>(std::max(millisecondes, 0)) + 50) / 100;
    return std::to_string(dixiemes / 10) + ',' + std::to_string(dixiemes % 10) + " s";
}

std::string Serie(int jours)
{
    if (jours <= 0)
        return {};
    if (jours == 1)
        return " — série d'un jour";
    return " — " + std::to_string(jours) + " jours de suite";
}

}  // namespace

std::string TexteResultat(const ResultatJour& r)
{
    if (!r.Ecart)
        return "non trouvé";
    if (*r.Ecart == 0)
        return "trouvé en " + Secondes(r.TempsJoueur);
    return "à " + std::to_string(*r.Ecart) + " près";
}

std::string TexteAPartager(const ResultatJour& r)
{
    return std::string("Le varnel — jeu du ") + DateEnLettres(r.Date) + " (" + NomNiveau(r.Niveau) +
           ") : " + TexteResultat(r) + Serie(r.Serie);
}
