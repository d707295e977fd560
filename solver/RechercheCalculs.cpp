// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RechercheCalculs.h"

#include "EnregistrementSolution.h"
#include "Horloge.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <optional>
#include <tuple>

namespace {

template <int Op>
[[gnu::always_inline]] inline bool Canonique(const EtatCalcul& etat, const NoeudCalcul& a, const NoeudCalcul& b)
{
    const int n = a.EstResultat + b.EstResultat;
    if (n == 0)
        return true;
    constexpr bool inverse = Op == OpSoustraction || Op == OpDivision;
    constexpr int directe = Op == OpSoustraction ? OpAddition : OpMultiplication;  // « + » pour « - », « * » pour « / »

    if (n == 1) {
        const NoeudCalcul& r = a.EstResultat ? a : b;
        const NoeudCalcul& t = a.EstResultat ? b : a;
        // une plaque n'est jamais diminuée de toute une chaîne de la même famille
        if constexpr (inverse) {
            const NoeudCalcul& petit = b.Valeur < a.Valeur ? b : a;
            if (&petit == &r && MemeFamille(r.Operation, Op))
                return false;
        }
        return CleDansChaine(r, Op) < t.Rang;
    }

    const NoeudCalcul& lg = a.Valeur > b.Valeur ? a : b;
    const NoeudCalcul& sg = &lg == &a ? b : a;
    if constexpr (inverse) {
        if (lg.Operation == directe && !MemeFamille(sg.Operation, Op))
            return true;
        // les résultats de l'autre famille retranchés l'un après l'autre, par RangMin croissant
        if (lg.Operation == Op && !MemeFamille(sg.Operation, Op)) {
            const NoeudCalcul& retire = etat.Noeud(lg.Droite);
            if (retire.EstResultat && !MemeFamille(retire.Operation, Op) && sg.RangMin > retire.RangMin)
                return true;
        }
    } else {
        // une chaîne de résultats de l'autre famille s'allonge par la gauche, par RangMin décroissant
        if (!MemeFamille(a.Operation, Op) && b.Operation == Op && CleDansChaine(b, Op) == -1)
            return true;
    }
    return !MemeFamille(a.Operation, Op) && !MemeFamille(b.Operation, Op);
}

// base de progression de chaque paire de cases au premier niveau : 4 fois son numéro
constexpr int BaseProgression(int i, int j) { return 4 * (5 * i - i * (i - 1) / 2 + (j - i - 1)); }

// une paire de nombres disponibles de l'état parcouru
struct Paire {
    const NoeudCalcul& A;  // le premier dans la liste
    const NoeudCalcul& B;
    const NoeudCalcul& L;  // le plus grand (à égalité, A)
    const NoeudCalcul& Sm;
    int ResultatsRestants;  // résultats non consommés de l'état, hors A et B
};

Paire FormerPaire(const NoeudCalcul& a, const NoeudCalcul& b, int restants)
{
    const bool aPlusGrand = a.Valeur >= b.Valeur;
    return Paire{a, b, aPlusGrand ? a : b, aPlusGrand ? b : a, restants};
}

// le plus grand des résultats d'un état et leur somme, pour le classement du joueur
struct ResultatsEtat {
    int32_t PlusGrand = 0;
    int32_t Somme = 0;
};

// Joueur : chaque calcul examiné est classé par rapport à celui du joueur
template <bool Joueur>
class Recherche {
public:
    Recherche(DonneesRecherche& d, const Progression& progression, ComptesMarques* marques, ReleveSolutions* releve,
              ParcoursCalculs* parcours)
        : d_(d), progression_(progression), but_(d.But), marques_(marques), releve_(releve), parcours_(parcours),
          maxOperations_(parcours ? parcours->MaxOperations() : 5)  // 5 : tout calcul de six plaques
    {
        meilleurEcart_ = Ecart(d.MeilleurResultat);
        FixerBornes();
        if constexpr (Joueur) {
            distanceJoueur_ = std::llabs(static_cast<long long>(d.MeilleurJoueur) - d.But);
            plaquesJoueur_ = 6 - d.EtatJoueur->NbPlaquesLibres;
        }
    }

