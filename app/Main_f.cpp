#include "Main_f.h"

#include "Aide_f.h"
#include "Apropos_f.h"
#include "Calcul_f.h"
#include "Infosol_f.h"
#include "Pavnum_f.h"
#include "Sltscpt_f.h"
#include "Stats_f.h"
#include "BoiteMessage.h"
#include "BoutonOutil.h"
#include "DessinJeu.h"
#include "FenetreAuBouton.h"
#include "FenetresSecondaires.h"
#include "EnregistrementSolution.h"
#include "ExecutionRecherche.h"
#include "Horloge.h"
#include "ImagesVarnel.h"
#include "LigneCommande.h"
#include "Ouverture.h"
#include "ui_Main_f.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <chrono>

namespace {

const QColor Bordeaux(128, 0, 0);

unsigned GraineDeLHeure()
{
    return static_cast<unsigned>(std::chrono::system_clock::to_time_t(std::chrono::system_clock::now()));
}

}  // namespace

TfrmMain::TfrmMain(QStringList arguments, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::TfrmMain>()), arguments_(std::move(arguments))
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    creerBarreOutils();
    creerBarreEtat();
    relierPeinture();
    relierCommandes();
    // zone cliente de 317 × 350 sous la barre de menus, bordure fixe
    setFixedSize(317, ui->MainMenu->sizeHint().height() + 350);
    move(5, 143);
    FormCreate();
}

TfrmMain::~TfrmMain() { FormDestroy(); }

void TfrmMain::creerBarreOutils()
{
    QToolBar* barre = ui->ToolBar;
    barre->setIconSize(QSize(16, 16));
    barre->setFixedHeight(29);
    barre->setAutoFillBackground(true);
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

    for (QToolButton* b : {BitBtnPrmSol, BitBtnSolPrc, BitBtnSolSvt, BitBtnDrnSol})
        barre->addWidget(b);
    auto* separation = new QWidget(barre);
    separation->setObjectName(QStringLiteral("ToolButtonSep2"));
    separation->setFixedSize(8, 24);
    barre->addWidget(separation);
    for (QToolButton* b : {SpeedButtonCalc, SpeedButtonInfo, SpeedButtonStats})
        barre->addWidget(b);
}

void TfrmMain::creerBarreEtat()
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

void TfrmMain::relierPeinture()
{
    ui->ZoneClient->Peindre = [this](QPainter& p) { FormPaint(p); };
    ui->PaintBoxBut->Peindre = [this](QPainter& p) { PaintBoxButPaint(p); };
    ui->PaintBoxBandePlaques->Peindre = [this](QPainter& p) { PaintBoxBandePlaquesPaint(p); };
}

// un menu désactivé ne coupe pas les raccourcis de ses rubriques : la garde est ici, une fois
void TfrmMain::relierSolutions(QAction* rubrique, std::function<void()> gestionnaire)
{
    connect(rubrique, &QAction::triggered, this, [this, gestionnaire = std::move(gestionnaire)] {
        if (SolutionsPermises())
            gestionnaire();
    });
}

void TfrmMain::relierCommandes()
{
    connect(ui->RubriqueCompteTireAuSort, &QAction::triggered, this, &TfrmMain::RubriqueCompteTireAuSortClick);
    const std::array<QAction*, 5> avec = RubriquesTireAuSortAvec();
    for (int n = 0; n < 5; ++n)
        connect(avec[static_cast<size_t>(n)], &QAction::triggered, this, [this, n] { RubriqueTireAuSortAvecClick(n); });
    connect(ui->RubriqueComptePropose, &QAction::triggered, this, &TfrmMain::RubriqueCompteProposeClick);
    connect(&TimerAnimation, &QTimer::timeout, this, &TfrmMain::TimerAnimationTimer);
    relierSolutions(ui->RubriqueDuSimpleAuTordu, [this] { RubriqueDuSimpleAuTorduClick(); });
    relierSolutions(ui->RubriqueDuTorduAuSimple, [this] { RubriqueDuTorduAuSimpleClick(); });
    relierSolutions(ui->RubriqueSolutionsTousComptes, [this] { RubriqueSolutionsTousComptesClick(); });
    for (QAction* rubrique : RubriquesUtilisant())
        relierSolutions(rubrique, [this, rubrique] { RubriqueUtilisant2PlaquesClick(rubrique); });
    connect(ui->RubriqueAPropos, &QAction::triggered, this, &TfrmMain::RubriqueAProposClick);
    connect(ui->RubriqueAide, &QAction::triggered, this, &TfrmMain::RubriqueAideClick);
    connect(ui->RubriqueQuitter, &QAction::triggered, this, &QWidget::close);
    connect(SpeedButtonCalc, &QToolButton::clicked, this, &TfrmMain::SpeedButtonCalcClick);
    connect(SpeedButtonInfo, &QToolButton::clicked, this, &TfrmMain::SpeedButtonInfoClick);
    connect(SpeedButtonStats, &QToolButton::clicked, this, &TfrmMain::SpeedButtonStatsClick);
    connect(BitBtnPrmSol, &QToolButton::clicked, this, &TfrmMain::BitBtnPrmSolClick);
    connect(BitBtnSolPrc, &QToolButton::clicked, this, &TfrmMain::BitBtnSolPrcClick);
    connect(BitBtnSolSvt, &QToolButton::clicked, this, &TfrmMain::BitBtnSolSvtClick);
    connect(BitBtnDrnSol, &QToolButton::clicked, this, &TfrmMain::BitBtnDrnSolClick);

    TimerAnimation.setInterval(50);
    minuterieSaisie_.setInterval(200);
    connect(&minuterieSaisie_, &QTimer::timeout, this, &TfrmMain::AfficherTempsSaisie);
}

