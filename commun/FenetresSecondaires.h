// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

class QAction;
class QWidget;

// ferme toutes les fenêtres ouvertes au-dessus de la fenêtre principale (l'aide comprise) : fermer la
// fenêtre principale termine le programme, aucune fenêtre ne doit lui survivre à l'écran
void FermerFenetresSecondaires(QWidget& principale);

// les commandes à raccourci de la fenêtre principale, qui agissent aussi depuis la fenêtre de l'historique
QList<QAction*> RubriquesARaccourci(const QWidget& principale);
