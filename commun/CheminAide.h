// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// la page d'aide « varnel.html » : à côté du programme (dossier de construction, copie emportée
// ailleurs), sinon dans ../share/varnel/ (programme installé), dans cet ordre
QStringList EmplacementsAide(const QString& dossierProgramme);
// le premier emplacement où la page existe, vide si aucun
QString CheminAide(const QString& dossierProgramme);
// pour le programme qui tourne
QString CheminAide();