// ----- cycle de vie -----

void TfrmMain::FormCreate()
{
    DonneesRecherche& d = Donnees();
    d.EtatRacine.reset();
    d.Plaques.fill(0);
    d.NbSolutions = 0;
    d.NbSolutionsPlaques.fill(0);
    d.NbPossibilites = 0;
    d.NbPossibilitesEtape.fill(0);
    d.TempsPremiereSolution = 0;
    d.TempsTotal = 0;
    d.But = 0;
    d.SolutionCourante = 0;
    PeintureEnCours = false;
    d.OrdreSolutions = 0;
    d.ListeSolutions.Vider();
    FichierIni = std::make_unique<TFichierIni>(EmplacementFichierIni(QCoreApplication::applicationDirPath()));
    StatsAEnregistrer = false;
    ChangerPhase(PhaseJeu::AucunJeu);
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
    AjusterALaLargeur();
    ReinitialiserJeu();
    if (arguments_.isEmpty())
        return;
    // la boîte d'erreur ou la recherche viennent une fois la fenêtre affichée
    QTimer::singleShot(0, this, &TfrmMain::LireLigneCommande);
}

void TfrmMain::LireLigneCommande()
{
    std::vector<std::string> arguments;
    for (const QString& a : arguments_)
        arguments.push_back(a.toStdString());
    const JeuLigneCommande jeu = LireArguments(arguments);
    if (!jeu.Valide()) {
        AfficherMessage(this, QStringLiteral("Erreur dans les paramètres de la ligne de commande"),
                        QString::fromStdString(jeu.Erreur) + QLatin1Char('\n') + QLatin1String(SyntaxeLigneCommande));
        close();
        return;
    }
    DonneesRecherche& d = Donnees();
    d.Plaques = jeu.Plaques;
    d.But = jeu.But;
    PlaqueCachee = jeu.PlaqueCachee;
    ui->PaintBoxBandePlaques->repaint();
    ui->PaintBoxBut->repaint();
    d.OrdreSolutions = 1;
    ExecuterRecherche();
}

void TfrmMain::closeEvent(QCloseEvent* evenement)
{
    // toutes les fenêtres secondaires avec elle ; celles des boutons bascule se ferment par leur bouton
    SpeedButtonInfo->setChecked(false);
    SpeedButtonStats->setChecked(false);
    SpeedButtonInfoClick();
    SpeedButtonStatsClick();
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
    FichierIni.reset();
}

void TfrmMain::ReinitialiserJeu(PhaseJeu phase)
{
    tirage_.Reinitialiser(graineImposee_ ? *graineImposee_ : GraineDeLHeure());
    DonneesRecherche& d = Donnees();
    d.SolutionCourante = 0;
    d.But = 0;
    PlaqueCachee.fill(true);
    d.Plaques.fill(0);
    d.ViderSolutions();
    ChangerPhase(phase);
    RepeindreFenetre();
}

// ----- géométrie -----

int TfrmMain::LargeurExterieure() const
{
    // la largeur du cadre quand le gestionnaire de fenêtres en donne un, sinon celle de la zone cliente
    const int cadre = frameGeometry().width();
    return cadre > width() ? cadre : width();
}

