// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include <functional>

class QPainter;

// surface de dessin dont la peinture est confiée à la fenêtre qui la possède
class BoitePeinture : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    std::function<void(QPainter&)> Peindre;

protected:
    void paintEvent(QPaintEvent* evenement) override;
};
