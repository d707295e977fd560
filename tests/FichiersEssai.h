// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// lire et écrire un fichier d'essai tel quel, et relire une base SQLite avec l'outil sqlite3, un lecteur
// indépendant du programme
#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTest>

// le contenu du fichier, vide s'il ne s'ouvre pas
inline QByteArray ContenuFichier(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void EcrireFichier(const QString& chemin, const QByteArray& contenu)
{
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(contenu), contenu.size());
}

// la sortie de sqlite3 pour une requête, ou le message de son échec (qui ne peut égaler une sortie attendue)
inline QByteArray Sqlite3(const QString& fichier, const QString& sql)
{
    QProcess p;
    p.start(QStringLiteral("sqlite3"), {fichier, sql});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return "échec de sqlite3 : " + p.readAllStandardError();
    return p.readAllStandardOutput();
}
