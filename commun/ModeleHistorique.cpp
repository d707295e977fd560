// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModeleHistorique.h"

#include "ColonnesHistorique.h"

ModeleHistorique::ModeleHistorique(QObject* parent) : QAbstractTableModel(parent) {}

void ModeleHistorique::Ajouter(std::vector<LigneHistorique> nouvelles)
{
    if (nouvelles.empty())
        return;
    const int debut = rowCount();
    beginInsertRows({}, debut, debut + static_cast<int>(nouvelles.size()) - 1);
    lignes_.insert(lignes_.end(), std::make_move_iterator(nouvelles.begin()), std::make_move_iterator(nouvelles.end()));
    endInsertRows();
}

int ModeleHistorique::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(lignes_.size());
}

int ModeleHistorique::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(ColonnesMontrees().size());
}

QVariant ModeleHistorique::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const ColonneHistorique& colonne = *ColonnesMontrees()[static_cast<size_t>(index.column())];
    if (role == Qt::TextAlignmentRole)
        return QVariant((colonne.Cadrage == Alignement::Gauche ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    return QString::fromStdString(colonne.TexteCase(Ligne(index.row())));
}

QVariant ModeleHistorique::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromUtf8(ColonnesMontrees()[static_cast<size_t>(section)]->Titre);
}
