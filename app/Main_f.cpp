// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Main_f.h"

#include "Aide_f.h"
#include "Apropos_f.h"
#include "FinSerie_f.h"
#include "Histo_f.h"
#include "Infosol_f.h"
#include "Pavnum_f.h"
#include "ResumeJour_f.h"
#include "SaisieChronometree.h"
#include "Sltscpt_f.h"
#include "Stats_f.h"
#include "ActiverMenu.h"
#include "BoiteMessage.h"
#include "BoutonOutil.h"
#include "ChoixSerie.h"
#include "ChoixTempsLimite.h"
#include "EnregistrementJeu.h"
#include "EnregistrementSerie.h"
#include "FenetreAuBouton.h"
#include "FenetresSecondaires.h"
#include "LigneCommandeFenetre.h"
#include "Ouverture.h"
#include "VueJeu.h"
#include "ui_Main_f.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

TfrmMain::TfrmMain(QStringList arguments, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::TfrmMain>()), arguments_(std::move(arguments)),
      partie_([this] { return graineImposee_ ? *graineImposee_ : GraineDeLHeure(); })
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    CreerBarreOutils();
    CreerBarreEtat();
    NumeroterRubriques();
    CreerTirageDeNiveau();
    CreerSerie();
    CreerTempsLimite();
    vue_ = std::make_unique<VueJeu>(partie_, *this, *ui->ZoneClient, *ui->PaintBoxBut, *ui->PaintBoxBandePlaques);
    RelierCommandes();
    // zone cliente de 317 × 350 sous la barre de menus, bordure fixe
    setFixedSize(317, ui->MainMenu->sizeHint().height() + 350);
    move(5, 143);
    FormCreate();
}

TfrmMain::~TfrmMain() { FormDestroy(); }

