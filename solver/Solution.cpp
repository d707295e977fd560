#include "Solution.h"

#include <array>
#include <bit>

namespace {

void Aplatir(const EtatCalcul& etat, const NoeudCalcul& x, uint8_t famille, uint8_t inverse, TermesChaine& termes)
{
    if (!x.EstResultat) {
        termes.push_back(Terme{x.Valeur, inverse, nullptr});
    } else if (FamilleOperation[x.Operation] != famille) {
        termes.push_back(Terme{x.Valeur, inverse, FormeCanonique(etat, x.Operation, etat.Noeud(x.Gauche), etat.Noeud(x.Droite))});
    } else {
        Aplatir(etat, etat.Noeud(x.Gauche), famille, inverse, termes);
        Aplatir(etat, etat.Noeud(x.Droite), famille, static_cast<uint8_t>(inverse ^ InverseOperation[x.Operation]),
                termes);
    }
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

std::unique_ptr<GroupeTermes> FormeCanonique(const EtatCalcul& etat, int op, const NoeudCalcul& plusGrand,
                                             const NoeudCalcul& plusPetit)
{
    auto groupe = std::make_unique<GroupeTermes>();
    groupe->Famille = FamilleOperation[op];
    Aplatir(etat, plusGrand, groupe->Famille, 0, groupe->Termes);
    Aplatir(etat, plusPetit, groupe->Famille, InverseOperation[op], groupe->Termes);
    return groupe;
}

plq_utl::plq_utl(uint32_t masque, const EtatCalcul& etat, int op, const NoeudCalcul& plusGrand,
                 const NoeudCalcul& plusPetit)
    : MasquePlaques(masque)
{
    if (EstOperation(op))
        Arbre = FormeCanonique(etat, op, plusGrand, plusPetit);
}

plq_utl::plq_utl(uint32_t masque, const EtatCalcul& etat, const NoeudCalcul& noeud) : MasquePlaques(masque)
{
    if (noeud.EstResultat)
        Arbre = FormeCanonique(etat, noeud.Operation, etat.Noeud(noeud.Gauche), etat.Noeud(noeud.Droite));
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

bool AvantDans(const plq_utl& nouvelle, const plq_utl& listee, int ordre, bool texteAvant)
{
    const int nN = NbPlaquesMasque(nouvelle.MasquePlaques);
    const int nX = NbPlaquesMasque(listee.MasquePlaques);
    if (ordre == 1) {
        if (nN != nX)
            return nN < nX;
        if (nouvelle.PlusGrandIntermediaire != listee.PlusGrandIntermediaire)
            return nouvelle.PlusGrandIntermediaire < listee.PlusGrandIntermediaire;
        if (nouvelle.SommeResultats != listee.SommeResultats)
            return nouvelle.SommeResultats < listee.SommeResultats;
        return texteAvant;
    }
    if (nN != nX)
        return nN > nX;
    if (nouvelle.PlusGrandIntermediaire != listee.PlusGrandIntermediaire)
        return nouvelle.PlusGrandIntermediaire > listee.PlusGrandIntermediaire;
    if (nouvelle.SommeResultats != listee.SommeResultats)
        return nouvelle.SommeResultats > listee.SommeResultats;
    return texteAvant;
}
