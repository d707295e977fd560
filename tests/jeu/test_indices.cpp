// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// les quatre indices sur des jeux établis à la main, depuis le début de la saisie ou une saisie commencée,
// et l'échelle montée barreau après barreau avec ses prix
#include "IndicesJeu.h"
#include "SaisieCalcul.h"

#include <gtest/gtest.h>

namespace {

// les quatre réponses, séparées par « | », après les opérations jouées dans la saisie (boutons premier,
// signe, second)
std::string QuatreReponses(const SixEntiers& plaques, int32_t but, const std::vector<std::array<int, 3>>& operations)
{
    DonneesRecherche d;
    d.Plaques = plaques;
    d.But = but;
    SaisieCalcul saisie(d, [] { return 0; });
    saisie.Recommencer();
    for (const auto& [premier, signe, second] : operations) {
        saisie.Nombre(premier);
        saisie.Signe(signe);
        saisie.Nombre(second);
    }
    IndicesJeu indices(plaques, but);
    std::string reponses;
    while (const std::optional<IndiceDonne> indice = indices.Demander(d))
        reponses += (reponses.empty() ? "" : " | ") + indice->Reponse;
    return reponses;
}

}  // namespace

TEST(Indices, QuatreReponsesDeJeuxEtablisALaMain)
{
    // 100 × 6 seul fait 600 avec deux plaques
    EXPECT_EQ(QuatreReponses({100, 75, 50, 25, 6, 4}, 600, {}),
              "Oui | Au moins 2 plaques | Passez par 100 | 100*6=600");
    // au plus (2 + 1) × (2 + 1) × (4 × 3) = 108, dont les résultats les plus petits passent par 12 et 9
    EXPECT_EQ(QuatreReponses({1, 1, 2, 2, 3, 4}, 999, {}),
              "Non : au mieux à 891 | Aucune solution exacte | Passez par 12 | 2+1=3");
    // 100 × 75 × 50 × 25 fait, il reste 9 375 000, 3 et 6 : 6 × 3 = 18 au mieux ; les trois autres réponses
    // parlent du jeu entier (75 × 6 ÷ 50 × (100 + 3) + 25)
    EXPECT_EQ(QuatreReponses({25, 50, 75, 100, 3, 6}, 952,
                             {{3, OpMultiplication, 2}, {3, OpMultiplication, 1}, {3, OpMultiplication, 0}}),
              "Non : au mieux à 934 | Au moins 6 plaques | Passez par 927 | 75*6=450");
}

TEST(Indices, EchelleMonteeAvecSesPrix)
{
    IndicesJeu indices({100, 75, 50, 25, 6, 4}, 600);
    std::string suivi;
    for (;;) {
        const BarreauIndice suivant = indices.Suivant();
        suivi += std::to_string(static_cast<int>(indices.PlusHautPris())) + " plafond " +
                 std::to_string(indices.Plafond()) + " ; ";
        if (suivant == BarreauIndice::Aucun)
            break;
        suivi += AnnonceIndice(suivant) + " → " + indices.Demander(std::vector<int64_t>{100, 4})->Texte() + "\n";
    }
    EXPECT_EQ(suivi,
              "0 plafond 10 ; Atteignable ? (au plus 7 points) → Atteignable ? — Non : au mieux à 200\n"
              "1 plafond 7 ; Combien de plaques ? (au plus 7 points) → Combien de plaques ? — Au moins 2 plaques\n"
              "2 plafond 7 ; Un nombre de passage (au plus 5 points) → Un nombre de passage — Passez par 100\n"
              "3 plafond 5 ; Première opération (au plus 5 points) → Première opération — 100*6=600\n"
              "4 plafond 5 ; ");
    EXPECT_FALSE(indices.Demander(std::vector<int64_t>{100, 4}));
}