    void Rechercher(const EtatCalcul& s);
    // les calculs examinés, comptés par étape pendant la recherche, rejoignent les compteurs
    void Conclure();

private:
    // l'enfant n'est construit qu'au premier calcul prolongé de l'état
    using Enfant = std::optional<EtatCalcul>;

    // reste : le troisième nombre quand s n'en a que trois, sinon nul
    template <int Op>
    void Examiner(const EtatCalcul& s, const Paire& p, const NoeudCalcul* reste, Enfant& enfant);
    template <int Op>
    int ExaminerDerniere(const EtatCalcul& s, const Paire& p, int op, const Paire& derniere,
                         const ResultatsEtat& resultats, Enfant& enfant);
    void DernierePaire(const EtatCalcul& s, const Paire& p, int op, int32_t r, const NoeudCalcul& reste,
                       Enfant& enfant);
    void Prolonger(const EtatCalcul& s, const Paire& p, int op, Enfant& enfant);
    void Retenir(const EtatCalcul& s, const Paire& p, int op, int32_t r);
    // plaques : celles du calcul complet ; forme : son état et sa dernière paire, faits à la demande
    template <typename Forme>
    void Relever(const EtatCalcul& s, int32_t r, int plaques, Forme&& forme);
    // complet : l'état du calcul, fait seulement si le parcours le garde
    template <typename Complet>
    void Montrer(int32_t r, int operations, Complet&& complet);
    uint32_t Masque(const EtatCalcul& s, const Paire& p) const;
    // le calcul de valeur r, fait de tant de plaques, de tels résultats, passe-t-il devant celui du joueur ?
    bool AvantJoueur(int32_t r, int plaques, int32_t plusGrand, int32_t somme) const;
    void NouveauMeilleur(const EtatCalcul& s, const Paire& p, int op, int32_t r);

    DonneesRecherche& d_;
    const Progression& progression_;
    const int32_t but_;  // le compte ne change pas pendant la recherche
    ComptesMarques* const marques_;  // non nul : l'inventaire ne fait que marquer les valeurs atteintes
    ReleveSolutions* const releve_;  // non nul : les solutions exactes ne sont que relevées
    ParcoursCalculs* const parcours_;  // non nul : chaque calcul complet n'est que montré
    const int maxOperations_;
    long long Ecart(int32_t r) const { return std::llabs(static_cast<long long>(r) - but_); }
    // un calcul complet n'est à retenir que s'il vaut le compte, ou au moins le meilleur écart (hors
    // inventaire), ou une valeur de 101 à 999 (inventaire) ; un calcul qui laisse un résultat de côté
    // ne vaut jamais le compte, il a été écarté avant
    bool ARetenir(const Paire& p, int32_t r) const { return p.ResultatsRestants == 0 && r >= bas_ && r <= haut_; }
    void FixerBornes()
    {
        if (parcours_) {
            bas_ = 0;
            haut_ = Aucun;
            return;
        }
        bas_ = d_.ModeTousComptes ? 101 : d_.But - meilleurEcart_;
        haut_ = d_.ModeTousComptes ? 999 : d_.But + meilleurEcart_;
    }

