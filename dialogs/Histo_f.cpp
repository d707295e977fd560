// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Histo_f.h"

#include "BoiteMessage.h"
#include "ColonnesHistorique.h"
#include "CurseurAttente.h"
#include "EnregistrementJeu.h"
#include "JeuRejouable.h"
#include "LecteurEcran.h"
#include "PlacementFenetre.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTimer>
#include <QLineSeries>
#include <QMoveEvent>
#include <QShowEvent>
#include <QPushButton>
#include <QSaveFile>
#include <QScatterSeries>
#include <QScreen>
#include <QTableView>
#include <QTableWidget>
#include <QTabWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

const QString CleFenetre = QStringLiteral("fenetre-historique");
const QColor VertTrouve(0, 150, 60);
const QColor OrangeApproche(230, 120, 0);
const QColor BleuPart(30, 90, 200);
// la taille de la première ouverture, si l'écran la permet : toutes les colonnes du tableau, le graphique
// et sa légende à côté du tableau par niveau
const QSize TailleDeDepart(940, 600);

}  // namespace

TfrmHistorique::TfrmHistorique(THistoriqueJeux& historique, std::function<void(const JeuARejouer&)> rejouer,
                               std::function<DateJour()> aujourdhui, QWidget* parent)
    : QDialog(parent), historique_(historique), rejouer_(std::move(rejouer)), aujourdhui_(std::move(aujourdhui)),
      tri_(modele_)
{
    setObjectName(QStringLiteral("TfrmHistorique"));
    setWindowTitle(QStringLiteral("Historique des jeux"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);
    CreerGraphique();
    CreerFiltres();
    CreerTableau();
    CreerTableauNiveaux();
    CreerRecords();
    CreerBoutons();
    MettreEnPage();
    JeuxAjoutes();
    RestaurerPlace();
}

TfrmHistorique::~TfrmHistorique()
{
    // le programme se ferme fenêtre ouverte : sa place est gardée quand même
    if (!placeGardee_ && isVisible())
        GarderPlace();
}

void TfrmHistorique::CreerGraphique()
{
    graphique_ = new QChart();
    graphique_->setMargins(QMargins(4, 4, 4, 4));
    graphique_->legend()->setAlignment(Qt::AlignBottom);
    serieExacts_ = new QScatterSeries();
    serieExacts_->setName(QStringLiteral("Temps, compte trouvé"));
    serieExacts_->setColor(VertTrouve);
    serieApproches_ = new QScatterSeries();
    serieApproches_->setName(QStringLiteral("Temps, compte approché"));
    serieApproches_->setColor(OrangeApproche);
    for (QScatterSeries* s : {serieExacts_, serieApproches_}) {
        s->setMarkerSize(8);
        s->setBorderColor(s->color().darker());
    }
    seriePart_ = new QLineSeries();
    seriePart_->setName(QStringLiteral("Trouvés sur les 10 derniers jeux (%)"));
    seriePart_->setPen(QPen(BleuPart, 2));
    for (QXYSeries* s : std::initializer_list<QXYSeries*>{seriePart_, serieApproches_, serieExacts_})
        graphique_->addSeries(s);

    axeJeux_ = new QValueAxis();
    axeJeux_->setTitleText(QStringLiteral("Jeux, du plus ancien au plus récent"));
    axeJeux_->setLabelFormat(QStringLiteral("%d"));
    axeTemps_ = new QValueAxis();
    axeTemps_->setTitleText(QStringLiteral("Temps (s)"));
    axeTemps_->setLabelFormat(QStringLiteral("%d"));
    auto* axePart = new QValueAxis();
    axePart->setTitleText(QStringLiteral("Trouvés (%)"));
    axePart->setRange(0, 100);
    axePart->setLabelFormat(QStringLiteral("%d"));
    axePart->setLinePenColor(BleuPart);
    graphique_->addAxis(axeJeux_, Qt::AlignBottom);
    graphique_->addAxis(axeTemps_, Qt::AlignLeft);
    graphique_->addAxis(axePart, Qt::AlignRight);
    for (QXYSeries* s : std::initializer_list<QXYSeries*>{serieExacts_, serieApproches_, seriePart_}) {
        s->attachAxis(axeJeux_);
        s->attachAxis(s == seriePart_ ? axePart : axeTemps_);
    }

    auto* vue = new QChartView(graphique_, this);
    vue->setObjectName(QStringLiteral("VueGraphique"));
    vue->setRenderHint(QPainter::Antialiasing);
    // assez haut pour que les graduations ne soient pas abrégées, assez petit pour que toute la fenêtre
    // tienne sur un petit écran (ou un écran agrandi deux fois)
    vue->setMinimumHeight(200);
    vueGraphique_ = vue;
}

void TfrmHistorique::CreerFiltres()
{
    ChoixOrigine = new QComboBox(this);
    ChoixOrigine->setObjectName(QStringLiteral("ChoixOrigine"));
    for (const auto& [texte, origine] : ChoixFiltreOrigine())
        ChoixOrigine->addItem(QString::fromStdString(texte));
    ChoixGrandes = new QComboBox(this);
    ChoixGrandes->setObjectName(QStringLiteral("ChoixGrandes"));
    for (const auto& [texte, grandes] : ChoixFiltreGrandes())
        ChoixGrandes->addItem(QString::fromStdString(texte));
    ChoixNiveau = new QComboBox(this);
    ChoixNiveau->setObjectName(QStringLiteral("ChoixNiveau"));
    for (const auto& [texte, niveau] : ChoixFiltreNiveau())
        ChoixNiveau->addItem(QString::fromStdString(texte));
    for (QComboBox* choix : {ChoixOrigine, ChoixGrandes, ChoixNiveau}) {
        // Orca ne dit pas le choix d'une liste fermée de Qt : il le dit en description
        const auto nommer = [choix] { choix->setAccessibleDescription(choix->currentText()); };
        nommer();
        connect(choix, &QComboBox::currentIndexChanged, this, nommer);
        connect(choix, &QComboBox::currentIndexChanged, this, &TfrmHistorique::ChoixFiltreChange);
    }
}

void TfrmHistorique::CreerTableau()
{
    tableau_ = new QTableView(this);
    tableau_->setObjectName(QStringLiteral("TableauJeux"));
    NommerPourLecteur(*tableau_, QStringLiteral("Jeux de l'historique"));
    tableau_->setModel(&tri_);
    tableau_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tableau_->setSelectionMode(QAbstractItemView::SingleSelection);
    tableau_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab passe au contrôle suivant, au lieu de parcourir les cases une à une
    tableau_->setTabKeyNavigation(false);
    tableau_->setAlternatingRowColors(true);
    tableau_->setWordWrap(false);
    tableau_->verticalHeader()->hide();
    // des hauteurs et des largeurs tirées de la police, pas du contenu : mesurer 200 000 lignes ralentirait
    // l'ouverture
    tableau_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tableau_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView* entetes = tableau_->horizontalHeader();
    entetes->setStretchLastSection(true);
    tableau_->setSortingEnabled(true);
    // le titre entier, flèche de tri comprise
    const int chiffre = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    for (int c = 0; c < tri_.columnCount(); ++c)
        tableau_->setColumnWidth(c, std::max(ColonnesMontrees()[static_cast<size_t>(c)]->Largeur * chiffre,
                                             entetes->sectionSizeHint(c)));
    tableau_->sortByColumn(0, Qt::DescendingOrder);
    connect(tableau_, &QTableView::doubleClicked, this, &TfrmHistorique::BoutonRejouerClick);
    connect(tableau_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TfrmHistorique::MajRejouer);
}

// une ligne par niveau, toujours les mêmes : le tableau garde sa taille quand le filtre change
void TfrmHistorique::CreerTableauNiveaux()
{
    tableauNiveaux_ = new QTableWidget(0, static_cast<int>(TitresResumeNiveau.size()), this);
    tableauNiveaux_->setObjectName(QStringLiteral("TableauNiveaux"));
    NommerPourLecteur(*tableauNiveaux_, QStringLiteral("Jeux par niveau"));
    QStringList titres;
    for (const char* titre : TitresResumeNiveau)
        titres << QString::fromUtf8(titre);
    tableauNiveaux_->setHorizontalHeaderLabels(titres);
    tableauNiveaux_->verticalHeader()->hide();
    tableauNiveaux_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableauNiveaux_->setSelectionMode(QAbstractItemView::NoSelection);
    tableauNiveaux_->setTabKeyNavigation(false);
    tableauNiveaux_->setWordWrap(false);
    tableauNiveaux_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tableauNiveaux_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tableauNiveaux_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tableauNiveaux_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    // la place des textes les plus longs, titres compris : « Impossible », « 100% », « 999,9 s »
    const int chiffre = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const std::array<int, TitresResumeNiveau.size()> largeurs{11, 7, 8, 13};
    int largeur = 2 * tableauNiveaux_->frameWidth();
    for (int c = 0; c < tableauNiveaux_->columnCount(); ++c) {
        const int l = std::max(largeurs[static_cast<size_t>(c)] * chiffre,
                               tableauNiveaux_->horizontalHeader()->sectionSizeHint(c));
        tableauNiveaux_->setColumnWidth(c, l);
        largeur += l;
    }
    tableauNiveaux_->setFixedWidth(largeur);
    // chaque niveau et les jeux sans niveau, sans barre de défilement
    const int lignes = static_cast<int>(TousLesNiveaux.size()) + 1;
    tableauNiveaux_->setFixedHeight(2 * tableauNiveaux_->frameWidth() + tableauNiveaux_->horizontalHeader()->sizeHint().height() +
                                    lignes * tableauNiveaux_->verticalHeader()->defaultSectionSize());
}

void TfrmHistorique::CreerRecords()
{
    tableauRecords_ = new QTableWidget(0, 4, this);
    tableauRecords_->setObjectName(QStringLiteral("TableauRecords"));
    NommerPourLecteur(*tableauRecords_, QStringLiteral("Records"));
    tableauRecords_->setHorizontalHeaderLabels(
        {QStringLiteral("Record"), QStringLiteral("Niveau"), QStringLiteral("Valeur"), QStringLiteral("Date")});
    tableauRecords_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tableauRecords_->setSelectionMode(QAbstractItemView::SingleSelection);
    tableauRecords_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableauRecords_->setTabKeyNavigation(false);
    tableauRecords_->setWordWrap(false);
    tableauRecords_->setAlternatingRowColors(true);
    tableauRecords_->verticalHeader()->hide();
    tableauRecords_->verticalHeader()->setDefaultSectionSize(tableau_->verticalHeader()->defaultSectionSize());
    tableauRecords_->horizontalHeader()->setStretchLastSection(true);
    connect(tableauRecords_, &QTableWidget::doubleClicked, this, &TfrmHistorique::BoutonRejouerClick);
    connect(tableauRecords_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TfrmHistorique::MajRejouer);

    onglets_ = new QTabWidget(this);
    onglets_->setObjectName(QStringLiteral("Onglets"));
    onglets_->addTab(tableau_, QStringLiteral("&Jeux"));
    onglets_->addTab(tableauRecords_, QStringLiteral("Re&cords"));
    connect(onglets_, &QTabWidget::currentChanged, this, &TfrmHistorique::MajRejouer);
}

void TfrmHistorique::MontrerRecords(bool records) { onglets_->setCurrentWidget(records ? tableauRecords_ : tableau_); }

void TfrmHistorique::CreerBoutons()
{
    BoutonExporter = new QPushButton(QStringLiteral("&Exporter..."), this);
    BoutonExporter->setObjectName(QStringLiteral("BoutonExporter"));
    BoutonRejouer = new QPushButton(QStringLiteral("&Rejouer"), this);
    BoutonRejouer->setObjectName(QStringLiteral("BoutonRejouer"));
    BoutonRejouer->setToolTip(QStringLiteral("Rejouer ce jeu comme un compte proposé"));
    BoutonFermer = new QPushButton(QStringLiteral("Fermer"), this);
    BoutonFermer->setObjectName(QStringLiteral("BoutonFermer"));
    for (QPushButton* b : {BoutonExporter, BoutonRejouer, BoutonFermer})
        b->setAutoDefault(false);
    connect(BoutonExporter, &QPushButton::clicked, this, &TfrmHistorique::BoutonExporterClick);
    connect(BoutonRejouer, &QPushButton::clicked, this, &TfrmHistorique::BoutonRejouerClick);
    connect(BoutonFermer, &QPushButton::clicked, this, &QDialog::close);
}

void TfrmHistorique::MettreEnPage()
{
    LabelResume = new QLabel(this);
    LabelResume->setObjectName(QStringLiteral("LabelResume"));
    LabelResume->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LabelJoursDeSuite = new QLabel(this);
    LabelJoursDeSuite->setObjectName(QStringLiteral("LabelJoursDeSuite"));
    LabelJoursDeSuite->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* filtres = new QHBoxLayout();
    auto* origine = new QLabel(QStringLiteral("&Origine :"), this);
    origine->setBuddy(ChoixOrigine);
    auto* grandes = new QLabel(QStringLiteral("&Grandes plaques :"), this);
    grandes->setBuddy(ChoixGrandes);
    filtres->addWidget(origine);
    filtres->addWidget(ChoixOrigine);
    filtres->addSpacing(16);
    filtres->addWidget(grandes);
    filtres->addWidget(ChoixGrandes);
    auto* niveau = new QLabel(QStringLiteral("&Niveau :"), this);
    niveau->setBuddy(ChoixNiveau);
    filtres->addSpacing(16);
    filtres->addWidget(niveau);
    filtres->addWidget(ChoixNiveau);
    filtres->addStretch(1);

    auto* boutons = new QHBoxLayout();
    boutons->addWidget(BoutonExporter);
    boutons->addStretch(1);
    boutons->addWidget(BoutonRejouer);
    boutons->addWidget(BoutonFermer);

    auto* haut = new QHBoxLayout();
    haut->addWidget(vueGraphique_, 1);
    haut->addWidget(tableauNiveaux_, 0, Qt::AlignTop);

    auto* page = new QVBoxLayout(this);
    page->addLayout(haut, 2);
    page->addLayout(filtres);
    page->addWidget(onglets_, 3);
    page->addWidget(LabelResume);
    page->addWidget(LabelJoursDeSuite);
    page->addLayout(boutons);
}

// la place de la fenêtre vit dans l'historique : varnel.ini ne garde que les statistiques, et l'historique
// est déjà là, à côté, écrit en une transaction. Le cadre de la fenêtre, inconnu avant son affichage, est
// d'abord pris égal à celui de la fenêtre principale
void TfrmHistorique::RestaurerPlace()
{
    const std::optional<QByteArray> place = historique_.LireReglage(CleFenetre);
    if (!place || !restoreGeometry(*place)) {
        // la première fois : à droite de la fenêtre principale, sans cacher le jeu
        resize(TailleDeDepart);
        PlacerADroiteDuParent(*this);
    }
    const QWidget* principale = parentWidget() ? parentWidget()->window() : nullptr;
    TenirDansLEcran(principale ? BordsDuCadre(*principale) : QMargins());
}

// la fenêtre entière sur l'écran, cadre compris : plus petite et déplacée s'il le faut
void TfrmHistorique::TenirDansLEcran(const QMargins& bords)
{
    const QScreen* ecran = parentWidget() ? parentWidget()->screen() : screen();
    if (!ecran)
        return;
    const QRect cadre(isVisible() ? frameGeometry().topLeft() : pos(), size().grownBy(bords));
    const QRect tenu = CadreDansLaZone(cadre, ecran->availableGeometry());
    if (tenu == cadre)
        return;
    resize(tenu.size().shrunkBy(bords).expandedTo(minimumSizeHint()));
    move(tenu.topLeft());
}

void TfrmHistorique::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    // la fenêtre créée : son cadre est connu, sauf d'un gestionnaire de fenêtres qui le pose plus tard
    if (!evenement->spontaneous())
        TenirDansLEcran(BordsDuCadre(*this));
}

