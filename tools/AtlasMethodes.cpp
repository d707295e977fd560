// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AtlasMethodes.h"

#include "Atlas.h"
#include "ParcoursParallele.h"
#include "Pourcentage.h"
#include "ReleveSolutions.h"

#include <numeric>
#include <ostream>

int64_t TotalMethodes::Faisables() const { return std::accumulate(Jeux.begin(), Jeux.end(), int64_t{0}); }

ComptesMethodes MethodesDuTirage(const SixEntiers& plaques)
{
    const ReleveSolutions releve = ReleverPlusSimples(plaques);
    ComptesMethodes jeux{};
    for (int32_t v = 101; v <= 999; ++v)
        if (const plq_utl* plusSimple = releve.PlusSimple(v))
            if (const std::optional<Methode> m = MethodeDe(*plusSimple, true))
                ++jeux[static_cast<size_t>(*m)];
    return jeux;
}

AtlasMethodes DresserAtlasMethodes(const std::vector<SixEntiers>& tirages, int fils,
                                   const std::function<void(int, int)>& progression)
{
    AtlasMethodes atlas;
    atlas.Lignes.resize(tirages.size());
    ParcourirEnParallele(static_cast<int>(tirages.size()), fils, progression, [&](int i) {
        LigneAtlasMethodes& ligne = atlas.Lignes[static_cast<size_t>(i)];
        ligne.Plaques = tirages[static_cast<size_t>(i)];
        ligne.Jeux = MethodesDuTirage(ligne.Plaques);
    });
    Totaliser(atlas.Lignes, atlas.Total, atlas.ParGrandes, [](TotalMethodes& t, const LigneAtlasMethodes& ligne) {
        for (size_t m = 0; m < t.Jeux.size(); ++m)
            t.Jeux[m] += ligne.Jeux[m];
    });
    return atlas;
}

namespace {

void EcrireTotal(std::ostream& sortie, const TotalMethodes& t)
{
    const int64_t tous = t.Tirages * 899;
    sortie << t.Tirages << " tirages, " << tous << " jeux, " << t.Faisables() << " faisables ("
           << PourcentageVirgule(t.Faisables(), tous) << ")\n";
    for (Methode m : Methodes) {
        const int64_t n = t.Jeux[static_cast<size_t>(m)];
        sortie << "  " << NomMethode(m) << " : " << n << " jeux (" << PourcentageVirgule(n, t.Faisables())
               << " des faisables)\n";
    }
}

}  // namespace

void EcrireAtlasMethodes(std::ostream& sortie, const AtlasMethodes& atlas)
{
    for (const LigneAtlasMethodes& ligne : atlas.Lignes) {
        for (int32_t p : ligne.Plaques)
            sortie << p << ' ';
        sortie << ':';
        for (int64_t n : ligne.Jeux)
            sortie << ' ' << n;
        sortie << '\n';
    }
    EcrireTotaux(sortie, atlas.Total, atlas.ParGrandes, EcrireTotal);
}
