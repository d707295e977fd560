// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// l'outil varnel-calcul : sorties, erreurs d'arguments, export, robustesse
#include "LimiteEcriture.h"
#include "Outils.h"
#include "VarnelCalcul.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace {

struct Resultat {
    int code;
    std::string sortie, erreurs;
};

Resultat Lancer(const std::vector<std::string>& arguments)
{
    std::ostringstream sortie, erreurs;
    const int code = ExecuterVarnelCalcul(arguments, sortie, erreurs);
    return {code, sortie.str(), erreurs.str()};
}

// se place dans un dossier temporaire le temps d'un test
class DossierCourant {
public:
    explicit DossierCourant(const std::string& nom)
        : ancien_(std::filesystem::current_path()), dossier_(DossierTemporaire(nom))
    {
        std::filesystem::remove_all(dossier_);
        std::filesystem::create_directories(dossier_);
        std::filesystem::current_path(dossier_);
    }
    ~DossierCourant()
    {
        std::filesystem::current_path(ancien_);
        std::filesystem::permissions(dossier_, std::filesystem::perms::owner_all);
        std::filesystem::remove_all(dossier_);
    }
    const std::filesystem::path& Chemin() const { return dossier_; }

private:
    std::filesystem::path ancien_, dossier_;
};

// une sortie qui ne prend rien, comme un disque plein
class TamponPlein : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

}  // namespace

// ce qui ne peut pas être écrit est dit sur les erreurs, avec le code 1, quelle que soit la commande
TEST(VarnelCalcul, SortiePleineDite)
{
    const std::vector<std::vector<std::string>> commandes = {
        {"--help"}, {"25", "50", "75", "100", "3", "6", "952"}, {"--tous", "1", "2", "3", "4", "5", "6"},
        {"--atlas", "--premiers", "1", "--fils", "1"}, {"--atlas", "--niveaux", "--premiers", "1", "--fils", "1"}};
    for (const auto& arguments : commandes) {
        TamponPlein tampon;
        std::ostream plein(&tampon);
        std::ostringstream erreurs;
        EXPECT_EQ(ExecuterVarnelCalcul(arguments, plein, erreurs), 1) << ::testing::PrintToString(arguments);
        EXPECT_EQ(erreurs.str(), "Impossible d'écrire les résultats (sortie pleine ou fermée).\n");
    }
}

TEST(VarnelCalcul, ResolutionDetaillee)
{
    const Resultat r = Lancer({"--details", "25", "50", "75", "100", "3", "6", "952"});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.erreurs.empty());
    EXPECT_EQ(r.sortie.rfind("2 bon(s) compte(s), 99746 calculs en ", 0), 0u);
    for (const char* ligne : {"\nNbPossibilites=99746\n", "\nNbPossibilitesEtape=48,880,7770,33488,57560\n",
                              "\nNbSolutions=2\n", "\nNbSolutionsPlaques=0,0,0,0,2\n", "\nMeilleurResultat=952\n",
                              "\nButAtteint=1\n", "\nLibellePlaques=3-6-25-50-75-100.\nNiveau=Expert\nPlaquesMin=6\n#0 masque=63 somme=",
                              "\n#1 masque=63 "})
        EXPECT_NE(r.sortie.find(ligne), std::string::npos) << ligne;

    // le niveau après les compteurs, tel qu'il se calcule à la main de NbSolutions et NbSolutionsPlaques :
    // note = (plaques au moins − 1) + 2 pour 1 ou 2 solutions, + 1 pour 3 à 5
    struct Cas {
        std::vector<std::string> jeu;
        const char* compteurs;
    };
    const Cas cas[] = {
        {{"100", "75", "50", "25", "10", "10", "101"}, "NbSolutions=87\nNbSolutionsPlaques=0,1,4,11,71\n"},  // note 2
        {{"5", "6", "7", "8", "9", "10", "999"}, "NbSolutions=8\nNbSolutionsPlaques=0,0,0,1,7\n"},            // note 4
        {{"3", "8", "10", "7", "1", "3", "726"}, "NbSolutions=4\nNbSolutionsPlaques=0,0,0,0,4\n"},            // note 6
        {{"2", "5", "1", "8", "5", "7", "810"}, "NbSolutions=1\nNbSolutionsPlaques=0,0,0,0,1\n"},             // note 7
        {{"1", "1", "2", "2", "3", "3", "999"}, "ButAtteint=0\n"},
    };
    const char* niveaux[] = {"Niveau=Facile\nPlaquesMin=3\n", "Niveau=Moyen\nPlaquesMin=5\n", "Niveau=Difficile\nPlaquesMin=6\n",
                             "Niveau=Expert\nPlaquesMin=6\n", "Niveau=Impossible\nPlaquesMin=0\n"};
    for (size_t i = 0; i < std::size(cas); ++i) {
        std::vector<std::string> arguments{"--details"};
        arguments.insert(arguments.end(), cas[i].jeu.begin(), cas[i].jeu.end());
        const std::string sortie = Lancer(arguments).sortie;
        EXPECT_NE(sortie.find(cas[i].compteurs), std::string::npos) << niveaux[i];
        const size_t libelle = sortie.find("\nLibellePlaques=");
        EXPECT_EQ(sortie.find(niveaux[i]), sortie.find('\n', libelle + 1) + 1) << niveaux[i];
    }

    // sans détails : le compte rendu, puis chaque solution suivie d'une ligne vide
    const Resultat simple = Lancer({"100", "7", "1", "3", "9", "8", "101"});
    EXPECT_NE(simple.sortie.find(" ms.\n100+1=101\n\n"), std::string::npos);
    EXPECT_EQ(simple.sortie.find("NbPossibilites"), std::string::npos);
}

