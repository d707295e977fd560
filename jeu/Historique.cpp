// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Historique.h"

#include "InfoSolutions.h"
#include "Mediane.h"
#include "Statistiques.h"
#include "TirageAuSort.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

std::optional<int32_t> SaufAucun(int32_t v)
{
    return v == Aucun ? std::nullopt : std::optional<int32_t>(v);
}

template <typename Entier>
std::string ChampCsv(const std::optional<Entier>& v)
{
    return v ? std::to_string(*v) : std::string();
}

// dixièmes arrondis au plus proche, écrits avec la virgule : 12345 ms donne « 12,3 »
std::string DixiemesDeSeconde(double millisecondes)
{
    const long long dixiemes = std::llround(millisecondes / 100.0);
    return std::to_string(dixiemes / 10) + ',' + std::to_string(std::llabs(dixiemes % 10));
}

}  // namespace

int32_t NombreGrandesPlaques(const SixEntiers& plaques)
{
    return static_cast<int32_t>(std::count_if(plaques.begin(), plaques.end(), EstGrande));
}

LigneHistorique LigneDuJeu(const DonneesRecherche& d, uint8_t origineJeu, int32_t positionJoueur, std::string dateHeure,
                           std::optional<int32_t> limiteTemps)
{
    LigneHistorique l;
    l.DateHeure = std::move(dateHeure);
    l.Origine = origineJeu;
    l.Plaques = d.Plaques;
    l.But = d.But;
    l.NbGrandes = NombreGrandesPlaques(d.Plaques);
    l.OrdreSolutions = d.OrdreSolutions;
    l.NbSolutions = d.NbSolutions;
    l.MeilleurResultat = SaufAucun(d.MeilleurResultat);
    // les deux approches n'ont de sens que si le compte n'est pas atteint
    if (l.MeilleurResultat && *l.MeilleurResultat != d.But) {
        l.MeilleurBas = SaufAucun(d.MeilleurBas);
        l.MeilleurHaut = SaufAucun(d.MeilleurHaut);
    }
    l.NbPossibilites = d.NbPossibilites;
    l.ResultatJoueur = SaufAucun(d.MeilleurJoueur);
    l.TempsJoueur = d.TempsJoueur;
    l.PlaceSolutions = PlaceParmiSolutions(d, positionJoueur);
    l.PlaceCalculs = PlaceParmiCalculs(d);
    l.LimiteTemps = limiteTemps;
    return l;
}

bool FiltreHistorique::Accepte(const LigneHistorique& l) const
{
    return (Origine == 0 || l.Origine == Origine) && (NbGrandes < 0 || l.NbGrandes == NbGrandes);
}

std::vector<LigneHistorique> Filtrer(const std::vector<LigneHistorique>& lignes, const FiltreHistorique& filtre)
{
    std::vector<LigneHistorique> retenues;
    std::copy_if(lignes.begin(), lignes.end(), std::back_inserter(retenues),
                 [&](const LigneHistorique& l) { return filtre.Accepte(l); });
    return retenues;
}

ResumeHistorique Resumer(const std::vector<LigneHistorique>& lignes)
{
    ResumeHistorique r;
    r.NbJeux = lignes.size();
    std::vector<int32_t> temps;
    for (const LigneHistorique& l : lignes)
        if (l.TrouveParLeJoueur())
            temps.push_back(l.TempsJoueur);
    r.NbTrouves = temps.size();
    r.MedianeTempsTrouves = Mediane(std::move(temps));
    return r;
}

std::string TexteResume(const ResumeHistorique& r)
{
    if (r.NbJeux == 0)
        return "Aucun jeu";
    std::string texte = std::to_string(r.NbJeux) + (r.NbJeux == 1 ? " jeu" : " jeux");
    texte += " — trouvés par le joueur : " +
             PourcentageEntier(static_cast<int64_t>(r.NbTrouves), static_cast<int64_t>(r.NbJeux)) + " %";
    texte += " — temps médian des comptes trouvés : ";
    texte += r.MedianeTempsTrouves ? DixiemesDeSeconde(*r.MedianeTempsTrouves) + " s" : std::string("-");
    return texte;
}

