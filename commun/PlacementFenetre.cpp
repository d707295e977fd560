// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlacementFenetre.h"

#include <QWidget>

void PlacerADroiteDuParent(QWidget& fenetre)
{
    if (const QWidget* parent = fenetre.parentWidget())
        fenetre.move(parent->pos() + QPoint(325, 0));
}
