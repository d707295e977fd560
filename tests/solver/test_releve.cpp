// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// le relevé des solutions exactes, sans liste : le moins de plaques et le nombre de solutions distinctes
// que donne la résolution de chaque compte
#include "ExecutionRecherche.h"
#include "ReleveSolutions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

namespace {

ReleveCompte ReleveDeLaResolution(const SixEntiers& plaques, int32_t but, int32_t plafond)
{
    DonneesRecherche d;
    d.Plaques = plaques;
    d.But = but;
    ExecuterRecherche(d);
    const auto& parPlaques = d.NbSolutionsPlaques;
    const auto premiere = std::find_if(parPlaques.begin() + 2, parPlaques.end(), [](int32_t n) { return n > 0; });
    if (!d.ButAtteint)
        return {};
    return {static_cast<int>(premiere - parPlaques.begin()), std::min(d.NbSolutions, plafond)};
}

}  // namespace

// tous les comptes d'un tirage en une recherche, comme l'inventaire : chacun comme sa résolution,
// doublons de l'inventaire écartés ; sans plafond, le nombre exact de solutions
TEST(Releve, TousLesComptesCommeLeursResolutions)
{
#ifdef VARNEL_TESTS_ALLEGES
    const int32_t pas = 37;
#else
    const int32_t pas = 3;
#endif
    for (const SixEntiers& plaques : {SixEntiers{2, 4, 5, 5, 6, 9}, SixEntiers{1, 3, 7, 10, 25, 75}}) {
        SCOPED_TRACE(::testing::PrintToString(plaques));
        const auto comptes = ReleverTousComptes(plaques, 6);
        for (int32_t v = 101; v <= 999; v += pas) {
            EXPECT_EQ(comptes[static_cast<size_t>(v)], ReleveDeLaResolution(plaques, v, 6)) << v;
            if (v % 50 == 2) {
                EXPECT_EQ(ReleverSolutions(plaques, v, INT_MAX), ReleveDeLaResolution(plaques, v, INT_MAX)) << v;
            }
        }
    }
}
