// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "JoursDeSuite.h"

#include <algorithm>
#include <map>

JoursDeSuite CompterJoursDeSuite(const std::vector<JeuDuJourJoue>& joues, DateJour aujourdhui)
{
    using std::chrono::sys_days;
    const sys_days jourJ{aujourdhui};
    std::map<sys_days, bool> premiers;  // le premier jeu de chaque jour, par date
    for (const JeuDuJourJoue& j : joues)
        if (j.Date.ok() && sys_days{j.Date} <= jourJ)
            premiers.emplace(sys_days{j.Date}, j.Trouve);

    // les jours joués dans l'ordre du calendrier ; le dernier est au plus aujourd'hui
    JoursDeSuite suite;
    int courante = 0;
    sys_days dernier{};
    for (const auto& [jour, trouve] : premiers) {
        courante = !trouve ? 0 : (courante > 0 && jour - dernier == std::chrono::days{1}) ? courante + 1 : 1;
        suite.PlusLongue = std::max(suite.PlusLongue, courante);
        dernier = jour;
    }
    if (!premiers.empty() && jourJ - dernier <= std::chrono::days{1})
        suite.EnCours = courante;
    return suite;
}
