// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FichierIniFenetre.h"

#include "BoiteMessage.h"

#include <QApplication>
#include <QDir>

namespace {

// le curseur d'attente le temps d'une portée
class CurseurAttente {
public:
    CurseurAttente() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CurseurAttente() { QApplication::restoreOverrideCursor(); }
    CurseurAttente(const CurseurAttente&) = delete;
    CurseurAttente& operator=(const CurseurAttente&) = delete;
};

bool EcrireOuDire(QWidget* fenetre, const TFichierIni& fichier, const QString& titre, const QString& quoi,
                  const std::function<bool(QString*)>& ecrire)
{
    QString raison;
    bool ecrit = false;
    {
        const CurseurAttente attente;
        ecrit = ecrire(&raison);
    }
    // le fichier reste alors tel qu'il était : ce qui devait y aller est perdu, mais pas en silence
    if (!ecrit)
        AfficherMessage(fenetre, titre,
                        QStringLiteral("Impossible d'enregistrer %1 dans le fichier \"%2\".\n%3")
                            .arg(quoi, QDir::toNativeSeparators(fichier.Chemin()), raison));
    return ecrit;
}

}  // namespace

bool EnregistrerCumulsOuDire(QWidget* fenetre, TFichierIni& fichier, const CumulsStat& jeu)
{
    return EcrireOuDire(fenetre, fichier, QStringLiteral("Statistiques non enregistrées"), QStringLiteral("les statistiques"),
                        [&](QString* raison) { return fichier.AjouterCumuls(jeu, raison); });
}

bool ChoisirTempsLimiteOuDire(QWidget* fenetre, TFichierIni& fichier, int secondes)
{
    return EcrireOuDire(fenetre, fichier, QStringLiteral("Option non enregistrée"), QStringLiteral("le temps limite"),
                        [&](QString* raison) { return fichier.ChoisirTempsLimite(secondes, raison); });
}
