// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoitePeinture.h"

#include "LecteurEcran.h"

#include <QEvent>
#include <QPainter>

void BoitePeinture::paintEvent(QPaintEvent*)
{
    QPainter peintre(this);
    if (Peindre)
        Peindre(peintre);
    // dans la fenêtre active seulement ; le cadre reste pendant que le lecteur d'écran fait relire la
    // surface : il ne clignote pas
    if (window()->isActiveWindow() && EstLaPlace(*this)) {
        peintre.setPen(QPen(QColor(0xf0, 0xc0, 0x00), 1, Qt::DashLine));
        peintre.setBrush(Qt::NoBrush);
        peintre.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void BoitePeinture::focusInEvent(QFocusEvent* evenement)
{
    QWidget::focusInEvent(evenement);
    update();
}

void BoitePeinture::focusOutEvent(QFocusEvent* evenement)
{
    QWidget::focusOutEvent(evenement);
    update();
}

void BoitePeinture::changeEvent(QEvent* evenement)
{
    QWidget::changeEvent(evenement);
    if (evenement->type() == QEvent::ActivationChange)
        update();
}
