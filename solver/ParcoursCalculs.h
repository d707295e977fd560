// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "EtatCalcul.h"
#include "Plaques.h"

#include <cstdint>
#include <string>

// celui qui regarde les calculs complets (tous leurs résultats employés) un à un, dans l'ordre où la
// recherche les examine, sans rien ranger : la recherche ne fait pas plus de MaxOperations() opérations
// et s'arrête dès qu'il le demande
class ParcoursCalculs {
public:
    explicit ParcoursCalculs(int maxOperations) : maxOperations_(maxOperations) {}
    virtual ~ParcoursCalculs() = default;

    int MaxOperations() const { return maxOperations_; }
    bool Arrete() const { return arrete_; }

    // un calcul complet de cette valeur, fait de tant d'opérations ; vrai quand il faut en garder la forme :
    // Garder la reçoit aussitôt
    virtual bool Voir(int32_t valeur, int operations) = 0;
    // l'état du calcul vu à l'instant, sa dernière opération faite
    virtual void Garder(const EtatCalcul& calcul) = 0;

protected:
    // plus aucun calcul ne sera vu
    void Arreter() { arrete_ = true; }

private:
    int maxOperations_;
    bool arrete_ = false;
};

// parcourt les calculs du jeu dans l'ordre de la recherche (plaques classées par valeur croissante)
void Parcourir(const SixEntiers& plaques, int32_t but, ParcoursCalculs& parcours);

// le calcul d'un état complet (son dernier résultat), écrit comme une solution du plus simple au plus
// compliqué : une ligne par opération (« 75+24=99 »), la dernière sur sa valeur
std::string EcrireEtatComplet(const EtatCalcul& calcul);
