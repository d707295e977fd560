// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResumeJour.h"

#include "Operations.h"

#include <algorithm>
#include <cstdlib>

namespace {

std::string Jours(int n) { return std::to_string(n) + (n > 1 ? " jours" : " jour"); }

}  // namespace

ResultatJour ResultatDeLEssai(const JeuDuJour& jeu, const DonneesRecherche& d)
{
    ResultatJour r;
    r.Date = jeu.Date;
    r.Niveau = jeu.Mesure.Niveau;
    if (d.MeilleurJoueur != Aucun)
        r.Ecart = std::abs(d.MeilleurJoueur - d.But);
    r.TempsJoueur = d.TempsJoueur;
    return r;
}

ResumeJour ResumerJour(const std::vector<ResultatJour>& enregistres, const ResultatJour& essai, bool rejoue,
                       DateJour aujourdhui)
{
    std::vector<JeuDuJourJoue> joues;
    for (const ResultatJour& e : enregistres)
        joues.push_back({e.Date, e.Ecart == 0});
    // déjà enregistré, il n'est qu'un second jeu du même jour, que la série ne compte pas
    if (!rejoue)
        joues.push_back({essai.Date, essai.Ecart == 0});
    ResumeJour r;
    r.Serie = CompterSerie(joues, aujourdhui);
    r.Rejoue = rejoue;
    const auto premier =
        std::find_if(enregistres.begin(), enregistres.end(), [&](const ResultatJour& e) { return e.Date == essai.Date; });
    r.Resultat = premier != enregistres.end() ? *premier : essai;
    r.Resultat.Niveau = essai.Niveau;
    r.Resultat.Serie = r.Serie.EnCours;
    return r;
}

std::vector<std::string> LignesResume(const ResumeJour& r)
{
    std::vector<std::string> lignes = {
        "Jeu du " + DateEnLettres(r.Resultat.Date) + " (" + NomNiveau(r.Resultat.Niveau) + ")",
        (r.Rejoue ? "Résultat du premier essai : " : "Résultat : ") + TexteResultat(r.Resultat),
        "Série en cours : " + Jours(r.Serie.EnCours),
        "Plus longue série : " + Jours(r.Serie.PlusLongue),
    };
    if (r.Rejoue)
        lignes.push_back("Déjà joué ce jour-là : cet essai compte comme un jeu proposé.");
    return lignes;
}
