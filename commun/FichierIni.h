// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "EmplacementFichierIni.h"
#include "Statistiques.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

// le repère de l'historique que tient varnel.ini : les jeux de cet historique jusqu'à DernierJeu sont dans
// les statistiques
struct RepereHistorique {
    int64_t Identifiant = 0;
    int64_t DernierJeu = 0;
    bool operator==(const RepereHistorique&) const = default;
};

// le fichier varnel.ini, lu en entier et réécrit en entier : les lignes que le programme ne connaît pas
// (autres sections, autres clés, commentaires) restent telles quelles ; les entiers sont en 64 bits.
// Seul un fichier ordinaire d'au plus 1 Mo est lu, sans jamais attendre (un tube ou un périphérique
// est refusé) ; une marque d'ordre UTF-8 est gardée, un fichier UTF-16 marqué est relu et réécrit en
// UTF-16 ; un fichier qui ne peut pas être lu n'est jamais remplacé
class TFichierIni {
public:
    // au-delà, un fichier de statistiques n'en est pas un : il est tenu pour illisible
    static constexpr qint64 TailleMaximale = 1024 * 1024;
    // l'attente du verrou qu'un autre exemplaire tient, avant de renoncer (la fenêtre attend avec elle)
    static constexpr int AttenteVerrouParDefautMs = 2000;

    explicit TFichierIni(QString chemin);

    const QString& Chemin() const { return chemin_; }
    // le dossier du fichier : ce que le programme garde d'autre vit à côté
    QString Dossier() const;

    // relit tout le fichier ; absent, il est vide ; faux s'il existe mais ne peut pas être lu (raison dans
    // RaisonIllisible()) : son contenu est alors vide, et aucun enregistrement ne le remplacera
    bool Lire();
    const QString& RaisonIllisible() const { return raisonIllisible_; }

    // entier décimal ou « 0x » hexadécimal ; clé absente ou valeur qui n'est pas un entier : défaut
    int64_t LireEntier(const QString& section, const QString& cle, int64_t defaut = 0) const;
    // remplace la valeur, ou ajoute la clé et la section qui manquent
    void EcrireEntier(const QString& section, const QString& cle, int64_t valeur);
    // les octets que le fichier contiendrait, marque d'ordre et codage d'origine compris
    QByteArray Contenu() const;
    // tout le fichier en une étape (fichier provisoire puis renommage) : un arrêt brutal laisse l'ancien
    // contenu ou le nouveau, jamais un mélange ; crée le dossier s'il manque ; un fichier remplacé garde
    // ses droits et son propriétaire ; un fichier sans droit d'écriture n'est pas remplacé, même par
    // l'administrateur ; faux avec la raison sinon
    bool Enregistrer(QString* raison = nullptr);

    // les dix-sept compteurs de la section Statistiques, 0 pour ceux qui manquent
    CumulsStat LireCumuls() const;
    // relit, ajoute les montants d'un jeu et réécrit sous un verrou, pour qu'un autre exemplaire
    // du programme n'efface pas ce jeu ; faux avec la raison si le fichier n'a pas pu être lu ou écrit
    // (il est alors intact)
    bool AjouterCumuls(const CumulsStat& jeu, QString* raison = nullptr);
    // ajoute des montants au contenu lu, sans écrire
    void AjouterAuxCumuls(const CumulsStat& jeu);

    // le repère de l'historique : quel fichier, et son dernier jeu que les statistiques comptent ; rien
    // quand le fichier n'en a pas (écrit avant qu'on le tienne)
    std::optional<RepereHistorique> LireRepere() const;
    void EcrireRepere(const RepereHistorique& repere);

    // ce que fait une modification du contenu relu sous le verrou
    enum class Modification { Ecrire, Rien, Renoncer };
    // prend le verrou, relit le fichier, applique la modification (qui dit s'il faut écrire, ou pourquoi
    // renoncer) et réécrit ; faux avec la raison si le fichier n'a pas pu être lu ou écrit, ou si la
    // modification a renoncé (le fichier est alors intact)
    bool Modifier(const std::function<Modification(QString* raison)>& modification, QString* raison = nullptr);

