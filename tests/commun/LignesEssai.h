// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Historique.h"

// un jeu d'essai tiré au sort, joué et trouvé par le joueur : toutes les colonnes de la ligne sont remplies,
// sauf les deux approches ; n le distingue des autres (compte, temps)
inline LigneHistorique LigneEssai(int n)
{
    LigneHistorique l;
    l.DateHeure = "2026-12-08T04:36:04Z";
    l.Origine = OrigineJeu::TireAuSort;
    l.Plaques = {25, 3, 7, 1, 100, 9};
    l.But = 101 + n % 899;
    l.NbGrandes = 2;
    l.Niveau = NiveauJeu::Moyen;
    l.OrdreSolutions = OrdreDuSimpleAuTordu;
    l.NbSolutions = 17;
    l.MeilleurResultat = l.But;
    l.NbPossibilites = 123456;
    l.ResultatJoueur = l.But;
    l.TempsJoueur = 1000 + n;
    l.PlaceSolutions = 2;
    l.PlaceCalculs = 40;
    l.LimiteTemps = 45;
    l.TempsPremiereSolution = 3;
    l.TempsToutesSolutions = 9;
    l.RangJoueur = 2;
    return l;
}