void TfrmHistorique::moveEvent(QMoveEvent* evenement)
{
    QDialog::moveEvent(evenement);
    // le gestionnaire de fenêtres vient de poser son cadre, peut-être plus épais que prévu : la fenêtre est
    // ramenée une fois sur l'écran avec le vrai cadre
    if (cadreVerifie_ || !isVisible() || frameGeometry() == geometry())
        return;
    cadreVerifie_ = true;
    TenirDansLEcran(BordsDuCadre(*this));
}

void TfrmHistorique::GarderPlace()
{
    placeGardee_ = true;
    // une place non gardée ne perd aucun jeu : pas de boîte pour si peu
    if (historique_.Ouvrir() && !historique_.LectureSeule())
        historique_.EcrireReglage(CleFenetre, saveGeometry());
}

void TfrmHistorique::done(int resultat)
{
    if (isVisible())
        GarderPlace();
    QDialog::done(resultat);
}

// les jeux gardés depuis la dernière lecture (tous à l'ouverture) ; une série ou un match se réécrit après chacun
// de ses jeux : tous sont relus (ils sont peu nombreux)
void TfrmHistorique::JeuxAjoutes()
{
    QString erreur;
    {
        const CurseurAttente attente;
        modele_.Ajouter(historique_.Lire(modele_.DernierNumero(), &erreur));
        series_ = historique_.LireSeries();
        matchs_ = historique_.LireMatchs();
    }
    MajSansFiltre();
    MajSelonFiltre();
    ChoisirPremiereSiRien();
    if (!erreur.isEmpty())
        LabelResume->setText(QStringLiteral("%1 : %2").arg(TitreEchecHistorique(historique_.DernierEchec()), erreur));
}

