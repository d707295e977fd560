// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FinMatch.h"

namespace {

// en français, 0 et 1 point restent au singulier
std::string Points(int points) { return std::to_string(points) + (points > 1 ? " points" : " point"); }

}  // namespace

std::string TexteCamp(const std::string& nom, const CampDuTirage& camp)
{
    return nom + " " + (camp.Annonce ? std::to_string(*camp.Annonce) : "-") + (camp.Preuve == false ? " non prouvé" : "") +
           " (" + std::to_string(camp.Points) + ")";
}

std::vector<std::string> TextesFinMatch::Lignes() const
{
    std::vector<std::string> lignes{Adversaires, Totaux};
    lignes.insert(lignes.end(), Tirages.begin(), Tirages.end());
    lignes.push_back(Vainqueur);
    return lignes;
}

TextesFinMatch TextesDeFinMatch(const Match& match)
{
    const std::array<std::string, 2>& noms = match.Noms();
    TextesFinMatch textes;
    if (const std::optional<ForceAdversaire> force = match.Force())
        textes.Adversaires = std::string("Contre l'ordinateur « ") + NomForce(*force) + " »";
    else
        textes.Adversaires = noms[0] + " contre " + noms[1];
    const std::array<int, 2> totaux = match.Totaux();
    textes.Totaux = noms[0] + " " + Points(totaux[0]) + ", " + noms[1] + " " + Points(totaux[1]);
    int numero = 0;
    for (const TirageMatch& t : match.Tirages()) {
        // écrit par ajouts : « "Jeu " + ... » fait croire à g++ 12 à un recouvrement de mémoire (-Wrestrict)
        std::string ligne = "Jeu ";
        ligne += std::to_string(++numero);
        ligne += " : ";
        ligne += std::to_string(t.But);
        ligne += " avec";
        for (const int32_t p : t.Plaques) {
            ligne += ' ';
            ligne += std::to_string(p);
        }
        textes.Tirages.push_back(ligne + " — " + TexteCamp(noms[0], t.Camps[0]) + ", " + TexteCamp(noms[1], t.Camps[1]));
    }
    const std::optional<int> vainqueur = match.Vainqueur();
    textes.Vainqueur = vainqueur ? "Vainqueur : " + noms[static_cast<size_t>(*vainqueur)] : "Match nul";
    return textes;
}
