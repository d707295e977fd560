// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// vitesse d'une résolution dans les deux ordres et d'un inventaire de tous les comptes
#include "ExecutionRecherche.h"

#include <benchmark/benchmark.h>

namespace {

struct Jeu {
    SixEntiers Plaques;
    int32_t But;
};

// un compte atteint, un compte très riche, un compte manqué, un jeu à petites plaques
constexpr Jeu Jeux[] = {
    {{25, 50, 75, 100, 3, 6}, 952},
    {{100, 75, 50, 25, 10, 10}, 101},
    {{2, 3, 3, 4, 4, 6}, 500},
    {{1, 1, 2, 2, 3, 3}, 999},
};

void Resolution(benchmark::State& etat)
{
    const Jeu& jeu = Jeux[etat.range(0)];
    DonneesRecherche d;
    d.Plaques = jeu.Plaques;
    d.But = jeu.But;
    d.OrdreSolutions = static_cast<uint8_t>(etat.range(1));
    for (auto _ : etat) {
        ExecuterRecherche(d);
        benchmark::DoNotOptimize(d.NbPossibilites);
    }
    etat.counters["calculs"] = d.NbPossibilites;
    etat.counters["solutions"] = d.ListeSolutions.Nombre();
}
BENCHMARK(Resolution)->ArgsProduct({{0, 1, 2, 3}, {1, 2}})->Unit(benchmark::kMillisecond);

// une partie réelle : le joueur a saisi un calcul, auquel chaque calcul examiné est comparé
void ResolutionAvecJoueur(benchmark::State& etat)
{
    DonneesRecherche d;
    d.Plaques = {25, 50, 75, 100, 3, 6};
    d.But = 952;
    d.OrdreSolutions = 1;
    d.ClasserPlaques(ModeClassement::Classe);
    EtatCalcul joueur = NouvelEtat(CreerFeuillesClassees(d.Plaques, d.PlaqueDeRang));
    joueur = Deriver(joueur, OpMultiplication, 5, 4);  // 100 * 75
    joueur = Deriver(joueur, OpDivision, 6, 3);        // 7500 / 50
    d.EtatJoueur = joueur;
    d.MeilleurJoueur = 150;
    d.SommeJoueur = SommeResultats(joueur);
    d.MaxJoueur = PlusGrandResultatAnterieur(joueur);
    for (auto _ : etat) {
        ExecuterRecherche(d);
        benchmark::DoNotOptimize(d.NbMeilleursQueJoueur);
    }
    etat.counters["calculs"] = d.NbPossibilites;
    etat.counters["devant_le_joueur"] = d.NbMeilleursQueJoueur;
}
BENCHMARK(ResolutionAvecJoueur)->Unit(benchmark::kMillisecond);

void Inventaire(benchmark::State& etat)
{
    static constexpr SixEntiers Plaques[] = {{3, 7, 8, 25, 50, 100}, {1, 4, 4, 9, 25, 75}, {5, 6, 7, 8, 9, 10}};
    DonneesRecherche d;
    d.Plaques = Plaques[etat.range(0)];
    d.But = 500;
    for (auto _ : etat) {
        ExecuterRechercheTousComptes(d);
        benchmark::DoNotOptimize(d.TableSolutionsComptes[0][0]);
    }
    etat.counters["entrees"] = d.ListeSolutions.Nombre();
    etat.counters["calculs"] = d.NbPossibilites;
}
BENCHMARK(Inventaire)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
