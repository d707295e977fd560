// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Niveau.h"
#include "Plaques.h"

#include <array>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <vector>

// l'atlas des niveaux : pour chaque tirage distinct de six plaques, combien de ses 899 jeux (un par
// compte de 101 à 999) sont de chaque niveau

// jeux par niveau, indice NiveauJeu − 1 : Facile, Moyen, Difficile, Expert, Impossible
using JeuxParNiveau = std::array<int64_t, 5>;

struct LigneAtlasNiveaux {
    SixEntiers Plaques{};
    JeuxParNiveau Jeux{};
};

struct TotalNiveaux {
    int64_t Tirages = 0;
    JeuxParNiveau Jeux{};

    int64_t Tous() const;
    int64_t Faisables() const;  // tous sauf les impossibles
};

struct AtlasNiveaux {
    std::vector<LigneAtlasNiveaux> Lignes;
    TotalNiveaux Total;
    std::array<TotalNiveaux, 5> ParGrandes;  // selon le nombre de grandes plaques
};

// le niveau des jeux d'un tirage : un relevé des solutions exactes de tous ses comptes, en une recherche
JeuxParNiveau NiveauxDuTirage(const SixEntiers& plaques);

// sur fils fils d'exécution qui se partagent les tirages ; progression(faits, total) est appelée de
// temps en temps par le fil appelant
AtlasNiveaux DresserAtlasNiveaux(const std::vector<SixEntiers>& tirages, int fils,
                                 const std::function<void(int, int)>& progression = {});

// une ligne par tirage (« 1 1 2 2 3 4 : 0 0 0 0 899 », dans l'ordre des niveaux), puis les totaux : en
// tout et selon le nombre de grandes plaques, les jeux de chaque niveau et leur part
void EcrireAtlasNiveaux(std::ostream& sortie, const AtlasNiveaux& atlas);
