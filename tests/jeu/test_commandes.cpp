// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// la table d'activation des commandes de la fenêtre principale, phase par phase, et les quatre flèches
#include "CommandesJeu.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// « 1 » pour une commande permise : nouveau jeu, solutions, Utilisant, informations, flèches
std::string Permises(const EtatCommandes& c)
{
    std::string etat;
    for (bool b : {c.Compte, c.Solutions, c.Utilisant, c.Informations, c.Navigation})
        etat += b ? '1' : '0';
    return etat;
}

}  // namespace

TEST(CommandesJeu, UneLigneParPhase)
{
    struct Ligne {
        PhaseJeu phase;
        const char* nom;
        const char* permises;
    };
    const Ligne table[] = {
        // au départ ou sans jeu : seulement un nouveau jeu
        {PhaseJeu::AucunJeu, "aucun jeu", "10000"},
        // pendant l'animation ou le pavé : ni un autre jeu, ni les solutions d'un jeu incomplet
        {PhaseJeu::TirageEnCours, "tirage en cours", "00000"},
        // jeu posé : le résoudre (ou l'inventorier), ou en commencer un autre ; rien à parcourir encore
        {PhaseJeu::JeuPose, "jeu posé", "11000"},
        // une recherche coupe tout ce qui lit ses résultats, pas le nouveau jeu
        {PhaseJeu::RechercheEnCours, "recherche en cours", "10000"},
        // les résultats sont là : tout est permis
        {PhaseJeu::Resolu, "résolu", "11111"},
    };
    for (const Ligne& l : table)
        EXPECT_EQ(Permises(CommandesDeLaPhase(l.phase)), l.permises) << l.nom;
}

TEST(CommandesJeu, FlechesSelonLaSolutionMontree)
{
    struct Cas {
        int32_t courante, nombre;
        bool versLeDebut, versLaFin;
    };
    const Cas cas[] = {
        {0, 0, false, false},   // liste vide
        {0, 1, false, false},   // une seule solution
        {0, 2, false, true},
        {1, 2, true, false},
        {0, 87, false, true},   // première : ni première ni précédente
        {5, 87, true, true},
        {85, 87, true, true},
        {86, 87, true, false},  // dernière : ni suivante ni dernière
    };
    for (const Cas& c : cas) {
        const EtatNavigation n = NavigationDeLaSolution(c.courante, c.nombre);
        EXPECT_EQ(n.VersLeDebut, c.versLeDebut) << c.courante << "/" << c.nombre;
        EXPECT_EQ(n.VersLaFin, c.versLaFin) << c.courante << "/" << c.nombre;
    }
}
