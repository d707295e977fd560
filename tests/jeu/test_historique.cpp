// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// l'historique sans fichier : la ligne d'un jeu, les filtres, le résumé, le graphique, les textes et l'ordre
// du tableau, la date locale, le CSV
#include "ColonnesHistorique.h"
#include "Historique.h"
#include "InfoSolutions.h"
#include "JeuRejouable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <map>
#include <tuple>

namespace {

// une recherche de 952 : 2 solutions, 99746 possibilités, 41 calculs avant celui du joueur
void Recherche(DonneesRecherche& d, int32_t meilleurJoueur, int32_t meilleurResultat = 952)
{
    d.Plaques = {100, 3, 75, 6, 25, 1};
    d.But = 952;
    d.OrdreSolutions = 2;
    d.MeilleurResultat = meilleurResultat;
    d.MeilleurBas = meilleurResultat;
    d.MeilleurHaut = meilleurResultat;
    d.NbSolutions = 2;
    d.NbPossibilites = 99746;
    d.NbMeilleursQueJoueur = 41;
    d.TempsPremiereSolution = 7;
    d.TempsTotal = 85;
    d.MeilleurJoueur = meilleurJoueur;
    d.TempsJoueur = meilleurJoueur == Aucun ? 0 : 30500;
}

std::string Texte(const TextesEtiquettes& textes, const std::string& nom)
{
    for (const auto& [n, t] : textes)
        if (n == nom)
            return t;
    return "(absent)";
}

// un jeu joué : origine, grandes plaques, compte trouvé ou non, temps du joueur
LigneHistorique Jeu(OrigineJeu origine, int32_t grandes, std::optional<bool> trouve, int32_t tempsMs)
{
    LigneHistorique l;
    l.Origine = origine;
    l.NbGrandes = grandes;
    l.But = 500;
    if (trouve) {
        l.ResultatJoueur = *trouve ? 500 : 497;
        l.TempsJoueur = tempsMs;
    }
    return l;
}

}  // namespace

// les places du joueur sont celles que montre la fenêtre d'informations, pour le même jeu
TEST(LigneDuJeu, ReprendLeJeuEtLesPlacesDeLaFenetreDInformations)
{
    struct Cas {
        const char* nom;
        int32_t meilleurJoueur;
        int32_t position;
        std::optional<int32_t> joueur;
        std::optional<int64_t> placeSolutions, placeCalculs, rang;
        const char* texteSolutions;
        const char* texteCalculs;
        int points;
    };
    const std::vector<Cas> cas = {
        {"trouvé, deuxième solution", 952, 1, 952, 2, 42, 2, "2/2", "42/99746", 10},
        {"manqué de 2", 950, -1, 950, std::nullopt, 42, 0, "-", "42/99746", 7},
        {"pas de calcul", Aucun, -1, std::nullopt, std::nullopt, std::nullopt, std::nullopt, "-", "-", 0},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        DonneesRecherche d;
        Recherche(d, c.meilleurJoueur);
        const LigneHistorique l = LigneDuJeu(d, OrigineJeu::TireAuSort, c.position, "2026-12-08T04:36:04Z", std::nullopt);
        EXPECT_EQ(l.DateHeure, "2026-12-08T04:36:04Z");
        EXPECT_EQ(l.Origine, OrigineJeu::TireAuSort);
        EXPECT_EQ(l.Plaques, (SixEntiers{100, 3, 75, 6, 25, 1}));
        EXPECT_EQ(l.But, 952);
        EXPECT_EQ(l.NbGrandes, 3);
        EXPECT_EQ(l.OrdreSolutions, 2);
        EXPECT_EQ(l.NbSolutions, 2);
        EXPECT_EQ(l.MeilleurResultat, 952);
        EXPECT_FALSE(l.MeilleurBas);
        EXPECT_FALSE(l.MeilleurHaut);
        EXPECT_EQ(l.NbPossibilites, 99746);
        EXPECT_EQ(l.ResultatJoueur, c.joueur);
        EXPECT_EQ(l.TempsJoueur, c.joueur ? 30500 : 0);
        EXPECT_EQ(l.PlaceSolutions, c.placeSolutions);
        EXPECT_EQ(l.PlaceCalculs, c.placeCalculs);
        EXPECT_FALSE(l.LimiteTemps);
        EXPECT_EQ(l.RangJoueur, c.rang);
        EXPECT_EQ(l.TempsPremiereSolution, 7);
        EXPECT_EQ(l.TempsToutesSolutions, 85);
        EXPECT_EQ(l.Points, c.points);
        EXPECT_FALSE(l.Serie);
        const TextesEtiquettes info = TextesInfoSolutions(d, c.position);
        EXPECT_EQ(Texte(info, "LabelPosSolM"), c.texteSolutions);
        EXPECT_EQ(Texte(info, "LabelPosPossM"), c.texteCalculs);
        EXPECT_EQ(TextePlaceSolutions(l), c.texteSolutions);
    }
}

