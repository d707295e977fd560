// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChoixSerie.h"
#include "LigneCommande.h"

#include <QStringList>

#include <optional>

class QWidget;

// le jeu donné sur la ligne de commande (sans le nom du programme) ; une erreur est dite dans la boîte
// « Erreur dans les paramètres de la ligne de commande », avec la syntaxe, et ne donne rien
std::optional<JeuLigneCommande> LireLigneCommandeOuDire(QWidget* fenetre, const QStringList& arguments);

// « varnel --jour » : la fenêtre s'ouvre droit sur le jeu du jour
inline constexpr const char* OptionJeuDuJour = "--jour";
bool DemandeJeuDuJour(const QStringList& arguments);

// la série demandée par « --serie [NIVEAU] », rien quand la ligne de commande n'en demande pas ; une demande
// incorrecte est dite dans la même boîte, avec la syntaxe de la série, et rendue avec son erreur
std::optional<DemandeSerie> LireDemandeSerieOuDire(QWidget* fenetre, const QStringList& arguments);

// la ligne de commande se lit-elle, sans rien dire : vide, jeu du jour, série ou jeu
bool LigneCommandeValide(const QStringList& arguments);
