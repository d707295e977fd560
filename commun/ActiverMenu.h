// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QMenu>

// un menu désactivé laisse ses rubriques actives (leurs raccourcis agiraient encore) : elles le sont avec
// lui, sauf celle qui reste toujours inactive
inline void ActiverMenu(QMenu& menu, bool actif, const QAction* sauf = nullptr)
{
    menu.setEnabled(actif);
    for (QAction* rubrique : menu.actions())
        if (rubrique != sauf)
            rubrique->setEnabled(actif);
}
