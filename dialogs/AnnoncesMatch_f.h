// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BarreEtat.h"
#include "DecompteSaisie.h"
#include "Seance.h"

#include <QDialog>

#include <cstdint>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

// « Annonces du match » : à deux, une fois le tirage posé. D'abord la réflexion, contre la montre du match que
// la barre d'état décompte (« Prêts à annoncer » la finit plus tôt) ; puis chacun à son tour, dans l'ordre des
// noms, tape la valeur qu'il annonce dans un champ masqué pendant que l'autre regarde ailleurs, ou n'annonce
// rien. La fenêtre ne se ferme qu'une fois les deux annonces faites ; ce qui suit vient de la séance
class TfrmAnnoncesMatch : public QDialog {
    Q_OBJECT
public:
    TfrmAnnoncesMatch(Seance& seance, BarreEtat& barre, QWidget* parent = nullptr);

    // ce que la séance a décidé après la dernière annonce
    const ApresJeu& Suite() const { return apres_; }

    void ButtonPretsClick();
    void ButtonAnnoncerClick();
    void ButtonSansAnnonceClick();

protected:
    void showEvent(QShowEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;
    // Échap, comme la case de fermeture : pendant la réflexion, les joueurs sont prêts ; ensuite, rien
    void reject() override;

private:
    void FinirReflexion();
    void MontrerTour();
    void Annoncer(std::optional<int32_t> valeur);

    Seance& seance_;
    BarreEtat& barre_;
    DecompteSaisie decompte_;
    bool commence_ = false;
    bool fini_ = false;
    ApresJeu apres_;
    QLabel* LabelConsigne = nullptr;
    QLabel* LabelReste = nullptr;
    QLineEdit* EditAnnonce = nullptr;
    QLabel* LabelErreur = nullptr;
    QPushButton* ButtonPrets = nullptr;
    QPushButton* ButtonAnnoncer = nullptr;
    QPushButton* ButtonSansAnnonce = nullptr;
};

// les annonces d'un match à deux, dans leur fenêtre modale ; ce qui suit
ApresJeu MenerAnnonces(Seance& seance, BarreEtat& barre, QWidget* parent);
