// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JeuFini.h"
#include "Match.h"
#include "Serie.h"
#include "TextePartage.h"

#include <cstdint>
#include <optional>
#include <vector>

// ce qu'il faut à une série qui commence : son numéro dans l'historique (rien s'il n'a pas pu l'écrire) et la
// meilleure série finie de son niveau
struct DebutSerie {
    std::optional<int64_t> Numero;
    std::optional<BilanSerie> Record;
};

// ce que la séance garde et relit d'un jeu à l'autre (les statistiques et l'historique) : le programme à
// fenêtres y met ses fichiers et ses boîtes, un essai sa mémoire
class DepotJeux {
public:
    virtual ~DepotJeux() = default;

    // le jeu fini, et la série dont il fait partie (son bilan compte ce jeu) ; rend l'origine écrite
    virtual OrigineJeu EnregistrerJeu(const JeuFini& jeu, const Serie* serie) = 0;
    // les jeux du jour enregistrés, dans l'ordre d'enregistrement
    virtual std::vector<ResultatJour> JeuxDuJour() = 0;
    // une série de ce niveau commence : gardée aussitôt, non finie
    virtual DebutSerie CommencerSerie(NiveauSerie niveau) = 0;
    // un match commence : gardé aussitôt, non fini ; son numéro dans l'historique (rien s'il n'a pas pu l'écrire)
    virtual std::optional<int64_t> CommencerMatch(const BilanMatch& bilan) = 0;
    // son bilan après un tirage
    virtual void GarderMatch(int64_t numero, const BilanMatch& bilan) = 0;
    // tous les jeux enregistrés, les plus anciens d'abord (« À ma mesure » y mesure le joueur)
    virtual std::vector<LigneHistorique> Jeux() = 0;
};
