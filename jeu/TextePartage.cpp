// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextePartage.h"

#include "Historique.h"

namespace {

std::string Suite(int jours)
{
    if (jours <= 0)
        return {};
    return " — " + std::to_string(jours) + (jours > 1 ? " jours de suite" : " jour de suite");
}

}  // namespace

std::string TexteResultat(const ResultatJour& r)
{
    if (!r.Ecart)
        return "non trouvé";
    if (*r.Ecart == 0)
        return "trouvé en " + TexteSecondes(r.TempsJoueur);
    return "à " + std::to_string(*r.Ecart) + " près";
}

std::string TexteAPartager(const ResultatJour& r)
{
    return std::string("Le varnel — jeu du ") + DateEnLettres(r.Date) + " (" + NomNiveau(r.Niveau) +
           ") : " + TexteResultat(r) + Suite(r.Suite);
}
