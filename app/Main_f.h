#pragma once

#include "AnimationTirage.h"
#include "DonneesRecherche.h"
#include "FichierIni.h"

#include <QMainWindow>
#include <QStringList>
#include <QTimer>

#include <array>
#include <memory>
#include <optional>
#include <random>

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

    // état du jeu propre à la fenêtre
    std::array<bool, 6> PlaqueCachee{true, true, true, true, true, true};
    bool StatsAEnregistrer = false;
    uint8_t OrigineJeu = 0;  // 1 tiré au sort, 2 proposé, 0 sinon
    bool PeintureEnCours = false;
    std::unique_ptr<TFichierIni> FichierIni;

    // réserve du tirage
    std::array<bool, 24> ReserveUtilisee{};
    std::array<int, 6> IndiceReserve{};
    // graine imposée au lieu de l'heure (tests)
    std::optional<unsigned> GraineImposee;
    EtatAnimation Animation;

    void ReinitialiserJeu();
    void ExecuterRecherche();
    void MajBoutonsNavigation();
    void RepeindreFenetre();

    // géométrie partagée par le bandeau et les marques
    int LargeurExterieure() const;
    int GaucheCase(int i) const;

    QString TexteStatut(int panneau) const;
    QTimer TimerAnimation;

    // les fenêtres des deux boutons bascule : elles n'existent que bouton enfoncé
    std::unique_ptr<TfrmInfoSolutions> FenetreInfoSolutions;
    std::unique_ptr<TfrmStatistiques> FenetreStatistiques;
    // ajoute le jeu aux statistiques, une seule fois par jeu tiré au sort ou proposé
    void EnregistrerStatistiques();

public slots:
    void RubriqueCompteTireAuSortClick();
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
    void relierCommandes();
    void AjusterALaLargeur();

    void PaintBoxButPaint(QPainter& peintre);
    void PaintBoxBandePlaquesPaint(QPainter& peintre);
    void DessinerPlaque(QPainter& peintre, int i);
    void FormPaint(QPainter& peintre);
    void MajAffichageSolution();

    // les commandes de solutions, coupées au début d'un jeu ou d'une recherche
    void ActiverMenuSolutions(bool actif);
    void ActiverRubriquesUtilisant(bool actif);
    void ActiverRubriquesCompte(bool actif);
    std::array<QAction*, 5> RubriquesUtilisant() const;
    void DesactiverSolutions();
    void LeverSpeedButtonInfo();
    void AllerALaSolution(int32_t indice);
    void CouperCommandesJeu();
    void OuvrirSaisieCalcul();
    uint32_t Aleatoire() { return generateur_(); }

    std::unique_ptr<Ui::TfrmMain> ui;
    DonneesRecherche DonneesRecherche_;
    QStringList arguments_;
    bool dejaMontree_ = false;
    int largeurAjustee_ = -1;
    std::mt19937 generateur_;

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

// la fenêtre principale ouverte
extern TfrmMain* frmMain;
