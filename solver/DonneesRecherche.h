// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "EtatCalcul.h"
#include "ListeSolutions.h"
#include "Operations.h"
#include "Plaques.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// compteurs de l'inventaire des comptes : ligne v - 100 pour le compte v, ligne 0 les totaux ;
// colonne 0 toutes les solutions, colonne n - 1 celles à n plaques
using TableComptes = std::array<std::array<int32_t, 6>, 900>;

// les deux ordres des solutions (DonneesRecherche::OrdreSolutions), gardés tels quels dans l'historique
inline constexpr uint8_t OrdreDuSimpleAuTordu = 1;
inline constexpr uint8_t OrdreDuTorduAuSimple = 2;

// le jeu et tout ce qu'a laissé la dernière recherche
struct DonneesRecherche {
    // le jeu
    SixEntiers Plaques{};
    int32_t But = 0;
    SixEntiers RangPlaque{0, 1, 2, 3, 4, 5};
    SixEntiers PlaqueDeRang{0, 1, 2, 3, 4, 5};
    uint8_t OrdreSolutions = 0;  // 0 aucun, sinon OrdreDuSimpleAuTordu ou OrdreDuTorduAuSimple

    // les résultats
    TListeSolutions ListeSolutions;
    int32_t SolutionCourante = 0;
    int32_t NbSolutions = 0;
    std::array<int32_t, 7> NbSolutionsPlaques{};  // indices 2 à 6
    int32_t MeilleurResultat = Aucun;
    int32_t MeilleurBas = Aucun;
    int32_t MeilleurHaut = Aucun;
    bool ButAtteint = false;
    int32_t NbPossibilites = 0;
    std::array<int32_t, 5> NbPossibilitesEtape{};
    int32_t TempsPremiereSolution = 0;
    int32_t NbMeilleursQueJoueur = 0;
    int32_t TempsTotal = 0;
    int32_t DebutChrono = 0;
    std::optional<EtatCalcul> EtatRacine;
    std::string LibellePlaques;

    // le calcul du joueur
    std::optional<EtatCalcul> EtatJoueur;
    int32_t MeilleurJoueur = Aucun;
    int32_t SommeJoueur = Aucun;
    int32_t MaxJoueur = Aucun;
    int32_t TempsJoueur = 0;

    // l'inventaire de tous les comptes
    bool ModeTousComptes = false;
    TableComptes TableSolutionsComptes{};

    void ClasserPlaques(ModeClassement mode) { ::ClasserPlaques(Plaques, RangPlaque, PlaqueDeRang, mode); }
    void ViderSolutions();  // liste vidée, compteurs de solutions à zéro
    void OublierJoueur();   // plus de calcul du joueur
};
