// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Environnement.h"

#include "Horloge.h"
#include "ImagesVarnel.h"
#include "Ressources.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void PreparerEnvironnement(QApplication& application)
{
    InitialiserRessources();
    application.setApplicationName(QStringLiteral("Le varnel"));
    application.setWindowIcon(IconeProgramme());

    // les polices des fenêtres d'origine, remplacées par des sosies libres
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    QFont police(QStringLiteral("MS Sans Serif"));
    police.setPixelSize(11);
    QApplication::setFont(police);

    // boutons standard (OK, Oui, Non…) en français, quelle que soit la langue de la machine
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    auto* traduction = new QTranslator(&application);
    if (traduction->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(traduction);

    // une seule horloge en millisecondes pour le moteur et les fenêtres
    static QElapsedTimer chrono;
    chrono.start();
    DefinirHorloge([] { return static_cast<int32_t>(chrono.elapsed()); });
}
