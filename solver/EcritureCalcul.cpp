// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EcritureCalcul.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>

namespace {

// copie de travail d'une liste de termes : les termes encore à combiner, dans l'ordre de la liste
// (une combinaison met son résultat à la place du premier terme et retire le second) ; chacun
// sait de quels termes de départ il est fait, ce qui suffit à décrire toute la liste
struct TermeTravail {
    int32_t Valeur;
    uint8_t Inverse;
    uint8_t Bloc;  // bit i : le terme de départ i y est fondu
    const GroupeTermes* SousGroupe;
    // la ligne écrite qui l'a fait quand les lignes sont détaillées, -1 sinon ; sans valeur par défaut : une
    // liste de travail se construit à chaque paire essayée, sans rien initialiser
    int8_t Ligne;
};

struct ListeTravail {
    std::array<TermeTravail, 6> Termes;
    int Nb = 0;
};

// faite à chaque sous-groupe écrit : gardée dans l'appelant (hors ligne, l'inventaire coûtait 1 % de plus)
[[gnu::always_inline]] inline ListeTravail ListeDe(const GroupeTermes& groupe)
{
    ListeTravail liste;
    for (const Terme& t : groupe.Termes)
    {
        liste.Termes[static_cast<size_t>(liste.Nb)] =
            TermeTravail{t.Valeur, t.Inverse, static_cast<uint8_t>(1u << liste.Nb), t.SousGroupe, -1};
        ++liste.Nb;
    }
    return liste;
}

void AjouterNombre(std::string& texte, int32_t n)
{
    char tampon[16];
    auto fin = std::to_chars(tampon, tampon + sizeof tampon, n).ptr;
    texte.append(tampon, fin);
}

void AjouterLigne(std::string& texte, int k, int32_t grand, int32_t petit, int32_t resultat)
{
    AjouterNombre(texte, grand);
    texte.push_back(SigneOperation[k]);
    AjouterNombre(texte, petit);
    texte.push_back('=');
    AjouterNombre(texte, resultat);
    texte.push_back('\n');
}

// une paire de termes combinée en une ligne
struct Combinaison {
    int X = -1, Y = -1;  // X avant Y dans la liste
    int K = 0;
    int32_t Grand = 0, Petit = 0, Resultat = 0;
    uint8_t Inverse = 0;  // celui du grand terme, que garde le résultat
    uint8_t Bloc = 0;
};

// les termes qui restent après la combinaison
ListeTravail Suite(const ListeTravail& termes, const Combinaison& c)
{
    ListeTravail suite;
    suite.Nb = termes.Nb - 1;
    for (int i = 0, k = 0; i < termes.Nb; ++i)
        if (i != c.Y)
            suite.Termes[static_cast<size_t>(k++)] = termes.Termes[static_cast<size_t>(i)];
    suite.Termes[static_cast<size_t>(c.X)] = TermeTravail{c.Resultat, c.Inverse, c.Bloc, nullptr, -1};
    return suite;
}

// la liste décrite par les termes de départ fondus dans chacun de ses termes
uint64_t Code(const ListeTravail& termes)
{
    uint64_t code = 0;
    for (int i = 0; i < termes.Nb; ++i)
        code |= static_cast<uint64_t>(termes.Termes[static_cast<size_t>(i)].Bloc) << (6 * i);
    return code;
}

// les suites déjà choisies pendant l'écriture d'un calcul : la même liste de termes, partie du même
// maximum, se choisit toujours de la même façon ; seuls comptent ce qu'elle ajoute à la somme et le
// maximum qu'elle laisse (le choix ne dépend pas de la somme de départ). Une génération par calcul
// écrit : les cases des calculs précédents ne valent plus.
class MemoireSuites {
public:
    struct Case {
        const GroupeTermes* Groupe = nullptr;
        uint64_t Code = 0;
        int32_t Maximum0 = 0, Ajout = 0, Maximum = 0;
        uint32_t Generation = 0;
        bool Ecrite = false;
    };

