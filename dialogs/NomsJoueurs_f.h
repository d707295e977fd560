// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FichierIni.h"

#include <QDialog>

#include <array>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;

// « Match à deux joueurs » : les noms des deux joueurs, dans l'ordre des annonces, repris du dernier match à
// deux (varnel.ini) ; un nom laissé vide devient « Joueur 1 » ou « Joueur 2 »
class TfrmNomsJoueurs : public QDialog {
    Q_OBJECT
public:
    TfrmNomsJoueurs(const std::array<QString, 2>& noms, QWidget* parent = nullptr);

    // ce qui est tapé, sans blancs en trop ; et les noms que le match donnera aux joueurs
    std::array<QString, 2> NomsTapes() const;
    std::array<QString, 2> Noms() const;
    void ButtonCommencerClick();

private:
    std::array<QLineEdit*, 2> EditNom{};
    QLabel* LabelErreur = nullptr;
};

// les noms demandés, gardés dans varnel.ini ([Options], NomJoueur1 et NomJoueur2 ; un échec est dit dans la
// boîte « Option non enregistrée », le match se joue quand même) ; rien quand le joueur renonce
std::optional<std::array<std::string, 2>> DemanderNomsJoueurs(TFichierIni& fichier, QWidget* parent);
