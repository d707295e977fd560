// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

// où vit varnel.ini. Un programme installé (sa page d'aide est dans ../share/varnel/) le garde dans
// $XDG_CONFIG_HOME/varnel/ (~/.config/varnel/), quels que soient les droits sur son dossier : rien n'est
// écrit sous /usr. Un programme lancé de son propre dossier (dossier de construction, copie emportée)
// le garde à côté de lui quand ce dossier peut être écrit (ses statistiques le suivent), sinon dans
// le dossier de configuration
QString EmplacementFichierIni(const QString& dossierProgramme);
// le dossier où vit varnel.ini : ce que le programme garde d'autre (l'historique) vit à côté
QString DossierFichierIni(const QString& dossierProgramme);

// un programme installé : il ne trouve sa page d'aide que dans ../share/varnel/
bool ProgrammeInstalle(const QString& dossierProgramme);

// au démarrage : l'emplacement du fichier, après avoir repris les totaux laissés à côté d'un programme
// dont le dossier ne peut plus être écrit (le fichier de configuration commence comme leur copie,
// s'il n'existe pas encore) et supprimé les restes d'enregistrements tués
QString PreparerFichierIni(const QString& dossierProgramme);

// la vérification « peut-on écrire dans ce dossier ? », remplaçable par les tests (root écrit partout) ;
// une fonction vide remet la vraie
void RemplacerVerificationDossier(std::function<bool(const QString&)> verification);
