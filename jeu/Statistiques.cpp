// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Statistiques.h"

#include "Pourcentage.h"

#include <limits>

const std::array<const char*, Cumul::Nombre> ClesCumuls = {
    "RecherchesM", "RecherchesH",    "TrouvesM",      "TrouvesH",      "ApprochesM",      "ApprochesH",
    "Proposes",    "TiresAuSort",    "SolutionsM",    "SolutionsMH",   "SolutionsH",      "PossibilitesM",
    "PossibilitesMH", "PossibilitesH", "Temps1ereSolM", "TempsToutesSolM", "TempsH",
};

CumulsStat MontantsJeu(const LigneHistorique& l)
{
    using namespace Cumul;
    CumulsStat m;
    const bool joueur = l.Joue();
    const bool trouveM = l.MeilleurResultat == l.But;
    m[RecherchesM] = 1;
    m[RecherchesH] = joueur;
    m[TrouvesM] = trouveM;
    m[TrouvesH] = l.TrouveParLeJoueur();
    m[ApprochesM] = !trouveM;
    m[ApprochesH] = joueur && !l.TrouveParLeJoueur();
    m[Proposes] = l.Origine == OrigineJeu::Propose;
    // les statistiques n'ont que deux origines : le jeu du jour est tiré, par sa date, et un jeu de match au sort
    m[TiresAuSort] =
        l.Origine == OrigineJeu::TireAuSort || l.Origine == OrigineJeu::Jour || l.Origine == OrigineJeu::Match;
    m[SolutionsM] = l.NbSolutions;
    m[PossibilitesM] = l.NbPossibilites;
    if (joueur) {
        // les colonnes MH ne comptent que les jeux où le joueur a joué, pour comparer ses rangs
        m[SolutionsMH] = l.NbSolutions;
        m[SolutionsH] = l.RangJoueur.value_or(0);
        m[PossibilitesH] = l.PlaceCalculs.value_or(0);
        m[PossibilitesMH] = l.NbPossibilites;
    }
    m[Temps1ereSolM] = l.TempsPremiereSolution.value_or(0);
    m[TempsToutesSolM] = l.TempsToutesSolutions.value_or(0);
    m[TempsH] = l.TempsJoueur;
    return m;
}

void AjouterCumuls(CumulsStat& total, const CumulsStat& jeu)
{
    for (size_t i = 0; i < Cumul::Nombre; ++i) {
        int64_t somme = 0;
        if (__builtin_add_overflow(total.Valeurs[i], jeu.Valeurs[i], &somme))
            somme = jeu.Valeurs[i] > 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
        total.Valeurs[i] = somme;
    }
}

namespace {

// division entière tronquée ; le seul quotient hors des 64 bits (le plus petit par -1) reste au plus grand
int64_t Quotient(int64_t a, int64_t b)
{
    if (b == -1 && a == std::numeric_limits<int64_t>::min())
        return std::numeric_limits<int64_t>::max();
    return a / b;
}

}  // namespace

TextesEtiquettes TextesStatistiques(const CumulsStat& c)
{
    using namespace Cumul;
    TextesEtiquettes textes;
    // un compteur par étiquette, sauf les quatre qui vont par paires « rang/total »
    for (size_t i = 0; i < Nombre; ++i) {
        const auto indice = static_cast<Indice>(i);
        if (indice == SolutionsMH || indice == SolutionsH || indice == PossibilitesMH || indice == PossibilitesH)
            continue;
        textes.emplace_back(std::string("Label") + ClesCumuls[i], std::to_string(c[indice]));
    }
    auto paire = [](const std::string& a, const std::string& b) { return a + "/" + b; };
    textes.emplace_back("LabelSolutionsH", paire(std::to_string(c[SolutionsH]), std::to_string(c[SolutionsMH])));
    textes.emplace_back("LabelPossibilitesH",
                        paire(std::to_string(c[PossibilitesH]), std::to_string(c[PossibilitesMH])));

    // aucune division par un total nul : l'étiquette garde alors son texte de départ
    if (const int64_t n = c[RecherchesM]; n != 0) {
        textes.emplace_back("LabelPourcentsTAM",
                            paire(PourcentageEntier(c[TrouvesM], n), PourcentageEntier(c[ApprochesM], n)));
        textes.emplace_back("LabelPourcentsPTM",
                            paire(PourcentageEntier(c[Proposes], n), PourcentageEntier(c[TiresAuSort], n)));
        if (c[SolutionsMH] != 0 && c[PossibilitesMH] != 0)
            textes.emplace_back("LabelPourcentsSPH", paire(PourcentageDeuxDecimales(c[SolutionsH], c[SolutionsMH]),
                                                           PourcentageDeuxDecimales(c[PossibilitesH], c[PossibilitesMH])));
        textes.emplace_back("LabelTpsMoyen1ereSolM", std::to_string(Quotient(c[Temps1ereSolM], n)));
        textes.emplace_back("LabelTpsTotalSolM", std::to_string(Quotient(c[TempsToutesSolM], n)));
    }
    if (const int64_t n = c[RecherchesH]; n != 0) {
        textes.emplace_back("LabelPourcentsTAH",
                            paire(PourcentageEntier(c[TrouvesH], n), PourcentageEntier(c[ApprochesH], n)));
        textes.emplace_back("LabelTpsMoyen1ereSolH", std::to_string(Quotient(c[TempsH], n)));
    }
    return textes;
}
