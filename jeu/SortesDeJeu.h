// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DemandeJeu.h"
#include "SorteDeJeu.h"
#include "SorteJour.h"
#include "SorteDeMatch.h"
#include "SorteSerie.h"

#include <memory>
#include <optional>

// la sorte de jeu d'une demande : une nouvelle sorte s'ajoute ici, et dans SorteDemandee
std::unique_ptr<SorteDeJeu> CreerSorte(const DemandeJeu& demande);

// un tirage au sort animé : ordinaire, avec un nombre de grandes plaques, ou d'un niveau (choisi avant
// l'animation, que la barre d'état annonce)
class SorteTirage : public SorteDeJeu {
public:
    SorteTirage(std::optional<int> nbGrandes, std::optional<NiveauJeu> niveau) : nbGrandes_(nbGrandes), niveau_(niveau) {}
    Etape Commencer(Seance& seance) override;

private:
    std::optional<int> nbGrandes_;
    std::optional<NiveauJeu> niveau_;
};

// un compte proposé au pavé, ou un jeu repris de l'historique, qui compte comme proposé
class SorteProposee : public SorteDeJeu {
public:
    SorteProposee() = default;
    SorteProposee(const SixEntiers& plaques, int32_t but) : jeu_(JeuTire{plaques, but}) {}
    Etape Commencer(Seance& seance) override;

private:
    std::optional<JeuTire> jeu_;
};

// un jeu de la ligne de commande : résolu aussitôt, sans saisie ni enregistrement
class SorteLigneCommande : public SorteDeJeu {
public:
    SorteLigneCommande(const SixEntiers& plaques, int32_t but) : jeu_{plaques, but} {}
    Etape Commencer(Seance& seance) override;

private:
    JeuTire jeu_;
};
