// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Historique.h"

#include <QAbstractTableModel>

#include <vector>

// les jeux de l'historique que le filtre retient, un par ligne, les plus récents d'abord ; le rôle de tri
// (Qt::UserRole) donne la valeur à comparer de chaque colonne
class ModeleHistorique : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Colonne { Date, Plaques, Compte, Grandes, Ordinateur, Joueur, Temps, Place, NbColonnes };
    static constexpr int RoleTri = Qt::UserRole;

    explicit ModeleHistorique(QObject* parent = nullptr);

    void Remplir(std::vector<LigneHistorique> lignes);
    void Filtrer(const FiltreHistorique& filtre);
    // les jeux retenus, les plus récents d'abord
    const std::vector<LigneHistorique>& Retenues() const { return retenues_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<LigneHistorique> toutes_;
    std::vector<LigneHistorique> retenues_;
    FiltreHistorique filtre_;
};

// la date d'une ligne (temps universel ISO 8601) à l'heure locale : « 08/12/2026 05:36 »
QString DateLocale(const std::string& dateHeureUtc);
