// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LectureJeu.h"

#include "LectureCalcul.h"
#include "MethodeSolution.h"
#include "Partie.h"
#include "Solution.h"

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

LecturesJeu LireJeu(const Partie& partie)
{
    const TListeSolutions& liste = partie.Donnees().ListeSolutions;
    const int32_t courante = partie.SolutionCourante();
    const bool montree = courante >= 0 && courante < liste.Nombre();
    const plq_utl* solution = montree ? liste.Objet(courante) : nullptr;
    // le jeu posé et pas encore résolu : la liste ne tient que le calcul du joueur
    const bool calculDuJoueur = partie.Phase() == PhaseJeu::JeuPose;
    return {LectureCompte(partie.But(), partie.AnimationEnCours()),
            LecturePlaques(partie.Plaques(), partie.PlaquesCachees(), solution ? solution->MasquePlaques : 0),
            LectureSolution(montree ? liste.Texte(courante) : std::string(), courante, liste.Nombre(), calculDuJoueur,
                            TexteMethodeMontree(partie))};
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
