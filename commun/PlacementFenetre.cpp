// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlacementFenetre.h"

#include <QWidget>

#include <algorithm>

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

QRect CadreACote(const QRect& cadreParent, QSize tailleVoulue, const QMargins& bords, const QRect& zoneLibre)
{
    const int largeur = std::min(tailleVoulue.width() + bords.left() + bords.right(), zoneLibre.width());
    const int hauteur = std::min(tailleVoulue.height() + bords.top() + bords.bottom(), zoneLibre.height());
    const int finLibre = zoneLibre.x() + zoneLibre.width();
    int gauche = cadreParent.x() + cadreParent.width();
    if (gauche + largeur > finLibre)
        gauche = finLibre - largeur;
    gauche = std::max(gauche, zoneLibre.x());
    const int haut = std::clamp(cadreParent.y(), zoneLibre.y(), zoneLibre.y() + zoneLibre.height() - hauteur);
    return {gauche, haut, largeur, hauteur};
}

QRect CadreDansLaZone(const QRect& cadre, const QRect& zoneLibre)
{
    const int largeur = std::min(cadre.width(), zoneLibre.width());
    const int hauteur = std::min(cadre.height(), zoneLibre.height());
    const int gauche = std::clamp(cadre.x(), zoneLibre.x(), zoneLibre.x() + zoneLibre.width() - largeur);
    const int haut = std::clamp(cadre.y(), zoneLibre.y(), zoneLibre.y() + zoneLibre.height() - hauteur);
    return {gauche, haut, largeur, hauteur};
}

QMargins BordsDuCadre(const QWidget& fenetre)
{
    const QRect cadre = fenetre.frameGeometry(), client = fenetre.geometry();
    return {client.left() - cadre.left(), client.top() - cadre.top(), cadre.right() - client.right(),
            cadre.bottom() - client.bottom()};
}
