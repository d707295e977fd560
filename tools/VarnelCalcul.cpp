// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VarnelCalcul.h"

#include "AdversaireCalcul.h"
#include "Atlas.h"
#include "AtlasMethodes.h"
#include "AtlasNiveaux.h"
#include "IndicesCalcul.h"
#include "JourCalcul.h"
#include "ExecutionRecherche.h"
#include "LigneCommande.h"
#include "MethodesCalcul.h"
#include "Niveau.h"
#include "TableTousComptes.h"
#include "VerifierCalcul.h"

#include <optional>
#include <ostream>
#include <thread>

namespace {

constexpr const char* SyntaxeCalcul =
    "Syntaxe : varnel-calcul [--ordre 1|2] [--details] [--methodes] Plaque1 Plaque2 Plaque3 Plaque4 Plaque5 Plaque6 Resultat";
constexpr const char* SyntaxeTous =
    "          varnel-calcul --tous [--tri compte|solutions] [--details] [--export] [--methodes] Plaque1 ... Plaque6";
constexpr const char* SyntaxeAtlas =
    "          varnel-calcul --atlas [--niveaux|--methodes] [--fils N] [--grandes 25,50,75,100|aucune] [--premiers N]";

constexpr const char* Aide =
    "varnel-calcul : le moteur du Varnel en ligne de commande.\n"
    "varnel-calcul --help écrit cette aide, varnel-calcul --version la version du programme.\n"
    "\n"
    "Résoudre un compte :\n"
    "  varnel-calcul [--ordre 1|2] [--details] [--methodes] Plaque1 ... Plaque6 Resultat\n"
    "    Écrit le compte rendu de la recherche, puis chaque solution (une ligne par opération)\n"
    "    suivie d'une ligne vide.\n"
    "    --ordre 1   du calcul le plus simple au plus compliqué (par défaut)\n"
    "    --ordre 2   du calcul le plus compliqué au plus simple\n"
    "    --details   ajoute les compteurs de la recherche, le niveau du jeu et le moins de plaques\n"
    "                d'une solution exacte, puis les clés de chaque solution\n"
    "    --methodes  écrit d'abord, dans le bloc de chaque solution, sa méthode (« Methode=Produit »)\n"
    "\n"
    "Inventaire de tous les comptes de 101 à 999 :\n"
    "  varnel-calcul --tous [--tri compte|solutions] [--details] [--export] [--methodes]\n"
    "                Plaque1 ... Plaque6\n"
    "    Écrit le tableau des solutions de chaque compte, par nombre de plaques utilisées.\n"
    "    --tri compte      par compte croissant (par défaut)\n"
    "    --tri solutions   par nombre de solutions décroissant\n"
    "    --export          écrit le tableau dans le fichier <plaques>cpt.txt ou <plaques>sol.txt\n"
    "                      du dossier courant au lieu de la sortie standard\n"
    "    --details         ajoute le nombre d'entrées, de calculs et les étapes de progression\n"
    "    --methodes        ajoute, pour chaque compte, ses solutions distinctes par méthode\n"
    "\n"
    "Le jeu du jour d'une date (le même pour tous les joueurs) :\n"
    "  varnel-calcul --jour AAAA-MM-JJ [--ordre 1|2] [--details]\n"
    "    Écrit les six plaques et le compte (« 25 50 75 100 3 6 952 »), puis le niveau du jeu\n"
    "    (« Niveau=Difficile »), puis le résout comme un compte donné. Le niveau suit la semaine :\n"
    "    Facile le lundi et le mardi, Moyen le mercredi et le jeudi, Difficile le vendredi et le\n"
    "    samedi, Expert le dimanche.\n"
    "\n"
    "Vérifier un calcul écrit comme dans la ligne « Calcul tapé » de la saisie :\n"
    "  varnel-calcul --verifier \"CALCUL\" Plaque1 Plaque2 Plaque3 Plaque4 Plaque5 Plaque6 Resultat\n"
    "    CALCUL : une expression, « (75+3)*12-4 », ou des opérations, « 75+3=78 78*12=936 »,\n"
    "    séparées par des virgules, des blancs ou des retours à la ligne ; signes + - * x X × / : ÷,\n"
    "    parenthèses et blancs. Écrit les opérations une par ligne (« 75+3=78 »), puis le meilleur\n"
    "    résultat (« Meilleur=936 » : le plus proche du compte, le premier à égale distance), son\n"
    "    écart au compte (« Ecart=16 ») et les points du jeu (« Points=0 »). Un calcul que la saisie\n"
    "    refuserait est refusé avec sa raison (code de sortie 2).\n"
    "\n"
    "Atlas de tous les jeux :\n"
    "  varnel-calcul --atlas [--niveaux|--methodes] [--fils N] [--grandes 25,50,75,100|aucune]\n"
    "                [--premiers N]\n"
    "    Pour chacun des 13 243 tirages distincts de six plaques de la réserve, écrit les plaques\n"
    "    et le nombre de comptes de 101 à 999 qui se font, puis le total des jeux (tirage, compte)\n"
    "    et des jeux faisables, en tout et selon le nombre de grandes plaques.\n"
    "    --niveaux         écrit plutôt le nombre de jeux de chaque niveau (Facile, Moyen, Difficile,\n"
    "                      Expert, Impossible), puis ces nombres et leur part dans les totaux\n"
    "    --methodes        écrit plutôt le nombre de jeux faisables dont la solution la plus simple\n"
    "                      suit chaque méthode (Produit puis ajustement, Multiplication décomposée,\n"
    "                      Produit, Division, Addition et soustraction), puis leur part des faisables\n"
    "    --fils N          calcule sur N fils d'exécution (par défaut, un par cœur)\n"
    "    --grandes LISTE   seulement les tirages qui tiennent exactement ces grandes plaques\n"
    "                      (« aucune » : aucune grande plaque)\n"
    "    --premiers N      seulement les N premiers tirages (après --grandes)\n"
    "\n"
    "Les indices d'un jeu, du plus vague au plus précis :\n"
    "  varnel-calcul --indices [--depuis N1 ... Nk] Plaque1 ... Plaque6 Resultat\n"
    "    Écrit Atteignable=oui ou Atteignable=non et Ecart=D (l'écart au compte du plus près qu'on\n"
    "    puisse aller), puis pour le jeu entier Plaques=T (le moins de plaques d'une solution exacte,\n"
    "    ou -), Passage=V (le plus grand opérande de la dernière opération de la solution la plus\n"
    "    simple) et PremiereOperation=A?B=C (sa première opération).\n"
    "    --depuis N1 ... Nk   la première réponse part de ces k nombres (1 à 6 entiers positifs,\n"
    "                         ceux qu'a en main un joueur en cours de calcul) au lieu des plaques\n"
    "\n";

// après les parties de l'aide écrites à côté de leur option
constexpr const char* AideFin =
    "Plaques : 1 à 10, 25, 50, 75 ou 100, la réserve n'étant pas vérifiée (six 100 sont admis).\n"
    "Compte : de 101 à 999. Les calculs se font sur 64 bits ; une valeur au-delà de 2 147 483 647,\n"
    "qui ne peut plus mener à un compte, n'est pas formée.\n"
    "Codes de sortie : 0 bon, 1 fichier ou sortie impossible à écrire, 2 arguments incorrects.\n";

struct Options {
    bool Tous = false;
    bool Atlas = false;
    bool Niveaux = false;  // l'atlas des niveaux
    bool Methodes = false;  // la méthode des solutions (résolution, inventaire ou atlas)
    int Fils = 0;  // 0 : un par cœur
    int Premiers = -1;
    int Grandes = -1;  // ensemble de bits des grandes plaques exigées, -1 : toutes
    bool OptionAtlas = false;  // --fils, --grandes ou --premiers
    bool Details = false;
    bool Export = false;
    int Ordre = 1;
    TriComptes Tri = TriComptes::ParCompte;
    bool Aide = false;
    std::vector<std::string> Nombres;
    std::optional<std::string> Jour;  // --jour AAAA-MM-JJ
    std::optional<std::string> Verifier;  // --verifier "CALCUL"
    bool Indices = false;
    bool Depuis = false;  // --depuis : les premiers nombres sont ceux en main
};

int ErreurArguments(std::ostream& erreurs, const std::string& message)
{
    erreurs << message << '\n' << SyntaxeCalcul << '\n' << SyntaxeTous << '\n' << SyntaxeAtlas << '\n' << SyntaxeJour << '\n'
            << SyntaxeVerifier << '\n' << SyntaxeIndices << '\n' << SyntaxeAdversaire << '\n' << SyntaxeCalibrer << '\n';
    return 2;
}

// « 25,100 » : les bits 0 et 3 ; « aucune » : 0
bool LireGrandes(const std::string& texte, int& grandes)
{
    grandes = 0;
    if (texte == "aucune")
        return true;
    size_t debut = 0;
    while (debut <= texte.size()) {
        const size_t fin = std::min(texte.find(',', debut), texte.size());
        int32_t v = 0;
        if (!ConvertirEntier(texte.substr(debut, fin - debut), v) || (v != 25 && v != 50 && v != 75 && v != 100))
            return false;
        grandes |= 1 << (v / 25 - 1);
        debut = fin + 1;
    }
    return true;
}

// rend un message d'erreur, vide quand les options sont bonnes
std::string LireOptions(const std::vector<std::string>& arguments, Options& o)
{
    bool finOptions = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (finOptions || a.size() < 2 || a.compare(0, 2, "--") != 0) {
            o.Nombres.push_back(a);
        } else if (a == "--") {
            finOptions = true;
        } else if (a == "--help" || a == "--aide") {
            o.Aide = true;
        } else if (a == "--details") {
            o.Details = true;
        } else if (a == "--tous") {
            o.Tous = true;
        } else if (a == "--atlas") {
            o.Atlas = true;
        } else if (a == "--methodes") {
            o.Methodes = true;
        } else if (a == "--niveaux") {
            o.Niveaux = true;
            o.OptionAtlas = true;
        } else if (a == "--fils" || a == "--premiers") {
            int32_t n = 0;
            if (i + 1 >= arguments.size() || !ConvertirEntier(arguments[i + 1], n) || n < 1 || n > (a == "--fils" ? 256 : 13243))
                return a == "--fils" ? "Nombre de fils incorrect (de 1 à 256)." : "Nombre de tirages incorrect (de 1 à 13243).";
            (a == "--fils" ? o.Fils : o.Premiers) = n;
            o.OptionAtlas = true;
            ++i;
        } else if (a == "--grandes") {
            if (i + 1 >= arguments.size() || !LireGrandes(arguments[i + 1], o.Grandes))
                return "Grandes plaques incorrectes (25, 50, 75, 100 séparées par des virgules, ou aucune).";
            o.OptionAtlas = true;
            ++i;
        } else if (a == "--jour") {
            if (i + 1 >= arguments.size())
                return "Il manque la date après --jour (AAAA-MM-JJ).";
            o.Jour = arguments[++i];
        } else if (a == "--verifier") {
            if (i + 1 >= arguments.size())
                return "Il manque le calcul après --verifier (entre guillemets, par exemple \"(75+3)*12-4\").";
            o.Verifier = arguments[++i];
        } else if (a == "--indices") {
            o.Indices = true;
        } else if (a == "--depuis") {
            o.Depuis = true;
        } else if (a == "--export") {
            o.Export = true;
        } else if (a == "--ordre") {
            if (i + 1 >= arguments.size() || (arguments[i + 1] != "1" && arguments[i + 1] != "2"))
                return "Ordre incorrect (1 ou 2).";
            o.Ordre = arguments[++i] == "1" ? 1 : 2;
        } else if (a == "--tri") {
            if (i + 1 >= arguments.size() || (arguments[i + 1] != "compte" && arguments[i + 1] != "solutions"))
                return "Tri incorrect (compte ou solutions).";
            o.Tri = arguments[++i] == "compte" ? TriComptes::ParCompte : TriComptes::ParNombreDeSolutions;
        } else {
            return "Option inconnue : " + a;
        }
    }
    if (o.Depuis && !o.Indices)
        return "L'option --depuis ne vaut qu'avec --indices.";
    if (o.Indices && (o.Tous || o.Atlas || o.OptionAtlas || o.Jour || o.Verifier || o.Details || o.Export || o.Ordre != 1 ||
                      o.Tri != TriComptes::ParCompte))
        return "Les indices ne prennent pas d'autre option que --depuis.";
    if (!o.Tous && (o.Export || o.Tri != TriComptes::ParCompte))
        return "Les options --tri et --export ne valent qu'avec --tous.";
    if (!o.Atlas && o.OptionAtlas)
        return "Les options --niveaux, --fils, --grandes et --premiers ne valent qu'avec --atlas.";
    if (o.Atlas && o.Niveaux && o.Methodes)
        return "L'atlas des niveaux et celui des méthodes se demandent l'un après l'autre.";
    if (o.Atlas && (o.Tous || o.Details || o.Export || o.Tri != TriComptes::ParCompte || o.Ordre != 1 || !o.Nombres.empty()))
        return "L'atlas ne prend ni plaques ni autres options que --niveaux, --methodes, --fils, --grandes et --premiers.";
    if (o.Jour && (o.Tous || o.Atlas || !o.Nombres.empty()))
        return "Le jeu du jour ne prend ni plaques ni compte, ni --tous ni --atlas.";
    if (o.Verifier && (o.Tous || o.Atlas || o.Jour || o.Details || o.Ordre != 1))
        return "La vérification d'un calcul ne prend que le calcul, les six plaques et le compte.";
    return {};
}

