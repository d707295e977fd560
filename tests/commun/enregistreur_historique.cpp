// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// l'historique d'un autre programme, sans fenêtre : l'enfant des essais d'écritures simultanées, d'arrêt
// brutal, de dossier fermé et des deux exemplaires du programme. Un dernier argument
// « crochet=MOMENT:attendre » dit le moment venu et attend une ligne ; « crochet=MOMENT:tuer » s'y arrête net
#include "EnregistrementJeu.h"
#include "LignesEssai.h"

#include <QCoreApplication>
#include <QDir>

#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>

namespace {

int Echec(const THistoriqueJeux& historique, const QString& raison)
{
    std::fprintf(stderr, "Historique non enregistré dans \"%s\" : %s\n",
                 qPrintable(QDir::toNativeSeparators(historique.Chemin())), qPrintable(raison));
    return 1;
}

// dit qu'une étape est faite, puis attend la ligne qui permet la suivante
bool Etape(const char* texte)
{
    std::printf("%s\n", texte);
    std::fflush(stdout);
    std::string ligne;
    return static_cast<bool>(std::getline(std::cin, ligne));
}

void PoserCrochet(THistoriqueJeux& historique, const QString& argument)
{
    const QStringList moment = argument.mid(argument.indexOf(QLatin1Char('=')) + 1).split(QLatin1Char(':'));
    historique.PoserCrochet([attendu = moment.value(0).toStdString(), tuer = moment.value(1) == QLatin1String("tuer")](
                                const char* m) {
        if (attendu != m)
            return;
        if (tuer)
            std::raise(SIGKILL);
        Etape(m);
    });
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QStringList a = QCoreApplication::arguments();
    if (a.size() < 3) {
        std::fprintf(stderr, "enregistreur_historique jeux DOSSIER N | lecteur DOSSIER N | lire DOSSIER | "
                             "boucle DOSSIER | partie DOSSIER | jour DOSSIER | serie DOSSIER N [crochet=MOMENT:ACTION]\n");
        return 2;
    }
    THistoriqueJeux historique(a[2]);
    // le crochet d'une série ne vaut que pour son dernier jeu ; vide, aucun
    const QString crochet = a.size() > 3 && a.last().startsWith(QLatin1String("crochet")) ? a.takeLast() : QString();
    if (!crochet.isEmpty() && a[1] != QLatin1String("serie"))
        PoserCrochet(historique, crochet);
    TFichierIni fichier(QDir(a[2]).filePath(QStringLiteral("varnel.ini")));
    const int n = a.size() > 3 ? a[3].toInt() : 0;
    if (a[1] == QLatin1String("jeux")) {
        for (int i = 0; i < n; ++i)
            if (const std::optional<QString> raison = historique.Ajouter(LigneEssai(i)))
                return Echec(historique, *raison);
    } else if (a[1] == QLatin1String("lecteur")) {
        // une connexion gardée, qui lit entre les écritures des autres et écrit elle-même
        for (int i = 0; i < n; ++i) {
            QString erreur;
            historique.Lire(0, &erreur);
            if (!erreur.isEmpty())
                return Echec(historique, erreur);
            if (const std::optional<QString> raison = historique.Ajouter(LigneEssai(i)))
                return Echec(historique, *raison);
            if (!Etape("ecrit"))
                return 1;
        }
    } else if (a[1] == QLatin1String("lire")) {
        // les jeux lus, puis l'avis de l'ouverture, ou le titre et la raison de son échec
        const size_t lignes = historique.Lire().size();
        const bool ouvert = historique.Ouvrir();
        std::printf("%zu jeux, %s\n", lignes, !ouvert ? "non ouvert" : historique.LectureSeule() ? "lecture seule" : "écriture");
        std::printf("%s\n", qPrintable(historique.Avis()    ? historique.Avis()->Titre
                                        : ouvert           ? QString()
                                                           : TitreEchecHistorique(historique.DernierEchec()) + QStringLiteral(" : ") +
                                                     historique.Raison()));
        std::printf("ajout %s\n", historique.Ajouter(LigneEssai(0)) ? "refusé" : "fait");
    } else if (a[1] == QLatin1String("boucle")) {
        // des jeux finis enregistrés sans fin, comme par le programme : l'essai d'arrêt brutal
        for (int i = 0;; ++i)
            EnregistrerJeu(fichier, historique, JeuFini(LigneEssai(i)));
    } else if (a[1] == QLatin1String("partie")) {
        // un jeu fini à chaque ligne reçue : l'autre exemplaire du programme
        for (int i = 0; Etape("pret"); ++i) {
            const BilanEnregistrement bilan = EnregistrerJeu(fichier, historique, JeuFini(LigneEssai(i)));
            if (bilan.Historique || bilan.Statistiques)
                return Echec(historique, bilan.Historique.value_or(bilan.Statistiques.value_or(QString())));
        }
    } else if (a[1] == QLatin1String("jour")) {
        // le jeu du jour du 8 décembre 2026 fini : l'origine sous laquelle il compte
        LigneHistorique l = LigneEssai(0);
        l.Origine = OrigineJeu::Jour;
        l.JourDuJeu = 20261208;
        const BilanEnregistrement bilan = EnregistrerJeu(fichier, historique, JeuFini(l));
        if (bilan.Historique)
            return Echec(historique, *bilan.Historique);
        std::printf("%s\n", NomOrigine(bilan.Origine));
    } else if (a[1] == QLatin1String("serie")) {
        // une série commencée, puis N de ses jeux finis, comme par le programme
        LigneSerie serie{0, "2026-12-08T04:36:04Z", {NiveauJeu::Moyen, 0, 0, 0, std::nullopt, false}};
        if (const std::optional<QString> raison = historique.AjouterSerie(serie))
            return Echec(historique, *raison);
        for (int i = 0; i < n; ++i) {
            if (i == n - 1 && !crochet.isEmpty())
                PoserCrochet(historique, crochet);
            LigneHistorique l = LigneEssai(i);
            l.Points = 10;
            l.Serie = serie.Numero;
            const BilanEnregistrement bilan = EnregistrerJeu(fichier, historique, JeuFini(l));
            if (bilan.Historique)
                return Echec(historique, *bilan.Historique);
        }
    } else {
        return 2;
    }
    return 0;
}
