// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DonneesRecherche.h"
#include "Historique.h"
#include "JeuDuJour.h"
#include "SerieJours.h"
#include "TextePartage.h"

#include <string>
#include <vector>

// ce que montre la petite boîte après un jeu du jour : l'essai qui compte ce jour-là (le premier fini), la
// série de jours, et si l'essai qui vient de finir n'était qu'un essai de plus, compté comme jeu proposé
struct ResumeJour {
    ResultatJour Resultat;  // Resultat.Serie : la série en cours
    SerieJours Serie;
    bool Rejoue = false;
};

// les jeux du jour de l'historique (origine jour, à une date du calendrier), dans l'ordre d'enregistrement :
// leur date, l'écart du joueur au compte, son temps (le niveau n'y est pas gardé)
std::vector<ResultatJour> JeuxDuJourEnregistres(const std::vector<LigneHistorique>& lignes);
// le jeu du jour de cette date est déjà parmi eux
bool JeuDuJourDejaJoue(const std::vector<ResultatJour>& enregistres, DateJour date);
// la série de jours qu'ils font
SerieJours SerieDesJeuxDuJour(const std::vector<ResultatJour>& enregistres, DateJour aujourdhui);
// « Série de jours en cours : 3 jours — plus longue série : 7 jours »
std::string TexteSerieJours(const SerieJours& serie);

// le résultat de l'essai du jeu du jour qui vient de finir : l'écart du meilleur résultat du joueur au compte
// (rien sans calcul), son temps
ResultatJour ResultatDeLEssai(const JeuDuJour& jeu, const DonneesRecherche& d);

// enregistres : les jeux du jour de l'historique, dans l'ordre d'enregistrement ; essai : celui qui vient de
// finir. Le premier enregistré à la date de l'essai est celui qui compte ; sans lui (historique impossible à
// écrire), l'essai lui-même, s'il n'est pas rejoué
ResumeJour ResumerJour(const std::vector<ResultatJour>& enregistres, const ResultatJour& essai, bool rejoue,
                       DateJour aujourdhui);

// « Jeu du 8 décembre 2026 (Difficile) », « Résultat : trouvé en 23,4 s », « Série en cours : 5 jours »,
// « Plus longue série : 12 jours », puis, après un essai de plus, ce qu'il en est
std::vector<std::string> LignesResume(const ResumeJour& r);
