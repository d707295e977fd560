// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DonneesRecherche.h"
#include "LimiteTemps.h"
#include "SaisieCalcul.h"

#include <QDialog>

#include <array>
#include <functional>
#include <memory>

class LigneCalculTape;
class QAction;
class QPushButton;

namespace Ui {
class TfrmSaisieCalcul;
}

// la saisie du calcul du joueur, chronométrée ; les règles sont celles de SaisieCalcul
class TfrmSaisieCalcul : public QDialog {
    Q_OBJECT
public:
    // repeindre : la fenêtre principale, qui montre le calcul qui grandit
    TfrmSaisieCalcul(DonneesRecherche& donnees, std::function<void()> repeindre, QWidget* parent = nullptr);
    ~TfrmSaisieCalcul() override;

    void BitBtnNombreClick(int indice);
    void BitBtnSigneClick(int operateur);
    void ButtonEffacerClick();
    void ButtonOkClick();
    void ButtonAnnulerClick();
    // Ctrl+Z, ou « Défaire le dernier pas » du menu contextuel
    void DefairePas();
    // Entrée dans la ligne « Calcul tapé » : ses opérations jouées comme autant de clics
    void JouerCalculTape();
    // le temps limite est atteint : la saisie se ferme d'elle-même, avec un signal sonore, comme par sa
    // case de fermeture ; une boîte encore ouverte sur elle se ferme avec elle
    void FermerAuTempsEcoule();
    // le temps limite du jeu, que la touche du temps dit ; sans lui, le temps passé depuis le début
    void DonnerLimite(const LimiteTemps& limite) { limite_ = &limite; }
    // ce que disent au lecteur d'écran la touche C (le compte, le temps et le calcul), la touche T (le
    // temps) et l'avertissement avant la fin du temps limite
    QString LectureEtat() const;
    QString LectureDuTemps() const;
    void AvertirDuTemps();
    // une ligne de plus sous les boutons, qui dit au joueur ce que la saisie attend de lui (« Alice prouve son
    // annonce : 952 »)
    void AjouterConsigne(const QString& texte);

    const SaisieCalcul& Modele() const { return saisie_; }
    QPushButton* BoutonNombre(int indice) const { return nombres_[static_cast<size_t>(indice)]; }
    QPushButton* BoutonSigne(int operateur) const { return signes_[static_cast<size_t>(operateur)]; }
    LigneCalculTape* LigneTapee() const { return ligneTapee_; }

protected:
    void showEvent(QShowEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void CreerBoutonsNombres();
    void CreerBoutonsSignes();
    void CreerBoutonsCommandes();
    void CreerCommandesDefaireEtTaper();
    void CreerLigneCalculTape();
    // sous la disposition d'origine, la fenêtre grandit vers le bas de la hauteur du contrôle
    void AjouterEnBas(QWidget& controle);
    void RelireCalculTape();
    // les lignes sous la disposition d'origine, et la fenêtre qui grandit vers le bas pour elles
    void CreerLignes();
    void FormShow();
    bool FormKeyPress(QChar caractere);
    void Recommencer();
    void Afficher();
    QPushButton* BoutonDeLEtape() const;
    void Terminer(int resultat);

    std::unique_ptr<Ui::TfrmSaisieCalcul> ui;
    const DonneesRecherche& donnees_;
    SaisieCalcul saisie_;
    const LimiteTemps* limite_ = nullptr;
    // l'opération qui a donné le résultat de chaque bouton, dite avec lui ; le bouton qui vient d'en recevoir un
    std::array<QString, 6> operations_{};
    int dernierResultat_ = -1;
    std::function<void()> repeindre_;
    std::array<QPushButton*, 6> nombres_{};
    std::array<QPushButton*, 4> signes_{};
    bool resultatPose_ = false;
    QAction* actionDefaire_ = nullptr;
    LigneCalculTape* ligneTapee_ = nullptr;
    int bas_ = 0;  // le bas de ce qui est posé
};
