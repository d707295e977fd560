#pragma once

#include "Plaques.h"

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

// le pavé numérique d'un compte proposé : six plaques dans les limites de la réserve, puis trois chiffres
class TfrmPaveNumerique : public QDialog {
    Q_OBJECT
public:
    TfrmPaveNumerique(LienJeuPropose lien, QWidget* parent = nullptr);
    ~TfrmPaveNumerique() override;

    int NbPlaquesSaisies = 0;
    int NbChiffresSaisis = 0;
    std::array<int, 15> UtilisationsBouton{};  // par étiquette 1 à 14

    void Button1Click(int etiquette);
    void Button25Click(int etiquette);
    void ButtonRetourClick();
    void MajBoutonsPave();
    // le bouton d'une étiquette : 0 pour Button0, 1 à 10, puis 11 à 14 pour 25 à 100
    QPushButton* Bouton(int etiquette) const { return boutons_[static_cast<size_t>(etiquette)]; }

protected:
    void showEvent(QShowEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    void FormShow();
    bool FormKeyPress(QChar caractere);
    static int EtiquetteDeValeur(int32_t valeur);

    std::unique_ptr<Ui::TfrmPaveNumerique> ui;
    LienJeuPropose lien_;
    std::array<QPushButton*, 15> boutons_{};
};

// le pavé ouvert
extern TfrmPaveNumerique* frmPaveNumerique;