TEST(VarnelCalcul, ErreursDArguments)
{
    struct Cas {
        std::vector<std::string> arguments;
        std::string message;
    };
    const Cas cas[] = {
        {{"1", "2", "3"}, "Nombre incorrect d'arguments."},
        {{"25", "50", "75", "100", "3", "6", "1000"}, "Résultat à trouver incorrect (de 101 à 999)."},
        {{"25", "50", "12", "100", "3", "6", "952"}, "Plaque incorrecte (de 1 à 10, 25, 50, 75 ou 100)."},
        {{"25", "50", "x", "100", "3", "6", "952"}, "Argument \"x\" incorrect."},
        {{"--ordre", "3", "25", "50", "75", "100", "3", "6", "952"}, "Ordre incorrect (1 ou 2)."},
        {{"--ordre"}, "Ordre incorrect (1 ou 2)."},
        {{"--tous", "--tri", "valeur", "1", "2", "3", "4", "5", "6"}, "Tri incorrect (compte ou solutions)."},
        {{"--tous", "1", "2", "3", "4", "5", "6", "7"}, "Nombre incorrect d'arguments."},
        {{"--vite", "1", "2", "3", "4", "5", "6", "7"}, "Option inconnue : --vite"},
        {{"--export", "1", "2", "3", "4", "5", "6", "700"}, "Les options --tri et --export ne valent qu'avec --tous."},
        {{"--atlas", "--fils", "0"}, "Nombre de fils incorrect (de 1 à 256)."},
        {{"--atlas", "--premiers", "x"}, "Nombre de tirages incorrect (de 1 à 13243)."},
        {{"--atlas", "--grandes", "25,30"}, "Grandes plaques incorrectes (25, 50, 75, 100 séparées par des virgules, ou aucune)."},
        {{"--atlas", "--grandes", "25,"}, "Grandes plaques incorrectes (25, 50, 75, 100 séparées par des virgules, ou aucune)."},
        {{"--fils", "2", "1", "2", "3", "4", "5", "6", "700"}, "Les options --niveaux, --fils, --grandes et --premiers ne valent qu'avec --atlas."},
        {{"--atlas", "1", "2", "3", "4", "5", "6"}, "L'atlas ne prend ni plaques ni autres options que --niveaux, --methodes, --fils, --grandes et --premiers."},
        {{"--atlas", "--tous"}, "L'atlas ne prend ni plaques ni autres options que --niveaux, --methodes, --fils, --grandes et --premiers."},
    };
    for (const Cas& c : cas) {
        const Resultat r = Lancer(c.arguments);
        EXPECT_EQ(r.code, 2) << c.message;
        EXPECT_EQ(r.erreurs.rfind(c.message + "\nSyntaxe : ", 0), 0u) << r.erreurs;
        EXPECT_TRUE(r.sortie.empty());
    }
    const Resultat aide = Lancer({"--help"});
    EXPECT_EQ(aide.code, 0);
    EXPECT_NE(aide.sortie.find("varnel-calcul --tous"), std::string::npos);
    EXPECT_NE(aide.sortie.find("varnel-calcul --atlas"), std::string::npos);

    // sans grandes plaques, les premiers tirages : « aucune » est admis
    const Resultat atlas = Lancer({"--atlas", "--grandes", "aucune", "--premiers", "2", "--fils", "1"});
    EXPECT_EQ(atlas.code, 0);
    EXPECT_EQ(atlas.sortie.rfind("1 1 2 2 3 3 : 0\n1 1 2 2 3 4 : 1\nTotal : 2 tirages, 1798 jeux, 1 faisables (0,06 %)\n", 0), 0u);

    // l'atlas des niveaux : le seul compte faisable de 1 1 2 2 3 4, 108, n'a qu'une solution, à six plaques
    const Resultat niveaux = Lancer({"--atlas", "--niveaux", "--grandes", "aucune", "--premiers", "2", "--fils", "1"});
    EXPECT_EQ(niveaux.code, 0);
    EXPECT_EQ(niveaux.sortie.rfind("1 1 2 2 3 3 : 0 0 0 0 899\n1 1 2 2 3 4 : 0 0 0 1 898\n"
                                   "Total : 2 tirages, 1798 jeux, 1 faisables (0,06 %)\n", 0), 0u);
    EXPECT_NE(niveaux.sortie.find("  Difficile : 0 jeux (0,00 % des jeux, 0,00 % des faisables)\n"
                                  "  Expert : 1 jeux (0,06 % des jeux, 100,00 % des faisables)\n"
                                  "  Impossible : 1797 jeux (99,94 % des jeux)\n0 grande plaque : 2 tirages"),
              std::string::npos);
}

