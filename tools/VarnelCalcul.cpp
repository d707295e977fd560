#include "VarnelCalcul.h"

#include "ExecutionRecherche.h"
#include "LigneCommande.h"
#include "TableTousComptes.h"

#include <ostream>

namespace {

constexpr const char* SyntaxeCalcul =
    "Syntaxe : varnel-calcul [--ordre 1|2] [--details] Plaque1 Plaque2 Plaque3 Plaque4 Plaque5 Plaque6 Resultat";
constexpr const char* SyntaxeTous =
    "          varnel-calcul --tous [--tri compte|solutions] [--details] [--export] Plaque1 ... Plaque6";

constexpr const char* Aide =
    "varnel-calcul : le moteur du Varnel en ligne de commande.\n"
    "varnel-calcul --help écrit cette aide, varnel-calcul --version la version du programme.\n"
    "\n"
    "Résoudre un compte :\n"
    "  varnel-calcul [--ordre 1|2] [--details] Plaque1 Plaque2 Plaque3 Plaque4 Plaque5 Plaque6 Resultat\n"
    "    Écrit le compte rendu de la recherche, puis chaque solution (une ligne par opération)\n"
    "    suivie d'une ligne vide.\n"
    "    --ordre 1   du calcul le plus simple au plus compliqué (par défaut)\n"
    "    --ordre 2   du calcul le plus compliqué au plus simple\n"
    "    --details   ajoute les compteurs de la recherche et les clés de chaque solution\n"
    "\n"
    "Inventaire de tous les comptes de 101 à 999 :\n"
    "  varnel-calcul --tous [--tri compte|solutions] [--details] [--export] Plaque1 ... Plaque6\n"
    "    Écrit le tableau des solutions de chaque compte, par nombre de plaques utilisées.\n"
    "    --tri compte      par compte croissant (par défaut)\n"
    "    --tri solutions   par nombre de solutions décroissant\n"
    "    --export          écrit le tableau dans le fichier <plaques>cpt.txt ou <plaques>sol.txt\n"
    "                      du dossier courant au lieu de la sortie standard\n"
    "    --details         ajoute le nombre d'entrées, de calculs et les étapes de progression\n"
    "\n"
    "Plaques : 1 à 10, 25, 50, 75 ou 100. Compte : de 101 à 999.\n"
    "Codes de sortie : 0 bon, 1 fichier impossible à écrire, 2 arguments incorrects.\n";

struct Options {
    bool Tous = false;
    bool Details = false;
    bool Export = false;
    int Ordre = 1;
    TriComptes Tri = TriComptes::ParCompte;
    bool Aide = false;
    std::vector<std::string> Nombres;
};

int ErreurArguments(std::ostream& erreurs, const std::string& message)
{
    erreurs << message << '\n' << SyntaxeCalcul << '\n' << SyntaxeTous << '\n';
    return 2;
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
    if (!o.Tous && (o.Export || o.Tri != TriComptes::ParCompte))
        return "Les options --tri et --export ne valent qu'avec --tous.";
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
    }
    for (int32_t i = 0; i < d.ListeSolutions.Count(); ++i) {
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
        sortie << "Entrees=" << d.ListeSolutions.Count() << '\n' << "NbPossibilites=" << d.NbPossibilites << '\n';
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
    if (o.Details) {
        sortie << "Progression=";
        EcrireListe(sortie, positions, 0, positions.size());
        sortie << '\n';
    }
    return code;
}

}  // namespace

int ExecuterVarnelCalcul(const std::vector<std::string>& arguments, std::ostream& sortie, std::ostream& erreurs)
{
    Options o;
    const std::string erreurOptions = LireOptions(arguments, o);
    if (o.Aide) {
        sortie << Aide;
        return 0;
    }
    if (!erreurOptions.empty())
        return ErreurArguments(erreurs, erreurOptions);

    const JeuLigneCommande jeu = LireArguments(o.Nombres, !o.Tous);
    if (!jeu.Valide())
        return ErreurArguments(erreurs, jeu.Erreur);

    DonneesRecherche d;
    d.Plaques = jeu.Plaques;
    d.But = jeu.But;
    const int code = o.Tous ? Inventorier(d, o, sortie, erreurs) : Resoudre(d, o, sortie);
    sortie.flush();
    if (!sortie) {
        erreurs << "Impossible d'écrire les résultats.\n";
        return 1;
    }
    return code;
}
