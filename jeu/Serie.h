// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Historique.h"
#include "Niveau.h"
#include "Partie.h"
#include "TempsLimitesPermis.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

inline constexpr int JeuxParSerie = 10;

// le niveau des jeux d'une série : tirages ordinaires (rien), ou l'un des quatre niveaux d'un jeu possible
using NiveauSerie = std::optional<NiveauJeu>;

// un jeu joué de la série, tel qu'il a compté
struct JeuDeSerie {
    int32_t But = 0;
    int32_t MeilleurJoueur = Aucun;  // aucun : le joueur n'a pas joué
    int32_t TempsJoueur = 0;         // ms
    int Points = 0;

    bool Trouve() const { return MeilleurJoueur == But; }
    bool operator==(const JeuDeSerie&) const = default;
};

enum class EtatSerie : uint8_t {
    EnCours,
    Finie,       // dix jeux joués
    Abandonnee,  // arrêtée avant : elle ne compte jamais comme record
};

// ce qu'on garde d'une série ; le record d'un niveau est sa série finie qui a le plus de points
struct BilanSerie {
    NiveauSerie Niveau;
    int JeuxJoues = 0;
    int Points = 0;
    int Trouves = 0;
    std::optional<double> TempsMedian;  // ms, des comptes trouvés
    bool Finie = false;

    bool operator==(const BilanSerie&) const = default;
};

// le bilan d'une série de ce niveau faite de ces jeux : leurs points, les comptes trouvés, le temps médian des
// comptes trouvés ; finie au dixième. La même règle pour la série qu'on joue et pour celle que l'historique
// garde, refaite de ses jeux
BilanSerie BilanDesJeux(NiveauSerie niveau, const std::vector<JeuDeSerie>& jeux);
// le jeu d'une série tel que sa ligne de l'historique le garde
JeuDeSerie JeuDeSerieDeLaLigne(const LigneHistorique& ligne);

// la série, finie, a plus de points que le record de son niveau (la première finie le bat d'office) ;
// jamais en cours ni abandonnée
bool BatLeRecord(const BilanSerie& serie, const std::optional<BilanSerie>& record);

// une série de dix jeux tirés l'un après l'autre, chacun contre la montre, menée sur la partie : le jeu
// suivant ne commence que sur demande ; chaque saisie finie, le jeu est résolu du plus simple au plus tordu
// et compte ses points. La partie reste celle de la fenêtre : la série ne fait que l'appeler.
//
// Déroulement : CommencerJeuSuivant → (tirage et saisie menés sur la partie) → TerminerJeu, dix fois ;
// ou Abandonner à tout moment.
class Serie {
public:
    // le temps limite des jeux est pris au choix du joueur à cet instant, ou TempsLimiteSerieSansChoix ;
    // record : la meilleure série finie de ce niveau jusqu'ici, s'il y en a une ; numero : celui de la
    // série dans l'historique, que la ligne de chacun de ses jeux gardera
    Serie(Partie& partie, NiveauSerie niveau, std::optional<BilanSerie> record = std::nullopt,
          std::optional<int64_t> numero = std::nullopt);

    NiveauSerie Niveau() const { return niveau_; }
    const std::optional<int64_t>& Numero() const { return numero_; }
    EtatSerie Etat() const { return etat_; }
    bool EnCours() const { return etat_ == EtatSerie::EnCours; }
    // secondes, les mêmes pour les dix jeux
    int TempsLimite() const { return tempsLimite_; }

    // le jeu suivant peut commencer : série en cours, aucun jeu en cours
    bool JeuSuivantPermis() const { return EnCours() && !jeuEnCours_; }
    // tire le jeu suivant, avec le temps limite de la série ; faux quand ce n'est pas le moment
    bool CommencerJeuSuivant();
    // le jeu tiré est posé et la saisie du joueur finie : il est résolu du plus simple au plus tordu (s'il
    // ne l'est pas déjà) et compte ses points ; après le dixième la série est finie. Faux, sans rien
    // changer, quand le jeu de la partie n'en est pas là
    bool TerminerJeu(const CrochetsRecherche& crochets = {});
    // arrêtée avant la fin : le jeu en cours ne compte pas ; une série finie le reste
    void Abandonner();
    // un autre jeu va commencer : il faut l'accord du joueur quand la série a déjà un jeu joué ou en cours
    bool QuestionAvantAbandon() const { return EnCours() && (jeuEnCours_ || !jeux_.empty()); }

    // le jeu en cours ou le dernier joué, de 1 à JeuxParSerie ; 0 avant le premier
    int NumeroJeu() const { return static_cast<int>(jeux_.size()) + (jeuEnCours_ ? 1 : 0); }
    const std::vector<JeuDeSerie>& Jeux() const { return jeux_; }
    BilanSerie Bilan() const { return BilanDesJeux(niveau_, jeux_); }

    const std::optional<BilanSerie>& Record() const { return record_; }
    // la série, finie, a plus de points que le record de son niveau (la première finie le bat d'office) ;
    // jamais en cours ni abandonnée
    bool BatLeRecord() const;

    // « Série : jeu 3/10 — 17 points »
    std::string TexteEtat() const;

private:
    // le seul endroit où la série tire un jeu
    void TirerJeu();

    Partie& partie_;
    NiveauSerie niveau_;
    std::optional<BilanSerie> record_;
    std::optional<int64_t> numero_;
    int tempsLimite_ = TempsLimiteSerieSansChoix;
    EtatSerie etat_ = EtatSerie::EnCours;
    bool jeuEnCours_ = false;
    std::vector<JeuDeSerie> jeux_;
};
