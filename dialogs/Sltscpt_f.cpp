// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Sltscpt_f.h"

#include "BoiteMessage.h"
#include "Ouverture.h"
#include "PlacementFenetre.h"
#include "Polices.h"
#include "ui_Sltscpt_f.h"

#include <QButtonGroup>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QMouseEvent>
#include <QShowEvent>

namespace {

constexpr int NbColonnes = 7;
constexpr int NbLignes = 901;  // en-tête, totaux, 899 comptes

const QString TexteConfirmation =
    QStringLiteral("La recherche remplace les solutions affichées dans la fenêtre principale.\n"
                   "Êtes-vous sûr de vouloir lancer la recherche ?");

}  // namespace

TfrmSolutionsTousComptes::TfrmSolutionsTousComptes(DonneesRecherche& donnees, LancementInventaire lancer,
                                                   QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ui(std::make_unique<Ui::TfrmSolutionsTousComptes>()), d_(donnees), lancer_(std::move(lancer))
{
    ui->setupUi(this);
    setFixedSize(345, 404);

    RadioGroupTriBoutons = new QButtonGroup(this);
    RadioGroupTriBoutons->addButton(ui->RadioButtonCompte, static_cast<int>(TriComptes::ParCompte));
    RadioGroupTriBoutons->addButton(ui->RadioButtonNombreDeSolutions,
                                    static_cast<int>(TriComptes::ParNombreDeSolutions));
    TexteBarreEtat = new QLabel(ui->StatusBar);
    TexteBarreEtat->setObjectName(QStringLiteral("TexteBarreEtat"));
    ui->StatusBar->addWidget(TexteBarreEtat, 1);
    PreparerGrille();

    connect(ui->ButtonRechercher, &QPushButton::clicked, this, &TfrmSolutionsTousComptes::ButtonRechercherClick);
    connect(ui->ButtonExporter, &QPushButton::clicked, this, &TfrmSolutionsTousComptes::ButtonExporterClick);
    connect(ui->ButtonFermer, &QPushButton::clicked, this, &QDialog::reject);
    connect(RadioGroupTriBoutons, &QButtonGroup::idToggled, this, [this](int, bool choisi) {
        if (choisi)
            RadioGroupTriClick();
    });
    connect(ui->StringGrid, &QTableWidget::cellClicked, this, &TfrmSolutionsTousComptes::StringGridClick);
    connect(ui->StringGrid, &QTableWidget::currentCellChanged, this, &TfrmSolutionsTousComptes::StringGridClick);
}

TfrmSolutionsTousComptes::~TfrmSolutionsTousComptes() = default;

// la ligne 0 de la grille est l'en-tête de colonnes de la vue, qui reste en place quand on fait défiler
// les comptes ; la colonne 0 est une colonne ordinaire peinte comme une colonne fixe
void TfrmSolutionsTousComptes::PreparerGrille()
{
    QTableWidget* grille = ui->StringGrid;
    const QFont police = PolicePixels(QStringLiteral("Courier New"), 11);
    grille->setFont(police);
    grille->setColumnCount(NbColonnes);
    grille->setRowCount(NbLignes - 1);
    grille->verticalHeader()->hide();
    grille->verticalHeader()->setMinimumSectionSize(0);
    grille->verticalHeader()->setDefaultSectionSize(20);
    grille->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    QHeaderView* enTete = grille->horizontalHeader();
    enTete->setFont(police);
    enTete->setMinimumSectionSize(0);
    enTete->setDefaultSectionSize(40);
    enTete->setSectionResizeMode(QHeaderView::Fixed);
    enTete->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    enTete->setFixedHeight(20);
    enTete->setHighlightSections(false);
    // un clic sur l'en-tête ne choisit pas de colonne : il n'y a alors plus de ligne choisie
    enTete->setSectionsClickable(false);
    enTete->viewport()->installEventFilter(this);

    const QBrush fondFixe = palette().button();
    for (int c = 0; c < NbColonnes; ++c)
        grille->setHorizontalHeaderItem(c, new QTableWidgetItem());
    for (int r = 0; r < NbLignes - 1; ++r)
        for (int c = 0; c < NbColonnes; ++c) {
            auto* cellule = new QTableWidgetItem();
            if (c == 0)
                cellule->setBackground(fondFixe);
            grille->setItem(r, c, cellule);
        }
}

bool TfrmSolutionsTousComptes::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == ui->StringGrid->horizontalHeader()->viewport() && evenement->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(evenement)->button() == Qt::LeftButton) {
        ui->StringGrid->setCurrentCell(-1, -1);
        StringGridClick();
    }
    return QDialog::eventFilter(objet, evenement);
}

void TfrmSolutionsTousComptes::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    if (!evenement->spontaneous())
        FormShow();
}

void TfrmSolutionsTousComptes::FormShow()
{
    PlacerADroiteDuParent(*this);
}

