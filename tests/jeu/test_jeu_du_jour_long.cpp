// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// chaque jour de 2000 à 2100 : le jeu du jour a le niveau de son jour de la semaine, bien avant la borne
#include "JeuDuJour.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <thread>
#include <vector>

TEST(JeuDuJourLong, DeuxMilleADeuxMilleCent)
{
    using namespace std::chrono;
    const sys_days premier{year{2000} / January / 1}, dernier{year{2100} / December / 31};
    const auto nbFils = std::max(1u, std::thread::hardware_concurrency());
    struct Bilan {
        JeuDuJour pire;  // le jour qui a demandé le plus d'essais
        long essais = 0, jours = 0, horsNiveau = 0;
    };
    std::vector<Bilan> bilans(nbFils);
    std::vector<std::thread> fils;
    for (unsigned f = 0; f < nbFils; ++f)
        fils.emplace_back([&, f] {
            for (sys_days jour = premier + days{f}; jour <= dernier; jour += days{nbFils}) {
                const JeuDuJour jeu = GenererJeuDuJour(year_month_day{jour});
                Bilan& b = bilans[f];
                b.pire = jeu.Essais > b.pire.Essais ? jeu : b.pire;
                b.essais += jeu.Essais;
                b.jours += 1;
                b.horsNiveau += jeu.Mesure.Niveau != NiveauDuJour(weekday{jour});
            }
        });
    for (std::thread& t : fils)
        t.join();
    Bilan total;
    for (const Bilan& b : bilans) {
        total.pire = b.pire.Essais > total.pire.Essais ? b.pire : total.pire;
        total.essais += b.essais;
        total.jours += b.jours;
        total.horsNiveau += b.horsNiveau;
    }
    std::cout << total.jours << " jours, " << total.essais << " essais, au plus " << total.pire.Essais << " le "
              << DateIso(total.pire.Date) << " (borne : " << EssaisMaxJeuDuJour << ")\n";
    EXPECT_EQ(total.jours, 36890);
    EXPECT_LT(total.pire.Essais, EssaisMaxJeuDuJour);
    EXPECT_EQ(total.horsNiveau, 0);
}