    void Nouvelle()
    {
        if (++generation_ == 0) {
            cases_.fill(Case{});
            generation_ = 1;
        }
    }
    // la case de la suite si elle a déjà été choisie pour ce calcul, sinon nulle
    const Case* Trouver(const GroupeTermes* groupe, uint64_t code, int32_t maximum0) const
    {
        size_t i = Indice(groupe, code, maximum0);
        for (int essai = 0; essai < 4; ++essai, i = (i + 1) % cases_.size()) {
            const Case& c = cases_[i];
            if (c.Generation != generation_)
                return nullptr;
            if (c.Groupe == groupe && c.Code == code && c.Maximum0 == maximum0)
                return &c;
        }
        return nullptr;
    }
    void Garder(const Case& nouvelle)
    {
        size_t i = Indice(nouvelle.Groupe, nouvelle.Code, nouvelle.Maximum0);
        for (int essai = 0; essai < 3 && cases_[i].Generation == generation_; ++essai)
            i = (i + 1) % cases_.size();
        cases_[i] = nouvelle;
        cases_[i].Generation = generation_;
    }
private:
    static size_t Indice(const GroupeTermes* groupe, uint64_t code, int32_t maximum0)
    {
        const uint64_t h = (code ^ (static_cast<uint64_t>(static_cast<uint32_t>(maximum0)) << 36) ^
                            reinterpret_cast<uintptr_t>(groupe)) * 0x9e3779b97f4a7c15ull;
        return static_cast<size_t>(h >> 54);
    }

    std::array<Case, 1024> cases_{};
    uint32_t generation_ = 0;
};

// une mémoire par fil : les fils de l'atlas écrivent chacun leurs calculs
thread_local MemoireSuites Memoire;

// le grand terme d'une paire, celui qui s'écrit le premier : dans une paire mixte le direct, sinon le plus
// grand (à égalité, le second de la liste)
bool GrandEstSecond(const TermeTravail& tx, const TermeTravail& ty)
{
    return tx.Inverse != ty.Inverse ? tx.Inverse != 0 : ty.Valeur >= tx.Valeur;
}

// la paire (x, y) donne-t-elle une ligne ? si oui, la remplit
bool Combiner(uint8_t famille, const ListeTravail& termes, int x, int y, Combinaison& c)
{
    const TermeTravail& tx = termes.Termes[static_cast<size_t>(x)];
    const TermeTravail& ty = termes.Termes[static_cast<size_t>(y)];
    const bool second = GrandEstSecond(tx, ty);
    const TermeTravail* grand = second ? &ty : &tx;
    const TermeTravail* petit = second ? &tx : &ty;
    // paire mixte : le terme direct doit dépasser (diviser exactement) l'autre
    if (tx.Inverse != ty.Inverse &&
        (famille == 0 ? grand->Valeur <= petit->Valeur : grand->Valeur % petit->Valeur != 0))
        return false;
    const int k = (tx.Inverse ^ ty.Inverse) + 2 * famille;
    const int32_t o = Appliquer(k, grand->Valeur, petit->Valeur);
    if (o == grand->Valeur || o == petit->Valeur)
        return false;
    c.X = x;
    c.Y = y;
    c.K = k;
    c.Grand = grand->Valeur;
    c.Petit = petit->Valeur;
    c.Resultat = o;
    c.Inverse = grand->Inverse;
    c.Bloc = static_cast<uint8_t>(tx.Bloc | ty.Bloc);
    return true;
}

// les écritures d'un même calcul : sa valeur finale, l'ordre choisi, le texte (nul : les clés seules)
class Ecriture {
public:
    // lignes : non nul, reçoit aussi chaque ligne écrite avec l'origine de ses deux nombres
    Ecriture(int32_t f, bool simple, std::string* texte, std::vector<LigneSolution>* lignes = nullptr)
        : f_(f), simple_(simple), texte_(texte), lignes_(lignes)
    {
        Memoire.Nouvelle();
    }

