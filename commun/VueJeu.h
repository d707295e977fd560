// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PasAPas.h"
#include "Partie.h"

#include <optional>

class BoitePeinture;
class QLabel;
class QPainter;
class QShortcut;
class QWidget;

// ce que la fenêtre principale peint de la partie : l'afficheur du compte, le bandeau des plaques et la
// solution montrée, avec sa méthode sur une ligne à part (LabelMethode) sous les figures ; les cases des
// plaques se placent d'après la largeur extérieure de la fenêtre. Les trois dessins se lisent aussi au lecteur
// d'écran. Pendant le pas à pas, le bandeau et les figures montrent le pas ; → (ou Espace) avance, ← recule,
// Échap finit, et tout changement de la partie le finit aussi
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

    // le pas à pas de la solution montrée, depuis son début ; faux sans solution montrée (jeu non résolu)
    bool CommencerPasAPas();
    void TerminerPasAPas();
    const std::optional<PasAPas>& PasAPasEnCours() const { return pasAPas_; }
    const QLabel& LigneMethode() const { return *LabelMethode; }

private:
    // ce que le lecteur d'écran lit du compte, des plaques et de la solution, et la ligne de la méthode
    void MajLectures();
    void CreerPasAPas();
    // un pas en avant ou en arrière ; le lecteur d'écran le dit
    void Parcourir(bool enAvant);
    // la partie a changé depuis le début du pas à pas (jeu, recherche ou solution montrée) : il finit
    void SuivrePartie();

    const Partie& partie_;
    const QWidget& fenetre_;
    BoitePeinture& zoneClient_;
    BoitePeinture& compte_;
    BoitePeinture& bande_;
    // la zone de la solution, peinte par la zone cliente : un objet transparent qui porte sa lecture
    QWidget* zoneSolution_ = nullptr;
    QLabel* LabelMethode = nullptr;
    bool peintureEnCours_ = false;
    int largeurAjustee_ = -1;

    std::optional<PasAPas> pasAPas_;
    // ce que montrait la partie au début du pas à pas : le texte de la solution, sa place, le compte
    std::string texteParcouru_;
    int32_t solutionParcourue_ = -1;
    int32_t butParcouru_ = 0;
    std::array<QShortcut*, 5> touchesPasAPas_{};
};
