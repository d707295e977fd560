// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "IssueTirage.h"

#include "Historique.h"

#include <cstdlib>

namespace {

// « 952, le compte », « 950, à 2 du compte », « pas de calcul » (ou « pas d'annonce » à deux) ; à deux, ce qu'il
// en est de la preuve ; puis les points, 0 et 1 au singulier
std::string Resultat(const CampDuTirage& camp, int32_t but, bool aDeux, std::optional<int32_t> tempsMs)
{
    std::string texte;
    if (!camp.Annonce) {
        texte = aDeux ? "pas d'annonce" : "pas de calcul";
    } else {
        texte = std::to_string(*camp.Annonce);
        const long long ecart = std::llabs(static_cast<long long>(*camp.Annonce) - but);
        texte += ecart == 0 ? ", le compte" : ", à " + std::to_string(ecart) + " du compte";
        if (tempsMs)
            texte += ", en " + DixiemesDeSeconde(*tempsMs) + " s";
        if (aDeux)
            texte += camp.Preuve == true ? ", prouvé" : camp.Preuve == false ? ", non prouvé" : ", pas à prouver";
    }
    return texte + " : " + std::to_string(camp.Points) + (camp.Points > 1 ? " points" : " point");
}

}  // namespace

IssueTirage IssueDuTirage(const Match& match, const std::array<std::vector<std::string>, 2>& calculs)
{
    IssueTirage issue;
    if (match.Tirages().empty())
        return issue;
    const TirageMatch& t = match.Tirages().back();
    const bool aDeux = match.Sorte() == SorteMatch::ADeuxJoueurs;
    issue.Titre = "Match : jeu " + std::to_string(match.NumeroJeu()) + "/" + std::to_string(JeuxParMatch);
    for (size_t c = 0; c < 2; ++c) {
        CampMontre& camp = issue.Camps[c];
        camp.Nom = match.Noms()[c];
        camp.Calcul = calculs[c];
        std::optional<int32_t> temps;
        if (c == 1 && t.Ordinateur) {
            camp.Nom += std::string(" « ") + NomForce(t.Ordinateur->Force) + " »";
            camp.Calcul = t.Ordinateur->Calcul;
            if (t.Ordinateur->Valeur)
                temps = t.Ordinateur->TempsMs;
        }
        camp.Resultat = Resultat(t.Camps[c], t.But, aDeux, temps);
    }
    if (t.Ordinateur)
        issue.Avertissement = t.Ordinateur->Avertissement;
    issue.Etat = match.TexteEtat();
    if (match.Etat() == EtatMatch::Fini)
        issue.Fin = TextesDeFinMatch(match);
    return issue;
}
