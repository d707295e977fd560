// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Historique.h"
#include "Records.h"
#include "RecordsMatchs.h"

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QSqlError;
class QSqlQuery;
class QVariant;
struct sqlite3;

// ce qu'il faut dire à l'utilisateur après l'ouverture de l'historique
struct AvisHistorique {
    QString Titre;
    QString Texte;
};

// pourquoi l'historique n'a pas pu être lu ou écrit, chaque genre avec son titre
enum class GenreEchec {
    Aucun,
    Illisible,           // pas une base SQLite, ou endommagé
    VersionPlusRecente,  // ce que ce programme lit n'est plus dans le fichier
    Verrouille,          // un autre programme garde le verrou
    DisquePlein,
    Inaccessible,        // droits, dossier, journal qu'on ne peut pas lire
};
// « Historique illisible », « Historique d'une version plus récente », « Historique verrouillé »,
// « Disque plein », « Historique inaccessible »
QString TitreEchecHistorique(GenreEchec genre);

// ce qu'a écrit l'ajout d'un jeu : son numéro, et son origine. Un jeu du jour dont la date a déjà son premier
// essai dans l'historique (un autre exemplaire du programme l'a fini avant) est écrit comme proposé
struct AjoutJeu {
    int64_t Numero = 0;
    OrigineJeu Origine = OrigineJeu::Aucune;
};

// l'historique des jeux : le fichier historique.sqlite, à côté du varnel.ini en service. Le programme n'en a
// qu'un, donc une seule connexion, ouverte au premier besoin et gardée jusqu'à la fin : fermer un autre
// descripteur du fichier ferait perdre à SQLite ses verrous, et un autre exemplaire du programme pourrait
// alors vider le journal sous cette connexion. Deux exemplaires écrivent en même temps (journal WAL, attente
// du verrou) ; chaque ajout est une transaction. Un fichier qui n'est pas une base SQLite ou qui échoue à la
// vérification d'intégrité n'est jamais écrasé : il est renommé « historique.sqlite.illisible-<date> », ses
// journaux avec lui, et un nouvel historique commence ; la vérification se fait sous un verrou de lecture,
// et il faut qu'elle échoue deux fois de suite. Un fichier d'une version plus récente, sans droit d'écriture
// ou dans un dossier fermé (même pour root) est lu sans être écrit. Un verrou qu'un autre programme garde est
// attendu une fois ; ensuite, jusqu'au premier accès réussi, un instant seulement
class THistoriqueJeux {
public:
    // 1 : la table des jeux ; 2 : la table des réglages (place de la fenêtre) ; 3 : ce qu'un jeu ajoute aux
    // statistiques, l'identifiant du fichier et le dernier jeu que les statistiques comptaient déjà ; 4 : le
    // niveau de chaque jeu ; 5 : la date d'un jeu du jour ; 6 : les points de chaque jeu, et les séries de dix
    // jeux, chaque jeu lié à la sienne ; 7 : le jeu du jour d'une date et les jeux d'une série trouvés sans
    // tout lire (index), et les séries restées en retard sur leurs jeux refaites de ceux-ci
    // 8 : les matchs, chaque jeu d'un match lié au sien
    static constexpr int VersionSchema = 8;
    static QString CheminDansLeDossier(const QString& dossier);

    // rien n'est ouvert avant le premier besoin
    explicit THistoriqueJeux(const QString& dossier);
    ~THistoriqueJeux();
    THistoriqueJeux(const THistoriqueJeux&) = delete;
    THistoriqueJeux& operator=(const THistoriqueJeux&) = delete;

    const QString& Chemin() const { return chemin_; }
    // le fichier est là (l'ouvrir n'en crée pas un)
    bool Existe() const;
    // ouvre (ou crée, ou met à jour) le fichier s'il ne l'est pas déjà, ou de nouveau après un échec ; vrai
    // quand les jeux se lisent, sinon Raison() dit pourquoi
    bool Ouvrir();
    // les jeux se lisent mais ne s'ajoutent pas
    bool LectureSeule() const { return lectureSeule_; }
    // pourquoi on ne peut pas écrire (ou lire) ; vide quand tout va bien
    const QString& Raison() const { return raison_; }
    // le genre du dernier échec, à l'ouverture ou après
    GenreEchec DernierEchec() const { return genre_; }
    // ce qui s'est passé à l'ouverture et que l'utilisateur doit savoir : fichier mis de côté, lecture seule
    const std::optional<AvisHistorique>& Avis() const { return avis_; }
    // le même avis, rendu une seule fois par exécution
    std::optional<AvisHistorique> AvisADire();
    // le nom du fichier illisible mis de côté, vide sinon
    const QString& FichierMisDeCote() const { return misDeCote_; }
    int VersionFichier() const { return versionFichier_; }
    // ce qui distingue ce fichier de tout autre historique (0 avant la version 3), et le dernier jeu que les
    // statistiques comptaient déjà quand le fichier y est passé
    int64_t Identifiant() const { return identifiant_; }
    int64_t DernierJeuDejaCompte() const { return dejaCompte_; }
    // un varnel.ini a déjà compté des jeux de ce fichier ; l'être est noté une fois pour toutes
    bool StatistiquesEcrites() const { return statistiquesEcrites_; }
    void MarquerStatistiquesEcrites();
    // le numéro du jeu le plus récent, 0 sans jeu
    int64_t DernierNumero();

