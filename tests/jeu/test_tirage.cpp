// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// le tirage au sort pas à pas, à graine fixe : révélations, réserve, roues du compte, fin
#include "TirageAuSort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>

namespace {

struct Tirage {
    explicit Tirage(unsigned graine, std::optional<int> nbGrandes = std::nullopt)
    {
        tirage.Reinitialiser(graine);
        tirage.Demarrer(nbGrandes);
    }
    PasTirage Pas()
    {
        const PasTirage pas = tirage.Avancer();
        plaques = tirage.Plaques();
        cachees = tirage.PlaquesCachees();
        but = tirage.But();
        return pas;
    }
    // mène le tirage jusqu'à sa fin ; rend le temps de l'animation à la fin
    uint32_t JusquauBout()
    {
        for (int pas = 0; pas < 400; ++pas)
            if (Pas().Termine)
                return tirage.Animation().TempsAnimation;
        return 0;
    }

    TirageAuSort tirage;
    SixEntiers plaques{};
    std::array<bool, 6> cachees{true, true, true, true, true, true};
    int32_t but = 0;
};

}  // namespace

// une roue s'arrête dès que son prochain ralentissement porterait l'écart entre deux pas à une seconde
// ou plus : (croissance − 100) × période / 100, en nombres entiers
TEST(Tirage, RoueArreteeAUneSecondeEntiere)
{
    struct Cas {
        uint32_t croissance, periode;
        bool arretee;
    };
    const Cas cas[] = {
        {150, 2000, true},    // 50 × 2000 / 100 = 1000 tout juste
        {150, 1999, false},   // 999,5 tronqué à 999
        {110, 10000, true},   // 10 × 10 000 / 100 = 1000
        {110, 9999, false},
        {159, 1695, true},    // 59 × 1695 = 100 005
        {159, 1694, false},   // 59 × 1694 = 99 946
        {110, 50, false},     // au départ
        {200, 1000, true},
        {200, 999, false},
    };
    for (const Cas& c : cas) {
        RouleauChiffre r;
        r.Croissance = c.croissance;
        r.Periode = c.periode;
        EXPECT_EQ(RouleauArrete(r), c.arretee) << c.croissance << " % sur " << c.periode << " ms";
    }
}

TEST(Tirage, PasAPasSurVingtCinqGraines)
{
    for (unsigned graine = 1; graine <= 25; ++graine) {
        SCOPED_TRACE(graine);
        Tirage t(graine);
        for (uint32_t i = 0; i < 3; ++i) {
            const RouleauChiffre& r = t.tirage.Animation().Rouleaux[i];
            EXPECT_TRUE(r.Delai >= 1000u * i && r.Delai < 1000u * i + 300);
            EXPECT_TRUE(r.Croissance >= 110 && r.Croissance < 160);
            EXPECT_TRUE(r.Periode >= 50 && r.Periode < 150);
        }
        int32_t premierBut = -1;
        uint32_t tempsPremierBut = 0, dernierChangement = 0;
        bool fini = false;
        for (int pas = 0; pas < 400 && !fini; ++pas) {
            const int32_t ancienBut = t.but;
            const PasTirage p = t.Pas();
            const uint32_t temps = t.tirage.Animation().TempsAnimation;
            ASSERT_EQ(temps, 50u * static_cast<uint32_t>(pas + 1));
            fini = p.Termine;
            // une plaque de plus à chaque seconde pleine, et c'est celle-là qui est signalée
            EXPECT_EQ(p.PlaqueRevelee, temps % 1000 == 0 && temps <= 6000);
            for (uint32_t k = 0; k < 6; ++k)
                EXPECT_EQ(t.cachees[k], temps < 1000 * (k + 1));
            // la case suivante, encore cachée, tient une entrée libre de la réserve
            if (temps / 1000 < 6) {
                const auto s = temps / 1000;
                const auto indice = static_cast<size_t>(t.tirage.IndiceReserve()[s]);
                EXPECT_FALSE(t.tirage.ReserveUtilisee()[indice]);
                EXPECT_EQ(t.plaques[s], ReservePlaques[indice]);
            }
            EXPECT_EQ(p.ButChange, t.but != ancienBut);
            if (t.but != ancienBut)
                dernierChangement = temps;
            EXPECT_TRUE(t.but != 100 && t.but >= 0 && t.but <= 999);
            if (t.but != ancienBut && premierBut < 0) {
                premierBut = t.but;
                tempsPremierBut = temps;
            }
            // dizaines et unités ne bougent pas avant leur départ
            EXPECT_TRUE(temps > 1000 || t.but % 100 == 0);
            EXPECT_TRUE(temps > 2000 || t.but % 10 == 0);
        }
        ASSERT_TRUE(fini);
        // la fin vient dans le pas même où le compte bouge pour la dernière fois, ou au premier pas après
        // la sixième plaque si les roues se sont arrêtées avant
        EXPECT_EQ(t.tirage.Animation().TempsAnimation, std::max(6050u, dernierChangement));
        // et le compte ne bougerait plus : chaque roue attendrait au moins une seconde de plus
        for (const RouleauChiffre& r : t.tirage.Animation().Rouleaux)
            EXPECT_GE((r.Croissance - 100) * r.Periode, 100000u);
        EXPECT_GT(t.tirage.Animation().TempsAnimation, 6000u);
        EXPECT_LT(t.tirage.Animation().TempsAnimation, 12000u);
        EXPECT_EQ(premierBut, 200);  // 100 est sauté
        EXPECT_LE(tempsPremierBut, 450u);
        EXPECT_TRUE(ButValide(t.but)) << t.but;
        const std::set<int> indices(t.tirage.IndiceReserve().begin(), t.tirage.IndiceReserve().end());
        EXPECT_EQ(indices.size(), 6u);
    }
}

