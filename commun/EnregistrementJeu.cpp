// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "EnregistrementJeu.h"

#include "BoiteMessage.h"
#include "CurseurAttente.h"
#include "FichierIniFenetre.h"

#include <QDir>

#include <algorithm>

BilanEnregistrement EnregistrerJeu(TFichierIni& fichier, THistoriqueJeux& historique, const JeuFini& jeu)
{
    BilanEnregistrement bilan;
    if (!historique.Ouvrir())
        bilan.Historique = historique.Raison();
    else if (!historique.LectureSeule())
        bilan.Historique = historique.Ajouter(jeu.Ligne);
    bilan.LigneEcrite = historique.Ouvrir() && !historique.LectureSeule() && !bilan.Historique;
    QString raison;
    if (bilan.LigneEcrite) {
        bilan.Statistiques = AccorderStatistiques(fichier, historique);
    } else if (!fichier.AjouterCumuls(jeu.Cumuls, &raison)) {
        bilan.Statistiques = raison;
    }
    return bilan;
}

namespace {

// les jeux de l'historique que le contenu lu de varnel.ini ne compte pas : ceux d'après la version 3 du
// fichier (les plus anciens étaient comptés à leur enregistrement), et d'après le repère quand il est celui
// de ce fichier (un autre historique n'a rien de compté ici)
std::vector<LigneHistorique> JeuxEnRetard(const TFichierIni& fichier, THistoriqueJeux& historique, QString& erreur)
{
    int64_t depuis = historique.DernierJeuDejaCompte();
    const std::optional<RepereHistorique> repere = fichier.LireRepere();
    if (repere && repere->Identifiant == historique.Identifiant())
        depuis = std::max(depuis, repere->DernierJeu);
    return historique.Lire(depuis, &erreur);
}

}  // namespace

std::optional<QString> AccorderStatistiques(TFichierIni& fichier, THistoriqueJeux& historique)
{
    // un historique absent n'a rien à rattraper : il n'est pas créé pour si peu
    if (!historique.Existe() || !historique.Ouvrir() || historique.Identifiant() == 0)
        return std::nullopt;
    // d'abord sans le verrou : le plus souvent tout est d'accord, et rien n'attend un autre exemplaire
    QString erreur;
    if (JeuxEnRetard(fichier, historique, erreur).empty() && erreur.isEmpty())
        return std::nullopt;
    QString raison;
    const bool accorde = fichier.Modifier(
        [&](QString* pourquoi) {
            erreur.clear();
            const std::vector<LigneHistorique> enRetard = JeuxEnRetard(fichier, historique, erreur);
            if (!erreur.isEmpty()) {
                *pourquoi = QStringLiteral("L'historique ne peut pas être lu (%1).").arg(erreur);
                return TFichierIni::Modification::Renoncer;
            }
            if (enRetard.empty())
                return TFichierIni::Modification::Rien;
            CumulsStat somme;
            for (const LigneHistorique& l : enRetard)
                AjouterCumuls(somme, MontantsJeu(l));
            fichier.AjouterAuxCumuls(somme);
            fichier.EcrireRepere({historique.Identifiant(), enRetard.back().Numero});
            return TFichierIni::Modification::Ecrire;
        },
        &raison);
    return accorde ? std::nullopt : std::optional<QString>(raison);
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

void EnregistrerJeuFini(QWidget* fenetre, TFichierIni& fichier, THistoriqueJeux& historique, const JeuFini& jeu)
{
    BilanEnregistrement bilan;
    {
        const CurseurAttente attente;
        bilan = EnregistrerJeu(fichier, historique, jeu);
    }
    DireAvisHistorique(fenetre, historique);
    if (bilan.Historique)
        AfficherMessage(fenetre, QStringLiteral("Historique non enregistré"),
                        QStringLiteral("Le jeu n'a pas pu être ajouté à l'historique \"%1\" : %2.")
                            .arg(QDir::toNativeSeparators(historique.Chemin()), *bilan.Historique));
    if (bilan.Statistiques)
        DireStatistiquesNonEnregistrees(fenetre, fichier, *bilan.Statistiques);
}

void AccorderStatistiquesOuDire(QWidget* fenetre, TFichierIni& fichier, THistoriqueJeux& historique)
{
    std::optional<QString> raison;
    {
        const CurseurAttente attente;
        raison = AccorderStatistiques(fichier, historique);
    }
    if (raison)
        DireStatistiquesNonEnregistrees(fenetre, fichier, *raison);
}