void TfrmHistorique::ChoixFiltreChange()
{
    FiltreHistorique filtre;
    filtre.Origine = ChoixFiltreOrigine()[static_cast<size_t>(std::max(0, ChoixOrigine->currentIndex()))].second;
    filtre.NbGrandes = ChoixFiltreGrandes()[static_cast<size_t>(std::max(0, ChoixGrandes->currentIndex()))].second;
    filtre.Niveau = ChoixFiltreNiveau()[static_cast<size_t>(std::max(0, ChoixNiveau->currentIndex()))].second;
    tri_.Filtrer(filtre);
    ChoisirPremiereSiRien();
    MajSelonFiltre();
    // la liste qui a changé se relit avec son choix, suivi du résumé des jeux qu'il montre ; après les
    // événements du tableau refait, qu'Orca lit d'abord
    if (auto* choix = qobject_cast<QComboBox*>(focusWidget()))
        if (choix == ChoixOrigine || choix == ChoixGrandes || choix == ChoixNiveau)
            QTimer::singleShot(DelaiLecteurMs, this, [this, choix] {
                Dire(*this, choix->currentText() + QStringLiteral(" ; ") + LabelResume->text());
            });
}

void TfrmHistorique::ChoisirPremiereSiRien()
{
    if (!tableau_->selectionModel()->hasSelection() && tri_.rowCount() > 0)
        tableau_->setCurrentIndex(tri_.index(0, 0));
}

