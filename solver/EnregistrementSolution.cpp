// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EnregistrementSolution.h"

#include "EcritureCalcul.h"

#include <optional>

namespace {

bool MemesCles(const plq_utl& a, const plq_utl& b)
{
    return NbPlaquesMasque(a.MasquePlaques) == NbPlaquesMasque(b.MasquePlaques) &&
           a.PlusGrandIntermediaire == b.PlusGrandIntermediaire && a.SommeResultats == b.SommeResultats;
}

// les entrées de mêmes clés forment une suite contiguë autour du point d'insertion :
// un doublon s'y trouve forcément, même quand la dichotomie ne l'a pas visité
bool DoublonParmiMemesCles(const TListeSolutions& liste, const plq_utl& n, int32_t insertion)
{
    for (int32_t i = insertion - 1; i >= 0 && MemesCles(n, *liste.Objet(i)); --i)
        if (MemeSolution(n, liste.Objet(i)))
            return true;
    for (int32_t i = insertion; i < liste.Nombre() && MemesCles(n, *liste.Objet(i)); ++i)
        if (MemeSolution(n, liste.Objet(i)))
            return true;
    return false;
}

void Compter(DonneesRecherche& d, uint32_t masque)
{
    ++d.NbSolutions;
    ++d.NbSolutionsPlaques[static_cast<size_t>(NbPlaquesMasque(masque))];
}

}  // namespace

void EnregistrerSolution(DonneesRecherche& d, const EtatCalcul& etat, bool premiere, uint32_t masque, int op,
                         const NoeudCalcul& plusGrand, const NoeudCalcul& plusPetit)
{
    const int32_t r = Appliquer(op, plusGrand.Valeur, plusPetit.Valeur);
    const bool simple = d.OrdreSolutions == OrdreDuSimpleAuTordu;
    auto n = std::make_unique<plq_utl>(masque, etat, op, plusGrand, plusPetit);
    // l'inventaire range des milliers de calculs dont on ne lit qu'un texte : les clés seules, le texte
    // ne sert qu'à départager des clés égales et la liste l'écrit à la demande ; une résolution en
    // range peu, qu'on lit tous : texte et clés viennent ensemble
    std::optional<std::string> texte;
    if (d.ModeTousComptes)
        CalculerCles(*n->Arbre, r, n->SommeResultats, n->PlusGrandIntermediaire, simple);
    else
        texte = EcrireCalcul(*n->Arbre, r, n->SommeResultats, n->PlusGrandIntermediaire, simple);
    TListeSolutions& liste = d.ListeSolutions;
    auto ranger = [&](int32_t i) {
        if (texte)
            liste.Inserer(i, std::move(*texte), std::move(n));
        else
            liste.InsererCalcul(i, std::move(n), r, simple);
        Compter(d, masque);
    };

    if (premiere) {
        ranger(liste.Nombre());
        return;
    }

    // l'inventaire compte les calculs faits, doublons compris
    if (d.ModeTousComptes && r > 100 && r < 1000 && !ContientResultat(etat, r)) {
        const auto k = static_cast<size_t>(NbPlaquesMasque(masque) - 1);
        auto& table = d.TableSolutionsComptes;
        ++table[static_cast<size_t>(r - 100)][0];
        ++table[static_cast<size_t>(r - 100)][k];
        ++table[0][0];
        ++table[0][k];
    }

    const int32_t c = liste.Nombre();
    if (c == 0) {
        ranger(0);
        return;
    }

    auto texteAvant = [&](int32_t i) {
        if (!texte) {
            int32_t somme = 0, maximum = 0;
            texte = EcrireCalcul(*n->Arbre, r, somme, maximum, simple);
        }
        return *texte < liste.Texte(i);
    };

    // dichotomie : la nouvelle va après toute entrée qu'elle ne précède pas
    int32_t bas = 0, haut = c - 1, milieu = (bas + haut) / 2;
    bool avant = false;
    for (;;) {
        const plq_utl* visitee = liste.Objet(milieu);
        if (MemeSolution(*n, visitee))
            return;
        avant = AvantDans(*n, *visitee, d.OrdreSolutions, [&] { return texteAvant(milieu); });
        if (avant) {
            haut = milieu;
        } else {
            bas = milieu;
            if (haut - bas == 1) {
                bas = haut;
                milieu = -1;
            }
        }
        const bool fini = bas == haut && milieu == bas;
        milieu = (bas + haut) / 2;
        if (fini)
            break;
    }
    const int32_t insertion = avant ? milieu : milieu + 1;
    if (DoublonParmiMemesCles(liste, *n, insertion))
        return;
    ranger(insertion);
}

int32_t PositionSolutionJoueur(const DonneesRecherche& d)
{
    if (!d.EtatJoueur || d.EtatJoueur->NbOperations == 0)
        return -1;
    const EtatCalcul& joueur = *d.EtatJoueur;
    const plq_utl calcul(MasquePlaquesEtat(joueur, d.RangPlaque), joueur, joueur.Noeud(joueur.DernierDispo));
    for (int32_t i = 0; i < d.ListeSolutions.Nombre(); ++i)
        if (MemeSolution(calcul, d.ListeSolutions.Objet(i)))
            return i;
    return -1;
}
