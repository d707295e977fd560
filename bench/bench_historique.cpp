// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// ouverture de la fenêtre « Historique des jeux » sur 10 000 jeux : lecture de la base, tableau, graphique,
// premier dessin ; l'ouverture de l'historique seul et l'ajout d'un jeu (une transaction)
#include "Environnement.h"
#include "Histo_f.h"

#include <QApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

QString DossierHistorique;

// 10 000 jeux variés en une seule transaction : tirés au sort ou proposés, trouvés, approchés ou non joués
bool Remplir(const QString& dossier, int nombre)
{
    { THistoriqueJeux creation(dossier); if (!creation.Ouvert()) return false; }
    bool ok = false;
    {
        QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("remplissage"));
        base.setDatabaseName(THistoriqueJeux::CheminDansLeDossier(dossier));
        QSqlQuery q(base);
        ok = base.open() &&
             q.exec(QStringLiteral(
                 "WITH RECURSIVE c(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM c WHERE i < %1) "
                 "INSERT INTO jeux (date, origine, plaque1, plaque2, plaque3, plaque4, plaque5, plaque6, compte, grandes,"
                 " ordre, solutions, meilleur, meilleur_bas, meilleur_haut, calculs, joueur, temps_joueur,"
                 " place_solutions, place_calculs, limite_temps) "
                 "SELECT strftime('%Y-%m-%dT%H:%M:%SZ', 1700000000 + i * 600, 'unixepoch'), 1 + i % 2,"
                 " 1 + i % 10, 1 + (i / 3) % 10, 25, 1 + (i / 7) % 10, 100, 1 + (i / 11) % 10, 101 + i % 899,"
                 " 2, 1, i % 40, 101 + i % 899, NULL, NULL, 50000 + i,"
                 " CASE i % 3 WHEN 0 THEN NULL WHEN 1 THEN 101 + i % 899 ELSE 100 + i % 899 END,"
                 " CASE i % 3 WHEN 0 THEN 0 ELSE 5000 + (i * 37) % 40000 END,"
                 " CASE i % 3 WHEN 1 THEN 1 ELSE NULL END, CASE i % 3 WHEN 0 THEN NULL ELSE 1 + i % 500 END, NULL "
                 "FROM c")
                        .arg(nombre));
        base.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("remplissage"));
    return ok;
}

void OuvertureFenetre(benchmark::State& etat)
{
    for (auto _ : etat) {
        TfrmHistorique fenetre(DossierHistorique, {});
        fenetre.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(fenetre.grab());
    }
}
BENCHMARK(OuvertureFenetre)->Unit(benchmark::kMillisecond);

// ce que coûte l'ouverture faite à chaque jeu enregistré : vérification d'intégrité comprise
void OuvertureHistorique(benchmark::State& etat)
{
    for (auto _ : etat) {
        THistoriqueJeux historique(DossierHistorique);
        benchmark::DoNotOptimize(historique.Ouvert());
    }
}
BENCHMARK(OuvertureHistorique)->Unit(benchmark::kMillisecond);

void AjoutDUnJeu(benchmark::State& etat)
{
    THistoriqueJeux historique(DossierHistorique);
    LigneHistorique l;
    l.DateHeure = "2026-12-08T04:36:04Z";
    l.Origine = 1;
    l.Plaques = {25, 3, 7, 1, 100, 9};
    l.But = 500;
    l.MeilleurResultat = 500;
    for (auto _ : etat)
        benchmark::DoNotOptimize(historique.Ajouter(l));
}
BENCHMARK(AjoutDUnJeu)->Unit(benchmark::kMillisecond)->Iterations(50);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    PreparerEnvironnement(application);
    QTemporaryDir dossier;
    DossierHistorique = dossier.path();
    if (!Remplir(DossierHistorique, 10000) || THistoriqueJeux(DossierHistorique).Lire().size() != 10000) {
        std::fprintf(stderr, "historique d'essai impossible à remplir\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
