// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QToolButton;
class QWidget;

// un bouton de barre d'outils : glyphe de 16 × 16 avec son état inactif, bulle d'aide (aussi son nom pour le
// lecteur d'écran), sans focus clavier : ses commandes sont aussi dans les menus
QToolButton* BoutonOutil(QWidget* parent, const char* nom, const QString& glyphe, const QString& bulle, int largeur);
