// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BarreOutilsPrincipale.h"

#include "BoutonOutil.h"

#include <QToolBar>
#include <QToolButton>

BarreOutilsPrincipale::BarreOutilsPrincipale(QToolBar& barre)
{
    barre.setIconSize(QSize(16, 16));
    barre.setFixedHeight(29);
    barre.setAutoFillBackground(true);
    barre.setAccessibleName(QStringLiteral("Barre d'outils"));
    BitBtnPrmSol = BoutonOutil(&barre, "BitBtnPrmSol", QStringLiteral("premiere"), QStringLiteral("Première solution"), 20);
    BitBtnSolPrc = BoutonOutil(&barre, "BitBtnSolPrc", QStringLiteral("precedente"), QStringLiteral("Solution précédente"), 20);
    BitBtnSolSvt = BoutonOutil(&barre, "BitBtnSolSvt", QStringLiteral("suivante"), QStringLiteral("Solution suivante"), 20);
    BitBtnDrnSol = BoutonOutil(&barre, "BitBtnDrnSol", QStringLiteral("derniere"), QStringLiteral("Dernière solution"), 20);
    SpeedButtonCalc = BoutonOutil(&barre, "SpeedButtonCalc", QStringLiteral("calculer"),
                                  QStringLiteral("Calculer toutes les solutions (de la plus simple à la plus tordue)"), 25);
    SpeedButtonInfo = BoutonOutil(&barre, "SpeedButtonInfo", QStringLiteral("informations"),
                                  QStringLiteral("Informations sur les solutions"), 25);
    SpeedButtonStats = BoutonOutil(&barre, "SpeedButtonStats", QStringLiteral("statistiques"), QStringLiteral("Statistiques"), 25);
    SpeedButtonInfo->setCheckable(true);
    SpeedButtonStats->setCheckable(true);
    // le bouton des boutons qui ne tiennent pas dans la barre, s'il vient à paraître
    if (auto* suite = barre.findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        suite->setAccessibleName(QStringLiteral("Autres boutons"));

    for (QToolButton* b : {BitBtnPrmSol, BitBtnSolPrc, BitBtnSolSvt, BitBtnDrnSol})
        barre.addWidget(b);
    auto* separation = new QWidget(&barre);
    separation->setObjectName(QStringLiteral("ToolButtonSep2"));
    separation->setFixedSize(8, 24);
    barre.addWidget(separation);
    for (QToolButton* b : {SpeedButtonCalc, SpeedButtonInfo, SpeedButtonStats})
        barre.addWidget(b);
}
