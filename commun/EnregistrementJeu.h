// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FichierIni.h"
#include "HistoriqueJeux.h"
#include "JeuFini.h"

#include <QString>

#include <optional>

class QWidget;

// un jeu fini atteint l'historique et les statistiques, ou peut y être rattrapé, une seule fois. La ligne
// s'écrit d'abord ; puis varnel.ini reçoit, sous son verrou et en une écriture, les montants de tous les
// jeux de l'historique qu'il ne compte pas encore (celui-ci compris) et le repère du dernier. Un jeu n'est
// compté que par l'écriture qui avance le repère au-delà de lui : ni deux fois, ni jamais, même avec deux
// programmes qui écrivent et un arrêt brutal entre les deux écritures. Sans ligne (historique impossible
// à écrire), les montants du jeu vont seuls dans varnel.ini

// ce qu'a donné l'enregistrement : chaque échec avec sa raison, et l'origine sous laquelle le jeu compte
struct BilanEnregistrement {
    std::optional<QString> Historique;  // la ligne n'a pas été écrite
    std::optional<QString> Statistiques;  // varnel.ini n'a pas été écrit
    // celle de la ligne écrite : proposé pour un jeu du jour dont la date avait déjà son premier essai dans
    // l'historique (fini par un autre exemplaire du programme) ; sans ligne écrite, celle du jeu
    OrigineJeu Origine = OrigineJeu::Aucune;
};

BilanEnregistrement EnregistrerJeu(TFichierIni& fichier, THistoriqueJeux& historique, const JeuFini& jeu);

// les jeux de l'historique que varnel.ini ne compte pas encore y sont ajoutés (au démarrage : un arrêt
// brutal entre les deux écritures) ; rien quand tout est d'accord ou qu'il n'y a pas d'historique, la
// raison d'un échec sinon
std::optional<QString> AccorderStatistiques(TFichierIni& fichier, THistoriqueJeux& historique);

// les mêmes pour les fenêtres : le curseur d'attente pendant les écritures, puis ce que l'ouverture de
// l'historique a à dire (une fois) et chaque échec dans sa boîte, « Historique non enregistré » et
// « Statistiques non enregistrées » ; un historique en lecture seule n'est dit que par l'avis. Ce que
// l'enregistrement a donné est rendu, pour dire qu'un jeu du jour a compté comme proposé
BilanEnregistrement EnregistrerJeuFini(QWidget* fenetre, TFichierIni& fichier, THistoriqueJeux& historique,
                                      const JeuFini& jeu);
void AccorderStatistiquesOuDire(QWidget* fenetre, TFichierIni& fichier, THistoriqueJeux& historique);
// l'avis de l'ouverture de l'historique (fichier mis de côté, lecture seule), la première fois seulement
void DireAvisHistorique(QWidget* fenetre, THistoriqueJeux& historique);
