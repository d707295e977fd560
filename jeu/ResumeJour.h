// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DonneesRecherche.h"
#include "Historique.h"
#include "JeuDuJour.h"
#include "JoursDeSuite.h"
#include "TextePartage.h"

#include <string>
#include <vector>

// ce que montre la petite boîte après un jeu du jour : l'essai qui compte ce jour-là (le premier fini), les
// jours de suite, et si l'essai qui vient de finir n'était qu'un essai de plus, compté comme jeu proposé
struct ResumeJour {
    ResultatJour Resultat;  // Resultat.Suite : les jours de suite en cours
    JoursDeSuite Suite;
    bool Rejoue = false;

    bool operator==(const ResumeJour&) const = default;
};

// les jeux du jour de l'historique (origine jour, à une date du calendrier), dans l'ordre d'enregistrement :
// leur date, l'écart du joueur au compte, son temps (le niveau n'y est pas gardé)
std::vector<ResultatJour> JeuxDuJourEnregistres(const std::vector<LigneHistorique>& lignes);
// le jeu du jour de cette date est déjà parmi eux
bool JeuDuJourDejaJoue(const std::vector<ResultatJour>& enregistres, DateJour date);
// les jours de suite qu'ils font
JoursDeSuite JoursDeSuiteEnregistres(const std::vector<ResultatJour>& enregistres, DateJour aujourdhui);
// « Jours de suite : 3 — le plus : 7 »
std::string TexteJoursDeSuite(const JoursDeSuite& suite);

// le résultat de l'essai du jeu du jour qui vient de finir : l'écart du meilleur résultat du joueur au compte
// (rien sans calcul), son temps
ResultatJour ResultatDeLEssai(const JeuDuJour& jeu, const DonneesRecherche& d);

// enregistres : les jeux du jour de l'historique, dans l'ordre d'enregistrement ; essai : celui qui vient de
// finir. Le premier enregistré à la date de l'essai est celui qui compte ; sans lui (historique impossible à
// écrire), l'essai lui-même, s'il n'est pas rejoué
ResumeJour ResumerJour(const std::vector<ResultatJour>& enregistres, const ResultatJour& essai, bool rejoue,
                       DateJour aujourdhui);

// « Jeu du 8 décembre 2026 (Difficile) », « Résultat : trouvé en 23,4 s », « Jours de suite : 5 »,
// « Le plus de jours de suite : 12 », puis, après un essai de plus, ce qu'il en est
std::vector<std::string> LignesResume(const ResumeJour& r);