    // ajoute un jeu, en une transaction ; rend la raison de l'échec, rien quand le jeu est enregistré (ce qui
    // est écrit dans ajout). Dans la même transaction : un jeu du jour dont la date a déjà son premier essai est
    // écrit comme proposé, sans date de jeu du jour ; le bilan de la série d'un jeu de série est refait de ses
    // jeux (BilanDesJeux), si bien qu'une série n'est jamais en retard sur ses jeux
    std::optional<QString> Ajouter(const LigneHistorique& ligne, AjoutJeu* ajout = nullptr);
    // les jeux de numéro plus grand que apres, les plus anciens d'abord ; erreur : la raison d'un échec ;
    // origine : ceux de cette origine seulement
    std::vector<LigneHistorique> Lire(int64_t apres = 0, QString* erreur = nullptr,
                                      std::optional<OrigineJeu> origine = std::nullopt);

    // une série de dix jeux qui commence, telle quelle (son bilan, d'ordinaire vide, suivra ses jeux), son
    // numéro posé ; en une transaction. La raison d'un échec, rien quand elle est enregistrée
    std::optional<QString> AjouterSerie(LigneSerie& serie);
    // toutes les séries, les plus anciennes d'abord, sans celles d'un niveau que ce programme ne connaît pas ;
    // erreur : la raison d'un échec
    std::vector<LigneSerie> LireSeries(QString* erreur = nullptr);

    // un match qui commence, son numéro posé ; puis son bilan après chaque tirage (sa date reste celle de son
    // début) ; chacun en une transaction. La raison d'un échec, rien quand il est enregistré
    std::optional<QString> AjouterMatch(LigneMatch& match);
    std::optional<QString> GarderMatch(const LigneMatch& match);
    // tous les matchs, les plus anciens d'abord, sans ceux qu'une autre version décrirait autrement ; erreur :
    // la raison d'un échec
    std::vector<LigneMatch> LireMatchs(QString* erreur = nullptr);
    // pour les essais : appelé là où un arrêt net ou un autre programme doit tomber juste, avec le nom du
    // moment : « ligne » (la ligne d'un jeu écrite, sa transaction pas encore finie), « verification » (le
    // verrou de lecture de la vérification d'intégrité pris, la vérification pas encore faite)
    void PoserCrochet(std::function<void(const char* moment)> crochet) { crochet_ = std::move(crochet); }

    // petits réglages de la fenêtre de l'historique, gardés dans l'historique même
    std::optional<QByteArray> LireReglage(const QString& cle);
    std::optional<QString> EcrireReglage(const QString& cle, const QByteArray& valeur);

private:
    enum class Issue { Ouvert, MisDeCote, Echec };
    Issue Verifier(bool ecriture);
    bool VerifierSousVerrou(QString& illisible);
    bool OuvrirConnexion(bool lectureSeule);
    void FermerConnexion();
    bool Preparer(bool ecriture);
    bool MettreDeCote(const QString& pourquoi);
    bool MettreAJour();
    void LireIdentite();
    void PasserEnLectureSeule(const QString& raison, const AvisHistorique& avis);
    sqlite3* Sqlite();
    // toute écriture passe ici, refusée d'emblée quand l'historique ne s'écrit pas ; la raison d'un échec
    std::optional<QString> Transaction(const std::function<bool(QSqlQuery&)>& ecrire);
    // dans une transaction : les jeux de cette condition (un paramètre), et le bilan d'une série refait des siens
    bool LireDansLaTransaction(QSqlQuery& q, const QString& condition, const QVariant& parametre,
                               std::vector<LigneHistorique>& lignes);
    bool RefaireBilanSerie(QSqlQuery& q, int64_t serie);
    bool RattraperSeries(QSqlQuery& q);
    // la raison d'un échec de SQLite, son genre noté ; un verrou attendu en vain ne l'est plus qu'un instant
    // jusqu'à AccesReussi
    QString Echec(const QSqlError& e);
    QString Echec(GenreEchec genre, const QString& raison);
    void AccesReussi();
    void Crochet(const char* moment) const;

    QString chemin_;
    QString nomConnexion_;
    QSqlDatabase base_;
    sqlite3* sqlite_ = nullptr;
    bool sqliteVerifie_ = false;
    bool lectureSeule_ = false;
    // lu sans verrou : sans droit d'écriture, ou dans un dossier fermé (où aucun journal ne se crée)
    bool fige_ = false;
    bool verrouTenuAilleurs_ = false;
    GenreEchec genre_ = GenreEchec::Aucun;
    std::function<void(const char*)> crochet_;
    int versionFichier_ = 0;
    int64_t identifiant_ = 0;
    int64_t dejaCompte_ = 0;
    bool statistiquesEcrites_ = false;
    QString raison_;
    QString misDeCote_;
    std::optional<AvisHistorique> avis_;
    bool avisDit_ = false;
};
