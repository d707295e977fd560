// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QToolBar;
class QToolButton;

// la barre d'outils de la fenêtre principale : les quatre flèches du parcours des solutions, une séparation,
// puis le calcul et les deux boutons bascule (informations, statistiques)
struct BarreOutilsPrincipale {
    explicit BarreOutilsPrincipale(QToolBar& barre);

    QToolButton* BitBtnPrmSol = nullptr;
    QToolButton* BitBtnSolPrc = nullptr;
    QToolButton* BitBtnSolSvt = nullptr;
    QToolButton* BitBtnDrnSol = nullptr;
    QToolButton* SpeedButtonCalc = nullptr;
    QToolButton* SpeedButtonInfo = nullptr;
    QToolButton* SpeedButtonStats = nullptr;
};
