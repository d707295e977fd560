// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
// la séance, sans fenêtre : graine fixe, date fixe, horloge tenue à la main, statistiques et historique en
// mémoire. Chaque sorte de jeu de bout en bout, une série jusqu'à sa fin
#include "SaisieCalcul.h"
#include "Seance.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

namespace {

// les jeux écrits, une ligne par jeu : origine, limite, date du jeu du jour, série et son bilan
struct DepotEssai : DepotJeux {
    std::vector<LigneHistorique> lignes;
    std::string dernier;
    int64_t series = 0;
    std::optional<BilanSerie> record;

    OrigineJeu EnregistrerJeu(const JeuFini& jeu, const Serie* serie) override
    {
        lignes.push_back(jeu.Ligne);
        lignes.back().Numero = static_cast<int64_t>(lignes.size());
        std::ostringstream o;
        o << NomOrigine(jeu.Ligne.Origine) << ", " << jeu.Ligne.LimiteTemps.value_or(0) << " s";
        if (jeu.Ligne.JourDuJeu)
            o << ", jour " << *jeu.Ligne.JourDuJeu;
        if (serie)
            o << ", série " << jeu.Ligne.Serie.value_or(0) << " : " << serie->Bilan().JeuxJoues << "/10"
              << (serie->Bilan().Finie ? " finie" : "");
        if (jeu.Ligne.Match)
            o << ", match " << *jeu.Ligne.Match;
        dernier = o.str();
        return jeu.Ligne.Origine;
    }
    std::vector<ResultatJour> JeuxDuJour() override { return JeuxDuJourEnregistres(lignes); }
    DebutSerie CommencerSerie(NiveauSerie) override { return {++series, record}; }
    std::optional<int64_t> CommencerMatch(const BilanMatch& bilan) override
    {
        matchs.push_back(bilan);
        return static_cast<int64_t>(matchs.size());
    }
    void GarderMatch(int64_t numero, const BilanMatch& bilan) override { matchs[static_cast<size_t>(numero - 1)] = bilan; }
    std::vector<LigneHistorique> Jeux() override { return mesure; }

    std::vector<BilanMatch> matchs;
    // ce que « À ma mesure » lit : le joueur trouve tout, en 10 s, à chaque niveau
    std::vector<LigneHistorique> mesure = [] {
        std::vector<LigneHistorique> jeux;
        for (const NiveauJeu niveau : {NiveauJeu::Facile, NiveauJeu::Moyen, NiveauJeu::Difficile, NiveauJeu::Expert})
            for (int k = 0; k < 10; ++k) {
                LigneHistorique& l = jeux.emplace_back();
                l.Niveau = niveau;
                l.But = 500;
                l.ResultatJoueur = 500;
                l.TempsJoueur = 10000;
            }
        return jeux;
    }();
};

struct Essai {
    DepotEssai depot;
    int32_t maintenant = 0;
    Seance seance{depot, {}, [this] { return maintenant; }};

    Essai()
    {
        seance.ImposerGraine(100);
        seance.ImposerDate(*LireDate("2026-12-11"));
    }

    // la saisie ouverte, puis après 23,4 s les opérations (« 2+3 » : bouton 2 plus bouton 3, le résultat à la
    // place du 2) et « ok » ou « annule » ; pendant : ce qui arrive ailleurs tant qu'elle est ouverte
    ApresJeu Saisir(const char* coups, const std::function<void()>& pendant = {})
    {
        SaisieCalcul saisie(seance.Jeu().Donnees(), [this] { return maintenant; });
        maintenant += 100000;
        seance.SaisieOuverte();
        saisie.Recommencer();
        maintenant += 23400;
        std::istringstream lecture(coups);
        for (std::string c; lecture >> c;) {
            if (c == "ok" || c == "annule") {
                c == "ok" ? (void)saisie.Valider() : saisie.Annuler();
            } else {
                saisie.Nombre(c[0] - '0');
                saisie.Signe(static_cast<int>(std::string("+-*/").find(c[1])));
                saisie.Nombre(c[2] - '0');
            }
        }
        if (pendant)
            pendant();
        return seance.SaisieFinie();
    }