int TfrmMain::GaucheCase(int i) const
{
    const int ecart = (LargeurExterieure() - 192) / 7;
    return ecart + i * (ecart + 32);
}

void TfrmMain::AjusterALaLargeur()
{
    const int largeur = LargeurExterieure();
    if (largeur == largeurAjustee_)
        return;
    largeurAjustee_ = largeur;
    ui->PaintBoxBandePlaques->setGeometry(0, 72, largeur, 34);
    ui->PaintBoxBut->move((largeur - 48) / 2 - 2, 35);
    ui->ZoneClient->update();
}

void TfrmMain::moveEvent(QMoveEvent* evenement)
{
    QMainWindow::moveEvent(evenement);
    // le cadre n'est connu qu'une fois la fenêtre placée par le gestionnaire de fenêtres
    if (dejaMontree_)
        AjusterALaLargeur();
}

// ----- peinture -----

void TfrmMain::PaintBoxButPaint(QPainter& peintre) { DessinerCompte(peintre, Donnees().But); }

void TfrmMain::PaintBoxBandePlaquesPaint(QPainter& peintre)
{
    const QWidget* bande = ui->PaintBoxBandePlaques;
    peintre.setPen(Bordeaux);
    peintre.setBrush(Bordeaux);
    peintre.drawRect(0, 0, bande->width(), bande->height());
    for (int i = 0; i < 6; ++i)
        if (!PlaqueCachee[static_cast<size_t>(i)])
            DessinerPlaque(peintre, i);
}

void TfrmMain::DessinerPlaque(QPainter& peintre, int i)
{
    const int32_t valeur = Donnees().Plaques[static_cast<size_t>(i)];
    if (valeur != 0)
        ImageList().dessiner(peintre, GaucheCase(i), 1, ImagePlaque(valeur));
}

void TfrmMain::FormPaint(QPainter& peintre)
{
    peintre.fillRect(ui->ZoneClient->rect(), Qt::black);
    const TListeSolutions& liste = Donnees().ListeSolutions;
    const int32_t courante = Donnees().SolutionCourante;
    if (liste.Vide() || PeintureEnCours || courante < 0 || courante >= liste.Count())
        return;
    PeintureEnCours = true;
    const plq_utl* solution = liste.Objet(courante);
    DessinerSolution(peintre, liste.Texte(courante), solution ? solution->MasquePlaques : 0,
                     [this](int i) { return GaucheCase(i); });
    PeintureEnCours = false;
}

void TfrmMain::MajAffichageSolution()
{
    const TListeSolutions& liste = Donnees().ListeSolutions;
    const int32_t courante = Donnees().SolutionCourante;
    if (liste.Vide() || courante < 0 || courante >= liste.Count() || liste.Texte(courante).empty())
        return;
    PanneauStatut1->setText(QStringLiteral("%1/%2").arg(courante + 1).arg(liste.Count()));
    MajBoutonsNavigation();
}

void TfrmMain::RepeindreFenetre()
{
    MajAffichageSolution();
    ui->ZoneClient->repaint();
}

QString TfrmMain::TexteStatut(int panneau) const
{
    return panneau == 0 ? PanneauStatut0->text() : PanneauStatut1->text();
}

// ----- activation des commandes -----

void TfrmMain::ChangerPhase(PhaseJeu phase)
{
    phase_ = phase;
    MajCommandes();
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
    const EtatCommandes c = CommandesDeLaPhase(phase_);
    ui->RubriqueCompteTireAuSort->setEnabled(c.Compte);
    ui->MenuTireAuSortAvec->setEnabled(c.Compte);
    for (QAction* rubrique : RubriquesTireAuSortAvec())
        rubrique->setEnabled(c.Compte);
    ui->RubriqueComptePropose->setEnabled(c.Compte);
    ui->MenuSolutions->setEnabled(c.Solutions);
    // l'inventaire demande les six plaques d'un jeu posé, comme les deux ordres
    ui->RubriqueSolutionsTousComptes->setEnabled(c.Solutions);
    SpeedButtonCalc->setEnabled(c.Solutions);
    for (QAction* rubrique : RubriquesUtilisant())
        rubrique->setEnabled(c.Utilisant);
    // la fenêtre d'informations se ferme avec son bouton, avant que le résultat ne change
    if (!c.Informations && SpeedButtonInfo->isChecked()) {
        SpeedButtonInfo->setChecked(false);
        SpeedButtonInfoClick();
    }
    SpeedButtonInfo->setEnabled(c.Informations);
    MajBoutonsNavigation();
}