TEST(Tirage, MemeGraineMemeJeu)
{
    Tirage a(77), b(77);
    a.JusquauBout();
    b.JusquauBout();
    EXPECT_EQ(a.plaques, b.plaques);
    EXPECT_EQ(a.but, b.but);
}

// le tirage avec un nombre imposé de grandes plaques
TEST(Tirage, NombreDeGrandesPlaquesImpose)
{
    for (int n = 0; n <= 4; ++n) {
        std::set<int32_t> valeursVues;
        std::set<int> placesDesGrandes;
        for (unsigned graine = 1; graine <= 200; ++graine) {
            SCOPED_TRACE(testing::Message() << n << " grandes, graine " << graine);
            Tirage t(graine, n);
            ASSERT_GT(t.JusquauBout(), 6000u);
            const auto grandes = std::count_if(t.plaques.begin(), t.plaques.end(), [](int32_t v) { return v > 10; });
            EXPECT_EQ(grandes, n);
            const std::set<int> indices(t.tirage.IndiceReserve().begin(), t.tirage.IndiceReserve().end());
            EXPECT_EQ(indices.size(), 6u);  // aucune entrée de la réserve donnée deux fois
            for (size_t k = 0; k < 6; ++k) {
                EXPECT_TRUE(PlaqueValide(t.plaques[k]));
                valeursVues.insert(t.plaques[k]);
                if (t.plaques[k] > 10)
                    placesDesGrandes.insert(static_cast<int>(k));
            }
            EXPECT_TRUE(ButValide(t.but));
        }
        // chaque petite valeur, chaque grande plaque permise, à toutes les places
        for (int32_t v = 1; v <= 10; ++v)
            EXPECT_EQ(valeursVues.count(v), 1u) << v;
        for (int32_t v : {25, 50, 75, 100})
            EXPECT_EQ(valeursVues.count(v), n > 0 ? 1u : 0u) << v;
        EXPECT_EQ(placesDesGrandes.size(), n > 0 ? 6u : 0u);
    }
}

// le tirage ordinaire tire les mêmes nombres qu'avant le tirage à grandes plaques : trois par roue,
// puis la première case
TEST(Tirage, OrdinaireInchange)
{
    std::mt19937 g(5);
    for (int i = 0; i < 9; ++i)
        g();
    // le premier pas tire la case 0 avec le dixième nombre du générateur
    Tirage u(5);
    u.Pas();
    EXPECT_EQ(u.tirage.IndiceReserve()[0], static_cast<int>(g() % 24));
}