TEST(LigneDuJeu, ApprochesDeLOrdinateurEtGrandesPlaques)
{
    DonneesRecherche d;
    Recherche(d, Aucun, 950);
    d.MeilleurBas = 950;
    d.MeilleurHaut = 954;
    d.Plaques = {1, 2, 3, 4, 5, 6};
    LigneHistorique l = LigneDuJeu(d, OrigineJeu::Propose, -1, "x", 45);
    EXPECT_EQ(l.NbGrandes, 0);
    EXPECT_EQ(l.MeilleurBas, 950);
    EXPECT_EQ(l.MeilleurHaut, 954);
    EXPECT_EQ(l.LimiteTemps, 45);
    EXPECT_EQ(TexteOrdinateur(l), "950, 954");
    d.MeilleurHaut = 950;
    d.Plaques = {100, 75, 50, 25, 10, 10};
    l = LigneDuJeu(d, OrigineJeu::Propose, -1, "x");
    EXPECT_EQ(l.NbGrandes, 4);
    EXPECT_EQ(TexteOrdinateur(l), "950");
}

TEST(TextesDuTableau, OrdinateurJoueurTemps)
{
    LigneHistorique l;
    l.But = 500;
    l.MeilleurResultat = 500;
    l.NbSolutions = 1;
    EXPECT_EQ(TexteOrdinateur(l), "1 solution");
    l.NbSolutions = 17;
    EXPECT_EQ(TexteOrdinateur(l), "17 solutions");
    EXPECT_EQ(TexteJoueur(l), "-");
    EXPECT_EQ(TexteTempsSecondes(l), "-");
    const std::vector<std::pair<int32_t, const char*>> joueur = {{500, "500 (exact)"}, {497, "497 (à 3)"}, {512, "512 (à 12)"}};
    for (const auto& [resultat, texte] : joueur) {
        l.ResultatJoueur = resultat;
        EXPECT_EQ(TexteJoueur(l), texte);
    }
    // 0 : la saisie fermée par sa case n'a pas pris le temps
    const std::vector<std::pair<int32_t, const char*>> temps = {
        {0, "-"}, {49, "0,0"}, {50, "0,1"}, {999, "1,0"}, {12345, "12,3"}, {12350, "12,4"}, {600000, "600,0"}};
    for (const auto& [ms, texte] : temps) {
        l.TempsJoueur = ms;
        EXPECT_EQ(TexteTempsSecondes(l), texte) << ms;
    }
    l.Plaques = {25, 3, 7, 1, 100, 9};
    EXPECT_EQ(TextePlaques(l), "25 3 7 1 100 9");
}

