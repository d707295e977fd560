// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Solution.h"

#include "DonneesRecherche.h"

#include <array>
#include <bit>

namespace {

// mélange d'un terme pour la signature : une somme de termes mélangés ne dépend pas de leur ordre
uint64_t Melanger(uint64_t x)
{
    x *= 0x9e3779b97f4a7c15ull;
    return x ^ (x >> 29);
}

// groupes que demande la forme canonique d'un nœud dans une chaîne de la famille donnée
int CompterGroupes(const EtatCalcul& etat, const NoeudCalcul& x, uint8_t famille)
{
    if (!x.EstResultat)
        return 0;
    const uint8_t sienne = FamilleOperation[x.Operation];
    const int n = CompterGroupes(etat, etat.Noeud(x.Gauche), sienne) + CompterGroupes(etat, etat.Noeud(x.Droite), sienne);
    return sienne != famille ? 1 + n : n;
}

// remplit les groupes à partir de libre, le premier recevant « plusGrand op plusPetit » ;
// rend la signature de ce premier groupe
uint64_t Remplir(const EtatCalcul& etat, int op, const NoeudCalcul& plusGrand, const NoeudCalcul& plusPetit,
                 GroupeTermes*& libre);

void Aplatir(const EtatCalcul& etat, const NoeudCalcul& x, uint8_t famille, uint8_t inverse, GroupeTermes& groupe,
             uint64_t& signature, GroupeTermes*& libre)
{
    if (!x.EstResultat) {
        groupe.Termes.push_back(Terme{x.Valeur, inverse, nullptr});
        signature += Melanger(static_cast<uint64_t>(x.Valeur) << 1 | inverse);
    } else if (FamilleOperation[x.Operation] != famille) {
        const GroupeTermes* sous = libre;
        const uint64_t sousSignature = Remplir(etat, x.Operation, etat.Noeud(x.Gauche), etat.Noeud(x.Droite), libre);
        groupe.Termes.push_back(Terme{x.Valeur, inverse, sous});
        signature += Melanger((static_cast<uint64_t>(x.Valeur) << 1 | inverse) ^ sousSignature);
    } else {
        Aplatir(etat, etat.Noeud(x.Gauche), famille, inverse, groupe, signature, libre);
        Aplatir(etat, etat.Noeud(x.Droite), famille, static_cast<uint8_t>(inverse ^ InverseOperation[x.Operation]),
                groupe, signature, libre);
    }
}

uint64_t Remplir(const EtatCalcul& etat, int op, const NoeudCalcul& plusGrand, const NoeudCalcul& plusPetit,
                 GroupeTermes*& libre)
{
    GroupeTermes& groupe = *libre++;
    groupe.Famille = FamilleOperation[op];
    uint64_t signature = 0;
    Aplatir(etat, plusGrand, groupe.Famille, 0, groupe, signature, libre);
    Aplatir(etat, plusPetit, groupe.Famille, InverseOperation[op], groupe, signature, libre);
    return Melanger(signature ^ (static_cast<uint64_t>(groupe.Famille) << 8 | groupe.Termes.size())) | 1u;
}

bool MemeTerme(const Terme& a, const Terme& b)
{
    if (a.Valeur != b.Valeur || a.Inverse != b.Inverse)
        return false;
    if (!a.SousGroupe || !b.SousGroupe)
        return !a.SousGroupe && !b.SousGroupe;
    return MemeGroupe(*a.SousGroupe, *b.SousGroupe);
}

}  // namespace

void plq_utl::Construire(const EtatCalcul& etat, int op, const NoeudCalcul& plusGrand, const NoeudCalcul& plusPetit)
{
    const uint8_t famille = FamilleOperation[op];
    const int nb = 1 + CompterGroupes(etat, plusGrand, famille) + CompterGroupes(etat, plusPetit, famille);
    groupes_ = std::make_unique<GroupeTermes[]>(static_cast<size_t>(nb));
    GroupeTermes* libre = groupes_.get();
    Signature = Remplir(etat, op, plusGrand, plusPetit, libre);
    Arbre = groupes_.get();
}

plq_utl::plq_utl(uint32_t masque, const EtatCalcul& etat, int op, const NoeudCalcul& plusGrand,
                 const NoeudCalcul& plusPetit)
    : MasquePlaques(masque)
{
    if (EstOperation(op))
        Construire(etat, op, plusGrand, plusPetit);
}

plq_utl::plq_utl(uint32_t masque, const EtatCalcul& etat, const NoeudCalcul& noeud) : MasquePlaques(masque)
{
    if (noeud.EstResultat)
        Construire(etat, noeud.Operation, etat.Noeud(noeud.Gauche), etat.Noeud(noeud.Droite));
}

// les termes s'apparient un à un : un terme de la seconde liste ne sert qu'une fois
bool MemeGroupe(const GroupeTermes& a, const GroupeTermes& b)
{
    if (a.Famille != b.Famille || a.Termes.size() != b.Termes.size())
        return false;
    size_t sousA = 0, sousB = 0;
    for (size_t i = 0; i < a.Termes.size(); ++i) {
        sousA += a.Termes[i].SousGroupe ? 1 : 0;
        sousB += b.Termes[i].SousGroupe ? 1 : 0;
    }
    if (sousA != sousB)
        return false;
    uint32_t pris = 0;
    for (const Terme& ta : a.Termes) {
        bool trouve = false;
        for (size_t j = 0; j < b.Termes.size(); ++j)
            if (!(pris & (1u << j)) && MemeTerme(ta, b.Termes[j])) {
                pris |= 1u << j;
                trouve = true;
                break;
            }
        if (!trouve)
            return false;
    }
    return true;
}

bool MemeSolution(const plq_utl& a, const plq_utl* b)
{
    if (!b || !b->Arbre || a.MasquePlaques != b->MasquePlaques || !a.Arbre)
        return false;
    if (a.Signature != 0 && b->Signature != 0 && a.Signature != b->Signature)
        return false;
    return MemeGroupe(*a.Arbre, *b->Arbre);
}

int NbPlaquesMasque(uint32_t masque)
{
    // six bits au plus : une table vaut mieux qu'un appel de bibliothèque sans instruction dédiée
    static constexpr auto Table = [] {
        std::array<uint8_t, 64> table{};
        for (uint32_t m = 0; m < 64; ++m)
            table[m] = static_cast<uint8_t>(std::popcount(m));
        return table;
    }();
    return Table[masque & 63u];
}

int ComparerCles(const plq_utl& nouvelle, const plq_utl& listee, int ordre)
{
    // du plus compliqué au plus simple : chaque clé dans l'autre sens, les textes dans le même
    const int sens = ordre == OrdreDuSimpleAuTordu ? 1 : -1;
    const int nN = NbPlaquesMasque(nouvelle.MasquePlaques);
    const int nX = NbPlaquesMasque(listee.MasquePlaques);
    if (nN != nX)
        return nN < nX ? -sens : sens;
    if (nouvelle.PlusGrandIntermediaire != listee.PlusGrandIntermediaire)
        return nouvelle.PlusGrandIntermediaire < listee.PlusGrandIntermediaire ? -sens : sens;
    if (nouvelle.SommeResultats != listee.SommeResultats)
        return nouvelle.SommeResultats < listee.SommeResultats ? -sens : sens;
    return 0;
}
