// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResumeJour.h"

#include "Operations.h"

#include <algorithm>
#include <cstdlib>

namespace {

std::vector<JeuDuJourJoue> Joues(const std::vector<ResultatJour>& enregistres)
{
    std::vector<JeuDuJourJoue> joues;
    for (const ResultatJour& e : enregistres)
        joues.push_back({e.Date, e.Ecart == 0});
    return joues;
}

}  // namespace

std::vector<ResultatJour> JeuxDuJourEnregistres(const std::vector<LigneHistorique>& lignes)
{
    // peu de lignes parmi toutes : elles seules sont remises dans l'ordre d'enregistrement
    std::vector<std::pair<int64_t, ResultatJour>> numerotes;
    for (const LigneHistorique& l : lignes) {
        const std::optional<DateJour> date = l.JourDuJeu ? DateDuNombre(*l.JourDuJeu) : std::nullopt;
        if (l.Origine != OrigineJeu::Jour || !date)
            continue;
        ResultatJour r;
        r.Date = *date;
        if (l.ResultatJoueur)
            r.Ecart = std::abs(*l.ResultatJoueur - l.But);
        r.TempsJoueur = l.TempsJoueur;
        numerotes.emplace_back(l.Numero, r);
    }
    std::stable_sort(numerotes.begin(), numerotes.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<ResultatJour> jeux;
    for (const auto& [numero, r] : numerotes)
        jeux.push_back(r);
    return jeux;
}

bool JeuDuJourDejaJoue(const std::vector<ResultatJour>& enregistres, DateJour date)
{
    return std::any_of(enregistres.begin(), enregistres.end(), [&](const ResultatJour& e) { return e.Date == date; });
}

JoursDeSuite JoursDeSuiteEnregistres(const std::vector<ResultatJour>& enregistres, DateJour aujourdhui)
{
    return CompterJoursDeSuite(Joues(enregistres), aujourdhui);
}

std::string TexteJoursDeSuite(const JoursDeSuite& suite)
{
    return "Jours de suite : " + std::to_string(suite.EnCours) + " — le plus : " + std::to_string(suite.PlusLongue);
}

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
    std::vector<JeuDuJourJoue> joues = Joues(enregistres);
    // déjà enregistré, il n'est qu'un second jeu du même jour, que les jours de suite ne comptent pas
    if (!rejoue)
        joues.push_back({essai.Date, essai.Ecart == 0});
    ResumeJour r;
    r.Suite = CompterJoursDeSuite(joues, aujourdhui);
    r.Rejoue = rejoue;
    const auto premier =
        std::find_if(enregistres.begin(), enregistres.end(), [&](const ResultatJour& e) { return e.Date == essai.Date; });
    r.Resultat = premier != enregistres.end() ? *premier : essai;
    r.Resultat.Niveau = essai.Niveau;
    r.Resultat.Suite = r.Suite.EnCours;
    return r;
}

std::vector<std::string> LignesResume(const ResumeJour& r)
{
    std::vector<std::string> lignes = {
        "Jeu du " + DateEnLettres(r.Resultat.Date) + " (" + NomNiveau(r.Resultat.Niveau) + ")",
        (r.Rejoue ? "Résultat du premier essai : " : "Résultat : ") + TexteResultat(r.Resultat),
        "Jours de suite : " + std::to_string(r.Suite.EnCours),
        "Le plus de jours de suite : " + std::to_string(r.Suite.PlusLongue),
    };
    if (r.Rejoue)
        lignes.push_back("Déjà joué ce jour-là : cet essai compte comme un jeu proposé.");
    return lignes;
}