// la méthode de chaque solution en tête de son bloc ; celles de chaque compte de l'inventaire ; la plus
// simple de chaque jeu de l'atlas. 952 : 927 + 25 ajuste le produit 103 × 9, puis 23800 ÷ 25 ; 108 = 12 × 9,
// deux produits
TEST(VarnelCalcul, Methodes)
{
    const Resultat r = Lancer({"--methodes", "--details", "25", "50", "75", "100", "3", "6", "952"});
    EXPECT_NE(r.sortie.find("PlaquesMin=6\nMethode=Produit puis ajustement\n#0 masque=63 somme=2441 max=927\n"
                            "75*6=450\n450/50=9\n100+3=103\n103*9=927\n927+25=952\n\nMethode=Division\n#1 "),
              std::string::npos) << r.sortie;
    EXPECT_NE(Lancer({"--methodes", "--ordre", "2", "25", "50", "75", "100", "3", "6", "952"})
                  .sortie.find("\nMethode=Addition et soustraction\n100+3=103\n103*75=7725\n"), std::string::npos);

    const Resultat tous = Lancer({"--tous", "--methodes", "1", "1", "2", "2", "3", "4"});
    EXPECT_NE(tous.sortie.find("\r\nMethodes de chaque compte : Produit puis ajustement, Multiplication décomposée, "
                               "Produit, Division, Addition et soustraction\nTot : 0 0 1 0 0\n101 : 0 0 0 0 0\n"),
              std::string::npos);
    EXPECT_NE(tous.sortie.find("\n107 : 0 0 0 0 0\n108 : 0 0 1 0 0\n109 : 0 0 0 0 0\n"), std::string::npos);

    const Resultat atlas = Lancer({"--atlas", "--methodes", "--grandes", "aucune", "--premiers", "2", "--fils", "1"});
    EXPECT_EQ(atlas.sortie.rfind("1 1 2 2 3 3 : 0 0 0 0 0\n1 1 2 2 3 4 : 0 0 1 0 0\n"
                                 "Total : 2 tirages, 1798 jeux, 1 faisables (0,06 %)\n"
                                 "  Produit puis ajustement : 0 jeux (0,00 % des faisables)\n"
                                 "  Multiplication décomposée : 0 jeux (0,00 % des faisables)\n"
                                 "  Produit : 1 jeux (100,00 % des faisables)\n", 0), 0u);
    EXPECT_EQ(Lancer({"--atlas", "--methodes", "--niveaux"}).code, 2);
}

