// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Historique.h"
#include "Serie.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// les records du joueur, toujours calculés sur ce que garde l'historique, jamais tenus ailleurs

// une série gardée dans l'historique : son numéro, la date de son début (temps universel) et son bilan
struct LigneSerie {
    int64_t Numero = 0;
    std::string DateHeure;
    BilanSerie Bilan;

    bool operator==(const LigneSerie&) const = default;
};

// la meilleure série finie de ce niveau : le plus de points ; à égalité, la plus ancienne, qui l'a établi
std::optional<LigneSerie> MeilleureSerie(const std::vector<LigneSerie>& series, NiveauSerie niveau);

// un jeu compte pour les records quand le joueur n'en connaissait pas les plaques avant la montre : pas un
// compte proposé, ni un jeu rejoué (qui en est un)
bool CompteAuxRecords(const LigneHistorique& l);

// la plus longue suite de comptes trouvés d'affilée, parmi les jeux qui comptent aux records, dans l'ordre
// de l'historique : un jeu manqué ou non joué l'arrête ; la première des plus longues, avec la date de son
// premier et de son dernier jeu
struct SuiteTrouves {
    int Longueur = 0;
    std::string Debut;
    std::string Fin;

    bool operator==(const SuiteTrouves&) const = default;
};
SuiteTrouves PlusLongueSuite(const std::vector<LigneHistorique>& lignes);

// le compte trouvé le plus vite à chaque niveau (par NiveauJeu), parmi les jeux qui comptent aux records
// (temps pris), en un seul passage ; à égalité le plus ancien ; nul quand le niveau n'en a pas. Un jeu gardé
// sans niveau n'est d'aucun niveau
using PlusRapidesParNiveau = std::array<const LigneHistorique*, TousLesNiveaux.size() + 1>;
PlusRapidesParNiveau PlusRapides(const std::vector<LigneHistorique>& lignes);

// une ligne de la partie « Records » de la fenêtre de l'historique ; Jeu : celui qu'on peut rejouer
struct LigneRecord {
    std::string Record;
    std::string Niveau;
    std::string Valeur;
    std::string Date;  // heure locale
    std::optional<LigneHistorique> Jeu;
};
// toutes les lignes, un record par niveau, « - » quand il n'y en a pas encore ; le compte trouvé le plus vite
// porte son jeu. lignes : les plus anciennes d'abord
std::vector<LigneRecord> Records(const std::vector<LigneSerie>& series, const std::vector<LigneHistorique>& lignes);
