// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Histo_f.h"

#include "BoiteMessage.h"
#include "LecteurEcran.h"
#include "PlacementFenetre.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSaveFile>
#include <QScatterSeries>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

const QString CleFenetre = QStringLiteral("fenetre-historique");
const QColor VertTrouve(0, 150, 60);
const QColor OrangeApproche(230, 120, 0);
const QColor BleuPart(30, 90, 200);

}  // namespace

TfrmHistorique::TfrmHistorique(const QString& dossier, std::function<void(const JeuARejouer&)> rejouer, QWidget* parent)
    : QDialog(parent), historique_(std::make_unique<THistoriqueJeux>(dossier)), rejouer_(std::move(rejouer)),
      modele_(this)
{
    setObjectName(QStringLiteral("TfrmHistorique"));
    setWindowTitle(QStringLiteral("Historique des jeux"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);
    CreerGraphique();
    CreerFiltres();
    CreerTableau();
    CreerBoutons();
    MettreEnPage();
    RestaurerPlace();
    Recharger();
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
    vue->setMinimumHeight(200);
    vueGraphique_ = vue;
}

void TfrmHistorique::CreerFiltres()
{
    ChoixOrigine = new QComboBox(this);
    ChoixOrigine->setObjectName(QStringLiteral("ChoixOrigine"));
    ChoixOrigine->addItem(QStringLiteral("tous"), 0);
    ChoixOrigine->addItem(QStringLiteral("tirés au sort"), 1);
    ChoixOrigine->addItem(QStringLiteral("proposés"), 2);
    ChoixGrandes = new QComboBox(this);
    ChoixGrandes->setObjectName(QStringLiteral("ChoixGrandes"));
    ChoixGrandes->addItem(QStringLiteral("toutes"), -1);
    for (int n = 0; n <= 4; ++n)
        ChoixGrandes->addItem(QString::number(n), n);
    connect(ChoixOrigine, &QComboBox::currentIndexChanged, this, &TfrmHistorique::ChoixFiltreChange);
    connect(ChoixGrandes, &QComboBox::currentIndexChanged, this, &TfrmHistorique::ChoixFiltreChange);
}

void TfrmHistorique::CreerTableau()
{
    tri_ = new QSortFilterProxyModel(this);
    tri_->setSourceModel(&modele_);
    tri_->setSortRole(ModeleHistorique::RoleTri);
    tableau_ = new QTableView(this);
    tableau_->setObjectName(QStringLiteral("TableauJeux"));
    NommerPourLecteur(*tableau_, QStringLiteral("Jeux de l'historique"));
    tableau_->setModel(tri_);
    tableau_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tableau_->setSelectionMode(QAbstractItemView::SingleSelection);
    tableau_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableau_->setAlternatingRowColors(true);
    tableau_->setWordWrap(false);
    tableau_->verticalHeader()->hide();
    // des largeurs tirées de la police, pas du contenu : mesurer 10 000 lignes ralentirait l'ouverture
    tableau_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    const int chiffre = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const int largeurs[ModeleHistorique::NbColonnes] = {17, 17, 7, 8, 15, 12, 9, 8};
    for (int c = 0; c < ModeleHistorique::NbColonnes; ++c)
        tableau_->setColumnWidth(c, largeurs[c] * chiffre);
    tableau_->horizontalHeader()->setStretchLastSection(true);
    tableau_->setSortingEnabled(true);
    tableau_->sortByColumn(ModeleHistorique::Date, Qt::DescendingOrder);
    connect(tableau_, &QTableView::doubleClicked, this, &TfrmHistorique::BoutonRejouerClick);
    connect(tableau_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { BoutonRejouer->setEnabled(JeuSelectionne().has_value()); });
}

void TfrmHistorique::CreerBoutons()
{
    BoutonExporter = new QPushButton(QStringLiteral("Exporter…"), this);
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
    filtres->addStretch(1);

    auto* boutons = new QHBoxLayout();
    boutons->addWidget(BoutonExporter);
    boutons->addStretch(1);
    boutons->addWidget(BoutonRejouer);
    boutons->addWidget(BoutonFermer);

    auto* page = new QVBoxLayout(this);
    page->addWidget(vueGraphique_, 2);
    page->addLayout(filtres);
    page->addWidget(tableau_, 3);
    page->addWidget(LabelResume);
    page->addLayout(boutons);
}

// la place de la fenêtre vit dans l'historique : varnel.ini ne garde que les statistiques, et l'historique
// est déjà là, à côté, écrit en une transaction
void TfrmHistorique::RestaurerPlace()
{
    const std::optional<QByteArray> place = historique_->LireReglage(CleFenetre);
    if (place && restoreGeometry(*place))
        return;
    // la première fois : à droite de la fenêtre principale, sans cacher le jeu
    resize(690, 600);
    PlacerADroiteDuParent(*this);
}

void TfrmHistorique::GarderPlace()
{
    placeGardee_ = true;
    // une place non gardée ne perd aucun jeu : pas de boîte pour si peu
    if (historique_->Ouvert() && !historique_->LectureSeule())
        historique_->EcrireReglage(CleFenetre, saveGeometry());
}

void TfrmHistorique::done(int resultat)
{
    if (isVisible())
        GarderPlace();
    QDialog::done(resultat);
}

void TfrmHistorique::Recharger()
{
    QString erreur;
    modele_.Remplir(historique_->Lire(&erreur));
    if (erreur.isEmpty() && !historique_->Ouvert())
        erreur = historique_->Raison();
    MajAffichage();
    if (!erreur.isEmpty())
        LabelResume->setText(QStringLiteral("Historique illisible : %1").arg(erreur));
}

void TfrmHistorique::ChoixFiltreChange()
{
    FiltreHistorique filtre;
    filtre.Origine = static_cast<uint8_t>(ChoixOrigine->currentData().toInt());
    filtre.NbGrandes = ChoixGrandes->currentData().toInt();
    modele_.Filtrer(filtre);
    MajAffichage();
}

void TfrmHistorique::MajAffichage()
{
    LabelResume->setText(QString::fromStdString(::TexteResume(Resumer(modele_.Retenues()))));
    MajGraphique();
    if (tri_->rowCount() > 0)
        tableau_->setCurrentIndex(tri_->index(0, 0));
    BoutonRejouer->setEnabled(JeuSelectionne().has_value());
    BoutonExporter->setEnabled(!modele_.Retenues().empty());
}

void TfrmHistorique::MajGraphique()
{
    const DonneesGraphique g = Graphique(modele_.Retenues());
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
                      QString::fromStdString(DescriptionGraphique(modele_.Retenues())));
}