    long long meilleurEcart_ = 0;
    long long bas_ = 0, haut_ = 0;  // valeurs à retenir
    std::array<int32_t, 5> etapes_{};
    long long distanceJoueur_ = 0;
    int plaquesJoueur_ = 0;
};

template <bool Joueur>
uint32_t Recherche<Joueur>::Masque(const EtatCalcul& s, const Paire& p) const
{
    uint32_t masque = MasquePlaquesEtat(s, d_.RangPlaque);
    if (!p.A.EstResultat)
        masque |= 1u << d_.PlaqueDeRang[static_cast<size_t>(p.A.Rang)];
    if (!p.B.EstResultat)
        masque |= 1u << d_.PlaqueDeRang[static_cast<size_t>(p.B.Rang)];
    return masque;
}

template <bool Joueur>
bool Recherche<Joueur>::AvantJoueur(int32_t r, int plaques, int32_t plusGrand, int32_t somme) const
{
    const long long distance = Ecart(r);
    if (distance != distanceJoueur_)
        return distance < distanceJoueur_;
    if (plaques != plaquesJoueur_)
        return plaques < plaquesJoueur_;
    if (plusGrand != d_.MaxJoueur)
        return plusGrand < d_.MaxJoueur;
    return somme < d_.SommeJoueur;
}

// le plus grand résultat de s et la somme de ses résultats
ResultatsEtat ResultatsDe(const EtatCalcul& s)
{
    ResultatsEtat resultats;
    for (int k = 6; k <= s.DerniereCase(); ++k) {
        resultats.PlusGrand = std::max(resultats.PlusGrand, s.Noeud(k).Valeur);
        resultats.Somme += s.Noeud(k).Valeur;
    }
    return resultats;
}

int Plaques(const NoeudCalcul& a, const NoeudCalcul& b) { return (a.EstResultat ? 0 : 1) + (b.EstResultat ? 0 : 1); }

template <bool Joueur>
void Recherche<Joueur>::NouveauMeilleur(const EtatCalcul& s, const Paire& p, int op, int32_t r)
{
    d_.TempsPremiereSolution = HorlogeMs() - d_.DebutChrono;
    d_.MeilleurResultat = d_.MeilleurBas = d_.MeilleurHaut = r;
    meilleurEcart_ = Ecart(r);
    FixerBornes();
    d_.ViderSolutions();
    EnregistrerSolution(d_, s, true, Masque(s, p), op, p.L, p.Sm);
}

// un calcul examiné : compte atteint, meilleure approche, ou valeur de l'inventaire
template <bool Joueur>
void Recherche<Joueur>::Retenir(const EtatCalcul& s, const Paire& p, int op, int32_t r)
{
    if (r == d_.But) {
        if (!d_.ButAtteint) {
            d_.ButAtteint = true;
            NouveauMeilleur(s, p, op, r);
        } else {
            EnregistrerSolution(d_, s, false, Masque(s, p), op, p.L, p.Sm);
        }
        return;
    }
    // ARetenir ne laisse passer que les calculs qui ont consommé tous leurs résultats, et borne
    // l'inventaire aux comptes de 101 à 999
    if (d_.ModeTousComptes) {
        EnregistrerSolution(d_, s, false, Masque(s, p), op, p.L, p.Sm);
        return;
    }
    const long long ecart = Ecart(r);
    if (ecart == meilleurEcart_) {
        // les deux côtés du compte à la même distance restent connus tous les deux
        d_.MeilleurBas = std::min(d_.MeilleurBas, r);
        d_.MeilleurHaut = std::max(d_.MeilleurHaut, r);
        EnregistrerSolution(d_, s, false, Masque(s, p), op, p.L, p.Sm);
    } else if (ecart < meilleurEcart_) {
        NouveauMeilleur(s, p, op, r);
    }
}

// comme l'inventaire compte : un calcul qui a déjà fait sa valeur en route n'en est pas une solution de plus
// (une résolution s'arrête au compte atteint)
template <bool Joueur>
template <typename Forme>
void Recherche<Joueur>::Relever(const EtatCalcul& s, int32_t r, int plaques, Forme&& forme)
{
    if (ContientResultat(s, r) || !releve_->Compter(r, plaques))
        return;
    const auto [etat, paire, op] = forme();
    releve_->Distinguer(r, plq_utl(Masque(etat, paire), etat, op, paire.L, paire.Sm));
}

template <bool Joueur>
template <typename Complet>
void Recherche<Joueur>::Montrer(int32_t r, int operations, Complet&& complet)
{
    if (!parcours_->Arrete() && parcours_->Voir(r, operations))
        parcours_->Garder(complet());
}

// pas de zéro, pas de fraction, pas d'opération dont le résultat égale un opérande. Le calcul se fait sur
// 64 bits : la ligne de commande admet six plaques de 100, dont les produits dépassent 32 bits. Une valeur
// au-delà de 2 147 483 647 n'est pas formée : il lui faut cinq plaques au moins (100^4 n'y arrive pas), et
// la sixième ne la ramène jamais sous 21 millions ; elle ne mène donc à aucun compte ni à aucune approche
template <int Op>
bool Calculer(int32_t l, int32_t sm, int32_t& r)
{
    const int64_t a = l;
    const int64_t b = sm;
    int64_t v;
    if constexpr (Op == OpAddition) {
        v = a + b;
    } else if constexpr (Op == OpSoustraction) {
        if (a == b || a == 2 * b)
            return false;
        v = a - b;
    } else if constexpr (Op == OpMultiplication) {
        if (b == 1)
            return false;
        v = a * b;
    } else {
        if (b == 1 || a % b != 0)
            return false;
        v = a / b;
        if (v == b)
            return false;
    }
    if constexpr (Op == OpAddition || Op == OpMultiplication)
        if (v > std::numeric_limits<int32_t>::max())
            return false;
    r = static_cast<int32_t>(v);
    return true;
}

template <bool Joueur>
template <int Op>
void Recherche<Joueur>::Examiner(const EtatCalcul& s, const Paire& p, const NoeudCalcul* reste, Enfant& enfant)
{
    int32_t r;
    if (!Calculer<Op>(p.L.Valeur, p.Sm.Valeur, r))
        return;
    if (r == but_ && p.ResultatsRestants != 0)
        return;
    if (!Canonique<Op>(s, p.A, p.B))
        return;

    if (ARetenir(p, r)) {
        if (marques_)
            marques_->set(static_cast<size_t>(r));
        else if (releve_)
            Relever(s, r, 6 - s.NbPlaquesLibres + Plaques(p.A, p.B),
                    [&] { return std::make_tuple(std::cref(s), p, Op); });
        else if (parcours_)
            Montrer(r, s.NbOperations + 1, [&] { return Deriver(s, Op, p.L.Rang, p.Sm.Rang); });
        else
            Retenir(s, p, Op, r);
    }
    // un calcul qui atteint le compte n'est pas prolongé ; l'enfant ne sert que s'il reste deux nombres
    if (r != but_ && s.NbDispo > 2 && s.NbOperations + 1 < maxOperations_) {
        if (reste) {
            DernierePaire(s, p, Op, r, *reste, enfant);
        } else {
            Prolonger(s, p, Op, enfant);
            Rechercher(*enfant);
        }
    }

    ++etapes_[static_cast<size_t>(s.NbOperations)];
    if constexpr (Joueur) {
        const ResultatsEtat resultats = ResultatsDe(s);
        if (AvantJoueur(r, 6 - s.NbPlaquesLibres + Plaques(p.A, p.B), resultats.PlusGrand, resultats.Somme + r))
            ++d_.NbMeilleursQueJoueur;
    }
}

template <bool Joueur>
void Recherche<Joueur>::Prolonger(const EtatCalcul& s, const Paire& p, int op, Enfant& enfant)
{
    if (!enfant)
        enfant.emplace(Deriver(s, op, p.L.Rang, p.Sm.Rang));
    else
        Reappliquer(*enfant, op, p.L.Rang, p.Sm.Rang);
}

// la dernière paire de l'enfant (le nombre restant de s et le nouveau résultat), examinée sans
// construire l'enfant : ses nœuds sont ceux de s, le résultat excepté ; l'enfant n'est fait que
// pour retenir un calcul
template <bool Joueur>
void Recherche<Joueur>::DernierePaire(const EtatCalcul& s, const Paire& p, int op, int32_t r, const NoeudCalcul& reste,
                              Enfant& enfant)
{
    NoeudCalcul resultat;
    resultat.Valeur = r;
    resultat.Rang = static_cast<int8_t>(s.DerniereCase() + 1);
    resultat.RangMin = std::min(p.A.RangMin, p.B.RangMin);
    resultat.EstResultat = 1;
    resultat.Operation = static_cast<int8_t>(op);
    resultat.Gauche = p.L.Rang;
    resultat.Droite = p.Sm.Rang;
    resultat.CleChaine = CleChaineDe(op, p.L, p.Sm);
    // de deux résultats, celui fait le premier tient la plus petite feuille : vrai ici, la paire ayant
    // été admise parce que le reste, s'il est un résultat, ne tient que des plaques plus basses
    const Paire derniere = FormerPaire(reste, resultat, 0);
    // les résultats de l'enfant : ceux de s et le nouveau
    ResultatsEtat resultats;
    if constexpr (Joueur) {
        resultats = ResultatsDe(s);
        resultats.PlusGrand = std::max(resultats.PlusGrand, r);
        resultats.Somme += r;
    }
    etapes_[static_cast<size_t>(s.NbOperations + 1)] +=
        ExaminerDerniere<OpAddition>(s, p, op, derniere, resultats, enfant) +
        ExaminerDerniere<OpSoustraction>(s, p, op, derniere, resultats, enfant) +
        ExaminerDerniere<OpMultiplication>(s, p, op, derniere, resultats, enfant) +
        ExaminerDerniere<OpDivision>(s, p, op, derniere, resultats, enfant);
}

// 1 quand le calcul est examiné
template <bool Joueur>
template <int Op>
int Recherche<Joueur>::ExaminerDerniere(const EtatCalcul& s, const Paire& p, int op, const Paire& derniere,
                                const ResultatsEtat& resultats, Enfant& enfant)
{
    int32_t r;
    if (!Calculer<Op>(derniere.L.Valeur, derniere.Sm.Valeur, r))
        return 0;
    // l'ordre canonique ne lit que les opérandes du résultat, qui sont des nœuds de s
    if (!Canonique<Op>(s, derniere.A, derniere.B))
        return 0;
    if (ARetenir(derniere, r)) {
        if (marques_) {
            marques_->set(static_cast<size_t>(r));
        } else {
            // le calcul complet dans l'enfant, fait à la demande
            const auto forme = [&] {
                Prolonger(s, p, op, enfant);
                const EtatCalcul& e = *enfant;
                return std::make_tuple(std::cref(e), FormerPaire(e.Noeud(derniere.A.Rang), e.Noeud(derniere.B.Rang), 0), Op);
            };
            if (releve_) {
                // le résultat de la paire n'est pas r (ni r = L, ni r = Sm) : les résultats de s suffisent
                Relever(s, r, 6 - s.NbPlaquesLibres + Plaques(p.A, p.B) + Plaques(derniere.A, derniere.B), forme);
            } else if (parcours_) {
                Montrer(r, s.NbOperations + 2, [&] {
                    const auto [e, paire, operation] = forme();
                    return Deriver(e, operation, paire.L.Rang, paire.Sm.Rang);
                });
            } else {
                const auto [e, paire, operation] = forme();
                Retenir(e, paire, operation, r);
            }
        }
    }
    if constexpr (Joueur) {
        // l'enfant a les plaques de s moins celles de la paire
        const int plaques = 6 - s.NbPlaquesLibres + Plaques(p.A, p.B) + Plaques(derniere.A, derniere.B);
        if (AvantJoueur(r, plaques, resultats.PlusGrand, resultats.Somme + r))
            ++d_.NbMeilleursQueJoueur;
    }
    return 1;
}

template <bool Joueur>
void Recherche<Joueur>::Rechercher(const EtatCalcul& s)
{
    int8_t dispo[6];
    int nbDispo = 0;
    for (int8_t k = s.PremierDispo; k != AucunNoeud; k = s.Noeud(k).Suivant)
        dispo[nbDispo++] = k;
    const int resultatsDispo = s.NbDispo - s.NbPlaquesLibres;
    // les sous-calculs ouverts, par leur plus petite feuille (les résultats suivent les plaques dans la liste)
    unsigned ouverts = 0;
    for (int k = s.NbPlaquesLibres; k < nbDispo; ++k)
        ouverts |= 1u << s.Noeud(dispo[k]).RangMin;
    const bool progression = d_.ModeTousComptes && s.NbOperations == 0 && progression_;

    Enfant enfant;
    for (int ia = 0; ia + 1 < nbDispo; ++ia) {
        const NoeudCalcul& a = s.Noeud(dispo[ia]);
        for (int ib = ia + 1; ib < nbDispo; ++ib) {
            if ((releve_ && releve_->Suffit()) || (parcours_ && parcours_->Arrete()))
                return;
            const NoeudCalcul& b = s.Noeud(dispo[ib]);
            // de deux résultats, celui fait le premier doit tenir la plus petite feuille
            bool admis = !(a.EstResultat && b.EstResultat) || a.RangMin < b.RangMin;
            // pas de nouvelle étape sous un sous-calcul ouvert qui ne tient que des plaques plus hautes
            const unsigned autres = ouverts & ~(a.EstResultat ? 1u << a.RangMin : 0u) &
                                    ~(b.EstResultat ? 1u << b.RangMin : 0u);
            admis = admis && (autres >> (std::min(a.RangMin, b.RangMin) + 1)) == 0;
            if (admis) {
                const Paire p = FormerPaire(a, b, resultatsDispo - a.EstResultat - b.EstResultat);
                const NoeudCalcul* reste = nbDispo == 3 ? &s.Noeud(dispo[3 - ia - ib]) : nullptr;
                Examiner<OpAddition>(s, p, reste, enfant);
                Examiner<OpSoustraction>(s, p, reste, enfant);
                Examiner<OpMultiplication>(s, p, reste, enfant);
                Examiner<OpDivision>(s, p, reste, enfant);
            }
            if (progression)
                for (int op = OpAddition; op <= OpDivision; ++op)
                    progression_(BaseProgression(a.Rang, b.Rang) + op);
        }
    }
}

template <bool Joueur>
void Recherche<Joueur>::Conclure()
{
    for (size_t k = 0; k < etapes_.size(); ++k) {
        d_.NbPossibilitesEtape[k] += etapes_[k];
        d_.NbPossibilites += etapes_[k];
    }
}

}  // namespace

