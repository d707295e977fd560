// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CheminAide.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QStringList EmplacementsAide(const QString& dossierProgramme)
{
    const QDir dossier(dossierProgramme);
    return {QDir::cleanPath(dossier.absoluteFilePath(QStringLiteral("varnel.html"))),
            QDir::cleanPath(dossier.absoluteFilePath(QStringLiteral("../share/varnel/varnel.html")))};
}

QString CheminAide(const QString& dossierProgramme)
{
    for (const QString& chemin : EmplacementsAide(dossierProgramme))
        if (QFileInfo(chemin).isFile())
            return chemin;
    return {};
}

QString CheminAide() { return CheminAide(QCoreApplication::applicationDirPath()); }
