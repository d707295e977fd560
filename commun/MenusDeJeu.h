// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DemandeJeu.h"
#include "Serie.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

class QAction;
class QMenu;
class QMenuBar;
class QObject;

// les rubriques du menu « Compte » faites des tables de jeu/ : le sous-menu « Tiré au sort de niveau » (une
// rubrique par niveau à tirer), le sous-menu « Série de 10 jeux » (une par choix de série, Ctrl+E pour la
// première, puis une ligne grisée qui dit le temps de chaque jeu) et « Jeu suivant de la série » (Entrée)
struct MenusDeJeu {
    QMenu* Niveaux = nullptr;
    QMenu* Series = nullptr;
    QAction* TempsSerie = nullptr;
    QAction* JeuSuivant = nullptr;
    QAction* PasAPas = nullptr;
    QAction* Comment = nullptr;
    QMenu* Match = nullptr;
};

// les niveaux avant la rubrique avantNiveaux, les séries et le jeu suivant avant apresPropose ; chaque rubrique
// appelle tirer ou commencer avec son choix
MenusDeJeu CreerMenusDeJeu(QMenu& compte, QAction* avantNiveaux, QAction* apresPropose,
                           const std::function<void(NiveauJeu)>& tirer, const std::function<void(NiveauSerie)>& commencer);

// « Pas à pas » (F8) et « Comment l'aurais-je trouvé ? » dans le menu Solutions, juste après la rubrique apres ;
// rattachées au proprietaire, dont les rubriques à raccourci agissent aussi depuis la fenêtre de l'historique
void AjouterRubriquesMethodes(MenusDeJeu& menus, QMenu& solutions, QAction* apres, QObject& proprietaire);

// le menu « Match » juste après apres dans la barre : « Contre l'ordinateur › » (une rubrique par force, dans
// l'ordre de la table des forces), puis « À deux joueurs... », qui demande d'abord les noms (rien : le joueur
// renonce) ; chaque rubrique appelle demander avec son match
void AjouterMenuMatch(MenusDeJeu& menus, QMenuBar& barre, QMenu& apres, const std::function<void(const DemandeJeu&)>& demander,
                      const std::function<std::optional<std::array<std::string, 2>>()>& noms);
