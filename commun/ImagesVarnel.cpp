// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ImagesVarnel.h"

#include <QPainter>
#include <QSvgRenderer>

#include <map>

QPixmap ImageSvg(const QString& chemin, QSize taille)
{
    QPixmap image(taille);
    image.fill(Qt::transparent);
    QSvgRenderer rendu(chemin);
    QPainter peintre(&image);
    rendu.render(&peintre);
    return image;
}

ListeImages::ListeImages(QSize taille, const QStringList& fichiers)
{
    for (const QString& f : fichiers)
        images_.push_back(ImageSvg(f, taille));
}

void ListeImages::Dessiner(QPainter& peintre, int x, int y, int index) const
{
    if (index >= 0 && index < Nombre())
        peintre.drawPixmap(x, y, images_.at(index));
}

const ListeImages& ImagesJeu()
{
    static const ListeImages liste = [] {
        QStringList fichiers;
        for (int c = 0; c <= 9; ++c)
            fichiers << QStringLiteral(":/images/liste/chiffre-%1.svg").arg(c);
        for (const char* signe : {"plus", "moins", "fois", "divise", "egal"})
            fichiers << QStringLiteral(":/images/liste/%1.svg").arg(QLatin1String(signe));
        for (int v : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 25, 50, 75, 100})
            fichiers << QStringLiteral(":/images/liste/plaque-%1.svg").arg(v);
        fichiers << QStringLiteral(":/images/liste/plaque-resultat.svg");
        return ListeImages(QSize(32, 32), fichiers);
    }();
    return liste;
}

const ListeImages& ChiffresReduits(int cote)
{
    // quelques tailles seulement (une par nombre de chiffres), rendues à la première demande
    static std::map<int, ListeImages> listes;
    auto trouvee = listes.find(cote);
    if (trouvee == listes.end()) {
        QStringList fichiers;
        for (int c = 0; c <= 9; ++c)
            fichiers << QStringLiteral(":/images/liste/chiffre-%1.svg").arg(c);
        trouvee = listes.emplace(cote, ListeImages(QSize(cote, cote), fichiers)).first;
    }
    return trouvee->second;
}

const ListeImages& ImagesAfficheur()
{
    static const ListeImages liste = [] {
        QStringList fichiers;
        for (int c = 0; c <= 9; ++c)
            fichiers << QStringLiteral(":/images/afficheur/segment-%1.svg").arg(c);
        return ListeImages(QSize(16, 32), fichiers);
    }();
    return liste;
}

int ImagePlaque(int valeur) { return valeur <= 10 ? valeur + 14 : valeur / 25 + 24; }

QIcon IconeDeuxEtats(const QString& normal, const QString& inactif, QSize taille)
{
    QIcon icone;
    icone.addPixmap(ImageSvg(normal, taille), QIcon::Normal);
    icone.addPixmap(ImageSvg(inactif, taille), QIcon::Disabled);
    return icone;
}

QIcon IconeOutil(const QString& nom)
{
    return IconeDeuxEtats(QStringLiteral(":/images/outils/%1.svg").arg(nom),
                          QStringLiteral(":/images/outils/%1-inactif.svg").arg(nom), QSize(16, 16));
}

QIcon IconeProgramme()
{
    // les petites tailles ont leur propre dessin, sur des pixels entiers
    QIcon icone;
    for (int cote : {16, 22, 24})
        icone.addPixmap(ImageSvg(QStringLiteral(":/images/varnel-%1.svg").arg(cote), QSize(cote, cote)));
    for (int cote : {32, 48, 64, 128})
        icone.addPixmap(ImageSvg(QStringLiteral(":/images/varnel.svg"), QSize(cote, cote)));
    return icone;
}
