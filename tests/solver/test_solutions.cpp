// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

// forme canonique, identité des solutions, ordre de la liste, écriture des calculs
#include "EcritureCalcul.h"
#include "EnregistrementSolution.h"
#include "Outils.h"

#include <gtest/gtest.h>

#include <bit>
#include <tuple>

namespace {

// la solution du dernier résultat fait sur l'état
plq_utl SolutionDe(const DonneesRecherche& d, const EtatCalcul& e)
{
    return plq_utl(MasquePlaquesEtat(e, d.RangPlaque), e, e.Noeud(e.DerniereCase()));
}

GroupeTermes Chaine(uint8_t famille, std::initializer_list<std::pair<int32_t, uint8_t>> termes)
{
    GroupeTermes g;
    g.Famille = famille;
    for (const auto& [valeur, inverse] : termes)
        g.Termes.push_back(Terme{valeur, inverse, nullptr});
    return g;
}

}  // namespace

TEST(Solutions, ReordonnancementsConfondus)
{
    DonneesRecherche d;
    d.Plaques = {10, 3, 2, 50, 75, 100};
    const EtatCalcul r = Racine(d);
    struct Cas {
        const char* nom;
        EtatCalcul a, b;
        bool meme;
    };
    const Cas cas[] = {
        {"(3+2)+10 = (10+3)+2", Jouer(Jouer(r, 3, OpAddition, 2), 10, OpAddition, 5),
         Jouer(Jouer(r, 10, OpAddition, 3), 13, OpAddition, 2), true},
        {"10-3-2 = 10-2-3", Jouer(Jouer(r, 10, OpSoustraction, 3), 7, OpSoustraction, 2),
         Jouer(Jouer(r, 10, OpSoustraction, 2), 8, OpSoustraction, 3), true},
        {"(3*2)*10 = (10*3)*2", Jouer(Jouer(r, 3, OpMultiplication, 2), 10, OpMultiplication, 6),
         Jouer(Jouer(r, 10, OpMultiplication, 3), 30, OpMultiplication, 2), true},
        {"(10+3)*2 != (10*2)+3... autres plaques", Jouer(Jouer(r, 10, OpAddition, 3), 13, OpMultiplication, 2),
         Jouer(Jouer(r, 10, OpMultiplication, 2), 20, OpAddition, 3), false},
        {"10-(3+2) != 10-3+2", Jouer(Jouer(r, 3, OpAddition, 2), 10, OpSoustraction, 5),
         Jouer(Jouer(r, 10, OpSoustraction, 3), 7, OpAddition, 2), false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const plq_utl a = SolutionDe(d, c.a), b = SolutionDe(d, c.b);
        EXPECT_EQ(MemeSolution(a, &b), c.meme);
        EXPECT_EQ(MemeSolution(b, &a), c.meme);
    }

    // 10-3-2 : une seule chaîne additive, 10 ajouté, 3 et 2 retranchés
    const plq_utl s = SolutionDe(d, cas[1].a);
    ASSERT_TRUE(s.Arbre);
    EXPECT_EQ(s.Arbre->Famille, 0);
    ASSERT_EQ(s.Arbre->Termes.size(), 3u);
    EXPECT_EQ(s.Arbre->Termes[0].Valeur, 10);
    EXPECT_EQ(s.Arbre->Termes[0].Inverse, 0);
    EXPECT_EQ(s.Arbre->Termes[1].Inverse, 1);
    EXPECT_EQ(s.Arbre->Termes[2].Inverse, 1);

    // mêmes termes, autres plaques : solutions différentes
    plq_utl autre = SolutionDe(d, cas[0].a);
    autre.MasquePlaques ^= 0b110000;
    const plq_utl base = SolutionDe(d, cas[0].a);
    EXPECT_FALSE(MemeSolution(base, &autre));
    EXPECT_FALSE(MemeSolution(base, nullptr));
    const plq_utl sansArbre(base.MasquePlaques);
    EXPECT_FALSE(MemeSolution(base, &sansArbre));
}

TEST(Solutions, TermesAppariesUnAUn)
{
    // 9 - 2 - 2 (= 5) n'est pas 9 + 2 - 2 (= 9), dans un sens comme dans l'autre
    const GroupeTermes a = Chaine(0, {{9, 0}, {2, 1}, {2, 1}});
    const GroupeTermes b = Chaine(0, {{9, 0}, {2, 0}, {2, 1}});
    EXPECT_FALSE(MemeGroupe(a, b));
    EXPECT_FALSE(MemeGroupe(b, a));
    EXPECT_TRUE(MemeGroupe(b, Chaine(0, {{2, 1}, {9, 0}, {2, 0}})));
    EXPECT_FALSE(MemeGroupe(a, Chaine(1, {{9, 0}, {2, 1}, {2, 1}})));
}

TEST(Solutions, ClesDeTri)
{
    struct Cas {
        uint32_t masqueN, masqueX;
        int32_t maxN, maxX, sommeN, sommeX;
        bool texteAvant;
        bool avantSimple, avantTordu;
    };
    const Cas cas[] = {
        {0b11, 0b111, 900, 10, 900, 10, false, true, false},       // moins de plaques
        {0b111, 0b111, 10, 20, 500, 30, false, true, false},       // plus petit intermédiaire
        {0b111, 0b111, 10, 10, 100, 120, false, true, false},      // plus petite somme
        {0b111, 0b111, 10, 10, 100, 100, true, true, true},        // même clés : ordre des textes
        {0b111, 0b111, 10, 10, 100, 100, false, false, false},
        {0b1110, 0b111, 10, 10, 100, 100, true, true, true},       // autres plaques, même nombre
    };
    for (const Cas& c : cas) {
        plq_utl n(c.masqueN), x(c.masqueX);
        n.PlusGrandIntermediaire = c.maxN;
        x.PlusGrandIntermediaire = c.maxX;
        n.SommeResultats = c.sommeN;
        x.SommeResultats = c.sommeX;
        EXPECT_EQ(AvantDans(n, x, 1, c.texteAvant), c.avantSimple);
        EXPECT_EQ(AvantDans(n, x, 2, c.texteAvant), c.avantTordu);
    }
}

// chaque entrée se range après toute entrée qu'elle ne précède pas
// la liste va par nombre de plaques, plus grand intermédiaire puis somme des résultats, croissants du simple
// au tordu et décroissants dans l'autre ordre ; à clés égales, par ordre des textes
TEST(Solutions, ListeRangeeDansLesDeuxOrdres)
{
    for (int ordre : {1, 2}) {
        const DonneesRecherche d = Resoudre({100, 75, 50, 25, 10, 10}, 101, ordre);
        const auto& l = d.ListeSolutions;
        ASSERT_GT(l.Nombre(), 50);
        const auto cles = [&](int32_t i) {
            const plq_utl& s = *l.Objet(i);
            return std::tuple{std::popcount(s.MasquePlaques), s.PlusGrandIntermediaire, s.SommeResultats};
        };
        for (int32_t i = 0; i + 1 < l.Nombre(); ++i) {
            const auto a = cles(i), b = cles(i + 1);
            if (a == b)
                EXPECT_LE(l.Texte(i), l.Texte(i + 1)) << "ordre " << ordre << ", entrée " << i;
            else
                EXPECT_TRUE(ordre == 1 ? a < b : a > b) << "ordre " << ordre << ", entrée " << i;
        }
    }
}

TEST(Solutions, PlaquesEgalesGardeesToutesDeux)
{
    const DonneesRecherche d = Resoudre({5, 5, 100, 1, 2, 3}, 105);
    ASSERT_GE(d.ListeSolutions.Nombre(), 2);
    EXPECT_EQ(d.ListeSolutions.Texte(0), "100+5=105\n");
    EXPECT_EQ(d.ListeSolutions.Texte(1), "100+5=105\n");
    EXPECT_EQ(d.ListeSolutions.Objet(0)->MasquePlaques, 0b101u);
    EXPECT_EQ(d.ListeSolutions.Objet(1)->MasquePlaques, 0b110u);
}

TEST(Ecriture, TextesEtCles)
{
    DonneesRecherche d;
    d.Plaques = {25, 5, 4, 3, 100, 7};
    const EtatCalcul r = Racine(d);

    struct Cas {
        const char* nom;
        EtatCalcul etat;
        const char* simple;
        const char* tordu;
        int32_t sommeSimple, maxSimple;
    };
    const Cas cas[] = {
        {"((25+5)*4)-3", Jouer(Jouer(Jouer(r, 25, OpAddition, 5), 30, OpMultiplication, 4), 120, OpSoustraction, 3),
         "25+5=30\n30*4=120\n120-3=117\n", "25+5=30\n30*4=120\n120-3=117\n", 267, 120},
        {"100+7+3", Jouer(Jouer(r, 100, OpAddition, 7), 107, OpAddition, 3), "7+3=10\n100+10=110\n",
         "100+7=107\n107+3=110\n", 120, 10},
        {"25+5", Jouer(r, 25, OpAddition, 5), "25+5=30\n", "25+5=30\n", 30, 0},
        {"(100-25)*(7-5)", Jouer(Jouer(Jouer(r, 100, OpSoustraction, 25), 7, OpSoustraction, 5), 75, OpMultiplication, 2),
         "100-25=75\n7-5=2\n75*2=150\n", "100-25=75\n7-5=2\n75*2=150\n", 227, 75},
        // de deux sous-groupes, celui qui demande le plus d'opérations s'écrit le premier
        {"(7+5+3)*(25-4)", Jouer(Jouer(Jouer(Jouer(r, 7, OpAddition, 5), 12, OpAddition, 3), 25, OpSoustraction, 4), 21,
                                 OpMultiplication, 15),
         "5+3=8\n8+7=15\n25-4=21\n21*15=315\n", "7+5=12\n12+3=15\n25-4=21\n21*15=315\n", 359, 21},
        {"(100-25)*(3+4+7)", Jouer(Jouer(Jouer(Jouer(r, 100, OpSoustraction, 25), 4, OpAddition, 3), 7, OpAddition, 7),
                                   75, OpMultiplication, 14),
         "4+3=7\n7+7=14\n100-25=75\n75*14=1050\n", "7+4=11\n11+3=14\n100-25=75\n75*14=1050\n", 1146, 75},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const plq_utl s = SolutionDe(d, c.etat);
        const int32_t f = c.etat.Noeud(c.etat.DerniereCase()).Valeur;
        int32_t somme = 0, maximum = 0;
        EXPECT_EQ(EcrireCalcul(*s.Arbre, f, somme, maximum, true), c.simple);
        EXPECT_EQ(somme, c.sommeSimple);
        EXPECT_EQ(maximum, c.maxSimple);
        somme = maximum = 0;
        EXPECT_EQ(EcrireCalcul(*s.Arbre, f, somme, maximum, false), c.tordu);
    }

    // une chaîne dont toute écriture passerait par * 1 ne s'écrit pas
    int32_t somme = 0, maximum = 0;
    EXPECT_EQ(EcrireCalcul(Chaine(1, {{7, 0}, {1, 0}, {3, 0}}), 21, somme, maximum, true), "");
    // 10 - 5 = 5 égale le retranché : on écrit 10 - 3 - 2 par 10 - 3 = 7 puis 7 - 2
    EXPECT_EQ(EcrireCalcul(Chaine(0, {{10, 0}, {3, 1}, {2, 1}}), 5, somme, maximum, true), "10-3=7\n7-2=5\n");
}

TEST(ListeSolutions, InsertionsCommeUnVecteur)
{
    TListeSolutions liste;
    std::vector<std::string> modele;
    uint32_t graine = 7;
    for (int i = 0; i < 3000; ++i) {
        graine = graine * 1103515245u + 12345u;
        const auto position = static_cast<int32_t>((graine >> 8) % static_cast<uint32_t>(modele.size() + 1));
        const std::string texte = std::to_string(i);
        liste.Inserer(position, texte, std::make_unique<plq_utl>(static_cast<uint32_t>(i)));
        modele.insert(modele.begin() + position, texte);
    }
    ASSERT_EQ(liste.Nombre(), 3000);
    for (int32_t i = 0; i < liste.Nombre(); ++i) {
        ASSERT_EQ(liste.Texte(i), modele[static_cast<size_t>(i)]);
        ASSERT_EQ(std::to_string(liste.Objet(i)->MasquePlaques), liste.Texte(i));
    }
    EXPECT_THROW(liste.Texte(3000), std::out_of_range);
    liste.Vider();
    EXPECT_TRUE(liste.Vide());
    liste.Ajouter("a", nullptr);
    EXPECT_EQ(liste.Texte(0), "a");

    // rangée sans texte, une solution l'écrit à sa première lecture, dans l'ordre demandé ;
    // un texte donné ensuite l'emporte
    DonneesRecherche d;
    d.Plaques = {25, 5, 4, 3, 100, 7};
    const EtatCalcul e = Jouer(Jouer(Racine(d), 100, OpAddition, 7), 107, OpAddition, 3);
    liste.InsererCalcul(0, std::make_unique<plq_utl>(SolutionDe(d, e)), 110, true);
    liste.InsererCalcul(2, std::make_unique<plq_utl>(SolutionDe(d, e)), 110, false);
    EXPECT_EQ(liste.Texte(2), "100+7=107\n107+3=110\n");
    EXPECT_EQ(liste.Texte(0), "7+3=10\n100+10=110\n");
    EXPECT_EQ(liste.Texte(1), "a");
    liste.DefinirTexte(0, "b");
    EXPECT_EQ(liste.Texte(0), "b");
}
