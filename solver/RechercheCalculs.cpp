#include "RechercheCalculs.h"

#include "EnregistrementSolution.h"
#include "Horloge.h"

#include <algorithm>
#include <cstdlib>

int ClePlusGrandTerme(const EtatCalcul& etat, const NoeudCalcul& r, int op)
{
    if (!MemeFamille(r.Operation, op))
        return -1;
    if (r.Operation != op)
        return r.Operation == OpSoustraction || r.Operation == OpDivision ? 11 : -1;
    auto cle = [&](int8_t rang) {
        const NoeudCalcul& x = etat.Noeud(rang);
        return x.EstResultat ? ClePlusGrandTerme(etat, x, op) : static_cast<int>(x.Rang);
    };
    if (op == OpSoustraction || op == OpDivision)
        return cle(r.Droite);
    return std::max(cle(r.Droite), cle(r.Gauche));
}

bool OrdreCanoniqueAccepte(const EtatCalcul& etat, int op, const NoeudCalcul& a, const NoeudCalcul& b)
{
    const int n = a.EstResultat + b.EstResultat;
    if (n == 0)
        return true;
    const bool inverse = op == OpSoustraction || op == OpDivision;
    const int directe = op == OpSoustraction ? OpAddition : OpMultiplication;  // « + » pour « - », « * » pour « / »

    if (n == 1) {
        const NoeudCalcul& r = a.EstResultat ? a : b;
        const NoeudCalcul& t = a.EstResultat ? b : a;
        // une plaque n'est jamais diminuée de toute une chaîne de la même famille
        const NoeudCalcul& petit = b.Valeur < a.Valeur ? b : a;
        if (inverse && &petit == &r && MemeFamille(r.Operation, op))
            return false;
        return ClePlusGrandTerme(etat, r, op) < t.Rang;
    }

    const NoeudCalcul& lg = a.Valeur > b.Valeur ? a : b;
    const NoeudCalcul& sg = &lg == &a ? b : a;
    if (inverse && lg.Operation == directe && !MemeFamille(sg.Operation, op))
        return true;
    // une chaîne de résultats de l'autre famille s'allonge par la gauche, par RangMin décroissant
    if (!inverse && !MemeFamille(a.Operation, op) && b.Operation == op && ClePlusGrandTerme(etat, b, op) == -1)
        return true;
    // les résultats de l'autre famille retranchés l'un après l'autre, par RangMin croissant
    if (inverse && lg.Operation == op && !MemeFamille(sg.Operation, op)) {
        const NoeudCalcul& retire = etat.Noeud(lg.Droite);
        if (retire.EstResultat && !MemeFamille(retire.Operation, op) && sg.RangMin > retire.RangMin)
            return true;
    }
    return !MemeFamille(a.Operation, op) && !MemeFamille(b.Operation, op);
}

namespace {

// base de progression de chaque paire de cases au premier niveau : 4 fois son numéro
constexpr int BaseProgression(int i, int j) { return 4 * (5 * i - i * (i - 1) / 2 + (j - i - 1)); }

class Recherche {
public:
    Recherche(DonneesRecherche& d, const Progression& progression) : d_(d), progression_(progression)
    {
        if (d.EtatJoueur) {
            joueur_ = true;
            distanceJoueur_ = std::llabs(static_cast<long long>(d.MeilleurJoueur) - d.But);
            plaquesJoueur_ = 6 - d.EtatJoueur->NbPlaquesLibres;
        }
    }

    void Rechercher(const EtatCalcul& s);

private:
    void Examiner(const EtatCalcul& s, uint32_t masqueS, int op, const NoeudCalcul& a, const NoeudCalcul& b,
                  int resultatsRestants, EtatCalcul& enfant, bool& enfantCree);
    bool AvantJoueur(const EtatCalcul& s, int32_t r, const NoeudCalcul& a, const NoeudCalcul& b) const;
    void NouveauMeilleur(const EtatCalcul& s, uint32_t masque, int op, const NoeudCalcul& l, const NoeudCalcul& sm,
                         int32_t r);

