// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ColonnesMatchs.h"

namespace {

int64_t Entier(const ValeurCase& v)
{
    const int64_t* e = std::get_if<int64_t>(&v);
    return e ? *e : 0;
}

std::string Texte(const ValeurCase& v)
{
    const std::string* t = std::get_if<std::string>(&v);
    return t ? *t : std::string();
}

// ni l'une ni l'autre des sortes : la marque d'un match inconnu
constexpr SorteMatch SorteInconnue = static_cast<SorteMatch>(0);

void AffecterSorte(LigneMatch& m, const ValeurCase& v)
{
    const int64_t n = Entier(v);
    const bool connue =
        n == static_cast<int64_t>(SorteMatch::ContreOrdinateur) || n == static_cast<int64_t>(SorteMatch::ADeuxJoueurs);
    m.Bilan.Sorte = connue ? static_cast<SorteMatch>(n) : SorteInconnue;
}

void AffecterForce(LigneMatch& m, const ValeurCase& v)
{
    m.Bilan.Force.reset();
    if (const int64_t* e = std::get_if<int64_t>(&v))
        for (const DescriptionForce& d : Forces)
            if (static_cast<int64_t>(d.Force) == *e)
                m.Bilan.Force = d.Force;
}

std::vector<ColonneMatch> Colonnes()
{
    using V = ValeurCase;
    using L = LigneMatch;
    ColonneMatch numero{"numero", "INTEGER PRIMARY KEY"};
    numero.DonneeParLaBase = true;
    numero.Valeur = [](const L& m) { return V(m.Numero); };
    numero.Affecter = [](L& m, const V& v) { m.Numero = Entier(v); };
    ColonneMatch date{"date", "TEXT NOT NULL"};
    date.Valeur = [](const L& m) { return V(m.DateHeure); };
    date.Affecter = [](L& m, const V& v) { m.DateHeure = Texte(v); };
    ColonneMatch sorte{"sorte", "INTEGER NOT NULL"};
    sorte.Valeur = [](const L& m) { return V(static_cast<int64_t>(m.Bilan.Sorte)); };
    sorte.Affecter = AffecterSorte;
    // rien pour un match à deux
    ColonneMatch force{"force", "INTEGER"};
    force.Valeur = [](const L& m) { return m.Bilan.Force ? V(static_cast<int64_t>(*m.Bilan.Force)) : V(); };
    force.Affecter = AffecterForce;
    // « Vous » et « Ordinateur », ou les deux joueurs dans l'ordre des annonces
    ColonneMatch nom1{"nom1", "TEXT NOT NULL"};
    nom1.Valeur = [](const L& m) { return V(m.Bilan.Noms[0]); };
    nom1.Affecter = [](L& m, const V& v) { m.Bilan.Noms[0] = Texte(v); };
    ColonneMatch nom2{"nom2", "TEXT NOT NULL"};
    nom2.Valeur = [](const L& m) { return V(m.Bilan.Noms[1]); };
    nom2.Affecter = [](L& m, const V& v) { m.Bilan.Noms[1] = Texte(v); };
    ColonneMatch points1{"points1", "INTEGER NOT NULL"};
    points1.Valeur = [](const L& m) { return V(int64_t{m.Bilan.Totaux[0]}); };
    points1.Affecter = [](L& m, const V& v) { m.Bilan.Totaux[0] = static_cast<int>(Entier(v)); };
    ColonneMatch points2{"points2", "INTEGER NOT NULL"};
    points2.Valeur = [](const L& m) { return V(int64_t{m.Bilan.Totaux[1]}); };
    points2.Affecter = [](L& m, const V& v) { m.Bilan.Totaux[1] = static_cast<int>(Entier(v)); };
    ColonneMatch jeux{"jeux", "INTEGER NOT NULL"};
    jeux.Valeur = [](const L& m) { return V(int64_t{m.Bilan.JeuxJoues}); };
    jeux.Affecter = [](L& m, const V& v) { m.Bilan.JeuxJoues = static_cast<int>(Entier(v)); };
    ColonneMatch fini{"fini", "INTEGER NOT NULL"};
    fini.Valeur = [](const L& m) { return V(int64_t{m.Bilan.Fini ? 1 : 0}); };
    fini.Affecter = [](L& m, const V& v) { m.Bilan.Fini = Entier(v) != 0; };
    return {numero, date, sorte, force, nom1, nom2, points1, points2, jeux, fini};
}

}  // namespace

const std::vector<ColonneMatch>& ColonnesMatchs()
{
    static const std::vector<ColonneMatch> colonnes = Colonnes();
    return colonnes;
}

std::string CreationTableMatchs()
{
    std::string texte = "CREATE TABLE matchs (";
    for (const ColonneMatch& c : ColonnesMatchs()) {
        if (&c != &ColonnesMatchs().front())
            texte += ", ";
        texte += c.Sql;
        texte += ' ';
        texte += c.Declaration;
    }
    return texte + ")";
}

bool MatchInconnu(const LigneMatch& match)
{
    const BilanMatch& b = match.Bilan;
    return b.Sorte == SorteInconnue || (b.Sorte == SorteMatch::ContreOrdinateur && !b.Force);
}