    // la barre d'état ; le compte rendu d'une recherche, qui dépend du jeu tiré et de la machine, est dit tel
    std::string Statut() const
    {
        const std::string texte = seance.Etat().Texte;
        if (std::regex_search(texte, std::regex("compte\\(s\\), [0-9]+ calculs en [0-9]+ ms\\.$")))
            return "« compte rendu »";
        return texte.empty() ? "«»" : "« " + texte + " »";
    }
};

std::string Boite(const ApresJeu& apres)
{
    if (const auto* resume = std::get_if<ResumeJour>(&apres.Boite)) {
        std::string lignes;
        for (const std::string& l : LignesResume(*resume))
            lignes += " / " + l;
        return "résumé" + lignes;
    }
    if (const auto* fin = std::get_if<FinDeSerie>(&apres.Boite))
        return "fin de série : " + std::to_string(fin->Bilan.Points) + " points";
    if (const auto* issue = std::get_if<IssueTirage>(&apres.Boite)) {
        std::string texte = issue->Titre;
        for (const CampMontre& camp : issue->Camps)
            texte += " / " + camp.Nom + " " + camp.Resultat;
        // l'annonce de l'ordinateur vient à un instant tiré au hasard
        return std::regex_replace(texte, std::regex(", en [0-9]+,[0-9] s"), ", en … s") +
               (apres.Suite == Etape::Saisir ? " | preuve" : "");
    }
    return apres.Suite == Etape::Saisir ? "preuve" : "-";
}

}  // namespace

