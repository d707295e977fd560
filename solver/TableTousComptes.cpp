// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TableTousComptes.h"

#include "ProvisoiresAbandonnes.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <numeric>
#include <optional>
#include <random>
#include <regex>

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

namespace {

namespace fs = std::filesystem;

// le renommage ne regarde que les droits du dossier : ceux du fichier sont vérifiés ici,
// et un fichier sans aucun droit d'écriture n'est pas remplacé, même par l'administrateur
bool FichierProtege(const fs::path& chemin)
{
    std::error_code erreur;
    const fs::file_status etat = fs::status(chemin, erreur);
    if (erreur || !fs::exists(etat))
        return false;
    if (!fs::is_regular_file(etat))
        return true;
    constexpr fs::perms ecriture = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if ((etat.permissions() & ecriture) == fs::perms::none)
        return true;
    // ouvert sans le vider : savoir si ce processus a le droit de l'écrire
    std::FILE* fichier = std::fopen(chemin.c_str(), "ab");
    if (!fichier)
        return true;
    std::fclose(fichier);
    return false;
}

// « 3-7-8-25-50-100.cpt.txt.1a2b3c4d.tmp » : le fichier provisoire d'un export, tel que CreerProvisoire
// le nomme (six plaques, « cpt » ou « sol », huit chiffres hexadécimaux)
bool EstProvisoireExport(const std::string& nom)
{
    static const std::regex modele(R"(^[0-9]+(-[0-9]+){5}\.(cpt|sol)\.txt\.[0-9a-f]{8}\.tmp$)");
    return std::regex_match(nom, modele);
}

// fichier créé à côté de la cible, sous un nom qu'aucun autre export ne prend en même temps
std::FILE* CreerProvisoire(const fs::path& cible, fs::path& provisoire)
{
    std::random_device hasard;
    for (int essai = 0; essai < 16; ++essai) {
        char suffixe[32];
        std::snprintf(suffixe, sizeof suffixe, ".%08x.tmp", static_cast<unsigned>(hasard()));
        provisoire = cible;
        provisoire += suffixe;
        if (std::FILE* fichier = std::fopen(provisoire.c_str(), "wbx"))
            return fichier;
        if (errno != EEXIST)
            return nullptr;
    }
    return nullptr;
}

}  // namespace

bool EcrireFichierExport(const std::string& chemin, const GrilleComptes& grille)
{
    const fs::path cible(chemin);
    // les restes d'exports tués en cours de route ne s'entassent pas dans le dossier
    SupprimerProvisoiresAbandonnes(cible.parent_path(), EstProvisoireExport);
    if (FichierProtege(cible))
        return false;
    fs::path provisoire;
    std::FILE* fichier = CreerProvisoire(cible, provisoire);
    if (!fichier)
        return false;
    const std::string texte = TexteExport(grille);
    bool ecrit = std::fwrite(texte.data(), 1, texte.size(), fichier) == texte.size();
    ecrit = std::fflush(fichier) == 0 && ecrit;
    ecrit = std::fclose(fichier) == 0 && ecrit;

    std::error_code erreur;
    if (ecrit) {
        // l'export remplacé garde ses droits
        const fs::file_status ancien = fs::status(cible, erreur);
        if (!erreur && fs::exists(ancien))
            fs::permissions(provisoire, ancien.permissions(), erreur);
        fs::rename(provisoire, cible, erreur);
        ecrit = !erreur;
    }
    if (!ecrit)
        fs::remove(provisoire, erreur);
    return ecrit;
}

namespace {

// nombre relu d'une cellule : blancs en tête admis, rien d'autre que des chiffres ensuite
std::optional<int64_t> NombreCellule(const std::string& texte)
{
    const size_t debut = texte.find_first_not_of(' ');
    if (debut == std::string::npos)
        return std::nullopt;
    int64_t valeur = 0;
    const char* fin = texte.data() + texte.size();
    const auto [reste, erreur] = std::from_chars(texte.data() + debut, fin, valeur);
    if (erreur != std::errc() || reste != fin || valeur < 0)
        return std::nullopt;
    return valeur;
}

}  // namespace

std::string TexteSelection(int ligne, const std::string& celluleCompte, const std::string& celluleTotal,
                           const std::string& celluleGrandTotal, const std::string& separateurDecimal)
{
    if (ligne <= 1)
        return {};
    const auto compte = NombreCellule(celluleCompte);
    const auto total = NombreCellule(celluleTotal);
    const auto grandTotal = NombreCellule(celluleGrandTotal);
    if (!compte || !total || !grandTotal)
        return {};
    // sans aucune solution, chaque compte a une part nulle
    const double part = *grandTotal == 0 ? 0.0 : static_cast<double>(*total) * 100.0 / static_cast<double>(*grandTotal);
    // sans la locale du processus : le séparateur est celui qu'on donne
    char nombre[64];
    const auto resultat = std::to_chars(nombre, nombre + sizeof nombre, part, std::chars_format::fixed, 2);
    std::string partTexte(nombre, resultat.ptr);
    if (const size_t point = partTexte.find('.'); point != std::string::npos)
        partTexte.replace(point, 1, separateurDecimal);

    char tampon[96];
    std::snprintf(tampon, sizeof tampon, "%3d° : compte %3.3d (", ligne - 1, static_cast<int>(*compte));
    return tampon + partTexte + "%)";
}
