// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ApprocheCompte.h"

#include <algorithm>
#include <array>
#include <bit>
#include <stdexcept>

namespace {

// au-delà de 64 bits, les calculs se font sur 128
__extension__ using Entier128 = __int128;

// la plus proche des valeurs vues
template <typename Entier>
class PlusProche {
public:
    PlusProche(Entier but, Entier premiere) : but_(but), meilleur_(premiere), ecart_(Distance(premiere)) {}

    void Voir(Entier v)
    {
        const Entier e = Distance(v);
        if (e < ecart_ || (e == ecart_ && v < meilleur_)) {
            meilleur_ = v;
            ecart_ = e;
        }
    }
    bool Atteint() const { return ecart_ == 0; }
    // la plus proche ne dépasse jamais le compte plus la distance du premier nombre : elle tient en 64 bits
    ApprocheCompte Approche() const { return {static_cast<int64_t>(meilleur_), static_cast<int64_t>(ecart_)}; }

private:
    Entier Distance(Entier v) const { return v > but_ ? v - but_ : but_ - v; }

    Entier but_, meilleur_, ecart_;
};

// chaque résultat de x et y qui n'égale aucun des deux : celui-là, une partie plus petite le forme déjà
template <typename Entier, typename F>
[[gnu::always_inline]] inline void Combiner(Entier x, Entier y, F&& f)
{
    const Entier g = std::max(x, y);
    const Entier p = std::min(x, y);
    f(g + p);
    if (g - p != p && g != p)
        f(g - p);
    if (p > 1) {
        f(g * p);
        if (g % p == 0 && g / p != p)
            f(g / p);
    }
}

// vrai quand le produit des (n + 1) tient dans le type : aucune valeur formée ne le dépasse (x + y et x × y
// ne dépassent pas (x + 1)(y + 1) − 1, x − y et x ÷ y pas x)
template <typename Entier>
bool ProduitTient(const std::vector<int64_t>& nombres)
{
    Entier produit = 1, facteur = 0;
    for (int64_t n : nombres)
        if (n < 0 || __builtin_add_overflow(Entier{n}, 1, &facteur) || __builtin_mul_overflow(produit, facteur, &produit))
            return false;
    return true;
}

template <typename Entier>
ApprocheCompte Approcher(const std::vector<int64_t>& nombres, int64_t but)
{
    // valeurs[m] : ce que forment tous les nombres de la partie m (bit i : le nombre i). La partie entière
    // n'est pas gardée, seulement comparée au compte ; celles d'un nombre de moins, qui ne servent qu'à
    // elle, gardent leurs doublons : les trier coûterait plus que de les combiner
    const auto n = static_cast<int>(nombres.size());
    const unsigned tous = (1u << n) - 1;
    std::array<std::vector<Entier>, 1u << NombresApprocheMax> valeurs;
    PlusProche<Entier> plusProche(but, nombres[0]);
    for (size_t i = 0; i < nombres.size(); ++i) {
        valeurs[1u << i] = {nombres[i]};
        plusProche.Voir(nombres[i]);
    }
    // par masque croissant, chaque partie d'une partie est déjà faite
    for (unsigned masque = 3; masque <= tous; ++masque) {
        if (std::has_single_bit(masque))
            continue;
        const bool entiere = masque == tous;
        std::vector<Entier>& formees = valeurs[masque];
        const unsigned plusBas = masque & (~masque + 1);
        // chaque découpage en deux une fois : la première part tient le plus bas nombre
        for (unsigned a = (masque - 1) & masque; a != 0; a = (a - 1) & masque) {
            if ((a & plusBas) == 0)
                continue;
            const std::vector<Entier>& b = valeurs[masque ^ a];
            for (Entier x : valeurs[a]) {
                if (entiere) {
                    for (Entier y : b)
                        Combiner(x, y, [&](Entier r) { plusProche.Voir(r); });
                    if (plusProche.Atteint())
                        return plusProche.Approche();
                } else {
                    for (Entier y : b)
                        Combiner(x, y, [&](Entier r) { formees.push_back(r); });
                }
            }
        }
        if (entiere)
            break;
        if (std::popcount(masque) < n - 1) {
            std::sort(formees.begin(), formees.end());
            formees.erase(std::unique(formees.begin(), formees.end()), formees.end());
        }
        for (Entier r : formees)
            plusProche.Voir(r);
        if (plusProche.Atteint())
            break;
    }
    return plusProche.Approche();
}

}  // namespace

bool NombresCalculables(const std::vector<int64_t>& nombres) { return ProduitTient<Entier128>(nombres); }

ApprocheCompte ApprocherCompte(const std::vector<int64_t>& nombres, int64_t but)
{
    if (nombres.empty() || nombres.size() > NombresApprocheMax)
        throw std::invalid_argument("de un à six nombres");
    if (std::any_of(nombres.begin(), nombres.end(), [](int64_t n) { return n <= 0; }) || !NombresCalculables(nombres))
        throw std::invalid_argument("nombres positifs dont les calculs tiennent en 128 bits");
    // les nombres d'un jeu tiennent toujours en 64 bits, plus rapides
    return ProduitTient<int64_t>(nombres) ? Approcher<int64_t>(nombres, but) : Approcher<Entier128>(nombres, but);
}