    // une option entière du contenu lu ; absente, illisible ou qui n'est pas un entier : rien
    std::optional<int64_t> LireOption(const QString& section, const QString& cle) const;
    // écrit une option comme les statistiques : relue, changée et réécrite sous le verrou, tout le reste
    // du fichier gardé ; faux avec la raison si le fichier n'a pas pu être lu ou écrit (il est alors intact)
    bool EcrireOption(const QString& section, const QString& cle, int64_t valeur, QString* raison = nullptr);
    // une option de texte du contenu lu (UTF-8, sans les blancs autour) ; absente : rien
    std::optional<QString> LireTexte(const QString& section, const QString& cle) const;
    // l'écrit comme EcrireOption ; le texte tient sur une ligne (les retours à la ligne deviennent des blancs)
    bool EcrireTexte(const QString& section, const QString& cle, const QString& texte, QString* raison = nullptr);
    // le temps limite du joueur, en secondes ; 0 (sans limite) pour une valeur absente, illisible ou
    // qui n'est pas l'un des choix permis
    int TempsLimite() const;
    // faux, sans rien écrire, pour une valeur qui n'est pas l'un des choix permis
    bool ChoisirTempsLimite(int secondes, QString* raison = nullptr);

    // le contenu lu devient le fichier destination, sous le verrou de celle-ci, seulement si elle n'existe
    // pas encore ; faux si ce fichier n'a pas pu être lu, ou la copie écrite
    bool CopierSiAbsent(const QString& destination, QString* raison = nullptr) const;

    // le verrou vit à côté du fichier, sous un autre nom que celui de QSettings (« .lock »)
    QString CheminVerrou() const;
    int AttenteVerrouMs() const { return attenteVerrouMs_; }
    void ChoisirAttenteVerrou(int ms) { attenteVerrouMs_ = ms; }

private:
    bool ModifierSousVerrou(const std::function<void()>& modification, QString* raison);
    // remplace la valeur (texte déjà écrit), ou ajoute la clé et la section qui manquent
    void EcrireValeur(const QString& section, const QString& cle, const QByteArray& valeur);
    int TrouverSection(const QByteArray& section) const;
    int TrouverCle(int section, const QByteArray& cle) const;
    int FinSection(int section) const;

    enum class Codage { Utf8, Utf8AvecMarque, Utf16LE, Utf16BE };

    QString chemin_;
    QList<QByteArray> lignes_{QByteArray()};  // texte en UTF-8 (ou les octets tels quels), sans marque
    bool crlf_ = false;  // fins de ligne du fichier lu, gardées pour les lignes ajoutées
    Codage codage_ = Codage::Utf8;
    QString raisonIllisible_;
    int attenteVerrouMs_ = AttenteVerrouParDefautMs;
};

inline const QString SectionStatistiques = QStringLiteral("Statistiques");
inline const QString SectionOptions = QStringLiteral("Options");
inline const QString CleTempsLimite = QStringLiteral("TempsLimite");
// les noms des deux joueurs du dernier match à deux, dans l'ordre des annonces
inline const QString CleNomJoueur1 = QStringLiteral("NomJoueur1");
inline const QString CleNomJoueur2 = QStringLiteral("NomJoueur2");
inline const QString SectionHistorique = QStringLiteral("Historique");

// supprime, à côté du fichier, les fichiers provisoires que des enregistrements tués ont laissés
// (« varnel.ini.provisoire-1a2b3c4d », et « varnel.ini.AbCdEf » des versions précédentes) : plus vieux
// qu'une minute, et seulement si le verrou est libre ; rend le nombre de fichiers supprimés
int SupprimerProvisoiresFichierIni(const QString& chemin);