// ----- grille -----

QString TfrmSolutionsTousComptes::Cellule(int colonne, int ligne) const
{
    const QTableWidgetItem* cellule =
        ligne == 0 ? ui->StringGrid->horizontalHeaderItem(colonne) : ui->StringGrid->item(ligne - 1, colonne);
    return cellule ? cellule->text() : QString();
}

int TfrmSolutionsTousComptes::LigneCourante() const { return ui->StringGrid->currentRow() + 1; }

QString TfrmSolutionsTousComptes::TexteStatut() const { return TexteBarreEtat->text(); }

TriComptes TfrmSolutionsTousComptes::TriChoisi() const
{
    return RadioGroupTriBoutons->checkedId() == static_cast<int>(TriComptes::ParNombreDeSolutions)
               ? TriComptes::ParNombreDeSolutions
               : TriComptes::ParCompte;
}

void TfrmSolutionsTousComptes::AfficherGrille(const GrilleComptes& lignes)
{
    QTableWidget* grille = ui->StringGrid;
    grille->setUpdatesEnabled(false);
    for (int c = 0; c < NbColonnes; ++c)
        grille->horizontalHeaderItem(c)->setText(QString::fromStdString(lignes[0][static_cast<size_t>(c)]));
    for (int r = 1; r < NbLignes; ++r) {
        const LigneGrille& ligne = lignes[static_cast<size_t>(r)];
        for (int c = 0; c < NbColonnes; ++c)
            grille->item(r - 1, c)->setText(QString::fromStdString(ligne[static_cast<size_t>(c)]));
    }
    grille->setUpdatesEnabled(true);
    // la ligne choisie montre peut-être un autre compte : la barre d'état suit
    StringGridClick();
}

GrilleComptes TfrmSolutionsTousComptes::GrilleAffichee() const
{
    GrilleComptes lignes(NbLignes);
    for (int r = 0; r < NbLignes; ++r)
        for (int c = 0; c < NbColonnes; ++c)
            lignes[static_cast<size_t>(r)][static_cast<size_t>(c)] = Cellule(c, r).toStdString();
    return lignes;
}

// ----- gestionnaires -----

bool TfrmSolutionsTousComptes::Confirmer()
{
    QMessageBox boite(QMessageBox::Warning, QStringLiteral("Avertissement"), TexteConfirmation,
                      QMessageBox::Yes | QMessageBox::No, this);
    boite.setDefaultButton(QMessageBox::Yes);
    return boite.exec() == QMessageBox::Yes;
}

void TfrmSolutionsTousComptes::ButtonRechercherClick()
{
    if (!Confirmer())
        return;
    const bool avaitLeFocus = ui->ButtonRechercher->hasFocus();
    ui->ButtonRechercher->setEnabled(false);
    // la recherche ne rend pas la main à la boucle d'événements : la barre se repeint d'elle-même
    lancer_([this](int position) {
        ui->ProgressBar->setValue(position);
        ui->ProgressBar->repaint();
    });
    ui->ButtonRechercher->setEnabled(true);
    // le bouton coupé avait passé le focus à Fermer : Entrée relancerait la fermeture
    if (avaitLeFocus)
        ui->ButtonRechercher->setFocus();
    // l'ordre que montre le groupe, pas toujours celui des comptes
    AfficherGrille(GrilleTousComptes(d_.TableSolutionsComptes, TriChoisi()));
    ui->RadioGroupTri->setEnabled(true);
    ui->ButtonExporter->setEnabled(true);
}

void TfrmSolutionsTousComptes::RadioGroupTriClick()
{
    AfficherGrille(GrilleTousComptes(d_.TableSolutionsComptes, TriChoisi()));
}

void TfrmSolutionsTousComptes::StringGridClick()
{
    const int r = LigneCourante();
    const std::string texte =
        TexteSelection(r, Cellule(0, r).toStdString(), Cellule(1, r).toStdString(), Cellule(1, 1).toStdString(),
                       QLocale::system().decimalPoint().toStdString());
    TexteBarreEtat->setText(QString::fromStdString(texte));
}

void TfrmSolutionsTousComptes::ButtonExporterClick()
{
    const std::string nom = NomFichierExport(d_.LibellePlaques, TriChoisi());
    ui->ButtonExporter->setEnabled(false);
    if (!EcrireFichierExport(nom, GrilleAffichee())) {
        AfficherMessage(this, QStringLiteral("Impossible d'exporter les résultats"),
                        QStringLiteral("Impossible de créer le fichier \"%1\"").arg(QString::fromStdString(nom)));
        return;
    }
    ui->ButtonExporter->setEnabled(true);
    // le bureau ne partage pas le dossier courant du programme
    OuvrirAvecLeBureau(QUrl::fromLocalFile(QFileInfo(QString::fromStdString(nom)).absoluteFilePath()));
}
