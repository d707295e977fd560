// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModeleTousComptes.h"

#include "LectureJeu.h"

namespace {

constexpr int NbColonnes = 7;
constexpr int NbLignes = 901;  // en-tête, totaux, 899 comptes

}  // namespace

ModeleTousComptes::ModeleTousComptes(QObject* parent) : QAbstractTableModel(parent), grille_(NbLignes) {}

int ModeleTousComptes::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : NbLignes - 1; }

int ModeleTousComptes::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : NbColonnes; }

QString ModeleTousComptes::Cellule(int colonne, int ligne) const
{
    if (ligne < 0 || ligne >= NbLignes || colonne < 0 || colonne >= NbColonnes)
        return {};
    return QString::fromStdString(grille_[static_cast<size_t>(ligne)][static_cast<size_t>(colonne)]);
}

QVariant ModeleTousComptes::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return Cellule(index.column(), index.row() + 1);
    // une case se lit avec son compte et sa colonne, pas comme un nombre seul
    if (role == Qt::AccessibleTextRole)
        return QString::fromStdString(LectureCaseComptes(Cellule(0, index.row() + 1).toStdString(), index.column(),
                                                         Cellule(index.column(), index.row() + 1).toStdString()));
    if (role == Qt::BackgroundRole && index.column() == 0 && fondFixe_.style() != Qt::NoBrush)
        return fondFixe_;
    return {};
}

QVariant ModeleTousComptes::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return Cellule(section, 0);
    return {};
}

void ModeleTousComptes::Remplir(GrilleComptes grille)
{
    if (grille.size() != static_cast<size_t>(NbLignes))
        return;
    grille_ = std::move(grille);
    // mêmes lignes, autres textes : la vue garde sa ligne courante
    emit headerDataChanged(Qt::Horizontal, 0, NbColonnes - 1);
    emit dataChanged(index(0, 0), index(NbLignes - 2, NbColonnes - 1), {Qt::DisplayRole});
}
