// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// inventaire de tous les comptes : comptes de référence, invariants, atteignabilité, tableau et export
#include "ForceBrute.h"
#include "LimiteEcriture.h"
#include "Outils.h"
#include "TableAtteignables.h"
#include "TableTousComptes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace {

std::string Lire(const std::filesystem::path& chemin)
{
    std::ifstream fichier(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(fichier), std::istreambuf_iterator<char>()};
}

DonneesRecherche Inventorier(const SixEntiers& plaques, std::vector<int>* progression = nullptr)
{
    DonneesRecherche d;
    d.Plaques = plaques;
    d.But = 432;
    CrochetsRecherche crochets;
    if (progression)
        crochets.ProgressionTousComptes = [progression](int p) { progression->push_back(p); };
    ExecuterRechercheTousComptes(d, crochets);
    return d;
}

}  // namespace

TEST(Inventaire, ComptesDeReferenceEtInvariants)
{
    std::vector<int> progression;
    const DonneesRecherche d = Inventorier({3, 7, 8, 25, 50, 100}, &progression);
    EXPECT_EQ(d.ListeSolutions.Nombre(), 15596);
    EXPECT_EQ(d.NbPossibilites, 82971);
    EXPECT_EQ(d.TableSolutionsComptes[0], (std::array<int32_t, 6>{15551, 13, 147, 1026, 4464, 9901}));
    std::vector<int> attendu(60);
    std::iota(attendu.begin(), attendu.end(), 0);
    EXPECT_EQ(progression, attendu);

    // le compte du jeu est rendu, le mode inventaire levé, l'ordre laissé au plus simple
    EXPECT_EQ(d.But, 432);
    EXPECT_FALSE(d.ModeTousComptes);
    EXPECT_EQ(d.OrdreSolutions, 1);
    EXPECT_EQ(d.MeilleurResultat, Aucun);
    EXPECT_EQ(d.LibellePlaques, "3-7-8-25-50-100.");

    std::array<int32_t, 6> sommes{};
    for (size_t v = 1; v < 900; ++v) {
        const auto& ligne = d.TableSolutionsComptes[v];
        EXPECT_EQ(ligne[0], ligne[1] + ligne[2] + ligne[3] + ligne[4] + ligne[5]) << v + 100;
        for (size_t c = 0; c < 6; ++c)
            sommes[c] += ligne[c];
    }
    EXPECT_EQ(sommes, d.TableSolutionsComptes[0]);
}

TEST(Inventaire, RienAuDessusDeCent)
{
    const DonneesRecherche d = Inventorier({1, 1, 2, 2, 3, 3});
    for (const auto& ligne : d.TableSolutionsComptes)
        for (int32_t n : ligne)
            ASSERT_EQ(n, 0);
}

// l'inventaire trouve exactement les comptes qu'une force brute sait former
TEST(Inventaire, TrouveExactementLesComptesAtteignables)
{
#ifdef VARNEL_TESTS_ALLEGES
    const int tirages = 15;
#else
    const int tirages = 250;
#endif
    std::mt19937 alea(2026);
    std::vector<SixEntiers> tirees;
    for (int t = 0; t < tirages; ++t) {
        std::array<int, 24> reserve;
        std::iota(reserve.begin(), reserve.end(), 0);
        std::shuffle(reserve.begin(), reserve.end(), alea);
        SixEntiers& plaques = tirees.emplace_back();
        for (size_t i = 0; i < 6; ++i)
            plaques[i] = ReservePlaques[static_cast<size_t>(reserve[i])];
    }
    const TableAtteignables table(tirees, 2);
    for (const SixEntiers& plaques : tirees) {
        const DonneesRecherche d = Inventorier(plaques);
        std::set<int32_t> trouves;
        for (int32_t v = 101; v <= 999; ++v)
            if (d.TableSolutionsComptes[static_cast<size_t>(v - 100)][0] > 0)
                trouves.insert(v);
        const std::set<int32_t> attendus = Atteignables(plaques);
        ASSERT_EQ(trouves, attendus) << d.LibellePlaques;
        // l'inventaire qui ne fait que marquer les valeurs (l'atlas) trouve les mêmes
        // et les valeurs partagées des sous-tirages aussi
        for (const ComptesMarques& marques : {ComptesAtteignables(plaques), table.Comptes(plaques)}) {
            std::set<int32_t> marquees;
            for (int32_t v = 101; v <= 999; ++v)
                if (marques[static_cast<size_t>(v)])
                    marquees.insert(v);
            ASSERT_EQ(marquees, attendus) << d.LibellePlaques;
        }
    }
}