void TfrmMain::MajBoutonsNavigation()
{
    const EtatNavigation n = CommandesDeLaPhase(phase_).Navigation
                                 ? NavigationDeLaSolution(Donnees().SolutionCourante, Donnees().ListeSolutions.Count())
                                 : EtatNavigation{};
    BitBtnPrmSol->setEnabled(n.VersLeDebut);
    BitBtnSolPrc->setEnabled(n.VersLeDebut);
    BitBtnSolSvt->setEnabled(n.VersLaFin);
    BitBtnDrnSol->setEnabled(n.VersLaFin);
}

bool TfrmMain::SolutionsPermises() const { return ui->MenuSolutions->isEnabled(); }

// ----- recherche et parcours des solutions -----

// ce que la fenêtre fait autour de toute recherche, résolution ou inventaire
CrochetsRecherche TfrmMain::CrochetsFenetre()
{
    CrochetsRecherche crochets;
    crochets.AvantRecherche = [this] {
        ChangerPhase(PhaseJeu::RechercheEnCours);
        RepeindreFenetre();
    };
    crochets.Statut = [this](const std::string& texte) {
        PanneauStatut0->setText(QString::fromStdString(texte));
        PanneauStatut0->repaint();
    };
    crochets.ApresRecherche = [this] {
        ChangerPhase(PhaseJeu::Resolu);
        // un inventaire sans aucun compte possible ne laisse pas le compteur d'une liste disparue
        if (Donnees().ListeSolutions.Vide())
            PanneauStatut1->clear();
        RepeindreFenetre();
    };
    return crochets;
}

void TfrmMain::ExecuterRecherche() { ::ExecuterRecherche(Donnees(), CrochetsFenetre()); }

void TfrmMain::RubriqueDuSimpleAuTorduClick()
{
    Donnees().OrdreSolutions = 1;
    ExecuterRecherche();
    EnregistrerStatistiques();
}

void TfrmMain::RubriqueDuTorduAuSimpleClick()
{
    Donnees().OrdreSolutions = 2;
    ExecuterRecherche();
    EnregistrerStatistiques();
}

void TfrmMain::SpeedButtonCalcClick() { ui->RubriqueDuSimpleAuTordu->trigger(); }

void TfrmMain::AllerALaSolution(int32_t indice)
{
    Donnees().SolutionCourante = indice;
    RepeindreFenetre();
}

void TfrmMain::BitBtnPrmSolClick() { AllerALaSolution(0); }

void TfrmMain::BitBtnSolPrcClick()
{
    const int32_t courante = Donnees().SolutionCourante;
    AllerALaSolution(courante != 0 ? courante - 1 : courante);
}

void TfrmMain::BitBtnSolSvtClick()
{
    const int32_t courante = Donnees().SolutionCourante;
    AllerALaSolution(courante < Donnees().ListeSolutions.Count() - 1 ? courante + 1 : courante);
}

void TfrmMain::BitBtnDrnSolClick() { AllerALaSolution(std::max(0, Donnees().ListeSolutions.Count() - 1)); }

void TfrmMain::RubriqueUtilisant2PlaquesClick(QAction* rubrique)
{
    if (!rubrique || !rubrique->isEnabled())
        return;
    // le nombre de plaques est le 18e caractère du nom de la rubrique
    bool ok = false;
    const int n = rubrique->objectName().mid(17, 1).toInt(&ok);
    if (!ok || n == 0)
        return;
    const TListeSolutions& liste = Donnees().ListeSolutions;
    for (int32_t i = 0; i < liste.Count(); ++i) {
        const plq_utl* solution = liste.Objet(i);
        if (solution && NbPlaquesMasque(solution->MasquePlaques) == n) {
            AllerALaSolution(i);
            return;
        }
    }
    AfficherMessage(this, QStringLiteral("Affichage d'une solution"),
                    QStringLiteral("Il n'y a pas de solutions utilisant %1 plaques.").arg(n));
}

// ----- tirage au sort -----

// un tirage ou un compte proposé commence : jeu effacé, commandes coupées, plaques dans l'ordre du tirage
void TfrmMain::CommencerNouveauJeu()
{
    Donnees().OrdreSolutions = 0;
    ReinitialiserJeu(PhaseJeu::TirageEnCours);
    Donnees().ClasserPlaques(ModeClassement::Identite);
}

