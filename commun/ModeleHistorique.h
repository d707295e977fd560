// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Historique.h"

#include <QAbstractTableModel>

#include <vector>

// tous les jeux de l'historique, un par ligne, dans l'ordre de l'historique (les plus anciens d'abord) ; les
// colonnes sont celles que ColonnesMontrees() décrit. Le filtre et le tri sont ceux de FiltreTriHistorique
class ModeleHistorique : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModeleHistorique(QObject* parent = nullptr);

    // des jeux plus récents que tous ceux du modèle (les plus anciens d'abord), ajoutés à la suite sans rien relire
    void Ajouter(std::vector<LigneHistorique> nouvelles);
    const std::vector<LigneHistorique>& Lignes() const { return lignes_; }
    const LigneHistorique& Ligne(int ligne) const { return lignes_[static_cast<size_t>(ligne)]; }
    // le numéro du jeu le plus récent, 0 sans jeu
    int64_t DernierNumero() const { return lignes_.empty() ? 0 : lignes_.back().Numero; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<LigneHistorique> lignes_;
};
