// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Main_f.h"

#include "Aide_f.h"
#include "AnnoncesMatch_f.h"
#include "Apropos_f.h"
#include "BoiteApresJeu.h"
#include "Comment_f.h"
#include "Histo_f.h"
#include "Infosol_f.h"
#include "NomsJoueurs_f.h"
#include "Pavnum_f.h"
#include "SaisieChronometree.h"
#include "Sltscpt_f.h"
#include "Stats_f.h"
#include "ActiverMenu.h"
#include "BoiteMessage.h"
#include "ChoixTempsLimite.h"
#include "EmplacementFichierIni.h"
#include "FenetreAuBouton.h"
#include "FenetresSecondaires.h"
#include "LigneCommandeFenetre.h"
#include "MenusDeJeu.h"
#include "Ouverture.h"
#include "VueJeu.h"
#include "ui_Main_f.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QToolButton>

TfrmMain::TfrmMain(QStringList arguments, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::TfrmMain>()), lancement_(LireLancement(arguments)),
      depot_(*this, [this] {
          if (fenetreHistorique_)
              fenetreHistorique_->JeuxAjoutes();
      }),
      seance_(depot_, [this] { Actualiser(); })
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    outils_ = std::make_unique<BarreOutilsPrincipale>(*ui->ToolBar);
    barreEtat_ = std::make_unique<BarreEtat>(*ui->StatusBar);
    CreerMenus();
    vue_ = std::make_unique<VueJeu>(seance_.Jeu(), *this, *ui->ZoneClient, *ui->PaintBoxBut, *ui->PaintBoxBandePlaques);
    saisieJoueur_ = std::make_unique<SaisieChronometree>(seance_, *barreEtat_, [this] { RepeindreFenetre(); }, *this);
    RelierCommandes();
    // zone cliente de 317 × 350 sous la barre de menus, bordure fixe
    setFixedSize(317, ui->MainMenu->sizeHint().height() + 350);
    move(5, 143);
    FormCreate();
}

TfrmMain::~TfrmMain() { FormDestroy(); }

// les sous-menus faits des tables de jeu/ (niveaux, séries, temps limite) ; le nombre de plaques des rubriques
// « Utilisant » et « Tiré au sort avec » dans leur donnée
void TfrmMain::CreerMenus()
{
    for (size_t k = 0; k < 5; ++k) {
        RubriquesUtilisant()[k]->setData(static_cast<int>(k) + 2);
        RubriquesTireAuSortAvec()[k]->setData(static_cast<int>(k));
    }
    // les niveaux avant « Temps limite » ; les séries après « Proposé », avant la séparation de « Quitter »
    const QList<QAction*> rubriques = ui->MenuCompte->actions();
    menus_ = CreerMenusDeJeu(
        *ui->MenuCompte, ui->MenuTempsLimite->menuAction(), rubriques.value(rubriques.indexOf(ui->RubriqueComptePropose) + 1),
        [this](NiveauJeu niveau) { RubriqueTireAuSortDeNiveauClick(niveau); },
        [this](NiveauSerie niveau) { RubriqueSerieClick(niveau); });
    AjouterRubriquesMethodes(menus_, *ui->MenuSolutions, ui->RubriqueDerniereSolution, *this);
    AjouterMenuMatch(menus_, *ui->MainMenu, *ui->MenuCompte, [this](const DemandeJeu& demande) { Demander(demande); },
                     [this] { return DemanderNomsJoueurs(depot_.Fichier(), this); });
    choixTempsLimite_ = std::make_unique<ChoixTempsLimite>(*ui->MenuTempsLimite, *this, [this](int secondes) {
        seance_.ChoisirTempsLimite(secondes);
        menus_.TempsSerie->setText(QString::fromStdString(seance_.TexteTempsSerie()));
    });
}

// un menu désactivé ne coupe pas les raccourcis de ses rubriques : la garde est ici, une fois
void TfrmMain::RelierSolutions(QAction* rubrique, std::function<void()> gestionnaire)
{
    connect(rubrique, &QAction::triggered, this, [this, gestionnaire = std::move(gestionnaire)] {
        if (seance_.Commandes().Solutions)
            gestionnaire();
    });
}

void TfrmMain::RelierBascule(QAction* rubrique, QToolButton* bouton)
{
    connect(rubrique, &QAction::triggered, bouton, &QToolButton::click);
    connect(bouton, &QToolButton::toggled, rubrique, &QAction::setChecked);
}

