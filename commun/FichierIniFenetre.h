// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FichierIni.h"

class QWidget;

// ce que les fenêtres font du fichier varnel.ini : le curseur d'attente le temps de l'écriture (l'attente
// du verrou comprise, au plus TFichierIni::AttenteVerrouMs()), puis un échec dit dans une boîte avec sa raison

// « Impossible d'enregistrer <quoi> dans le fichier "<chemin>". » et la raison, sous ce titre
void DireFichierIniNonEcrit(QWidget* fenetre, const TFichierIni& fichier, const QString& titre, const QString& quoi,
                            const QString& raison);
// le temps limite choisi ; un échec donne la boîte « Option non enregistrée »
bool ChoisirTempsLimiteOuDire(QWidget* fenetre, TFichierIni& fichier, int secondes);
