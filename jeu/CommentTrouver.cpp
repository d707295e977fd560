// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommentTrouver.h"

#include "ExecutionRecherche.h"
#include "MethodeSolution.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

constexpr int32_t EcartProche = 10;

// un produit de plaques, facteurs dans l'ordre du bandeau
struct Produit {
    std::vector<int32_t> Facteurs;
    int32_t Valeur = 1;
};

std::string TexteFacteurs(const std::vector<int32_t>& facteurs)
{
    std::string texte;
    for (int32_t f : facteurs)
        texte += (texte.empty() ? "" : " × ") + std::to_string(f);
    return texte;
}

// les produits de deux et de trois plaques, sans plaque 1 (multiplier par 1 n'avance à rien) ; deux produits
// des mêmes valeurs (plaques en double) n'en font qu'un
std::vector<Produit> Produits(const SixEntiers& plaques, size_t nbFacteurs)
{
    std::vector<Produit> produits;
    std::vector<std::vector<int32_t>> vus;
    const auto ajouter = [&](std::vector<size_t> cases) {
        Produit p;
        for (size_t c : cases) {
            if (plaques[c] == 1)
                return;
            p.Facteurs.push_back(plaques[c]);
            p.Valeur *= plaques[c];
        }
        std::vector<int32_t> tries = p.Facteurs;
        std::sort(tries.begin(), tries.end());
        if (std::find(vus.begin(), vus.end(), tries) != vus.end())
            return;
        vus.push_back(tries);
        produits.push_back(p);
    };
    for (size_t i = 0; i < 6; ++i)
        for (size_t j = i + 1; j < 6; ++j) {
            if (nbFacteurs == 2)
                ajouter({i, j});
            else
                for (size_t k = j + 1; k < 6; ++k)
                    ajouter({i, j, k});
        }
    return produits;
}

std::string ProduitsProches(const SixEntiers& plaques, int32_t but)
{
    std::vector<Produit> proches;
    for (size_t n : {2, 3})
        for (const Produit& p : Produits(plaques, n))
            if (std::abs(p.Valeur - but) <= EcartProche)
                proches.push_back(p);
    // du plus proche au plus loin ; à égalité, deux plaques avant trois
    std::stable_sort(proches.begin(), proches.end(), [but](const Produit& a, const Produit& b) {
        return std::abs(a.Valeur - but) < std::abs(b.Valeur - but);
    });
    std::string texte = "Produits proches du compte (à " + std::to_string(EcartProche) + " près) :\n";
    for (const Produit& p : proches) {
        const int32_t ecart = std::abs(p.Valeur - but);
        texte += "  " + TexteFacteurs(p.Facteurs) + " = " + std::to_string(p.Valeur) +
                 (ecart == 0 ? ", le compte\n" : ", à " + std::to_string(ecart) + "\n");
    }
    return proches.empty() ? texte + "  aucun\n" : texte;
}

std::string Diviseurs(const SixEntiers& plaques, int32_t but)
{
    std::string texte = "Le compte divisé par des plaques :\n";
    bool un = false;
    for (size_t n : {1, 2}) {
        std::vector<Produit> facteurs;
        if (n == 2) {
            facteurs = Produits(plaques, 2);
        } else {
            for (int32_t p : plaques)
                if (p > 1 && std::none_of(facteurs.begin(), facteurs.end(), [p](const Produit& f) { return f.Valeur == p; }))
                    facteurs.push_back(Produit{{p}, p});
        }
        // le reste à faire le plus petit d'abord
        std::stable_sort(facteurs.begin(), facteurs.end(),
                         [](const Produit& a, const Produit& b) { return a.Valeur > b.Valeur; });
        const auto estPlaque = [&](int32_t v) { return std::find(plaques.begin(), plaques.end(), v) != plaques.end(); };
        for (const Produit& f : facteurs)
            // deux plaques dont le produit est le compte ne se disent qu'une fois, la plus grande d'abord
            if (but % f.Valeur == 0 && but / f.Valeur > 1 && !(n == 1 && but / f.Valeur > f.Valeur && estPlaque(but / f.Valeur))) {
                texte += "  " + std::to_string(but) + " = " + TexteFacteurs(f.Facteurs) + " × " +
                         std::to_string(but / f.Valeur) + "\n";
                un = true;
            }
    }
    return un ? texte : texte + "  aucune plaque ni aucun produit de deux plaques ne divise " + std::to_string(but) + "\n";
}

