// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ColonnesSeries.h"

namespace {

int64_t Entier(const ValeurCase& v)
{
    const int64_t* e = std::get_if<int64_t>(&v);
    return e ? *e : 0;
}

ValeurCase Reel(const std::optional<double>& v) { return v ? ValeurCase(*v) : ValeurCase(); }

std::optional<double> DeReel(const ValeurCase& v)
{
    if (const double* r = std::get_if<double>(&v))
        return *r;
    if (const int64_t* e = std::get_if<int64_t>(&v))
        return static_cast<double>(*e);
    return std::nullopt;
}

// le niveau qu'aucune série n'a : la marque d'un niveau inconnu
constexpr NiveauJeu NiveauInconnu = NiveauJeu::Impossible;

void AffecterNiveau(LigneSerie& s, const ValeurCase& v)
{
    s.Bilan.Niveau.reset();
    if (!std::holds_alternative<int64_t>(v))
        return;
    const int64_t n = Entier(v);
    s.Bilan.Niveau = n >= static_cast<int64_t>(NiveauJeu::Facile) && n <= static_cast<int64_t>(NiveauJeu::Expert)
                         ? static_cast<NiveauJeu>(n)
                         : NiveauInconnu;
}

std::vector<ColonneSerie> Colonnes()
{
    using V = ValeurCase;
    using L = LigneSerie;
    ColonneSerie numero{"numero", "INTEGER PRIMARY KEY"};
    numero.DonneeParLaBase = true;
    numero.Valeur = [](const L& s) { return V(s.Numero); };
    numero.Affecter = [](L& s, const V& v) { s.Numero = Entier(v); };
    ColonneSerie date{"date", "TEXT NOT NULL"};
    date.Valeur = [](const L& s) { return V(s.DateHeure); };
    date.Affecter = [](L& s, const V& v) {
        const std::string* t = std::get_if<std::string>(&v);
        s.DateHeure = t ? *t : std::string();
    };
    ColonneSerie niveau{"niveau", "INTEGER"};
    niveau.Valeur = [](const L& s) { return s.Bilan.Niveau ? V(static_cast<int64_t>(*s.Bilan.Niveau)) : V(); };
    niveau.Affecter = AffecterNiveau;
    // le bilan, refait des jeux de la série
    ColonneSerie jeux{"jeux", "INTEGER NOT NULL"};
    jeux.Valeur = [](const L& s) { return V(int64_t{s.Bilan.JeuxJoues}); };
    jeux.Affecter = [](L& s, const V& v) { s.Bilan.JeuxJoues = static_cast<int>(Entier(v)); };
    ColonneSerie points{"points", "INTEGER NOT NULL"};
    points.Valeur = [](const L& s) { return V(int64_t{s.Bilan.Points}); };
    points.Affecter = [](L& s, const V& v) { s.Bilan.Points = static_cast<int>(Entier(v)); };
    ColonneSerie trouves{"trouves", "INTEGER NOT NULL"};
    trouves.Valeur = [](const L& s) { return V(int64_t{s.Bilan.Trouves}); };
    trouves.Affecter = [](L& s, const V& v) { s.Bilan.Trouves = static_cast<int>(Entier(v)); };
    ColonneSerie temps{"temps_median_ms", "REAL"};
    temps.Valeur = [](const L& s) { return Reel(s.Bilan.TempsMedian); };
    temps.Affecter = [](L& s, const V& v) { s.Bilan.TempsMedian = DeReel(v); };
    ColonneSerie finie{"finie", "INTEGER NOT NULL"};
    finie.Valeur = [](const L& s) { return V(int64_t{s.Bilan.Finie ? 1 : 0}); };
    finie.Affecter = [](L& s, const V& v) { s.Bilan.Finie = Entier(v) != 0; };
    for (ColonneSerie* c : {&jeux, &points, &trouves, &temps, &finie})
        c->DuBilan = true;
    return {numero, date, niveau, jeux, points, trouves, temps, finie};
}

}  // namespace

const std::vector<ColonneSerie>& ColonnesSeries()
{
    static const std::vector<ColonneSerie> colonnes = Colonnes();
    return colonnes;
}

bool SerieDUnAutreNiveau(const LigneSerie& serie) { return serie.Bilan.Niveau == NiveauInconnu; }
