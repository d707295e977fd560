// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Operations.h"
#include "Plaques.h"

#include <array>
#include <cstddef>
#include <cstdint>

// les liens entre nœuds sont des numéros de case : un état se copie d'un bloc
inline constexpr int8_t AucunNoeud = -1;
inline constexpr int NbCasesNoeuds = 11;  // 6 plaques + 5 résultats au plus

// un nombre d'un calcul : une plaque (feuille) ou le résultat d'une opération
struct NoeudCalcul {
    int32_t Valeur = 0;
    int8_t Rang = 0;     // case du nœud dans son état
    int8_t RangMin = 0;  // plus petite case de feuille de son sous-arbre
    uint8_t EstResultat = 0;
    uint8_t EstUtilise = 0;
    int8_t Operation = OpAucune;
    int8_t Gauche = AucunNoeud;  // premier opérande, le plus grand
    int8_t Droite = AucunNoeud;  // second opérande, le plus petit
    int8_t Precedent = AucunNoeud;  // chaînage des nombres disponibles
    int8_t Suivant = AucunNoeud;
    // d'un résultat : la clé de son plus grand terme dans la chaîne de sa propre opération,
    // tenue à chaque opération pour que l'ordre canonique ne redescende pas l'arbre
    int8_t CleChaine = 0;
};

// clé d'un nombre dans une chaîne de l'opération op, pour n'y prendre les termes que dans un seul
// ordre : une plaque, sa case ; un résultat d'une autre famille, -1 ; de la même famille mais d'une
// autre opération, 11 après « - » ou « / » (aucune plaque ne le suit), -1 après « + » ou « * » ;
// de la même opération, la clé de son plus grand terme
inline int CleDansChaine(const NoeudCalcul& x, int op)
{
    if (!x.EstResultat)
        return x.Rang;
    if (FamilleOperation[x.Operation] != FamilleOperation[op])
        return -1;
    if (x.Operation != op)
        return InverseOperation[x.Operation] ? 11 : -1;
    return x.CleChaine;
}

// la clé du plus grand terme du résultat « gauche op droite » : le retranché (ou diviseur) pour « - »
// et « / », le plus grand des deux pour « + » et « * »
inline int8_t CleChaineDe(int op, const NoeudCalcul& gauche, const NoeudCalcul& droite)
{
    const int cleDroite = CleDansChaine(droite, op);
    if (InverseOperation[op])
        return static_cast<int8_t>(cleDroite);
    const int cleGauche = CleDansChaine(gauche, op);
    return static_cast<int8_t>(cleGauche > cleDroite ? cleGauche : cleDroite);
}

// un état d'un calcul : les plaques, les résultats déjà faits, les nombres encore disponibles
struct EtatCalcul {
    int32_t NbOperations = 0;
    std::array<NoeudCalcul, NbCasesNoeuds> Noeuds{};
    int8_t PremierDispo = AucunNoeud;
    int8_t DernierDispo = AucunNoeud;
    int32_t NbDispo = 0;
    int32_t NbPlaquesLibres = 0;

    int DerniereCase() const { return 5 + NbOperations; }
    const NoeudCalcul& Noeud(int rang) const { return Noeuds[static_cast<std::size_t>(rang)]; }
    NoeudCalcul& Noeud(int rang) { return Noeuds[static_cast<std::size_t>(rang)]; }
};

NoeudCalcul CreerFeuille(int32_t valeur, int rang);

// les six feuilles par rang croissant (case k : Plaques[PlaqueDeRang[k]]), chaînées dans cet ordre
std::array<NoeudCalcul, 6> CreerFeuillesClassees(const SixEntiers& plaques, const SixEntiers& plaqueDeRang);

// état racine bâti sur six feuilles chaînées, en suivant le chaînage depuis la première
EtatCalcul NouvelEtat(const std::array<NoeudCalcul, 6>& feuilles);

// nouvel état : le parent avec l'opération « gauche op droite » appliquée (gauche = le plus grand)
EtatCalcul Deriver(const EtatCalcul& parent, int op, int caseGauche, int caseDroite);

// transforme sur place un enfant déjà dérivé du même parent en l'enfant d'une autre opération
void Reappliquer(EtatCalcul& enfant, int op, int caseGauche, int caseDroite);

int32_t SommeResultats(const EtatCalcul& etat);
int32_t PlusGrandResultatAnterieur(const EtatCalcul& etat);
bool ContientResultat(const EtatCalcul& etat, int32_t valeur);

// plaques utilisées, bit t pour la position t (lues à travers le classement)
uint32_t MasquePlaquesEtat(const EtatCalcul& etat, const SixEntiers& rangPlaque);

// égalité de tout ce qui a un sens dans deux états (cases inoccupées exclues)
bool MemeEtat(const EtatCalcul& a, const EtatCalcul& b);
