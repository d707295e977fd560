// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LectureJeu.h"

#include "LectureCalcul.h"
#include "MethodeSolution.h"
#include "LimiteTemps.h"
#include "Operations.h"
#include "Partie.h"
#include "Points.h"
#include "Solution.h"

#include <algorithm>
#include <cstdlib>

namespace {

// « 0 point », « 1 point », « 7 points » : le pluriel français commence à deux
std::string Compter(int64_t nombre, const std::string& mot)
{
    return std::to_string(nombre) + " " + mot + (std::llabs(nombre) >= 2 ? "s" : "");
}

// les lignes d'un calcul écrit, dites en mots et séparées par « ; »
std::string LignesEnMots(const std::string& texte)
{
    std::string lignes;
    size_t debut = 0;
    while (debut < texte.size()) {
        size_t fin = texte.find('\n', debut);
        if (fin == std::string::npos)
            fin = texte.size();
        const std::string ligne = LectureLigneCalcul(std::string_view(texte).substr(debut, fin - debut));
        if (!ligne.empty())
            lignes += (lignes.empty() ? "" : " ; ") + ligne;
        debut = fin + 1;
    }
    return lignes;
}

}  // namespace

std::string LectureCompte(int32_t but, bool rouesEnMouvement)
{
    if (rouesEnMouvement)
        return "Compte : tirage en cours";
    return but > 0 ? "Compte : " + std::to_string(but) : "Compte : aucun";
}

std::string LecturePlaques(const SixEntiers& plaques, const std::array<bool, 6>& cachees, uint32_t masqueUtilisees)
{
    std::string liste;
    for (size_t i = 0; i < plaques.size(); ++i) {
        if (cachees[i] || plaques[i] == 0)
            continue;
        if (!liste.empty())
            liste += ", ";
        liste += std::to_string(plaques[i]);
        if (masqueUtilisees & (1u << i))
            liste += " utilisée";
    }
    return "Plaques : " + (liste.empty() ? std::string("aucune") : liste);
}

std::string LectureSolution(const std::string& texte, int32_t courante, int32_t nombre, bool calculDuJoueur,
                            const std::string& methode)
{
    const std::string lignes = LignesEnMots(texte);
    if (calculDuJoueur)
        return "Calcul du joueur : " + (lignes.empty() ? std::string("aucun") : lignes);
    if (nombre <= 0 || lignes.empty())
        return "Solution : aucune";
    return "Solution " + std::to_string(courante + 1) + " sur " + std::to_string(nombre) + " : " + lignes +
           (methode.empty() ? "" : ". Méthode : " + methode + ".");
}

std::string TexteMethodeMontree(const Partie& partie)
{
    if (partie.Phase() != PhaseJeu::Resolu)
        return {};
    const std::optional<Methode> methode = MethodeSolutionCourante(partie.Donnees());
    return methode ? NomMethode(*methode) : std::string();
}

std::string LectureFinSaisie(int32_t but, int32_t meilleurJoueur, bool tempsEcoule)
{
    const std::string points = " : " + Compter(PointsDuJeu(but, meilleurJoueur), "point");
    std::string fin;
    if (meilleurJoueur == Aucun)
        fin = "aucun résultat" + points;
    else if (meilleurJoueur == but)
        fin = "compte trouvé" + points;
    else
        fin = "meilleur résultat " + std::to_string(meilleurJoueur) + ", à " +
              std::to_string(std::llabs(int64_t{meilleurJoueur} - but)) + " du compte" + points;
    return tempsEcoule ? "temps écoulé ; " + fin : fin;
}

LecturesJeu LireJeu(const Partie& partie)
{
    const TListeSolutions& liste = partie.Donnees().ListeSolutions;
    const int32_t courante = partie.SolutionCourante();
    const bool montree = courante >= 0 && courante < liste.Nombre();
    const plq_utl* solution = montree ? liste.Objet(courante) : nullptr;
    // le jeu posé et pas encore résolu : la liste ne tient que le calcul du joueur
    const bool calculDuJoueur = partie.Phase() == PhaseJeu::JeuPose;
    std::string lectureSolution =
        LectureSolution(montree ? liste.Texte(courante) : std::string(), courante, liste.Nombre(), calculDuJoueur,
                        TexteMethodeMontree(partie));
    // la saisie finie, ce qu'elle a donné se dit avec le calcul, quand la fenêtre principale reprend le focus
    if (calculDuJoueur && partie.SaisieFinie())
        lectureSolution += " ; " + LectureFinSaisie(partie.But(), partie.Donnees().MeilleurJoueur,
                                                    partie.SaisieArreteeParLeTemps());
    return {LectureCompte(partie.But(), partie.AnimationEnCours()),
            LecturePlaques(partie.Plaques(), partie.PlaquesCachees(), solution ? solution->MasquePlaques : 0),
            std::move(lectureSolution)};
}

std::string NomBoutonNombre(int indice, int32_t valeur)
{
    return "Plaque " + std::to_string(indice + 1) + " : " + std::to_string(valeur);
}

std::string NomSigne(int operateur)
{
    static const char* const Noms[4] = {"Plus", "Moins", "Multiplié par", "Divisé par"};
    return operateur >= 0 && operateur < 4 ? Noms[operateur] : "";
}

std::string LectureOperation(int32_t premier, int operateur, int32_t second)
{
    if (!EstOperation(operateur))
        return {};
    return LectureLigneCalcul(std::to_string(premier) + SigneOperation[operateur] + std::to_string(second) + "=" +
                              std::to_string(Appliquer(operateur, premier, second)));
}

std::string LectureTemps(const LimiteTemps& limite, int32_t debutChrono, int32_t maintenant)
{
    if (limite.Active())
        return "reste " + Compter(limite.ResteSecondes(maintenant), "seconde");
    return "temps : " + Compter(std::max(0, (maintenant - debutChrono) / 1000), "seconde");
}

std::string LectureEtatSaisie(int32_t but, const std::string& temps, const std::string& texte)
{
    const std::string lignes = LignesEnMots(texte);
    return LectureCompte(but, false) + " ; " + temps + " ; calcul : " + (lignes.empty() ? "aucun" : lignes);
}

std::string LectureCaseComptes(const std::string& premiere, int colonne, const std::string& valeur)
{
    const auto sansBlancs = [](const std::string& texte) {
        const size_t debut = texte.find_first_not_of(' ');
        return debut == std::string::npos ? std::string() : texte.substr(debut, texte.find_last_not_of(' ') - debut + 1);
    };
    const std::string compte = sansBlancs(premiere);
    const std::string rangee = compte == "Tot" ? "Tous les comptes" : "Compte " + compte;
    if (colonne <= 0 || compte.empty())
        return rangee;
    const std::string nom = colonne == 1 ? "total" : std::to_string(colonne) + " plaques";
    return rangee + ", " + nom + " : " + sansBlancs(valeur);
}

std::string LectureAvertissementTemps()
{
    return "Plus que " + Compter(LimiteTemps::SecondesAvertissement, "seconde");
}