TEST(Tableau, CellulesEtOrdres)
{
    EXPECT_EQ(TexteCompteur(0), "    0");
    EXPECT_EQ(TexteCompteur(12), "   12");
    EXPECT_EQ(TexteCompteur(123456), "123456");
    EXPECT_EQ(TexteCompte(101), " 101");
    EXPECT_EQ(LigneEnTete(), (LigneGrille{" C\\P", " Tot", " 2 p.", " 3 p.", " 4 p.", " 5 p.", " 6 p."}));

    TableComptes table{};
    table[1][0] = 5;    // 101
    table[2][0] = 9;    // 102
    table[3][0] = 5;    // 103 : même total que 101, passe devant
    table[899][0] = 1;  // 999
    const auto places = PlacesParNombreDeSolutions(table);
    EXPECT_EQ(places[2], 1);
    EXPECT_EQ(places[3], 2);
    EXPECT_EQ(places[1], 3);
    EXPECT_EQ(places[899], 4);
    EXPECT_EQ(places[898], 5);  // les comptes sans solution : le plus grand d'abord
    std::vector<int32_t> tri(places.begin() + 1, places.end());
    std::sort(tri.begin(), tri.end());
    for (size_t i = 0; i < tri.size(); ++i)
        ASSERT_EQ(tri[i], static_cast<int32_t>(i) + 1);

    const GrilleComptes parSolutions = GrilleTousComptes(table, TriComptes::ParNombreDeSolutions);
    EXPECT_EQ(parSolutions[1][0], " Tot");
    EXPECT_EQ(parSolutions[2][0], " 102");
    EXPECT_EQ(parSolutions[3][0], " 103");
    const GrilleComptes parCompte = GrilleTousComptes(table, TriComptes::ParCompte);
    EXPECT_EQ(parCompte[2][0], " 101");
    EXPECT_EQ(parCompte[900][0], " 999");
}

// l'export d'un jeu, octet pour octet, dans chaque ordre : le fichier établi à la main sous tests/exports
TEST(Tableau, FichierExport)
{
    const DonneesRecherche riche = Inventorier({3, 7, 8, 25, 50, 100});
    const GrilleComptes grille = GrilleTousComptes(riche.TableSolutionsComptes, TriComptes::ParCompte);
    EXPECT_EQ(LigneExport(grille[1]), " Tot| 15551|    13|   147|  1026|  4464|  9901|");
    EXPECT_EQ(NomFichierExport("1-4-4-9-25-75.", TriComptes::ParCompte), "1-4-4-9-25-75.cpt.txt");
    EXPECT_EQ(NomFichierExport("1-4-4-9-25-75.", TriComptes::ParNombreDeSolutions), "1-4-4-9-25-75.sol.txt");

    const auto dossier = DossierTemporaire("varnel-export-test");
    std::filesystem::remove_all(dossier);
    std::filesystem::create_directories(dossier);
    const DonneesRecherche d = Inventorier({2, 1, 4, 1, 3, 2});
    EXPECT_EQ(d.LibellePlaques, JeuExportAttendu);
    for (const auto& [tri, suffixe] : {std::pair{TriComptes::ParCompte, "cpt"}, {TriComptes::ParNombreDeSolutions, "sol"}}) {
        const auto chemin = dossier / NomFichierExport(d.LibellePlaques, tri);
        ASSERT_TRUE(EcrireFichierExport(chemin.string(), GrilleTousComptes(d.TableSolutionsComptes, tri)));
        const std::string attendu = ExportAttendu(suffixe);
        ASSERT_EQ(attendu.size(), 44200u) << suffixe;
        EXPECT_TRUE(Lire(chemin) == attendu) << suffixe;
    }

    // un fichier qu'on ne peut pas créer est signalé
    EXPECT_FALSE(EcrireFichierExport((dossier / "absent" / "x.txt").string(), grille));
    std::filesystem::remove_all(dossier);
}

