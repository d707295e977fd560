// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TableAtteignables.h"

#include "ParcoursParallele.h"

#include <algorithm>
#include <bit>
#include <stdexcept>
#include <utility>

namespace {

constexpr size_t NbSortes = ValeursPlaques.size();

// clé d'une composition : ses nombres d'exemplaires en base mixte (3 pour 1 à 10, 2 pour les grandes)
constexpr std::array<uint32_t, NbSortes + 1> Poids = [] {
    std::array<uint32_t, NbSortes + 1> p{};
    p[0] = 1;
    for (size_t i = 0; i < NbSortes; ++i)
        p[i + 1] = p[i] * static_cast<uint32_t>(ExemplairesPlaque(i) + 1);
    return p;
}();
constexpr uint32_t NbCles = Poids[NbSortes];

constexpr uint32_t Seuil = 2048;  // valeurs tenues aussi en bits

// nombre d'exemplaires de chacune des quatorze valeurs
template <typename Plaques>
std::array<uint8_t, NbSortes> CompositionDe(const Plaques& plaques)
{
    std::array<uint8_t, NbSortes> c{};
    for (int32_t plaque : plaques) {
        const auto i = static_cast<size_t>(std::find(ValeursPlaques.begin(), ValeursPlaques.end(), plaque) - ValeursPlaques.begin());
        if (i == NbSortes || ++c[i] > ExemplairesPlaque(i))
            throw std::invalid_argument("plaques hors de la réserve");
    }
    return c;
}

// produit des (t + 1) des n plus grandes plaques de la réserve : une valeur formée de n plaques vaut au
// plus ce produit moins 1 (x + y et x × y ne dépassent pas (x + 1)(y + 1) − 1)
constexpr uint64_t ProduitPlusGrandes(int n)
{
    uint64_t produit = 1;
    for (int i = 0; i < n; ++i)
        produit *= static_cast<uint64_t>(ReservePlaques[ReservePlaques.size() - 1 - static_cast<size_t>(i)] + 1);
    return produit;
}

// la plus grande valeur utile d'un sous-tirage de taille plaques. Une valeur c combinée à une valeur w
// des autres plaques donne au moins c / (w + 1) : c + w, c × w, c ÷ w, c − w quand c > w, et w − c ou
// w ÷ c demandent c ≤ w et valent au moins 1 > c / (w + 1). En remontant jusqu'au compte, celui-ci vaut
// donc au moins c divisé par le produit des (t + 1) des plaques restantes : au-delà de 999 fois ce
// produit, pris sur les plus grandes plaques de la réserve, c ne mène à aucun compte de 101 à 999.
constexpr uint64_t Borne(int taille)
{
    return std::min(999 * ProduitPlusGrandes(6 - taille), ProduitPlusGrandes(taille) - 1);
}

constexpr uint64_t PlusGrandeBorne = [] {
    uint64_t b = 0;
    for (int taille = 1; taille <= 5; ++taille)
        b = std::max(b, Borne(taille));
    return b;
}();

template <size_t N>
bool Tester(const std::array<uint64_t, N>& bits, uint64_t v)
{
    return v < 64 * N && (bits[v >> 6] >> (v & 63) & 1) != 0;
}

template <size_t N>
void Poser(std::array<uint64_t, N>& bits, uint64_t v)
{
    bits[v >> 6] |= uint64_t{1} << (v & 63);
}

using Mots16 = std::array<uint64_t, 16>;
using BitsBordes = std::array<uint64_t, 64>;
constexpr int Marge = 16;  // mots nuls de part et d'autre des 2048 bits

void PoserBorde(BitsBordes& bits, uint32_t v)
{
    bits[Marge + (v >> 6)] |= uint64_t{1} << (v & 63);
}

// comptes |= bits décalés de decalage (le bit v de bits devient le bit v + decalage), sur 64 à 1023 ;
// decalage de -1945 à 998 : les mots lus restent dans les marges
void OuDecale(Mots16& comptes, const BitsBordes& bits, int decalage)
{
    const int s = 64 * (Marge + 1) - decalage;  // premier bit lu, pour le mot 1 des comptes
    const uint64_t* mots = bits.data() + (s >> 6);
    const int o = s & 63;
    if (o == 0) {
        for (size_t w = 1; w < 16; ++w)
            comptes[w] |= mots[w - 1];
    } else {
        for (size_t w = 1; w < 16; ++w)
            comptes[w] |= (mots[w - 1] >> o) | (mots[w] << (64 - o));
    }
}

// les bits des comptes de 101 à 999
constexpr Mots16 BitsComptes = [] {
    Mots16 mots{};
    for (uint32_t v = 101; v <= 999; ++v)
        mots[v >> 6] |= uint64_t{1} << (v & 63);
    return mots;
}();

// chaque bit posé de bits entre bas et haut (haut < 2048)
template <typename F>
void ParcourirBits(const BitsBordes& bits, uint32_t bas, uint32_t haut, F&& f)
{
    if (bas > haut)
        return;
    for (uint32_t w = bas >> 6; w <= haut >> 6; ++w) {
        uint64_t mot = bits[Marge + w];
        if (w == bas >> 6)
            mot &= ~uint64_t{0} << (bas & 63);
        if (w == haut >> 6 && (haut & 63) != 63)
            mot &= (uint64_t{1} << ((haut & 63) + 1)) - 1;
        while (mot != 0) {
            f(64 * w + static_cast<uint32_t>(std::countr_zero(mot)));
            mot &= mot - 1;
        }
    }
}

// chaque partie d'une composition, la vide et l'entière comprises : f(partie, clé, taille)
template <typename Composition, typename F>
void Parties(const Composition& c, F&& f)
{
    std::array<size_t, NbSortes> sortes{};
    size_t n = 0;
    for (size_t i = 0; i < NbSortes; ++i)
        if (c[i] != 0)
            sortes[n++] = i;
    Composition p{};
    uint32_t cle = 0;
    int taille = 0;
    for (;;) {
        f(p, cle, taille);
        size_t k = 0;
        for (; k < n && p[sortes[k]] == c[sortes[k]]; ++k) {
            cle -= p[sortes[k]] * Poids[sortes[k]];
            taille -= p[sortes[k]];
            p[sortes[k]] = 0;
        }
        if (k == n)
            return;
        ++p[sortes[k]];
        cle += Poids[sortes[k]];
        ++taille;
    }
}

}  // namespace

