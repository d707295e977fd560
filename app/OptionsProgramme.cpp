// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OptionsProgramme.h"

#include "CheminAide.h"
#include "LigneCommande.h"
#include "LigneCommandeFenetre.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr const char* Aide =
    "Le varnel : l'épreuve des chiffres d'un jeu de lettres et de chiffres.\n"
    "\n"
    "Syntaxe : varnel [Plaque1 Plaque2 Plaque3 Plaque4 Plaque5 Plaque6 Resultat]\n"
    "          varnel --jour\n"
    "          varnel --serie [Facile|Moyen|Difficile|Expert]\n"
    "          varnel --match [debutant|amateur|confirme|champion|mesure]\n"
    "          varnel --help | --version\n"
    "\n"
    "Sans argument, la fenêtre s'ouvre sur un jeu vide : « Compte › Tiré au sort » (Ctrl+T) tire\n"
    "six plaques et un compte, « Compte › Proposé » (Ctrl+P) les fait taper. Avec six plaques et un\n"
    "compte sur la ligne de commande, le jeu est résolu dès l'ouverture de la fenêtre.\n"
    "Plaques : 1 à 10, 25, 50, 75 ou 100. Compte : de 101 à 999.\n"
    "\n"
    "  --jour      ouvre la fenêtre sur le jeu du jour (« Compte › Jeu du jour », Ctrl+J) : le même\n"
    "              jeu pour tous à la même date, plus dur au fil de la semaine\n"
    "  --serie     commence aussitôt une série de 10 jeux tirés au sort, chacun contre la montre\n"
    "              (le temps limite choisi, ou 45 s sans limite), de tirages ordinaires ou du niveau\n"
    "              donné ; Entrée ou Ctrl+T lance le jeu suivant\n"
    "  --match     commence aussitôt un match de cinq tirages contre l'ordinateur de cette force\n"
    "              (amateur sans force ; « mesure » joue comme vous d'après votre historique)\n"
    "  --help      écrit cette aide et s'arrête\n"
    "  --version   écrit la version et s'arrête\n"
    "\n"
    "Dans la fenêtre, F1 ouvre la page d'aide. Pour résoudre un jeu sans fenêtre : varnel-calcul.\n"
    "Codes de sortie : 0 bon, 2 arguments incorrects (une fois leur boîte fermée).\n"
    "Voir aussi les pages de manuel varnel(6) et varnel-calcul(6).\n";

}  // namespace

int RepondreOptionInformation(int argc, char** argv)
{
    if (argc != 2)
        return -1;
    std::string texte;
    if (std::strcmp(argv[1], "--help") == 0)
        texte = Aide;
    else if (std::strcmp(argv[1], "--version") == 0)
        texte = std::string("Le varnel " VARNEL_VERSION "\n") + MentionLicence;
    else
        return -1;
    if (std::fputs(texte.c_str(), stdout) < 0 || std::fflush(stdout) != 0) {
        std::fputs("varnel : impossible d'écrire sur la sortie standard.\n", stderr);
        return 1;
    }
    return 0;
}

int DiagnostiquerAide()
{
    if (!qEnvironmentVariableIsSet("VARNEL_CHEMIN_AIDE"))
        return -1;
    const QString page = CheminAide();
    if (page.isEmpty()) {
        std::fprintf(stderr, "Page d'aide introuvable :\n%s\n",
                     qPrintable(EmplacementsAide(QCoreApplication::applicationDirPath()).join(QLatin1Char('\n'))));
        return 1;
    }
    std::printf("%s\n", qPrintable(page));
    return 0;
}

int CodeSortie(const QStringList& arguments) { return LireLancement(arguments).Valide() ? 0 : 2; }
