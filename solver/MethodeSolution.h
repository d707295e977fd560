// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DonneesRecherche.h"
#include "EcritureCalcul.h"
#include "ListeSolutions.h"
#include "Solution.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// la méthode d'une solution, telle qu'un joueur l'aurait vue : lue de sa dernière ligne « L op S »
// (L le plus grand) et de la ligne qui a fait L
enum class Methode : uint8_t {
    ProduitPuisAjustement,     // + ou −, L fait par une multiplication
    MultiplicationDecomposee,  // ×, L ou S fait par une addition ou une soustraction
    Produit,                   // ×, ni L ni S fait par une addition ou une soustraction
    Division,                  // ÷
    AdditionEtSoustraction,    // + ou −, L une plaque ou fait par +, − ou ÷
};
inline constexpr int NbMethodes = 5;
inline constexpr std::array<Methode, NbMethodes> Methodes{Methode::ProduitPuisAjustement,
                                                          Methode::MultiplicationDecomposee, Methode::Produit,
                                                          Methode::Division, Methode::AdditionEtSoustraction};

// « Produit puis ajustement »…
const char* NomMethode(Methode methode);

// la méthode de lignes écrites (au moins une)
Methode MethodeDesLignes(const std::vector<LigneSolution>& lignes);

// la méthode d'une solution de la liste telle qu'elle s'écrit dans l'ordre donné (du plus simple ou non) ;
// rien pour un calcul sans opération
std::optional<Methode> MethodeDe(const plq_utl& solution, bool simple);

// la méthode de la solution montrée (SolutionCourante), écrite dans l'ordre de la dernière recherche ; rien
// sans solution montrée
std::optional<Methode> MethodeSolutionCourante(const DonneesRecherche& d);

// les solutions comptées par méthode, indice : la méthode
using ComptesMethodes = std::array<int64_t, NbMethodes>;

// les solutions d'une liste (celle de l'inventaire) comptées par méthode pour chaque compte, écrites dans
// l'ordre donné ; indice : la valeur finale, de 0 à 999
std::array<ComptesMethodes, 1000> MethodesParCompte(const TListeSolutions& liste, bool simple);
