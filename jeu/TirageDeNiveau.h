// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Niveau.h"
#include "TirageAuSort.h"

#include <array>
#include <functional>
#include <string>

// les niveaux qu'on peut demander au tirage, dans l'ordre du menu, avec le texte de leur rubrique
struct ChoixNiveau {
    NiveauJeu Niveau;
    const char* Rubrique;
};
inline constexpr const char* TitreMenuTirageDeNiveau = "Tiré au sort de &niveau";
inline constexpr std::array<ChoixNiveau, 4> NiveauxATirer{{
    {NiveauJeu::Facile, "&Facile"},
    {NiveauJeu::Moyen, "&Moyen"},
    {NiveauJeu::Difficile, "&Difficile"},
    {NiveauJeu::Expert, "&Expert"},
}};

// au plus tant de jeux essayés pour trouver le niveau demandé
inline constexpr int EssaisTirageDeNiveau = 5000;

// le jeu qu'a donné la recherche d'un niveau
struct TirageDeNiveau {
    NiveauJeu Voulu = NiveauJeu::Facile;
    JeuTire Jeu;
    MesureNiveau Mesure;  // celle du jeu rendu (NbSolutions compté jusqu'à SolutionsSansRarete)
    int Essais = 0;       // jeux essayés

    bool Atteint() const { return Mesure.Niveau == Voulu; }
};

// chaque appel donne le jeu suivant à essayer
using SourceJeux = std::function<JeuTire()>;

// essaie les jeux de la source, chacun mesuré, jusqu'au premier du niveau voulu, au plus essaisMax ;
// sinon le plus proche en niveau (le premier trouvé à égalité ; un jeu impossible ne passe qu'à défaut
// de tout autre). jeuPossibleExige : au-delà de essaisMax, on continue tant qu'aucun jeu possible n'est venu
TirageDeNiveau ChercherJeuDeNiveau(NiveauJeu voulu, const SourceJeux& source, int essaisMax = EssaisTirageDeNiveau,
                                  bool jeuPossibleExige = false);

// ce que la barre d'état dit du tirage : « Jeu Expert. », ou « 5000 essais sans Expert : jeu Difficile. »
std::string TexteTirageDeNiveau(const TirageDeNiveau& tirage);
