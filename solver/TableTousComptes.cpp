#include "TableTousComptes.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <numeric>

std::string TexteCompteur(int32_t n)
{
    char tampon[16];
    std::snprintf(tampon, sizeof tampon, "%5d", n);
    return tampon;
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
    char tampon[256];
    std::snprintf(tampon, sizeof tampon, "%s|%6s|%6s|%6s|%6s|%6s|%6s|", c[0].c_str(), c[1].c_str(), c[2].c_str(),
                  c[3].c_str(), c[4].c_str(), c[5].c_str(), c[6].c_str());
    return tampon;
}

std::string TexteExport(const GrilleComptes& grille)
{
    std::string texte = std::string(EnteteExport) + "\r\n" + std::string(48, '-') + "\r\n";
    for (size_t r = 1; r < grille.size(); ++r)
        texte += LigneExport(grille[r]) + "\r\n";
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
