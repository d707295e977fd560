// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Serie.h"
#include "SorteDeJeu.h"

#include <memory>

// une série de dix jeux : gardée dès son début, chaque jeu tiré sur demande, contre la montre, résolu dès la
// saisie finie et enregistré avec le bilan de la série ; la barre d'état dit où elle en est ; après le
// dixième, la fenêtre de fin. Un autre jeu l'abandonne, après une question dès qu'un jeu est commencé
class SorteSerie : public SorteDeJeu {
public:
    explicit SorteSerie(NiveauSerie niveau) : niveau_(niveau) {}
    const Serie& Modele() const { return *serie_; }

    Etape Commencer(Seance& seance) override;
    ApresJeu SaisieFinie(Seance& seance) override;
    bool JeuSuivantPermis() const override { return serie_->JeuSuivantPermis(); }
    Etape JeuSuivant(Seance& seance) override;
    std::optional<QuestionSeance> QuestionAvantAutreJeu() const override;
    void Abandonner() override { serie_->Abandonner(); }
    bool ParleDansLaBarre() const override { return true; }

private:
    NiveauSerie niveau_;
    std::unique_ptr<Serie> serie_;
};
