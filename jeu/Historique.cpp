// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Historique.h"

#include "ColonnesHistorique.h"
#include "InfoSolutions.h"
#include "Mediane.h"
#include "Plaques.h"
#include "Points.h"
#include "Pourcentage.h"
#include "Statistiques.h"
#include "TirageAuSort.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

std::optional<int32_t> SaufAucun(int32_t v)
{
    return v == Aucun ? std::nullopt : std::optional<int32_t>(v);
}

// les jeux retenus par le filtre, du plus récent au plus ancien, au plus n ; lignes : les plus anciennes d'abord
std::vector<const LigneHistorique*> DerniersRetenus(const std::vector<LigneHistorique>& lignes,
                                                    const FiltreHistorique& filtre, size_t n)
{
    std::vector<const LigneHistorique*> retenus;
    for (auto l = lignes.rbegin(); l != lignes.rend() && retenus.size() < n; ++l)
        if (filtre.Accepte(*l))
            retenus.push_back(&*l);
    return retenus;
}

}  // namespace

std::string DixiemesDeSeconde(double millisecondes)
{
    const long long dixiemes = std::llround(millisecondes / 100.0);
    return std::to_string(dixiemes / 10) + ',' + std::to_string(std::llabs(dixiemes % 10));
}

std::string TexteSecondes(std::optional<double> millisecondes)
{
    return millisecondes ? DixiemesDeSeconde(*millisecondes) + " s" : "-";
}

int32_t NombreGrandesPlaques(const SixEntiers& plaques)
{
    return static_cast<int32_t>(std::count_if(plaques.begin(), plaques.end(), EstGrande));
}

LigneHistorique LigneDuJeu(const DonneesRecherche& d, OrigineJeu origine, int32_t positionJoueur, std::string dateHeure,
                           std::optional<int32_t> limiteTemps)
{
    LigneHistorique l;
    l.DateHeure = std::move(dateHeure);
    l.Origine = origine;
    l.Plaques = d.Plaques;
    l.But = d.But;
    l.NbGrandes = NombreGrandesPlaques(d.Plaques);
    l.Niveau = MesurerNiveau(d).Niveau;
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
    l.TempsPremiereSolution = d.TempsPremiereSolution;
    l.TempsToutesSolutions = d.TempsTotal;
    if (l.Joue())
        l.RangJoueur = positionJoueur < 0 ? 0 : positionJoueur + 1;
    l.Points = PointsDuJeu(d);
    return l;
}

std::string MaintenantUtc()
{
    const std::time_t maintenant = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&maintenant, &utc);
    char texte[32];
    std::strftime(texte, sizeof texte, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return texte;
}

std::string DateLocale(const std::string& dateHeureUtc)
{
    std::tm utc{};
    char z = 0;
    if (std::sscanf(dateHeureUtc.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c", &utc.tm_year, &utc.tm_mon, &utc.tm_mday,
                    &utc.tm_hour, &utc.tm_min, &utc.tm_sec, &z) != 7 ||
        z != 'Z')
        return dateHeureUtc;
    utc.tm_year -= 1900;
    utc.tm_mon -= 1;
    const std::time_t instant = timegm(&utc);
    std::tm local{};
    localtime_r(&instant, &local);
    char texte[32];
    std::strftime(texte, sizeof texte, "%d/%m/%Y %H:%M", &local);
    return texte;
}

bool FiltreHistorique::Accepte(const LigneHistorique& l) const
{
    return (!Origine || l.Origine == *Origine) && (!NbGrandes || l.NbGrandes == *NbGrandes) &&
           (!Niveau || l.Niveau == *Niveau);
}

std::vector<std::pair<std::string, std::optional<OrigineJeu>>> ChoixFiltreOrigine()
{
    std::vector<std::pair<std::string, std::optional<OrigineJeu>>> choix{{"tous", std::nullopt}};
    for (const DescriptionOrigine& d : OriginesEnregistrees)
        choix.emplace_back(d.Filtre, d.Origine);
    return choix;
}

