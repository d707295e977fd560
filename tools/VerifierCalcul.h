// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LigneCommande.h"

#include <iosfwd>
#include <string>

inline constexpr const char* SyntaxeVerifier =
    "          varnel-calcul --verifier \"CALCUL\" Plaque1 Plaque2 Plaque3 Plaque4 Plaque5 Plaque6 Resultat";

// joue le calcul tapé dans une saisie du jeu, comme la fenêtre le jouerait, puis écrit ses opérations une
// par ligne (« 75+3=78 »), « Meilleur=V », « Ecart=D » et « Points=P » ; un calcul qui ne se joue pas est
// refusé avec sa raison sur les erreurs. Rend le code de sortie (0, ou 2 pour un calcul refusé)
int VerifierCalcul(const std::string& calcul, const JeuLigneCommande& jeu, std::ostream& sortie, std::ostream& erreurs);