void TfrmMain::RubriqueCompteTireAuSortClick() { LancerTirage(std::nullopt); }

void TfrmMain::RubriqueTireAuSortAvecClick(int nbGrandes) { LancerTirage(nbGrandes); }

void TfrmMain::LancerTirage(std::optional<int> nbGrandes)
{
    if (!ui->RubriqueCompteTireAuSort->isEnabled())
        return;
    CommencerNouveauJeu();
    tirage_.Demarrer(nbGrandes);
    TimerAnimation.start();
    OrigineJeu = 1;
    StatsAEnregistrer = true;
}

void TfrmMain::TimerAnimationTimer()
{
    DonneesRecherche& d = Donnees();
    const PasTirage pas = tirage_.Avancer(d.Plaques, PlaqueCachee, d.But);
    if (pas.PlaqueRevelee)
        ui->PaintBoxBandePlaques->repaint();
    if (pas.ButChange)
        ui->PaintBoxBut->repaint();
    if (!pas.Termine)
        return;
    TimerAnimation.stop();
    ChangerPhase(PhaseJeu::JeuPose);
    RepeindreFenetre();
    OuvrirSaisieCalcul();
}

void TfrmMain::OuvrirSaisieCalcul()
{
    TfrmSaisieCalcul saisie(Donnees(), [this] { RepeindreFenetre(); }, this);
    // la saisie commence : son temps part de zéro
    PanneauStatut0->setText(QStringLiteral("Temps : 0 s"));
    minuterieSaisie_.start();
    saisie.exec();
    minuterieSaisie_.stop();
    PanneauStatut0->clear();
}

// le temps du joueur, pris à la même horloge que TempsJoueur ; « Refaire » le fait repartir
void TfrmMain::AfficherTempsSaisie()
{
    const int32_t secondes = (HorlogeMs() - Donnees().DebutChrono) / 1000;
    PanneauStatut0->setText(QStringLiteral("Temps : %1 s").arg(std::max(0, secondes)));
}

// ----- compte proposé -----

void TfrmMain::RubriqueCompteProposeClick()
{
    if (!ui->RubriqueComptePropose->isEnabled())
        return;
    DonneesRecherche& d = Donnees();
    LienJeuPropose lien{d.Plaques,
                        PlaqueCachee,
                        d.But,
                        [this] { ui->PaintBoxBandePlaques->repaint(); },
                        [this] { ui->PaintBoxBut->repaint(); },
                        [this] { ChangerPhase(PhaseJeu::JeuPose); }};
    int resultat = QDialog::Rejected;
    {
        TfrmPaveNumerique pave(lien, this);
        CommencerNouveauJeu();
        resultat = pave.exec();
    }
    if (resultat != QDialog::Accepted)
        ReinitialiserJeu();  // tout ce qui a été saisi disparaît
    else
        OuvrirSaisieCalcul();
    OrigineJeu = 2;
    StatsAEnregistrer = true;
}

// ----- autres fenêtres -----

void TfrmMain::SpeedButtonInfoClick()
{
    BasculerFenetre(FenetreInfoSolutions, SpeedButtonInfo, [this] {
        return std::make_unique<TfrmInfoSolutions>(Donnees(), [this] { return SpeedButtonInfo->isChecked(); }, this);
    });
}

void TfrmMain::SpeedButtonStatsClick()
{
    BasculerFenetre(FenetreStatistiques, SpeedButtonStats, [this] {
        return std::make_unique<TfrmStatistiques>(*FichierIni, [this] { return SpeedButtonStats->isChecked(); }, this);
    });
}

void TfrmMain::EnregistrerStatistiques()
{
    if (!StatsAEnregistrer)
        return;
    StatsAEnregistrer = false;
    const CumulsStat jeu = MontantsJeu(Donnees(), OrigineJeu, PositionSolutionJoueur(Donnees()));
    // le fichier reste alors tel qu'il était ; les chiffres de ce jeu sont perdus, mais pas en silence
    if (!FichierIni->AjouterCumuls(jeu))
        AfficherMessage(this, QStringLiteral("Statistiques non enregistrées"),
                        QStringLiteral("Impossible d'enregistrer les statistiques dans le fichier \"%1\".")
                            .arg(QDir::toNativeSeparators(FichierIni->Chemin())));
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
    ::ExecuterRechercheTousComptes(Donnees(), crochets);
    // le compte, mis à zéro le temps de l'inventaire, est rendu après les crochets
    ui->PaintBoxBut->repaint();
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
