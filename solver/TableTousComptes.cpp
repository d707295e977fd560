#include "TableTousComptes.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string_view>
#include <fstream>
#include <numeric>

namespace {

// le texte cadré à droite sur la largeur, comme « %*s » (jamais tronqué)
void AjouterCadre(std::string& ligne, std::string_view texte, size_t largeur)
{
    if (texte.size() < largeur)
        ligne.append(largeur - texte.size(), ' ');
    ligne.append(texte);
}

}  // namespace

std::string TexteCompteur(int32_t n)
{
    // « %5d » sans passer par printf : l'inventaire en écrit des milliers
    char tampon[16];
    const char* fin = std::to_chars(tampon, tampon + sizeof tampon, n).ptr;
    std::string texte;
    AjouterCadre(texte, std::string_view(tampon, static_cast<size_t>(fin - tampon)), 5);
    return texte;
}

std::string TexteCompte(int32_t compte)
{
    char tampon[16];
    std::snprintf(tampon, sizeof tampon, " %3.3d", compte);
    return tampon;
}

LigneGrille LigneEnTete()
{
    LigneGrille ligne{" C\\P", " Tot"};
    for (int n = 2; n <= 6; ++n) {
        char tampon[16];
        std::snprintf(tampon, sizeof tampon, " %d p.", n);
        ligne[static_cast<size_t>(n)] = tampon;
    }
    return ligne;
}

std::array<int32_t, 900> PlacesParNombreDeSolutions(const TableComptes& table)
{
    std::array<int32_t, 899> lignes;
    std::iota(lignes.begin(), lignes.end(), 1);
    std::sort(lignes.begin(), lignes.end(), [&](int32_t a, int32_t b) {
        const int32_t ta = table[static_cast<size_t>(a)][0];
        const int32_t tb = table[static_cast<size_t>(b)][0];
        return ta != tb ? ta > tb : a > b;
    });
    std::array<int32_t, 900> places{};
    for (size_t p = 0; p < lignes.size(); ++p)
        places[static_cast<size_t>(lignes[p])] = static_cast<int32_t>(p) + 1;
    return places;
}

namespace {

LigneGrille LigneTable(const TableComptes& table, size_t ligne, std::string libelle)
{
    LigneGrille cellules;
    cellules[0] = std::move(libelle);
    for (size_t c = 0; c < 6; ++c)
        cellules[c + 1] = TexteCompteur(table[ligne][c]);
    return cellules;
}

}  // namespace

GrilleComptes GrilleTousComptes(const TableComptes& table, TriComptes tri)
{
    GrilleComptes grille(901);
    grille[0] = LigneEnTete();
    grille[1] = LigneTable(table, 0, " Tot");
    if (tri == TriComptes::ParCompte) {
        for (size_t i = 1; i < 900; ++i)
            grille[i + 1] = LigneTable(table, i, TexteCompte(static_cast<int32_t>(i) + 100));
    } else {
        const auto places = PlacesParNombreDeSolutions(table);
        for (size_t i = 1; i < 900; ++i)
            grille[static_cast<size_t>(places[i]) + 1] = LigneTable(table, i, TexteCompte(static_cast<int32_t>(i) + 100));
    }
    return grille;
}

std::string LigneExport(const LigneGrille& c)
{
    // « %s|%6s|%6s|%6s|%6s|%6s|%6s| »
    std::string ligne = c[0];
    ligne.push_back('|');
    for (size_t i = 1; i < c.size(); ++i) {
        AjouterCadre(ligne, c[i], 6);
        ligne.push_back('|');
    }
    return ligne;
}

std::string TexteExport(const GrilleComptes& grille)
{
    std::string texte = std::string(EnteteExport) + "\r\n" + std::string(48, '-') + "\r\n";
    texte.reserve(texte.size() + grille.size() * 52);
    for (size_t r = 1; r < grille.size(); ++r) {
        texte += LigneExport(grille[r]);
        texte += "\r\n";
    }
    return texte;
}

std::string NomFichierExport(const std::string& libellePlaques, TriComptes tri)
{
    return libellePlaques + (tri == TriComptes::ParCompte ? "cpt.txt" : "sol.txt");
}

bool EcrireFichierExport(const std::string& chemin, const GrilleComptes& grille)
{
    std::ofstream fichier(chemin, std::ios::binary | std::ios::trunc);
    if (!fichier)
        return false;
    const std::string texte = TexteExport(grille);
    fichier.write(texte.data(), static_cast<std::streamsize>(texte.size()));
    fichier.close();
    return !fichier.fail();
}
