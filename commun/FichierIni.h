// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Statistiques.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

// le fichier varnel.ini, lu en entier et réécrit en entier : les lignes que le programme ne connaît pas
// (autres sections, autres clés, commentaires) restent telles quelles ; les entiers sont en 64 bits
class TFichierIni {
public:
    explicit TFichierIni(QString chemin);

    const QString& Chemin() const { return chemin_; }

    // relit tout le fichier ; absent, il est vide ; faux s'il existe mais ne peut pas être lu
    bool Lire();
    // entier décimal ou « 0x » hexadécimal ; clé absente ou valeur qui n'est pas un entier : défaut
    int64_t LireEntier(const QString& section, const QString& cle, int64_t defaut = 0) const;
    // remplace la valeur, ou ajoute la clé et la section qui manquent
    void EcrireEntier(const QString& section, const QString& cle, int64_t valeur);
    QByteArray Contenu() const { return lignes_.join('\n'); }
    // tout le fichier en une étape (fichier temporaire puis renommage) : un arrêt brutal laisse
    // l'ancien contenu ou le nouveau, jamais un mélange ; crée le dossier s'il manque
    bool Enregistrer();

    // les dix-sept compteurs de la section Statistiques, 0 pour ceux qui manquent
    CumulsStat LireCumuls() const;
    // relit, ajoute les montants d'un jeu et réécrit sous un verrou, pour qu'un autre exemplaire
    // du programme n'efface pas ce jeu ; faux si le fichier n'a pas pu être lu ou écrit (il est alors intact)
    bool AjouterCumuls(const CumulsStat& jeu);

    // le verrou vit à côté du fichier, sous un autre nom que celui de QSettings (« .lock »)
    QString CheminVerrou() const { return chemin_ + QStringLiteral(".verrou"); }

private:
    int TrouverSection(const QByteArray& section) const;
    int TrouverCle(int section, const QByteArray& cle) const;
    int FinSection(int section) const;

    QString chemin_;
    QList<QByteArray> lignes_{QByteArray()};
    bool crlf_ = false;  // fins de ligne du fichier lu, gardées pour les lignes ajoutées
};

inline const QString SectionStatistiques = QStringLiteral("Statistiques");

// où vit varnel.ini : dans le dossier du programme si l'on peut y écrire (un programme porté sur une clé
// garde ses statistiques avec lui), sinon dans $XDG_CONFIG_HOME/varnel/ (~/.config/varnel/)
QString EmplacementFichierIni(const QString& dossierProgramme);

// la vérification « peut-on écrire dans ce dossier ? », remplaçable par les tests (root écrit partout) ;
// une fonction vide remet la vraie
void RemplacerVerificationDossier(std::function<bool(const QString&)> verification);
