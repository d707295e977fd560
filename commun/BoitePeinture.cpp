#include "BoitePeinture.h"

#include <QPainter>

void BoitePeinture::paintEvent(QPaintEvent*)
{
    if (!Peindre)
        return;
    QPainter peintre(this);
    Peindre(peintre);
}