// un export manqué (fichier en lecture seule, disque plein à mi-chemin) laisse l'ancien intact,
// sans fichier provisoire ; un export réussi remplace l'ancien en gardant ses droits
TEST(Tableau, ExportManqueLaisseLAncienFichier)
{
    namespace fs = std::filesystem;
    const DonneesRecherche d = Inventorier({1, 1, 2, 2, 3, 4});
    const GrilleComptes parCompte = GrilleTousComptes(d.TableSolutionsComptes, TriComptes::ParCompte);
    const GrilleComptes parSolutions = GrilleTousComptes(d.TableSolutionsComptes, TriComptes::ParNombreDeSolutions);
    const auto dossier = DossierTemporaire("varnel-export-manque");
    fs::remove_all(dossier);
    fs::create_directories(dossier);
    const auto chemin = dossier / "export.txt";
    ASSERT_TRUE(EcrireFichierExport(chemin.string(), parCompte));
    const std::string ancien = Lire(chemin);

    fs::permissions(chemin, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_FALSE(EcrireFichierExport(chemin.string(), parSolutions));
    EXPECT_EQ(Lire(chemin), ancien);

    EXPECT_TRUE(ancien == ExportAttendu("cpt"));
    fs::permissions(chemin, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    {
        LimiteEcriture disquePlein(ancien.size() / 2);
        EXPECT_FALSE(EcrireFichierExport(chemin.string(), parSolutions));
    }
    EXPECT_EQ(Lire(chemin), ancien);
    EXPECT_EQ(std::distance(fs::directory_iterator(dossier), fs::directory_iterator()), 1);

    ASSERT_TRUE(EcrireFichierExport(chemin.string(), parSolutions));
    EXPECT_TRUE(Lire(chemin) == ExportAttendu("sol"));
    EXPECT_EQ(fs::status(chemin).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(dossier), fs::directory_iterator()), 1);
    fs::remove_all(dossier);
}

TEST(Tableau, TexteDeLaSelection)
{
    struct Cas {
        int ligne;
        std::string compte, total, grandTotal, separateur, attendu;
    };
    const Cas cas[] = {
        {0, " C\\P", " Tot", " Tot", ".", ""},
        {1, " Tot", "15551", "15551", ".", ""},
        {2, " 101", "   43", "15551", ".", "  1° : compte 101 (0.28%)"},
        {3, " 200", "  121", "15551", ",", "  2° : compte 200 (0,78%)"},
        {900, " 999", "123456", "123456", ",", "899° : compte 999 (100,00%)"},
        // la part d'un petit total : 1 sur 3
        {5, " 104", "    1", "    3", ".", "  4° : compte 104 (33.33%)"},
        {6, " 105", "    2", "    3", ",", "  5° : compte 105 (66,67%)"},
        // aucune solution nulle part : pas de division par zéro
        {2, " 101", "    0", "    0", ",", "  1° : compte 101 (0,00%)"},
        // avant toute recherche, les cellules sont vides
        {2, "", "", "", ",", ""},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(TexteSelection(c.ligne, c.compte, c.total, c.grandTotal, c.separateur), c.attendu) << c.ligne;
}
