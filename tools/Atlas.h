// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Plaques.h"

#include <array>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

// l'atlas des jeux : pour chaque tirage distinct de six plaques de la réserve, combien de comptes de
// 101 à 999 se font

// les 13 243 tirages distincts (plaques croissantes), par ordre croissant
std::vector<SixEntiers> TiragesDistincts();

int NbGrandesPlaques(const SixEntiers& plaques);

// les grandes plaques (25, 50, 75, 100) que tient le tirage, comme ensemble de bits (25 : bit 0, …)
unsigned GrandesPlaques(const SixEntiers& plaques);

// chaque ligne d'un atlas comptée au total et à celui de son nombre de grandes plaques (0 à 4)
template <class Ligne, class Total, class Ajouter>
void Totaliser(const std::vector<Ligne>& lignes, Total& total, std::array<Total, 5>& parGrandes, Ajouter ajouter)
{
    for (const Ligne& ligne : lignes)
        for (Total* t : {&total, &parGrandes[static_cast<size_t>(NbGrandesPlaques(ligne.Plaques))]}) {
            ++t->Tirages;
            ajouter(*t, ligne);
        }
}

// « Total : … », puis la ligne de chaque nombre de grandes plaques
template <class Total, class EcrireTotal>
void EcrireTotaux(std::ostream& sortie, const Total& total, const std::array<Total, 5>& parGrandes, EcrireTotal ecrire)
{
    sortie << "Total : ";
    ecrire(sortie, total);
    for (size_t g = 0; g < parGrandes.size(); ++g) {
        sortie << g << (g < 2 ? " grande plaque : " : " grandes plaques : ");
        ecrire(sortie, parGrandes[g]);
    }
}

struct LigneAtlas {
    SixEntiers Plaques{};
    int32_t Comptes = 0;  // comptes de 101 à 999 qui se font
};

struct TotalAtlas {
    int64_t Tirages = 0;
    int64_t Jeux = 0;       // (tirage, compte) : 899 par tirage
    int64_t Faisables = 0;  // jeux dont le compte se fait
};

struct Atlas {
    std::vector<LigneAtlas> Lignes;
    TotalAtlas Total;
    std::array<TotalAtlas, 5> ParGrandes;  // selon le nombre de grandes plaques
};

// d'où viennent les comptes de chaque tirage : des valeurs des sous-tirages, calculées une fois pour
// tous les tirages qui les tiennent, ou d'une recherche de l'inventaire par tirage (l'ancien calcul, bien
// plus lent, gardé pour comparer les deux)
enum class CheminAtlas { SousTirages, Recherche };

// calcule les lignes sur fils fils d'exécution qui se partagent les tirages ; progression(faits, total)
// est appelée de temps en temps par le fil appelant
Atlas DresserAtlas(const std::vector<SixEntiers>& tirages, int fils,
                   const std::function<void(int, int)>& progression = {},
                   CheminAtlas chemin = CheminAtlas::SousTirages);

// une ligne par tirage (« 1 1 2 2 3 3 : 0 »), puis les totaux
void EcrireAtlas(std::ostream& sortie, const Atlas& atlas);
