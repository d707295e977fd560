// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AdversaireOrdinateur.h"
#include "AnnonceOrdinateur.h"
#include "ForceAdversaire.h"
#include "Plaques.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

inline constexpr int JeuxParMatch = 5;

// la valeur est celle que garde l'historique
enum class SorteMatch : uint8_t {
    ContreOrdinateur = 1,
    ADeuxJoueurs = 2,  // sur un seul écran
};

enum class EtatMatch : uint8_t {
    EnCours,
    Fini,       // cinq tirages joués
    Abandonne,  // arrêté avant : le tirage en cours ne compte pas
};

// où en est le tirage du match
enum class PhaseMatch : uint8_t {
    EntreDeuxJeux,  // aucun tirage commencé, ou le dernier fini
    Reflexion,      // le temps court : contre l'ordinateur, la saisie du joueur ; à deux, les deux réfléchissent
    Annonces,       // à deux : chacun annonce à son tour, dans l'ordre des noms
    Preuves,        // à deux : la meilleure annonce se prouve dans la saisie, sans montre
};

// un camp dans un tirage : contre l'ordinateur, 0 est le joueur et 1 l'ordinateur ; à deux, l'ordre des noms
struct CampDuTirage {
    std::optional<int32_t> Annonce;  // rien : n'a pas joué
    std::optional<bool> Preuve;      // rien : pas demandée (ou pas encore) ; faux : manquée
    int Points = 0;

    bool operator==(const CampDuTirage&) const = default;
};

struct TirageMatch {
    SixEntiers Plaques{};
    int32_t But = 0;
    std::array<CampDuTirage, 2> Camps;
    // contre l'ordinateur, une fois la saisie du joueur finie : son annonce et son calcul, à montrer à côté
    std::optional<AnnonceOrdinateur> Ordinateur;
    bool Fini = false;

    bool operator==(const TirageMatch&) const = default;
};

// ce qu'on garde d'un match
struct BilanMatch {
    SorteMatch Sorte = SorteMatch::ContreOrdinateur;
    std::optional<ForceAdversaire> Force;  // contre l'ordinateur, choisie pour tout le match
    std::array<std::string, 2> Noms;
    std::array<int, 2> Totaux{};
    int JeuxJoues = 0;
    bool Fini = false;

    bool operator==(const BilanMatch&) const = default;
};

inline constexpr const char* NomJoueurSeul = "Vous";
inline constexpr const char* NomOrdinateur = "Ordinateur";

// un match de cinq tirages ordinaires, contre l'ordinateur ou à deux sur un écran. Le match ne tire ni ne
// montre rien : il reçoit chaque tirage posé et les issues (saisie finie, annonces, preuves), et rend
// les points, l'état et les textes.
//
// Contre l'ordinateur : CommencerJeu → TerminerSaisie, cinq fois.
// À deux : CommencerJeu → TerminerReflexion → Annoncer (deux fois) → Prouver (tant que AProuver), cinq fois.
// Abandonner à tout moment.
class Match {
public:
    // contre l'ordinateur ; tempsLimiteChoisi : le choix du joueur en secondes, 0 sans limite (un match se
    // joue contre la montre comme une série : sans limite choisie, 45 s)
    Match(AdversaireOrdinateur adversaire, int tempsLimiteChoisi);
    // à deux, les noms dans l'ordre des annonces ; un nom vide devient « Joueur 1 », « Joueur 2 »
    Match(std::array<std::string, 2> noms, int tempsLimiteChoisi);

    SorteMatch Sorte() const { return adversaire_ ? SorteMatch::ContreOrdinateur : SorteMatch::ADeuxJoueurs; }
    std::optional<ForceAdversaire> Force() const;
    // « Vous » et « Ordinateur », ou les deux joueurs
    const std::array<std::string, 2>& Noms() const { return noms_; }
    // secondes de réflexion de chaque tirage
    int TempsLimite() const { return tempsLimite_; }
    EtatMatch Etat() const { return etat_; }
    bool EnCours() const { return etat_ == EtatMatch::EnCours; }
    PhaseMatch Phase() const { return phase_; }

    // ----- un tirage -----
    // le tirage suivant peut commencer : match en cours, aucun tirage en cours
    bool JeuSuivantPermis() const { return EnCours() && phase_ == PhaseMatch::EntreDeuxJeux; }
    // le tirage est posé (fin de l'animation) : le temps de réflexion commence ; faux quand ce n'est pas le moment
    bool CommencerJeu(const SixEntiers& plaques, int32_t but);
    // contre l'ordinateur : la saisie du joueur est finie, resultat son meilleur résultat (rien : il n'a pas
    // joué) ; l'ordinateur, qui a réfléchi tout le temps du tirage, annonce, et le tirage compte ses points
    bool TerminerSaisie(std::optional<int32_t> resultat);
    // à deux : le temps de réflexion est fini, place aux annonces
    bool TerminerReflexion();
    // à deux : qui doit annoncer maintenant
    std::optional<int> AuTourDAnnoncer() const;
    // son annonce (rien : il ne joue pas) ; quand personne n'a rien à prouver, le tirage est fini
    bool Annoncer(std::optional<int32_t> valeur);
    // à deux : qui doit prouver son annonce maintenant : la meilleure (les deux à égalité, l'une après
    // l'autre) ; après une preuve manquée, celle de l'autre
    std::optional<int> AProuver() const;
    // le résultat auquel sa saisie est arrivée (rien : saisie abandonnée) : l'annonce est prouvée s'il la
    // vaut ; la dernière preuve faite, le tirage compte ses points
    bool Prouver(std::optional<int32_t> resultat);

    // arrêté avant la fin : le tirage en cours ne compte pas ; un match fini le reste
    void Abandonner();
    // un autre jeu va commencer : il faut l'accord du joueur quand un tirage est joué ou en cours
    bool QuestionAvantAbandon() const { return EnCours() && !tirages_.empty(); }

    // ----- ce qui est joué -----
    // les tirages finis, puis celui en cours
    const std::vector<TirageMatch>& Tirages() const { return tirages_; }
    // le tirage en cours ou le dernier joué, de 1 à JeuxParMatch ; 0 avant le premier
    int NumeroJeu() const { return static_cast<int>(tirages_.size()); }
    std::array<int, 2> Totaux() const;
    // le camp qui a le plus de points ; rien à égalité
    std::optional<int> Vainqueur() const;
    BilanMatch Bilan() const;

    // « Match : jeu 2/5 — Vous 17, Ordinateur 10 »
    std::string TexteEtat() const { return TexteEtatAuJeu(NumeroJeu()); }
    // le même pendant l'animation du tirage suivant, qui n'est pas encore posé : son numéro
    std::string TexteEtatAvantTirage() const { return TexteEtatAuJeu(NumeroJeu() + 1); }

private:
    Match(std::optional<AdversaireOrdinateur> adversaire, std::array<std::string, 2> noms, int tempsLimiteChoisi);
    TirageMatch& Courant() { return tirages_.back(); }
    std::string TexteEtatAuJeu(int numero) const;
    // les points comptés, le tirage fini ; au cinquième, le match aussi
    void FinirTirage();

    std::optional<AdversaireOrdinateur> adversaire_;
    std::array<std::string, 2> noms_;
    int tempsLimite_;
    EtatMatch etat_ = EtatMatch::EnCours;
    PhaseMatch phase_ = PhaseMatch::EntreDeuxJeux;
    bool annonceSecond_ = false;  // à deux, le premier a annoncé : au second
    std::vector<TirageMatch> tirages_;
};
