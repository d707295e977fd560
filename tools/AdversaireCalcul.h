// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

inline constexpr const char* SyntaxeAdversaire =
    "          varnel-calcul --adversaire FORCE [--temps S] Plaque1 ... Plaque6 Resultat";
inline constexpr const char* SyntaxeCalibrer = "          varnel-calcul --calibrer [N]";

// ce que l'aide de varnel-calcul dit de --adversaire et de --calibrer
extern const char* const AideAdversaire;

// ce qu'ont fait --adversaire ou --calibrer
struct IssueAdversaire {
    std::string Erreur;  // vide : la sortie est écrite ; sinon le message d'arguments incorrects, rien n'est écrit
};

// l'ordinateur qui joue un jeu (--adversaire), ou le calibrage de ses forces (--calibrer) ; rien quand les
// arguments ne demandent ni l'un ni l'autre
std::optional<IssueAdversaire> ExecuterAdversaire(const std::vector<std::string>& arguments, std::ostream& sortie);
