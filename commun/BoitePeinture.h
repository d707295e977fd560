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
