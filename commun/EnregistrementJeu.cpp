// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "EnregistrementJeu.h"

#include "BoiteMessage.h"
#include "CurseurAttente.h"
#include "FichierIniFenetre.h"

#include <QDir>

#include <algorithm>

namespace {

// ce que le contenu lu de varnel.ini doit encore recevoir de l'historique
struct Retard {
    std::vector<LigneHistorique> Jeux;
    RepereHistorique Repere;  // le repère qui les comprend
    bool AEcrire = false;
};

// les jeux de l'historique que varnel.ini ne compte pas : ceux d'après la version 3 du fichier (les plus
// anciens ont été comptés à leur enregistrement), et d'après le repère quand il est celui de ce fichier.
// Sans repère de ce fichier alors qu'un varnel.ini en a déjà compté des jeux, varnel.ini a été effacé (les
// statistiques remises à zéro) ou vient d'ailleurs : les jeux déjà là n'y entrent pas, sauf jeuEnregistre
// (le numéro de la ligne qui vient d'être écrite, 0 au démarrage)
Retard JeuxEnRetard(const TFichierIni& fichier, THistoriqueJeux& historique, int64_t jeuEnregistre, QString& erreur)
{
    int64_t depuis = historique.DernierJeuDejaCompte();
    const std::optional<RepereHistorique> repere = fichier.LireRepere();
    if (repere && repere->Identifiant == historique.Identifiant())
        depuis = std::max(depuis, repere->DernierJeu);
    else if (historique.StatistiquesEcrites())
        depuis = std::max(depuis, jeuEnregistre > 0 ? jeuEnregistre - 1 : historique.DernierNumero());
    Retard retard;
    retard.Jeux = historique.Lire(depuis, &erreur);
    retard.Repere = {historique.Identifiant(), retard.Jeux.empty() ? depuis : retard.Jeux.back().Numero};
    // le repère posé d'emblée après une remise à zéro, pour que les jeux qui suivent s'y comptent
    retard.AEcrire = !retard.Jeux.empty() || (historique.StatistiquesEcrites() && repere != retard.Repere);
    return retard;
}

// les jeux de l'historique que varnel.ini ne compte pas encore y sont ajoutés, avec le repère du dernier
std::optional<QString> Accorder(TFichierIni& fichier, THistoriqueJeux& historique, int64_t jeuEnregistre)
{
    // d'abord sans le verrou : le plus souvent tout est d'accord, et rien n'attend un autre exemplaire
    QString erreur;
    if (!JeuxEnRetard(fichier, historique, jeuEnregistre, erreur).AEcrire && erreur.isEmpty())
        return std::nullopt;
    QString raison;
    const bool accorde = fichier.Modifier(
        [&](QString* pourquoi) {
            erreur.clear();
            const Retard retard = JeuxEnRetard(fichier, historique, jeuEnregistre, erreur);
            if (!erreur.isEmpty()) {
                *pourquoi = QStringLiteral("L'historique ne peut pas être lu (%1).").arg(erreur);
                return TFichierIni::Modification::Renoncer;
            }
            if (!retard.AEcrire)
                return TFichierIni::Modification::Rien;
            CumulsStat somme;
            for (const LigneHistorique& l : retard.Jeux)
                AjouterCumuls(somme, MontantsJeu(l));
            fichier.AjouterAuxCumuls(somme);
            fichier.EcrireRepere(retard.Repere);
            return TFichierIni::Modification::Ecrire;
        },
        &raison);
    if (!accorde)
        return raison;
    historique.MarquerStatistiquesEcrites();
    return std::nullopt;
}

}  // namespace

BilanEnregistrement EnregistrerJeu(TFichierIni& fichier, THistoriqueJeux& historique, const JeuFini& jeu)
{
    BilanEnregistrement bilan;
    bilan.Origine = jeu.Ligne.Origine;
    if (!historique.Ouvrir())
        bilan.Historique = historique.Raison();
    AjoutJeu ajout;
    if (!bilan.Historique && !historique.LectureSeule())
        bilan.Historique = historique.Ajouter(jeu.Ligne, &ajout);
    QString raison;
    // la ligne écrite, varnel.ini rattrape avec elle les jeux qu'il aurait manqués, tels que l'historique les
    // garde (un jeu du jour écrit comme proposé y compte comme tel)
    if (ajout.Numero > 0) {
        bilan.Origine = ajout.Origine;
        bilan.Statistiques = Accorder(fichier, historique, ajout.Numero);
    } else if (!fichier.AjouterCumuls(jeu.Cumuls, &raison)) {
        bilan.Statistiques = raison;
    }
    return bilan;
}

std::optional<QString> AccorderStatistiques(TFichierIni& fichier, THistoriqueJeux& historique)
{
    // un historique absent n'a rien à rattraper : il n'est pas créé pour si peu
    if (!historique.Existe() || !historique.Ouvrir() || historique.Identifiant() == 0)
        return std::nullopt;
    return Accorder(fichier, historique, 0);
}

void DireAvisHistorique(QWidget* fenetre, THistoriqueJeux& historique)
{
    if (const std::optional<AvisHistorique> avis = historique.AvisADire())
        AfficherMessage(fenetre, avis->Titre, avis->Texte);
}

namespace {

// un jeu dont la ligne est écrite sera rattrapé par le prochain enregistrement qui réussira
void DireStatistiquesNonEnregistrees(QWidget* fenetre, const TFichierIni& fichier, const QString& raison)
{
    DireFichierIniNonEcrit(fenetre, fichier, QStringLiteral("Statistiques non enregistrées"),
                           QStringLiteral("les statistiques"), raison);
}

}  // namespace

BilanEnregistrement EnregistrerJeuFini(QWidget* fenetre, TFichierIni& fichier, THistoriqueJeux& historique,
                                      const JeuFini& jeu)
{
    const BilanEnregistrement bilan = SousCurseurAttente([&] { return EnregistrerJeu(fichier, historique, jeu); });
    DireAvisHistorique(fenetre, historique);
    if (bilan.Historique)
        AfficherMessage(fenetre, QStringLiteral("Historique non enregistré"),
                        QStringLiteral("Le jeu n'a pas pu être ajouté à l'historique \"%1\" : %2.")
                            .arg(QDir::toNativeSeparators(historique.Chemin()), *bilan.Historique));
    if (bilan.Statistiques)
        DireStatistiquesNonEnregistrees(fenetre, fichier, *bilan.Statistiques);
    return bilan;
}

void AccorderStatistiquesOuDire(QWidget* fenetre, TFichierIni& fichier, THistoriqueJeux& historique)
{
    const std::optional<QString> raison = SousCurseurAttente([&] { return AccorderStatistiques(fichier, historique); });
    if (raison)
        DireStatistiquesNonEnregistrees(fenetre, fichier, *raison);
}