    DonneesRecherche& d_;
    const Progression& progression_;
    bool joueur_ = false;
    long long distanceJoueur_ = 0;
    int plaquesJoueur_ = 0;
};

bool Recherche::AvantJoueur(const EtatCalcul& s, int32_t r, const NoeudCalcul& a, const NoeudCalcul& b) const
{
    const long long distance = std::llabs(static_cast<long long>(r) - d_.But);
    if (distance != distanceJoueur_)
        return distance < distanceJoueur_;
    const int plaques = 6 - s.NbPlaquesLibres + (a.EstResultat ? 0 : 1) + (b.EstResultat ? 0 : 1);
    if (plaques != plaquesJoueur_)
        return plaques < plaquesJoueur_;
    int32_t plusGrand = 0, somme = r;
    for (int k = 6; k <= s.DerniereCase(); ++k) {
        plusGrand = std::max(plusGrand, s.Noeud(k).Valeur);
        somme += s.Noeud(k).Valeur;
    }
    if (plusGrand != d_.MaxJoueur)
        return plusGrand < d_.MaxJoueur;
    return somme < d_.SommeJoueur;
}

void Recherche::NouveauMeilleur(const EtatCalcul& s, uint32_t masque, int op, const NoeudCalcul& l,
                                const NoeudCalcul& sm, int32_t r)
{
    d_.TempsPremiereSolution = HorlogeMs() - d_.DebutChrono;
    d_.MeilleurResultat = d_.MeilleurBas = d_.MeilleurHaut = r;
    d_.ViderSolutions();
    EnregistrerSolution(d_, s, true, masque, op, l, sm);
}

void Recherche::Examiner(const EtatCalcul& s, uint32_t masqueS, int op, const NoeudCalcul& a,
                         const NoeudCalcul& b, int resultatsRestants, EtatCalcul& enfant, bool& enfantCree)
{
    const NoeudCalcul& l = b.Valeur > a.Valeur ? b : a;
    const NoeudCalcul& sm = &l == &a ? b : a;
    if (op == OpDivision && l.Valeur % sm.Valeur != 0)
        return;
    if (op == OpSoustraction && l.Valeur == sm.Valeur)
        return;
    const int32_t r = Appliquer(op, l.Valeur, sm.Valeur);
    if (r == d_.But && resultatsRestants != 0)
        return;
    if (r == l.Valeur || r == sm.Valeur)
        return;
    if (!OrdreCanoniqueAccepte(s, op, a, b))
        return;

    uint32_t masque = masqueS;
    if (!a.EstResultat)
        masque |= 1u << d_.PlaqueDeRang[static_cast<size_t>(a.Rang)];
    if (!b.EstResultat)
        masque |= 1u << d_.PlaqueDeRang[static_cast<size_t>(b.Rang)];

    if (r == d_.But) {
        if (!d_.ButAtteint) {
            d_.ButAtteint = true;
            NouveauMeilleur(s, masque, op, l, sm, r);
        } else {
            EnregistrerSolution(d_, s, false, masque, op, l, sm);
        }
    } else {
        if (resultatsRestants == 0) {
            if (!d_.ModeTousComptes) {
                const long long ecart = std::llabs(static_cast<long long>(r) - d_.But);
                const long long meilleurEcart = std::llabs(static_cast<long long>(d_.MeilleurResultat) - d_.But);
                if (ecart == meilleurEcart) {
                    d_.MeilleurBas = std::min(d_.MeilleurBas, r);
                    d_.MeilleurHaut = std::max(d_.MeilleurHaut, r);
                    EnregistrerSolution(d_, s, false, masque, op, l, sm);
                } else if (ecart < meilleurEcart) {
                    NouveauMeilleur(s, masque, op, l, sm, r);
                }
            } else if (r > 100 && r < 1000) {
                EnregistrerSolution(d_, s, false, masque, op, l, sm);
            }
        }
        // l'enfant n'est utile que s'il reste au moins deux nombres à combiner
        if (s.NbDispo > 2) {
            if (!enfantCree) {
                enfant = Deriver(s, op, l.Rang, sm.Rang);
                enfantCree = true;
            } else {
                Reappliquer(enfant, op, l.Rang, sm.Rang);
            }
            Rechercher(enfant);
        }
    }

    ++d_.NbPossibilites;
    ++d_.NbPossibilitesEtape[static_cast<size_t>(s.NbOperations)];
    if (joueur_ && AvantJoueur(s, r, a, b))
        ++d_.NbMeilleursQueJoueur;
}

void Recherche::Rechercher(const EtatCalcul& s)
{
    int8_t dispo[6];
    int nbDispo = 0;
    for (int8_t k = s.PremierDispo; k != AucunNoeud; k = s.Noeud(k).Suivant)
        dispo[nbDispo++] = k;
    const uint32_t masqueS = MasquePlaquesEtat(s, d_.RangPlaque);
    const int resultatsDispo = s.NbDispo - s.NbPlaquesLibres;
    const bool progression = d_.ModeTousComptes && s.NbOperations == 0 && progression_;

    EtatCalcul enfant;
    bool enfantCree = false;
    for (int ia = 0; ia + 1 < nbDispo; ++ia) {
        const NoeudCalcul& a = s.Noeud(dispo[ia]);
        for (int ib = ia + 1; ib < nbDispo; ++ib) {
            const NoeudCalcul& b = s.Noeud(dispo[ib]);
            const int restants = resultatsDispo - a.EstResultat - b.EstResultat;
            // de deux résultats, celui fait le premier doit tenir la plus petite feuille
            bool admis = !(a.EstResultat && b.EstResultat) || a.RangMin < b.RangMin;
            // pas de nouvelle étape sous un sous-calcul ouvert qui ne tient que des plaques plus hautes
            const int m = std::min(a.RangMin, b.RangMin);
            for (int k = 0; admis && k < nbDispo; ++k) {
                const NoeudCalcul& x = s.Noeud(dispo[k]);
                if (k != ia && k != ib && x.EstResultat && x.RangMin > m)
                    admis = false;
            }
            for (int op = OpAddition; op <= OpDivision; ++op) {
                if (admis)
                    Examiner(s, masqueS, op, a, b, restants, enfant, enfantCree);
                if (progression)
                    progression_(BaseProgression(a.Rang, b.Rang) + op);
            }
        }
    }
}

}  // namespace

void RechercherCalculs(DonneesRecherche& d, const EtatCalcul& etat, const Progression& progression)
{
    Recherche(d, progression).Rechercher(etat);
}
