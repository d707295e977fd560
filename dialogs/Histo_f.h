// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HistoriqueJeux.h"
#include "ModeleHistorique.h"

#include <QDialog>
#include <QList>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

class QChart;
class QComboBox;
class QLabel;
class QLineSeries;
class QPushButton;
class QScatterSeries;
class QSortFilterProxyModel;
class QTableView;
class QValueAxis;

// un jeu de l'historique à rejouer : ses six plaques dans l'ordre du tirage et son compte
struct JeuARejouer {
    SixEntiers Plaques{};
    int32_t But = 0;
};

// « Historique des jeux » : le graphique des derniers jeux au-dessus du tableau de tous les jeux, filtres par
// origine et par nombre de grandes plaques, ligne de résumé, export CSV, et « Rejouer » qui rend un jeu à la
// fenêtre principale. Redimensionnable ; sa taille et sa place sont gardées dans l'historique même
class TfrmHistorique : public QDialog {
    Q_OBJECT
public:
    // dossier : celui du varnel.ini en service ; rejouer : ce que fait la fenêtre principale d'un jeu choisi
    TfrmHistorique(const QString& dossier, std::function<void(const JeuARejouer&)> rejouer, QWidget* parent = nullptr);
    ~TfrmHistorique() override;

    const THistoriqueJeux& Historique() const { return *historique_; }
    const ModeleHistorique& Modele() const { return modele_; }
    QTableView* Tableau() const { return tableau_; }
    QString TexteResume() const;
    const QScatterSeries* SerieTemps(bool exact) const { return exact ? serieExacts_ : serieApproches_; }
    const QLineSeries* SeriePart() const { return seriePart_; }

    // relit l'historique (un jeu vient d'être ajouté, par ce programme ou un autre)
    void Recharger();
    // les jeux que montre le filtre, dans un fichier CSV écrit d'un coup ; la raison d'un échec, rien sinon
    std::optional<QString> ExporterVers(const QString& chemin) const;
    // le jeu de la ligne choisie dans le tableau, rien quand aucune ne l'est
    std::optional<JeuARejouer> JeuSelectionne() const;

public slots:
    void ChoixFiltreChange();
    void BoutonExporterClick();
    void BoutonRejouerClick();

protected:
    void done(int resultat) override;

private:
    void CreerGraphique();
    void CreerFiltres();
    void CreerTableau();
    void CreerBoutons();
    void MettreEnPage();
    void RestaurerPlace();
    void GarderPlace();
    void MajAffichage();
    void MajGraphique();

    std::unique_ptr<THistoriqueJeux> historique_;
    std::function<void(const JeuARejouer&)> rejouer_;
    bool placeGardee_ = false;
    ModeleHistorique modele_;
    QSortFilterProxyModel* tri_ = nullptr;
    QChart* graphique_ = nullptr;
    QScatterSeries* serieExacts_ = nullptr;
    QScatterSeries* serieApproches_ = nullptr;
    QLineSeries* seriePart_ = nullptr;
    QValueAxis* axeJeux_ = nullptr;
    QValueAxis* axeTemps_ = nullptr;
    QWidget* vueGraphique_ = nullptr;
    QComboBox* ChoixOrigine = nullptr;
    QComboBox* ChoixGrandes = nullptr;
    QTableView* tableau_ = nullptr;
    QLabel* LabelResume = nullptr;
    QPushButton* BoutonExporter = nullptr;
    QPushButton* BoutonRejouer = nullptr;
    QPushButton* BoutonFermer = nullptr;
};

// ouvre la fenêtre, non modale, détruite à sa fermeture, et la garde dans ouverte (qui se vide seul quand elle
// est détruite) ; déjà ouverte, elle est ramenée devant. Ce que l'ouverture de l'historique a à dire (fichier
// illisible mis de côté, version plus récente) vient d'abord
TfrmHistorique* OuvrirFenetreHistorique(QPointer<TfrmHistorique>& ouverte, QWidget* parent, const QString& cheminIni,
                                        std::function<void(const JeuARejouer&)> rejouer);

// ajoute le jeu qui vient d'être résolu pour la première fois à l'historique du dossier de cheminIni, et
// l'affiche dans la fenêtre ouverte s'il y en a une ; un échec est dit dans une boîte « Historique non
// enregistré » (un fichier illisible mis de côté aussi). Vrai si le jeu est enregistré
bool EnregistrerHistorique(QWidget* parent, TfrmHistorique* ouverte, const QString& cheminIni, const DonneesRecherche& d,
                           uint8_t origineJeu, int32_t positionJoueur, std::optional<int32_t> limiteTemps = std::nullopt);
