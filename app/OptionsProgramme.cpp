#include "OptionsProgramme.h"

#include "CheminAide.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* Aide =
    "Le varnel : l'épreuve des chiffres d'un jeu de lettres et de chiffres.\n"
    "\n"
    "Syntaxe : varnel [Plaque1 Plaque2 Plaque3 Plaque4 Plaque5 Plaque6 Resultat]\n"
    "          varnel --help | --version\n"
    "\n"
    "Sans argument, la fenêtre s'ouvre sur un jeu vide : « Compte › Tiré au sort » (Ctrl+T) tire\n"
    "six plaques et un compte, « Compte › Proposé » (Ctrl+P) les fait taper. Avec six plaques et un\n"
    "compte sur la ligne de commande, le jeu est résolu dès l'ouverture de la fenêtre.\n"
    "Plaques : 1 à 10, 25, 50, 75 ou 100. Compte : de 101 à 999.\n"
    "\n"
    "  --help      écrit cette aide et s'arrête\n"
    "  --version   écrit la version et s'arrête\n"
    "\n"
    "Dans la fenêtre, F1 ouvre la page d'aide. Pour résoudre un jeu sans fenêtre : varnel-calcul.\n"
    "Voir aussi les pages de manuel varnel(6) et varnel-calcul(6).\n";

}  // namespace

int RepondreOptionInformation(int argc, char** argv)
{
    if (argc != 2)
        return -1;
    const char* texte = nullptr;
    if (std::strcmp(argv[1], "--help") == 0)
        texte = Aide;
    else if (std::strcmp(argv[1], "--version") == 0)
        texte = "Le varnel " VARNEL_VERSION "\n";
    else
        return -1;
    if (std::fputs(texte, stdout) < 0 || std::fflush(stdout) != 0) {
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
