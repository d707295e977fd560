// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VerifierCalcul.h"

#include "CalculTape.h"
#include "Points.h"
#include "SaisieCalcul.h"

#include <cstdlib>
#include <ostream>

int VerifierCalcul(const std::string& calcul, const JeuLigneCommande& jeu, std::ostream& sortie, std::ostream& erreurs)
{
    DonneesRecherche d;
    d.Plaques = jeu.Plaques;
    d.But = jeu.But;
    // le temps n'entre pas dans ce qui est vérifié
    SaisieCalcul saisie(d, [] { return 0; });
    saisie.Recommencer();
    const CalculTape lu = saisie.LireCalcul(calcul);
    if (!lu.Jouable()) {
        erreurs << "Calcul refusé : " << lu.Refus << ".\n";
        return 2;
    }
    saisie.JouerCalcul(lu);
    sortie << d.ListeSolutions.Texte(0) << "Meilleur=" << d.MeilleurJoueur << '\n'
           << "Ecart=" << std::llabs(int64_t{d.MeilleurJoueur} - d.But) << '\n'
           << "Points=" << PointsDuJeu(d) << '\n';
    return 0;
}
