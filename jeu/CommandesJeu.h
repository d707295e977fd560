// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// où en est le jeu de la fenêtre principale
enum class PhaseJeu {
    AucunJeu,          // au départ, après une remise à zéro ou un compte proposé abandonné
    TirageEnCours,     // animation du tirage, ou pavé du compte proposé ouvert
    JeuPose,           // jeu complet, pas encore résolu (la saisie du calcul peut être ouverte)
    RechercheEnCours,  // une résolution ou un inventaire tourne
    Resolu,            // les solutions de la dernière recherche sont là
};

// les commandes de la fenêtre principale qui dépendent du jeu
struct EtatCommandes {
    bool Compte = false;        // tout nouveau jeu : « Tiré au sort » et ses sous-menus, « Proposé », série, jour,
                                // et le temps limite des jeux à venir
    bool Solutions = false;     // menu Solutions, ses deux ordres, le bouton de calcul et l'inventaire
    bool Utilisant = false;     // « Utilisant 2 plaques » … « Utilisant 6 plaques »
    bool Informations = false;  // bouton des informations sur les solutions
    bool Navigation = false;    // les quatre flèches, selon la solution montrée
    // ce que la phase seule ne dit pas : le jeu suivant d'une série, et les flèches selon la solution montrée
    bool JeuSuivant = false;
    bool VersLeDebut = false;  // première et précédente
    bool VersLaFin = false;    // suivante et dernière
};

EtatCommandes CommandesDeLaPhase(PhaseJeu phase);

// flèches première/précédente, suivante/dernière selon la solution montrée
struct EtatNavigation {
    bool VersLeDebut = false;
    bool VersLaFin = false;
};
EtatNavigation NavigationDeLaSolution(int32_t courante, int32_t nombre);
