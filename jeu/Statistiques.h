// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Historique.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// les dix-sept compteurs des statistiques, dans l'ordre du fichier ; M la machine, H le joueur,
// MH la machine sur les seuls jeux où le joueur a fait un calcul
namespace Cumul {
enum Indice : size_t {
    RecherchesM,
    RecherchesH,
    TrouvesM,
    TrouvesH,
    ApprochesM,
    ApprochesH,
    Proposes,
    TiresAuSort,
    SolutionsM,
    SolutionsMH,
    SolutionsH,
    PossibilitesM,
    PossibilitesMH,
    PossibilitesH,
    Temps1ereSolM,
    TempsToutesSolM,
    TempsH,
    Nombre
};
}  // namespace Cumul

// les noms des clés, dans l'ordre des indices
extern const std::array<const char*, Cumul::Nombre> ClesCumuls;

// en 64 bits : en 32 bits, PossibilitesM déborde après quelque 21 000 jeux
struct CumulsStat {
    std::array<int64_t, Cumul::Nombre> Valeurs{};

    int64_t& operator[](Cumul::Indice i) { return Valeurs[i]; }
    int64_t operator[](Cumul::Indice i) const { return Valeurs[i]; }
    bool operator==(const CumulsStat&) const = default;
};

// ce qu'un jeu ajoute aux compteurs, lu dans sa ligne de l'historique (faite par LigneDuJeu) : les
// statistiques et l'historique disent ainsi le même jeu, et un jeu de l'historique que les statistiques
// n'ont pas encore compté s'y ajoute plus tard tel quel
CumulsStat MontantsJeu(const LigneHistorique& l);

// addition compteur par compteur ; un total qui dépasserait les 64 bits reste au plus grand
void AjouterCumuls(CumulsStat& total, const CumulsStat& jeu);

// textes de la fenêtre des statistiques, par nom d'étiquette ; les étiquettes absentes gardent
// leur texte de départ (« 0 » ou « - ») faute de diviseur non nul
using TextesEtiquettes = std::vector<std::pair<std::string, std::string>>;
TextesEtiquettes TextesStatistiques(const CumulsStat& c);
