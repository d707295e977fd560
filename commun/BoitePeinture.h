// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include <functional>

class QPainter;

// surface de dessin dont la peinture est confiée à la fenêtre qui la possède ; quand elle a le focus d'une
// fenêtre active (elle est alors la place du joueur), un cadre le montre
class BoitePeinture : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    std::function<void(QPainter&)> Peindre;

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void focusInEvent(QFocusEvent* evenement) override;
    void focusOutEvent(QFocusEvent* evenement) override;
    void changeEvent(QEvent* evenement) override;
};
