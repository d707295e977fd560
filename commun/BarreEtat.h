// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Seance.h"

#include <QString>

class QLabel;
class QStatusBar;

// la barre d'état de la fenêtre principale, seule à écrire ses deux panneaux : le texte de la séance
// (StatusBarPanneau0, 245 pixels) et le compteur de la solution montrée (StatusBarPanneau1, 50 pixels, centré)
class BarreEtat {
public:
    explicit BarreEtat(QStatusBar& barre);

    // montré aussitôt, même pendant une recherche qui ne rend pas la main
    void Montrer(const LigneEtat& ligne);
    QString Texte(int panneau) const;

private:
    QLabel* texte_ = nullptr;
    QLabel* compteur_ = nullptr;
};
