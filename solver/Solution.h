#pragma once

#include "EtatCalcul.h"

#include <cstdint>
#include <memory>
#include <vector>

struct GroupeTermes;

// un terme d'une chaîne : une plaque, ou la valeur d'une chaîne de l'autre famille
struct Terme {
    int32_t Valeur = 0;
    uint8_t Inverse = 0;  // 1 : soustrait (chaîne additive) ou diviseur (chaîne multiplicative)
    std::unique_ptr<GroupeTermes> SousGroupe;
};

// une chaîne d'opérations d'une même famille : les réordonnancements s'y confondent
struct GroupeTermes {
    uint8_t Famille = 0;  // 0 additive, 1 multiplicative
    std::vector<Terme> Termes;
};

// forme canonique de « plusGrand op plusPetit », les opérandes étant des nœuds de l'état
std::unique_ptr<GroupeTermes> FormeCanonique(const EtatCalcul& etat, int op, const NoeudCalcul& plusGrand,
                                             const NoeudCalcul& plusPetit);

// une solution retenue : ses plaques, ses deux clés de tri et sa forme canonique
class plq_utl {
public:
    uint32_t MasquePlaques = 0;
    int32_t SommeResultats = 0;
    int32_t PlusGrandIntermediaire = 0;
    std::unique_ptr<GroupeTermes> Arbre;

    plq_utl() = default;
    explicit plq_utl(uint32_t masque) : MasquePlaques(masque) {}
    plq_utl(uint32_t masque, const EtatCalcul& etat, int op, const NoeudCalcul& plusGrand,
            const NoeudCalcul& plusPetit);
    // d'après un nœud résultat (le calcul du joueur) ; sans arbre pour une plaque
    plq_utl(uint32_t masque, const EtatCalcul& etat, const NoeudCalcul& noeud);
};

bool MemeGroupe(const GroupeTermes& a, const GroupeTermes& b);
bool MemeSolution(const plq_utl& a, const plq_utl* b);

int NbPlaquesMasque(uint32_t masque);

// vrai quand la nouvelle solution se range avant celle de la liste
bool AvantDans(const plq_utl& nouvelle, const plq_utl& listee, int ordre, bool texteAvant);
