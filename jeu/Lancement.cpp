// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Lancement.h"

#include "ChoixSerie.h"
#include "LigneCommande.h"

Lancement LireLancement(const std::vector<std::string>& arguments)
{
    Lancement lancement;
    if (arguments.empty())
        return lancement;
    if (arguments.size() == 1 && arguments.front() == OptionJeuDuJour) {
        lancement.Demande = DemandeJeu(SorteDemandee::Jour);
        return lancement;
    }
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
