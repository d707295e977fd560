#include "Main_f.h"

#include "Apropos_f.h"
#include "Calcul_f.h"
#include "Infosol_f.h"
#include "Pavnum_f.h"
#include "Stats_f.h"
#include "BoiteMessage.h"
#include "EnregistrementSolution.h"
#include "ExecutionRecherche.h"
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

TfrmMain* frmMain = nullptr;

namespace {

const QColor Bordeaux(128, 0, 0);

QToolButton* BoutonOutil(QWidget* parent, const char* nom, const QString& glyphe, const QString& bulle, int largeur)
{
    auto* bouton = new QToolButton(parent);
    bouton->setObjectName(QLatin1String(nom));
    bouton->setIcon(IconeOutil(glyphe));
    bouton->setIconSize(QSize(16, 16));
    bouton->setToolTip(bulle);
    bouton->setFixedSize(largeur, 24);
    bouton->setAutoRaise(true);
    bouton->setFocusPolicy(Qt::NoFocus);
    return bouton;
}

}  // namespace

TfrmMain::TfrmMain(QStringList arguments, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::TfrmMain>()), arguments_(std::move(arguments))
{
    frmMain = this;
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    creerBarreOutils();
    creerBarreEtat();
    relierCommandes();
    // zone cliente de 317 × 350 sous la barre de menus, bordure fixe
    setFixedSize(317, ui->MainMenu->sizeHint().height() + 350);
    move(5, 143);
    FormCreate();
}

TfrmMain::~TfrmMain()
{
    FormDestroy();
    if (frmMain == this)
        frmMain = nullptr;
}

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

    for (QToolButton* b : {BitBtnPrmSol, BitBtnSolPrc, BitBtnSolSvt, BitBtnDrnSol}) {
        barre->addWidget(b);
        b->setEnabled(false);
    }
    auto* separation = new QWidget(barre);
    separation->setObjectName(QStringLiteral("ToolButtonSep2"));
    separation->setFixedSize(8, 24);
    barre->addWidget(separation);
    for (QToolButton* b : {SpeedButtonCalc, SpeedButtonInfo, SpeedButtonStats})
        barre->addWidget(b);
    SpeedButtonCalc->setEnabled(false);
    SpeedButtonInfo->setEnabled(false);
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

