// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Serie.h"
#include "TirageDeNiveau.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// le choix d'une série, dans l'ordre du menu : tirages ordinaires, puis les niveaux qu'on peut tirer ; le
// menu et la ligne de commande en dérivent
struct ChoixSerie {
    NiveauSerie Niveau;
    const char* Rubrique;
};
inline constexpr const char* TitreMenuSerie = "&Série de 10 jeux";
inline constexpr std::array<ChoixSerie, 1 + NiveauxATirer.size()> ChoixSeries = [] {
    std::array<ChoixSerie, 1 + NiveauxATirer.size()> choix{{{std::nullopt, "Tirages &ordinaires"}}};
    for (size_t k = 0; k < NiveauxATirer.size(); ++k)
        choix[k + 1] = {NiveauxATirer[k].Niveau, NiveauxATirer[k].Rubrique};
    return choix;
}();

// « Tirages ordinaires », « Facile », …
std::string NomNiveauSerie(NiveauSerie niveau);

// ce que le menu dit du temps de chaque jeu d'une série, d'après le temps limite choisi :
// « 45 s par jeu (sans limite choisie) », « 30 s par jeu »
std::string TexteTempsSerie(int tempsLimiteChoisi);

// « varnel --serie [NIVEAU] » : la série demandée au lancement, ou le message d'erreur
struct DemandeSerie {
    NiveauSerie Niveau;
    std::string Erreur;  // vide : la demande est bonne

    bool Valide() const { return Erreur.empty(); }
};
inline constexpr const char* OptionSerie = "--serie";
inline constexpr const char* SyntaxeSerie = "Syntaxe : varnel --serie [Facile|Moyen|Difficile|Expert]";

// rien quand le premier argument n'est pas --serie ; le niveau s'écrit sans égard aux majuscules
std::optional<DemandeSerie> LireDemandeSerie(const std::vector<std::string>& arguments);
