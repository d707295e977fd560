// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// l'ordinateur adversaire : ce que chaque force voit sur un jeu travaillé à la main, la même annonce pour le
// même jeu, toute annonce prouvée par son calcul, « À ma mesure » d'après un historique fait à la main
#include "AdversaireOrdinateur.h"
#include "GenerateurSplitMix.h"
#include "ReflexionOrdinateur.h"
#include "TirageAuSort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// vide quand chaque ligne « a+b=c » prend deux nombres encore libres (plaques ou résultats), fait une opération
// juste en nombres entiers positifs, et que la dernière vaut l'annonce ; sinon ce qui ne va pas
std::string Preuve(const SixEntiers& plaques, const AnnonceOrdinateur& a)
{
    std::vector<long> libres(plaques.begin(), plaques.end());
    long resultat = 0;
    for (const std::string& ligne : a.Calcul) {
        long x = 0, y = 0;
        char op = 0, egal = 0;
        if (std::sscanf(ligne.c_str(), "%ld%c%ld%c%ld", &x, &op, &y, &egal, &resultat) != 5 || egal != '=')
            return "ligne illisible : " + ligne;
        for (const long n : {x, y}) {
            const auto libre = std::find(libres.begin(), libres.end(), n);
            if (libre == libres.end())
                return "nombre pris deux fois ou inconnu : " + ligne;
            libres.erase(libre);
        }
        const bool juste = (op == '+' && x + y == resultat) || (op == '-' && x - y == resultat) ||
                           (op == '*' && x * y == resultat) || (op == '/' && y != 0 && x == y * resultat);
        if (!juste || resultat <= 0)
            return "opération fausse : " + ligne;
        libres.push_back(resultat);
    }
    if (!a.Valeur || a.Calcul.empty() || resultat != *a.Valeur)
        return "le calcul ne finit pas sur l'annonce";
    return {};
}

}  // namespace

TEST(Adversaire, ChaqueForceVoitSesCalculs)
{
    // 108 ne se fait avec 1 1 2 2 3 4 que par les six plaques : (2+1)×(2+1)×3×4. Au plus, deux opérations
    // donnent 4×3×2 = 24, trois 4×3×2×2 = 48, quatre (2+1)×4×3×2 = 72 ; le temps ne manque à aucune
    const SixEntiers plaques{1, 1, 2, 2, 3, 4};
    const std::pair<ForceAdversaire, int32_t> cas[] = {{ForceAdversaire::Debutant, 24},
                                                        {ForceAdversaire::Amateur, 48},
                                                        {ForceAdversaire::Confirme, 72},
                                                        {ForceAdversaire::Champion, 108}};
    for (const auto& [force, annonce] : cas) {
        const AnnonceOrdinateur a = Reflechir(plaques, 108, force, 3600 * 1000);
        EXPECT_EQ(a.Valeur, annonce) << NomForce(force);
        EXPECT_EQ(Preuve(plaques, a), "") << NomForce(force);
        // chaque force arrive au bout de ce qu'elle voit
        EXPECT_EQ(a.Calcul.size(), static_cast<size_t>(DecrireForce(force).Operations)) << NomForce(force);
    }
}

TEST(Adversaire, MemeJeuMemeAnnonce)
{
    // un jeu rejoué, ses plaques dans un autre ordre
    for (const ForceAdversaire force : ForcesFixes)
        EXPECT_EQ(Reflechir({25, 50, 75, 100, 3, 6}, 952, force, 45000),
                  Reflechir({3, 100, 6, 75, 50, 25}, 952, force, 45000))
            << NomForce(force);
}

TEST(Adversaire, AnnonceToujoursProuvee)
{
    GenerateurSplitMix generateur(7);
    for (int i = 0; i < 40; ++i) {
        const JeuTire jeu = TirerJeuOrdinaire([&] { return static_cast<uint32_t>(generateur.Suivant()); });
        for (const ForceAdversaire force : ForcesFixes) {
            const AnnonceOrdinateur a = Reflechir(jeu.Plaques, jeu.But, force, 30000);
            EXPECT_EQ(Preuve(jeu.Plaques, a), "") << NomForce(force) << ' ' << jeu.But;
            EXPECT_LE(a.Calcul.size(), static_cast<size_t>(DecrireForce(force).Operations));
            EXPECT_TRUE(a.TempsMs > 0 && a.TempsMs <= 30000) << a.TempsMs;
        }
    }
}