QString TfrmHistorique::TexteResume() const { return LabelResume->text(); }

std::optional<JeuARejouer> TfrmHistorique::JeuSelectionne() const
{
    // la ligne choisie, pas seulement la case qui a le focus : un clic dans le vide ne laisse rien à rejouer
    const QModelIndexList choisies = tableau_->selectionModel()->selectedRows();
    if (choisies.isEmpty())
        return std::nullopt;
    const QModelIndex index = tri_->mapToSource(choisies.first());
    if (!index.isValid())
        return std::nullopt;
    const LigneHistorique& l = modele_.Retenues()[static_cast<size_t>(index.row())];
    return JeuARejouer{l.Plaques, l.But};
}

void TfrmHistorique::BoutonRejouerClick()
{
    const std::optional<JeuARejouer> jeu = JeuSelectionne();
    if (jeu && rejouer_)
        rejouer_(*jeu);
}

std::optional<QString> TfrmHistorique::ExporterVers(const QString& chemin) const
{
    QSaveFile fichier(chemin);
    const std::string texte = TexteCsv(modele_.Retenues());
    if (!fichier.open(QIODevice::WriteOnly) ||
        fichier.write(texte.data(), static_cast<qint64>(texte.size())) != static_cast<qint64>(texte.size()) ||
        !fichier.commit())
        return fichier.errorString();
    return std::nullopt;
}

void TfrmHistorique::BoutonExporterClick()
{
    const QString depart = QDir(QFileInfo(historique_->Chemin()).absolutePath()).filePath(QStringLiteral("historique.csv"));
    const QString chemin = QFileDialog::getSaveFileName(this, QStringLiteral("Exporter l'historique"), depart,
                                                        QStringLiteral("Fichiers CSV (*.csv);;Tous les fichiers (*)"));
    if (chemin.isEmpty())
        return;
    if (const std::optional<QString> raison = ExporterVers(chemin))
        AfficherMessage(this, QStringLiteral("Historique non exporté"),
                        QStringLiteral("Impossible d'écrire le fichier \"%1\" : %2.")
                            .arg(QDir::toNativeSeparators(chemin), *raison));
}

TfrmHistorique* OuvrirFenetreHistorique(QPointer<TfrmHistorique>& ouverte, QWidget* parent, const QString& cheminIni,
                                        std::function<void(const JeuARejouer&)> rejouer)
{
    if (ouverte) {
        ouverte->showNormal();
        ouverte->raise();
        ouverte->activateWindow();
        return ouverte;
    }
    auto* fenetre = new TfrmHistorique(QFileInfo(cheminIni).absolutePath(), std::move(rejouer), parent);
    fenetre->setAttribute(Qt::WA_DeleteOnClose);
    ouverte = fenetre;
    const THistoriqueJeux& historique = fenetre->Historique();
    if (historique.Avis())
        AfficherMessage(parent, historique.Avis()->Titre, historique.Avis()->Texte);
    else if (!historique.Ouvert())
        AfficherMessage(parent, QStringLiteral("Historique illisible"),
                        QStringLiteral("L'historique « %1 » ne peut pas être lu : %2.")
                            .arg(QDir::toNativeSeparators(historique.Chemin()), historique.Raison()));
    fenetre->show();
    return fenetre;
}

bool EnregistrerHistorique(QWidget* parent, TfrmHistorique* ouverte, const QString& cheminIni, const DonneesRecherche& d,
                           uint8_t origineJeu, int32_t positionJoueur, std::optional<int32_t> limiteTemps)
{
    const LigneHistorique ligne = LigneDuJeu(d, origineJeu, positionJoueur, MaintenantUtc(), limiteTemps);
    QString chemin;
    std::optional<QString> raison;
    {
        THistoriqueJeux historique(QFileInfo(cheminIni).absolutePath());
        chemin = historique.Chemin();
        // la version plus récente se dit dans la boîte d'échec qui suit
        if (historique.Avis() && !historique.LectureSeule())
            AfficherMessage(parent, historique.Avis()->Titre, historique.Avis()->Texte);
        raison = historique.Ajouter(ligne);
    }
    if (raison) {
        AfficherMessage(parent, QStringLiteral("Historique non enregistré"),
                        QStringLiteral("Le jeu n'a pas pu être ajouté à l'historique « %1 » : %2.")
                            .arg(QDir::toNativeSeparators(chemin), *raison));
        return false;
    }
    if (ouverte)
        ouverte->Recharger();
    return true;
}
