// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Lancement.h"

#include "ChoixSerie.h"
#include "LigneCommande.h"

namespace {

// « --match [FORCE] » ; la force s'écrit comme pour varnel-calcul --adversaire
Lancement LireMatch(const std::vector<std::string>& arguments)
{
    Lancement lancement;
    std::optional<ForceAdversaire> force = ForceMatchParDefaut;
    if (arguments.size() > 2) {
        lancement.Erreur = "Nombre incorrect d'arguments.";
    } else if (arguments.size() == 2 && !(force = LireForce(arguments[1]))) {
        lancement.Erreur = "Force \"" + arguments[1] + "\" incorrecte (debutant, amateur, confirme, champion ou mesure).";
    }
    if (lancement.Valide())
        lancement.Demande = DemandeJeu::MatchContre(*force);
    else
        lancement.Syntaxe = SyntaxeMatch;
    return lancement;
}

}  // namespace

Lancement LireLancement(const std::vector<std::string>& arguments)
{
    Lancement lancement;
    if (arguments.empty())
        return lancement;
    if (arguments.size() == 1 && arguments.front() == OptionJeuDuJour) {
        lancement.Demande = DemandeJeu(SorteDemandee::Jour);
        return lancement;
    }
    if (arguments.front() == OptionMatch)
        return LireMatch(arguments);
    if (const std::optional<DemandeSerie> serie = LireDemandeSerie(arguments)) {
        if (serie->Valide())
            lancement.Demande = DemandeJeu(SorteDemandee::Serie, serie->Niveau);
        else
            lancement = {std::nullopt, serie->Erreur, SyntaxeSerie};
        return lancement;
    }
    const JeuLigneCommande jeu = LireArguments(arguments);
    if (jeu.Valide())
        lancement.Demande = DemandeJeu(SorteDemandee::LigneCommande, jeu.Plaques, jeu.But);
    else
        lancement = {std::nullopt, jeu.Erreur, SyntaxeLigneCommande};
    return lancement;
}
