// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PropositionJeu.h"

#include <QDialog>

#include <array>
#include <functional>
#include <memory>

class Partie;
class QPushButton;

namespace Ui {
class TfrmPaveNumerique;
}

// ce que devient la saisie après chaque touche qui la change (le compte complet compris)
using SuiviSaisie = std::function<void(const PropositionJeu&)>;

// le pavé numérique d'un compte proposé ; les règles sont celles de PropositionJeu
class TfrmPaveNumerique : public QDialog {
    Q_OBJECT
public:
    TfrmPaveNumerique(SuiviSaisie suivre, QWidget* parent = nullptr);
    ~TfrmPaveNumerique() override;

    void Button1Click(int etiquette);
    void ButtonRetourClick();
    const PropositionJeu& Modele() const { return proposition_; }
    // le bouton d'une étiquette : 0 pour Button0, 1 à 10, puis 11 à 14 pour 25 à 100
    QPushButton* Bouton(int etiquette) const { return boutons_[static_cast<size_t>(etiquette)]; }

protected:
    void showEvent(QShowEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    void CreerBoutons();
    void FormShow();
    bool FormKeyPress(QChar caractere);
    void Appliquer(const EffetPave& effet);
    void MajBoutonsPave();

    std::unique_ptr<Ui::TfrmPaveNumerique> ui;
    SuiviSaisie suivre_;
    PropositionJeu proposition_;
    std::array<QPushButton*, 15> boutons_{};
};

// le compte proposé d'une partie, au pavé, la proposition commencée : chaque touche passe à la partie et montrer
// suit chaque changement ; vrai quand le compte est complet, sinon la proposition est abandonnée (tout ce qui
// a été saisi disparaît)
bool ProposerJeu(Partie& partie, const std::function<void()>& montrer, QWidget* parent);
