// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// ce qu'un indice fait attendre : « Atteignable ? » depuis un à six nombres (ensembles choisis, puis des
// saisies au hasard de chaque taille, médiane et pire), et la solution la plus simple des trois autres
#include "ApprocheCompte.h"
#include "SolutionLaPlusSimple.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <random>
#include <string>
#include <vector>

namespace {

// le temps de processeur du fil : sur la machine partagée, l'écoulé compte aussi l'attente des autres
double ProcesseurMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

struct Ensemble {
    const char* Nom;
    std::vector<int64_t> Nombres;
    int64_t But;
};

const std::vector<Ensemble> Ensembles = {
    {"un nombre", {9375000}, 952},
    {"trois nombres en main", {9375000, 3, 6}, 952},
    {"cinq nombres en main", {7500, 50, 25, 3, 6}, 951},
    {"six plaques, compte atteint", {25, 50, 75, 100, 3, 6}, 952},
    {"six plaques, à 1 près", {50, 2, 75, 5, 10, 10}, 829},
    {"six petites plaques, à 891 près", {1, 1, 2, 2, 3, 4}, 999},
    {"six grands nombres premiers", {1000003, 999983, 7919, 104729, 15485863, 32452843}, 999},
    {"sur 128 bits", {2147483647, 2147483629, 2147483587, 2147483579, 1, 2}, 999},
};

void Atteignable(benchmark::State& etat)
{
    const Ensemble& e = Ensembles[static_cast<size_t>(etat.range(0))];
    for (auto _ : etat)
        benchmark::DoNotOptimize(ApprocherCompte(e.Nombres, e.But));
    etat.SetLabel(e.Nom);
}
BENCHMARK(Atteignable)->DenseRange(0, static_cast<int>(Ensembles.size()) - 1)->Unit(benchmark::kMillisecond);

// un jeu au hasard, puis 6 - taille opérations au hasard, comme une saisie commencée
std::vector<int64_t> NombresAuHasard(std::mt19937& alea, int taille, int64_t& but)
{
    std::vector<int64_t> reserve = {1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 25, 50, 75, 100};
    std::shuffle(reserve.begin(), reserve.end(), alea);
    std::vector<int64_t> nombres(reserve.begin(), reserve.begin() + 6);
    but = 101 + alea() % 899;
    while (static_cast<int>(nombres.size()) > taille) {
        std::shuffle(nombres.begin(), nombres.end(), alea);
        const int64_t g = std::max(nombres[0], nombres[1]), p = std::min(nombres[0], nombres[1]);
        const int64_t resultats[] = {g + p, g * p, g > p ? g - p : g + p, g % p == 0 ? g / p : g * p};
        nombres.erase(nombres.begin());
        nombres[0] = resultats[alea() % 4];
    }
    return nombres;
}

void AtteignableAuHasard(benchmark::State& etat)
{
    std::mt19937 alea(static_cast<unsigned>(etat.range(0)));
    std::vector<double> processeur;
    for (auto _ : etat) {
        int64_t but = 0;
        const std::vector<int64_t> nombres = NombresAuHasard(alea, static_cast<int>(etat.range(0)), but);
        const double debut = ProcesseurMs();
        benchmark::DoNotOptimize(ApprocherCompte(nombres, but));
        processeur.push_back(ProcesseurMs() - debut);
    }
    std::sort(processeur.begin(), processeur.end());
    etat.counters["mediane_ms"] = processeur[processeur.size() / 2];
    etat.counters["pire_ms"] = processeur.back();
    etat.SetLabel(std::to_string(etat.range(0)) + " nombres");
}
BENCHMARK(AtteignableAuHasard)->DenseRange(1, 6)->Iterations(2000)->Unit(benchmark::kMillisecond);

// combien de plaques, un nombre de passage, la première opération : une résolution, une fois par jeu
void LaPlusSimpleAuHasard(benchmark::State& etat)
{
    std::mt19937 alea(35);
    std::vector<double> processeur;
    for (auto _ : etat) {
        int64_t but = 0;
        const std::vector<int64_t> nombres = NombresAuHasard(alea, 6, but);
        SixEntiers plaques{};
        std::copy(nombres.begin(), nombres.end(), plaques.begin());
        const double debut = ProcesseurMs();
        benchmark::DoNotOptimize(ChercherSolutionLaPlusSimple(plaques, static_cast<int32_t>(but)));
        processeur.push_back(ProcesseurMs() - debut);
    }
    std::sort(processeur.begin(), processeur.end());
    etat.counters["mediane_ms"] = processeur[processeur.size() / 2];
    etat.counters["pire_ms"] = processeur.back();
}
BENCHMARK(LaPlusSimpleAuHasard)->Iterations(500)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
