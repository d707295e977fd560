// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DonneesRecherche.h"
#include "RechercheCalculs.h"
#include "TableTousComptes.h"

#include <QDialog>

#include <functional>
#include <memory>

class ModeleTousComptes;
class QButtonGroup;
class QLabel;

namespace Ui {
class TfrmSolutionsTousComptes;
}

// l'inventaire par la même exécution que la fenêtre principale ; la progression fait avancer la barre
using LancementInventaire = std::function<void(const Progression&)>;

// les solutions de tous les comptes de 101 à 999 pour les six plaques du jeu : tableau, tri, export
class TfrmSolutionsTousComptes : public QDialog {
    Q_OBJECT
public:
    TfrmSolutionsTousComptes(DonneesRecherche& donnees, LancementInventaire lancer, QWidget* parent = nullptr);
    ~TfrmSolutionsTousComptes() override;

    void ButtonRechercherClick();
    // la recherche et le remplissage de la grille, une fois la question acceptée
    void Rechercher();
    void RadioGroupTriClick();
    void StringGridClick();
    void ButtonExporterClick();

    // texte de la cellule (colonne, ligne) : la ligne 0 est l'en-tête, la ligne 1 les totaux
    QString Cellule(int colonne, int ligne) const;
    // ligne courante de la grille, comptée de la même façon (0 quand aucune)
    int LigneCourante() const;
    QString TexteStatut() const;

protected:
    void showEvent(QShowEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void FormShow();
    void PreparerGrille();
    bool Confirmer();
    TriComptes TriChoisi() const;
    void AfficherGrille(GrilleComptes grille);

    std::unique_ptr<Ui::TfrmSolutionsTousComptes> ui;
    DonneesRecherche& d_;
    LancementInventaire lancer_;
    ModeleTousComptes* modele_ = nullptr;
    QButtonGroup* RadioGroupTriBoutons = nullptr;
    QLabel* TexteBarreEtat = nullptr;
};
