// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TirageAuSort.h"

#include <algorithm>

namespace {

constexpr uint8_t GenreLibre = 0, GenrePetite = 1, GenreGrande = 2;

// l'entrée de la réserve de chaque plaque, aucune prise deux fois ; rien pour des plaques hors de la réserve
std::optional<std::array<int, 6>> IndicesDansLaReserve(const SixEntiers& plaques)
{
    std::array<int, 6> indices{};
    std::array<bool, 24> prise{};
    for (size_t k = 0; k < 6; ++k) {
        size_t i = 0;
        while (i < ReservePlaques.size() && (prise[i] || ReservePlaques[i] != plaques[k]))
            ++i;
        if (i == ReservePlaques.size())
            return std::nullopt;
        prise[i] = true;
        indices[k] = static_cast<int>(i);
    }
    return indices;
}

}  // namespace

JeuTire TirerJeuOrdinaire(const std::function<uint32_t()>& aleatoire)
{
    JeuTire jeu;
    std::array<bool, 24> prise{};
    for (int32_t& plaque : jeu.Plaques) {
        size_t indice = 0;
        do
            indice = aleatoire() % 24;
        while (prise[indice]);
        prise[indice] = true;
        plaque = ReservePlaques[indice];
    }
    jeu.But = static_cast<int32_t>(101 + aleatoire() % 899);
    return jeu;
}

void TirageAuSort::Reinitialiser(unsigned graine)
{
    generateur_.seed(graine);
    plaques_.fill(0);
    plaquesCachees_.fill(true);
    but_ = 0;
    reserveUtilisee_.fill(false);
    indiceReserve_.fill(0);
    genreCase_.fill(GenreLibre);
    indicesImposes_.reset();
    butImpose_.reset();
}

// chaque roue part à son heure et ralentit à sa façon
void TirageAuSort::TirerRoue(uint32_t i)
{
    RouleauChiffre& rouleau = animation_.Rouleaux[i];
    rouleau.Delai = Aleatoire() % 300 + 1000 * i;
    rouleau.Croissance = Aleatoire() % 50 + 110;
    rouleau.Periode = Aleatoire() % 100 + 50;
}

void TirageAuSort::TirerRouesVers(int32_t but)
{
    // parties de 0, les centaines montrent 2 à 9 puis 1 (9 chiffres), les dizaines et les unités 0 à 9 :
    // chaque roue est tirée jusqu'à faire le bon nombre de pas pour son chiffre. Le saut de 100 peut
    // encore décaler un chiffre : l'animation entière est alors vérifiée, et retirée au besoin
    const std::array<int, 3> modulos{9, 10, 10};
    const std::array<int, 3> restes{(but / 100 + 8) % 9, but / 10 % 10, but % 10};
    for (int essai = 0; essai < 1000; ++essai) {
        for (uint32_t i = 0; i < 3; ++i) {
            TirerRoue(i);
            for (int e = 0; e < 1000 && PasDuRouleau(animation_.Rouleaux[i]) % modulos[i] != restes[i]; ++e)
                TirerRoue(i);
        }
        if (CompteFinal(animation_) == but)
            return;
    }
}

void TirageAuSort::Demarrer(std::optional<int> nbGrandes)
{
    for (uint32_t i = 0; i < 3; ++i)
        TirerRoue(i);
    animation_.TempsAnimation = 0;
    indicesImposes_.reset();
    butImpose_.reset();
    genreCase_.fill(GenreLibre);
    if (nbGrandes) {
        // les places des grandes plaques, tirées comme on bat un jeu de cartes
        const int n = std::clamp(*nbGrandes, 0, 4);
        std::array<size_t, 6> places{0, 1, 2, 3, 4, 5};
        for (size_t i = 5; i > 0; --i)
            std::swap(places[i], places[Aleatoire() % (i + 1)]);
        genreCase_.fill(GenrePetite);
        for (int k = 0; k < n; ++k)
            genreCase_[places[static_cast<size_t>(k)]] = GenreGrande;
    }
}

void TirageAuSort::Demarrer(const JeuTire& jeu)
{
    Demarrer();
    TirerRouesVers(jeu.But);
    indicesImposes_ = IndicesDansLaReserve(jeu.Plaques);
    butImpose_ = jeu.But;
}

bool TirageAuSort::GenreAccepte(size_t caseTiree, size_t indice) const
{
    switch (genreCase_[caseTiree]) {
    case GenrePetite: return !EstGrande(ReservePlaques[indice]);
    case GenreGrande: return EstGrande(ReservePlaques[indice]);
    default: return true;
    }
}

bool TirageAuSort::RouesArretees() const
{
    return std::all_of(animation_.Rouleaux.begin(), animation_.Rouleaux.end(), RouleauArrete);
}

PasTirage TirageAuSort::Avancer()
{
    PasTirage pas;
    animation_.TempsAnimation += 50;
    const uint32_t temps = animation_.TempsAnimation;

    // une plaque apparaît à chaque seconde pleine
    if (temps >= 1000 && temps <= 6000 && temps % 1000 == 0) {
        const auto k = static_cast<size_t>(temps / 1000 - 1);
        // la plaque qui change à chaque pas, cachée, laisse place à celle du jeu choisi
        if (indicesImposes_) {
            indiceReserve_[k] = (*indicesImposes_)[k];
            plaques_[k] = ReservePlaques[static_cast<size_t>(indiceReserve_[k])];
        }
        reserveUtilisee_[static_cast<size_t>(indiceReserve_[k])] = true;
        plaquesCachees_[k] = false;
        pas.PlaqueRevelee = true;
    }
    // la plaque suivante, encore cachée, change à chaque pas parmi celles qui restent dans la réserve ;
    // seules les entrées révélées sont marquées, si bien qu'aucune n'est donnée deux fois
    const uint32_t s = temps / 1000;
    if (s < 6) {
        size_t indice = 0;
        do {
            indice = Aleatoire() % 24;
            indiceReserve_[s] = static_cast<int>(indice);
            plaques_[s] = ReservePlaques[indice];
        } while (reserveUtilisee_[indice] || !GenreAccepte(s, indice));
    }
    // les trois roues du compte, chacune à son rythme
    pas.ButChange = AvancerRoues(animation_, but_);
    // le tirage finit dans le pas où sa dernière roue s'arrête, jamais avant la sixième plaque
    pas.Termine = temps > 6000 && RouesArretees();
    // filet : des roues qui manqueraient le compte choisi (jamais vu) n'en donnent pas un autre
    if (pas.Termine && butImpose_ && but_ != *butImpose_) {
        but_ = *butImpose_;
        pas.ButChange = true;
    }
    return pas;
}
