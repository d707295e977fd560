#pragma once

class QWidget;

// une fenêtre secondaire s'ouvre 325 pixels à droite de la fenêtre principale, à la même hauteur,
// pour ne cacher ni les plaques ni la solution
void PlacerADroiteDuParent(QWidget& fenetre);
