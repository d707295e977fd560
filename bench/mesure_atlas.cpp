// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// l'atlas complet par l'un ou l'autre chemin, écrit sur la sortie standard comme varnel-calcul --atlas,
// pour le mesurer de l'extérieur (bench/atlas) :
//   mesure_atlas sous-tirages|recherche [fils]
#include "Atlas.h"

#include <cstdlib>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    const std::string chemin = argc > 1 ? argv[1] : "";
    const int fils = argc > 2 ? std::atoi(argv[2]) : 2;
    if ((chemin != "sous-tirages" && chemin != "recherche") || argc > 3 || fils < 1) {
        std::cerr << "Syntaxe : mesure_atlas sous-tirages|recherche [fils]\n";
        return 2;
    }
    EcrireAtlas(std::cout, DresserAtlas(TiragesDistincts(), fils, {},
                                        chemin == "recherche" ? CheminAtlas::Recherche : CheminAtlas::SousTirages));
    std::cout.flush();
    return std::cout ? 0 : 1;
}