std::vector<std::pair<std::string, std::optional<int32_t>>> ChoixFiltreGrandes()
{
    std::vector<std::pair<std::string, std::optional<int32_t>>> choix{{"toutes", std::nullopt}};
    const auto grandes = std::count_if(ReservePlaques.begin(), ReservePlaques.end(), EstGrande);
    for (int32_t n = 0; n <= grandes; ++n)
        choix.emplace_back(std::to_string(n), n);
    return choix;
}

std::vector<std::pair<std::string, std::optional<NiveauJeu>>> ChoixFiltreNiveau()
{
    std::vector<std::pair<std::string, std::optional<NiveauJeu>>> choix{{"tous", std::nullopt}};
    for (NiveauJeu n : TousLesNiveaux)
        choix.emplace_back(NomNiveau(n), n);
    return choix;
}

namespace {

// un résumé fait jeu après jeu
class CumulResume {
public:
    void Ajouter(const LigneHistorique& l)
    {
        ++jeux_;
        if (l.TrouveParLeJoueur())
            temps_.push_back(l.TempsJoueur);
        if (l.Points) {
            points_ += *l.Points;
            ++avecPoints_;
        }
    }
    size_t NbJeux() const { return jeux_; }
    ResumeHistorique Resume()
    {
        ResumeHistorique r;
        r.NbJeux = jeux_;
        r.NbTrouves = temps_.size();
        r.MedianeTempsTrouves = Mediane(std::move(temps_));
        if (avecPoints_ > 0)
            r.MoyennePoints = static_cast<double>(points_) / static_cast<double>(avecPoints_);
        return r;
    }

private:
    size_t jeux_ = 0;
    std::vector<int32_t> temps_;
    int64_t points_ = 0;
    int64_t avecPoints_ = 0;
};

}  // namespace

ResumeHistorique Resumer(const std::vector<LigneHistorique>& lignes, const FiltreHistorique& filtre)
{
    CumulResume cumul;
    for (const LigneHistorique& l : lignes)
        if (filtre.Accepte(l))
            cumul.Ajouter(l);
    return cumul.Resume();
}

std::string TexteResume(const ResumeHistorique& r)
{
    if (r.NbJeux == 0)
        return "Aucun jeu";
    std::string texte = std::to_string(r.NbJeux) + (r.NbJeux == 1 ? " jeu" : " jeux");
    texte += " — trouvés par le joueur : " +
             PourcentageEntierSigne(static_cast<int64_t>(r.NbTrouves), static_cast<int64_t>(r.NbJeux));
    texte += " — temps médian des comptes trouvés : ";
    texte += TexteSecondes(r.MedianeTempsTrouves);
    // une moyenne au dixième, écrite comme les secondes (millièmes de point lus comme des millisecondes)
    if (r.MoyennePoints)
        texte += " — points par jeu : " + DixiemesDeSeconde(*r.MoyennePoints * 1000.0);
    return texte;
}

std::vector<ResumeNiveau> ResumerParNiveau(const std::vector<LigneHistorique>& lignes, const FiltreHistorique& filtre)
{
    // les niveaux dans l'ordre, puis « sans niveau » en dernier
    constexpr size_t SansNiveau = TousLesNiveaux.size();
    std::array<CumulResume, SansNiveau + 1> cumuls;
    for (const LigneHistorique& l : lignes) {
        if (!filtre.Accepte(l))
            continue;
        const auto niveau = std::find(TousLesNiveaux.begin(), TousLesNiveaux.end(), l.Niveau.value_or(NiveauJeu{}));
        cumuls[static_cast<size_t>(niveau - TousLesNiveaux.begin())].Ajouter(l);
    }
    std::vector<ResumeNiveau> resumes;
    for (size_t i = 0; i <= SansNiveau; ++i) {
        if (i == SansNiveau && cumuls[i].NbJeux() == 0)
            break;
        ResumeNiveau& r = resumes.emplace_back();
        if (i < SansNiveau)
            r.Niveau = TousLesNiveaux[i];
        r.Resume = cumuls[i].Resume();
    }
    return resumes;
}