// sept jeux connus : ce que chaque filtre retient, la part trouvée, le temps médian et la moyenne des points
// (le deuxième jeu, gardé avant qu'on les compte, n'en a pas) faits à la main
TEST(Resume, FiltresPartEtMediane)
{
    const OrigineJeu T = OrigineJeu::TireAuSort, P = OrigineJeu::Propose;
    std::vector<LigneHistorique> jeux = {
        Jeu(T, 2, true, 12000), Jeu(P, 2, true, 30000), Jeu(T, 1, false, 5000), Jeu(T, 2, std::nullopt, 0),
        Jeu(P, 0, true, 8000),  Jeu(T, 2, true, 9000),  Jeu(T, 2, true, 41000),
    };
    const std::optional<int32_t> points[] = {10, std::nullopt, 5, 0, 10, 10, 10};
    for (size_t i = 0; i < jeux.size(); ++i)
        jeux[i].Points = points[i];
    struct Cas {
        FiltreHistorique filtre;
        size_t jeux, trouves;
        std::optional<double> mediane;
        const char* texte;
    };
    const std::vector<Cas> cas = {
        // trouvés : 12000 30000 8000 9000 41000 → 12000 ; points (10 + 5 + 0 + 10 + 10 + 10) / 6
        {{}, 7, 5, 12000,
         "7 jeux — trouvés par le joueur : 71% — temps médian des comptes trouvés : 12,0 s — points par jeu : 7,5"},
        // tirés au sort : trouvés 12000 9000 41000 → 12000 ; points (10 + 5 + 0 + 10 + 10) / 5
        {{T, {}}, 5, 3, 12000,
         "5 jeux — trouvés par le joueur : 60% — temps médian des comptes trouvés : 12,0 s — points par jeu : 7,0"},
        // proposés : 30000 8000 → (8000 + 30000) / 2 ; points : 10 / 1
        {{P, {}}, 2, 2, 19000,
         "2 jeux — trouvés par le joueur : 100% — temps médian des comptes trouvés : 19,0 s — points par jeu : 10,0"},
        // deux grandes : 12000 30000 9000 41000 → (12000 + 30000) / 2 ; points (10 + 0 + 10 + 10) / 4
        {{{}, 2}, 5, 4, 21000,
         "5 jeux — trouvés par le joueur : 80% — temps médian des comptes trouvés : 21,0 s — points par jeu : 7,5"},
        {{T, 1}, 1, 0, std::nullopt,
         "1 jeu — trouvés par le joueur : 0% — temps médian des comptes trouvés : - — points par jeu : 5,0"},
        {{P, 4}, 0, 0, std::nullopt, "Aucun jeu"},
    };
    for (const Cas& c : cas) {
        const ResumeHistorique r = Resumer(jeux, c.filtre);
        SCOPED_TRACE(c.texte);
        EXPECT_EQ(r.NbJeux, c.jeux);
        EXPECT_EQ(r.NbTrouves, c.trouves);
        EXPECT_EQ(r.MedianeTempsTrouves, c.mediane);
        EXPECT_EQ(TexteResume(r), c.texte);
    }
}

// le tableau par niveau fait à la main : Facile 2 trouvés sur 3, en (10 + 20) / 2 s ; Expert 1 sur 2 ; Moyen
// manqué ; le jeu d'avant le niveau à part ; le filtre Expert ne garde que les siens
TEST(Resume, ParNiveau)
{
    using enum NiveauJeu;
    std::vector<LigneHistorique> jeux;
    for (const auto& [niveau, trouve, temps] : std::vector<std::tuple<std::optional<NiveauJeu>, std::optional<bool>, int32_t>>{
             {Facile, true, 10000}, {Facile, true, 20000}, {Facile, false, 4000}, {Moyen, false, 9000},
             {Expert, std::nullopt, 0}, {Expert, true, 90000}, {std::nullopt, true, 5000}})
        jeux.emplace_back(Jeu(OrigineJeu::TireAuSort, 2, trouve, temps)).Niveau = niveau;
    for (const auto& [filtre, attendu] : std::vector<std::pair<FiltreHistorique, std::string>>{
             {{}, "Facile|3|67%|15,0 s;Moyen|1|0%|-;Difficile|0|-|-;Expert|2|50%|90,0 s;Impossible|0|-|-;-|1|100%|5,0 s;"},
             {{{}, {}, Expert}, "Facile|0|-|-;Moyen|0|-|-;Difficile|0|-|-;Expert|2|50%|90,0 s;Impossible|0|-|-;"}}) {
        std::string tableau;
        for (const ResumeNiveau& r : ResumerParNiveau(jeux, filtre)) {
            const auto c = TextesResumeNiveau(r);
            tableau += c[0] + "|" + c[1] + "|" + c[2] + "|" + c[3] + ";";
        }
        EXPECT_EQ(tableau, attendu);
    }
}