// chaque sorte de jeu, à la suite dans une séance, 30 s choisies : la question avant lui, l'étape qui suit, ce que
// dit la barre d'état avant la saisie, sa limite ; après la saisie, résolu aussitôt ou laissé au joueur, la barre
// d'état, la boîte ; ce qui est écrit (le jeu laissé au joueur est résolu par lui, du plus tordu au plus simple)
TEST(Seance, ChaqueSorteDeJeuDuDebutALEnregistrement)
{
    Essai e;
    e.seance.ChoisirTempsLimite(30);
    const auto jourAilleurs = [&] {
        // un autre exemplaire du programme finit le jeu du 12 pendant la saisie : trouvé en 10 s
        LigneHistorique l;
        l.Origine = OrigineJeu::Jour;
        l.JourDuJeu = 20261212;
        l.But = 748;
        l.ResultatJoueur = 748;
        l.TempsJoueur = 10000;
        e.depot.lignes.push_back(l);
        e.depot.lignes.back().Numero = static_cast<int64_t>(e.depot.lignes.size());
    };
    const SixEntiers unASix{1, 2, 3, 4, 5, 6}, jeu952{25, 50, 75, 100, 3, 6};
    struct Cas {
        DemandeJeu demande;
        const char* date;
        const char* coups;
        std::function<void()> pendant;
        const char* attendu;
    };
    const Cas cas[] = {
        {DemandeJeu(SorteDemandee::Tirage), nullptr, "annule", {},
         "- | animé «» 30 s | laissé «» - | tiré au sort, 30 s"},
        // le compte rendu du jeu d'avant reste jusqu'à la prochaine recherche
        {DemandeJeu::TirageAvec(2), nullptr, "annule", {},
         "- | animé « compte rendu » 30 s | laissé «» - | tiré au sort, 30 s"},
        {DemandeJeu(SorteDemandee::TirageDeNiveau, NiveauJeu::Expert), nullptr, "annule", {},
         "- | animé « Jeu Expert. » 30 s | laissé «» - | tiré au sort, 30 s"},
        {DemandeJeu(SorteDemandee::Propose), nullptr, "annule", {},
         "- | pavé « compte rendu » 30 s | laissé «» - | proposé, 30 s"},
        {DemandeJeu(SorteDemandee::Rejoue, unASix, 789), nullptr, "annule", {},
         "- | saisie « compte rendu » 30 s | laissé «» - | proposé, 30 s"},
        {DemandeJeu(SorteDemandee::LigneCommande, jeu952, 952), nullptr, "", {},
         "- | résolu « compte rendu » 0 s | -"},
        {DemandeJeu(SorteDemandee::Serie, NiveauJeu::Moyen), nullptr, "annule", {},
         "- | animé « Série : jeu 1/10 — 0 point » 30 s | résolu « Série : jeu 1/10 — 0 point » - | "
         "tiré au sort, 30 s, série 1 : 1/10 | jeu suivant"},
        // « Tiré au sort » donne son jeu suivant à la série
        {DemandeJeu(SorteDemandee::Tirage), nullptr, "annule", {},
         "- | animé « Série : jeu 2/10 — 0 point » 30 s | résolu « Série : jeu 2/10 — 0 point » - | "
         "tiré au sort, 30 s, série 1 : 2/10 | jeu suivant"},
        // vendredi 11 décembre 2026 : 3 25 8 9 7 6, 923, Difficile ; ((9 + 3) × 8 − 25) × (7 + 6)
        {DemandeJeu(SorteDemandee::Jour), nullptr, "3+0 3*2 3-1 4+5 3*4", {},
         "Série en cours : Série : jeu 2/10 — 0 point. / Abandonner la série ? Elle ne comptera pas pour les records. | "
         "animé «» 30 s | résolu « compte rendu » résumé / Jeu du 11 décembre 2026 (Difficile) / Résultat : "
         "trouvé en 23,4 s / Jours de suite : 1 / Le plus de jours de suite : 1 | jour, 30 s, jour 20261211"},
        {DemandeJeu(SorteDemandee::Jour), nullptr, "3+0 3*2 3-1 3*4 ok", {},
         "- | animé « Jeu du jour déjà joué : compté comme proposé. » 30 s | résolu « compte rendu » résumé / Jeu du "
         "11 décembre 2026 (Difficile) / Résultat du premier essai : trouvé en 23,4 s / Jours de suite : 1 / "
         "Le plus de jours de suite : 1 / Déjà joué ce jour-là : cet essai compte comme un jeu proposé. | proposé, 30 s"},
        {DemandeJeu(SorteDemandee::Jour), "2026-12-12", "annule", jourAilleurs,
         "- | animé « compte rendu » 30 s | résolu « compte rendu » résumé / Jeu du 12 décembre 2026 (Difficile) / "
         "Résultat du premier essai : trouvé en 10,0 s / Jours de suite : 2 / Le plus de jours de suite : 2 / Déjà "
         "joué ce jour-là : cet essai compte comme un jeu proposé. | proposé, 30 s"},
        // la graine fixe tire toujours 50 8 10 10 9 8, 218 = 50 + 8 × (10 + 10 + 9 − 8) ; « À ma mesure » contre un
        // joueur qui trouve tout le trouve aussi (vers 10 s, dans les 30 s)
        {DemandeJeu::MatchContre(ForceAdversaire::AMaMesure), nullptr, "annule", {},
         "- | animé « Match : jeu 1/5 — Vous 0, Ordinateur 0 » 30 s | résolu « Match : jeu 1/5 — Vous 0, Ordinateur 10 » "
         "Match : jeu 1/5 / Vous pas de calcul : 0 point / Ordinateur « À ma mesure » 218, le compte, en … s : 10 points"
         " | match, 30 s, match 1 | jeu suivant | sans indices"},
        // « Tiré au sort » donne son tirage suivant au match ; 50 + 8
        {DemandeJeu(SorteDemandee::Tirage), nullptr, "0+1 ok", {},
         "- | animé « Match : jeu 2/5 — Vous 0, Ordinateur 10 » 30 s | résolu « Match : jeu 2/5 — Vous 0, Ordinateur 20 » "
         "Match : jeu 2/5 / Vous 58, à 160 du compte : 0 point / Ordinateur « À ma mesure » 218, le compte, en … s : "
         "10 points | match, 30 s, match 1 | jeu suivant | sans indices"},
    };
    for (const Cas& c : cas) {
        if (c.date)
            e.seance.ImposerDate(*LireDate(c.date));
        e.depot.dernier = "-";
        const std::optional<QuestionSeance> question = e.seance.QuestionAvant(c.demande);
        std::string lu = "-";
        if (question)
            lu = std::regex_replace(question->Titre + " : " + question->Texte, std::regex("\n"), " / ");
        const Etape etape = e.seance.Commencer(c.demande);
        lu += etape == Etape::Animer     ? " | animé"
              : etape == Etape::Proposer ? " | pavé"
              : etape == Etape::Saisir   ? " | saisie"
                                         : " | résolu";
        if (etape == Etape::Animer) {
            while (!e.seance.AvancerTirage().Termine) {
            }
            EXPECT_EQ(e.seance.TirageTermine(), Etape::Saisir);
        }
        if (etape == Etape::Proposer) {
            // 1 2 3 4 5 6, puis 7 8 9 pour le compte
            PropositionJeu pave;
            pave.Commencer();
            for (int etiquette = 1; etiquette <= 9; ++etiquette) {
                pave.Touche(etiquette);
                e.seance.Jeu().SuivreProposition(pave);
            }
        }
        lu += " " + e.Statut() + " " + std::to_string(e.seance.Jeu().TempsLimite()) + " s";
        if (etape != Etape::Rien) {
            const ApresJeu apres = e.Saisir(c.coups, c.pendant);
            const bool resolu = e.seance.Jeu().Phase() == PhaseJeu::Resolu;
            lu += (resolu ? " | résolu " : " | laissé ") + e.Statut() + " " + Boite(apres);
            if (!resolu)
                e.seance.Resoudre(OrdreDuTorduAuSimple);
        }
        lu += " | " + e.depot.dernier;
        if (e.seance.Commandes().JeuSuivant)
            lu += " | jeu suivant";
        if (!e.seance.IndicesPermis())
            lu += " | sans indices";
        EXPECT_EQ(lu, c.attendu);
    }
    // le match, gardé dès son début puis après chaque tirage ; le quitter demande d'abord
    EXPECT_EQ(e.depot.matchs, (std::vector<BilanMatch>{
                                  {SorteMatch::ContreOrdinateur, ForceAdversaire::AMaMesure, {"Vous", "Ordinateur"}, {0, 20}, 2, false}}));
    const std::optional<QuestionSeance> question = e.seance.QuestionAvantFermeture();
    ASSERT_TRUE(question);
    EXPECT_EQ(question->Titre + " : " + question->Texte, "Match en cours : Match : jeu 2/5 — Vous 0, Ordinateur 20.\n"
                                                         "Abandonner le match ? Il ne comptera pas dans les records.");
}

