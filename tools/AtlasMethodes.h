// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "MethodeSolution.h"
#include "Plaques.h"

#include <array>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <vector>

// l'atlas des méthodes : pour chaque tirage distinct de six plaques, combien de ses jeux faisables ont une
// solution la plus simple de chaque méthode

struct LigneAtlasMethodes {
    SixEntiers Plaques{};
    ComptesMethodes Jeux{};
};

struct TotalMethodes {
    int64_t Tirages = 0;
    ComptesMethodes Jeux{};

    int64_t Faisables() const;
};

struct AtlasMethodes {
    std::vector<LigneAtlasMethodes> Lignes;
    TotalMethodes Total;
    std::array<TotalMethodes, 5> ParGrandes;  // selon le nombre de grandes plaques
};

// la méthode de la solution la plus simple de chaque compte faisable du tirage, en une recherche
ComptesMethodes MethodesDuTirage(const SixEntiers& plaques);

// sur fils fils d'exécution ; progression(faits, total) appelée de temps en temps par le fil appelant
AtlasMethodes DresserAtlasMethodes(const std::vector<SixEntiers>& tirages, int fils,
                                   const std::function<void(int, int)>& progression = {});

// une ligne par tirage (« 1 1 2 2 3 4 : 0 0 0 0 1 », dans l'ordre des méthodes), puis les totaux : en tout
// et selon le nombre de grandes plaques, les jeux faisables de chaque méthode et leur part
void EcrireAtlasMethodes(std::ostream& sortie, const AtlasMethodes& atlas);
