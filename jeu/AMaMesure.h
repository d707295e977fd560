// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AnnonceOrdinateur.h"
#include "Historique.h"
#include "Niveau.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// en deçà, l'historique d'un niveau ne dit pas assez comment le joueur y joue
inline constexpr size_t JeuxPourAMaMesure = 10;
// la force que prend « À ma mesure » quand l'historique du niveau ne suffit pas
inline constexpr ForceAdversaire ForceSansMesure = ForceAdversaire::Amateur;

// ce que l'historique dit du joueur à un niveau : les jeux, les comptes trouvés, le temps médian des trouvés,
// comme le tableau par niveau de la fenêtre de l'historique
struct MesureJoueur {
    NiveauJeu Niveau = NiveauJeu::Facile;
    size_t NbJeux = 0;
    size_t NbTrouves = 0;
    std::optional<double> TempsMedianMs;

    bool Suffisante() const { return NbJeux >= JeuxPourAMaMesure; }
    bool operator==(const MesureJoueur&) const = default;
};
// une mesure par niveau, dans l'ordre de TousLesNiveaux
using MesuresJoueur = std::array<MesureJoueur, TousLesNiveaux.size()>;

// lignes : tout l'historique ; les jeux sans niveau ne comptent pour aucun
MesuresJoueur MesurerJoueur(const std::vector<LigneHistorique>& lignes);
const MesureJoueur& MesureAuNiveau(const MesuresJoueur& mesures, NiveauJeu niveau);

// « Moins de 10 jeux de niveau Moyen dans l'historique (3) : l'ordinateur joue « Amateur ». »
std::string TexteMesureInsuffisante(const MesureJoueur& mesure);

// « À ma mesure » sur un jeu de ce niveau, la mesure suffisante : il trouve le compte avec la part des comptes
// trouvés du joueur, vers son temps médian (de 0,75 à 1,25 fois ce temps ; au-delà de la limite, il ne l'a pas
// trouvé à temps) ; sinon il annonce à la limite la valeur la plus proche du compte sans être le compte
AnnonceOrdinateur JouerAMaMesure(const SixEntiers& plaques, int32_t but, const MesureJoueur& mesure, int32_t limiteMs);
