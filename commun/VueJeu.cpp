// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "VueJeu.h"

#include "BoitePeinture.h"
#include "DessinJeu.h"
#include "LecteurEcran.h"
#include "LectureJeu.h"

#include <QPainter>

#include <algorithm>

VueJeu::VueJeu(const Partie& partie, const QWidget& fenetre, BoitePeinture& zoneClient, BoitePeinture& compte,
               BoitePeinture& bande)
    : partie_(partie), fenetre_(fenetre), zoneClient_(zoneClient), compte_(compte), bande_(bande)
{
    zoneClient_.Peindre = [this](QPainter& p) { FormPaint(p); };
    compte_.Peindre = [this](QPainter& p) { PaintBoxButPaint(p); };
    bande_.Peindre = [this](QPainter& p) { PaintBoxBandePlaquesPaint(p); };
    // transparente : la zone cliente peint la solution, elle ne peint que son cadre de focus
    zoneSolution_ = new BoitePeinture(&zoneClient_);
    zoneSolution_->setObjectName(QStringLiteral("ZoneSolution"));
    zoneSolution_->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (QWidget* dessin : {static_cast<QWidget*>(&compte_), static_cast<QWidget*>(&bande_), zoneSolution_})
        RendreLisible(*dessin);
    QWidget::setTabOrder(&compte_, &bande_);
    QWidget::setTabOrder(&bande_, zoneSolution_);
    // la solution a le focus à l'ouverture : c'est elle qui change le plus, et le lecteur d'écran le dit
    zoneSolution_->setFocus();
    MajLectures();
}

int VueJeu::LargeurExterieure() const
{
    return std::max(fenetre_.frameGeometry().width(), fenetre_.width());
}

int VueJeu::GaucheCase(int i) const
{
    const int ecart = (LargeurExterieure() - 192) / 7;
    return ecart + i * (ecart + 32);
}

void VueJeu::AjusterALaLargeur()
{
    const int largeur = LargeurExterieure();
    if (largeur == largeurAjustee_)
        return;
    largeurAjustee_ = largeur;
    bande_.setGeometry(0, 72, largeur, 34);
    compte_.move((largeur - 48) / 2 - 2, 35);
    // des croix sous le bandeau (jusqu'à y = 132) à la barre d'état (y = 331) : son cadre de focus ne
    // touche ni les croix ni les figures
    zoneSolution_->setGeometry(0, 134, zoneClient_.width(), 197);
    zoneClient_.update();
}

void VueJeu::PaintBoxButPaint(QPainter& peintre) const { DessinerCompte(peintre, partie_.But()); }

void VueJeu::PaintBoxBandePlaquesPaint(QPainter& peintre) const
{
    DessinerBandePlaques(peintre, bande_.width(), bande_.height(), partie_.Plaques(), partie_.PlaquesCachees(),
                         [this](int i) { return GaucheCase(i); });
}

void VueJeu::FormPaint(QPainter& peintre)
{
    peintre.fillRect(zoneClient_.rect(), Qt::black);
    const TListeSolutions& liste = partie_.Donnees().ListeSolutions;
    const int32_t courante = partie_.SolutionCourante();
    if (liste.Vide() || peintureEnCours_ || courante < 0 || courante >= liste.Nombre())
        return;
    peintureEnCours_ = true;
    const plq_utl* solution = liste.Objet(courante);
    DessinerSolution(peintre, liste.Texte(courante), solution ? solution->MasquePlaques : 0,
                     [this](int i) { return GaucheCase(i); });
    peintureEnCours_ = false;
}

void VueJeu::Repeindre(bool plaques, bool compte)
{
    if (plaques)
        bande_.repaint();
    if (compte)
        compte_.repaint();
    MajLectures();
}

void VueJeu::RepeindreTout()
{
    zoneClient_.repaint();
    MajLectures();
}

void VueJeu::MajLectures()
{
    const LecturesJeu lectures = LireJeu(partie_);
    const std::pair<QWidget*, const std::string*> zones[] = {
        {&compte_, &lectures.Compte}, {&bande_, &lectures.Plaques}, {zoneSolution_, &lectures.Solution}};
    QWidget* focus = fenetre_.focusWidget();
    bool focusChange = false, solutionChange = false, focusSurLaVue = false;
    for (const auto& [zone, lecture] : zones) {
        const bool change = zone->accessibleName() != QString::fromStdString(*lecture);
        PoserLecture(*zone, *lecture);
        focusSurLaVue |= zone == focus;
        focusChange |= change && zone == focus;
        solutionChange |= change && zone == zoneSolution_;
    }
    // pendant le tirage, la saisie qui suit dit le jeu ; sinon le changement se dit là où est le joueur, et
    // une nouvelle solution se dit toujours : le focus passe d'une autre lecture à la sienne
    if (partie_.AnimationEnCours() || !focusSurLaVue || !fenetre_.isActiveWindow())
        return;
    if (focusChange)
        FaireRelire(*focus);
    else if (solutionChange)
        zoneSolution_->setFocus(Qt::OtherFocusReason);
}
