// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DemandeJeu.h"
#include "DepotJeux.h"
#include "Match.h"
#include "Partie.h"
#include "Serie.h"
#include "SorteDeJeu.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

// ce que dit la barre d'état : le texte de la séance (compte rendu de recherche, série, niveau tiré, décompte de
// la saisie), en rouge dans les dernières secondes, et le compteur de la solution montrée (rien : il garde
// son texte)
struct LigneEtat {
    std::string Texte;
    bool Alerte = false;
    std::optional<std::string> Compteur;
};

// un pas du décompte de la saisie : les dernières secondes à annoncer, le temps limite atteint
struct PasDecompte {
    bool Avertir = false;
    bool Ecoule = false;
};

// la séance de jeu : la partie en cours et la sorte de jeu qui la mène (tirage, tirage de niveau, compte
// proposé ou rejoué, jeu de la ligne de commande, jeu de série, jeu du jour, tirage d'un match). Elle décide de
// tout le cours d'un jeu : quand il peut commencer et ce qu'il faut demander avant, comment il est choisi,
// contre quelle montre, ce qui suit l'animation et la saisie (résolu aussitôt ou non, enregistré, série, résumé
// du jour, annonces et preuves d'un match), ce que dit la barre d'état et quelles commandes sont permises. La
// fenêtre lui transmet chaque commande, fait l'étape rendue (animation, pavé, saisie, annonces, boîte) et
// montre son état.
class Seance {
public:
    // depot : statistiques et historique ; montrer : la fenêtre montre l'état de la séance (appelé pendant les
    // recherches) ; horloge : celle qui mesure le temps du joueur
    explicit Seance(DepotJeux& depot, std::function<void()> montrer = {}, std::function<int32_t()> horloge = {});
    ~Seance();

    // ----- graine, date, horloge : celles de la machine, ou imposées par un essai -----
    void ImposerGraine(unsigned graine) { graineImposee_ = graine; }
    void ImposerDate(DateJour date) { dateImposee_ = date; }
    // la date du jour pour tout le programme : celle du calendrier, à l'heure locale, ou la date imposée
    DateJour Aujourdhui() const;

    // ----- état -----
    Partie& Jeu() { return partie_; }
    const Partie& Jeu() const { return partie_; }
    DepotJeux& Depot() { return depot_; }
    // la série de dix jeux tant qu'elle est en cours, nulle sinon
    const Serie* SerieEnCours() const;
    // le match en cours (ou qui vient de finir, jusqu'au jeu suivant), nul sinon
    const Match* MatchEnCours() const;
    // toutes les commandes de la fenêtre principale qui dépendent du jeu
    EtatCommandes Commandes() const;
    LigneEtat Etat() const;
    // la ligne du menu des séries : le temps de chacun de leurs jeux
    std::string TexteTempsSerie() const;

    // ----- début d'un jeu -----
    // la question à poser avant que ce jeu commence (abandonner la série en cours) ; rien quand il n'y en a pas,
    // ou que le jeu n'est pas permis
    std::optional<QuestionSeance> QuestionAvant(const DemandeJeu& demande) const;
    // le jeu demandé commence, la question éventuelle acceptée : l'étape qui suit (Rien : pas permis maintenant)
    Etape Commencer(const DemandeJeu& demande);
    // avant de fermer le programme, comme avant un autre jeu ; puis la séance s'arrête
    std::optional<QuestionSeance> QuestionAvantFermeture() const;
    void Fermer();
    // tout effacé, sans changer de sorte de jeu
    void Reinitialiser() { partie_.Reinitialiser(); }
    void ChoisirTempsLimite(int secondes) { partie_.ChoisirTempsLimite(secondes); }

    // ----- le cours du jeu -----
    PasTirage AvancerTirage() { return partie_.AvancerTirage(); }
    // l'animation du tirage est finie : ce qui suit (d'ordinaire la saisie)
    Etape TirageTermine();
    // la saisie du joueur s'ouvre ; puis chaque pas du décompte, qui dit quand le temps limite est atteint
    void SaisieOuverte();
    PasDecompte Decompter();
    // la saisie est finie : ce que la sorte de jeu en fait, et la boîte à montrer
    ApresJeu SaisieFinie();
    // ce que la saisie dit au joueur sous ses boutons (vide d'ordinaire), et si elle peut donner des indices
    std::string ConsigneSaisie() const { return sorte_ ? sorte_->ConsigneSaisie() : std::string(); }
    bool IndicesPermis() const { return !sorte_ || sorte_->IndicesPermis(); }

    // ----- les annonces d'un match à deux (Etape::Annoncer) -----
    // la réflexion commence : la montre du tirage part, comme pour une saisie, et Decompter la suit
    void ReflexionOuverte() { SaisieOuverte(); }
    // la réflexion est finie, temps écoulé ou joueurs prêts : la montre s'arrête, place aux annonces
    void ReflexionFinie();
    // l'annonce de celui dont c'est le tour (rien : il n'annonce pas) ; après la dernière, ce qui suit
    ApresJeu Annoncer(std::optional<int32_t> valeur);
    // résout le jeu dans cet ordre, et l'enregistre s'il est temps : l'origine écrite, rien sans écriture
    std::optional<OrigineJeu> Resoudre(uint8_t ordre);
    // l'inventaire de tous les comptes des six plaques
    void Inventorier(const Progression& progression);

    // ----- pour les sortes de jeu -----
    CrochetsRecherche Crochets();
    void DireStatut(std::string texte) { statut_ = std::move(texte); }
    // le jeu fini, s'il est temps, avec la série dont il fait partie : l'origine écrite, rien sans écriture
    std::optional<OrigineJeu> EnregistrerJeuFini(const Serie* serie = nullptr);

private:
    bool Permise(const DemandeJeu& demande) const;
    // la demande donne son jeu suivant à la sorte en cours
    bool ContinueLaSorte(const DemandeJeu& demande) const;
    void Montrer() const;

    DepotJeux& depot_;
    std::function<void()> montrer_;
    std::function<int32_t()> horloge_;
    std::optional<unsigned> graineImposee_;
    std::optional<DateJour> dateImposee_;
    Partie partie_;
    std::unique_ptr<SorteDeJeu> sorte_;
    std::string statut_;
    bool alerte_ = false;
};