    // choisit l'écriture des termes ; somme et maximum reçoivent ses clés ; faux si aucune n'existe
    bool Ecrire(const GroupeTermes& groupe, int32_t& somme, int32_t& maximum, const ListeTravail& termes);

private:
    void Terminer(const GroupeTermes& groupe, int32_t& somme, int32_t& maximum, const ListeTravail& termes,
                  const Combinaison& choix, int32_t somme0, int32_t maximum0);
    void EcrireSousGroupe(const GroupeTermes& sous, int32_t& somme, int32_t& maximum);
    // la ligne de la paire choisie, avec l'origine de ses deux nombres, et celle du résultat dans la suite
    void AjouterLigneDetaillee(const ListeTravail& termes, const Combinaison& choix, ListeTravail& suite);
    // la suite d'une paire candidate, clés seules
    bool EcrireSuite(const GroupeTermes& groupe, int32_t& somme, int32_t& maximum, const ListeTravail& suite);
    int32_t Maximum(int32_t maximum0, int32_t o) const { return o == f_ ? maximum0 : std::max(maximum0, o); }

    // un sous-groupe s'écrit de la même façon chaque fois qu'il part du même maximum : ce qu'il
    // ajoute à la somme et le maximum qu'il laisse sont gardés (clés seules)
    struct SousGroupeEcrit {
        const GroupeTermes* Sous;
        int32_t Maximum0, Ajout, Maximum;
    };
    std::array<SousGroupeEcrit, 8> memoire_{};
    int nbMemoire_ = 0;
    size_t prochain_ = 0;

