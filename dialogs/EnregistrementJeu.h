// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FichierIni.h"
#include "Partie.h"

class QWidget;
class TfrmHistorique;

// la fin d'un jeu, quand la partie la demande (une seule fois par jeu tiré au sort ou proposé, une fois résolu
// et le calcul du joueur fini) : ses cumuls dans varnel.ini, sa ligne dans l'historique qui vit à côté, et la
// fenêtre de l'historique relue quand elle est ouverte (historiqueOuvert, sinon nul). Chaque échec est dit dans
// sa propre boîte, au-dessus de fenetre : l'un n'empêche pas l'autre
void EnregistrerJeuFini(Partie& partie, TFichierIni& fichier, TfrmHistorique* historiqueOuvert, QWidget* fenetre);