// les listes du filtre : chaque origine enregistrée, et de 0 à 4 grandes plaques (la réserve en a quatre)
TEST(Filtre, ChoixDesListes)
{
    std::string origines, grandes;
    for (const auto& [texte, origine] : ChoixFiltreOrigine())
        origines += texte + "=" + (origine ? std::to_string(static_cast<int>(*origine)) : "") + ";";
    for (const auto& [texte, n] : ChoixFiltreGrandes())
        grandes += texte + "=" + (n ? std::to_string(*n) : "") + ";";
    EXPECT_EQ(origines, "tous=;tirés au sort=1;proposés=2;jeux du jour=3;jeux de match=4;");
    EXPECT_EQ(grandes, "toutes=;0=0;1=1;2=2;3=3;4=4;");
}

// la date enregistrée en temps universel se montre à l'heure de la machine, heure d'été comprise
TEST(Tableau, DateALHeureLocale)
{
    const std::vector<std::tuple<const char*, const char*, const char*>> cas = {
        {"Europe/Paris", "2026-12-08T04:36:04Z", "08/12/2026 05:36"},
        {"Europe/Paris", "2026-07-14T23:30:00Z", "15/07/2026 01:30"},
        {"America/New_York", "2026-01-01T02:00:00Z", "31/12/2025 21:00"},
        {"Europe/Paris", "pas une date", "pas une date"},
    };
    const std::string ancien = std::getenv("TZ") ? std::getenv("TZ") : "UTC";
    for (const auto& [fuseau, utc, local] : cas) {
        setenv("TZ", fuseau, 1);
        tzset();
        EXPECT_EQ(DateLocale(utc), local) << fuseau << " " << utc;
    }
    setenv("TZ", ancien.c_str(), 1);
    tzset();
}

// « Ordinateur » dans l'ordre croissant : comptes atteints des plus riches en solutions aux plus rares,
// puis approchés du plus près au plus loin, sans mêler solutions et écarts ; « rien » en dernier
TEST(Tableau, OrdreDeLOrdinateur)
{
    // (compte, meilleur, solutions) : 3 solutions, à 2 près, 40 solutions, à 1 près, 1 solution, rien
    const std::vector<std::tuple<int32_t, std::optional<int32_t>, int32_t>> jeux = {
        {500, 500, 3}, {300, 302, 0}, {101, 101, 40}, {999, 998, 0}, {640, 640, 1}, {777, std::nullopt, 0}};
    std::vector<LigneHistorique> lignes;
    for (const auto& [but, meilleur, solutions] : jeux) {
        LigneHistorique& l = lignes.emplace_back();
        l.Numero = static_cast<int64_t>(lignes.size());
        std::tie(l.But, l.MeilleurResultat, l.NbSolutions) = std::tie(but, meilleur, solutions);
    }
    const ColonneHistorique* ordinateur = *std::find_if(ColonnesMontrees().begin(), ColonnesMontrees().end(),
                                                       [](const auto* c) { return std::string(c->Titre) == "Ordinateur"; });
    std::sort(lignes.begin(), lignes.end(),
              [&](const auto& a, const auto& b) { return ordinateur->CleDe(a) < ordinateur->CleDe(b); });
    std::string ordre;
    for (const LigneHistorique& l : lignes)
        ordre += std::to_string(l.Numero);
    EXPECT_EQ(ordre, "315426");
}

// « Niveau » de Facile à Impossible, puis les jeux sans niveau (« - »), comme une valeur relue qui n'en est pas un
TEST(Tableau, OrdreDuNiveau)
{
    const ColonneHistorique& c = **std::find_if(ColonnesMontrees().begin(), ColonnesMontrees().end(),
                                                [](const auto* c) { return std::string(c->Titre) == "Niveau"; });
    LigneHistorique l[3];
    l[0].Niveau = NiveauJeu::Facile;
    c.Affecter(l[1], int64_t{5});
    c.Affecter(l[2], int64_t{9});
    EXPECT_TRUE(c.CleDe(l[0]) < c.CleDe(l[1]) && c.CleDe(l[1]) < c.CleDe(l[2]));
    EXPECT_EQ(c.TexteCase(l[1]) + c.TexteCase(l[2]), "Impossible-");
}

