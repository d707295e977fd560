// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
//
// l'image de la fenêtre principale en tête de la page d'aide : la fenêtre du programme elle-même, rendue
// sans écran sur le jeu 25 5 4 3 8 1 / 117, puis rangée dans la page (image PNG en adresse « data: »,
// que lisent aussi bien un navigateur que la fenêtre « Aide du Varnel »).
//
// Refaire l'image après un changement de la fenêtre principale, depuis la racine du projet :
//     cmake --build build --target apercu_fenetre
//     QT_QPA_PLATFORM=offscreen build/tests/app/essais/apercu_fenetre/apercu_fenetre --ecrire resources/varnel.html
// L'essai « apercu_fenetre_a_jour » (--verifier) échoue tant que l'image de la page n'est pas celle que
// montre le programme.
#include "Environnement.h"
#include "Horloge.h"
#include "Main_f.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTest>

#include <cstdio>

namespace {

// l'élément de la page qui porte l'image
const QRegularExpression ImagePage(QStringLiteral(R"((<img class="ecran"[^>]*src="data:image/png;base64,)([^"]*)("))"));

QImage RendreFenetre()
{
    // une horloge arrêtée : la barre d'état dit « en 0 ms » à chaque rendu
    DefinirHorloge([] { return 0; });
    TfrmMain fenetre(QStringList{"25", "5", "4", "3", "8", "1", "117"});
    fenetre.show();
    if (!QTest::qWaitForWindowExposed(&fenetre))
        return {};
    if (!QTest::qWaitFor([&fenetre] { return !fenetre.TexteStatut(0).isEmpty(); }, 5000))
        return {};
    QImage image = fenetre.grab().toImage().convertToFormat(QImage::Format_RGB32);
    fenetre.close();
    return image;
}

int Erreur(const QString& texte)
{
    std::fprintf(stderr, "%s\n", qPrintable(texte));
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    PreparerEnvironnement(application);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3 || (arguments[1] != "--ecrire" && arguments[1] != "--verifier"))
        return Erreur(QStringLiteral("usage : apercu_fenetre --ecrire|--verifier PAGE.html"));
    QFile fichier(arguments[2]);
    if (!fichier.open(QIODevice::ReadOnly))
        return Erreur(QStringLiteral("page illisible : ") + arguments[2]);
    QString page = QString::fromUtf8(fichier.readAll());
    fichier.close();
    const QRegularExpressionMatch trouve = ImagePage.match(page);
    if (!trouve.hasMatch())
        return Erreur(QStringLiteral("la page n'a pas d'élément <img class=\"ecran\" src=\"data:image/png;base64,...\">"));

    const QImage rendue = RendreFenetre();
    if (rendue.isNull())
        return Erreur(QStringLiteral("la fenêtre n'a pas pu être rendue"));

    if (arguments[1] == "--verifier") {
        const QImage rangee =
            QImage::fromData(QByteArray::fromBase64(trouve.captured(2).toLatin1()), "PNG").convertToFormat(QImage::Format_RGB32);
        if (rangee != rendue)
            return Erreur(QStringLiteral("l'image de la page (%1x%2) n'est pas la fenêtre du programme (%3x%4) : "
                                         "refaire l'image avec apercu_fenetre --ecrire")
                              .arg(rangee.width())
                              .arg(rangee.height())
                              .arg(rendue.width())
                              .arg(rendue.height()));
        return 0;
    }

    QByteArray png;
    QBuffer tampon(&png);
    tampon.open(QIODevice::WriteOnly);
    rendue.save(&tampon, "PNG");
    page.replace(trouve.capturedStart(2), trouve.capturedLength(2), QString::fromLatin1(png.toBase64()));
    QSaveFile sortie(arguments[2]);
    if (!sortie.open(QIODevice::WriteOnly) || sortie.write(page.toUtf8()) < 0 || !sortie.commit())
        return Erreur(QStringLiteral("page impossible à écrire : ") + arguments[2]);
    return 0;
}