struct TableAtteignables::Brouillon {
    std::vector<uint64_t> Vues = std::vector<uint64_t>(PlusGrandeBorne / 64 + 1);
    std::vector<uint32_t> Liste;
};

uint32_t TableAtteignables::Cle(const Composition& c)
{
    uint32_t cle = 0;
    for (size_t i = 0; i < NbSortes; ++i)
        cle += c[i] * Poids[i];
    return cle;
}

const TableAtteignables::Ensemble& TableAtteignables::Trouver(uint32_t cle) const
{
    if (indices_[cle] < 0)
        throw std::invalid_argument("sous-tirage absent de la table");
    return ensembles_[static_cast<size_t>(indices_[cle])];
}

TableAtteignables::Bits2048 TableAtteignables::AtteintesSansUne(const Composition& c) const
{
    const uint32_t cle = Cle(c);
    Bits2048 atteintes{};
    for (size_t i = 0; i < NbSortes; ++i)
        if (c[i] != 0) {
            const Ensemble& partie = Trouver(cle - Poids[i]);
            for (size_t w = 0; w < atteintes.size(); ++w)
                atteintes[w] |= partie.Atteintes[w];
        }
    return atteintes;
}

TableAtteignables::TableAtteignables(const std::vector<SixEntiers>& tirages, int fils) : indices_(NbCles, -1)
{
    // les sous-tirages distincts, rangés par taille : chacun ne lit que des plus petits
    std::array<std::vector<Composition>, 6> parTaille;
    for (const SixEntiers& tirage : tirages) {
        Parties(CompositionDe(tirage), [&](const Composition& p, uint32_t cle, int taille) {
            if (taille == 0 || taille > 5 || indices_[cle] >= 0)
                return;
            indices_[cle] = 0;  // vu ; son rang vient ensuite
            parTaille[static_cast<size_t>(taille)].push_back(p);
        });
    }
    std::vector<Composition> compositions;
    for (const auto& niveau : parTaille)
        for (const Composition& c : niveau) {
            indices_[Cle(c)] = static_cast<int32_t>(compositions.size());
            compositions.push_back(c);
        }
    ensembles_.resize(compositions.size());

    // une taille après l'autre ; chaque fil garde son brouillon d'un sous-tirage à l'autre
    size_t debut = 0;
    for (const auto& niveau : parTaille) {
        ParcourirEnParallele(static_cast<int>(niveau.size()), fils, {}, [&](int k) {
            thread_local Brouillon brouillon;
            const size_t i = debut + static_cast<size_t>(k);
            Calculer(ensembles_[i], compositions[i], brouillon);
        });
        debut += niveau.size();
    }
}

