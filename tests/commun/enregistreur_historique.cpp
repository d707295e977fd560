// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// ajoute des jeux à un historique, sans fenêtre : l'enfant des essais d'arrêt brutal, d'écritures simultanées
// et de dossier en lecture seule
#include "HistoriqueJeux.h"
#include "LignesEssai.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

namespace {

int Echec(const THistoriqueJeux& historique, const QString& raison)
{
    std::fprintf(stderr, "Historique non enregistré dans \"%s\" : %s\n",
                 qPrintable(QDir::toNativeSeparators(historique.Chemin())), qPrintable(raison));
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList a = QCoreApplication::arguments();
    if (a.size() == 3 && a[1] == QLatin1String("boucle")) {
        THistoriqueJeux historique(a[2]);
        for (int n = 0;; ++n)
            historique.Ajouter(LigneEssai(n));
    }
    if (a.size() == 4 && a[1] == QLatin1String("jeux")) {
        THistoriqueJeux historique(a[2]);
        for (int n = 0; n < a[3].toInt(); ++n)
            if (const std::optional<QString> raison = historique.Ajouter(LigneEssai(n)))
                return Echec(historique, *raison);
        return 0;
    }
    std::fprintf(stderr, "enregistreur_historique boucle DOSSIER | jeux DOSSIER N\n");
    return 2;
}
