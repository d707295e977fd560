// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FenetreAuBouton.h"
#include "FichierIni.h"

#include <memory>

class QLabel;

namespace Ui {
class TfrmStatistiques;
}

// les totaux de la machine et du joueur sur tous les jeux enregistrés, lus dans le fichier à l'ouverture
class TfrmStatistiques : public FenetreAuBouton {
    Q_OBJECT
public:
    TfrmStatistiques(TFichierIni& fichier, std::function<bool()> boutonEnfonce, QWidget* parent = nullptr);
    ~TfrmStatistiques() override;

    // le texte de la barre d'état : le fichier lu
    QString TexteStatut() const;

protected:
    void FormShow() override;

private:
    std::unique_ptr<Ui::TfrmStatistiques> ui;
    TFichierIni& fichier_;
    QLabel* statut_ = nullptr;
};
