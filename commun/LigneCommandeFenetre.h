// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Lancement.h"

#include <QStringList>

class QWidget;

// la ligne de commande du programme à fenêtres (sans le nom du programme), lue par la seule LireLancement
Lancement LireLancement(const QStringList& arguments);

// une ligne refusée est dite dans la boîte « Erreur dans les paramètres de la ligne de commande », avec sa
// syntaxe
void DireErreurLancement(QWidget* fenetre, const Lancement& lancement);
