// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ExecutionRecherche.h"
#include "FichierIni.h"
#include "Partie.h"
#include "ResumeJour.h"
#include "RechercheCalculs.h"
#include "Serie.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class ChoixTempsLimite;
class QAction;
class QLabel;
class QMenu;
class QToolButton;
class SaisieChronometree;
class THistoriqueJeux;
class TfrmHistorique;
class TfrmInfoSolutions;
class TfrmStatistiques;
class VueJeu;

namespace Ui {
class TfrmMain;
}

// la fenêtre principale : elle montre la partie en cours (Partie), tient les commandes et ouvre les autres
// fenêtres ; chaque gestionnaire fait un appel à la partie, puis repeint et met à jour les commandes
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    // arguments : ceux de la ligne de commande, sans le nom du programme
    explicit TfrmMain(QStringList arguments = {}, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // la partie montrée, et le record du jeu et de la dernière recherche qu'elle tient
    const Partie& Jeu() const { return partie_; }
    DonneesRecherche& Donnees() { return partie_.Donnees(); }
    const DonneesRecherche& Donnees() const { return partie_.Donnees(); }
    QTimer& MinuterieAnimation() { return TimerAnimation; }
    // une graine fixe au lieu de l'heure, pour rejouer un tirage
    void ImposerGraine(unsigned graine) { graineImposee_ = graine; }
    // une date fixe au lieu de celle du calendrier de la machine, pour jouer le jeu d'un jour donné
    void ImposerDate(DateJour date) { dateImposee_ = date; }
    // la date du jour pour tout le programme : celle du calendrier, à l'heure locale, ou la date imposée
    DateJour Aujourdhui() const;

    void ReinitialiserJeu();
    // l'inventaire de tous les comptes, avec les mêmes crochets que toute recherche
    void ExecuterRechercheTousComptes(const Progression& progression);
    void RepeindreFenetre();

    // géométrie partagée par le bandeau et les marques
    int LargeurExterieure() const;
    int GaucheCase(int i) const;

    QString TexteStatut(int panneau) const;

    // le fichier des statistiques ; un autre chemin que celui du programme, pour un essai
    const TFichierIni& Fichier() const { return *fichierIni_; }
    void UtiliserFichierIni(const QString& chemin);
    // les fenêtres des deux boutons bascule, quand elles sont ouvertes
    TfrmInfoSolutions* FenetreInfoSolutions() const { return fenetreInfoSolutions_.get(); }
    TfrmStatistiques* FenetreStatistiques() const { return fenetreStatistiques_.get(); }
    // la fenêtre de l'historique quand elle est ouverte, nul sinon
    TfrmHistorique* FenetreHistorique() const;
    // ajoute le jeu aux statistiques et à l'historique quand la partie le demande : une seule fois par jeu tiré au sort
    // ou proposé, une fois résolu et le calcul du joueur fini
    void EnregistrerStatistiques();
    // un jeu de l'historique repris comme un compte proposé, puis la saisie du calcul
    void RejouerJeu(const SixEntiers& plaques, int32_t but);
    // la série de dix jeux en cours, nulle hors d'une série
    const Serie* SerieEnCours() const { return serie_.get(); }

public slots:
    void RubriqueCompteTireAuSortClick();
    void RubriqueTireAuSortAvecClick(int nbGrandes);
    void RubriqueTireAuSortDeNiveauClick(NiveauJeu niveau);
    void RubriqueSerieClick(NiveauSerie niveau);
    void RubriqueJeuSuivantClick();
    void TimerAnimationTimer();
    void RubriqueCompteProposeClick();
    void RubriqueJeuDuJourClick();
    void RubriqueDuSimpleAuTorduClick();
    void RubriqueDuTorduAuSimpleClick();
    void SpeedButtonCalcClick();
    void BitBtnPrmSolClick();
    void BitBtnSolPrcClick();
    void BitBtnSolSvtClick();
    void BitBtnDrnSolClick();
    void RubriqueUtilisant2PlaquesClick(QAction* rubrique);
    void SpeedButtonInfoClick();
    void SpeedButtonStatsClick();
    void RubriqueAProposClick();
    void RubriqueSolutionsTousComptesClick();
    void RubriqueAideClick();
    void RubriqueHistoriqueClick();
    void RubriquePasAPasClick();
    void RubriqueCommentClick();

protected:
    void showEvent(QShowEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;
    void moveEvent(QMoveEvent* evenement) override;

private:
    void FormCreate();
    void FormShow();
    void FormClose();
    void FormDestroy();
    void LireLigneCommande();

    void CreerBarreOutils();
    void CreerBarreEtat();
    void NumeroterRubriques();
    void RelierCommandes();
    void RelierSolutions(QAction* rubrique, std::function<void()> gestionnaire);
    // la rubrique cochable d'un bouton bascule : l'une déclenchée, l'autre suit
    void RelierBascule(QAction* rubrique, QToolButton* bouton);

    void MajAffichageSolution();
    void MajBoutonsNavigation();

    // l'activation de toutes les commandes du jeu, d'après la phase de la partie
    void MajCommandes();
    // après tout changement de la partie : commandes, puis la fenêtre repeinte
    void Actualiser();
    CrochetsRecherche CrochetsFenetre();
    bool SolutionsPermises() const;
    std::array<QAction*, 5> RubriquesUtilisant() const;
    std::array<QAction*, 5> RubriquesTireAuSortAvec() const;
    // le sous-menu « Tiré au sort de niveau », fait de la table des niveaux qu'on peut demander
    void CreerTirageDeNiveau();
    // le sous-menu « Série de 10 jeux », fait de la table des choix de série, et « Jeu suivant »
    void CreerSerie();
    // « Pas à pas » et « Comment l'aurais-je trouvé ? », après le parcours des solutions
    void CreerRubriquesMethodes();
    void MajCommandesSerie(bool compte);

    // tout début d'un jeu hors de la série : permis dans la phase, et la série en cours abandonnée avec
    // l'accord du joueur quand elle a des jeux joués ; faux sinon
    bool AutreJeuPermis();
    bool AbandonnerSerie();
    // après chaque jeu de la série : où elle en est dans la barre d'état, et son bilan après le dernier
    void SuivreSerie();
    // le jeu fini écrit dans varnel.ini et l'historique ; faux s'il n'y avait rien à écrire
    bool EcrireJeuFini();
    void MajFenetreHistorique();
    void MontrerSerie();

    // commencer : le tirage demandé à la partie ; l'animation suit
    void LancerTirage(const std::function<void()>& commencer);
    // une flèche du parcours des solutions
    void Parcourir(void (Partie::*aller)());
    void Resoudre(uint8_t ordre);
    void OuvrirSaisieCalcul();
    // le jeu du jour fini : résolu (il compte alors, une fois), puis sa boîte de résumé
    void FinirJeuDuJour();
    // les jeux du jour de l'historique, dans l'ordre d'enregistrement
    std::vector<ResultatJour> JeuxDuJourJoues();
    // le temps limite et son sous-menu, la saisie du joueur avec son temps dans la barre d'état
    void CreerTempsLimite();
    void LireOptions();
    // l'historique à côté du varnel.ini en service, et les jeux qu'un arrêt brutal aurait laissés hors des
    // statistiques
    void OuvrirHistorique();
    // les commandes à raccourci, qui agissent aussi depuis la fenêtre de l'historique
    QList<QAction*> Raccourcis() const;

    std::unique_ptr<Ui::TfrmMain> ui;
    QStringList arguments_;
    bool dejaMontree_ = false;

    std::optional<unsigned> graineImposee_;
    std::optional<DateJour> dateImposee_;
    Partie partie_;
    std::unique_ptr<VueJeu> vue_;
    std::unique_ptr<TFichierIni> fichierIni_;
    // la seule connexion du programme à l'historique : enregistrement des jeux et fenêtre de l'historique
    std::unique_ptr<THistoriqueJeux> historique_;
    // les fenêtres des deux boutons bascule : elles n'existent que bouton enfoncé
    std::unique_ptr<TfrmInfoSolutions> fenetreInfoSolutions_;
    std::unique_ptr<TfrmStatistiques> fenetreStatistiques_;
    QTimer TimerAnimation;
    std::unique_ptr<ChoixTempsLimite> choixTempsLimite_;
    QMenu* MenuTireAuSortDeNiveau = nullptr;
    QMenu* MenuSerie = nullptr;
    QAction* RubriqueJeuSuivant = nullptr;
    QAction* RubriquePasAPas = nullptr;
    QAction* RubriqueComment = nullptr;
    // la ligne du sous-menu qui dit le temps de chaque jeu d'une série
    QAction* RubriqueTempsSerie = nullptr;
    std::unique_ptr<Serie> serie_;
    // la barre d'état parle de la série (en cours, ou finie et pas encore suivie d'un autre jeu)
    bool serieMontree_ = false;
    std::unique_ptr<SaisieChronometree> saisieJoueur_;
    // détruite à sa fermeture : le pointeur gardé se vide alors de lui-même
    QPointer<TfrmHistorique> fenetreHistorique_;

    QToolButton* BitBtnPrmSol = nullptr;
    QToolButton* BitBtnSolPrc = nullptr;
    QToolButton* BitBtnSolSvt = nullptr;
    QToolButton* BitBtnDrnSol = nullptr;
    QToolButton* SpeedButtonCalc = nullptr;
    QToolButton* SpeedButtonInfo = nullptr;
    QToolButton* SpeedButtonStats = nullptr;
    QLabel* PanneauStatut0 = nullptr;
    QLabel* PanneauStatut1 = nullptr;
};