    int32_t f_;
    bool simple_;
    std::string* texte_;
    std::vector<LigneSolution>* lignes_;
};

void Ecriture::EcrireSousGroupe(const GroupeTermes& sous, int32_t& somme, int32_t& maximum)
{
    if (texte_) {
        Ecrire(sous, somme, maximum, ListeDe(sous));
        return;
    }
    for (int i = 0; i < nbMemoire_; ++i) {
        const SousGroupeEcrit& m = memoire_[static_cast<size_t>(i)];
        if (m.Sous == &sous && m.Maximum0 == maximum) {
            somme += m.Ajout;
            maximum = m.Maximum;
            return;
        }
    }
    const int32_t somme0 = somme, maximum0 = maximum;
    Ecrire(sous, somme, maximum, ListeDe(sous));
    memoire_[prochain_] = SousGroupeEcrit{&sous, maximum0, somme - somme0, maximum};
    prochain_ = (prochain_ + 1) % memoire_.size();
    nbMemoire_ = std::min(nbMemoire_ + 1, static_cast<int>(memoire_.size()));
}

bool Ecriture::EcrireSuite(const GroupeTermes& groupe, int32_t& somme, int32_t& maximum, const ListeTravail& suite)
{
    // deux termes : une seule ligne, plus vite écrite que cherchée
    if (suite.Nb < 3)
        return Ecrire(groupe, somme, maximum, suite);
    const uint64_t code = Code(suite);
    if (const MemoireSuites::Case* c = Memoire.Trouver(&groupe, code, maximum)) {
        somme += c->Ajout;
        maximum = c->Maximum;
        return c->Ecrite;
    }
    const int32_t somme0 = somme, maximum0 = maximum;
    const bool ecrite = Ecrire(groupe, somme, maximum, suite);
    Memoire.Garder(MemoireSuites::Case{&groupe, code, maximum0, somme - somme0, maximum, 0, ecrite});
    return ecrite;
}

// de deux termes qui ont chacun un sous-groupe, celui de y s'écrit-il d'abord ? celui qui demande le plus
// d'opérations passe devant
bool SousGroupeDeYDAbord(const TermeTravail& tx, const TermeTravail& ty)
{
    return !tx.SousGroupe || (ty.SousGroupe && NbOperationsGroupe(*ty.SousGroupe) > NbOperationsGroupe(*tx.SousGroupe));
}

// termine l'écriture d'une combinaison choisie : sous-groupes, ligne, puis la suite
void Ecriture::Terminer(const GroupeTermes& groupe, int32_t& somme, int32_t& maximum, const ListeTravail& termes,
                        const Combinaison& choix, int32_t somme0, int32_t maximum0)
{
    // les lignes d'un sous-groupe précèdent celle qui utilise sa valeur
    const TermeTravail& tx = termes.Termes[static_cast<size_t>(choix.X)];
    const TermeTravail& ty = termes.Termes[static_cast<size_t>(choix.Y)];
    const GroupeTermes* sousX = tx.SousGroupe;
    const GroupeTermes* sousY = ty.SousGroupe;
    if (SousGroupeDeYDAbord(tx, ty))
        std::swap(sousX, sousY);
    if (sousX)
        EcrireSousGroupe(*sousX, somme, maximum);
    if (sousY)
        EcrireSousGroupe(*sousY, somme, maximum);

    if (texte_) {
        AjouterLigne(*texte_, choix.K, choix.Grand, choix.Petit, choix.Resultat);
        ListeTravail suite = Suite(termes, choix);
        if (lignes_)
            AjouterLigneDetaillee(termes, choix, suite);
        // la suite se réécrit à l'identique, cette fois avec son texte
        int32_t sommeSuite = somme0 + choix.Resultat;
        int32_t maxSuite = Maximum(maximum0, choix.Resultat);
        Ecrire(groupe, sommeSuite, maxSuite, suite);
    }
}

// les lignes des sous-groupes de la paire viennent d'être écrites, juste avant la sienne : la dernière ligne
// écrite est celle du sous-groupe écrit en second, et celle du premier la précède de toutes les lignes du second
void Ecriture::AjouterLigneDetaillee(const ListeTravail& termes, const Combinaison& choix, ListeTravail& suite)
{
    const TermeTravail& tx = termes.Termes[static_cast<size_t>(choix.X)];
    const TermeTravail& ty = termes.Termes[static_cast<size_t>(choix.Y)];
    const auto fin = static_cast<int8_t>(lignes_->size() - 1);
    const bool yDAbord = SousGroupeDeYDAbord(tx, ty);
    const TermeTravail& ecritEnSecond = yDAbord ? tx : ty;
    const int8_t finDuPremier = ecritEnSecond.SousGroupe
                                    ? static_cast<int8_t>(fin - NbOperationsGroupe(*ecritEnSecond.SousGroupe))
                                    : fin;
    const int8_t origineX = tx.SousGroupe ? (yDAbord ? fin : finDuPremier) : tx.Ligne;
    const int8_t origineY = ty.SousGroupe ? (yDAbord ? finDuPremier : fin) : ty.Ligne;
    const bool grandX = !GrandEstSecond(tx, ty);
    lignes_->push_back(LigneSolution{static_cast<int8_t>(choix.K), choix.Grand, choix.Petit, choix.Resultat,
                                     grandX ? origineX : origineY, grandX ? origineY : origineX});
    suite.Termes[static_cast<size_t>(choix.X)].Ligne = static_cast<int8_t>(lignes_->size() - 1);
}

bool Ecriture::Ecrire(const GroupeTermes& groupe, int32_t& somme, int32_t& maximum, const ListeTravail& termes)
{
    const int32_t somme0 = somme;
    const int32_t maximum0 = maximum;
    const int nb = termes.Nb;
    if (nb < 2)
        return false;

    Combinaison meilleure;
    if (nb == 2) {
        // une seule paire : c'est la dernière ligne de cette chaîne
        if (!Combiner(groupe.Famille, termes, 0, 1, meilleure))
            return false;
        somme = somme0 + meilleure.Resultat;
        maximum = Maximum(maximum0, meilleure.Resultat);
        Terminer(groupe, somme, maximum, termes, meilleure, somme0, maximum0);
        return true;
    }

    int32_t meilleurMax = simple_ ? Aucun : 0;
    int32_t meilleureSomme = simple_ ? Aucun : 0;
    bool trouve = false;
    // les textes n'ont pas à être écrits pendant le choix
    std::string* const texte = texte_;
    texte_ = nullptr;
    Combinaison c;
    for (int i = 0; i + 1 < nb; ++i) {
        for (int j = i + 1; j < nb; ++j) {
            if (!Combiner(groupe.Famille, termes, i, j, c))
                continue;
            int32_t sommeC = somme0 + c.Resultat;
            int32_t maxC = Maximum(maximum0, c.Resultat);
            // la suite n'abaisse jamais le maximum et ajoute à la somme : du plus simple, une paire déjà
            // battue avant sa suite ne peut plus faire strictement mieux
            if (simple_ && trouve && (maxC > meilleurMax || (maxC == meilleurMax && sommeC >= meilleureSomme)))
                continue;
            // au moins deux termes restent : sans suite, la paire ne mène nulle part
            if (!EcrireSuite(groupe, sommeC, maxC, Suite(termes, c)))
                continue;
            const bool meilleur = simple_ ? (maxC < meilleurMax || (maxC == meilleurMax && sommeC < meilleureSomme))
                                          : (maxC > meilleurMax || (maxC == meilleurMax && sommeC > meilleureSomme));
            if (meilleur) {
                meilleurMax = maxC;
                meilleureSomme = sommeC;
                meilleure = c;
                trouve = true;
            }
        }
    }
    texte_ = texte;
    if (!trouve)
        return false;
    somme = meilleureSomme;
    maximum = meilleurMax;
    Terminer(groupe, somme, maximum, termes, meilleure, somme0, maximum0);
    return true;
}

}  // namespace

