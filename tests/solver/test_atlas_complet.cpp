// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// test long : l'atlas complet par les sous-tirages, ligne à ligne contre la recherche de chaque tirage
#include "Atlas.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Lignes(CheminAtlas chemin)
{
    std::ostringstream sortie;
    EcrireAtlas(sortie, DresserAtlas(TiragesDistincts(), 2, {}, chemin));
    std::istringstream flux(sortie.str());
    std::vector<std::string> lignes;
    for (std::string ligne; std::getline(flux, ligne);)
        lignes.push_back(ligne);
    return lignes;
}

}  // namespace

TEST(AtlasComplet, SousTiragesCommeLaRecherche)
{
    const std::vector<std::string> nouvelles = Lignes(CheminAtlas::SousTirages);
    const std::vector<std::string> anciennes = Lignes(CheminAtlas::Recherche);
    ASSERT_EQ(nouvelles.size(), 13243u + 6u);
    ASSERT_EQ(nouvelles.size(), anciennes.size());
    for (size_t i = 0; i < nouvelles.size(); ++i)
        ASSERT_EQ(nouvelles[i], anciennes[i]) << "ligne " << i + 1;
    EXPECT_EQ(nouvelles[13243], "Total : 13243 tirages, 11905457 jeux, 10858746 faisables (91,21 %)");
}
