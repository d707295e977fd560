// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FenetresSecondaires.h"

#include <QAction>
#include <QPointer>
#include <QWidget>

void FermerFenetresSecondaires(QWidget& principale)
{
    // une fenêtre peut en détruire une autre en se fermant : on les garde par des pointeurs gardés
    QList<QPointer<QWidget>> fenetres;
    for (QWidget* fille : principale.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (fille->isWindow())
            fenetres.append(fille);
    for (const QPointer<QWidget>& fenetre : fenetres)
        if (fenetre && fenetre->isVisible())
            fenetre->close();
}

QList<QAction*> RubriquesARaccourci(const QWidget& principale)
{
    QList<QAction*> raccourcis;
    for (QAction* rubrique : principale.findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly))
        if (!rubrique->shortcut().isEmpty())
            raccourcis << rubrique;
    return raccourcis;
}
