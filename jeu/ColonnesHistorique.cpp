// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ColonnesHistorique.h"

#include "DateJour.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <type_traits>

namespace {

// « rien » se range après toute valeur
constexpr CleTri Rien{std::numeric_limits<int>::max(), 0};

ValeurCase EnCase(int64_t v) { return v; }
ValeurCase EnCase(const std::string& v) { return v; }
ValeurCase EnCase(OrigineJeu v) { return static_cast<int64_t>(v); }
template <typename T>
ValeurCase EnCase(const std::optional<T>& v)
{
    return v ? EnCase(static_cast<int64_t>(*v)) : ValeurCase{};
}

int64_t Entier(const ValeurCase& v)
{
    const int64_t* e = std::get_if<int64_t>(&v);
    return e ? *e : 0;
}

void DeCase(const ValeurCase& v, std::string& champ)
{
    const std::string* texte = std::get_if<std::string>(&v);
    champ = texte ? *texte : std::string();
}
void DeCase(const ValeurCase& v, OrigineJeu& champ) { champ = static_cast<OrigineJeu>(Entier(v)); }
template <typename T>
void DeCase(const ValeurCase& v, std::optional<T>& champ)
{
    champ = std::holds_alternative<int64_t>(v) ? std::optional<T>(static_cast<T>(Entier(v))) : std::nullopt;
}
template <typename T>
    requires std::is_integral_v<T>
void DeCase(const ValeurCase& v, T& champ)
{
    champ = static_cast<T>(Entier(v));
}

template <auto Membre>
ValeurCase Lire(const LigneHistorique& l)
{
    using Type = std::remove_cvref_t<decltype(l.*Membre)>;
    if constexpr (std::is_integral_v<Type>)
        return static_cast<int64_t>(l.*Membre);
    else
        return EnCase(l.*Membre);
}

template <auto Membre>
void Ecrire(LigneHistorique& l, const ValeurCase& v)
{
    DeCase(v, l.*Membre);
}

template <size_t I>
ValeurCase LirePlaque(const LigneHistorique& l)
{
    return int64_t{l.Plaques[I]};
}

template <size_t I>
void EcrirePlaque(LigneHistorique& l, const ValeurCase& v)
{
    l.Plaques[I] = static_cast<int32_t>(Entier(v));
}

// une colonne enregistrée et exportée sous le même nom
template <auto Membre>
ColonneHistorique Champ(const char* nom, const char* declaration, int etape = 1)
{
    ColonneHistorique c;
    c.Sql = nom;
    c.Declaration = declaration;
    c.Etape = etape;
    c.Csv = nom;
    c.Valeur = Lire<Membre>;
    c.Affecter = Ecrire<Membre>;
    return c;
}

template <size_t I>
ColonneHistorique Plaque(const char* nom)
{
    ColonneHistorique c;
    c.Sql = nom;
    c.Declaration = "INTEGER NOT NULL";
    c.Csv = nom;
    c.Valeur = LirePlaque<I>;
    c.Affecter = EcrirePlaque<I>;
    return c;
}

// une case du tableau faite d'autres colonnes
ColonneHistorique Case(const char* titre, Alignement cadrage, int largeur, std::string (*texte)(const LigneHistorique&),
                       CleTri (*tri)(const LigneHistorique&))
{
    ColonneHistorique c;
    c.Titre = titre;
    c.Cadrage = cadrage;
    c.Largeur = largeur;
    c.Texte = texte;
    c.Tri = tri;
    return c;
}

ColonneHistorique Montree(ColonneHistorique c, const char* titre, int largeur,
                          std::string (*texte)(const LigneHistorique&) = nullptr, CleTri (*tri)(const LigneHistorique&) = nullptr)
{
    c.Titre = titre;
    c.Largeur = largeur;
    c.Texte = texte;
    c.Tri = tri;
    return c;
}

CleTri TriDate(const LigneHistorique& l) { return {0, l.Numero}; }

// les plaques dans l'ordre du tirage, comparées une à une : sept bits par plaque
CleTri TriPlaques(const LigneHistorique& l)
{
    int64_t cle = 0;
    for (int32_t p : l.Plaques)
        cle = cle * 128 + std::clamp(p, 0, 127);
    return {0, cle};
}

// du plus facile au plus dur pour l'ordinateur : les comptes atteints, des plus riches en solutions aux
// plus rares, puis les comptes approchés, du plus près au plus loin ; un nombre de solutions et un écart ne
// se comparent jamais
CleTri TriOrdinateur(const LigneHistorique& l)
{
    if (!l.MeilleurResultat)
        return Rien;
    if (*l.MeilleurResultat == l.But)
        return {0, -int64_t{l.NbSolutions}};
    return {1, std::llabs(int64_t{*l.MeilleurResultat} - l.But)};
}

CleTri TriJoueur(const LigneHistorique& l)
{
    return l.ResultatJoueur ? CleTri{0, std::llabs(int64_t{*l.ResultatJoueur} - l.But)} : Rien;
}

CleTri TriTemps(const LigneHistorique& l) { return l.TempsPris() ? CleTri{0, l.TempsJoueur} : Rien; }

CleTri TriPlace(const LigneHistorique& l) { return l.PlaceSolutions ? CleTri{0, *l.PlaceSolutions} : Rien; }

std::string TexteDate(const LigneHistorique& l) { return DateLocale(l.DateHeure); }

// du plus facile à l'impossible ; les jeux sans niveau à la fin
CleTri TriNiveau(const LigneHistorique& l) { return l.Niveau ? CleTri{0, static_cast<int64_t>(*l.Niveau)} : Rien; }

std::string ChampNiveau(const LigneHistorique& l) { return l.Niveau ? NomNiveau(*l.Niveau) : ""; }

// une valeur qui n'est pas celle d'un niveau (fichier retouché à la main) se relit comme « sans niveau »
void AffecterNiveau(LigneHistorique& l, const ValeurCase& v)
{
    l.Niveau.reset();
    if (const int64_t* e = std::get_if<int64_t>(&v))
        for (NiveauJeu n : TousLesNiveaux)
            if (static_cast<int64_t>(n) == *e)
                l.Niveau = n;
}

std::string ChampOrigine(const LigneHistorique& l) { return NomOrigine(l.Origine); }

// les jeux gardés avant qu'on compte les points n'en ont pas
std::string TextePoints(const LigneHistorique& l) { return l.Points ? std::to_string(*l.Points) : "-"; }

std::string ChampTempsJoueur(const LigneHistorique& l) { return l.TempsPris() ? std::to_string(l.TempsJoueur) : ""; }

// « 2026-12-08 » ; le nombre tel quel s'il ne dit pas une date
std::string ChampJour(const LigneHistorique& l)
{
    if (!l.JourDuJeu)
        return {};
    const std::optional<DateJour> date = DateDuNombre(*l.JourDuJeu);
    return date ? DateIso(*date) : std::to_string(*l.JourDuJeu);
}

std::vector<ColonneHistorique> Colonnes()
{
    using L = LigneHistorique;
    ColonneHistorique numero = Champ<&L::Numero>("numero", "INTEGER PRIMARY KEY");
    numero.DonneeParLaBase = true;
    numero.Csv = nullptr;
    ColonneHistorique date = Montree(Champ<&L::DateHeure>("date", "TEXT NOT NULL"), "Date", 17, TexteDate, TriDate);
    date.Cadrage = Alignement::Gauche;
    ColonneHistorique origine = Champ<&L::Origine>("origine", "INTEGER NOT NULL");
    origine.Champ = ChampOrigine;
    ColonneHistorique tempsJoueur = Montree(Champ<&L::TempsJoueur>("temps_joueur", "INTEGER NOT NULL"), "Temps (s)", 9,
                                            TexteTempsSecondes, TriTemps);
    tempsJoueur.Csv = "temps_joueur_ms";
    tempsJoueur.Champ = ChampTempsJoueur;
    // étape 4 : le niveau ; les jeux d'avant n'en ont pas
    ColonneHistorique niveau = Montree(Champ<&L::Niveau>("niveau", "INTEGER", 4), "Niveau", 10, TexteNiveau, TriNiveau);
    niveau.Cadrage = Alignement::Gauche;
    niveau.Champ = ChampNiveau;
    niveau.Affecter = AffecterNiveau;
    ColonneHistorique limite = Champ<&L::LimiteTemps>("limite_temps", "INTEGER");
    limite.Csv = "limite_temps_s";
    // étape 5 : la date d'un jeu du jour, d'où se compte la série de jours
    ColonneHistorique jour = Champ<&L::JourDuJeu>("jour", "INTEGER", 5);
    jour.Champ = ChampJour;
    return {
        numero,
        date,
        origine,
        Plaque<0>("plaque1"),
        Plaque<1>("plaque2"),
        Plaque<2>("plaque3"),
        Plaque<3>("plaque4"),
        Plaque<4>("plaque5"),
        Plaque<5>("plaque6"),
        Case("Plaques", Alignement::Gauche, 17, TextePlaques, TriPlaques),
        Montree(Champ<&L::But>("compte", "INTEGER NOT NULL"), "Compte", 7),
        Montree(Champ<&L::NbGrandes>("grandes", "INTEGER NOT NULL"), "Grandes", 8),
        niveau,
        Champ<&L::OrdreSolutions>("ordre", "INTEGER NOT NULL"),
        Champ<&L::NbSolutions>("solutions", "INTEGER NOT NULL"),
        Champ<&L::MeilleurResultat>("meilleur", "INTEGER"),
        Champ<&L::MeilleurBas>("meilleur_bas", "INTEGER"),
        Champ<&L::MeilleurHaut>("meilleur_haut", "INTEGER"),
        Case("Ordinateur", Alignement::Droite, 15, TexteOrdinateur, TriOrdinateur),
        Champ<&L::NbPossibilites>("calculs", "INTEGER NOT NULL"),
        Montree(Champ<&L::ResultatJoueur>("joueur", "INTEGER"), "Joueur", 12, TexteJoueur, TriJoueur),
        tempsJoueur,
        Montree(Champ<&L::PlaceSolutions>("place_solutions", "INTEGER"), "Place", 8, TextePlaceSolutions, TriPlace),
        Champ<&L::PlaceCalculs>("place_calculs", "INTEGER"),
        limite,
        // étape 3 : ce qu'il faut pour ajouter un jeu aux statistiques à partir de sa seule ligne
        Champ<&L::TempsPremiereSolution>("temps_premiere_solution_ms", "INTEGER", 3),
        Champ<&L::TempsToutesSolutions>("temps_toutes_solutions_ms", "INTEGER", 3),
        Champ<&L::RangJoueur>("rang_joueur", "INTEGER", 3),
        jour,
        // étape 6 : les points du joueur, et la série de dix jeux dont le jeu fait partie
        Montree(Champ<&L::Points>("points", "INTEGER", 6), "Points", 6, TextePoints),
        Champ<&L::Serie>("serie", "INTEGER", 6),
        // étape 8 (EtapeMatchs) : le match dont le jeu est un tirage
        Champ<&L::Match>("match", "INTEGER", 8),
    };
}

std::string TexteDeValeur(const ValeurCase& v)
{
    if (const int64_t* e = std::get_if<int64_t>(&v))
        return std::to_string(*e);
    if (const std::string* t = std::get_if<std::string>(&v))
        return *t;
    return {};
}

}  // namespace

std::string ColonneHistorique::ChampCsv(const LigneHistorique& l) const
{
    return Champ ? Champ(l) : Valeur ? TexteDeValeur(Valeur(l)) : std::string();
}

std::string ColonneHistorique::TexteCase(const LigneHistorique& l) const
{
    return Texte ? Texte(l) : Valeur ? TexteDeValeur(Valeur(l)) : std::string();
}

CleTri ColonneHistorique::CleDe(const LigneHistorique& l) const
{
    if (Tri)
        return Tri(l);
    const ValeurCase v = Valeur ? Valeur(l) : ValeurCase{};
    const int64_t* e = std::get_if<int64_t>(&v);
    return e ? CleTri{0, *e} : Rien;
}

const std::vector<ColonneHistorique>& ColonnesHistorique()
{
    static const std::vector<ColonneHistorique> colonnes = Colonnes();
    return colonnes;
}

const std::vector<const ColonneHistorique*>& ColonnesMontrees()
{
    static const std::vector<const ColonneHistorique*> montrees = [] {
        std::vector<const ColonneHistorique*> m;
        for (const ColonneHistorique& c : ColonnesHistorique())
            if (c.Titre)
                m.push_back(&c);
        return m;
    }();
    return montrees;
}