void TfrmMain::CreerBarreOutils()
{
    QToolBar* barre = ui->ToolBar;
    barre->setIconSize(QSize(16, 16));
    barre->setFixedHeight(29);
    barre->setAutoFillBackground(true);
    barre->setAccessibleName(QStringLiteral("Barre d'outils"));
    BitBtnPrmSol = BoutonOutil(barre, "BitBtnPrmSol", QStringLiteral("premiere"), QStringLiteral("Première solution"), 20);
    BitBtnSolPrc = BoutonOutil(barre, "BitBtnSolPrc", QStringLiteral("precedente"), QStringLiteral("Solution précédente"), 20);
    BitBtnSolSvt = BoutonOutil(barre, "BitBtnSolSvt", QStringLiteral("suivante"), QStringLiteral("Solution suivante"), 20);
    BitBtnDrnSol = BoutonOutil(barre, "BitBtnDrnSol", QStringLiteral("derniere"), QStringLiteral("Dernière solution"), 20);
    SpeedButtonCalc = BoutonOutil(barre, "SpeedButtonCalc", QStringLiteral("calculer"),
                                  QStringLiteral("Calculer toutes les solutions (de la plus simple à la plus tordue)"), 25);
    SpeedButtonInfo = BoutonOutil(barre, "SpeedButtonInfo", QStringLiteral("informations"),
                                  QStringLiteral("Informations sur les solutions"), 25);
    SpeedButtonStats = BoutonOutil(barre, "SpeedButtonStats", QStringLiteral("statistiques"), QStringLiteral("Statistiques"), 25);
    SpeedButtonInfo->setCheckable(true);
    SpeedButtonStats->setCheckable(true);
    // le bouton des boutons qui ne tiennent pas dans la barre, s'il vient à paraître
    if (auto* suite = barre->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        suite->setAccessibleName(QStringLiteral("Autres boutons"));

    for (QToolButton* b : {BitBtnPrmSol, BitBtnSolPrc, BitBtnSolSvt, BitBtnDrnSol})
        barre->addWidget(b);
    auto* separation = new QWidget(barre);
    separation->setObjectName(QStringLiteral("ToolButtonSep2"));
    separation->setFixedSize(8, 24);
    barre->addWidget(separation);
    for (QToolButton* b : {SpeedButtonCalc, SpeedButtonInfo, SpeedButtonStats})
        barre->addWidget(b);
}

void TfrmMain::CreerBarreEtat()
{
    QStatusBar* barre = ui->StatusBar;
    barre->setAutoFillBackground(true);
    PanneauStatut0 = new QLabel(barre);
    PanneauStatut0->setObjectName(QStringLiteral("StatusBarPanneau0"));
    PanneauStatut0->setFixedWidth(245);
    PanneauStatut1 = new QLabel(barre);
    PanneauStatut1->setObjectName(QStringLiteral("StatusBarPanneau1"));
    PanneauStatut1->setFixedWidth(50);
    PanneauStatut1->setAlignment(Qt::AlignCenter);
    barre->addWidget(PanneauStatut0);
    barre->addWidget(PanneauStatut1);
}

// le nombre de plaques des rubriques « Utilisant » et « Tiré au sort avec » est dans leur donnée
void TfrmMain::NumeroterRubriques()
{
    const std::array<QAction*, 5> utilisant = RubriquesUtilisant();
    const std::array<QAction*, 5> avec = RubriquesTireAuSortAvec();
    for (size_t k = 0; k < 5; ++k) {
        utilisant[k]->setData(static_cast<int>(k) + 2);
        avec[k]->setData(static_cast<int>(k));
    }
}

void TfrmMain::CreerTirageDeNiveau()
{
    MenuTireAuSortDeNiveau = new QMenu(QString::fromUtf8(TitreMenuTirageDeNiveau), ui->MenuCompte);
    MenuTireAuSortDeNiveau->setObjectName(QStringLiteral("MenuTireAuSortDeNiveau"));
    for (const ChoixNiveau& choix : NiveauxATirer) {
        QAction* rubrique = MenuTireAuSortDeNiveau->addAction(QString::fromUtf8(choix.Rubrique));
        rubrique->setObjectName(QStringLiteral("RubriqueTireAuSortDeNiveau") + QString::fromUtf8(NomNiveau(choix.Niveau)));
        connect(rubrique, &QAction::triggered, this,
                [this, niveau = choix.Niveau] { RubriqueTireAuSortDeNiveauClick(niveau); });
    }
    ui->MenuCompte->insertMenu(ui->MenuTempsLimite->menuAction(), MenuTireAuSortDeNiveau);
}

void TfrmMain::CreerSerie()
{
    MenuSerie = new QMenu(QString::fromUtf8(TitreMenuSerie), ui->MenuCompte);
    MenuSerie->setObjectName(QStringLiteral("MenuSerie"));
    for (const ChoixSerie& choix : ChoixSeries) {
        QAction* rubrique = MenuSerie->addAction(QString::fromUtf8(choix.Rubrique));
        rubrique->setObjectName(QStringLiteral("RubriqueSerie") +
                                QString::fromUtf8(choix.Niveau ? NomNiveau(*choix.Niveau) : "Ordinaire"));
        connect(rubrique, &QAction::triggered, this, [this, niveau = choix.Niveau] { RubriqueSerieClick(niveau); });
    }
    MenuSerie->actions().constFirst()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    MenuSerie->addSeparator();
    // une ligne à lire, pas une commande : elle reste grisée
    RubriqueTempsSerie = MenuSerie->addAction(QString());
    RubriqueTempsSerie->setObjectName(QStringLiteral("RubriqueTempsSerie"));
    RubriqueTempsSerie->setEnabled(false);

    RubriqueJeuSuivant = new QAction(QStringLiteral("Jeu s&uivant de la série"), ui->MenuCompte);
    RubriqueJeuSuivant->setObjectName(QStringLiteral("RubriqueJeuSuivant"));
    RubriqueJeuSuivant->setShortcuts({QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Return)});
    connect(RubriqueJeuSuivant, &QAction::triggered, this, &TfrmMain::RubriqueJeuSuivantClick);

    // après « Proposé », avant la séparation de « Quitter »
    const QList<QAction*> rubriques = ui->MenuCompte->actions();
    QAction* apres = rubriques.value(rubriques.indexOf(ui->RubriqueComptePropose) + 1);
    ui->MenuCompte->insertMenu(apres, MenuSerie);
    ui->MenuCompte->insertAction(apres, RubriqueJeuSuivant);
}

void TfrmMain::CreerTempsLimite()
{
    choixTempsLimite_ = std::make_unique<ChoixTempsLimite>(*ui->MenuTempsLimite, *this, [this](int secondes) {
        partie_.ChoisirTempsLimite(secondes);
        RubriqueTempsSerie->setText(QString::fromStdString(TexteTempsSerie(secondes)));
    });
    saisieJoueur_ = std::make_unique<SaisieChronometree>(partie_, *PanneauStatut0, [this] { RepeindreFenetre(); }, *this);
}