TEST(VarnelCalcul, InventaireSurLaSortieEtEnFichier)
{
    const Resultat r = Lancer({"--tous", "--details", "--tri", "solutions", "3", "7", "8", "25", "50", "100"});
    ASSERT_EQ(r.code, 0);
    EXPECT_EQ(r.sortie.rfind("Entrees=15596\nNbPossibilites=82971\n  C\\P| Tot. |", 0), 0u);
    EXPECT_NE(r.sortie.find("\r\n Tot| 15551|    13|   147|  1026|  4464|  9901|\r\n"), std::string::npos);
    EXPECT_NE(r.sortie.find("\nProgression=0,1,2,"), std::string::npos);
    EXPECT_NE(r.sortie.find(",58,59\n"), std::string::npos);

    // sur la sortie comme en fichier, dans chaque ordre : l'export établi à la main
    DossierCourant dossier("varnel-calcul-export");
    EXPECT_TRUE(Lancer({"--tous", "4", "3", "2", "2", "1", "1"}).sortie == ExportAttendu("cpt"));
    for (const char* tri : {"compte", "solutions"}) {
        const Resultat e = Lancer({"--tous", "--export", "--tri", tri, "4", "3", "2", "2", "1", "1"});
        EXPECT_EQ(e.code, 0);
        const std::string suffixe = tri == std::string("compte") ? "cpt" : "sol";
        std::ifstream fichier(std::string(JeuExportAttendu) + suffixe + ".txt", std::ios::binary);
        const std::string contenu{std::istreambuf_iterator<char>(fichier), std::istreambuf_iterator<char>()};
        EXPECT_EQ(contenu.size(), 44200u);
        EXPECT_TRUE(contenu == ExportAttendu(suffixe)) << tri;
    }
    const Resultat e = Lancer({"--tous", "--export", "100", "50", "25", "8", "7", "3"});
    EXPECT_EQ(e.code, 0);

    // fichier en lecture seule : il n'est pas remplacé, c'est dit et le code vaut 1
    std::filesystem::copy_file("3-7-8-25-50-100.cpt.txt", "3-7-8-25-50-100.sol.txt");
    std::filesystem::permissions("3-7-8-25-50-100.sol.txt", std::filesystem::perms::owner_read);
    const Resultat refus = Lancer({"--tous", "--export", "--tri", "solutions", "3", "7", "8", "25", "50", "100"});
    EXPECT_EQ(refus.code, 1);
    EXPECT_EQ(refus.erreurs, "Impossible de créer le fichier \"3-7-8-25-50-100.sol.txt\"\n");

    // disque plein à mi-chemin : même message, même code, l'ancien export intact
    std::filesystem::permissions("3-7-8-25-50-100.sol.txt", std::filesystem::perms::owner_all);
    const auto taille = std::filesystem::file_size("3-7-8-25-50-100.cpt.txt");
    {
        LimiteEcriture disquePlein(4096);
        const Resultat plein = Lancer({"--tous", "--export", "--tri", "solutions", "3", "7", "8", "25", "50", "100"});
        EXPECT_EQ(plein.code, 1);
        EXPECT_EQ(plein.erreurs, "Impossible de créer le fichier \"3-7-8-25-50-100.sol.txt\"\n");
    }
    EXPECT_EQ(std::filesystem::file_size("3-7-8-25-50-100.sol.txt"), taille);
}

// avant un export, les fichiers provisoires d'exports tués (plus d'une minute) disparaissent du dossier ;
// un export récent, un nom qui n'est pas le sien, un dossier restent
TEST(VarnelCalcul, RestesDExportsSupprimes)
{
    namespace fs = std::filesystem;
    DossierCourant dossier("varnel-calcul-restes");
    const std::vector<std::string> restes = {"3-7-8-25-50-100.cpt.txt.1a2b3c4d.tmp", "1-1-2-2-10-75.sol.txt.00ff00ff.tmp"};
    const std::vector<std::string> gardes = {"notes.txt.1a2b3c4d.tmp", "3-7-8-25-50-100.cpt.txt.1A2B3C4D.tmp",
                                             "3-7-8-25-50-100.cpt.txt.bak", "3-7-8-25-50-100.cpt.txt.1a2b3c4.tmp",
                                             "3-7-8-25-50.cpt.txt.1a2b3c4d.tmp"};
    const auto ilYA = [](int secondes) { return fs::file_time_type::clock::now() - std::chrono::seconds(secondes); };
    for (const auto& nom : restes) {
        std::ofstream(nom) << "moitié d'export";
        fs::last_write_time(nom, ilYA(120));
    }
    for (const auto& nom : gardes) {
        std::ofstream(nom) << "à quelqu'un";
        fs::last_write_time(nom, ilYA(120));
    }
    std::ofstream("1-2-3-4-5-6.cpt.txt.abcdef01.tmp") << "en cours";
    fs::last_write_time("1-2-3-4-5-6.cpt.txt.abcdef01.tmp", ilYA(10));
    fs::create_directory("1-2-3-4-5-6.cpt.txt.abcdef02.tmp");
    fs::last_write_time("1-2-3-4-5-6.cpt.txt.abcdef02.tmp", ilYA(120));

    EXPECT_EQ(Lancer({"--tous", "--export", "3", "7", "8", "25", "50", "100"}).code, 0);
    for (const auto& nom : restes)
        EXPECT_FALSE(fs::exists(nom)) << nom;
    for (const auto& nom : gardes)
        EXPECT_TRUE(fs::exists(nom)) << nom;
    EXPECT_TRUE(fs::exists("1-2-3-4-5-6.cpt.txt.abcdef01.tmp"));
    EXPECT_TRUE(fs::is_directory("1-2-3-4-5-6.cpt.txt.abcdef02.tmp"));
    EXPECT_TRUE(fs::exists("3-7-8-25-50-100.cpt.txt"));
}

