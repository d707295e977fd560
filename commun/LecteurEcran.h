// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <string>

class QWidget;

// un dessin lu comme un texte par le lecteur d'écran : une étiquette, au lieu d'un vide sans nom, que Tab
// atteint ; à appeler avant que le lecteur d'écran ne l'ait vu (à la création de la fenêtre)
void RendreLisible(QWidget& dessin);
// le texte lu d'un objet ; s'il change, le lecteur d'écran est prévenu (changement de nom)
void PoserLecture(QWidget& objet, const std::string& texte);
// le nom d'un tableau ou d'un graphique, et ce qu'il montre
void NommerPourLecteur(QWidget& objet, const QString& nom, const QString& description = {});
