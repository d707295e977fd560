// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FinSerie.h"
#include "IssueTirage.h"
#include "ResumeJour.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

class Seance;

// ce que la fenêtre fait ensuite pour la séance
enum class Etape : uint8_t {
    Rien,      // refusé, ou tout est déjà fait
    Animer,    // l'animation du tirage, puis la saisie
    Proposer,  // le pavé du compte proposé, puis la saisie
    Saisir,    // la saisie du calcul du joueur
    Annoncer,  // à deux : la réflexion contre la montre, puis l'annonce de chacun à son tour
};

// une question à poser au joueur avant d'aller plus loin : oui continue, non laisse tout comme avant
struct QuestionSeance {
    std::string Titre;
    std::string Texte;
};

// ce que la fenêtre montre quand la saisie d'un jeu est finie : rien, ou la boîte de la sorte de jeu ; puis ce
// qu'elle fait ensuite (à deux, une autre preuve à saisir)
struct ApresJeu {
    std::variant<std::monostate, ResumeJour, FinDeSerie, IssueTirage> Boite;
    Etape Suite = Etape::Rien;
};

// une sorte de jeu : comment son jeu est choisi, ce qui suit la saisie du joueur, ce qu'il faut demander avant
// qu'un autre jeu la remplace. Chaque sorte ne dit que ce qui la distingue d'un tirage au sort, qui attend que
// le joueur le résolve et l'enregistre alors
class SorteDeJeu {
public:
    virtual ~SorteDeJeu() = default;

    // le jeu commence sur la partie de la séance (déjà permis, l'ancienne sorte partie)
    virtual Etape Commencer(Seance& seance) = 0;
    // l'animation du tirage est finie : ce qui suit
    virtual Etape TirageTermine(Seance&) { return Etape::Saisir; }
    // la saisie du joueur est finie, la partie le sait
    virtual ApresJeu SaisieFinie(Seance& seance);
    // le jeu suivant de la même sorte peut commencer (« Jeu suivant », ou « Tiré au sort »)
    virtual bool JeuSuivantPermis() const { return false; }
    virtual Etape JeuSuivant(Seance&) { return Etape::Rien; }
    // ce qu'il faut demander avant qu'un autre jeu la remplace, ou que le programme se ferme
    virtual std::optional<QuestionSeance> QuestionAvantAutreJeu() const { return std::nullopt; }
    // un autre jeu la remplace, ou le programme se ferme
    virtual void Abandonner() {}
    // ce que la barre d'état dit d'elle ne vaut plus quand une autre sorte commence
    virtual bool ParleDansLaBarre() const { return false; }
    // la saisie peut donner des indices
    virtual bool IndicesPermis() const { return true; }
    // ce que la saisie dit au joueur sous ses boutons ; vide d'ordinaire
    virtual std::string ConsigneSaisie() const { return {}; }
};