void TfrmMain::relierCommandes()
{
    ui->ZoneClient->Peindre = [this](QPainter& p) { FormPaint(p); };
    ui->PaintBoxBut->Peindre = [this](QPainter& p) { PaintBoxButPaint(p); };
    ui->PaintBoxBandePlaques->Peindre = [this](QPainter& p) { PaintBoxBandePlaquesPaint(p); };

    connect(ui->RubriqueCompteTireAuSort, &QAction::triggered, this, &TfrmMain::RubriqueCompteTireAuSortClick);
    connect(ui->RubriqueComptePropose, &QAction::triggered, this, &TfrmMain::RubriqueCompteProposeClick);
    connect(&TimerAnimation, &QTimer::timeout, this, &TfrmMain::TimerAnimationTimer);
    connect(ui->RubriqueDuSimpleAuTordu, &QAction::triggered, this, &TfrmMain::RubriqueDuSimpleAuTorduClick);
    connect(ui->RubriqueDuTorduAuSimple, &QAction::triggered, this, &TfrmMain::RubriqueDuTorduAuSimpleClick);
    for (QAction* rubrique : RubriquesUtilisant())
        connect(rubrique, &QAction::triggered, this, [this, rubrique] { RubriqueUtilisant2PlaquesClick(rubrique); });
    connect(ui->RubriqueSolutionsTousComptes, &QAction::triggered, this, &TfrmMain::RubriqueSolutionsTousComptesClick);
    connect(ui->RubriqueAPropos, &QAction::triggered, this, &TfrmMain::RubriqueAProposClick);
    connect(ui->RubriqueAide, &QAction::triggered, this, &TfrmMain::RubriqueAideClick);
    connect(SpeedButtonCalc, &QToolButton::clicked, this, &TfrmMain::SpeedButtonCalcClick);
    connect(SpeedButtonInfo, &QToolButton::clicked, this, &TfrmMain::SpeedButtonInfoClick);
    connect(SpeedButtonStats, &QToolButton::clicked, this, &TfrmMain::SpeedButtonStatsClick);
    connect(BitBtnPrmSol, &QToolButton::clicked, this, &TfrmMain::BitBtnPrmSolClick);
    connect(BitBtnSolPrc, &QToolButton::clicked, this, &TfrmMain::BitBtnSolPrcClick);
    connect(BitBtnSolSvt, &QToolButton::clicked, this, &TfrmMain::BitBtnSolSvtClick);
    connect(BitBtnDrnSol, &QToolButton::clicked, this, &TfrmMain::BitBtnDrnSolClick);

    TimerAnimation.setInterval(50);
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

void TfrmMain::ReinitialiserJeu()
{
    generateur_.seed(GraineImposee ? *GraineImposee
                                   : static_cast<unsigned>(std::chrono::system_clock::to_time_t(
                                         std::chrono::system_clock::now())));
    DonneesRecherche& d = Donnees();
    d.SolutionCourante = 0;
    d.But = 0;
    ReserveUtilisee.fill(false);
    PlaqueCachee.fill(true);
    IndiceReserve.fill(0);
    d.Plaques.fill(0);
    d.ViderSolutions();
    DesactiverSolutions();
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

void TfrmMain::PaintBoxButPaint(QPainter& peintre)
{
    const int32_t but = Donnees().But;
    if (but < 0 || but > 999)
        return;
    ImageListDigits().dessiner(peintre, 0, 0, but / 100);
    ImageListDigits().dessiner(peintre, 16, 0, but / 10 % 10);
    ImageListDigits().dessiner(peintre, 32, 0, but % 10);
}

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
    const std::string& texte = liste.Texte(courante);
    if (!texte.empty()) {
        // une croix sous chaque plaque utilisée
        const plq_utl* solution = liste.Objet(courante);
        for (int i = 0; i < 6 && solution; ++i)
            if (solution->MasquePlaques & (1u << i))
                ImageList().dessiner(peintre, GaucheCase(i), 100, ImageFois);
        // les figures, 20 pixels l'une de l'autre, une ligne d'opération tous les 32 pixels
        int ligne = 0, colonne = 0;
        for (char c : texte) {
            int image = -1;
            if (c == '\n') {
                ++ligne;
                colonne = 0;
                continue;
            }
            if (c >= '0' && c <= '9')
                image = ImageChiffre0 + (c - '0');
            else if (c == '+')
                image = ImagePlus;
            else if (c == '-')
                image = ImageMoins;
            else if (c == '*')
                image = ImageFois;
            else if (c == '/')
                image = ImageDivise;
            else if (c == '=')
                image = ImageEgal;
            if (image < 0)
                continue;
            ImageList().dessiner(peintre, colonne * 20, 148 + ligne * 32, image);
            ++colonne;
        }
    }
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

void TfrmMain::MajBoutonsNavigation()
{
    const int32_t courante = Donnees().SolutionCourante;
    const int32_t nombre = Donnees().ListeSolutions.Count();
    BitBtnPrmSol->setEnabled(courante != 0);
    BitBtnSolPrc->setEnabled(courante != 0);
    BitBtnSolSvt->setEnabled(courante < nombre - 1);
    BitBtnDrnSol->setEnabled(courante < nombre - 1);
}

QString TfrmMain::TexteStatut(int panneau) const
{
    return panneau == 0 ? PanneauStatut0->text() : PanneauStatut1->text();
}

// ----- recherche et parcours des solutions -----

void TfrmMain::ActiverMenuSolutions(bool actif)
{
    ui->MenuSolutions->setEnabled(actif);
    // l'inventaire demande les six plaques d'un jeu posé, comme les deux ordres
    ui->RubriqueSolutionsTousComptes->setEnabled(actif);
}

std::array<QAction*, 5> TfrmMain::RubriquesUtilisant() const
{
    return {ui->RubriqueUtilisant2Plaques, ui->RubriqueUtilisant3Plaques, ui->RubriqueUtilisant4Plaques,
            ui->RubriqueUtilisant5Plaques, ui->RubriqueUtilisant6Plaques};
}

void TfrmMain::ActiverRubriquesCompte(bool actif)
{
    ui->RubriqueCompteTireAuSort->setEnabled(actif);
    ui->RubriqueComptePropose->setEnabled(actif);
}

void TfrmMain::ActiverRubriquesUtilisant(bool actif)
{
    for (QAction* rubrique : RubriquesUtilisant())
        rubrique->setEnabled(actif);
}

void TfrmMain::LeverSpeedButtonInfo()
{
    if (SpeedButtonInfo->isChecked()) {
        SpeedButtonInfo->setChecked(false);
        SpeedButtonInfoClick();
    }
    SpeedButtonInfo->setEnabled(false);
}

void TfrmMain::DesactiverSolutions()
{
    for (QToolButton* b : {BitBtnPrmSol, BitBtnSolPrc, BitBtnSolSvt, BitBtnDrnSol, SpeedButtonCalc})
        b->setEnabled(false);
    ActiverMenuSolutions(false);
    LeverSpeedButtonInfo();
}

void TfrmMain::ExecuterRecherche()
{
    CrochetsRecherche crochets;
    crochets.AvantRecherche = [this] {
        DesactiverSolutions();
        ActiverRubriquesUtilisant(false);
        RepeindreFenetre();
    };
    crochets.Statut = [this](const std::string& texte) {
        PanneauStatut0->setText(QString::fromStdString(texte));
        PanneauStatut0->repaint();
    };
    crochets.ApresRecherche = [this] {
        RepeindreFenetre();
        ActiverMenuSolutions(true);
        ActiverRubriquesUtilisant(true);
        SpeedButtonCalc->setEnabled(true);
        SpeedButtonInfo->setEnabled(true);
    };
    ::ExecuterRecherche(Donnees(), crochets);
}

void TfrmMain::RubriqueDuSimpleAuTorduClick()
{
    // un menu désactivé ne coupe pas les raccourcis de ses rubriques
    if (!ui->MenuSolutions->isEnabled())
        return;
    Donnees().OrdreSolutions = 1;
    ExecuterRecherche();
    EnregistrerStatistiques();
}

void TfrmMain::RubriqueDuTorduAuSimpleClick()
{
    if (!ui->MenuSolutions->isEnabled())
        return;
    Donnees().OrdreSolutions = 2;
    ExecuterRecherche();
    EnregistrerStatistiques();
}

void TfrmMain::SpeedButtonCalcClick()
{
    if (ui->MenuSolutions->isEnabled())
        ui->RubriqueDuSimpleAuTordu->trigger();
}

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
    if (!ui->MenuSolutions->isEnabled() || !rubrique || !rubrique->isEnabled())
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

void TfrmMain::CouperCommandesJeu()
{
    ActiverRubriquesCompte(false);
    ActiverMenuSolutions(false);
    ActiverRubriquesUtilisant(false);
    SpeedButtonCalc->setEnabled(false);
    LeverSpeedButtonInfo();
}

void TfrmMain::RubriqueCompteTireAuSortClick()
{
    if (!ui->RubriqueCompteTireAuSort->isEnabled())
        return;
    CouperCommandesJeu();
    DonneesRecherche& d = Donnees();
    d.OrdreSolutions = 0;
    ReinitialiserJeu();
    d.ClasserPlaques(ModeClassement::Identite);
    // chaque roue part à son heure et ralentit à sa façon
    for (uint32_t i = 0; i < 3; ++i) {
        RouleauChiffre& rouleau = Animation.Rouleaux[i];
        rouleau.Delai = Aleatoire() % 300 + 1000 * i;
        rouleau.Croissance = Aleatoire() % 50 + 110;
        rouleau.Periode = Aleatoire() % 100 + 50;
    }
    Animation.TempsAnimation = 0;
    TimerAnimation.start();
    OrigineJeu = 1;
    StatsAEnregistrer = true;
}

void TfrmMain::TimerAnimationTimer()
{
    DonneesRecherche& d = Donnees();
    Animation.TempsAnimation += 50;
    const uint32_t temps = Animation.TempsAnimation;

    // une plaque apparaît à chaque seconde pleine
    if (temps >= 1000 && temps <= 6000 && temps % 1000 == 0) {
        const auto k = static_cast<size_t>(temps / 1000 - 1);
        ReserveUtilisee[static_cast<size_t>(IndiceReserve[k])] = true;
        PlaqueCachee[k] = false;
        ui->PaintBoxBandePlaques->repaint();
    }
    // la plaque suivante, encore cachée, change à chaque pas parmi celles qui restent dans la réserve
    const uint32_t s = temps / 1000;
    if (s < 6) {
        size_t indice = 0;
        do {
            indice = Aleatoire() % 24;
            IndiceReserve[s] = static_cast<int>(indice);
            d.Plaques[s] = ReservePlaques[indice];
        } while (ReserveUtilisee[indice]);
    }
    // les trois roues du compte
    bool toutesArretees = true;
    for (int i = 0; i < 3; ++i) {
        RouleauChiffre& rouleau = Animation.Rouleaux[static_cast<size_t>(i)];
        if (RouleauArrete(rouleau))
            continue;
        toutesArretees = false;
        if (rouleau.Periode + rouleau.Delai > temps)
            continue;
        rouleau.Periode = rouleau.Periode * rouleau.Croissance / 100;
        d.But = AvancerChiffre(d.But, i);
        ui->PaintBoxBut->repaint();
    }
    if (!toutesArretees || temps <= 6000)
        return;

    TimerAnimation.stop();
    ActiverRubriquesCompte(true);
    ActiverMenuSolutions(true);
    SpeedButtonCalc->setEnabled(true);
    RepeindreFenetre();
    OuvrirSaisieCalcul();
}

void TfrmMain::OuvrirSaisieCalcul()
{
    TfrmSaisieCalcul saisie(Donnees(), [this] { RepeindreFenetre(); }, this);
    saisie.exec();
}

// ----- compte proposé -----

void TfrmMain::RubriqueCompteProposeClick()
{
    if (!ui->RubriqueComptePropose->isEnabled())
        return;
    CouperCommandesJeu();
    DonneesRecherche& d = Donnees();
    d.OrdreSolutions = 0;
    LienJeuPropose lien{d.Plaques,
                        PlaqueCachee,
                        d.But,
                        [this] { ui->PaintBoxBandePlaques->repaint(); },
                        [this] { ui->PaintBoxBut->repaint(); },
                        [this] {
                            ActiverMenuSolutions(true);
                            SpeedButtonCalc->setEnabled(true);
                        }};
    int resultat = QDialog::Rejected;
    {
        TfrmPaveNumerique pave(lien, this);
        ReinitialiserJeu();
        d.ClasserPlaques(ModeClassement::Identite);
        resultat = pave.exec();
    }
    if (resultat != QDialog::Accepted)
        ReinitialiserJeu();  // tout ce qui a été saisi disparaît
    else
        OuvrirSaisieCalcul();
    ActiverRubriquesCompte(true);
    OrigineJeu = 2;
    StatsAEnregistrer = true;
}

// ----- autres fenêtres -----

void TfrmMain::SpeedButtonInfoClick()
{
    if (SpeedButtonInfo->isChecked()) {
        if (FenetreInfoSolutions)
            return;
        FenetreInfoSolutions = std::make_unique<TfrmInfoSolutions>(
            Donnees(), [this] { return SpeedButtonInfo->isChecked(); }, this);
        // la fenêtre principale garde le clavier et ses raccourcis
        FenetreInfoSolutions->setAttribute(Qt::WA_ShowWithoutActivating);
        FenetreInfoSolutions->show();
    } else if (FenetreInfoSolutions) {
        FenetreInfoSolutions->close();
        FenetreInfoSolutions.reset();
    }
}

void TfrmMain::SpeedButtonStatsClick()
{
    if (SpeedButtonStats->isChecked()) {
        if (FenetreStatistiques)
            return;
        FenetreStatistiques = std::make_unique<TfrmStatistiques>(
            *FichierIni, [this] { return SpeedButtonStats->isChecked(); }, this);
        FenetreStatistiques->setAttribute(Qt::WA_ShowWithoutActivating);
        FenetreStatistiques->show();
    } else if (FenetreStatistiques) {
        FenetreStatistiques->close();
        FenetreStatistiques.reset();
    }
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
    frmAPropos = &boite;
    boite.exec();
    frmAPropos = nullptr;
}

void TfrmMain::RubriqueSolutionsTousComptesClick()
{
    if (!ui->RubriqueSolutionsTousComptes->isEnabled())
        return;
    // la fenêtre de l'inventaire de tous les comptes viendra se brancher ici
}

void TfrmMain::RubriqueAideClick()
{
    const QDir dossier(QCoreApplication::applicationDirPath());
    OuvrirAvecLeBureau(QUrl::fromLocalFile(dossier.absoluteFilePath(QStringLiteral("varnel.html"))));
}