template <typename Tableau>
void EcrireListe(std::ostream& sortie, const Tableau& valeurs, size_t debut, size_t fin)
{
    for (size_t i = debut; i < fin; ++i)
        sortie << (i > debut ? "," : "") << valeurs[i];
}

int Resoudre(DonneesRecherche& d, const Options& o, std::ostream& sortie)
{
    d.OrdreSolutions = static_cast<uint8_t>(o.Ordre);
    ExecuterRecherche(d);
    sortie << TexteStatut(d) << '\n';
    if (o.Details) {
        sortie << "NbPossibilites=" << d.NbPossibilites << '\n' << "NbPossibilitesEtape=";
        EcrireListe(sortie, d.NbPossibilitesEtape, 0, 5);
        sortie << '\n' << "NbSolutions=" << d.NbSolutions << '\n' << "NbSolutionsPlaques=";
        EcrireListe(sortie, d.NbSolutionsPlaques, 2, 7);
        sortie << '\n'
               << "MeilleurResultat=" << d.MeilleurResultat << '\n'
               << "MeilleurBas=" << d.MeilleurBas << '\n'
               << "MeilleurHaut=" << d.MeilleurHaut << '\n'
               << "ButAtteint=" << (d.ButAtteint ? 1 : 0) << '\n'
               << "LibellePlaques=" << d.LibellePlaques << '\n';
        const MesureNiveau niveau = MesurerNiveau(d);
        sortie << "Niveau=" << NomNiveau(niveau.Niveau) << '\n' << "PlaquesMin=" << niveau.PlaquesMin << '\n';
    }
    for (int32_t i = 0; i < d.ListeSolutions.Nombre(); ++i) {
        if (o.Methodes)
            EcrireMethode(sortie, *d.ListeSolutions.Objet(i), o.Ordre);
        if (o.Details) {
            const plq_utl& s = *d.ListeSolutions.Objet(i);
            sortie << '#' << i << " masque=" << s.MasquePlaques << " somme=" << s.SommeResultats
                   << " max=" << s.PlusGrandIntermediaire << '\n';
        }
        sortie << d.ListeSolutions.Texte(i) << '\n';
    }
    return 0;
}

