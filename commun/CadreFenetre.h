// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

// le cadre d'une fenêtre secondaire de taille fixe : une barre de titre qui garde sa légende et la seule
// case de fermeture ; ni réduction (un gestionnaire de fenêtres réduirait tout le programme avec elle), ni
// agrandissement. Sans aucune case demandée, Qt laisse le gestionnaire de fenêtres les ajouter toutes
inline constexpr Qt::WindowFlags CadreFenetreFixe =
    Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