int NbOperationsGroupe(const GroupeTermes& groupe)
{
    int n = static_cast<int>(groupe.Termes.size()) - 1;
    for (const Terme& t : groupe.Termes)
        if (t.SousGroupe)
            n += NbOperationsGroupe(*t.SousGroupe);
    return n;
}

std::string EcrireCalcul(const GroupeTermes& groupe, int32_t valeurFinale, int32_t& somme, int32_t& maximum,
                         bool simple)
{
    std::string texte;
    Ecriture(valeurFinale, simple, &texte).Ecrire(groupe, somme, maximum, ListeDe(groupe));
    return texte;
}

void CalculerCles(const GroupeTermes& groupe, int32_t valeurFinale, int32_t& somme, int32_t& maximum, bool simple)
{
    Ecriture(valeurFinale, simple, nullptr).Ecrire(groupe, somme, maximum, ListeDe(groupe));
}

std::vector<LigneSolution> EcrireLignes(const GroupeTermes& groupe, int32_t valeurFinale, bool simple)
{
    std::string texte;
    std::vector<LigneSolution> lignes;
    int32_t somme = 0, maximum = 0;
    Ecriture(valeurFinale, simple, &texte, &lignes).Ecrire(groupe, somme, maximum, ListeDe(groupe));
    return lignes;
}

int32_t ValeurGroupe(const GroupeTermes& groupe)
{
    // les directs d'un côté, les retranchés (ou diviseurs) de l'autre
    int64_t direct = groupe.Famille == 0 ? 0 : 1, inverse = direct;
    for (const Terme& t : groupe.Termes) {
        int64_t& cote = t.Inverse ? inverse : direct;
        cote = groupe.Famille == 0 ? cote + t.Valeur : cote * t.Valeur;
    }
    return static_cast<int32_t>(groupe.Famille == 0 ? direct - inverse : direct / inverse);
}