void TfrmMain::RelierCommandes()
{
    connect(ui->RubriqueCompteTireAuSort, &QAction::triggered, this, &TfrmMain::RubriqueCompteTireAuSortClick);
    for (QAction* rubrique : RubriquesTireAuSortAvec())
        connect(rubrique, &QAction::triggered, this,
                [this, rubrique] { RubriqueTireAuSortAvecClick(rubrique->data().toInt()); });
    connect(ui->RubriqueComptePropose, &QAction::triggered, this, &TfrmMain::RubriqueCompteProposeClick);
    connect(ui->RubriqueJeuDuJour, &QAction::triggered, this, &TfrmMain::RubriqueJeuDuJourClick);
    connect(menus_.JeuSuivant, &QAction::triggered, this, &TfrmMain::RubriqueJeuSuivantClick);
    connect(&TimerAnimation, &QTimer::timeout, this, &TfrmMain::TimerAnimationTimer);
    RelierSolutions(ui->RubriqueDuSimpleAuTordu, [this] { RubriqueDuSimpleAuTorduClick(); });
    RelierSolutions(ui->RubriqueDuTorduAuSimple, [this] { RubriqueDuTorduAuSimpleClick(); });
    RelierSolutions(ui->RubriqueSolutionsTousComptes, [this] { RubriqueSolutionsTousComptesClick(); });
    for (QAction* rubrique : RubriquesUtilisant())
        RelierSolutions(rubrique, [this, rubrique] { RubriqueUtilisant2PlaquesClick(rubrique); });
    // le pas à pas a les touches de la vue ; « Comment » vient une fois la saisie finie
    RelierSolutions(menus_.PasAPas, [this] { vue_->CommencerPasAPas(); });
    RelierSolutions(menus_.Comment, [this] { TfrmComment(seance_.Jeu().Plaques(), seance_.Jeu().But(), this).exec(); });
    connect(ui->RubriqueAPropos, &QAction::triggered, this, &TfrmMain::RubriqueAProposClick);
    connect(ui->RubriqueAide, &QAction::triggered, this, &TfrmMain::RubriqueAideClick);
    connect(ui->RubriqueHistorique, &QAction::triggered, this, &TfrmMain::RubriqueHistoriqueClick);
    connect(ui->RubriqueQuitter, &QAction::triggered, this, &QWidget::close);
    connect(outils_->SpeedButtonCalc, &QToolButton::clicked, this, &TfrmMain::SpeedButtonCalcClick);
    connect(outils_->SpeedButtonInfo, &QToolButton::clicked, this, &TfrmMain::SpeedButtonInfoClick);
    connect(outils_->SpeedButtonStats, &QToolButton::clicked, this, &TfrmMain::SpeedButtonStatsClick);
    connect(outils_->BitBtnPrmSol, &QToolButton::clicked, this, &TfrmMain::BitBtnPrmSolClick);
    connect(outils_->BitBtnSolPrc, &QToolButton::clicked, this, &TfrmMain::BitBtnSolPrcClick);
    connect(outils_->BitBtnSolSvt, &QToolButton::clicked, this, &TfrmMain::BitBtnSolSvtClick);
    connect(outils_->BitBtnDrnSol, &QToolButton::clicked, this, &TfrmMain::BitBtnDrnSolClick);
    connect(ui->RubriquePremiereSolution, &QAction::triggered, this, &TfrmMain::BitBtnPrmSolClick);
    connect(ui->RubriqueSolutionPrecedente, &QAction::triggered, this, &TfrmMain::BitBtnSolPrcClick);
    connect(ui->RubriqueSolutionSuivante, &QAction::triggered, this, &TfrmMain::BitBtnSolSvtClick);
    connect(ui->RubriqueDerniereSolution, &QAction::triggered, this, &TfrmMain::BitBtnDrnSolClick);
    RelierBascule(ui->RubriqueInformationsSolutions, outils_->SpeedButtonInfo);
    RelierBascule(ui->RubriqueStatistiques, outils_->SpeedButtonStats);

    TimerAnimation.setInterval(50);
}

