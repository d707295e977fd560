// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReleveSolutions.h"

#include "DonneesRecherche.h"
#include "EcritureCalcul.h"
#include "RechercheCalculs.h"

#include <algorithm>

bool ReleveSolutions::Compter(int32_t compte, int plaques)
{
    ReleveCompte& c = comptes_[static_cast<size_t>(compte)];
    const int avant = c.PlaquesMin;
    c.PlaquesMin = avant == 0 ? plaques : std::min(avant, plaques);
    if (c.PlaquesMin != avant)
        Juger(c);
    // une solution qui demande plus de plaques qu'une autre déjà vue ne peut être la plus simple
    return plusSimples_ ? plaques == c.PlaquesMin : c.NbSolutions < plafond_;
}

void ReleveSolutions::Distinguer(int32_t compte, plq_utl calcul)
{
    if (plusSimples_) {
        GarderSiPlusSimple(compte, std::move(calcul));
        return;
    }
    std::vector<plq_utl>& formes = formes_[static_cast<size_t>(compte)];
    for (const plq_utl& vue : formes)
        if (MemeSolution(calcul, &vue))
            return;
    ReleveCompte& c = comptes_[static_cast<size_t>(compte)];
    ++c.NbSolutions;
    // la dernière qu'admet le plafond n'aura plus à servir de comparaison
    if (c.NbSolutions < plafond_)
        formes.push_back(std::move(calcul));
    Juger(c);
}

// comme la liste d'une résolution les range : clés de l'écriture la plus simple, puis textes
void ReleveSolutions::GarderSiPlusSimple(int32_t compte, plq_utl calcul)
{
    CalculerCles(*calcul.Arbre, compte, calcul.SommeResultats, calcul.PlusGrandIntermediaire, true);
    std::vector<plq_utl>& gardee = formes_[static_cast<size_t>(compte)];
    if (!gardee.empty()) {
        const int c = ComparerCles(calcul, gardee.front(), OrdreDuSimpleAuTordu);
        const auto texte = [compte](const plq_utl& s) {
            int32_t somme = 0, maximum = 0;
            return EcrireCalcul(*s.Arbre, compte, somme, maximum, true);
        };
        if (c > 0 || (c == 0 && !(texte(calcul) < texte(gardee.front()))))
            return;
        gardee.clear();
    }
    gardee.push_back(std::move(calcul));
}

const plq_utl* ReleveSolutions::PlusSimple(int32_t compte) const
{
    const std::vector<plq_utl>& gardee = formes_[static_cast<size_t>(compte)];
    return plusSimples_ && !gardee.empty() ? &gardee.front() : nullptr;
}

namespace {

// but 0 : tous les comptes, comme l'inventaire
void Relever(const SixEntiers& plaques, int32_t but, ReleveSolutions& releve)
{
    DonneesRecherche d;
    d.Plaques = plaques;
    d.But = but;
    d.ModeTousComptes = but == 0;
    // le relevé d'un seul compte ne regarde pas les approches : il fait comme si le compte était déjà atteint
    if (but != 0)
        d.MeilleurResultat = but;
    d.ClasserPlaques(ModeClassement::Classe);
    const EtatCalcul racine = NouvelEtat(CreerFeuillesClassees(d.Plaques, d.PlaqueDeRang));
    ReleverCalculs(d, racine, releve);
}

}  // namespace

ReleveCompte ReleverSolutions(const SixEntiers& plaques, int32_t but, int32_t plafond,
                              const ReleveSolutions::Suffisant& suffisant)
{
    ReleveSolutions releve(plafond, suffisant);
    Relever(plaques, but, releve);
    return releve.Compte(but);
}

std::array<ReleveCompte, 1000> ReleverTousComptes(const SixEntiers& plaques, int32_t plafond)
{
    ReleveSolutions releve(plafond);
    Relever(plaques, 0, releve);
    std::array<ReleveCompte, 1000> comptes{};
    for (int32_t v = 101; v <= 999; ++v)
        comptes[static_cast<size_t>(v)] = releve.Compte(v);
    return comptes;
}

ReleveSolutions ReleverPlusSimples(const SixEntiers& plaques)
{
    ReleveSolutions releve = ReleveSolutions::PlusSimples();
    Relever(plaques, 0, releve);
    return releve;
}