std::array<std::string, 4> TextesResumeNiveau(const ResumeNiveau& r)
{
    const ResumeHistorique& e = r.Resume;
    return {r.Niveau ? NomNiveau(*r.Niveau) : "-", std::to_string(e.NbJeux),
            e.NbJeux > 0 ? PourcentageEntierSigne(static_cast<int64_t>(e.NbTrouves), static_cast<int64_t>(e.NbJeux))
                         : std::string("-"),
            TexteSecondes(e.MedianeTempsTrouves)};
}

DonneesGraphique Graphique(const std::vector<LigneHistorique>& lignes, const FiltreHistorique& filtre)
{
    // les plus récents d'abord
    const std::vector<const LigneHistorique*> derniers = DerniersRetenus(lignes, filtre, JeuxDuGraphique);
    DonneesGraphique g;
    const size_t n = derniers.size();
    g.NbJeux = static_cast<int32_t>(n);
    size_t trouvesDansLaFenetre = 0;
    for (size_t i = 0; i < n; ++i) {
        // du plus ancien des n derniers au plus récent
        const LigneHistorique& l = *derniers[n - 1 - i];
        const int32_t rang = static_cast<int32_t>(i + 1);
        if (l.TempsPris())
            g.Temps.push_back({rang, l.TempsJoueur / 1000.0, l.TrouveParLeJoueur()});
        trouvesDansLaFenetre += l.TrouveParLeJoueur();
        if (i >= JeuxDeLaMoyenne)
            trouvesDansLaFenetre -= derniers[n - 1 - (i - JeuxDeLaMoyenne)]->TrouveParLeJoueur();
        const size_t taille = std::min(i + 1, JeuxDeLaMoyenne);
        g.PartExacte.push_back({rang, 100.0 * static_cast<double>(trouvesDansLaFenetre) / static_cast<double>(taille)});
    }
    return g;
}

std::string DescriptionGraphique(const std::vector<LigneHistorique>& lignes, const FiltreHistorique& filtre)
{
    const std::vector<const LigneHistorique*> derniers = DerniersRetenus(lignes, filtre, JeuxDuGraphique);
    const size_t n = derniers.size();
    if (n == 0)
        return "Aucun jeu";
    std::vector<int32_t> temps;
    for (const LigneHistorique* l : derniers)
        if (l->TrouveParLeJoueur())
            temps.push_back(l->TempsJoueur);
    std::string texte = std::to_string(n) + (n == 1 ? " dernier jeu : " : " derniers jeux : ");
    texte += std::to_string(temps.size()) + (temps.size() > 1 ? " trouvés" : " trouvé");
    if (const std::optional<double> mediane = Mediane(std::move(temps)))
        texte += ", temps médian " + std::to_string(std::llround(*mediane / 1000.0)) + " s";
    return texte;
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
    return l.TempsPris() ? DixiemesDeSeconde(l.TempsJoueur) : std::string("-");
}

std::string TextePlaceSolutions(const LigneHistorique& l)
{
    return l.PlaceSolutions ? std::to_string(*l.PlaceSolutions) + "/" + std::to_string(l.NbSolutions) : std::string("-");
}

std::string TexteNiveau(const LigneHistorique& l) { return l.Niveau ? NomNiveau(*l.Niveau) : "-"; }

std::string TexteCsv(const std::vector<LigneHistorique>& lignes, const FiltreHistorique& filtre)
{
    std::vector<const ColonneHistorique*> exportees;
    for (const ColonneHistorique& c : ColonnesHistorique())
        if (c.Csv)
            exportees.push_back(&c);
    auto ligne = [&](auto champ) {
        std::string texte;
        for (const ColonneHistorique* c : exportees) {
            if (c != exportees.front())
                texte += ';';
            texte += champ(*c);
        }
        return texte + '\n';
    };
    std::string texte = ligne([](const ColonneHistorique& c) { return std::string(c.Csv); });
    for (auto l = lignes.rbegin(); l != lignes.rend(); ++l)
        if (filtre.Accepte(*l))
            texte += ligne([&](const ColonneHistorique& c) { return c.ChampCsv(*l); });
    return texte;
}
