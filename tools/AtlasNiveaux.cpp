// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AtlasNiveaux.h"

#include "Atlas.h"
#include "ParcoursParallele.h"
#include "Pourcentage.h"
#include "ReleveSolutions.h"

#include <numeric>
#include <ostream>
#include <string>

int64_t TotalNiveaux::Tous() const { return std::accumulate(Jeux.begin(), Jeux.end(), int64_t{0}); }

int64_t TotalNiveaux::Faisables() const { return Tous() - Jeux[static_cast<size_t>(NiveauJeu::Impossible) - 1]; }

JeuxParNiveau NiveauxDuTirage(const SixEntiers& plaques)
{
    // au-delà de SolutionsSansRarete solutions, le niveau ne change plus : inutile d'en distinguer davantage
    const auto comptes = ReleverTousComptes(plaques, SolutionsSansRarete);
    JeuxParNiveau jeux{};
    for (int32_t v = 101; v <= 999; ++v)
        ++jeux[static_cast<size_t>(MesurerNiveau(comptes[static_cast<size_t>(v)]).Niveau) - 1];
    return jeux;
}

AtlasNiveaux DresserAtlasNiveaux(const std::vector<SixEntiers>& tirages, int fils,
                                 const std::function<void(int, int)>& progression)
{
    AtlasNiveaux atlas;
    atlas.Lignes.resize(tirages.size());
    ParcourirEnParallele(static_cast<int>(tirages.size()), fils, progression, [&](int i) {
        LigneAtlasNiveaux& ligne = atlas.Lignes[static_cast<size_t>(i)];
        ligne.Plaques = tirages[static_cast<size_t>(i)];
        ligne.Jeux = NiveauxDuTirage(ligne.Plaques);
    });

    Totaliser(atlas.Lignes, atlas.Total, atlas.ParGrandes, [](TotalNiveaux& t, const LigneAtlasNiveaux& ligne) {
        for (size_t n = 0; n < t.Jeux.size(); ++n)
            t.Jeux[n] += ligne.Jeux[n];
    });
    return atlas;
}

namespace {

void EcrireTotal(std::ostream& sortie, const TotalNiveaux& t)
{
    sortie << t.Tirages << " tirages, " << t.Tous() << " jeux, " << t.Faisables() << " faisables ("
           << PourcentageVirgule(t.Faisables(), t.Tous()) << ")\n";
    for (size_t n = 0; n < t.Jeux.size(); ++n) {
        const auto niveau = static_cast<NiveauJeu>(n + 1);
        sortie << "  " << NomNiveau(niveau) << " : " << t.Jeux[n] << " jeux (" << PourcentageVirgule(t.Jeux[n], t.Tous())
               << " des jeux";
        if (niveau != NiveauJeu::Impossible)
            sortie << ", " << PourcentageVirgule(t.Jeux[n], t.Faisables()) << " des faisables";
        sortie << ")\n";
    }
}

}  // namespace

void EcrireAtlasNiveaux(std::ostream& sortie, const AtlasNiveaux& atlas)
{
    for (const LigneAtlasNiveaux& ligne : atlas.Lignes) {
        for (int32_t p : ligne.Plaques)
            sortie << p << ' ';
        sortie << ':';
        for (int64_t n : ligne.Jeux)
            sortie << ' ' << n;
        sortie << '\n';
    }
    EcrireTotaux(sortie, atlas.Total, atlas.ParGrandes, EcrireTotal);
}
