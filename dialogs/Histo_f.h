// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FiltreTriHistorique.h"
#include "HistoriqueJeux.h"
#include "ModeleHistorique.h"
#include "ResumeJour.h"

#include <QDialog>
#include <QList>
#include <QPointer>

#include <functional>
#include <optional>

class QAction;
class QChart;
class QComboBox;
class QLabel;
class QLineSeries;
class QPushButton;
class QScatterSeries;
class QTableView;
class QTableWidget;
class QTabWidget;
class QValueAxis;

// un jeu de l'historique à rejouer : ses six plaques dans l'ordre du tirage et son compte
struct JeuARejouer {
    SixEntiers Plaques{};
    int32_t But = 0;
};

// « Historique des jeux » : le graphique des derniers jeux et, à côté, le résumé par niveau, au-dessus du
// tableau de tous les jeux ; filtres par origine, par nombre de grandes plaques et par niveau, ligne de
// résumé, export CSV, et « Rejouer » qui rend un jeu à la fenêtre principale. Les records du joueur, lus dans
// l'historique, sont dans un second onglet. Redimensionnable, toujours entière sur l'écran ; sa taille et sa
// place sont gardées dans l'historique même
class TfrmHistorique : public QDialog {
    Q_OBJECT
public:
    // historique : celui du programme, qui vit plus longtemps que la fenêtre ; rejouer : ce que fait la
    // fenêtre principale d'un jeu choisi ; aujourdhui : la date du jour du programme, d'où se compte la série
    // de jours (sans elle, la série n'est pas montrée)
    TfrmHistorique(THistoriqueJeux& historique, std::function<void(const JeuARejouer&)> rejouer,
                   std::function<DateJour()> aujourdhui = {}, QWidget* parent = nullptr);
    ~TfrmHistorique() override;

    QTableView* Tableau() const { return tableau_; }
    QTableWidget* TableauRecords() const { return tableauRecords_; }
    // montre l'onglet des records (ou celui des jeux)
    void MontrerRecords(bool records);
    QString TexteResume() const;
    // « Jours de suite : 3 — le plus : 7 », sur tout l'historique
    QString TexteJoursDeSuite() const;
    // le petit tableau par niveau (niveau, jeux, trouvés, temps médian) des jeux du filtre
    const QTableWidget* TableauNiveaux() const { return tableauNiveaux_; }
    const QScatterSeries* SerieTemps(bool exact) const { return exact ? serieExacts_ : serieApproches_; }
    const QLineSeries* SeriePart() const { return seriePart_; }

    // les jeux arrivés dans l'historique depuis la dernière lecture (de ce programme ou d'un autre) prennent
    // leur place dans le tableau ; le jeu choisi le reste
    void JeuxAjoutes();
    // les jeux que montre le filtre, dans un fichier CSV écrit d'un coup ; la raison d'un échec, rien sinon
    std::optional<QString> ExporterVers(const QString& chemin) const;
    // le jeu de la ligne choisie dans le tableau de l'onglet montré, rien quand aucune ne l'est (ou que le
    // record choisi n'a pas de jeu)
    std::optional<JeuARejouer> JeuSelectionne() const;

public slots:
    void ChoixFiltreChange();
    void BoutonExporterClick();
    void BoutonRejouerClick();

protected:
    void done(int resultat) override;
    void showEvent(QShowEvent* evenement) override;
    void moveEvent(QMoveEvent* evenement) override;

private:
    void CreerGraphique();
    void CreerFiltres();
    void CreerTableau();
    void CreerRecords();
    void CreerTableauNiveaux();
    void CreerBoutons();
    void MettreEnPage();
    void RestaurerPlace();
    void TenirDansLEcran(const QMargins& bords);
    void GarderPlace();
    void ChoisirPremiereSiRien();
    void MajSansFiltre();
    void MajSelonFiltre();
    void MajGraphique();
    void MajRecords();
    void MajRejouer();
    void MajTableauNiveaux();

    THistoriqueJeux& historique_;
    std::function<void(const JeuARejouer&)> rejouer_;
    std::function<DateJour()> aujourdhui_;
    bool placeGardee_ = false;
    bool cadreVerifie_ = false;
    ModeleHistorique modele_;
    FiltreTriHistorique tri_;
    QChart* graphique_ = nullptr;
    QScatterSeries* serieExacts_ = nullptr;
    QScatterSeries* serieApproches_ = nullptr;
    QLineSeries* seriePart_ = nullptr;
    QValueAxis* axeJeux_ = nullptr;
    QValueAxis* axeTemps_ = nullptr;
    QWidget* vueGraphique_ = nullptr;
    QComboBox* ChoixOrigine = nullptr;
    QComboBox* ChoixGrandes = nullptr;
    QComboBox* ChoixNiveau = nullptr;
    QTableView* tableau_ = nullptr;
    QTabWidget* onglets_ = nullptr;
    QTableWidget* tableauRecords_ = nullptr;
    std::vector<LigneSerie> series_;
    std::vector<LigneMatch> matchs_;
    std::vector<LigneRecord> records_;
    QTableWidget* tableauNiveaux_ = nullptr;
    QLabel* LabelResume = nullptr;
    QLabel* LabelJoursDeSuite = nullptr;
    QPushButton* BoutonExporter = nullptr;
    QPushButton* BoutonRejouer = nullptr;
    QPushButton* BoutonFermer = nullptr;
};

// ouvre la fenêtre, non modale, détruite à sa fermeture, et la garde dans ouverte (qui se vide seul quand elle
// est détruite) ; déjà ouverte, elle est ramenée devant. Les raccourcis de la fenêtre principale y agissent
// aussi. Ce que l'ouverture de l'historique a à dire (fichier illisible mis de côté, lecture seule) vient
// d'abord, une fois
TfrmHistorique* OuvrirFenetreHistorique(QPointer<TfrmHistorique>& ouverte, QWidget* parent, THistoriqueJeux& historique,
                                        std::function<void(const JeuARejouer&)> rejouer,
                                        std::function<DateJour()> aujourdhui,
                                        const QList<QAction*>& raccourcis = {});
