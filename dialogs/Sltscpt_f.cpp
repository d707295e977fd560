// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Sltscpt_f.h"

#include "BoiteMessage.h"
#include "CadreFenetre.h"
#include "LecteurEcran.h"
#include "ModeleTousComptes.h"
#include "Ouverture.h"
#include "PlacementFenetre.h"
#include "Polices.h"
#include "ui_Sltscpt_f.h"

#include <QButtonGroup>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QMouseEvent>
#include <QShowEvent>
#include <QTableView>

namespace {

const QString TexteConfirmation =
    QStringLiteral("La recherche remplace les solutions affichées dans la fenêtre principale.\n"
                   "Êtes-vous sûr de vouloir lancer la recherche ?");

}  // namespace

TfrmSolutionsTousComptes::TfrmSolutionsTousComptes(DonneesRecherche& donnees, LancementInventaire lancer,
                                                   QWidget* parent)
    : QDialog(parent, Qt::Dialog | CadreFenetreFixe),
      ui(std::make_unique<Ui::TfrmSolutionsTousComptes>()), d_(donnees), lancer_(std::move(lancer))
{
    ui->setupUi(this);
    setFixedSize(345, 404);
    PlacerADroiteDuParent(*this);

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
    connect(ui->StringGrid, &QTableView::clicked, this, &TfrmSolutionsTousComptes::StringGridClick);
    connect(ui->StringGrid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TfrmSolutionsTousComptes::StringGridClick);
}

TfrmSolutionsTousComptes::~TfrmSolutionsTousComptes() = default;

// la ligne 0 de la grille est l'en-tête de colonnes de la vue, qui reste en place quand on fait défiler
// les comptes ; la colonne 0 est une colonne ordinaire peinte comme une colonne fixe
void TfrmSolutionsTousComptes::PreparerGrille()
{
    modele_ = new ModeleTousComptes(this);
    modele_->DefinirFondColonneFixe(palette().button());
    QTableView* grille = ui->StringGrid;
    grille->setModel(modele_);
    NommerPourLecteur(*grille, QStringLiteral("Solutions de chaque compte"));
    // Tab passe au contrôle suivant au lieu d'aller de cellule en cellule
    grille->setTabKeyNavigation(false);
    const QFont police = PolicePixels(QStringLiteral("Courier New"), 11);
    grille->setFont(police);
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
}

bool TfrmSolutionsTousComptes::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == ui->StringGrid->horizontalHeader()->viewport() && evenement->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(evenement)->button() == Qt::LeftButton) {
        ui->StringGrid->setCurrentIndex(QModelIndex());
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

QString TfrmSolutionsTousComptes::Cellule(int colonne, int ligne) const { return modele_->Cellule(colonne, ligne); }

int TfrmSolutionsTousComptes::LigneCourante() const
{
    const QModelIndex courant = ui->StringGrid->currentIndex();
    return courant.isValid() ? courant.row() + 1 : 0;
}

QString TfrmSolutionsTousComptes::TexteStatut() const { return TexteBarreEtat->text(); }

TriComptes TfrmSolutionsTousComptes::TriChoisi() const
{
    return RadioGroupTriBoutons->checkedId() == static_cast<int>(TriComptes::ParNombreDeSolutions)
               ? TriComptes::ParNombreDeSolutions
               : TriComptes::ParCompte;
}

void TfrmSolutionsTousComptes::AfficherGrille(GrilleComptes lignes)
{
    modele_->Remplir(std::move(lignes));
    // la ligne choisie montre peut-être un autre compte : la barre d'état suit
    StringGridClick();
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
    if (Confirmer())
        Rechercher();
}

void TfrmSolutionsTousComptes::Rechercher()
{
    ui->ButtonRechercher->setEnabled(false);
    // la recherche ne rend pas la main à la boucle d'événements : la barre prend chaque position et se
    // repeint d'elle-même, 25 fois par seconde au plus (la peindre à chacun des 60 pas coûterait un quart du
    // temps de la recherche) ; la dernière position est peinte au retour dans la boucle d'événements
    QElapsedTimer depuisPeinture;
    depuisPeinture.start();
    lancer_([this, &depuisPeinture](int position) {
        ui->ProgressBar->setValue(position);
        if (depuisPeinture.elapsed() >= 40) {
            ui->ProgressBar->repaint();
            depuisPeinture.restart();
        }
    });
    ui->ButtonRechercher->setEnabled(true);
    // le bouton coupé a passé le focus, et le rôle de bouton par défaut, à « Fermer » : ils reviennent à
    // « Rechercher », que la fenêtre soit déjà redevenue active ou non, pour qu'Entrée relance la recherche
    ui->ButtonRechercher->setDefault(true);
    ui->ButtonRechercher->setFocus(Qt::OtherFocusReason);
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
    if (!EcrireFichierExport(nom, modele_->Grille())) {
        AfficherMessage(this, QStringLiteral("Impossible d'exporter les résultats"),
                        QStringLiteral("Impossible de créer le fichier \"%1\"").arg(QString::fromStdString(nom)));
        return;
    }
    ui->ButtonExporter->setEnabled(true);
    const QString chemin = QFileInfo(QString::fromStdString(nom)).absoluteFilePath();
    Dire(*this, QStringLiteral("Résultats exportés dans %1").arg(QDir::toNativeSeparators(chemin)));
    // le bureau ne partage pas le dossier courant du programme
    OuvrirAvecLeBureau(QUrl::fromLocalFile(chemin));
}