void TableAtteignables::Calculer(Ensemble& e, const Composition& c, Brouillon& brouillon) const
{
    const uint32_t cle = Cle(c);
    int taille = 0;
    for (uint8_t n : c)
        taille += n;
    if (taille == 1) {
        const auto v = static_cast<uint32_t>(ValeursPlaques[static_cast<size_t>(std::find(c.begin(), c.end(), 1) - c.begin())]);
        e.Nouvelles = {v};
        PoserBorde(e.Bas, v);
        PoserBorde(e.BasInverse, Seuil - 1 - v);
        Poser(e.Atteintes, v);
        return;
    }

    // une valeur déjà formée par une partie plus petite n'est pas gardée : tout calcul qui l'emploie se
    // refait avec cette partie, sur moins de plaques, et son compte y est déjà
    const Bits2048 dejaAtteintes = AtteintesSansUne(c);
    const uint64_t borne = Borne(taille);
    std::vector<uint64_t>& vues = brouillon.Vues;
    std::vector<uint32_t>& liste = brouillon.Liste;
    auto ajouter = [&](uint64_t v) {
        if (v > borne || (v < Seuil && Tester(dejaAtteintes, v)) || (vues[v >> 6] >> (v & 63) & 1) != 0)
            return;
        vues[v >> 6] |= uint64_t{1} << (v & 63);
        liste.push_back(static_cast<uint32_t>(v));
    };

    // chaque découpage en deux parties une fois ; un résultat égal à l'un de ses termes (× 1, ÷ 1,
    // 6 − 3) est formé par une partie plus petite : il n'est pas fait
    Parties(c, [&](const Composition&, uint32_t cleA, int tailleA) {
        const uint32_t cleB = cle - cleA;
        if (tailleA == 0 || tailleA == taille || cleA > cleB)
            return;
        const Ensemble& a = Trouver(cleA);
        const Ensemble& b = Trouver(cleB);
        for (uint32_t x : a.Nouvelles)
            for (uint32_t y : b.Nouvelles) {
                const uint64_t g = std::max(x, y);
                const uint64_t p = std::min(x, y);
                ajouter(g + p);
                if (p > 1) {
                    ajouter(g * p);
                    if (g % p == 0 && g / p != p)
                        ajouter(g / p);
                }
                if (g != p && g - p != p)
                    ajouter(g - p);
            }
    });

    // en ordre croissant : relues des bits vus quand ils sont denses, sinon triées
    const uint64_t plusGrande = liste.empty() ? 0 : *std::max_element(liste.begin(), liste.end());
    if (plusGrande / 64 < 4 * liste.size()) {
        liste.clear();
        for (uint64_t w = 0; w <= plusGrande / 64; ++w)
            for (uint64_t mot = std::exchange(vues[w], 0); mot != 0; mot &= mot - 1)
                liste.push_back(static_cast<uint32_t>(64 * w + static_cast<uint64_t>(std::countr_zero(mot))));
    } else {
        std::sort(liste.begin(), liste.end());
        for (uint32_t v : liste)
            vues[v >> 6] = 0;
    }
    for (uint32_t v : liste)
        if (v < Seuil) {
            PoserBorde(e.Bas, v);
            PoserBorde(e.BasInverse, Seuil - 1 - v);
        }
    e.Nouvelles = liste;
    liste.clear();
    for (size_t w = 0; w < e.Atteintes.size(); ++w)
        e.Atteintes[w] = dejaAtteintes[w] | e.Bas[Marge + w];
}