// une série Facile jouée jusqu'au bout, sans aucun calcul : après le dixième jeu, sa fenêtre de fin avec le record
// du niveau ; plus de jeu suivant, et le jeu d'après ne pose pas de question et efface la barre d'état
TEST(Seance, SerieJusquAuBilan)
{
    Essai e;
    e.depot.record = BilanSerie{NiveauJeu::Facile, 10, 40, 4, 20000.0, true};
    ApresJeu apres;
    for (int k = 1; k <= 10; ++k) {
        const DemandeJeu demande(k == 1 ? SorteDemandee::Serie : SorteDemandee::JeuSuivant, NiveauJeu::Facile);
        ASSERT_EQ(e.seance.Commencer(demande), Etape::Animer) << k;
        EXPECT_FALSE(e.seance.Commandes().JeuSuivant);
        while (!e.seance.AvancerTirage().Termine) {
        }
        apres = e.Saisir("annule");
        EXPECT_EQ(e.seance.Commandes().JeuSuivant, k < 10);
    }
    const FinDeSerie* fin = std::get_if<FinDeSerie>(&apres.Boite);
    ASSERT_TRUE(fin);
    EXPECT_EQ(*fin, (FinDeSerie{{NiveauJeu::Facile, 10, 0, 0, std::nullopt, true}, e.depot.record}));
    EXPECT_EQ(e.depot.dernier, "tiré au sort, 45 s, série 1 : 10/10 finie");
    EXPECT_EQ(e.Statut(), "« Série : jeu 10/10 — 0 point »");
    EXPECT_EQ(e.seance.SerieEnCours(), nullptr);
    EXPECT_EQ(e.seance.QuestionAvant(DemandeJeu(SorteDemandee::Tirage)), std::nullopt);
    EXPECT_EQ(e.seance.Commencer(DemandeJeu(SorteDemandee::Tirage)), Etape::Animer);
    EXPECT_EQ(e.Statut(), "«»");
}

