// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// enregistre des jeux dans un fichier de statistiques, sans fenêtre : l'enfant des essais d'arrêt brutal,
// d'enregistrements simultanés et d'emplacement du fichier
#include "FichierIni.h"
#include "MontantsEssai.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>

#include <cstdio>

namespace {

int Echec(const TFichierIni& fichier, const QString& raison)
{
    std::fprintf(stderr, "Impossible d'enregistrer les statistiques dans le fichier \"%s\".\n%s\n",
                 qPrintable(QDir::toNativeSeparators(fichier.Chemin())), qPrintable(raison));
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList a = QCoreApplication::arguments();
    if (a.size() == 3 && a[1] == QLatin1String("boucle")) {
        TFichierIni fichier(a[2]);
        for (;;)
            fichier.AjouterCumuls(MontantsEssai());
    }
    if (a.size() == 4 && a[1] == QLatin1String("jeux")) {
        TFichierIni fichier(a[2]);
        QString raison;
        for (int i = 0; i < a[3].toInt(); ++i)
            if (!fichier.AjouterCumuls(MontantsEssai(), &raison))
                return Echec(fichier, raison);
        return 0;
    }
    if (a.size() == 2 && a[1] == QLatin1String("emplacement")) {
        TFichierIni fichier(EmplacementFichierIni(QCoreApplication::applicationDirPath()));
        std::printf("%s\n", qPrintable(fichier.Chemin()));
        QString raison;
        return fichier.AjouterCumuls(MontantsEssai(), &raison) ? 0 : Echec(fichier, raison);
    }
    if (a.size() == 3 && a[1] == QLatin1String("verrou")) {
        // tient le verrou du fichier jusqu'à ce que l'entrée se ferme
        QLockFile verrou(TFichierIni(a[2]).CheminVerrou());
        if (!verrou.tryLock(5000))
            return 1;
        std::printf("pris\n");
        std::fflush(stdout);
        while (std::getchar() != EOF) {
        }
        return 0;
    }
    std::fprintf(stderr, "enregistreur_statistiques boucle FICHIER | jeux FICHIER N | emplacement | verrou FICHIER\n");
    return 2;
}
