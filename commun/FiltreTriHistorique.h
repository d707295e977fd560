// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ColonnesHistorique.h"
#include "ModeleHistorique.h"

#include <QSortFilterProxyModel>

#include <vector>

// ce que montre le tableau de l'historique : les jeux que le filtre retient (FiltreHistorique::Accepte),
// rangés par la clé de tri de la colonne choisie ; un jeu ajouté au modèle prend sa place sans rien retrier
class FiltreTriHistorique : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit FiltreTriHistorique(ModeleHistorique& source, QObject* parent = nullptr);

    const FiltreHistorique& Filtre() const { return filtre_; }
    void Filtrer(const FiltreHistorique& filtre);
    // le jeu d'une ligne du tableau, nul pour un indice qui n'en montre pas
    const LigneHistorique* LigneDe(const QModelIndex& index) const;

protected:
    bool filterAcceptsRow(int ligne, const QModelIndex& parent) const override;
    bool lessThan(const QModelIndex& gauche, const QModelIndex& droite) const override;

private:
    const CleTri& Cle(int colonne, int ligne) const;

    const ModeleHistorique& source_;
    FiltreHistorique filtre_;
    // les clés de la colonne triée, une par jeu, calculées une fois : trier 200 000 jeux les compare des
    // millions de fois ; un jeu ne change jamais, le modèle ne fait que grandir ou tout remplacer
    mutable std::vector<CleTri> cles_;
    mutable int colonneCles_ = -1;
};