namespace {

void Lancer(DonneesRecherche& d, const EtatCalcul& etat, const Progression& progression, ComptesMarques* marques,
            ReleveSolutions* releve = nullptr, ParcoursCalculs* parcours = nullptr)
{
    if (d.EtatJoueur) {
        Recherche<true> recherche(d, progression, marques, releve, parcours);
        recherche.Rechercher(etat);
        recherche.Conclure();
    } else {
        Recherche<false> recherche(d, progression, marques, releve, parcours);
        recherche.Rechercher(etat);
        recherche.Conclure();
    }
}

}  // namespace

void RechercherCalculs(DonneesRecherche& d, const EtatCalcul& etat, const Progression& progression)
{
    Lancer(d, etat, progression, nullptr);
}

void MarquerComptes(DonneesRecherche& d, const EtatCalcul& etat, ComptesMarques& marques)
{
    Lancer(d, etat, {}, &marques);
}

void ReleverCalculs(DonneesRecherche& d, const EtatCalcul& etat, ReleveSolutions& releve)
{
    Lancer(d, etat, {}, nullptr, &releve);
}

void ParcourirCalculs(DonneesRecherche& d, const EtatCalcul& etat, ParcoursCalculs& parcours)
{
    Lancer(d, etat, {}, nullptr, nullptr, &parcours);
}
