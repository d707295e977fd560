// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Match.h"
#include "SorteDeJeu.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// un match de cinq tirages ordinaires, contre l'ordinateur d'une force ou à deux sur un écran : gardé dès son
// début, chaque tirage sur demande par l'animation, contre la montre du match (le temps limite choisi, ou 45 s).
// Contre l'ordinateur, la saisie du joueur finie, l'ordinateur annonce, et le jeu est résolu et enregistré
// (origine « match ») ; à deux, après la réflexion, chacun annonce à son tour, la meilleure annonce se prouve
// dans la saisie sans montre, et le jeu résolu n'est pas enregistré (ce n'est la saisie d'aucun joueur seul).
// Après chaque tirage, sa boîte ; après le cinquième, le bilan. Pas d'indices ; un autre jeu l'abandonne,
// après une question dès qu'un tirage est commencé
class SorteDeMatch : public SorteDeJeu {
public:
    explicit SorteDeMatch(ForceAdversaire force) : force_(force) {}
    explicit SorteDeMatch(std::array<std::string, 2> noms) : noms_(std::move(noms)) {}
    const Match& Modele() const { return *match_; }

    Etape Commencer(Seance& seance) override;
    Etape TirageTermine(Seance& seance) override;
    ApresJeu SaisieFinie(Seance& seance) override;
    bool JeuSuivantPermis() const override { return match_->JeuSuivantPermis() && !tirageEnCours_; }
    Etape JeuSuivant(Seance& seance) override;
    std::optional<QuestionSeance> QuestionAvantAutreJeu() const override;
    void Abandonner() override { match_->Abandonner(); }
    bool ParleDansLaBarre() const override { return true; }
    bool IndicesPermis() const override { return false; }
    std::string ConsigneSaisie() const override;

    // à deux : la réflexion est finie (temps écoulé, ou les joueurs prêts) ; place aux annonces
    void TerminerReflexion(Seance& seance);
    // à deux : l'annonce de celui dont c'est le tour (rien : il n'annonce pas) ; après la dernière, la preuve à
    // saisir, ou le tirage fini
    ApresJeu Annoncer(Seance& seance, std::optional<int32_t> valeur);

private:
    // la montre du jeu est arrêtée : la preuve suivante à saisir, ou le tirage résolu, le match gardé et la
    // boîte du tirage
    ApresJeu Poursuivre(Seance& seance);
    std::string TexteEtat() const;

    std::optional<ForceAdversaire> force_;
    std::array<std::string, 2> noms_;
    std::unique_ptr<Match> match_;
    std::optional<int64_t> numero_;
    bool tirageEnCours_ = false;  // de l'animation à la fin du tirage
    std::array<std::vector<std::string>, 2> calculs_;
};