// un menu désactivé ne coupe pas les raccourcis de ses rubriques : la garde est ici, une fois
void TfrmMain::RelierSolutions(QAction* rubrique, std::function<void()> gestionnaire)
{
    connect(rubrique, &QAction::triggered, this, [this, gestionnaire = std::move(gestionnaire)] {
        if (SolutionsPermises())
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
    connect(&TimerAnimation, &QTimer::timeout, this, &TfrmMain::TimerAnimationTimer);
    RelierSolutions(ui->RubriqueDuSimpleAuTordu, [this] { RubriqueDuSimpleAuTorduClick(); });
    RelierSolutions(ui->RubriqueDuTorduAuSimple, [this] { RubriqueDuTorduAuSimpleClick(); });
    RelierSolutions(ui->RubriqueSolutionsTousComptes, [this] { RubriqueSolutionsTousComptesClick(); });
    for (QAction* rubrique : RubriquesUtilisant())
        RelierSolutions(rubrique, [this, rubrique] { RubriqueUtilisant2PlaquesClick(rubrique); });
    connect(ui->RubriqueAPropos, &QAction::triggered, this, &TfrmMain::RubriqueAProposClick);
    connect(ui->RubriqueAide, &QAction::triggered, this, &TfrmMain::RubriqueAideClick);
    connect(ui->RubriqueHistorique, &QAction::triggered, this, &TfrmMain::RubriqueHistoriqueClick);
    connect(ui->RubriqueQuitter, &QAction::triggered, this, &QWidget::close);
    connect(SpeedButtonCalc, &QToolButton::clicked, this, &TfrmMain::SpeedButtonCalcClick);
    connect(SpeedButtonInfo, &QToolButton::clicked, this, &TfrmMain::SpeedButtonInfoClick);
    connect(SpeedButtonStats, &QToolButton::clicked, this, &TfrmMain::SpeedButtonStatsClick);
    connect(BitBtnPrmSol, &QToolButton::clicked, this, &TfrmMain::BitBtnPrmSolClick);
    connect(BitBtnSolPrc, &QToolButton::clicked, this, &TfrmMain::BitBtnSolPrcClick);
    connect(BitBtnSolSvt, &QToolButton::clicked, this, &TfrmMain::BitBtnSolSvtClick);
    connect(BitBtnDrnSol, &QToolButton::clicked, this, &TfrmMain::BitBtnDrnSolClick);
    connect(ui->RubriquePremiereSolution, &QAction::triggered, this, &TfrmMain::BitBtnPrmSolClick);
    connect(ui->RubriqueSolutionPrecedente, &QAction::triggered, this, &TfrmMain::BitBtnSolPrcClick);
    connect(ui->RubriqueSolutionSuivante, &QAction::triggered, this, &TfrmMain::BitBtnSolSvtClick);
    connect(ui->RubriqueDerniereSolution, &QAction::triggered, this, &TfrmMain::BitBtnDrnSolClick);
    RelierBascule(ui->RubriqueInformationsSolutions, SpeedButtonInfo);
    RelierBascule(ui->RubriqueStatistiques, SpeedButtonStats);

    TimerAnimation.setInterval(50);
}

// ----- cycle de vie -----

void TfrmMain::FormCreate()
{
    fichierIni_ = std::make_unique<TFichierIni>(PreparerFichierIni(QCoreApplication::applicationDirPath()));
    historique_ = std::make_unique<THistoriqueJeux>(fichierIni_->Dossier());
    LireOptions();
    MajCommandes();
}

void TfrmMain::LireOptions() { choixTempsLimite_->Lire(*fichierIni_); }

void TfrmMain::UtiliserFichierIni(const QString& chemin)
{
    // la fenêtre de l'historique lit l'historique du fichier qu'on quitte
    delete fenetreHistorique_.data();
    fichierIni_ = std::make_unique<TFichierIni>(chemin);
    historique_ = std::make_unique<THistoriqueJeux>(fichierIni_->Dossier());
    LireOptions();
}

void TfrmMain::OuvrirHistorique()
{
    AccorderStatistiquesOuDire(this, *fichierIni_, *historique_);
    // « varnel --jour » : une fois l'historique ouvert (il dit si le jeu du jour est déjà joué) et ses boîtes fermées
    if (DemandeJeuDuJour(arguments_))
        RubriqueJeuDuJourClick();
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
    QTimer::singleShot(0, this, &TfrmMain::OuvrirHistorique);
    if (arguments_.isEmpty())
        return;
    if (DemandeJeuDuJour(arguments_))
        return;
    // la boîte d'erreur ou la recherche viennent une fois la fenêtre affichée
    QTimer::singleShot(0, this, &TfrmMain::LireLigneCommande);
}

void TfrmMain::LireLigneCommande()
{
    if (const std::optional<DemandeSerie> serie = LireDemandeSerieOuDire(this, arguments_)) {
        if (serie->Valide())
            RubriqueSerieClick(serie->Niveau);
        else
            close();
        return;
    }
    const std::optional<JeuLigneCommande> jeu = LireLigneCommandeOuDire(this, arguments_);
    if (!jeu) {
        close();
        return;
    }
    partie_.NouveauJeuLigneCommande(jeu->Plaques, jeu->But);
    vue_->Repeindre(true, true);
    Resoudre(OrdreDuSimpleAuTordu);
}

void TfrmMain::closeEvent(QCloseEvent* evenement)
{
    if (!AbandonnerSerie()) {
        evenement->ignore();
        return;
    }
    // toutes les fenêtres secondaires avec elle ; celles des boutons bascule se ferment par leur bouton
    ReleverBoutonEtFermer(fenetreInfoSolutions_, SpeedButtonInfo);
    ReleverBoutonEtFermer(fenetreStatistiques_, SpeedButtonStats);
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
    historique_.reset();
    fichierIni_.reset();
}

void TfrmMain::ReinitialiserJeu()
{
    partie_.Reinitialiser();
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

void TfrmMain::MajAffichageSolution()
{
    const TListeSolutions& liste = Donnees().ListeSolutions;
    const int32_t courante = Donnees().SolutionCourante;
    if (liste.Vide() || courante < 0 || courante >= liste.Nombre() || liste.Texte(courante).empty())
        return;
    PanneauStatut1->setText(QStringLiteral("%1/%2").arg(courante + 1).arg(liste.Nombre()));
    MajBoutonsNavigation();
}

void TfrmMain::RepeindreFenetre()
{
    MajAffichageSolution();
    vue_->RepeindreTout();
}

QString TfrmMain::TexteStatut(int panneau) const
{
    return panneau == 0 ? PanneauStatut0->text() : PanneauStatut1->text();
}

// ----- activation des commandes -----

void TfrmMain::Actualiser()
{
    MajCommandes();
    RepeindreFenetre();
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

void TfrmMain::MajCommandes()
{
    const EtatCommandes c = partie_.Commandes();
    ui->RubriqueCompteTireAuSort->setEnabled(c.Compte);
    ActiverMenu(*ui->MenuTireAuSortAvec, c.Compte);
    ActiverMenu(*MenuTireAuSortDeNiveau, c.Compte);
    MajCommandesSerie(c.Compte);
    choixTempsLimite_->Activer(c.Compte);
    ui->RubriqueComptePropose->setEnabled(c.Compte);
    ui->RubriqueJeuDuJour->setEnabled(c.Compte);
    ui->MenuSolutions->setEnabled(c.Solutions);
    // l'inventaire demande les six plaques d'un jeu posé, comme les deux ordres
    ui->RubriqueSolutionsTousComptes->setEnabled(c.Solutions);
    SpeedButtonCalc->setEnabled(c.Solutions);
    for (QAction* rubrique : RubriquesUtilisant())
        rubrique->setEnabled(c.Utilisant);
    // la fenêtre d'informations se ferme avec son bouton, avant que le résultat ne change
    if (!c.Informations)
        ReleverBoutonEtFermer(fenetreInfoSolutions_, SpeedButtonInfo);
    SpeedButtonInfo->setEnabled(c.Informations);
    ui->RubriqueInformationsSolutions->setEnabled(c.Informations);
    MajBoutonsNavigation();
}

void TfrmMain::MajBoutonsNavigation()
{
    const EtatNavigation n = partie_.Navigation();
    BitBtnPrmSol->setEnabled(n.VersLeDebut);
    BitBtnSolPrc->setEnabled(n.VersLeDebut);
    BitBtnSolSvt->setEnabled(n.VersLaFin);
    BitBtnDrnSol->setEnabled(n.VersLaFin);
    ui->RubriquePremiereSolution->setEnabled(n.VersLeDebut);
    ui->RubriqueSolutionPrecedente->setEnabled(n.VersLeDebut);
    ui->RubriqueSolutionSuivante->setEnabled(n.VersLaFin);
    ui->RubriqueDerniereSolution->setEnabled(n.VersLaFin);
}

void TfrmMain::MajCommandesSerie(bool compte)
{
    ActiverMenu(*MenuSerie, compte, RubriqueTempsSerie);
    RubriqueJeuSuivant->setEnabled(compte && serie_ && serie_->JeuSuivantPermis());
}

bool TfrmMain::SolutionsPermises() const { return ui->MenuSolutions->isEnabled(); }

// ----- recherche et parcours des solutions -----

// ce que la fenêtre fait autour de toute recherche, résolution ou inventaire ; la partie a déjà changé de phase
CrochetsRecherche TfrmMain::CrochetsFenetre()
{
    CrochetsRecherche crochets;
    crochets.AvantRecherche = [this] { Actualiser(); };
    crochets.Statut = [this](const std::string& texte) {
        PanneauStatut0->setText(QString::fromStdString(texte));
        PanneauStatut0->repaint();
    };
    crochets.ApresRecherche = [this] {
        // un inventaire sans aucun compte possible ne laisse pas le compteur d'une liste disparue
        if (Donnees().ListeSolutions.Vide())
            PanneauStatut1->clear();
        Actualiser();
    };
    return crochets;
}

void TfrmMain::Resoudre(uint8_t ordre)
{
    partie_.Resoudre(ordre, CrochetsFenetre());
    EnregistrerStatistiques();
}

void TfrmMain::RubriqueDuSimpleAuTorduClick() { Resoudre(OrdreDuSimpleAuTordu); }

void TfrmMain::RubriqueDuTorduAuSimpleClick() { Resoudre(OrdreDuTorduAuSimple); }

void TfrmMain::SpeedButtonCalcClick() { ui->RubriqueDuSimpleAuTordu->trigger(); }

void TfrmMain::Parcourir(void (Partie::*aller)())
{
    (partie_.*aller)();
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
    if (partie_.PremiereSolutionUtilisant(n))
        Actualiser();
    else
        AfficherMessage(this, QStringLiteral("Affichage d'une solution"),
                        QStringLiteral("Il n'y a pas de solutions utilisant %1 plaques.").arg(n));
}

// ----- tirage au sort -----

void TfrmMain::RubriqueCompteTireAuSortClick()
{
    // une série qui attend son jeu suivant le reçoit de Ctrl+T
    if (serie_ && serie_->JeuSuivantPermis()) {
        RubriqueJeuSuivantClick();
        return;
    }
    if (AutreJeuPermis())
        LancerTirage([this] { partie_.NouveauJeuTire(); });
}

void TfrmMain::RubriqueTireAuSortAvecClick(int nbGrandes)
{
    if (AutreJeuPermis())
        LancerTirage([this, nbGrandes] { partie_.NouveauJeuTire(nbGrandes); });
}

// le jeu est choisi avant l'animation ; la barre d'état dit son niveau, ou le plus proche trouvé
void TfrmMain::RubriqueTireAuSortDeNiveauClick(NiveauJeu niveau)
{
    if (!AutreJeuPermis())
        return;
    LancerTirage([this, niveau] {
        const TirageDeNiveau tirage = partie_.NouveauJeuTireDeNiveau(niveau);
        PanneauStatut0->setText(QString::fromStdString(TexteTirageDeNiveau(tirage)));
    });
}

void TfrmMain::LancerTirage(const std::function<void()>& commencer)
{
    if (!partie_.Commandes().Compte)
        return;
    commencer();
    Actualiser();
    TimerAnimation.start();
}

void TfrmMain::TimerAnimationTimer()
{
    const PasTirage pas = partie_.AvancerTirage();
    if (pas.PlaqueRevelee || pas.ButChange)
        vue_->Repeindre(pas.PlaqueRevelee, pas.ButChange);
    if (!pas.Termine)
        return;
    TimerAnimation.stop();
    Actualiser();
    OuvrirSaisieCalcul();
}

// la saisie du joueur ; finie, les statistiques suivent si le jeu est déjà résolu. Un jeu de série est
// résolu aussitôt, pour que le joueur voie la réponse
void TfrmMain::OuvrirSaisieCalcul()
{
    saisieJoueur_->Ouvrir();
    if (partie_.JeuDuJourEnCours()) {
        FinirJeuDuJour();
        return;
    }
    if (!serie_ || !serie_->TerminerJeu(CrochetsFenetre())) {
        EnregistrerStatistiques();
        return;
    }
    // un jeu de série : le jeu gardé, le bilan de sa série avec lui ; la fenêtre de l'historique mise à jour
    EcrireJeuFini();
    MajFenetreHistorique();
    SuivreSerie();
}

// ----- série de dix jeux -----

void TfrmMain::RubriqueSerieClick(NiveauSerie niveau)
{
    if (!AutreJeuPermis())
        return;
    const SerieCommencee commencee = CommencerSerieOuDire(this, *historique_, niveau);
    serie_ = std::make_unique<Serie>(partie_, niveau, commencee.Record, commencee.Numero);
    RubriqueJeuSuivantClick();
}

void TfrmMain::RubriqueJeuSuivantClick()
{
    if (!serie_ || !serie_->JeuSuivantPermis() || !partie_.Commandes().Compte)
        return;
    LancerTirage([this] {
        serie_->CommencerJeuSuivant();
        MontrerSerie();
    });
}

void TfrmMain::MontrerSerie()
{
    PanneauStatut0->setText(QString::fromStdString(serie_->TexteEtat()));
    serieMontree_ = true;
}

void TfrmMain::SuivreSerie()
{
    MontrerSerie();
    MajCommandes();
    if (serie_->Etat() != EtatSerie::Finie)
        return;
    TfrmFinSerie fin(*serie_, this);
    fin.exec();
    serie_.reset();
    MajCommandes();
}

bool TfrmMain::AutreJeuPermis()
{
    if (!partie_.Commandes().Compte || !AbandonnerSerie())
        return false;
    // le jeu qui commence n'est pas de la série : la barre d'état cesse d'en parler
    if (serieMontree_)
        PanneauStatut0->clear();
    serieMontree_ = false;
    return true;
}

bool TfrmMain::AbandonnerSerie()
{
    if (serie_ && serie_->EnCours() && serie_->QuestionAvantAbandon()) {
        // l'animation d'un jeu de la série attend la réponse : sa fin ouvrirait la saisie sous la question
        const bool animation = TimerAnimation.isActive();
        TimerAnimation.stop();
        const QString texte = QStringLiteral("%1.\nAbandonner la série ? Elle ne comptera pas pour les records.")
                                  .arg(QString::fromStdString(serie_->TexteEtat()));
        if (!PoserQuestion(this, QStringLiteral("Série en cours"), texte)) {
            if (animation)
                TimerAnimation.start();
            return false;
        }
        serie_->Abandonner();
    }
    serie_.reset();
    return true;
}

// ----- jeu du jour -----

DateJour TfrmMain::Aujourdhui() const
{
    return dateImposee_ ? *dateImposee_ : JourLocal(std::chrono::system_clock::now());
}

// le jeu de la date du jour, avec l'animation du tirage, puis la saisie contre le temps limite choisi
void TfrmMain::RubriqueJeuDuJourClick()
{
    if (!AutreJeuPermis())
        return;
    LancerTirage([this] {
        const DateJour date = Aujourdhui();
        const bool dejaJoue = JeuDuJourDejaJoue(JeuxDuJourJoues(), date);
        partie_.NouveauJeuDuJour(GenererJeuDuJour(date), dejaJoue);
        if (dejaJoue)
            PanneauStatut0->setText(QStringLiteral("Jeu du jour déjà joué : compté comme proposé."));
    });
}

std::vector<ResultatJour> TfrmMain::JeuxDuJourJoues()
{
    return JeuxDuJourEnregistres(historique_->Lire(0, nullptr, OrigineJeu::Jour));
}

// le premier essai fini compte : il est résolu aussitôt, donc enregistré, et ne peut plus être recommencé
// comme s'il n'avait pas eu lieu
void TfrmMain::FinirJeuDuJour()
{
    const JeuDuJour jeu = *partie_.JeuDuJourEnCours();
    // un autre exemplaire du programme a pu le jouer pendant la saisie
    if (partie_.Origine() == OrigineJeu::Jour && JeuDuJourDejaJoue(JeuxDuJourJoues(), jeu.Date))
        partie_.JeuDuJourJoueAilleurs();
    Resoudre(OrdreDuSimpleAuTordu);
    // l'historique décide, en l'écrivant, si c'est le premier essai de la date
    const bool rejoue = partie_.Origine() != OrigineJeu::Jour;
    const ResumeJour resume = ResumerJour(JeuxDuJourJoues(), ResultatDeLEssai(jeu, Donnees()), rejoue, Aujourdhui());
    TfrmResumeJour boite(resume, this);
    boite.exec();
}

// ----- compte proposé -----

void TfrmMain::RubriqueCompteProposeClick()
{
    if (!AutreJeuPermis())
        return;
    if (ProposerJeu(partie_, [this] { Actualiser(); }, this))
        OuvrirSaisieCalcul();
}

// ----- autres fenêtres -----

void TfrmMain::SpeedButtonInfoClick()
{
    BasculerFenetre(fenetreInfoSolutions_, SpeedButtonInfo, [this] {
        return std::make_unique<TfrmInfoSolutions>(Donnees(), [this] { return SpeedButtonInfo->isChecked(); }, this);
    });
}

void TfrmMain::SpeedButtonStatsClick()
{
    BasculerFenetre(fenetreStatistiques_, SpeedButtonStats, [this] {
        return std::make_unique<TfrmStatistiques>(*fichierIni_, [this] { return SpeedButtonStats->isChecked(); }, this);
    });
}

void TfrmMain::EnregistrerStatistiques()
{
    if (EcrireJeuFini())
        MajFenetreHistorique();
}

bool TfrmMain::EcrireJeuFini()
{
    const std::optional<JeuFini> jeu = partie_.MarquerEnregistre();
    if (jeu)
        partie_.EnregistreSous(EnregistrerJeuFini(this, *fichierIni_, *historique_, *jeu).Origine);
    return jeu.has_value();
}

void TfrmMain::MajFenetreHistorique()
{
    if (fenetreHistorique_)
        fenetreHistorique_->JeuxAjoutes();
}

TfrmHistorique* TfrmMain::FenetreHistorique() const { return fenetreHistorique_; }

void TfrmMain::RubriqueHistoriqueClick()
{
    OuvrirFenetreHistorique(
        fenetreHistorique_, this, *historique_, [this](const JeuARejouer& jeu) { RejouerJeu(jeu.Plaques, jeu.But); },
        [this] { return Aujourdhui(); },
        Raccourcis());
}

QList<QAction*> TfrmMain::Raccourcis() const
{
    QList<QAction*> raccourcis;
    for (QAction* rubrique : findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly))
        if (!rubrique->shortcut().isEmpty())
            raccourcis << rubrique;
    return raccourcis;
}

// comme à la fin du pavé numérique : jeu posé et compté comme proposé, puis la saisie du calcul
void TfrmMain::RejouerJeu(const SixEntiers& plaques, int32_t but)
{
    if (!AutreJeuPermis())
        return;
    partie_.NouveauJeuPropose(plaques, but);
    Actualiser();
    activateWindow();
    OuvrirSaisieCalcul();
}

void TfrmMain::RubriqueAProposClick()
{
    TfrmAPropos boite(this);
    boite.exec();
}

void TfrmMain::ExecuterRechercheTousComptes(const Progression& progression)
{
    CrochetsRecherche crochets = CrochetsFenetre();
    crochets.ProgressionTousComptes = progression;
    partie_.InventorierTousComptes(crochets);
    // le compte, mis à zéro le temps de l'inventaire, est rendu après les crochets
    vue_->Repeindre(false, true);
}

void TfrmMain::RubriqueSolutionsTousComptesClick()
{
    TfrmSolutionsTousComptes fenetre(
        Donnees(), [this](const Progression& progression) { ExecuterRechercheTousComptes(progression); }, this);
    fenetre.exec();
}

void TfrmMain::RubriqueAideClick()
{
    OuvrirAide(this);
}