int Inventorier(DonneesRecherche& d, const Options& o, std::ostream& sortie, std::ostream& erreurs)
{
    std::vector<int> positions;
    CrochetsRecherche crochets;
    crochets.ProgressionTousComptes = [&](int position) { positions.push_back(position); };
    ExecuterRechercheTousComptes(d, crochets);
    const GrilleComptes grille = GrilleTousComptes(d.TableSolutionsComptes, o.Tri);

    if (o.Details)
        sortie << "Entrees=" << d.ListeSolutions.Nombre() << '\n' << "NbPossibilites=" << d.NbPossibilites << '\n';
    int code = 0;
    if (o.Export) {
        const std::string nom = NomFichierExport(d.LibellePlaques, o.Tri);
        if (EcrireFichierExport(nom, grille)) {
            sortie << "Fichier \"" << nom << "\" écrit.\n";
        } else {
            erreurs << "Impossible de créer le fichier \"" << nom << "\"\n";
            code = 1;
        }
    } else {
        sortie << TexteExport(grille);
    }
    if (o.Methodes)
        EcrireMethodesInventaire(sortie, d.ListeSolutions);
    if (o.Details) {
        sortie << "Progression=";
        EcrireListe(sortie, positions, 0, positions.size());
        sortie << '\n';
    }
    return code;
}

