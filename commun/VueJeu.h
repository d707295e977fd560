// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Partie.h"

class BoitePeinture;
class QPainter;
class QWidget;

// ce que la fenêtre principale peint de la partie : l'afficheur du compte, le bandeau des plaques et la
// solution montrée ; les cases des plaques se placent d'après la largeur extérieure de la fenêtre. Les trois
// se lisent aussi au lecteur d'écran
class VueJeu {
public:
    // les trois surfaces deviennent celles de la vue, qui les peint
    VueJeu(const Partie& partie, const QWidget& fenetre, BoitePeinture& zoneClient, BoitePeinture& compte,
           BoitePeinture& bande);

    // la largeur du cadre quand le gestionnaire de fenêtres en donne un, sinon celle de la zone cliente
    int LargeurExterieure() const;
    // six plaques de 32 pixels et sept écarts égaux
    int GaucheCase(int i) const;
    // le bandeau à la largeur de la fenêtre, l'afficheur du compte centré ; rien si la largeur n'a pas changé
    void AjusterALaLargeur();

    void PaintBoxButPaint(QPainter& peintre) const;
    void PaintBoxBandePlaquesPaint(QPainter& peintre) const;
    void FormPaint(QPainter& peintre);
    // repeint ce qui a changé, puis ce que le lecteur d'écran en lit : un repeint ne va jamais sans sa lecture
    void Repeindre(bool plaques, bool compte);
    void RepeindreTout();  // la zone cliente, qui contient le bandeau et le compte

private:
    // ce que le lecteur d'écran lit du compte, des plaques et de la solution
    void MajLectures();

    const Partie& partie_;
    const QWidget& fenetre_;
    BoitePeinture& zoneClient_;
    BoitePeinture& compte_;
    BoitePeinture& bande_;
    // la zone de la solution, peinte par la zone cliente : un objet transparent qui porte sa lecture
    QWidget* zoneSolution_ = nullptr;
    bool peintureEnCours_ = false;
    int largeurAjustee_ = -1;
};
