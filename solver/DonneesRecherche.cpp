// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DonneesRecherche.h"

void DonneesRecherche::ViderSolutions()
{
    ListeSolutions.Vider();
    NbSolutions = 0;
    NbSolutionsPlaques.fill(0);
}

void DonneesRecherche::OublierJoueur()
{
    EtatJoueur.reset();
    MeilleurJoueur = SommeJoueur = MaxJoueur = Aucun;
    TempsJoueur = 0;
}
