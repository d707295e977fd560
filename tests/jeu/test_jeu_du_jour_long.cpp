// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// chaque jour de 2000 à 2100 : le jeu du jour a le niveau de son jour de la semaine, bien avant la borne
#include "JeuDuJour.h"

#include <gtest/gtest.h>

#include <iostream>

TEST(JeuDuJourLong, DeuxMilleADeuxMilleCent)
{
    using namespace std::chrono;
    int jours = 0, essais = 0;
    JeuDuJour pire{};  // le jour qui a demandé le plus de tirages
    for (sys_days jour{year{2000} / January / 1}; jour <= sys_days{year{2100} / December / 31}; jour += days{1}) {
        const JeuDuJour jeu = GenererJeuDuJour(year_month_day{jour});
        EXPECT_EQ(jeu.Mesure.Niveau, NiveauDuJour(weekday{jour})) << DateIso(jeu.Date);
        pire = jeu.Essais > pire.Essais ? jeu : pire;
        essais += jeu.Essais;
        ++jours;
    }
    std::cout << jours << " jours, " << essais << " tirages, au plus " << pire.Essais << " le " << DateIso(pire.Date)
              << " (borne : " << EssaisMaxJeuDuJour << ")\n";
    EXPECT_EQ(jours, 36890);
    EXPECT_LT(pire.Essais, EssaisMaxJeuDuJour);
}