void TableAtteignables::Combiner(uint32_t x, const Ensemble& y, Mots16& comptes)
{
    auto marquer = [&](uint32_t r) {
        if (r >= 101 && r <= 999)
            Poser(comptes, r);
    };
    // les valeurs de y entre bas et haut, par leurs bits quand elles sont sous le seuil
    auto parcourir = [&](uint64_t bas, uint64_t haut, auto&& f) {
        if (bas > haut)
            return;
        if (haut < Seuil) {
            ParcourirBits(y.Bas, static_cast<uint32_t>(bas), static_cast<uint32_t>(haut), f);
            return;
        }
        for (auto v = std::lower_bound(y.Nouvelles.begin(), y.Nouvelles.end(), bas); v != y.Nouvelles.end() && *v <= haut; ++v)
            f(*v);
    };

    const int xi = static_cast<int>(x);
    // x + v
    if (x <= 998)
        OuDecale(comptes, y.Bas, xi);
    // v − x, v de x + 101 à x + 999
    if (x + 999 < Seuil)
        OuDecale(comptes, y.Bas, -xi);
    else
        parcourir(x + 101, x + 999, [&](uint32_t v) { marquer(v - x); });
    // x − v, v de x − 999 à x − 101
    if (x > 101) {
        if (x - 101 < Seuil)
            OuDecale(comptes, y.BasInverse, xi - static_cast<int>(Seuil - 1));
        else
            parcourir(x > 999 ? x - 999 : 1, x - 101, [&](uint32_t v) { marquer(x - v); });
    }
    if (x < 2)
        return;
    // x × v
    if (x <= 499)
        ParcourirBits(y.Bas, std::max(2u, (101 + x - 1) / x), 999 / x, [&](uint32_t v) { marquer(x * v); });
    // x ÷ v
    if (x >= 202)
        parcourir(std::max(2u, (x + 998) / 999), x / 101, [&](uint32_t v) {
            if (x % v == 0)
                marquer(x / v);
        });
    // v ÷ x
    parcourir(uint64_t{101} * x, uint64_t{999} * x, [&](uint32_t v) {
        if (v % x == 0)
            marquer(v / x);
    });
}

TableAtteignables::Mots16 TableAtteignables::MotsComptes(const SixEntiers& tirage) const
{
    const Composition c = CompositionDe(tirage);
    const uint32_t cle = Cle(c);

    // ce que forment les parties de cinq plaques, puis les calculs qui prennent les six
    const Bits2048 cinq = AtteintesSansUne(c);
    Mots16 comptes{};
    std::copy_n(cinq.begin(), comptes.size(), comptes.begin());
    Parties(c, [&](const Composition&, uint32_t cleA, int tailleA) {
        const uint32_t cleB = cle - cleA;
        if (tailleA == 0 || tailleA == 6 || cleA > cleB)
            return;
        const Ensemble& a = Trouver(cleA);
        const Ensemble& b = Trouver(cleB);
        const bool aPetit = a.Nouvelles.size() <= b.Nouvelles.size();
        for (uint32_t x : (aPetit ? a : b).Nouvelles)
            Combiner(x, aPetit ? b : a, comptes);
    });
    for (size_t w = 0; w < comptes.size(); ++w)
        comptes[w] &= BitsComptes[w];
    return comptes;
}

ComptesMarques TableAtteignables::Comptes(const SixEntiers& tirage) const
{
    const Mots16 comptes = MotsComptes(tirage);
    ComptesMarques marques;
    for (uint32_t v = 101; v <= 999; ++v)
        if (Tester(comptes, v))
            marques.set(v);
    return marques;
}

int TableAtteignables::NombreComptes(const SixEntiers& tirage) const
{
    int n = 0;
    for (uint64_t mot : MotsComptes(tirage))
        n += std::popcount(mot);
    return n;
}

std::vector<uint32_t> TableAtteignables::Valeurs(const std::vector<int32_t>& plaques) const
{
    if (plaques.empty() || plaques.size() > 5)
        throw std::invalid_argument("sous-tirage de une à cinq plaques");
    const Composition c = CompositionDe(plaques);
    std::vector<uint32_t> valeurs;
    Parties(c, [&](const Composition&, uint32_t cle, int taille) {
        if (taille > 0) {
            const Ensemble& e = Trouver(cle);
            valeurs.insert(valeurs.end(), e.Nouvelles.begin(), e.Nouvelles.end());
        }
    });
    std::sort(valeurs.begin(), valeurs.end());
    valeurs.erase(std::unique(valeurs.begin(), valeurs.end()), valeurs.end());
    return valeurs;
}
