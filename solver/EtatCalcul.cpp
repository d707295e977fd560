// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EtatCalcul.h"

#include <algorithm>

NoeudCalcul CreerFeuille(int32_t valeur, int rang)
{
    NoeudCalcul feuille;
    feuille.Valeur = valeur;
    feuille.Rang = static_cast<int8_t>(rang);
    feuille.RangMin = static_cast<int8_t>(rang);
    return feuille;
}

std::array<NoeudCalcul, 6> CreerFeuillesClassees(const SixEntiers& plaques, const SixEntiers& plaqueDeRang)
{
    std::array<NoeudCalcul, 6> feuilles;
    for (int k = 0; k < 6; ++k)
        feuilles[k] = CreerFeuille(plaques[plaqueDeRang[k]], k);
    for (int k = 0; k < 6; ++k) {
        feuilles[k].Precedent = static_cast<int8_t>(k > 0 ? k - 1 : AucunNoeud);
        feuilles[k].Suivant = static_cast<int8_t>(k < 5 ? k + 1 : AucunNoeud);
    }
    return feuilles;
}

EtatCalcul NouvelEtat(const std::array<NoeudCalcul, 6>& feuilles)
{
    EtatCalcul etat;
    int k = 0;
    for (int case_ = 0; case_ < 6 && k != AucunNoeud; ++case_) {
        etat.Noeuds[case_] = feuilles[k];
        k = feuilles[k].Suivant;
    }
    etat.PremierDispo = 0;
    etat.DernierDispo = 5;
    etat.NbDispo = 6;
    etat.NbPlaquesLibres = 6;
    return etat;
}

namespace {

void Detacher(EtatCalcul& etat, int8_t rang)
{
    NoeudCalcul& n = etat.Noeud(rang);
    if (n.Precedent != AucunNoeud)
        etat.Noeud(n.Precedent).Suivant = n.Suivant;
    else
        etat.PremierDispo = n.Suivant;
    if (n.Suivant != AucunNoeud)
        etat.Noeud(n.Suivant).Precedent = n.Precedent;
    else
        etat.DernierDispo = n.Precedent;
    n.Precedent = n.Suivant = AucunNoeud;
    n.EstUtilise = 1;
}

// remet un nœud consommé à sa place dans la liste des disponibles, ordonnée par case
void Remettre(EtatCalcul& etat, int8_t rang)
{
    NoeudCalcul& n = etat.Noeud(rang);
    n.EstUtilise = 0;
    int8_t precedent = AucunNoeud;
    for (int k = rang - 1; k >= 0; --k)
        if (!etat.Noeud(k).EstUtilise) {
            precedent = static_cast<int8_t>(k);
            break;
        }
    int8_t suivant = AucunNoeud;
    for (int k = rang + 1; k <= etat.DerniereCase(); ++k)
        if (!etat.Noeud(k).EstUtilise) {
            suivant = static_cast<int8_t>(k);
            break;
        }
    n.Precedent = precedent;
    n.Suivant = suivant;
    if (precedent != AucunNoeud)
        etat.Noeud(precedent).Suivant = rang;
    else
        etat.PremierDispo = rang;
    if (suivant != AucunNoeud)
        etat.Noeud(suivant).Precedent = rang;
    else
        etat.DernierDispo = rang;
}

int EstPlaque(const EtatCalcul& etat, int rang) { return etat.Noeud(rang).EstResultat ? 0 : 1; }

}  // namespace

EtatCalcul Deriver(const EtatCalcul& parent, int op, int caseGauche, int caseDroite)
{
    EtatCalcul enfant = parent;
    enfant.NbOperations = parent.NbOperations + 1;
    const int8_t rang = static_cast<int8_t>(enfant.DerniereCase());
    NoeudCalcul& r = enfant.Noeud(rang);
    r = NoeudCalcul{};
    r.Valeur = Appliquer(op, parent.Noeud(caseGauche).Valeur, parent.Noeud(caseDroite).Valeur);
    r.Rang = rang;
    r.EstResultat = 1;
    r.Operation = static_cast<int8_t>(op);
    Detacher(enfant, static_cast<int8_t>(caseGauche));
    Detacher(enfant, static_cast<int8_t>(caseDroite));
    r.Gauche = static_cast<int8_t>(caseGauche);
    r.Droite = static_cast<int8_t>(caseDroite);
    r.RangMin = std::min(enfant.Noeud(caseGauche).RangMin, enfant.Noeud(caseDroite).RangMin);
    r.CleChaine = CleChaineDe(op, enfant.Noeud(caseGauche), enfant.Noeud(caseDroite));
    // ajouté en fin de liste : la liste reste ordonnée par case
    r.Precedent = enfant.DernierDispo;
    if (enfant.DernierDispo != AucunNoeud)
        enfant.Noeud(enfant.DernierDispo).Suivant = rang;
    else
        enfant.PremierDispo = rang;
    enfant.DernierDispo = rang;
    enfant.NbDispo = parent.NbDispo - 1;
    enfant.NbPlaquesLibres = parent.NbPlaquesLibres - EstPlaque(parent, caseGauche) - EstPlaque(parent, caseDroite);
    return enfant;
}