// un tirage d'un match à deux : la réflexion contre la montre du match (45 s sans limite choisie), les deux
// annonces, la preuve manquée d'Alice puis celle de Bruno, sans montre, qui va plus loin que son annonce ; rien
// n'est enregistré comme jeu du joueur, le match l'est. 50 8 10 10 9 8, 218 (les boutons dans cet ordre)
TEST(Seance, MatchADeuxAnnoncesEtPreuves)
{
    Essai e;
    std::string lu;
    const auto noter = [&](const std::string& quoi) { lu += quoi + " | "; };
    ASSERT_EQ(e.seance.Commencer(DemandeJeu::MatchADeux({"Alice", "Bruno"})), Etape::Animer);
    while (!e.seance.AvancerTirage().Termine) {
    }
    ASSERT_EQ(e.seance.TirageTermine(), Etape::Annoncer);
    e.maintenant = 100000;
    e.seance.ReflexionOuverte();
    for (const int32_t pas : {44000, 1000}) {
        e.maintenant += pas;
        const bool ecoule = e.seance.Decompter().Ecoule;
        noter(std::to_string(ecoule) + " " + e.Statut());
    }
    e.seance.ReflexionFinie();
    noter(e.Statut() + " " + std::to_string(e.seance.Jeu().TempsLimite()) + " s");
    noter(Boite(e.seance.Annoncer(218)));
    noter(Boite(e.seance.Annoncer(217)));
    noter(e.seance.ConsigneSaisie());
    noter(Boite(e.Saisir("annule")));
    noter(e.seance.ConsigneSaisie());
    // 10 + 10 + 9 − 8 = 21, 8 × 21 = 168, 50 + 168 = 218
    noter(Boite(e.Saisir("2+3 2+4 2-5 1*2 0+1")));
    noter(e.Statut());
    EXPECT_EQ(lu, "0 « Reste : 1 s » | 1 « Reste : 0 s » | « Match : jeu 1/5 — Alice 0, Bruno 0 » 0 s | - | preuve | "
                  "Alice prouve son annonce : 218 (sans montre). | preuve | Bruno prouve son annonce : 217 (sans montre). | "
                  "Match : jeu 1/5 / Alice 218, le compte, non prouvé : 0 point / Bruno 217, à 1 du compte, prouvé : "
                  "7 points | « Match : jeu 1/5 — Alice 0, Bruno 7 » | ");
    EXPECT_TRUE(e.depot.lignes.empty());
    EXPECT_EQ(e.depot.matchs,
              (std::vector<BilanMatch>{{SorteMatch::ADeuxJoueurs, std::nullopt, {"Alice", "Bruno"}, {0, 7}, 1, false}}));
}
