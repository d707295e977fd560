// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CommandesJeu.h"
#include "DonneesRecherche.h"
#include "ExecutionRecherche.h"
#include "FichierIni.h"
#include "RechercheCalculs.h"
#include "TirageAuSort.h"

#include <QMainWindow>
#include <QStringList>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QPainter;
class QToolButton;
class TfrmInfoSolutions;
class TfrmStatistiques;

namespace Ui {
class TfrmMain;
}

// la fenêtre principale : le jeu en cours, ses solutions, les commandes et les autres fenêtres
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    // arguments : ceux de la ligne de commande, sans le nom du programme
    explicit TfrmMain(QStringList arguments = {}, QWidget* parent = nullptr);
    ~TfrmMain() override;

    DonneesRecherche& Donnees() { return DonneesRecherche_; }
    const DonneesRecherche& Donnees() const { return DonneesRecherche_; }
    PhaseJeu Phase() const { return phase_; }
    const std::array<bool, 6>& PlaquesCachees() const { return PlaqueCachee; }
    uint8_t Origine() const { return OrigineJeu; }
    bool StatistiquesEnAttente() const { return StatsAEnregistrer; }
    const TirageAuSort& Tirage() const { return tirage_; }
    QTimer& MinuterieAnimation() { return TimerAnimation; }
    // une graine fixe au lieu de l'heure, pour rejouer un tirage
    void ImposerGraine(unsigned graine) { graineImposee_ = graine; }

    void ReinitialiserJeu(PhaseJeu phase = PhaseJeu::AucunJeu);
    void ExecuterRecherche();
    // l'inventaire de tous les comptes, avec les mêmes crochets que toute recherche
    void ExecuterRechercheTousComptes(const Progression& progression);
    void RepeindreFenetre();

    // géométrie partagée par le bandeau et les marques
    int LargeurExterieure() const;
    int GaucheCase(int i) const;

    QString TexteStatut(int panneau) const;

    // le fichier des statistiques ; un autre chemin que celui du programme, pour un essai
    const TFichierIni& Fichier() const { return *FichierIni; }
    void UtiliserFichierIni(const QString& chemin) { FichierIni = std::make_unique<TFichierIni>(chemin); }
    bool FenetreInfoOuverte() const { return FenetreInfoSolutions != nullptr; }
    bool FenetreStatistiquesOuverte() const { return FenetreStatistiques != nullptr; }
    // ajoute le jeu aux statistiques, une seule fois par jeu tiré au sort ou proposé
    void EnregistrerStatistiques();

public slots:
    void RubriqueCompteTireAuSortClick();
    void RubriqueTireAuSortAvecClick(int nbGrandes);
    void TimerAnimationTimer();
    void RubriqueCompteProposeClick();
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

    void creerBarreOutils();
    void creerBarreEtat();
    void relierPeinture();
    void relierCommandes();
    void relierSolutions(QAction* rubrique, std::function<void()> gestionnaire);
    void AjusterALaLargeur();

    void PaintBoxButPaint(QPainter& peintre);
    void PaintBoxBandePlaquesPaint(QPainter& peintre);
    void DessinerPlaque(QPainter& peintre, int i);
    void FormPaint(QPainter& peintre);
    void MajAffichageSolution();
    void MajBoutonsNavigation();

    // l'activation de toutes les commandes du jeu, d'après la phase
    void ChangerPhase(PhaseJeu phase);
    CrochetsRecherche CrochetsFenetre();
    void MajCommandes();
    bool SolutionsPermises() const;
    std::array<QAction*, 5> RubriquesUtilisant() const;
    std::array<QAction*, 5> RubriquesTireAuSortAvec() const;

    void CommencerNouveauJeu();
    void LancerTirage(std::optional<int> nbGrandes);
    void AllerALaSolution(int32_t indice);
    void OuvrirSaisieCalcul();
    void AfficherTempsSaisie();

    std::unique_ptr<Ui::TfrmMain> ui;
    DonneesRecherche DonneesRecherche_;
    QStringList arguments_;
    bool dejaMontree_ = false;
    int largeurAjustee_ = -1;

    // état du jeu propre à la fenêtre
    PhaseJeu phase_ = PhaseJeu::AucunJeu;
    std::array<bool, 6> PlaqueCachee{true, true, true, true, true, true};
    bool StatsAEnregistrer = false;
    uint8_t OrigineJeu = 0;  // 1 tiré au sort, 2 proposé, 0 sinon
    bool PeintureEnCours = false;
    std::unique_ptr<TFichierIni> FichierIni;
    TirageAuSort tirage_;
    // les fenêtres des deux boutons bascule : elles n'existent que bouton enfoncé
    std::unique_ptr<TfrmInfoSolutions> FenetreInfoSolutions;
    std::unique_ptr<TfrmStatistiques> FenetreStatistiques;
    std::optional<unsigned> graineImposee_;
    QTimer TimerAnimation;
    QTimer minuterieSaisie_;  // le temps du joueur, affiché pendant la saisie

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