std::string Signe(int op)
{
    static const char* const Signes[4] = {"+", "−", "×", "÷"};
    return Signes[op];
}

std::string TexteLigne(const LigneSolution& l)
{
    return std::to_string(l.Grand) + " " + Signe(l.Operation) + " " + std::to_string(l.Petit) + " = " +
           std::to_string(l.Resultat);
}

// ce que dit la méthode, d'après la dernière ligne « L op S » ; sans solution exacte, elle parle du résultat
// le plus proche au lieu du compte
std::string Explication(Methode m, const std::vector<LigneSolution>& lignes, bool exacte)
{
    const LigneSolution& d = lignes.back();
    const std::string cible = exacte ? "le compte" : std::to_string(d.Resultat);
    const auto faitPar = [&](int8_t origine) {
        return origine < 0 ? int{OpAucune} : int{lignes[static_cast<size_t>(origine)].Operation};
    };
    const std::string grand = std::to_string(d.Grand), petit = std::to_string(d.Petit);
    switch (m) {
    case Methode::ProduitPuisAjustement:
        return grand + " vient d'une multiplication, à " + std::to_string(std::abs(d.Grand - d.Resultat)) +
               (exacte ? " du compte" : " de " + cible) + ", et " + TexteLigne(d) + " l'ajuste";
    case Methode::MultiplicationDecomposee: {
        const bool parLeGrand = faitPar(d.LigneGrand) == OpAddition || faitPar(d.LigneGrand) == OpSoustraction;
        const int op = faitPar(parLeGrand ? d.LigneGrand : d.LignePetit);
        return cible + " est le produit " + grand + " × " + petit + ", et " + (parLeGrand ? grand : petit) +
               " se fait par " + (op == OpAddition ? "une addition" : "une soustraction");
    }
    case Methode::Produit: return cible + " est le produit " + grand + " × " + petit;
    case Methode::Division: return cible + " est le quotient " + grand + " ÷ " + petit;
    case Methode::AdditionEtSoustraction:
        return cible + " se fait en ajoutant et en retranchant, jusqu'à " + TexteLigne(d);
    }
    return {};
}

std::string PlusSimple(const SixEntiers& plaques, int32_t but)
{
    DonneesRecherche d;
    d.Plaques = plaques;
    d.But = but;
    d.OrdreSolutions = OrdreDuSimpleAuTordu;
    ExecuterRecherche(d);
    const plq_utl* solution = d.ListeSolutions.Vide() ? nullptr : d.ListeSolutions.Objet(0);
    if (!solution || !solution->Arbre)
        return "Aucun calcul n'approche le compte.\n";
    const std::vector<LigneSolution> lignes = EcrireLignes(*solution->Arbre, ValeurGroupe(*solution->Arbre), true);
    const Methode m = MethodeDesLignes(lignes);
    std::string calcul;
    for (size_t i = 0; i < lignes.size(); ++i)
        calcul += (i == 0 ? "" : i + 1 == lignes.size() ? " puis " : ", ") + TexteLigne(lignes[i]);
    const int32_t ecart = std::abs(lignes.back().Resultat - but);
    const std::string laquelle = d.ButAtteint ? "La plus simple, " + calcul
                                              : "Pas de solution exacte : la plus proche, " + calcul + " (à " +
                                                    std::to_string(ecart) + " du compte)";
    return laquelle + ", suit la méthode « " + NomMethode(m) + " » : " + Explication(m, lignes, d.ButAtteint) + ".\n";
}

}  // namespace

std::string TexteComment(const SixEntiers& plaques, int32_t but)
{
    std::string plaquesTexte;
    for (int32_t p : plaques)
        plaquesTexte += (plaquesTexte.empty() ? "" : ", ") + std::to_string(p);
    return "Plaques : " + plaquesTexte + ". Compte : " + std::to_string(but) + ".\n\n" + ProduitsProches(plaques, but) +
           "\n" + Diviseurs(plaques, but) + "\n" + PlusSimple(plaques, but);
}
