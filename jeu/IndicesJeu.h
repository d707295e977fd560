// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ApprocheCompte.h"
#include "DonneesRecherche.h"
#include "EchelleIndices.h"
#include "SolutionLaPlusSimple.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// un indice donné au joueur
struct IndiceDonne {
    BarreauIndice Barreau = BarreauIndice::Aucun;
    std::string Question;  // « Atteignable ? »
    std::string Reponse;   // « Non : au mieux à 3 »

    // « Atteignable ? — Non : au mieux à 3 »
    std::string Texte() const { return Question + " — " + Reponse; }
    bool operator==(const IndiceDonne&) const = default;
};

// les nombres que le joueur a en main : les plaques qu'il n'a pas prises et ses résultats en attente, lus
// dans le calcul qu'il tient (EtatJoueur, le premier nombre d'une opération commencée compris) ; sans
// calcul, les six plaques
std::vector<int64_t> NombresEnMain(const DonneesRecherche& d);

// les indices d'un jeu : l'échelle montée un barreau après l'autre pendant la saisie (« Refaire » ne la
// redescend pas : un indice pris est payé), les réponses du moteur et le plus haut barreau pris. Le premier
// barreau répond depuis les nombres en main ; les autres parlent du jeu entier, résolu une fois, à la
// première demande
class IndicesJeu {
public:
    IndicesJeu(const SixEntiers& plaques, int32_t but) : plaques_(plaques), but_(but) {}

    // le barreau que donnera la prochaine demande ; Aucun quand les quatre sont pris
    BarreauIndice Suivant() const { return BarreauSuivant(plusHaut_); }
    // le plus haut barreau pris, qu'on enregistre avec le jeu ; Aucun sans indice
    BarreauIndice PlusHautPris() const { return plusHaut_; }
    // le plafond des points que ce plus haut barreau impose
    int Plafond() const;

    // monte au barreau suivant et rend sa réponse ; rien quand l'échelle est finie
    std::optional<IndiceDonne> Demander(const std::vector<int64_t>& nombresEnMain);
    std::optional<IndiceDonne> Demander(const DonneesRecherche& saisie) { return Demander(NombresEnMain(saisie)); }

    // la réponse d'un barreau, sans monter
    std::string Reponse(BarreauIndice barreau, const std::vector<int64_t>& nombresEnMain) const;
    // les réponses telles que le moteur les donne
    ApprocheCompte Approche(const std::vector<int64_t>& nombres) const { return ApprocherCompte(nombres, but_); }
    const SolutionLaPlusSimple& LaPlusSimple() const;

private:
    SixEntiers plaques_;
    int32_t but_;
    BarreauIndice plusHaut_ = BarreauIndice::Aucun;
    mutable std::optional<SolutionLaPlusSimple> laPlusSimple_;
};
