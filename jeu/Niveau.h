// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DonneesRecherche.h"
#include "ReleveSolutions.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// le niveau d'un jeu, du plus facile au plus dur ; un jeu sans solution exacte est « impossible »
enum class NiveauJeu : uint8_t {
    Facile = 1,
    Moyen = 2,
    Difficile = 3,
    Expert = 4,
    Impossible = 5,
};
// tous les niveaux, dans cet ordre
inline constexpr std::array<NiveauJeu, 5> TousLesNiveaux{NiveauJeu::Facile, NiveauJeu::Moyen, NiveauJeu::Difficile,
                                                        NiveauJeu::Expert, NiveauJeu::Impossible};

// ce qui fait le niveau d'un jeu résolu : le moins de plaques d'une solution exacte et le nombre de
// solutions exactes distinctes (0 et 0 pour un jeu impossible)
struct MesureNiveau {
    NiveauJeu Niveau = NiveauJeu::Impossible;
    int PlaquesMin = 0;
    int32_t NbSolutions = 0;

    bool operator==(const MesureNiveau&) const = default;
};

// à partir de 6 solutions la rareté ne compte plus : inutile d'en compter davantage pour un niveau
inline constexpr int32_t SolutionsSansRarete = 6;

// la note d'un jeu possible : plus il faut de plaques et plus les solutions sont rares, plus il est dur.
// note = (plaquesMin - 1) + 2 pour au plus 2 solutions, + 1 pour 3 à 5, + 0 au-delà
int NoteDuJeu(int plaquesMin, int32_t nbSolutions);
// Facile jusqu'à 3, Moyen 4, Difficile 5 et 6, Expert 7
NiveauJeu NiveauDeLaNote(int note);
// le niveau d'un jeu possible d'après ses deux mesures
MesureNiveau MesurerNiveau(int plaquesMin, int32_t nbSolutions);
// le niveau du jeu que la dernière recherche a résolu (ButAtteint, NbSolutions, NbSolutionsPlaques)
MesureNiveau MesurerNiveau(const DonneesRecherche& d);
// d'après le relevé des solutions exactes d'un compte
MesureNiveau MesurerNiveau(const ReleveCompte& releve);

// le niveau d'un jeu sans le résoudre en entier (ni approches, ni textes, ni ordre) : le même niveau et
// le même PlaquesMin qu'une résolution, NbSolutions compté jusqu'à SolutionsSansRarete seulement
MesureNiveau MesurerNiveau(const SixEntiers& plaques, int32_t but);
// de même, mais la recherche s'arrête dès que le jeu est sûr d'être plus facile que plancher (chaque
// solution trouvée ne peut que baisser la note) : rien dans ce cas
std::optional<MesureNiveau> MesurerNiveauAuMoins(const SixEntiers& plaques, int32_t but, NiveauJeu plancher);

// « Difficile — 6 plaques au moins, 2 solutions », « Impossible »
std::string TexteNiveau(const MesureNiveau& mesure);

// « Facile », « Moyen », « Difficile », « Expert », « Impossible »
const char* NomNiveau(NiveauJeu niveau);
