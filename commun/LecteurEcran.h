// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <string>

class QWidget;

// un dessin lu comme un texte par le lecteur d'écran : une étiquette, au lieu d'un vide sans nom, que Tab
// atteint ; à appeler avant que le lecteur d'écran ne l'ait vu (à la création de la fenêtre)
void RendreLisible(QWidget& dessin);
// le texte lu d'un objet ; s'il change, le lecteur d'écran est prévenu (changement de nom)
void PoserLecture(QWidget& objet, const std::string& texte);
// le nom d'un tableau ou d'un graphique, et ce qu'il montre
void NommerPourLecteur(QWidget& objet, const QString& nom, const QString& description = {});

// une fenêtre de valeurs lue rangée par rangée : chaque étiquette d'une rangée (à la même hauteur) porte
// toute la rangée, « Points : 7/100 », ou « Comptes recherchés : ordinateur 3, joueur 2 » quand la rangée a
// une valeur par colonne (colonnes : leurs noms, de gauche à droite) ; le lecteur d'écran la dit une fois.
// Parcourue, Tab va de rangée en rangée (Orca ne lit pas, à l'ouverture, les étiquettes d'un cadre
// titré). À appeler une fois les textes posés
void LireParRangees(QWidget& fenetre, const QStringList& colonnes, bool parcourue = false);

// Orca ne dit aucun changement de nom ; il dit l'objet qui prend le focus. Pour faire entendre un changement,
// le focus quitte l'objet pour un relais muet de la fenêtre, puis lui revient quand Orca a lu le relais ; une
// touche frappée entre-temps rend aussitôt le focus à l'objet et lui parvient : le joueur ne perd jamais sa
// place. Sans lecteur d'écran à l'écoute, rien ne bouge

// le temps qu'Orca lise ce qui vient de changer (des événements en nombre, une fenêtre qui revient)
inline constexpr int DelaiLecteurMs = 300;
// l'objet a le focus de sa fenêtre, ou le relais le garde pour lui : c'est la place du joueur
bool EstLaPlace(const QWidget& objet);
// le lecteur d'écran relit l'objet tel qu'il se lit maintenant ; rien si l'objet n'a pas le focus de sa
// fenêtre active
void FaireRelire(QWidget& objet);
// le lecteur d'écran dit message après l'objet qui a le focus de la fenêtre active (qu'il relit) ; le
// message est la description de l'objet jusqu'à ce que le focus aille ailleurs
void Dire(QWidget& fenetre, const QString& message);
