// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// la force de l'ordinateur, choisie pour tout un match
enum class ForceAdversaire : uint8_t {
    Debutant = 1,
    Amateur = 2,
    Confirme = 3,
    Champion = 4,
    AMaMesure = 5,  // joue comme le joueur d'après son historique
};

// une force : son nom, sa rubrique du menu, son mot de la ligne de commande, ce qu'elle voit (calculs d'au
// plus tant d'opérations) et à quelle allure (millisecondes par opération de chaque calcul vu) ; 0 pour
// « À ma mesure », qui ne cherche pas comme les autres
struct DescriptionForce {
    ForceAdversaire Force;
    const char* Nom;
    const char* Rubrique;
    const char* MotCle;
    int Operations;
    double MsParOperation;
};

// les forces, dans l'ordre du menu : les quatre fixes de la plus faible à la plus forte, puis « À ma mesure »
inline constexpr std::array<DescriptionForce, 5> Forces{{
    {ForceAdversaire::Debutant, "Débutant", "&Débutant", "debutant", 2, 40.0},
    {ForceAdversaire::Amateur, "Amateur", "&Amateur", "amateur", 3, 6.0},
    {ForceAdversaire::Confirme, "Confirmé", "&Confirmé", "confirme", 4, 1.2},
    {ForceAdversaire::Champion, "Champion", "C&hampion", "champion", 5, 0.3},
    {ForceAdversaire::AMaMesure, "À ma mesure", "À &ma mesure", "mesure", 0, 0.0},
}};
static_assert(Forces[4].Force == ForceAdversaire::AMaMesure && static_cast<int>(Forces[0].Force) == 1);

// les quatre forces fixes, de la plus faible à la plus forte
inline constexpr std::array<ForceAdversaire, 4> ForcesFixes{ForceAdversaire::Debutant, ForceAdversaire::Amateur,
                                                           ForceAdversaire::Confirme, ForceAdversaire::Champion};

const DescriptionForce& DecrireForce(ForceAdversaire force);
// « Débutant », …, « À ma mesure »
inline const char* NomForce(ForceAdversaire force) { return DecrireForce(force).Nom; }

// une force écrite par quelqu'un : son mot ou son nom, sans égard aux majuscules, aux accents, aux
// espaces ni aux traits d'union (« debutant », « Débutant », « CONFIRMÉ », « à-ma-mesure ») ; rien sinon
std::optional<ForceAdversaire> LireForce(std::string_view texte);
