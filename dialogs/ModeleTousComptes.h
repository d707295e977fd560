// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TableTousComptes.h"

#include <QAbstractTableModel>
#include <QBrush>

// le tableau de l'inventaire tel que la grille le montre : la ligne 0 du tableau est l'en-tête de colonnes
// de la vue, les 900 autres (totaux puis comptes) ses lignes ; les textes ne deviennent des QString qu'à
// l'affichage, pour les seules cellules visibles
class ModeleTousComptes : public QAbstractTableModel {
public:
    explicit ModeleTousComptes(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // le tableau entier remplacé ; la ligne choisie dans la vue reste choisie
    void Remplir(GrilleComptes grille);
    const GrilleComptes& Grille() const { return grille_; }
    // texte de la cellule (colonne, ligne) comptée comme dans le tableau : 0 l'en-tête, 1 les totaux
    QString Cellule(int colonne, int ligne) const;
    // le fond de la colonne des comptes, peinte comme une colonne fixe
    void DefinirFondColonneFixe(const QBrush& fond) { fondFixe_ = fond; }

private:
    GrilleComptes grille_;
    QBrush fondFixe_;
};
