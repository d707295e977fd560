// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MethodeSolution.h"

const char* NomMethode(Methode methode)
{
    switch (methode) {
    case Methode::ProduitPuisAjustement: return "Produit puis ajustement";
    case Methode::MultiplicationDecomposee: return "Multiplication décomposée";
    case Methode::Produit: return "Produit";
    case Methode::Division: return "Division";
    case Methode::AdditionEtSoustraction: return "Addition et soustraction";
    }
    return "";
}

Methode MethodeDesLignes(const std::vector<LigneSolution>& lignes)
{
    const LigneSolution& derniere = lignes.back();
    // l'opération qui a fait un nombre de la dernière ligne ; OpAucune pour une plaque
    const auto faitPar = [&](int8_t origine) {
        return origine < 0 ? int{OpAucune} : int{lignes[static_cast<size_t>(origine)].Operation};
    };
    const int grand = faitPar(derniere.LigneGrand);
    const int petit = faitPar(derniere.LignePetit);
    const auto additive = [](int op) { return op == OpAddition || op == OpSoustraction; };
    switch (derniere.Operation) {
    case OpDivision: return Methode::Division;
    case OpMultiplication:
        return additive(grand) || additive(petit) ? Methode::MultiplicationDecomposee : Methode::Produit;
    default:
        // à valeurs égales, chacun des deux est le plus grand : il suffit que l'un vienne d'une multiplication
        if (grand == OpMultiplication || (derniere.Grand == derniere.Petit && petit == OpMultiplication))
            return Methode::ProduitPuisAjustement;
        return Methode::AdditionEtSoustraction;
    }
}

std::optional<Methode> MethodeDe(const plq_utl& solution, bool simple)
{
    if (!solution.Arbre)
        return std::nullopt;
    const std::vector<LigneSolution> lignes = EcrireLignes(*solution.Arbre, ValeurGroupe(*solution.Arbre), simple);
    if (lignes.empty())
        return std::nullopt;
    return MethodeDesLignes(lignes);
}

std::optional<Methode> MethodeSolutionCourante(const DonneesRecherche& d)
{
    const int32_t i = d.SolutionCourante;
    if (i < 0 || i >= d.ListeSolutions.Nombre())
        return std::nullopt;
    return MethodeDe(*d.ListeSolutions.Objet(i), d.OrdreSolutions != OrdreDuTorduAuSimple);
}

std::array<ComptesMethodes, 1000> MethodesParCompte(const TListeSolutions& liste, bool simple)
{
    std::array<ComptesMethodes, 1000> comptes{};
    for (int32_t i = 0; i < liste.Nombre(); ++i) {
        const plq_utl& solution = *liste.Objet(i);
        if (!solution.Arbre)
            continue;
        const int32_t valeur = ValeurGroupe(*solution.Arbre);
        const std::optional<Methode> m = MethodeDe(solution, simple);
        if (m && valeur >= 0 && valeur < 1000)
            ++comptes[static_cast<size_t>(valeur)][static_cast<size_t>(*m)];
    }
    return comptes;
}
