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

#include <sys/stat.h>

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

// le processus tient le verrou de lecture que SQLite pose sur la base tant que sa connexion est ouverte
// (l'octet partagé du fichier, vu dans /proc/locks) : sans lui, un autre programme croirait être seul et
// viderait le journal sous cette connexion
inline bool TientLeVerrouSqlite(qint64 processus, const QString& base)
{
    struct stat etat {};
    if (::stat(QFile::encodeName(base).constData(), &etat) != 0)
        return false;
    QFile verrous(QStringLiteral("/proc/locks"));
    if (!verrous.open(QIODevice::ReadOnly))
        return false;
    const QByteArray inode = ':' + QByteArray::number(static_cast<qulonglong>(etat.st_ino));
    for (const QByteArray& ligne : verrous.readAll().split('\n')) {
        const QList<QByteArray> champs = ligne.simplified().split(' ');
        if (champs.size() >= 8 && champs[1] == "POSIX" && champs[3] == "READ" &&
            champs[4] == QByteArray::number(processus) && champs[5].endsWith(inode) && champs[6] == "1073741826")
            return true;
    }
    return false;
}