// ce qui est au joueur quel que soit le filtre : ses jours de suite et ses records
void TfrmHistorique::MajSansFiltre()
{
    LabelJoursDeSuite->setVisible(bool(aujourdhui_));
    if (aujourdhui_)
        LabelJoursDeSuite->setText(QString::fromStdString(
            ::TexteJoursDeSuite(JoursDeSuiteEnregistres(JeuxDuJourEnregistres(modele_.Lignes()), aujourdhui_()))));
    MajRecords();
}

void TfrmHistorique::MajSelonFiltre()
{
    LabelResume->setText(QString::fromStdString(::TexteResume(Resumer(modele_.Lignes(), tri_.Filtre()))));
    MajGraphique();
    MajTableauNiveaux();
    MajRejouer();
    BoutonExporter->setEnabled(tri_.rowCount() > 0);
}

// une ligne abîmée se choisit comme les autres ; l'infobulle dit déjà pourquoi elle ne se rejoue pas
void TfrmHistorique::MajRejouer()
{
    const std::optional<JeuARejouer> jeu = JeuSelectionne();
    BoutonRejouer->setEnabled(jeu.has_value());
    const std::string raison = jeu ? RaisonNonRejouable(jeu->Plaques, jeu->But) : std::string();
    BoutonRejouer->setToolTip(raison.empty() ? QStringLiteral("Rejouer ce jeu comme un compte proposé")
                                             : QStringLiteral("Ce jeu ne peut pas être rejoué : %1.").arg(QString::fromStdString(raison)));
}

