// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoitePeinture.h"

#include <QPainter>

void BoitePeinture::paintEvent(QPaintEvent*)
{
    if (!Peindre)
        return;
    QPainter peintre(this);
    Peindre(peintre);
}
