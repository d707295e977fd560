// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
//
// l'inventaire vu par le joueur : du « Oui » de la question à la grille remplie, fenêtre principale comprise,
// à côté du moteur seul sur les mêmes plaques ; la différence est le prix des fenêtres
#include "Environnement.h"
#include "ExecutionRecherche.h"
#include "Main_f.h"
#include "Sltscpt_f.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

const QStringList Jeu500 = {"3", "7", "8", "25", "50", "100", "500"};

void MoteurSeul(benchmark::State& etat)
{
    DonneesRecherche d;
    d.Plaques = {3, 7, 8, 25, 50, 100};
    d.But = 500;
    for (auto _ : etat) {
        ExecuterRechercheTousComptes(d);
        benchmark::DoNotOptimize(d.TableSolutionsComptes);
    }
    etat.counters["solutions"] = d.ListeSolutions.Nombre();
}
BENCHMARK(MoteurSeul)->Unit(benchmark::kMillisecond);

void DuOuiALaGrille(benchmark::State& etat)
{
    TfrmMain principale(Jeu500);
    principale.show();
    TfrmSolutionsTousComptes fenetre(
        principale.Donnees(), [&](const Progression& p) { principale.ExecuterRechercheTousComptes(p); },
        &principale);
    fenetre.show();
    QApplication::processEvents();
    for (auto _ : etat) {
        fenetre.Rechercher();
        // la grille montrée : ce que la vue peint de ses cellules visibles
        fenetre.repaint();
        benchmark::DoNotOptimize(fenetre.Cellule(1, 1));
    }
    etat.counters["solutions"] = principale.Donnees().ListeSolutions.Nombre();
}
BENCHMARK(DuOuiALaGrille)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    // sans écran : la plateforme offscreen de Qt
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    PreparerEnvironnement(application);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
