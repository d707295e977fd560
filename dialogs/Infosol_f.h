// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DonneesRecherche.h"
#include "FenetreAuBouton.h"

#include <memory>

class QLabel;

namespace Ui {
class TfrmInfoSolutions;
}

// ce qu'a trouvé la dernière recherche, et où s'y range le calcul du joueur
class TfrmInfoSolutions : public FenetreAuBouton {
    Q_OBJECT
public:
    TfrmInfoSolutions(const DonneesRecherche& donnees, std::function<bool()> boutonEnfonce, QWidget* parent = nullptr);
    ~TfrmInfoSolutions() override;

    // le texte de la barre d'état
    QString TexteStatut() const;
    // tout relu de la dernière recherche : la méthode suit la solution montrée
    void Actualiser();

protected:
    void FormShow() override;

private:
    std::unique_ptr<Ui::TfrmInfoSolutions> ui;
    const DonneesRecherche& d_;
    QLabel* statut_ = nullptr;
};