// les records de tous les jeux, quel que soit le filtre ; la ligne choisie le reste
void TfrmHistorique::MajRecords()
{
    records_ = Records(series_, modele_.Lignes());
    for (LigneRecord& r : RecordsMatchs(matchs_))
        records_.push_back(std::move(r));
    const int choisie = tableauRecords_->currentRow();
    tableauRecords_->setRowCount(static_cast<int>(records_.size()));
    for (size_t i = 0; i < records_.size(); ++i) {
        const LigneRecord& r = records_[i];
        const std::string cases[] = {r.Record, r.Niveau, r.Valeur, r.Date};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(cases[c]));
            if (c == 2)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            tableauRecords_->setItem(static_cast<int>(i), c, item);
        }
    }
    tableauRecords_->resizeColumnsToContents();
    if (choisie >= 0)
        tableauRecords_->selectRow(choisie);
}

void TfrmHistorique::MajGraphique()
{
    const DonneesGraphique g = Graphique(modele_.Lignes(), tri_.Filtre());
    QList<QPointF> exacts, approches, part;
    double tempsMax = 0;
    for (const PointTemps& p : g.Temps) {
        (p.Exact ? exacts : approches).append(QPointF(p.Rang, p.Secondes));
        tempsMax = std::max(tempsMax, p.Secondes);
    }
    for (const PointPart& p : g.PartExacte)
        part.append(QPointF(p.Rang, p.Pourcentage));
    serieExacts_->replace(exacts);
    serieApproches_->replace(approches);
    seriePart_->replace(part);
    // onze graduations entières : 0 à 10, 0 à 20… jusqu'à 0 à 110 pour cent jeux
    axeJeux_->setRange(0, 10 * std::ceil((g.NbJeux + 1) / 10.0));
    axeJeux_->setTickCount(11);
    axeTemps_->setRange(0, std::max(10.0, std::ceil(tempsMax * 1.1)));
    // des graduations rondes : 0, 2, 4… plutôt que 0, 2,5, 5…
    axeTemps_->applyNiceNumbers();
    NommerPourLecteur(*vueGraphique_, QStringLiteral("Graphique des derniers jeux"),
                      QString::fromStdString(DescriptionGraphique(modele_.Lignes(), tri_.Filtre())));
}

