// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoutonOutil.h"

#include "ImagesVarnel.h"

#include <QToolButton>

QToolButton* BoutonOutil(QWidget* parent, const char* nom, const QString& glyphe, const QString& bulle, int largeur)
{
    auto* bouton = new QToolButton(parent);
    bouton->setObjectName(QLatin1String(nom));
    bouton->setIcon(IconeOutil(glyphe));
    bouton->setIconSize(QSize(16, 16));
    bouton->setToolTip(bulle);
    // la bulle seule n'est qu'une description : le lecteur d'écran veut un nom
    bouton->setAccessibleName(bulle);
    bouton->setFixedSize(largeur, 24);
    bouton->setAutoRaise(true);
    bouton->setFocusPolicy(Qt::NoFocus);
    return bouton;
}
