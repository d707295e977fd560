// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "VueJeu.h"

#include "BoitePeinture.h"
#include "DessinJeu.h"
#include "LecteurEcran.h"
#include "LectureJeu.h"

#include <QLabel>
#include <QPainter>
#include <QShortcut>

#include <algorithm>

VueJeu::VueJeu(const Partie& partie, const QWidget& fenetre, BoitePeinture& zoneClient, BoitePeinture& compte,
               BoitePeinture& bande)
    : partie_(partie), fenetre_(fenetre), zoneClient_(zoneClient), compte_(compte), bande_(bande)
{
    zoneClient_.Peindre = [this](QPainter& p) { FormPaint(p); };
    compte_.Peindre = [this](QPainter& p) { PaintBoxButPaint(p); };
    bande_.Peindre = [this](QPainter& p) { PaintBoxBandePlaquesPaint(p); };
    zoneSolution_ = new QWidget(&zoneClient_);
    zoneSolution_->setObjectName(QStringLiteral("ZoneSolution"));
    zoneSolution_->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (QWidget* dessin : {static_cast<QWidget*>(&compte_), static_cast<QWidget*>(&bande_), zoneSolution_})
        RendreLisible(*dessin);
    QWidget::setTabOrder(&compte_, &bande_);
    QWidget::setTabOrder(&bande_, zoneSolution_);
    // sous les cinq lignes de figures (y = 308), au-dessus de la barre d'état (y = 331)
    LabelMethode = new QLabel(&zoneClient_);
    LabelMethode->setObjectName(QStringLiteral("LabelMethode"));
    LabelMethode->setGeometry(4, 310, zoneClient_.width() - 8, 18);
    QPalette blanc = LabelMethode->palette();
    blanc.setColor(QPalette::WindowText, Qt::white);
    LabelMethode->setPalette(blanc);
    CreerPasAPas();
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
    // du bas du bandeau (y = 106) à la ligne de la méthode (y = 310)
    zoneSolution_->setGeometry(0, 106, zoneClient_.width(), 204);
    zoneClient_.update();
}

void VueJeu::PaintBoxButPaint(QPainter& peintre) const { DessinerCompte(peintre, partie_.But()); }

void VueJeu::PaintBoxBandePlaquesPaint(QPainter& peintre) const
{
    const auto gaucheCase = [this](int i) { return GaucheCase(i); };
    if (pasAPas_)
        DessinerBandePasAPas(peintre, bande_.width(), bande_.height(), pasAPas_->Etat(), gaucheCase);
    else
        DessinerBandePlaques(peintre, bande_.width(), bande_.height(), partie_.Plaques(), partie_.PlaquesCachees(),
                             gaucheCase);
}

void VueJeu::FormPaint(QPainter& peintre)
{
    peintre.fillRect(zoneClient_.rect(), Qt::black);
    SuivrePartie();
    if (pasAPas_) {
        DessinerLignesPasAPas(peintre, pasAPas_->Etat());
        return;
    }
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
    SuivrePartie();
    const LecturesJeu lectures = LireJeu(partie_);
    PoserLecture(compte_, lectures.Compte);
    if (pasAPas_) {
        // le pas se lit sur le bandeau comme sur les figures : le focus va de l'un à l'autre
        PoserLecture(bande_, pasAPas_->Etat().Lecture);
        PoserLecture(*zoneSolution_, pasAPas_->Etat().Lecture);
        LabelMethode->setText(QStringLiteral("Pas %1 sur %2 : → suivant, ← précédent, Échap pour finir")
                                  .arg(pasAPas_->Position())
                                  .arg(pasAPas_->NbPas()));
        return;
    }
    PoserLecture(bande_, lectures.Plaques);
    PoserLecture(*zoneSolution_, lectures.Solution);
    const std::string methode = TexteMethodeMontree(partie_);
    LabelMethode->setText(methode.empty() ? QString() : QStringLiteral("Méthode : ") + QString::fromStdString(methode));
}

// ----- pas à pas -----

void VueJeu::CreerPasAPas()
{
    const std::pair<int, bool> pas[] = {
        {Qt::Key_Right, true}, {Qt::Key_Space, true}, {Qt::Key_Left, false}, {Qt::Key_Backspace, false}};
    for (size_t i = 0; i < 4; ++i) {
        touchesPasAPas_[i] = new QShortcut(QKeySequence(pas[i].first), &zoneClient_);
        QObject::connect(touchesPasAPas_[i], &QShortcut::activated, touchesPasAPas_[i],
                         [this, enAvant = pas[i].second] { Parcourir(enAvant); });
    }
    touchesPasAPas_[4] = new QShortcut(QKeySequence(Qt::Key_Escape), &zoneClient_);
    QObject::connect(touchesPasAPas_[4], &QShortcut::activated, touchesPasAPas_[4], [this] {
        TerminerPasAPas();
        zoneSolution_->setFocus();
    });
    for (QShortcut* t : touchesPasAPas_)
        t->setEnabled(false);
}

bool VueJeu::CommencerPasAPas()
{
    const DonneesRecherche& d = partie_.Donnees();
    if (partie_.Phase() != PhaseJeu::Resolu)
        return false;
    pasAPas_ = PasAPasDeLaSolution(d);
    if (!pasAPas_)
        return false;
    texteParcouru_ = d.ListeSolutions.Texte(d.SolutionCourante);
    solutionParcourue_ = d.SolutionCourante;
    butParcouru_ = d.But;
    for (QShortcut* t : touchesPasAPas_)
        t->setEnabled(true);
    RepeindreTout();
    bande_.setFocus();
    return true;
}

void VueJeu::TerminerPasAPas()
{
    if (!pasAPas_)
        return;
    pasAPas_.reset();
    for (QShortcut* t : touchesPasAPas_)
        t->setEnabled(false);
    RepeindreTout();
}

void VueJeu::Parcourir(bool enAvant)
{
    SuivrePartie();
    if (!pasAPas_ || !(enAvant ? pasAPas_->Avancer() : pasAPas_->Reculer()))
        return;
    RepeindreTout();
    // un lecteur d'écran ne dit pas le nom changé de l'objet qui a le focus, mais bien l'objet qui le reçoit
    if (bande_.hasFocus())
        zoneSolution_->setFocus();
    else
        bande_.setFocus();
}

void VueJeu::SuivrePartie()
{
    if (!pasAPas_)
        return;
    const DonneesRecherche& d = partie_.Donnees();
    const bool meme = partie_.Phase() == PhaseJeu::Resolu && d.But == butParcouru_ &&
                      d.SolutionCourante == solutionParcourue_ && d.SolutionCourante < d.ListeSolutions.Nombre() &&
                      d.ListeSolutions.Texte(d.SolutionCourante) == texteParcouru_;
    if (meme)
        return;
    pasAPas_.reset();
    for (QShortcut* t : touchesPasAPas_)
        t->setEnabled(false);
}