std::array<QAction*, 5> TfrmMain::RubriquesUtilisant() const
{
    return {ui->RubriqueUtilisant2Plaques, ui->RubriqueUtilisant3Plaques, ui->RubriqueUtilisant4Plaques,
            ui->RubriqueUtilisant5Plaques, ui->RubriqueUtilisant6Plaques};
}

std::array<QAction*, 5> TfrmMain::RubriquesTireAuSortAvec() const
{
    return {ui->RubriqueTireAuSortAvec0, ui->RubriqueTireAuSortAvec1, ui->RubriqueTireAuSortAvec2,
            ui->RubriqueTireAuSortAvec3, ui->RubriqueTireAuSortAvec4};
}

// ----- cycle de vie -----

void TfrmMain::FormCreate()
{
    UtiliserFichierIni(PreparerFichierIni(QCoreApplication::applicationDirPath()));
    MajCommandes();
}

void TfrmMain::UtiliserFichierIni(const QString& chemin)
{
    // la fenêtre de l'historique lit l'historique du fichier qu'on quitte
    delete fenetreHistorique_.data();
    depot_.Utiliser(chemin);
    choixTempsLimite_->Lire(depot_.Fichier());
}

void TfrmMain::showEvent(QShowEvent* evenement)
{
    QMainWindow::showEvent(evenement);
    if (dejaMontree_)
        return;
    dejaMontree_ = true;
    FormShow();
}

void TfrmMain::FormShow()
{
    vue_->AjusterALaLargeur();
    ReinitialiserJeu();
    // une fois la fenêtre affichée : une boîte éventuelle vient au-dessus d'elle
    QTimer::singleShot(0, this, &TfrmMain::Demarrer);
}

void TfrmMain::Demarrer()
{
    depot_.AccorderStatistiques();
    if (!lancement_.Valide()) {
        DireErreurLancement(this, lancement_);
        close();
    } else if (lancement_.Demande) {
        Demander(*lancement_.Demande);
    }
}

void TfrmMain::closeEvent(QCloseEvent* evenement)
{
    if (!Accorder(seance_.QuestionAvantFermeture())) {
        evenement->ignore();
        return;
    }
    seance_.Fermer();
    // toutes les fenêtres secondaires avec elle ; celles des boutons bascule se ferment par leur bouton
    ReleverBoutonEtFermer(fenetreInfoSolutions_, outils_->SpeedButtonInfo);
    ReleverBoutonEtFermer(fenetreStatistiques_, outils_->SpeedButtonStats);
    FermerFenetresSecondaires(*this);
    FormClose();
    evenement->accept();
}

void TfrmMain::FormClose()
{
    TimerAnimation.stop();
    Donnees().ListeSolutions.Vider();
    Donnees().EtatJoueur.reset();
}

void TfrmMain::FormDestroy()
{
    Donnees().ListeSolutions.Vider();
    // la fenêtre de l'historique garde sa place dans l'historique : elle part avant lui, qui se ferme une fois
    delete fenetreHistorique_.data();
    depot_.Fermer();
}

void TfrmMain::ReinitialiserJeu()
{
    seance_.Reinitialiser();
    Actualiser();
}

// ----- géométrie et peinture : la vue -----

int TfrmMain::LargeurExterieure() const { return vue_->LargeurExterieure(); }

int TfrmMain::GaucheCase(int i) const { return vue_->GaucheCase(i); }

void TfrmMain::moveEvent(QMoveEvent* evenement)
{
    QMainWindow::moveEvent(evenement);
    // le cadre n'est connu qu'une fois la fenêtre placée par le gestionnaire de fenêtres
    if (dejaMontree_)
        vue_->AjusterALaLargeur();
}

void TfrmMain::RepeindreFenetre()
{
    barreEtat_->Montrer(seance_.Etat());
    vue_->RepeindreTout();
    if (fenetreInfoSolutions_)
        fenetreInfoSolutions_->Actualiser();
}

void TfrmMain::Actualiser()
{
    MajCommandes();
    RepeindreFenetre();
}

