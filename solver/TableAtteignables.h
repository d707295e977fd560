// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Plaques.h"

#include <array>
#include <cstdint>
#include <vector>

// les valeurs que forment les sous-tirages (une à cinq plaques) de tirages de six plaques : chaque
// sous-tirage distinct est calculé une fois, à partir de ses propres parties, et sert à tous les tirages
// qui le tiennent ; un tirage de six plaques n'en garde que ses comptes de 101 à 999
class TableAtteignables {
public:
    // les sous-tirages des tirages donnés, niveau par niveau (une plaque, deux, …) sur fils fils d'exécution
    TableAtteignables(const std::vector<SixEntiers>& tirages, int fils);

    // les comptes de 101 à 999 que forme un des tirages donnés (sinon std::invalid_argument) ; sans état
    // modifié : plusieurs fils peuvent l'appeler ensemble
    ComptesMarques Comptes(const SixEntiers& tirage) const;
    int NombreComptes(const SixEntiers& tirage) const;

    // les valeurs que forme un sous-tirage de une à cinq plaques d'un des tirages donnés (chaque plaque au
    // plus une fois), croissantes ; à quatre ou cinq plaques, il peut y manquer de trop grandes valeurs,
    // qui ne mènent à aucun compte de 101 à 999
    std::vector<uint32_t> Valeurs(const std::vector<int32_t>& plaques) const;

private:
    using Bits2048 = std::array<uint64_t, 32>;
    using Mots16 = std::array<uint64_t, 16>;  // valeurs de 0 à 1023 : les comptes
    // 2048 bits entre deux marges de 16 mots nuls : les décalages des comptes n'y lisent jamais au-delà
    using BitsBordes = std::array<uint64_t, 64>;

    struct Ensemble {
        // les valeurs que forment toutes ses plaques, croissantes, sans celles sous 2048 qu'une partie
        // plus petite forme déjà
        std::vector<uint32_t> Nouvelles;
        BitsBordes Bas{};         // les mêmes, sous 2048
        BitsBordes BasInverse{};  // bit 2047 - v pour chacune : les différences x - v par décalage
        Bits2048 Atteintes{};     // sous 2048, ce que forment le sous-tirage et toutes ses parties
    };

    using Composition = std::array<uint8_t, ValeursPlaques.size()>;  // nombre d'exemplaires de chaque valeur
    struct Brouillon;

    static uint32_t Cle(const Composition& c);
    const Ensemble& Trouver(uint32_t cle) const;
    // sous 2048, ce que forment les parties d'une plaque de moins
    Bits2048 AtteintesSansUne(const Composition& c) const;
    void Calculer(Ensemble& e, const Composition& c, Brouillon& brouillon) const;
    static void Combiner(uint32_t x, const Ensemble& y, Mots16& comptes);
    Mots16 MotsComptes(const SixEntiers& tirage) const;

    std::vector<int32_t> indices_;  // clé d'une composition → rang dans ensembles_, -1 : absent
    std::vector<Ensemble> ensembles_;
};