void Reappliquer(EtatCalcul& enfant, int op, int caseGauche, int caseDroite)
{
    const int8_t rang = static_cast<int8_t>(enfant.DerniereCase());
    NoeudCalcul& r = enfant.Noeud(rang);
    const int8_t ancienneGauche = r.Gauche;
    const int8_t ancienneDroite = r.Droite;
    const auto gauche = static_cast<int8_t>(caseGauche);
    const auto droite = static_cast<int8_t>(caseDroite);
    r.Valeur = Appliquer(op, enfant.Noeud(gauche).Valeur, enfant.Noeud(droite).Valeur);
    r.Operation = static_cast<int8_t>(op);
    if (gauche == ancienneGauche && droite == ancienneDroite) {
        // la même paire : seule l'opération change
        r.CleChaine = CleChaineDe(op, enfant.Noeud(gauche), enfant.Noeud(droite));
        return;
    }
    enfant.NbPlaquesLibres += EstPlaque(enfant, ancienneGauche) + EstPlaque(enfant, ancienneDroite) -
                              EstPlaque(enfant, gauche) - EstPlaque(enfant, droite);
    if (gauche != ancienneGauche) {
        Remettre(enfant, ancienneGauche);
        if (enfant.Noeud(gauche).EstUtilise)
            Remettre(enfant, gauche);
        Detacher(enfant, gauche);
        r.Gauche = gauche;
    }
    if (droite != ancienneDroite) {
        if (ancienneDroite != gauche)
            Remettre(enfant, ancienneDroite);
        if (enfant.Noeud(droite).EstUtilise)
            Remettre(enfant, droite);
        Detacher(enfant, droite);
        r.Droite = droite;
    }
    r.RangMin = std::min(enfant.Noeud(r.Gauche).RangMin, enfant.Noeud(r.Droite).RangMin);
    r.CleChaine = CleChaineDe(op, enfant.Noeud(r.Gauche), enfant.Noeud(r.Droite));
}

int32_t SommeResultats(const EtatCalcul& etat)
{
    int32_t somme = 0;
    for (int k = 6; k <= etat.DerniereCase(); ++k)
        somme += etat.Noeud(k).Valeur;
    return somme;
}

int32_t PlusGrandResultatAnterieur(const EtatCalcul& etat)
{
    int32_t plusGrand = 0;
    for (int k = 6; k < etat.DerniereCase(); ++k)
        plusGrand = std::max(plusGrand, etat.Noeud(k).Valeur);
    return plusGrand;
}

bool ContientResultat(const EtatCalcul& etat, int32_t valeur)
{
    for (int k = 6; k <= etat.DerniereCase(); ++k)
        if (etat.Noeud(k).Valeur == valeur)
            return true;
    return false;
}

uint32_t MasquePlaquesEtat(const EtatCalcul& etat, const SixEntiers& rangPlaque)
{
    uint32_t masque = 0;
    for (int t = 0; t < 6; ++t)
        if (etat.Noeud(rangPlaque[t]).EstUtilise)
            masque |= 1u << t;
    return masque;
}

bool MemeEtat(const EtatCalcul& a, const EtatCalcul& b)
{
    if (a.NbOperations != b.NbOperations || a.PremierDispo != b.PremierDispo ||
        a.DernierDispo != b.DernierDispo || a.NbDispo != b.NbDispo || a.NbPlaquesLibres != b.NbPlaquesLibres)
        return false;
    for (int k = 0; k <= a.DerniereCase(); ++k) {
        const NoeudCalcul& x = a.Noeud(k);
        const NoeudCalcul& y = b.Noeud(k);
        if (x.Valeur != y.Valeur || x.Rang != y.Rang || x.RangMin != y.RangMin || x.EstResultat != y.EstResultat ||
            x.EstUtilise != y.EstUtilise || x.Operation != y.Operation || x.Gauche != y.Gauche ||
            x.Droite != y.Droite || x.Precedent != y.Precedent || x.Suivant != y.Suivant ||
            x.CleChaine != y.CleChaine)
            return false;
    }
    return true;
}