void TfrmMain::MajCommandes()
{
    const EtatCommandes c = seance_.Commandes();
    // la fenêtre d'informations se ferme avec son bouton, avant que le résultat ne change
    if (!c.Informations)
        ReleverBoutonEtFermer(fenetreInfoSolutions_, outils_->SpeedButtonInfo);
    const std::array<QAction*, 5> utilisant = RubriquesUtilisant();
    const std::pair<QObject*, bool> commandes[] = {
        {ui->RubriqueCompteTireAuSort, c.Compte}, {ui->MenuTireAuSortAvec, c.Compte}, {menus_.Niveaux, c.Compte},
        {menus_.Series, c.Compte}, {menus_.Match, c.Compte}, {ui->MenuTempsLimite, c.Compte}, {ui->RubriqueComptePropose, c.Compte},
        {ui->RubriqueJeuDuJour, c.Compte}, {menus_.JeuSuivant, c.JeuSuivant}, {ui->MenuSolutions, c.Solutions},
        {outils_->SpeedButtonCalc, c.Solutions}, {utilisant[0], c.Utilisant}, {utilisant[1], c.Utilisant},
        {utilisant[2], c.Utilisant}, {utilisant[3], c.Utilisant}, {utilisant[4], c.Utilisant}, {menus_.PasAPas, c.Utilisant},
        {outils_->SpeedButtonInfo, c.Informations}, {ui->RubriqueInformationsSolutions, c.Informations},
        {outils_->BitBtnPrmSol, c.VersLeDebut}, {outils_->BitBtnSolPrc, c.VersLeDebut},
        {ui->RubriquePremiereSolution, c.VersLeDebut}, {ui->RubriqueSolutionPrecedente, c.VersLeDebut},
        {outils_->BitBtnSolSvt, c.VersLaFin}, {outils_->BitBtnDrnSol, c.VersLaFin},
        {ui->RubriqueSolutionSuivante, c.VersLaFin}, {ui->RubriqueDerniereSolution, c.VersLaFin},
    };
    for (const auto& [commande, permise] : commandes) {
        if (auto* menu = qobject_cast<QMenu*>(commande))
            ActiverMenu(*menu, permise, menus_.TempsSerie);
        else if (auto* rubrique = qobject_cast<QAction*>(commande))
            rubrique->setEnabled(permise);
        else
            static_cast<QWidget*>(commande)->setEnabled(permise);
    }
}

// ----- le cours d'un jeu : la séance décide, la fenêtre fait l'étape -----

void TfrmMain::Demander(const DemandeJeu& demande)
{
    if (Accorder(seance_.QuestionAvant(demande)))
        Suivre(seance_.Commencer(demande));
}

bool TfrmMain::Accorder(const std::optional<QuestionSeance>& question)
{
    if (!question)
        return true;
    // l'animation attend la réponse : sa fin ouvrirait la saisie sous la question
    const bool animation = TimerAnimation.isActive();
    TimerAnimation.stop();
    const bool oui = PoserQuestion(this, QString::fromStdString(question->Titre), QString::fromStdString(question->Texte));
    if (!oui && animation)
        TimerAnimation.start();
    return oui;
}

void TfrmMain::Suivre(Etape etape)
{
    Actualiser();
    if (etape == Etape::Animer)
        TimerAnimation.start();
    else if (etape == Etape::Proposer)
        Suivre(ProposerJeu(seance_.Jeu(), [this] { Actualiser(); }, this) ? Etape::Saisir : Etape::Rien);
    else if (etape == Etape::Saisir)
        Conclure(saisieJoueur_->Ouvrir());
    else if (etape == Etape::Annoncer)
        Conclure(MenerAnnonces(seance_, *barreEtat_, this));
}

void TfrmMain::Conclure(const ApresJeu& apres)
{
    Actualiser();
    MontrerApresJeu(apres, this);
    Suivre(apres.Suite);
}

void TfrmMain::TimerAnimationTimer()
{
    const PasTirage pas = seance_.AvancerTirage();
    if (pas.PlaqueRevelee || pas.ButChange)
        vue_->Repeindre(pas.PlaqueRevelee, pas.ButChange);
    if (!pas.Termine)
        return;
    TimerAnimation.stop();
    Suivre(seance_.TirageTermine());
}

void TfrmMain::RubriqueCompteTireAuSortClick() { Demander(DemandeJeu(SorteDemandee::Tirage)); }

void TfrmMain::RubriqueTireAuSortAvecClick(int nbGrandes) { Demander(DemandeJeu::TirageAvec(nbGrandes)); }

void TfrmMain::RubriqueTireAuSortDeNiveauClick(NiveauJeu niveau)
{
    Demander(DemandeJeu(SorteDemandee::TirageDeNiveau, niveau));
}

