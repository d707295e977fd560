// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "EtatCalcul.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <type_traits>

struct GroupeTermes;

// un terme d'une chaîne : une plaque, ou la valeur d'une chaîne de l'autre famille
struct Terme {
    int32_t Valeur = 0;
    uint8_t Inverse = 0;  // 1 : soustrait (chaîne additive) ou diviseur (chaîne multiplicative)
    const GroupeTermes* SousGroupe = nullptr;  // tenu avec le reste de l'arbre par la solution
};

// les termes d'une chaîne, six au plus (une par plaque) : rangés sur place, sans allocation
class TermesChaine {
public:
    size_t size() const { return nb_; }
    const Terme& operator[](size_t i) const { return termes_[i]; }
    Terme& operator[](size_t i) { return termes_[i]; }
    const Terme* begin() const { return termes_.data(); }
    const Terme* end() const { return termes_.data() + nb_; }
    void push_back(Terme t) { termes_[nb_++] = t; }

private:
    std::array<Terme, 6> termes_;
    uint8_t nb_ = 0;
};

// une chaîne d'opérations d'une même famille : les réordonnancements s'y confondent
struct GroupeTermes {
    uint8_t Famille = 0;  // 0 additive, 1 multiplicative
    TermesChaine Termes;
};

// une solution retenue : ses plaques, ses deux clés de tri et sa forme canonique
class plq_utl {
public:
    uint32_t MasquePlaques = 0;
    int32_t SommeResultats = 0;
    int32_t PlusGrandIntermediaire = 0;
    const GroupeTermes* Arbre = nullptr;  // la forme canonique, nulle pour un calcul sans opération
    // deux arbres égaux ont la même signature : des signatures différentes épargnent la comparaison
    uint64_t Signature = 0;

    plq_utl() = default;
    explicit plq_utl(uint32_t masque) : MasquePlaques(masque) {}
    plq_utl(uint32_t masque, const EtatCalcul& etat, int op, const NoeudCalcul& plusGrand,
            const NoeudCalcul& plusPetit);
    // d'après un nœud résultat (le calcul du joueur) ; sans arbre pour une plaque
    plq_utl(uint32_t masque, const EtatCalcul& etat, const NoeudCalcul& noeud);

private:
    // forme canonique de « plusGrand op plusPetit », les opérandes étant des nœuds de l'état
    void Construire(const EtatCalcul& etat, int op, const NoeudCalcul& plusGrand, const NoeudCalcul& plusPetit);

    // l'arbre et ses sous-groupes, d'un seul bloc
    std::unique_ptr<GroupeTermes[]> groupes_;
};

bool MemeGroupe(const GroupeTermes& a, const GroupeTermes& b);
bool MemeSolution(const plq_utl& a, const plq_utl* b);

int NbPlaquesMasque(uint32_t masque);

// ordre des seules clés (plaques, plus grand intermédiaire, somme) : négatif quand la nouvelle
// solution se range avant celle de la liste, positif après, 0 quand les textes départagent
int ComparerCles(const plq_utl& nouvelle, const plq_utl& listee, int ordre);

// vrai quand la nouvelle solution se range avant celle de la liste ; texteAvant n'est demandé qu'à clés
// égales (écrire un texte coûte plus que comparer les clés)
template <typename TexteAvant>
bool AvantDans(const plq_utl& nouvelle, const plq_utl& listee, int ordre, TexteAvant&& texteAvant)
{
    const int c = ComparerCles(nouvelle, listee, ordre);
    if constexpr (std::is_same_v<std::decay_t<TexteAvant>, bool>)
        return c != 0 ? c < 0 : texteAvant;
    else
        return c != 0 ? c < 0 : texteAvant();
}
