#include "PlacementFenetre.h"

#include <QWidget>

void PlacerADroiteDuParent(QWidget& fenetre)
{
    if (const QWidget* parent = fenetre.parentWidget())
        fenetre.move(parent->pos() + QPoint(325, 0));
}