// le graphique va du plus ancien au plus récent ; la part trouvée porte sur les dix derniers jeux joués ou non
TEST(Graphique, PointsEtPartSurDixJeux)
{
    // du plus ancien au plus récent : T T A - T T T T T T A T (T trouvé, A approché, - pas joué)
    const std::string suite = "TTA-TTTTTTAT";
    std::vector<LigneHistorique> jeux;
    for (size_t i = 0; i < suite.size(); ++i) {
        const char c = suite[i];
        jeux.push_back(Jeu(OrigineJeu::TireAuSort, 0, c == '-' ? std::nullopt : std::optional<bool>(c == 'T'),
                           static_cast<int32_t>(1000 * (i + 1))));
    }
    const DonneesGraphique g = Graphique(jeux);
    EXPECT_EQ(g.NbJeux, 12);
    const std::vector<PointTemps> temps = {{1, 1, true},  {2, 2, true},  {3, 3, false}, {5, 5, true},
                                           {6, 6, true},  {7, 7, true},  {8, 8, true},  {9, 9, true},
                                           {10, 10, true}, {11, 11, false}, {12, 12, true}};
    EXPECT_EQ(g.Temps, temps);
    const std::map<int32_t, double> part = {{1, 100}, {2, 100}, {3, 200.0 / 3}, {4, 50}, {10, 80}, {11, 70}, {12, 70}};
    ASSERT_EQ(g.PartExacte.size(), 12u);
    for (const auto& [rang, pourcentage] : part)
        EXPECT_DOUBLE_EQ(g.PartExacte[static_cast<size_t>(rang - 1)].Pourcentage, pourcentage) << rang;

    // au-delà de cent jeux, seuls les cent plus récents ; le filtre écarte les proposés
    std::vector<LigneHistorique> beaucoup;
    for (int i = 0; i < 150; ++i) {
        beaucoup.push_back(Jeu(OrigineJeu::TireAuSort, 0, i >= 50, 1000 * (i + 1)));
        beaucoup.push_back(Jeu(OrigineJeu::Propose, 0, false, 7));
    }
    const DonneesGraphique g2 = Graphique(beaucoup, {OrigineJeu::TireAuSort, {}});
    EXPECT_EQ(g2.NbJeux, 100);
    ASSERT_EQ(g2.Temps.size(), 100u);
    EXPECT_EQ(g2.Temps.front(), (PointTemps{1, 51, true}));
    EXPECT_EQ(g2.Temps.back(), (PointTemps{100, 150, true}));
    EXPECT_DOUBLE_EQ(g2.PartExacte.back().Pourcentage, 100);
}

// la phrase du lecteur d'écran : les jeux du graphique (cent au plus), trouvés, temps médian arrondi à la seconde
TEST(Graphique, DescriptionEnUnePhrase)
{
    auto jeux = [](const std::string& suite, int32_t tempsMs) {
        std::vector<LigneHistorique> lignes;
        for (char c : suite)
            lignes.push_back(Jeu(OrigineJeu::TireAuSort, 0, c == '-' ? std::nullopt : std::optional<bool>(c == 'T'), tempsMs += 1000));
        return lignes;
    };
    const std::pair<std::vector<LigneHistorique>, const char*> cas[] = {
        {{}, "Aucun jeu"},
        {jeux("T", 17499), "1 dernier jeu : 1 trouvé, temps médian 18 s"},  // 18,499 s
        {jeux("TAT-", 16000), "4 derniers jeux : 2 trouvés, temps médian 18 s"},  // 17 et 19 s
        // du plus ancien au plus récent : les 50 anciens trouvés ne sont pas parmi les 100 derniers
        {jeux(std::string(50, 'T') + std::string(100, 'A'), 0), "100 derniers jeux : 0 trouvé"},
    };
    for (const auto& [lignes, attendue] : cas)
        EXPECT_EQ(DescriptionGraphique(lignes), attendue);
}

