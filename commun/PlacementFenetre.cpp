#include "PlacementFenetre.h"

#include <QWidget>

void PlacerParRapportAuParent(QWidget& fenetre, QPoint decalage)
{
    const QWidget* parent = fenetre.parentWidget();
    if (!parent)
        return;
    // pos() d'une fenêtre est le coin de son cadre ; move() d'une fenêtre pas encore créée garde cette
    // convention jusqu'à la plateforme, move() d'une fenêtre au cadre connu la convertit elle-même
    const QPoint coin = parent->window()->pos() + decalage;
    if (!fenetre.testAttribute(Qt::WA_WState_Created) || fenetre.pos() != coin)
        fenetre.move(coin);
}

void PlacerADroiteDuParent(QWidget& fenetre) { PlacerParRapportAuParent(fenetre, ADroiteDuParent); }
