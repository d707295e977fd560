// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// rend une image SVG carrée en PNG à la taille demandée ; sert à la construction, pour les icônes
// du programme : rendu-icone image.svg taille image.png
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv)
{
    // dessiner dans une image ne demande aucun affichage
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 4) {
        std::fputs("Syntaxe : rendu-icone image.svg taille image.png\n", stderr);
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString destination = QString::fromLocal8Bit(argv[3]);
    bool nombre = false;
    const int taille = QString::fromLocal8Bit(argv[2]).toInt(&nombre);
    if (!nombre || taille < 1 || taille > 4096) {
        std::fprintf(stderr, "Taille incorrecte : %s (de 1 à 4096 pixels).\n", argv[2]);
        return 2;
    }
    QSvgRenderer rendu(source);
    if (!rendu.isValid()) {
        std::fprintf(stderr, "Image SVG illisible : %s\n", qPrintable(source));
        return 1;
    }
    QImage image(taille, taille, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    rendu.render(&peintre);
    peintre.end();
    if (!image.save(destination, "PNG")) {
        std::fprintf(stderr, "Impossible d'écrire l'image : %s\n", qPrintable(destination));
        return 1;
    }
    return 0;
}
