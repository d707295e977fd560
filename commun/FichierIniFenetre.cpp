// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FichierIniFenetre.h"

#include "BoiteMessage.h"
#include "CurseurAttente.h"

#include <QDir>

void DireFichierIniNonEcrit(QWidget* fenetre, const TFichierIni& fichier, const QString& titre, const QString& quoi,
                            const QString& raison)
{
    AfficherMessage(fenetre, titre,
                    QStringLiteral("Impossible d'enregistrer %1 dans le fichier \"%2\".\n%3")
                        .arg(quoi, QDir::toNativeSeparators(fichier.Chemin()), raison));
}

bool ChoisirTempsLimiteOuDire(QWidget* fenetre, TFichierIni& fichier, int secondes)
{
    QString raison;
    const bool ecrit = SousCurseurAttente([&] { return fichier.ChoisirTempsLimite(secondes, &raison); });
    // le fichier reste alors tel qu'il était : le choix n'est pas gardé, mais pas en silence
    if (!ecrit)
        DireFichierIniNonEcrit(fenetre, fichier, QStringLiteral("Option non enregistrée"), QStringLiteral("le temps limite"),
                               raison);
    return ecrit;
}