TEST(Adversaire, AMaMesureDapresLHistorique)
{
    // dix jeux faciles tous trouvés, en 12 à 28 s (temps médian 20 s), neuf moyens, dix difficiles jamais trouvés
    std::vector<LigneHistorique> lignes;
    const auto jeu = [&](NiveauJeu niveau, bool trouve, int32_t secondes) {
        LigneHistorique& l = lignes.emplace_back();
        l.Niveau = niveau;
        l.But = 500;
        l.ResultatJoueur = trouve ? 500 : 480;
        l.TempsJoueur = secondes * 1000;
    };
    for (int32_t s : {28, 12, 26, 14, 24, 16, 22, 18, 20, 20})
        jeu(NiveauJeu::Facile, true, s);
    for (int k = 0; k < 9; ++k)
        jeu(NiveauJeu::Moyen, true, 30);
    for (int k = 0; k < 10; ++k)
        jeu(NiveauJeu::Difficile, false, 45);
    const MesuresJoueur mesures = MesurerJoueur(lignes);
    EXPECT_EQ(MesureAuNiveau(mesures, NiveauJeu::Facile), (MesureJoueur{NiveauJeu::Facile, 10, 10, 20000.0}));
    EXPECT_EQ(MesureAuNiveau(mesures, NiveauJeu::Difficile), (MesureJoueur{NiveauJeu::Difficile, 10, 0, std::nullopt}));
    const AdversaireOrdinateur adversaire(ForceAdversaire::AMaMesure, mesures);
    const SixEntiers plaques{100, 25, 1, 2, 3, 4};

    // facile (100+25) : trouvé vers 20 s, de 15 à 25 s
    ASSERT_EQ(MesurerNiveau(plaques, 125).Niveau, NiveauJeu::Facile);
    const AnnonceOrdinateur facile = adversaire.Jouer(plaques, 125, 45000);
    EXPECT_EQ(facile.Valeur, 125);
    EXPECT_TRUE(facile.TempsMs >= 15000 && facile.TempsMs <= 25000) << facile.TempsMs;
    EXPECT_EQ(Preuve(plaques, facile), "");
    EXPECT_EQ(facile.Avertissement, "");

    // difficile, jamais trouvé : à la limite, la valeur la plus proche sans être le compte, à 1
    ASSERT_EQ(MesurerNiveau(plaques, 583).Niveau, NiveauJeu::Difficile);
    const AnnonceOrdinateur difficile = adversaire.Jouer(plaques, 583, 45000);
    EXPECT_EQ(std::abs(difficile.Valeur.value_or(0) - 583), 1);
    EXPECT_EQ(difficile.TempsMs, 45000);
    EXPECT_EQ(Preuve(plaques, difficile), "");

    // moyen, neuf jeux seulement : il le dit et joue « Amateur »
    ASSERT_EQ(MesurerNiveau(plaques, 330).Niveau, NiveauJeu::Moyen);
    AnnonceOrdinateur moyen = adversaire.Jouer(plaques, 330, 45000);
    EXPECT_EQ(moyen.Avertissement,
              "Moins de 10 jeux de niveau Moyen dans l'historique (9) : l'ordinateur joue « Amateur ».");
    moyen.Avertissement.clear();
    EXPECT_EQ(moyen, Reflechir(plaques, 330, ForceAdversaire::Amateur, 45000));
}

TEST(Adversaire, ForceEcriteSansEgardAuxAccents)
{
    const std::pair<const char*, std::optional<ForceAdversaire>> cas[] = {
        {"debutant", ForceAdversaire::Debutant}, {"Débutant", ForceAdversaire::Debutant},
        {"DÉBUTANT", ForceAdversaire::Debutant}, {"Confirmé", ForceAdversaire::Confirme},
        {"CHAMPION", ForceAdversaire::Champion}, {"à ma mesure", ForceAdversaire::AMaMesure},
        {"mesure", ForceAdversaire::AMaMesure},  {"expert", std::nullopt},
        {"amateurs", std::nullopt},              {"", std::nullopt},
    };
    for (const auto& [texte, force] : cas)
        EXPECT_EQ(LireForce(texte), force) << texte;
}
