// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// varnel-calcul --adversaire et --calibrer : la sortie d'une annonce, les arguments refusés
#include "VarnelCalcul.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

TEST(AdversaireCalcul, AnnonceEtErreurs)
{
    // le Débutant voit au plus 4×3×2 = 24 ; écrit du plus simple, le plus petit intermédiaire d'abord
    std::ostringstream sortie, erreurs;
    EXPECT_EQ(ExecuterVarnelCalcul({"--adversaire", "Débutant", "1", "1", "2", "2", "3", "4", "108"}, sortie, erreurs), 0);
    EXPECT_TRUE(std::regex_match(sortie.str(), std::regex("Annonce=24\nTemps=[0-9]+\\.[0-9]\n3\\*2=6\n6\\*4=24\n")))
        << sortie.str();

    const std::vector<std::string> jeu = {"1", "1", "2", "2", "3", "4", "108"};
    const std::pair<std::vector<std::string>, std::string> cas[] = {
        {{"--adversaire"}, "Il manque la force après --adversaire (debutant, amateur, confirme ou champion)."},
        {{"--adversaire", "expert"}, "Force inconnue : « expert » (debutant, amateur, confirme ou champion)."},
        {{"--adversaire", "à-ma-mesure"}, "« À ma mesure » joue d'après l'historique du joueur, que varnel-calcul ne "
                                          "lit pas (debutant, amateur, confirme ou champion)."},
        {{"--adversaire", "amateur", "--temps", "0"}, "Temps incorrect (un nombre entier de secondes, de 1 à 3600)."},
        {{"--temps", "30", "--calibrer"}, "Le calibrage ne prend que le nombre de tirages."},
        {{"--calibrer", "0"}, "Nombre de tirages incorrect (de 1 à 1000000)."},
        {{"--adversaire", "amateur", "--ordre", "2"}, "L'option --ordre ne va pas avec --adversaire ni avec --calibrer."},
    };
    for (const auto& [options, message] : cas) {
        std::vector<std::string> arguments = options;
        if (options[0] == "--adversaire" && options.size() > 1)
            arguments.insert(arguments.end(), jeu.begin(), jeu.end());
        std::ostringstream rien, refus;
        EXPECT_EQ(ExecuterVarnelCalcul(arguments, rien, refus), 2) << message;
        EXPECT_EQ(refus.str().rfind(message + "\nSyntaxe : ", 0), 0u) << refus.str();
        EXPECT_EQ(rien.str(), "");
    }
}