// les plus récents d'abord ; un calcul dont la saisie a été fermée par sa case n'a pas de temps
TEST(Csv, EnTeteEtLignes)
{
    LigneHistorique trouve;
    trouve.DateHeure = "2026-12-08T04:36:04Z";
    trouve.Origine = OrigineJeu::TireAuSort;
    trouve.Plaques = {25, 3, 7, 1, 100, 9};
    trouve.But = 101;
    trouve.NbGrandes = 2;
    trouve.Niveau = NiveauJeu::Difficile;
    trouve.OrdreSolutions = OrdreDuSimpleAuTordu;
    trouve.NbSolutions = 17;
    trouve.MeilleurResultat = 101;
    trouve.NbPossibilites = 123456;
    trouve.ResultatJoueur = 101;
    trouve.TempsJoueur = 12345;
    trouve.PlaceSolutions = 2;
    trouve.PlaceCalculs = 40;
    trouve.TempsPremiereSolution = 3;
    trouve.TempsToutesSolutions = 9;
    trouve.RangJoueur = 2;
    trouve.Points = 10;
    trouve.Serie = 3;
    LigneHistorique approche;
    approche.DateHeure = "2026-12-09T10:00:00Z";
    approche.Origine = OrigineJeu::Propose;
    approche.Plaques = {1, 1, 2, 2, 3, 3};
    approche.But = 999;
    approche.OrdreSolutions = OrdreDuTorduAuSimple;
    approche.MeilleurResultat = 720;
    approche.MeilleurBas = 720;
    approche.MeilleurHaut = 720;
    approche.NbPossibilites = 4321;
    approche.LimiteTemps = 45;
    LigneHistorique ferme = trouve;
    ferme.DateHeure = "2026-12-10T10:00:00Z";
    ferme.ResultatJoueur = 100;
    ferme.TempsJoueur = 0;
    ferme.PlaceSolutions.reset();
    ferme.RangJoueur = 0;
    ferme.Origine = OrigineJeu::Jour;
    ferme.JourDuJeu = 20261210;
    ferme.Points = 7;
    ferme.Serie.reset();
    const std::string entete =
        "date;origine;plaque1;plaque2;plaque3;plaque4;plaque5;plaque6;compte;grandes;niveau;ordre;solutions;meilleur;"
        "meilleur_bas;meilleur_haut;calculs;joueur;temps_joueur_ms;place_solutions;place_calculs;limite_temps_s;"
        "temps_premiere_solution_ms;temps_toutes_solutions_ms;rang_joueur;jour;points;serie;match\n";
    const std::string lignePropose = "2026-12-09T10:00:00Z;proposé;1;1;2;2;3;3;999;0;;2;0;720;720;720;4321;;;;;45;;;;;;;\n";
    EXPECT_EQ(TexteCsv({trouve, approche, ferme}),
              entete + "2026-12-10T10:00:00Z;jour;25;3;7;1;100;9;101;2;Difficile;1;17;101;;;123456;100;;;40;;3;9;0;2026-12-10;7;;\n" +
                  lignePropose +
                  "2026-12-08T04:36:04Z;tiré au sort;25;3;7;1;100;9;101;2;Difficile;1;17;101;;;123456;101;12345;2;40;;3;9;2;;10;3;\n");
    EXPECT_EQ(TexteCsv({trouve, approche, ferme}, {OrigineJeu::Propose, {}}), entete + lignePropose);
}

// une ligne retouchée hors du programme ne se rejoue pas, et l'on dit pourquoi : plaques d'abord
TEST(JeuRejouable, LignesAbimees)
{
    struct Cas {
        SixEntiers plaques;
        int32_t but;
        const char* raison;
    };
    const Cas cas[] = {
        {{25, 3, 7, 1, 100, 9}, 500, ""},
        {{0, 3, 7, 1, 100, 9}, 500, "la plaque 0 n'en est pas une (de 1 à 10, 25, 50, 75 ou 100)"},
        {{25, 3, 7, 1, 100, 2147483647}, 0, "la plaque 2147483647 n'en est pas une (de 1 à 10, 25, 50, 75 ou 100)"},
        {{7, 3, 7, 1, 7, 9}, 500, "3 plaques de 7, quand la réserve n'en a que deux"},
        {{100, 100, 100, 100, 100, 100}, 999, "6 plaques de 100, quand la réserve n'en a qu'une"},
        {{25, 3, 7, 1, 100, 9}, 1000, "le compte 1000 n'est pas de 101 à 999"},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(RaisonNonRejouable(c.plaques, c.but), c.raison);
}
