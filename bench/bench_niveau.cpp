// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// le temps que met « Tiré au sort de niveau » à choisir son jeu avant l'animation (essais, relevés,
// roues) : médiane et pire sur des graines successives, pour chaque niveau ; de même pour le jeu du jour,
// sur les jours d'une année
#include "JeuDuJour.h"
#include "Partie.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

namespace {

// le temps de processeur du fil : sur la machine partagée, l'écoulé compte aussi l'attente des autres
double ProcesseurMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

void TirageDeNiveauChoisi(benchmark::State& etat)
{
    const auto niveau = static_cast<NiveauJeu>(etat.range(0));
    unsigned graine = 0;
    Partie partie([&] { return ++graine; });
    std::vector<double> processeur, ecoule;
    std::vector<int> essais;
    for (auto _ : etat) {
        const auto debut = std::chrono::steady_clock::now();
        const double debutProcesseur = ProcesseurMs();
        const TirageDeNiveau tirage = partie.NouveauJeuTireDeNiveau(niveau);
        processeur.push_back(ProcesseurMs() - debutProcesseur);
        ecoule.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count());
        essais.push_back(tirage.Essais);
        benchmark::DoNotOptimize(tirage.Jeu);
    }
    for (auto* v : {&processeur, &ecoule})
        std::sort(v->begin(), v->end());
    std::sort(essais.begin(), essais.end());
    etat.counters["mediane_ms"] = processeur[processeur.size() / 2];
    etat.counters["pire_ms"] = processeur.back();
    etat.counters["pire_ecoule_ms"] = ecoule.back();
    etat.counters["essais_median"] = essais[essais.size() / 2];
    etat.counters["essais_pire"] = essais.back();
    etat.SetLabel(NomNiveau(niveau));
}
BENCHMARK(TirageDeNiveauChoisi)->DenseRange(1, 4)->Iterations(500)->Unit(benchmark::kMillisecond);

// ce que « Jeu du jour » fait attendre avant l'animation : le jeu de chaque jour de 2026 à 2028
void JeuDuJourChoisi(benchmark::State& etat)
{
    using namespace std::chrono;
    sys_days jour{year{2026} / January / 1};
    std::vector<double> processeur;
    std::vector<int> essais;
    for (auto _ : etat) {
        const double debut = ProcesseurMs();
        const JeuDuJour jeu = GenererJeuDuJour(year_month_day{jour});
        processeur.push_back(ProcesseurMs() - debut);
        essais.push_back(jeu.Essais);
        benchmark::DoNotOptimize(jeu.But);
        jour += days{1};
    }
    std::sort(processeur.begin(), processeur.end());
    std::sort(essais.begin(), essais.end());
    etat.counters["mediane_ms"] = processeur[processeur.size() / 2];
    etat.counters["pire_ms"] = processeur.back();
    etat.counters["essais_median"] = essais[essais.size() / 2];
    etat.counters["essais_pire"] = essais.back();
}
BENCHMARK(JeuDuJourChoisi)->Iterations(3 * 365)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
