// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Plaques.h"

#include <array>
#include <string>
#include <vector>

inline constexpr const char* SyntaxeLigneCommande =
    "Syntaxe : VARNEL Plaque1 Plaque2 Plaque3 Plaque4 Plaque5 Plaque6 Resultat";

// ce que « --version » des deux programmes écrit après leur nom et leur version
inline constexpr const char* MentionLicence =
    "Licence GPL-3.0-or-later : GNU GPL version 3 ou toute version ultérieure\n"
    "<https://www.gnu.org/licenses/gpl-3.0.html>.\n"
    "C'est un logiciel libre : vous pouvez le modifier et le redistribuer.\n"
    "Il n'y a AUCUNE GARANTIE, dans la mesure permise par la loi.\n";

// un jeu lu sur la ligne de commande, ou le message d'erreur à montrer
struct JeuLigneCommande {
    SixEntiers Plaques{};
    std::array<bool, 6> PlaqueCachee{true, true, true, true, true, true};
    int32_t But = 0;
    std::string Erreur;  // vide : le jeu est bon

    bool Valide() const { return Erreur.empty(); }
};

// conversion ordinaire d'un texte en entier 32 bits : blancs en tête, signe, chiffres décimaux
bool ConvertirEntier(const std::string& texte, int32_t& valeur);

// six plaques puis le compte (avecBut), chacun un argument ; au-delà de sept, le dernier compte valable l'emporte
JeuLigneCommande LireArguments(const std::vector<std::string>& arguments, bool avecBut = true);
