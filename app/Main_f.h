// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BarreEtat.h"
#include "BarreOutilsPrincipale.h"
#include "DepotJeuxFenetre.h"
#include "Lancement.h"
#include "MenusDeJeu.h"
#include "Seance.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>

class ChoixTempsLimite;
class QAction;
class SaisieChronometree;
class TfrmHistorique;
class TfrmInfoSolutions;
class TfrmStatistiques;
class VueJeu;

namespace Ui {
class TfrmMain;
}

// la fenêtre principale : chaque commande passe une fois à la séance, qui décide de tout ; la fenêtre fait l'étape
// rendue (animation, pavé, saisie, question, boîte), montre l'état de la séance et ouvre les autres fenêtres
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    // arguments : ceux de la ligne de commande, sans le nom du programme
    explicit TfrmMain(QStringList arguments = {}, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // la partie montrée, et le record du jeu et de la dernière recherche qu'elle tient
    const Partie& Jeu() const { return seance_.Jeu(); }
    DonneesRecherche& Donnees() { return seance_.Jeu().Donnees(); }
    const DonneesRecherche& Donnees() const { return seance_.Jeu().Donnees(); }
    QTimer& MinuterieAnimation() { return TimerAnimation; }
    // une graine fixe au lieu de l'heure, une date fixe au lieu du calendrier de la machine
    void ImposerGraine(unsigned graine) { seance_.ImposerGraine(graine); }
    void ImposerDate(DateJour date) { seance_.ImposerDate(date); }
    DateJour Aujourdhui() const { return seance_.Aujourdhui(); }
    // la série de dix jeux en cours, nulle hors d'une série
    const Serie* SerieEnCours() const { return seance_.SerieEnCours(); }

    void ReinitialiserJeu();
    // l'inventaire de tous les comptes, avec les mêmes crochets que toute recherche
    void ExecuterRechercheTousComptes(const Progression& progression);
    void RepeindreFenetre();
    // géométrie partagée par le bandeau et les marques
    int LargeurExterieure() const;
    int GaucheCase(int i) const;
    QString TexteStatut(int panneau) const { return barreEtat_->Texte(panneau); }

    // le fichier des statistiques ; un autre chemin que celui du programme, pour un essai
    const TFichierIni& Fichier() const { return depot_.Fichier(); }
    void UtiliserFichierIni(const QString& chemin);
    // les fenêtres des deux boutons bascule, et celle de l'historique, quand elles sont ouvertes
    TfrmInfoSolutions* FenetreInfoSolutions() const { return fenetreInfoSolutions_.get(); }
    TfrmStatistiques* FenetreStatistiques() const { return fenetreStatistiques_.get(); }
    TfrmHistorique* FenetreHistorique() const;

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

protected:
    void showEvent(QShowEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;
    void moveEvent(QMoveEvent* evenement) override;

private:
    void FormCreate();
    void FormShow();
    void FormClose();
    void FormDestroy();
    // une fois la fenêtre affichée : les statistiques rattrapées, puis ce que demande la ligne de commande
    void Demarrer();
    void CreerMenus();
    void RelierCommandes();
    void RelierSolutions(QAction* rubrique, std::function<void()> gestionnaire);
    // la rubrique cochable d'un bouton bascule : l'une déclenchée, l'autre suit
    void RelierBascule(QAction* rubrique, QToolButton* bouton);
    std::array<QAction*, 5> RubriquesUtilisant() const;
    std::array<QAction*, 5> RubriquesTireAuSortAvec() const;

    // après tout changement de la séance : chaque commande permise ou non, barre d'état, jeu repeint
    void MajCommandes();
    void Actualiser();

    // un nouveau jeu : la question de la séance posée s'il y en a une, puis le jeu commencé et son étape faite
    void Demander(const DemandeJeu& demande);
    // oui à la question, ou pas de question ; l'animation attend la réponse
    bool Accorder(const std::optional<QuestionSeance>& question);
    void Suivre(Etape etape);
    // la boîte de la sorte de jeu après la saisie (ou les annonces), puis ce qui suit
    void Conclure(const ApresJeu& apres);
    void Parcourir(void (Partie::*aller)());
    // un jeu de l'historique repris comme un compte proposé, puis la saisie du calcul
    void RejouerJeu(const SixEntiers& plaques, int32_t but);

    std::unique_ptr<Ui::TfrmMain> ui;
    Lancement lancement_;
    bool dejaMontree_ = false;
    DepotJeuxFenetre depot_;
    Seance seance_;
    std::unique_ptr<BarreOutilsPrincipale> outils_;
    std::unique_ptr<BarreEtat> barreEtat_;
    std::unique_ptr<VueJeu> vue_;
    // les fenêtres des deux boutons bascule : elles n'existent que bouton enfoncé
    std::unique_ptr<TfrmInfoSolutions> fenetreInfoSolutions_;
    std::unique_ptr<TfrmStatistiques> fenetreStatistiques_;
    // détruite à sa fermeture : le pointeur gardé se vide alors de lui-même
    QPointer<TfrmHistorique> fenetreHistorique_;
    QTimer TimerAnimation;
    std::unique_ptr<ChoixTempsLimite> choixTempsLimite_;
    std::unique_ptr<SaisieChronometree> saisieJoueur_;
    MenusDeJeu menus_;
};
