#pragma once

#include "DonneesRecherche.h"

#include <QDialog>

#include <array>
#include <functional>
#include <memory>

class QPushButton;

namespace Ui {
class TfrmSaisieCalcul;
}

// la saisie du calcul du joueur, chronométrée, tenue dans le modèle du moteur pour la comparaison
class TfrmSaisieCalcul : public QDialog {
    Q_OBJECT
public:
    // repeindre : la fenêtre principale, qui montre le calcul qui grandit
    TfrmSaisieCalcul(DonneesRecherche& donnees, std::function<void()> repeindre, QWidget* parent = nullptr);
    ~TfrmSaisieCalcul() override;

    // état de la saisie ; indice de bouton 0 à 5 = BitBtn1 à BitBtn6
    std::array<int32_t, 6> ValeurBouton{};
    std::array<bool, 6> BoutonResultat{};
    std::array<bool, 6> Pris{};
    uint8_t Etape = 0;        // 0 premier nombre, 1 signe, 2 second nombre
    uint8_t Operateur = 255;  // 0 « + », 1 « - », 2 « * », 3 « / », 255 aucun
    int32_t IndicePremier = -1, IndiceSecond = -1;
    int32_t ValeurPremier = 0, ValeurSecond = 0;
    std::array<int32_t, 6> NoeudBouton{};

    void BitBtnNombreClick(int indice);
    void BitBtnSigneClick(int operateur);
    void ButtonEffacerClick();
    void ButtonOkClick();
    void ButtonAnnulerClick();

    QPushButton* BoutonNombre(int indice) const { return nombres_[static_cast<size_t>(indice)]; }
    QPushButton* BoutonSigne(int operateur) const { return signes_[static_cast<size_t>(operateur)]; }

protected:
    void showEvent(QShowEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

private:
    void FormShow();
    bool FormKeyPress(QChar caractere);
    void Recommencer();
    void RafraichirBoutons();
    void EtapeSuivante();
    void AjouterAuTexte(const std::string& morceau);
    void Terminer(int resultat);

    std::unique_ptr<Ui::TfrmSaisieCalcul> ui;
    DonneesRecherche& d_;
    std::function<void()> repeindre_;
    std::array<QPushButton*, 6> nombres_{};
    std::array<QPushButton*, 4> signes_{};
    bool resultatPose_ = false;
};

// la saisie ouverte
extern TfrmSaisieCalcul* frmSaisieCalcul;
