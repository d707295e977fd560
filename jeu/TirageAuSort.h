// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AnimationTirage.h"
#include "Plaques.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <random>

// une grande plaque : 25, 50, 75 ou 100
inline constexpr bool EstGrande(int32_t valeur) { return valeur > 10; }

// un jeu : six plaques et un compte
struct JeuTire {
    SixEntiers Plaques{};
    int32_t But = 0;

    bool operator==(const JeuTire&) const = default;
};

// un jeu pris comme le tirage au sort le prend : six entrées différentes de la réserve (chaque place
// tirée parmi celles qui restent), un compte de 101 à 999 ; aleatoire donne des entiers quelconques
JeuTire TirerJeuOrdinaire(const std::function<uint32_t()>& aleatoire);

// ce qu'un pas de l'animation a changé, pour que la fenêtre ne repeigne que cela
struct PasTirage {
    bool PlaqueRevelee = false;
    bool ButChange = false;
    bool Termine = false;  // roues arrêtées et six plaques montrées : place à la saisie du calcul
};

// le tirage au sort d'un jeu : six plaques prises dans la réserve, un compte de trois roues ;
// le tirage tient le jeu qu'il montre, la partie le lui reprend à chaque pas
class TirageAuSort {
public:
    // réserve rendue entière, cases vides et cachées, compte à 0, générateur réensemencé (l'heure, ou une
    // graine fixe pour les tests)
    void Reinitialiser(unsigned graine);

    // tire les paramètres des trois roues ; nbGrandes : nombre imposé de grandes plaques (25, 50, 75, 100)
    // parmi les six, à des places tirées au sort ; sans lui, le tirage ordinaire
    void Demarrer(std::optional<int> nbGrandes = std::nullopt);
    // le tirage qui finit sur ce jeu, choisi d'avance : chaque case révèle la plaque du jeu, les roues
    // s'arrêtent sur son compte ; l'animation est la même. Des plaques qui ne viennent pas de la réserve
    // laissent les cases au hasard, comme dans le tirage ordinaire
    void Demarrer(const JeuTire& jeu);
    // un jeu ordinaire tiré avec le générateur du tirage (le candidat d'un tirage de niveau)
    JeuTire TirerJeu()
    {
        return TirerJeuOrdinaire([this] { return Aleatoire(); });
    }

    // un pas de 50 ms : révélation, nouvelle plaque pour la case suivante, roues du compte
    PasTirage Avancer();

    // le jeu tel que l'animation le montre : la case suivante change à chaque pas jusqu'à sa révélation
    const SixEntiers& Plaques() const { return plaques_; }
    const std::array<bool, 6>& PlaquesCachees() const { return plaquesCachees_; }
    int32_t But() const { return but_; }

    const EtatAnimation& Animation() const { return animation_; }
    const std::array<bool, 24>& ReserveUtilisee() const { return reserveUtilisee_; }
    const std::array<int, 6>& IndiceReserve() const { return indiceReserve_; }

private:
    uint32_t Aleatoire() { return generateur_(); }
    bool GenreAccepte(size_t caseTiree, size_t indice) const;
    bool RouesArretees() const;
    void TirerRoue(uint32_t i);
    // les roues tirées jusqu'à ce qu'elles s'arrêtent sur ce compte
    void TirerRouesVers(int32_t but);

    std::mt19937 generateur_;
    SixEntiers plaques_{};
    std::array<bool, 6> plaquesCachees_{true, true, true, true, true, true};
    int32_t but_ = 0;
    EtatAnimation animation_;
    std::array<bool, 24> reserveUtilisee_{};
    std::array<int, 6> indiceReserve_{};
    // 0 toute plaque, 1 petite (1 à 10), 2 grande (25 à 100)
    std::array<uint8_t, 6> genreCase_{};
    // le jeu choisi d'avance : l'entrée de la réserve de chaque case, et le compte
    std::optional<std::array<int, 6>> indicesImposes_;
    std::optional<int32_t> butImpose_;
};
