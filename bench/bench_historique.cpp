// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// l'historique de 200 000 jeux : ouverture de la fenêtre « Historique des jeux » (lecture, tableau trié,
// graphique, premier dessin) et la mémoire qu'elle prend ; un jeu enregistré fenêtre ouverte (ligne,
// varnel.ini, la fenêtre qui le montre) ; la première ouverture de l'historique, vérification comprise ;
// l'ajout d'une ligne seule
#include "EnregistrementJeu.h"
#include "Environnement.h"
#include "Histo_f.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

QString DossierHistorique;
int NombreDeJeux = 200000;

// des jeux variés en une seule transaction, par une connexion à part fermée avant les mesures : tirés au
// sort ou proposés, trouvés, approchés ou non joués, de chaque niveau ou sans niveau
bool Remplir(const QString& dossier, int nombre)
{
    if (!THistoriqueJeux(dossier).Ouvrir())
        return false;
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
                 " place_solutions, place_calculs, limite_temps, temps_premiere_solution_ms, temps_toutes_solutions_ms,"
                 " rang_joueur, niveau) "
                 "SELECT strftime('%Y-%m-%dT%H:%M:%SZ', 1700000000 + i * 600, 'unixepoch'), 1 + i % 2,"
                 " 1 + i % 10, 1 + (i / 3) % 10, 25, 1 + (i / 7) % 10, 100, 1 + (i / 11) % 10, 101 + i % 899,"
                 " 2, 1, i % 40, 101 + i % 899, NULL, NULL, 50000 + i,"
                 " CASE i % 3 WHEN 0 THEN NULL WHEN 1 THEN 101 + i % 899 ELSE 100 + i % 899 END,"
                 " CASE i % 3 WHEN 0 THEN 0 ELSE 5000 + (i * 37) % 40000 END,"
                 " CASE i % 3 WHEN 1 THEN 1 ELSE NULL END, CASE i % 3 WHEN 0 THEN NULL ELSE 1 + i % 500 END, NULL,"
                 " 1 + i % 7, 20 + i % 30, CASE i % 3 WHEN 0 THEN NULL WHEN 1 THEN 1 ELSE 0 END,"
                 " nullif(i % 6, 0) "
                 "FROM c")
                        .arg(nombre)) &&
             q.exec(QStringLiteral("SELECT count(*) FROM jeux")) && q.next() && q.value(0).toInt() == nombre;
        q.finish();
        base.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("remplissage"));
    return ok;
}

// ko de la mémoire du processus : présente (VmRSS) ou la plus haute atteinte (VmHWM)
double MemoireKo(const char* ligne)
{
    QFile etat(QStringLiteral("/proc/self/status"));
    if (!etat.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& l : etat.readAll().split('\n'))
        if (l.startsWith(ligne))
            return l.mid(static_cast<int>(qstrlen(ligne))).trimmed().split(' ').first().toDouble();
    return 0;
}

LigneHistorique JeuDEssai()
{
    LigneHistorique l;
    l.DateHeure = MaintenantUtc();
    l.Origine = OrigineJeu::TireAuSort;
    l.Plaques = {25, 3, 7, 1, 100, 9};
    l.But = 500;
    l.Niveau = NiveauJeu::Moyen;
    l.MeilleurResultat = 500;
    l.ResultatJoueur = 500;
    l.TempsJoueur = 12000;
    l.TempsPremiereSolution = 2;
    l.TempsToutesSolutions = 30;
    l.RangJoueur = 1;
    return l;
}

// l'historique déjà ouvert par le programme ; la fenêtre s'ouvre : tout lire, trier, dessiner
void OuvertureFenetre(benchmark::State& etat)
{
    THistoriqueJeux historique(DossierHistorique);
    historique.Ouvrir();
    const double avant = MemoireKo("VmRSS:");
    for (auto _ : etat) {
        TfrmHistorique fenetre(historique, {});
        fenetre.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(fenetre.grab());
        etat.counters["Mo_fenetre"] = (MemoireKo("VmRSS:") - avant) / 1024;
    }
    etat.counters["Mo_processus_max"] = MemoireKo("VmHWM:") / 1024;
}
BENCHMARK(OuvertureFenetre)->Unit(benchmark::kMillisecond)->Iterations(3);

// un jeu fini, fenêtre ouverte : la ligne, varnel.ini rattrapé sous son verrou, la fenêtre qui prend le
// jeu à sa place et se redessine
void JeuEnregistreFenetreOuverte(benchmark::State& etat)
{
    THistoriqueJeux historique(DossierHistorique);
    TFichierIni fichier(QDir(DossierHistorique).filePath(QStringLiteral("varnel.ini")));
    TfrmHistorique fenetre(historique, {});
    fenetre.show();
    QApplication::processEvents();
    const JeuFini jeu(JeuDEssai());
    // les jeux du remplissage, que varnel.ini ne compte pas encore, une fois pour toutes
    EnregistrerJeu(fichier, historique, jeu);
    for (auto _ : etat) {
        const BilanEnregistrement bilan = EnregistrerJeu(fichier, historique, jeu);
        if (bilan.Historique || bilan.Statistiques)
            etat.SkipWithError("jeu non enregistré");
        fenetre.JeuxAjoutes();
        QApplication::processEvents();
        benchmark::DoNotOptimize(fenetre.grab());
    }
}
BENCHMARK(JeuEnregistreFenetreOuverte)->Unit(benchmark::kMillisecond)->Iterations(20);

// la première ouverture de l'historique du programme : vérification d'intégrité, version, schéma
void OuvertureHistorique(benchmark::State& etat)
{
    for (auto _ : etat) {
        THistoriqueJeux historique(DossierHistorique);
        benchmark::DoNotOptimize(historique.Ouvrir());
    }
}
BENCHMARK(OuvertureHistorique)->Unit(benchmark::kMillisecond)->Iterations(3);

void AjoutDUnJeu(benchmark::State& etat)
{
    THistoriqueJeux historique(DossierHistorique);
    const LigneHistorique l = JeuDEssai();
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
    if (qEnvironmentVariableIntValue("VARNEL_JEUX") > 0)
        NombreDeJeux = qEnvironmentVariableIntValue("VARNEL_JEUX");
    QTemporaryDir dossier;
    DossierHistorique = dossier.path();
    if (!Remplir(DossierHistorique, NombreDeJeux)) {
        std::fprintf(stderr, "historique d'essai impossible à remplir\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