DonneesGraphique Graphique(const std::vector<LigneHistorique>& lignes)
{
    DonneesGraphique g;
    const size_t n = std::min(lignes.size(), JeuxDuGraphique);
    g.NbJeux = static_cast<int32_t>(n);
    size_t trouvesDansLaFenetre = 0;
    for (size_t i = 0; i < n; ++i) {
        // du plus ancien des n derniers au plus récent
        const LigneHistorique& l = lignes[n - 1 - i];
        const int32_t rang = static_cast<int32_t>(i + 1);
        if (l.Joue())
            g.Temps.push_back({rang, l.TempsJoueur / 1000.0, l.TrouveParLeJoueur()});
        trouvesDansLaFenetre += l.TrouveParLeJoueur();
        if (i >= JeuxDeLaMoyenne)
            trouvesDansLaFenetre -= lignes[n - 1 - (i - JeuxDeLaMoyenne)].TrouveParLeJoueur();
        const size_t taille = std::min(i + 1, JeuxDeLaMoyenne);
        g.PartExacte.push_back({rang, 100.0 * static_cast<double>(trouvesDansLaFenetre) / static_cast<double>(taille)});
    }
    return g;
}

std::string TextePlaques(const LigneHistorique& l)
{
    std::string texte;
    for (int32_t p : l.Plaques) {
        if (!texte.empty())
            texte += ' ';
        texte += std::to_string(p);
    }
    return texte;
}

std::string TexteOrdinateur(const LigneHistorique& l)
{
    if (!l.MeilleurResultat)
        return "-";
    if (*l.MeilleurResultat == l.But)
        return std::to_string(l.NbSolutions) + (l.NbSolutions > 1 ? " solutions" : " solution");
    if (l.MeilleurBas && l.MeilleurHaut && *l.MeilleurBas != *l.MeilleurHaut)
        return std::to_string(*l.MeilleurBas) + ", " + std::to_string(*l.MeilleurHaut);
    return std::to_string(*l.MeilleurResultat);
}

std::string TexteJoueur(const LigneHistorique& l)
{
    if (!l.ResultatJoueur)
        return "-";
    const int64_t ecart = std::llabs(int64_t{*l.ResultatJoueur} - l.But);
    return std::to_string(*l.ResultatJoueur) + (ecart == 0 ? std::string(" (exact)") : " (à " + std::to_string(ecart) + ")");
}

std::string TexteTempsSecondes(const LigneHistorique& l)
{
    return l.Joue() ? DixiemesDeSeconde(l.TempsJoueur) : std::string("-");
}

std::string TextePlaceSolutions(const LigneHistorique& l)
{
    return l.PlaceSolutions ? std::to_string(*l.PlaceSolutions) + "/" + std::to_string(l.NbSolutions) : std::string("-");
}

std::string TexteCsv(const std::vector<LigneHistorique>& lignes)
{
    std::string texte =
        "date;origine;plaque1;plaque2;plaque3;plaque4;plaque5;plaque6;compte;grandes;ordre;solutions;meilleur;"
        "meilleur_bas;meilleur_haut;calculs;joueur;temps_joueur_ms;place_solutions;place_calculs;limite_temps_s\n";
    for (const LigneHistorique& l : lignes) {
        texte += l.DateHeure;
        texte += l.Origine == 1 ? ";tiré au sort" : l.Origine == 2 ? ";proposé" : ";";
        for (int32_t p : l.Plaques)
            texte += ';' + std::to_string(p);
        texte += ';' + std::to_string(l.But) + ';' + std::to_string(l.NbGrandes) + ';' +
                 std::to_string(l.OrdreSolutions) + ';' + std::to_string(l.NbSolutions) + ';' +
                 ChampCsv(l.MeilleurResultat) + ';' + ChampCsv(l.MeilleurBas) + ';' + ChampCsv(l.MeilleurHaut) + ';' +
                 std::to_string(l.NbPossibilites) + ';' + ChampCsv(l.ResultatJoueur) + ';' +
                 (l.Joue() ? std::to_string(l.TempsJoueur) : std::string()) + ';' + ChampCsv(l.PlaceSolutions) + ';' +
                 ChampCsv(l.PlaceCalculs) + ';' + ChampCsv(l.LimiteTemps) + '\n';
    }
    return texte;
}
