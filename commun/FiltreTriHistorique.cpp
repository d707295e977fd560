// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FiltreTriHistorique.h"


FiltreTriHistorique::FiltreTriHistorique(ModeleHistorique& source, QObject* parent)
    : QSortFilterProxyModel(parent), source_(source)
{
    setSourceModel(&source);
    connect(&source, &QAbstractItemModel::modelAboutToBeReset, this, [this] { cles_.clear(); });
}

void FiltreTriHistorique::Filtrer(const FiltreHistorique& filtre)
{
    filtre_ = filtre;
    invalidateFilter();
}

const LigneHistorique* FiltreTriHistorique::LigneDe(const QModelIndex& index) const
{
    const QModelIndex dansLaSource = mapToSource(index);
    return dansLaSource.isValid() ? &source_.Ligne(dansLaSource.row()) : nullptr;
}

bool FiltreTriHistorique::filterAcceptsRow(int ligne, const QModelIndex&) const
{
    return filtre_.Accepte(source_.Ligne(ligne));
}

const CleTri& FiltreTriHistorique::Cle(int colonne, int ligne) const
{
    if (colonne != colonneCles_) {
        cles_.clear();
        colonneCles_ = colonne;
    }
    if (static_cast<size_t>(ligne) >= cles_.size()) {
        const ColonneHistorique& c = *ColonnesMontrees()[static_cast<size_t>(colonne)];
        cles_.reserve(static_cast<size_t>(source_.rowCount()));
        for (int l = static_cast<int>(cles_.size()); l < source_.rowCount(); ++l)
            cles_.push_back(c.CleDe(source_.Ligne(l)));
    }
    return cles_[static_cast<size_t>(ligne)];
}

bool FiltreTriHistorique::lessThan(const QModelIndex& gauche, const QModelIndex& droite) const
{
    return Cle(gauche.column(), gauche.row()) < Cle(gauche.column(), droite.row());
}
