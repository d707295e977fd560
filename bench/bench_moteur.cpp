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
    etat.counters["solutions"] = d.ListeSolutions.Count();
}
BENCHMARK(Resolution)->ArgsProduct({{0, 1, 2, 3}, {1, 2}})->Unit(benchmark::kMillisecond);

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
    etat.counters["entrees"] = d.ListeSolutions.Count();
    etat.counters["calculs"] = d.NbPossibilites;
}
BENCHMARK(Inventaire)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
