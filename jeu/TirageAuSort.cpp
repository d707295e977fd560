// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TirageAuSort.h"

#include <algorithm>

namespace {

constexpr uint8_t GenreLibre = 0, GenrePetite = 1, GenreGrande = 2;

}  // namespace

void TirageAuSort::Reinitialiser(unsigned graine)
{
    generateur_.seed(graine);
    plaques_.fill(0);
    plaquesCachees_.fill(true);
    but_ = 0;
    reserveUtilisee_.fill(false);
    indiceReserve_.fill(0);
    genreCase_.fill(GenreLibre);
}

void TirageAuSort::Demarrer(std::optional<int> nbGrandes)
{
    // chaque roue part à son heure et ralentit à sa façon
    for (uint32_t i = 0; i < 3; ++i) {
        RouleauChiffre& rouleau = animation_.Rouleaux[i];
        rouleau.Delai = Aleatoire() % 300 + 1000 * i;
        rouleau.Croissance = Aleatoire() % 50 + 110;
        rouleau.Periode = Aleatoire() % 100 + 50;
    }
    animation_.TempsAnimation = 0;
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
    for (size_t i = 0; i < 3; ++i) {
        RouleauChiffre& rouleau = animation_.Rouleaux[i];
        if (RouleauArrete(rouleau) || rouleau.Periode + rouleau.Delai > temps)
            continue;
        rouleau.Periode = rouleau.Periode * rouleau.Croissance / 100;
        but_ = AvancerChiffre(but_, static_cast<int>(i));
        pas.ButChange = true;
    }
    // le tirage finit dans le pas où sa dernière roue s'arrête, jamais avant la sixième plaque
    pas.Termine = temps > 6000 && RouesArretees();
    return pas;
}
