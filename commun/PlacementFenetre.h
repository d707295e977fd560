#pragma once

#include <QPoint>

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
