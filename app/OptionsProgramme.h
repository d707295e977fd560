// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

// « varnel --help » et « varnel --version » : la réponse sur la sortie standard, sans fenêtre ni
// affichage ; rend le code de sortie (0 écrit, 1 sortie impossible à écrire), ou -1 quand la ligne
// de commande n'est pas exactement l'une des deux
int RepondreOptionInformation(int argc, char** argv);

// diagnostic d'une installation, quand VARNEL_CHEMIN_AIDE est définie : écrit le chemin de la page
// d'aide que le programme ouvrirait ; rend le code de sortie (0 trouvée, 1 introuvable), ou -1 sans
// la variable
int DiagnostiquerAide();

// code de sortie du programme une fois la fenêtre fermée : 2 quand la ligne de commande était
// incorrecte (la fenêtre l'a signalé dans une boîte), comme varnel-calcul ; 0 sinon
int CodeSortie(const QStringList& arguments);
