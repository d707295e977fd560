// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

// une fenêtre secondaire s'ouvre 325 pixels à droite de la fenêtre principale, à la même hauteur,
// pour ne cacher ni les plaques ni la solution
void PlacerADroiteDuParent(QWidget& fenetre);
