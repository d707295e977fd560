// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Historique.h"

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QSqlQuery;

// ce qu'il faut dire à l'utilisateur après l'ouverture de l'historique
struct AvisHistorique {
    QString Titre;
    QString Texte;
};

// l'historique des jeux : le fichier historique.sqlite, à côté du varnel.ini en service. Chaque objet a sa
// propre connexion ; deux exemplaires du programme peuvent écrire en même temps (journal WAL, attente du verrou)
// et chaque ajout est une transaction : un arrêt brutal laisse des lignes entières. Un fichier qui n'est pas
// une base SQLite ou qui échoue à la vérification d'intégrité n'est jamais écrasé : il est renommé
// « historique.sqlite.illisible-<date> » et un nouvel historique commence ; un fichier d'une version plus
// récente du programme est ouvert en lecture seule
class THistoriqueJeux {
public:
    // 1 : la table des jeux ; 2 : la table des réglages (place de la fenêtre)
    static constexpr int VersionSchema = 2;
    static QString CheminDansLeDossier(const QString& dossier);

    // ouvre (ou crée, ou met à jour) historique.sqlite dans ce dossier
    explicit THistoriqueJeux(const QString& dossier);
    ~THistoriqueJeux();
    THistoriqueJeux(const THistoriqueJeux&) = delete;
    THistoriqueJeux& operator=(const THistoriqueJeux&) = delete;

    const QString& Chemin() const { return chemin_; }
    // les jeux se lisent ; sinon Raison() dit pourquoi
    bool Ouvert() const { return base_.isOpen(); }
    // les jeux se lisent mais ne s'ajoutent pas (fichier d'une version plus récente, ou dossier fermé)
    bool LectureSeule() const { return lectureSeule_; }
    // pourquoi on ne peut pas écrire (ou lire) ; vide quand tout va bien
    const QString& Raison() const { return raison_; }
    // ce qui s'est passé à l'ouverture et que l'utilisateur doit savoir : fichier mis de côté, version plus récente
    const std::optional<AvisHistorique>& Avis() const { return avis_; }
    // le nom du fichier illisible mis de côté, vide sinon
    const QString& FichierMisDeCote() const { return misDeCote_; }
    int VersionFichier() const { return versionFichier_; }

    // ajoute un jeu, en une transaction ; rend la raison de l'échec, rien quand le jeu est enregistré
    std::optional<QString> Ajouter(const LigneHistorique& ligne);
    // tous les jeux, les plus récents d'abord ; erreur : la raison d'un échec de lecture
    std::vector<LigneHistorique> Lire(QString* erreur = nullptr) const;

    // petits réglages de la fenêtre de l'historique, gardés dans l'historique même
    std::optional<QByteArray> LireReglage(const QString& cle) const;
    std::optional<QString> EcrireReglage(const QString& cle, const QByteArray& valeur);

private:
    bool OuvrirConnexion(bool lectureSeule);
    void FermerConnexion();
    bool Preparer();
    bool MettreDeCote(const QString& pourquoi);
    bool MettreAJour();
    // toute écriture passe ici, refusée d'emblée quand l'historique ne s'écrit pas ; la raison d'un échec
    std::optional<QString> Transaction(const std::function<bool(QSqlQuery&)>& ecrire);

    QString chemin_;
    QString nomConnexion_;
    QSqlDatabase base_;
    bool lectureSeule_ = false;
    int versionFichier_ = 0;
    QString raison_;
    QString misDeCote_;
    std::optional<AvisHistorique> avis_;
};

// la date et l'heure présentes en temps universel, ISO 8601 à la seconde : « 2026-12-08T04:36:04Z »
std::string MaintenantUtc();
