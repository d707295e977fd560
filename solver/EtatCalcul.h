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
};

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
