// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ForceAdversaire.h"
#include "Niveau.h"
#include "Plaques.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// les jeux qu'on peut demander à la séance, par les menus ou la ligne de commande
enum class SorteDemandee : uint8_t {
    Tirage,          // « Tiré au sort » : le jeu suivant d'une série qui l'attend, sinon un tirage ordinaire
    TirageAvec,      // « Tiré au sort avec » NbGrandes grandes plaques
    TirageDeNiveau,  // « Tiré au sort de niveau » Niveau
    Propose,         // « Proposé », au pavé
    Rejoue,          // Plaques et But, repris de l'historique comme un compte proposé
    LigneCommande,   // Plaques et But, résolus aussitôt, jamais enregistrés
    Serie,           // « Série de 10 jeux » de Niveau (rien : tirages ordinaires)
    JeuSuivant,      // de la série en cours
    Jour,            // « Jeu du jour »
    Match,           // un match contre l'ordinateur de force Force, ou sans force à deux, les Noms dans l'ordre
};

struct DemandeJeu {
    SorteDemandee Sorte = SorteDemandee::Tirage;
    std::optional<int> NbGrandes;
    std::optional<NiveauJeu> Niveau;
    SixEntiers Plaques{};
    int32_t But = 0;
    std::optional<ForceAdversaire> Force;
    std::array<std::string, 2> Noms;

    explicit DemandeJeu(SorteDemandee sorte = SorteDemandee::Tirage) : Sorte(sorte) {}
    DemandeJeu(SorteDemandee sorte, std::optional<NiveauJeu> niveau) : Sorte(sorte), Niveau(niveau) {}
    DemandeJeu(SorteDemandee sorte, const SixEntiers& plaques, int32_t but) : Sorte(sorte), Plaques(plaques), But(but) {}
    static DemandeJeu TirageAvec(int nbGrandes)
    {
        DemandeJeu demande(SorteDemandee::TirageAvec);
        demande.NbGrandes = nbGrandes;
        return demande;
    }
    static DemandeJeu MatchContre(ForceAdversaire force)
    {
        DemandeJeu demande(SorteDemandee::Match);
        demande.Force = force;
        return demande;
    }
    static DemandeJeu MatchADeux(std::array<std::string, 2> noms)
    {
        DemandeJeu demande(SorteDemandee::Match);
        demande.Noms = std::move(noms);
        return demande;
    }
};