int DresserAtlas(const Options& o, std::ostream& sortie, std::ostream& erreurs, bool afficherProgression)
{
    std::vector<SixEntiers> tirages;
    for (const SixEntiers& t : TiragesDistincts())
        if (o.Grandes < 0 || static_cast<int>(GrandesPlaques(t)) == o.Grandes)
            tirages.push_back(t);
    if (o.Premiers >= 0 && tirages.size() > static_cast<size_t>(o.Premiers))
        tirages.resize(static_cast<size_t>(o.Premiers));
    const int fils = o.Fils > 0 ? o.Fils : std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    std::function<void(int, int)> progression;
    if (afficherProgression)
        progression = [&, nom = o.Niveaux ? "Atlas des niveaux : " : o.Methodes ? "Atlas des méthodes : " : "Atlas : "](int faits, int total) {
            erreurs << '\r' << nom << faits << "/" << total << " tirages" << (faits == total ? "\n" : "") << std::flush;
        };
    if (o.Methodes)
        EcrireAtlasMethodes(sortie, DresserAtlasMethodes(tirages, fils, progression));
    else if (o.Niveaux)
        EcrireAtlasNiveaux(sortie, DresserAtlasNiveaux(tirages, fils, progression));
    else
        EcrireAtlas(sortie, ::DresserAtlas(tirages, fils, progression));
    return 0;
}

}  // namespace

