// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Plaques.h"
#include "Solution.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

// ce que les solutions exactes d'un compte disent de lui
struct ReleveCompte {
    int PlaquesMin = 0;       // le moins de plaques d'une solution ; 0 : aucune solution
    int32_t NbSolutions = 0;  // solutions distinctes comme dans la liste d'une résolution, jusqu'au plafond

    bool operator==(const ReleveCompte&) const = default;
};

// les solutions exactes, compte par compte, sans texte ni ordre : on ne garde que les formes canoniques
// des premières solutions de chaque compte, pour y reconnaître les doublons, et seulement jusqu'au
// plafond (au-delà, le nombre exact ne sert à personne)
class ReleveSolutions {
public:
    // vrai quand ce qui est relevé d'un compte suffit à l'appelant : la recherche s'arrête là
    using Suffisant = std::function<bool(const ReleveCompte&)>;

    explicit ReleveSolutions(int32_t plafond, Suffisant suffisant = {})
        : plafond_(plafond), suffisant_(std::move(suffisant))
    {
    }
    // le relevé des plus simples : chaque compte garde, au lieu de compter ses solutions, la première qu'en
    // donnerait une résolution du plus simple au plus tordu
    static ReleveSolutions PlusSimples()
    {
        ReleveSolutions releve(0);
        releve.plusSimples_ = true;
        return releve;
    }

    // un calcul complet qui vaut compte, fait de tant de plaques ; vrai quand il faut sa forme pour
    // savoir s'il est une solution de plus
    bool Compter(int32_t compte, int plaques);
    // cette forme : une solution de plus si aucune de celles déjà vues du compte n'est la même
    void Distinguer(int32_t compte, plq_utl calcul);

    const ReleveCompte& Compte(int32_t compte) const { return comptes_[static_cast<size_t>(compte)]; }
    bool Suffit() const { return suffit_; }
    // la plus simple du compte (relevé des plus simples) ; nulle sans solution
    const plq_utl* PlusSimple(int32_t compte) const;

private:
    void Juger(const ReleveCompte& c) { suffit_ = suffit_ || (suffisant_ && suffisant_(c)); }
    void GarderSiPlusSimple(int32_t compte, plq_utl calcul);

    int32_t plafond_;
    Suffisant suffisant_;
    bool suffit_ = false;
    std::array<ReleveCompte, 1000> comptes_{};
    std::array<std::vector<plq_utl>, 1000> formes_;
    bool plusSimples_ = false;  // formes_[compte] ne tient alors que la plus simple
};

// les solutions exactes du compte but : une recherche qui ne garde ni approche, ni texte, ni ordre ;
// arrêtée dès que suffisant le dit (le relevé rendu n'est alors que celui d'une partie des calculs)
ReleveCompte ReleverSolutions(const SixEntiers& plaques, int32_t but, int32_t plafond,
                              const ReleveSolutions::Suffisant& suffisant = {});

// celles de chaque compte de 101 à 999, en une recherche comme l'inventaire (indice : le compte)
std::array<ReleveCompte, 1000> ReleverTousComptes(const SixEntiers& plaques, int32_t plafond);

// la plus simple des solutions de chaque compte de 101 à 999, en une recherche comme l'inventaire
ReleveSolutions ReleverPlusSimples(const SixEntiers& plaques);
