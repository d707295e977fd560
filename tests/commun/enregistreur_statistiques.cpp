// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// enregistre des jeux dans un fichier de statistiques, sans fenêtre : l'enfant des essais d'arrêt brutal,
// d'enregistrements simultanés et d'emplacement du fichier
#include "FichierIni.h"
#include "MontantsEssai.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

namespace {

int Echec(const TFichierIni& fichier)
{
    std::fprintf(stderr, "Impossible d'enregistrer les statistiques dans le fichier \"%s\".\n",
                 qPrintable(QDir::toNativeSeparators(fichier.Chemin())));
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
        for (int i = 0; i < a[3].toInt(); ++i)
            if (!fichier.AjouterCumuls(MontantsEssai()))
                return Echec(fichier);
        return 0;
    }
    if (a.size() == 2 && a[1] == QLatin1String("emplacement")) {
        TFichierIni fichier(EmplacementFichierIni(QCoreApplication::applicationDirPath()));
        std::printf("%s\n", qPrintable(fichier.Chemin()));
        return fichier.AjouterCumuls(MontantsEssai()) ? 0 : Echec(fichier);
    }
    std::fprintf(stderr, "enregistreur_statistiques boucle FICHIER | jeux FICHIER N | emplacement\n");
    return 2;
}