int ExecuterVarnelCalcul(const std::vector<std::string>& arguments, std::ostream& sortie, std::ostream& erreurs,
                         bool progressionVisible)
{
    if (const std::optional<IssueAdversaire> issue = ExecuterAdversaire(arguments, sortie))
        return issue->Erreur.empty() ? TerminerSortie(sortie, erreurs, 0) : ErreurArguments(erreurs, issue->Erreur);
    Options o;
    const std::string erreurOptions = LireOptions(arguments, o);
    if (o.Aide) {
        sortie << Aide << AideAdversaire << '\n' << AideFin;
        return TerminerSortie(sortie, erreurs, 0);
    }
    if (!erreurOptions.empty())
        return ErreurArguments(erreurs, erreurOptions);
    if (o.Atlas) {
        return TerminerSortie(sortie, erreurs, DresserAtlas(o, sortie, erreurs, progressionVisible));
    }

    if (o.Indices) {
        JeuIndices jeuIndices;
        const std::string erreur = LireJeuIndices(o.Nombres, o.Depuis, jeuIndices);
        if (!erreur.empty())
            return ErreurArguments(erreurs, erreur);
        EcrireIndices(sortie, jeuIndices);
        return TerminerSortie(sortie, erreurs, 0);
    }

    const JeuLigneCommande jeu = o.Jour ? LireJeuDuJour(*o.Jour, sortie) : LireArguments(o.Nombres, !o.Tous);
    if (!jeu.Valide())
        return ErreurArguments(erreurs, jeu.Erreur);

    if (o.Verifier)
        return TerminerSortie(sortie, erreurs, VerifierCalcul(*o.Verifier, jeu, sortie, erreurs));

    DonneesRecherche d;
    d.Plaques = jeu.Plaques;
    d.But = jeu.But;
    return TerminerSortie(sortie, erreurs, o.Tous ? Inventorier(d, o, sortie, erreurs) : Resoudre(d, o, sortie));
}

int TerminerSortie(std::ostream& sortie, std::ostream& erreurs, int code)
{
    sortie.flush();
    if (sortie)
        return code;
    erreurs << "Impossible d'écrire les résultats (sortie pleine ou fermée).\n" << std::flush;
    return 1;
}
