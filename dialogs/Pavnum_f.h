// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PropositionJeu.h"

#include <QDialog>

#include <array>
#include <functional>
#include <memory>

class QPushButton;

namespace Ui {
class TfrmPaveNumerique;
}

// ce que le pavé écrit directement dans la fenêtre principale, et ce qu'il lui demande
struct LienJeuPropose {
    SixEntiers& Plaques;
    std::array<bool, 6>& PlaqueCachee;
    int32_t& But;
    std::function<void()> RepeindreBande;
    std::function<void()> RepeindreBut;
    std::function<void()> ActiverSolutions;  // le compte est complet : le jeu peut être résolu
};

// le pavé numérique d'un compte proposé ; les règles sont celles de PropositionJeu
class TfrmPaveNumerique : public QDialog {
    Q_OBJECT
public:
    TfrmPaveNumerique(LienJeuPropose lien, QWidget* parent = nullptr);
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
    void creerBoutons();
    void FormShow();
    bool FormKeyPress(QChar caractere);
    void Appliquer(const EffetPave& effet);
    void MajBoutonsPave();

    std::unique_ptr<Ui::TfrmPaveNumerique> ui;
    LienJeuPropose lien_;
    PropositionJeu proposition_;
    std::array<QPushButton*, 15> boutons_{};
};
