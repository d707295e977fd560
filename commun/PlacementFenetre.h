// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// une fenêtre secondaire s'ouvre 325 pixels à droite de la fenêtre principale, à la même hauteur,
// pour ne cacher ni les plaques ni la solution ; la règle vaut pour les cadres extérieurs, barres de
// titre comprises, sur un bureau qui les dessine comme hors de tout gestionnaire de fenêtres
inline constexpr QPoint ADroiteDuParent(325, 0);

// place le cadre de la fenêtre au cadre de son parent décalé de decalage. Appelée avant le premier
// affichage (dans le constructeur), elle dit à la plateforme que la position est celle du cadre : le
// gestionnaire de fenêtres pose alors le cadre, et non la zone cliente, à cet endroit
void PlacerParRapportAuParent(QWidget& fenetre, QPoint decalage);
void PlacerADroiteDuParent(QWidget& fenetre);

// le cadre d'une fenêtre de lecture (l'aide) : à droite du cadre de la fenêtre principale quand l'écran le
// permet, sinon contre le bord droit de la zone libre ; à la hauteur de la fenêtre principale autant que
// possible ; jamais plus grand que la zone libre, toujours entier dedans (sa barre de titre reste à portée).
// tailleVoulue : la zone cliente souhaitée ; bords : l'épaisseur du cadre autour d'elle
QRect CadreACote(const QRect& cadreParent, QSize tailleVoulue, const QMargins& bords, const QRect& zoneLibre);

// un cadre ramené dans la zone libre : réduit à sa taille s'il la dépasse, puis déplacé juste assez pour y
// tenir en entier
QRect CadreDansLaZone(const QRect& cadre, const QRect& zoneLibre);

// l'épaisseur du cadre que le gestionnaire de fenêtres donne à cette fenêtre (nulle sans cadre connu)
QMargins BordsDuCadre(const QWidget& fenetre);
