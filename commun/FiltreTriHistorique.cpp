// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FiltreTriHistorique.h"

#include "ColonnesHistorique.h"

FiltreTriHistorique::FiltreTriHistorique(ModeleHistorique& source, QObject* parent)
    : QSortFilterProxyModel(parent), source_(source)
{
    setSourceModel(&source);
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

bool FiltreTriHistorique::lessThan(const QModelIndex& gauche, const QModelIndex& droite) const
{
    const ColonneHistorique& colonne = *ColonnesMontrees()[static_cast<size_t>(gauche.column())];
    return colonne.CleDe(source_.Ligne(gauche.row())) < colonne.CleDe(source_.Ligne(droite.row()));
}