TEST(VarnelCalcul, NePlanteSurAucuneListeDArguments)
{
    const std::vector<std::string> morceaux = {"--tous", "--details", "--export", "--ordre", "--tri", "1", "2",
                                               "compte", "25", "100", "999", "101", "0", "-1", "",
                                               "é", "--", "7", "abc", "2147483647", "--help"};
    std::mt19937 alea(99);
    DossierCourant dossier("varnel-calcul-robustesse");
    for (int essai = 0; essai < 300; ++essai) {
        std::vector<std::string> arguments(alea() % 10);
        for (auto& a : arguments)
            a = morceaux[alea() % morceaux.size()];
        const Resultat r = Lancer(arguments);
        EXPECT_TRUE(r.code == 0 || r.code == 2) << ::testing::PrintToString(arguments);
        EXPECT_EQ(r.code == 2, !r.erreurs.empty());
    }
}

// les indices : depuis des nombres en main, puis pour le jeu entier (75 × 6 ÷ 50 × (100 + 3) + 25) ; un jeu
// sans solution exacte ; les arguments refusés
TEST(VarnelCalcul, Indices)
{
    const Resultat depuis = Lancer({"--indices", "--depuis", "9375000", "3", "6", "25", "50", "75", "100", "3", "6", "952"});
    EXPECT_EQ(depuis.code, 0);
    EXPECT_EQ(depuis.sortie, "Atteignable=non\nEcart=934\nPlaques=6\nPassage=927\nPremiereOperation=75*6=450\n");
    EXPECT_EQ(Lancer({"--indices", "1", "1", "2", "2", "3", "4", "999"}).sortie,
              "Atteignable=non\nEcart=891\nPlaques=-\nPassage=12\nPremiereOperation=2+1=3\n");

    const std::pair<std::vector<std::string>, std::string> refus[] = {
        {{"--depuis", "5", "1", "2", "3", "4", "5", "6", "700"}, "L'option --depuis ne vaut qu'avec --indices."},
        {{"--indices", "--tous", "1", "2", "3", "4", "5", "6", "700"}, "Les indices ne prennent pas d'autre option que --depuis."},
        {{"--indices", "--depuis", "1", "2", "3", "4", "5", "6", "700"},
         "Il faut de 1 à 6 nombres après --depuis, puis les six plaques et le compte."},
        {{"--indices", "--depuis", "0", "1", "2", "3", "4", "5", "6", "700"},
         "Nombre \"0\" incorrect après --depuis (un entier de 1 à 2147483647)."},
        {{"--indices", "--depuis", "2000000000", "2000000000", "2000000000", "2000000000", "2000000000", "1", "2", "3",
          "4", "5", "6", "700"},
         "Nombres trop grands après --depuis (le produit des nombres augmentés de 1 doit rester sous 2^127)."},
        {{"--indices", "--depuis", "5", "1", "2", "3", "4", "5", "6", "1000"}, "Résultat à trouver incorrect (de 101 à 999)."},
    };
    for (const auto& [arguments, message] : refus) {
        const Resultat r = Lancer(arguments);
        EXPECT_EQ(r.code, 2) << message;
        EXPECT_EQ(r.erreurs.rfind(message + "\nSyntaxe : ", 0), 0u) << r.erreurs;
    }
}
