// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// le moteur rend, octet pour octet, ce qu'il rendait quand les empreintes ont été relevées :
// compteurs, ordre de la liste, textes, clés, table de l'inventaire, positions de progression.
// les jeux et leurs empreintes sont dans empreintes-moteur.txt ; pour les relever de nouveau
// (changement de comportement voulu) : VARNEL_EMPREINTES_ECRIRE=fichier tests_moteur --gtest_filter='Empreintes.*'
#include "EnregistrementSolution.h"
#include "Outils.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

namespace {

// une opération du joueur, par cases : gauche op droite (gauche la plus grande valeur)
struct OperationJoueur {
    int Op, Gauche, Droite;
};

struct CasEmpreinte {
    char Genre = 'R';  // R : résolution, I : inventaire
    SixEntiers Plaques{};
    int32_t But = 0;
    int Ordre = 1;
    bool AvecJoueur = false;
    std::vector<OperationJoueur> Joueur;
    std::string Empreinte;
};

uint64_t Fnv1a(const std::string& texte)
{
    uint64_t h = 14695981039346656037ull;
    for (unsigned char c : texte) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

std::string EnHexa(uint64_t h)
{
    std::ostringstream flux;
    flux << std::hex << h;
    return flux.str();
}

// tout ce qui se voit d'une recherche, hors temps mesurés
std::string Trace(const DonneesRecherche& d, const std::vector<int>& progression, bool inventaire)
{
    std::ostringstream t;
    t << d.ListeSolutions.Nombre() << ' ' << d.NbPossibilites << ' ' << d.NbSolutions << ' ' << d.MeilleurResultat
      << ' ' << d.MeilleurBas << ' ' << d.MeilleurHaut << ' ' << d.ButAtteint << ' ' << d.NbMeilleursQueJoueur
      << ' ' << d.LibellePlaques << ' ' << d.SolutionCourante << '\n';
    for (int32_t n : d.NbPossibilitesEtape)
        t << n << ',';
    for (int32_t n : d.NbSolutionsPlaques)
        t << n << ',';
    t << '\n' << PositionSolutionJoueur(d) << '\n';
    for (int p : progression)
        t << p << ',';
    t << '\n';
    if (inventaire)
        for (const auto& ligne : d.TableSolutionsComptes)
            for (int32_t n : ligne)
                t << n << ',';
    for (int32_t i = 0; i < d.ListeSolutions.Nombre(); ++i) {
        const plq_utl& s = *d.ListeSolutions.Objet(i);
        t << '#' << s.MasquePlaques << ' ' << s.SommeResultats << ' ' << s.PlusGrandIntermediaire << '\n'
          << d.ListeSolutions.Texte(i);
    }
    return t.str();
}

std::string EmpreinteDe(const CasEmpreinte& c)
{
    DonneesRecherche d;
    d.Plaques = c.Plaques;
    d.But = c.But;
    d.OrdreSolutions = static_cast<uint8_t>(c.Ordre);
    std::vector<int> progression;
    if (c.Genre == 'I') {
        CrochetsRecherche crochets;
        crochets.ProgressionTousComptes = [&](int p) { progression.push_back(p); };
        ExecuterRechercheTousComptes(d, crochets);
        return EnHexa(Fnv1a(Trace(d, progression, true)));
    }
    if (c.AvecJoueur) {
        // le calcul du joueur tenu comme le fait la saisie : meilleur résultat, somme, plus grand antérieur
        EtatCalcul e = Racine(d);
        for (const OperationJoueur& o : c.Joueur) {
            e = Deriver(e, o.Op, o.Gauche, o.Droite);
            const int32_t r = e.Noeud(e.DerniereCase()).Valeur;
            if (std::llabs(static_cast<long long>(r) - d.But) < std::llabs(static_cast<long long>(d.MeilleurJoueur) - d.But))
                d.MeilleurJoueur = r;
        }
        d.SommeJoueur = c.Joueur.empty() ? Aucun : SommeResultats(e);
        d.MaxJoueur = c.Joueur.empty() ? Aucun : PlusGrandResultatAnterieur(e);
        d.EtatJoueur = e;
    }
    ExecuterRecherche(d);
    return EnHexa(Fnv1a(Trace(d, progression, false)));
}

std::string Ligne(const CasEmpreinte& c)
{
    std::ostringstream l;
    l << c.Genre;
    for (int32_t p : c.Plaques)
        l << ' ' << p;
    if (c.Genre == 'R') {
        l << ' ' << c.But << ' ' << c.Ordre << ' ';
        if (!c.AvecJoueur)
            l << '-';
        else
            l << 'j';
        for (const OperationJoueur& o : c.Joueur)
            l << ',' << o.Op << ':' << o.Gauche << ':' << o.Droite;
    }
    l << ' ' << c.Empreinte;
    return l.str();
}

CasEmpreinte LireLigne(const std::string& ligne)
{
    std::istringstream l(ligne);
    CasEmpreinte c;
    l >> c.Genre;
    for (int32_t& p : c.Plaques)
        l >> p;
    if (c.Genre == 'R') {
        std::string joueur;
        l >> c.But >> c.Ordre >> joueur;
        c.AvecJoueur = joueur[0] == 'j';
        std::istringstream ops(joueur.substr(1));
        OperationJoueur o{};
        char sep;
        while (ops >> sep >> o.Op >> sep >> o.Gauche >> sep >> o.Droite)
            c.Joueur.push_back(o);
    }
    l >> c.Empreinte;
    return c;
}

std::vector<CasEmpreinte> LireFichier()
{
    std::ifstream fichier(std::string(VARNEL_DOSSIER_TESTS) + "/empreintes-moteur.txt");
    std::vector<CasEmpreinte> cas;
    std::string ligne;
    while (std::getline(fichier, ligne))
        if (!ligne.empty() && ligne[0] != '%')
            cas.push_back(LireLigne(ligne));
    return cas;
}

// jeux tirés dans la réserve, la moitié avec un calcul du joueur quelconque (de 0 à 5 opérations)
std::vector<CasEmpreinte> TirerCas()
{
    std::mt19937 alea(20260611);
    auto tirer = [&](int n) { return static_cast<int>(alea() % static_cast<unsigned>(n)); };
    auto plaques = [&] {
        std::array<int, 24> reserve;
        for (int i = 0; i < 24; ++i)
            reserve[static_cast<size_t>(i)] = i;
        SixEntiers p;
        for (int i = 0; i < 6; ++i) {
            std::swap(reserve[static_cast<size_t>(i)], reserve[static_cast<size_t>(i + tirer(24 - i))]);
            p[static_cast<size_t>(i)] = ReservePlaques[static_cast<size_t>(reserve[static_cast<size_t>(i)])];
        }
        return p;
    };
    std::vector<CasEmpreinte> cas;
    for (int jeu = 0; jeu < 150; ++jeu) {
        CasEmpreinte c;
        c.Plaques = plaques();
        c.But = 101 + tirer(899);
        c.AvecJoueur = tirer(2) == 0;
        if (c.AvecJoueur) {
            DonneesRecherche d;
            d.Plaques = c.Plaques;
            EtatCalcul e = Racine(d);
            for (int n = tirer(6); n > 0; --n) {
                std::vector<int> dispo;
                for (int8_t k = e.PremierDispo; k != AucunNoeud; k = e.Noeud(k).Suivant)
                    dispo.push_back(k);
                int a = dispo[static_cast<size_t>(tirer(static_cast<int>(dispo.size())))];
                int b = a;
                while (b == a)
                    b = dispo[static_cast<size_t>(tirer(static_cast<int>(dispo.size())))];
                const int32_t va = e.Noeud(a).Valeur, vb = e.Noeud(b).Valeur;
                if (vb > va || (vb == va && b > a))
                    std::swap(a, b);
                int op = tirer(4);
                if ((op == OpSoustraction && e.Noeud(a).Valeur == e.Noeud(b).Valeur) ||
                    (op == OpDivision && e.Noeud(a).Valeur % e.Noeud(b).Valeur != 0))
                    op = OpAddition;
                c.Joueur.push_back({op, a, b});
                e = Deriver(e, op, a, b);
            }
        }
        for (int ordre : {1, 2}) {
            c.Ordre = ordre;
            cas.push_back(c);
        }
    }
    for (int inventaire = 0; inventaire < 20; ++inventaire) {
        CasEmpreinte c;
        c.Genre = 'I';
        c.Plaques = plaques();
        cas.push_back(c);
    }
    return cas;
}

}  // namespace

TEST(Empreintes, RecherchesIdentiquesALaReference)
{
    if (const char* chemin = std::getenv("VARNEL_EMPREINTES_ECRIRE")) {
        std::ofstream sortie(chemin);
        sortie << "% genre, plaques, [compte, ordre, calcul du joueur par cases (op:gauche:droite)], empreinte\n";
        for (CasEmpreinte& c : TirerCas()) {
            c.Empreinte = EmpreinteDe(c);
            sortie << Ligne(c) << '\n';
        }
        GTEST_SKIP() << "empreintes écrites dans " << chemin;
    }
    const std::vector<CasEmpreinte> cas = LireFichier();
    ASSERT_GE(cas.size(), 320u);
#ifdef VARNEL_TESTS_ALLEGES
    const size_t pas = 10;
#else
    const size_t pas = 1;
#endif
    int resolutions = 0, inventaires = 0;
    for (size_t i = 0; i < cas.size(); i += pas) {
        const CasEmpreinte& c = cas[i];
        EXPECT_EQ(EmpreinteDe(c), c.Empreinte) << Ligne(c);
        ++(c.Genre == 'I' ? inventaires : resolutions);
    }
    EXPECT_GE(resolutions, 300 / static_cast<int>(pas));
    EXPECT_GE(inventaires, 20 / static_cast<int>(pas));
}