void TfrmHistorique::MajTableauNiveaux()
{
    const std::vector<ResumeNiveau> resumes = ResumerParNiveau(modele_.Lignes(), tri_.Filtre());
    tableauNiveaux_->setRowCount(static_cast<int>(resumes.size()));
    for (int ligne = 0; ligne < tableauNiveaux_->rowCount(); ++ligne) {
        const std::array<std::string, 4> cases = TextesResumeNiveau(resumes[static_cast<size_t>(ligne)]);
        for (int c = 0; c < tableauNiveaux_->columnCount(); ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(cases[static_cast<size_t>(c)]));
            item->setTextAlignment((c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            tableauNiveaux_->setItem(ligne, c, item);
        }
    }
}

QString TfrmHistorique::TexteResume() const { return LabelResume->text(); }

QString TfrmHistorique::TexteJoursDeSuite() const { return LabelJoursDeSuite->text(); }

std::optional<JeuARejouer> TfrmHistorique::JeuSelectionne() const
{
    // la ligne choisie, pas seulement la case qui a le focus : un clic dans le vide ne laisse rien à rejouer ;
    // la ligne du tableau trié ou filtré est ramenée à son jeu
    if (onglets_->currentWidget() == tableauRecords_) {
        const QModelIndexList choisies = tableauRecords_->selectionModel()->selectedRows();
        const size_t ligne = choisies.isEmpty() ? records_.size() : static_cast<size_t>(choisies.first().row());
        if (ligne >= records_.size() || !records_[ligne].Jeu)
            return std::nullopt;
        return JeuARejouer{records_[ligne].Jeu->Plaques, records_[ligne].Jeu->But};
    }
    const QModelIndexList choisies = tableau_->selectionModel()->selectedRows();
    const LigneHistorique* l = choisies.isEmpty() ? nullptr : tri_.LigneDe(choisies.first());
    if (!l)
        return std::nullopt;
    return JeuARejouer{l->Plaques, l->But};
}

void TfrmHistorique::BoutonRejouerClick()
{
    const std::optional<JeuARejouer> jeu = JeuSelectionne();
    if (!jeu || !rejouer_)
        return;
    // lu du fichier, le jeu est vérifié comme toute entrée avant d'aller à la recherche
    if (const std::string raison = RaisonNonRejouable(jeu->Plaques, jeu->But); !raison.empty()) {
        AfficherMessage(this, QStringLiteral("Jeu non rejouable"),
                        QStringLiteral("Ce jeu de l'historique ne peut pas être rejoué : %1.").arg(QString::fromStdString(raison)));
        return;
    }
    rejouer_(*jeu);
}

std::optional<QString> TfrmHistorique::ExporterVers(const QString& chemin) const
{
    QSaveFile fichier(chemin);
    const std::string texte = TexteCsv(modele_.Lignes(), tri_.Filtre());
    if (!fichier.open(QIODevice::WriteOnly) ||
        fichier.write(texte.data(), static_cast<qint64>(texte.size())) != static_cast<qint64>(texte.size()) ||
        !fichier.commit())
        return fichier.errorString();
    return std::nullopt;
}

void TfrmHistorique::BoutonExporterClick()
{
    const QString depart = QDir(QFileInfo(historique_.Chemin()).absolutePath()).filePath(QStringLiteral("historique.csv"));
    const QString chemin = QFileDialog::getSaveFileName(this, QStringLiteral("Exporter l'historique"), depart,
                                                        QStringLiteral("Fichiers CSV (*.csv);;Tous les fichiers (*)"));
    if (chemin.isEmpty())
        return;
    if (const std::optional<QString> raison = ExporterVers(chemin)) {
        AfficherMessage(this, QStringLiteral("Historique non exporté"),
                        QStringLiteral("Impossible d'écrire le fichier \"%1\" : %2.")
                            .arg(QDir::toNativeSeparators(chemin), *raison));
        return;
    }
    // la boîte d'enregistrement fermée, la fenêtre redevient active : la réussite se dit alors
    QTimer::singleShot(DelaiLecteurMs, this, [this, chemin] {
        Dire(*this, QStringLiteral("Historique exporté dans %1").arg(QDir::toNativeSeparators(chemin)));
    });
}

TfrmHistorique* OuvrirFenetreHistorique(QPointer<TfrmHistorique>& ouverte, QWidget* parent, THistoriqueJeux& historique,
                                        std::function<void(const JeuARejouer&)> rejouer,
                                        std::function<DateJour()> aujourdhui, const QList<QAction*>& raccourcis)
{
    if (ouverte) {
        ouverte->showNormal();
        ouverte->raise();
        ouverte->activateWindow();
        return ouverte;
    }
    auto* fenetre = new TfrmHistorique(historique, std::move(rejouer), std::move(aujourdhui), parent);
    fenetre->setAttribute(Qt::WA_DeleteOnClose);
    fenetre->addActions(raccourcis);
    ouverte = fenetre;
    DireAvisHistorique(parent, historique);
    if (!historique.Ouvrir())
        AfficherMessage(parent, TitreEchecHistorique(historique.DernierEchec()),
                        QStringLiteral("L'historique \"%1\" ne peut pas être lu : %2.")
                            .arg(QDir::toNativeSeparators(historique.Chemin()), historique.Raison()));
    fenetre->show();
    return fenetre;
}