void TfrmMain::RubriqueSerieClick(NiveauSerie niveau) { Demander(DemandeJeu(SorteDemandee::Serie, niveau)); }

void TfrmMain::RubriqueJeuSuivantClick() { Demander(DemandeJeu(SorteDemandee::JeuSuivant)); }

void TfrmMain::RubriqueCompteProposeClick() { Demander(DemandeJeu(SorteDemandee::Propose)); }

void TfrmMain::RubriqueJeuDuJourClick() { Demander(DemandeJeu(SorteDemandee::Jour)); }

void TfrmMain::RejouerJeu(const SixEntiers& plaques, int32_t but)
{
    const DemandeJeu demande(SorteDemandee::Rejoue, plaques, but);
    if (!Accorder(seance_.QuestionAvant(demande)))
        return;
    const Etape etape = seance_.Commencer(demande);
    // la saisie vient devant la fenêtre principale, pas devant l'historique
    if (etape != Etape::Rien)
        activateWindow();
    Suivre(etape);
}

// ----- recherche et parcours des solutions -----

void TfrmMain::RubriqueDuSimpleAuTorduClick() { seance_.Resoudre(OrdreDuSimpleAuTordu); }

void TfrmMain::RubriqueDuTorduAuSimpleClick() { seance_.Resoudre(OrdreDuTorduAuSimple); }

void TfrmMain::SpeedButtonCalcClick() { ui->RubriqueDuSimpleAuTordu->trigger(); }

void TfrmMain::Parcourir(void (Partie::*aller)())
{
    (seance_.Jeu().*aller)();
    Actualiser();
}

void TfrmMain::BitBtnPrmSolClick() { Parcourir(&Partie::PremiereSolution); }

void TfrmMain::BitBtnSolPrcClick() { Parcourir(&Partie::SolutionPrecedente); }

void TfrmMain::BitBtnSolSvtClick() { Parcourir(&Partie::SolutionSuivante); }

void TfrmMain::BitBtnDrnSolClick() { Parcourir(&Partie::DerniereSolution); }

void TfrmMain::RubriqueUtilisant2PlaquesClick(QAction* rubrique)
{
    if (!rubrique || !rubrique->isEnabled())
        return;
    const int n = rubrique->data().toInt();
    if (seance_.Jeu().PremiereSolutionUtilisant(n))
        Actualiser();
    else
        AfficherMessage(this, QStringLiteral("Affichage d'une solution"),
                        QStringLiteral("Il n'y a pas de solutions utilisant %1 plaques.").arg(n));
}

void TfrmMain::ExecuterRechercheTousComptes(const Progression& progression)
{
    seance_.Inventorier(progression);
    // le compte, mis à zéro le temps de l'inventaire, est rendu après les crochets
    vue_->Repeindre(false, true);
}

// ----- autres fenêtres -----

void TfrmMain::SpeedButtonInfoClick()
{
    BasculerFenetre(fenetreInfoSolutions_, outils_->SpeedButtonInfo, [this] {
        return std::make_unique<TfrmInfoSolutions>(Donnees(), [this] { return outils_->SpeedButtonInfo->isChecked(); }, this);
    });
}

void TfrmMain::SpeedButtonStatsClick()
{
    BasculerFenetre(fenetreStatistiques_, outils_->SpeedButtonStats, [this] {
        return std::make_unique<TfrmStatistiques>(depot_.Fichier(), [this] { return outils_->SpeedButtonStats->isChecked(); },
                                                  this);
    });
}

TfrmHistorique* TfrmMain::FenetreHistorique() const { return fenetreHistorique_; }

void TfrmMain::RubriqueHistoriqueClick()
{
    OuvrirFenetreHistorique(
        fenetreHistorique_, this, depot_.Historique(),
        [this](const JeuARejouer& jeu) { RejouerJeu(jeu.Plaques, jeu.But); }, [this] { return Aujourdhui(); },
        RubriquesARaccourci(*this));
}

void TfrmMain::RubriqueSolutionsTousComptesClick()
{
    TfrmSolutionsTousComptes fenetre(
        Donnees(), [this](const Progression& progression) { ExecuterRechercheTousComptes(progression); }, this);
    fenetre.exec();
}

void TfrmMain::RubriqueAProposClick() { TfrmAPropos(this).exec(); }

void TfrmMain::RubriqueAideClick() { OuvrirAide(this); }
