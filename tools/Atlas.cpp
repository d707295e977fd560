// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Atlas.h"

#include "ExecutionRecherche.h"
#include "ParcoursParallele.h"
#include "Pourcentage.h"
#include "TableAtteignables.h"

#include <algorithm>
#include <optional>
#include <ostream>

namespace {

void Tirer(size_t valeur, SixEntiers& tirage, int pris, std::vector<SixEntiers>& tirages)
{
    if (pris == 6) {
        tirages.push_back(tirage);
        return;
    }
    if (valeur == ValeursPlaques.size())
        return;
    // de la plus petite valeur à la plus grande : les tirages sortent par ordre croissant
    for (int n = std::min(ExemplairesPlaque(valeur), 6 - pris); n >= 0; --n) {
        for (int k = 0; k < n; ++k)
            tirage[static_cast<size_t>(pris + k)] = ValeursPlaques[valeur];
        Tirer(valeur + 1, tirage, pris + n, tirages);
    }
}

void EcrireTotal(std::ostream& sortie, const TotalAtlas& t)
{
    sortie << t.Tirages << " tirages, " << t.Jeux << " jeux, " << t.Faisables << " faisables ("
           << PourcentageVirgule(t.Faisables, t.Jeux) << ")\n";
}

}  // namespace

std::vector<SixEntiers> TiragesDistincts()
{
    std::vector<SixEntiers> tirages;
    SixEntiers tirage{};
    Tirer(0, tirage, 0, tirages);
    // un tirage qui prend plus d'exemplaires d'une petite valeur passe avant : on remet l'ordre croissant
    std::sort(tirages.begin(), tirages.end());
    return tirages;
}

int NbGrandesPlaques(const SixEntiers& plaques)
{
    return static_cast<int>(std::count_if(plaques.begin(), plaques.end(), [](int32_t p) { return p > 10; }));
}

unsigned GrandesPlaques(const SixEntiers& plaques)
{
    unsigned grandes = 0;
    for (int32_t p : plaques)
        if (p > 10)
            grandes |= 1u << (p / 25 - 1);
    return grandes;
}

Atlas DresserAtlas(const std::vector<SixEntiers>& tirages, int fils, const std::function<void(int, int)>& progression,
                   CheminAtlas chemin)
{
    Atlas atlas;
    atlas.Lignes.resize(tirages.size());
    const int total = static_cast<int>(tirages.size());
    fils = std::max(fils, 1);
    std::optional<TableAtteignables> table;
    if (chemin == CheminAtlas::SousTirages) {
        if (progression)
            progression(0, total);
        table.emplace(tirages, fils);
    }
    ParcourirEnParallele(total, fils, progression, [&](int i) {
        const SixEntiers& tirage = tirages[static_cast<size_t>(i)];
        LigneAtlas& ligne = atlas.Lignes[static_cast<size_t>(i)];
        ligne.Plaques = tirage;
        ligne.Comptes = table ? table->NombreComptes(tirage) : static_cast<int32_t>(ComptesAtteignables(tirage).count());
    });

    Totaliser(atlas.Lignes, atlas.Total, atlas.ParGrandes, [](TotalAtlas& t, const LigneAtlas& ligne) {
        t.Jeux += 899;
        t.Faisables += ligne.Comptes;
    });
    return atlas;
}

void EcrireAtlas(std::ostream& sortie, const Atlas& atlas)
{
    for (const LigneAtlas& ligne : atlas.Lignes) {
        for (int32_t p : ligne.Plaques)
            sortie << p << ' ';
        sortie << ": " << ligne.Comptes << '\n';
    }
    EcrireTotaux(sortie, atlas.Total, atlas.ParGrandes, EcrireTotal);
}
