// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DonneesRecherche.h"
#include "EcritureCalcul.h"
#include "Plaques.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// ce que montre un pas : les six cases du bandeau, les lignes déjà écrites
struct EtatPasAPas {
    std::array<int32_t, 6> Valeurs{};    // 0 : case vide
    std::array<bool, 6> Resultats{};     // la case tient un résultat, pas une plaque
    uint32_t Marquees = 0;               // bit i : la case i est marquée
    std::string Texte;                   // les lignes écrites, la dernière parfois commencée (« 75*6 »)
    std::string Lecture;                 // ce qu'en dit le lecteur d'écran
};

// une solution parcourue une opération à la fois sur les six plaques : chaque opération en deux pas, ses deux
// nombres marqués, puis remplacés par le résultat (dans la case du plus à gauche, l'autre vidée), jusqu'au
// compte. Le pas 0 montre les plaques.
class PasAPas {
public:
    // plaques dans l'ordre du bandeau ; masque : les cases que la solution utilise (bit i, case i)
    PasAPas(const SixEntiers& plaques, int32_t but, uint32_t masque, const std::vector<LigneSolution>& lignes);

    int Position() const { return position_; }
    int NbPas() const { return static_cast<int>(etats_.size()) - 1; }
    int NbOperations() const { return NbPas() / 2; }
    const EtatPasAPas& Etat() const { return etats_[static_cast<size_t>(position_)]; }
    // faux au bout (rien ne change)
    bool Avancer();
    bool Reculer();
    bool AuDebut() const { return position_ == 0; }
    bool ALaFin() const { return position_ == NbPas(); }

private:
    std::vector<EtatPasAPas> etats_;
    int position_ = 0;
};

// le pas à pas de la solution montrée (SolutionCourante) de la dernière recherche, écrite comme elle est
// montrée ; rien sans solution montrée
std::optional<PasAPas> PasAPasDeLaSolution(const DonneesRecherche& d);
