// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AMaMesure.h"

#include "GenerateurSplitMix.h"
#include "ReflexionOrdinateur.h"

#include <algorithm>
#include <cmath>

MesuresJoueur MesurerJoueur(const std::vector<LigneHistorique>& lignes)
{
    MesuresJoueur mesures;
    for (const ResumeNiveau& r : ResumerParNiveau(lignes)) {
        if (!r.Niveau)
            continue;
        MesureJoueur& m = mesures[static_cast<size_t>(*r.Niveau) - 1];
        m = {*r.Niveau, r.Resume.NbJeux, r.Resume.NbTrouves, r.Resume.MedianeTempsTrouves};
    }
    return mesures;
}

const MesureJoueur& MesureAuNiveau(const MesuresJoueur& mesures, NiveauJeu niveau)
{
    return mesures[static_cast<size_t>(niveau) - 1];
}

std::string TexteMesureInsuffisante(const MesureJoueur& mesure)
{
    return "Moins de " + std::to_string(JeuxPourAMaMesure) + " jeux de niveau " + NomNiveau(mesure.Niveau) +
           " dans l'historique (" + std::to_string(mesure.NbJeux) + ") : l'ordinateur joue « " +
           NomForce(ForceSansMesure) + " ».";
}

AnnonceOrdinateur JouerAMaMesure(const SixEntiers& plaques, int32_t but, const MesureJoueur& mesure, int32_t limiteMs)
{
    GenerateurSplitMix generateur(GraineAdversaire(plaques, but, ForceAdversaire::AMaMesure));
    AnnonceOrdinateur annonce;
    annonce.Force = ForceAdversaire::AMaMesure;
    // deux tirages toujours faits : le second ne dépend pas de l'issue du premier
    const bool trouve = generateur.Reel() * static_cast<double>(mesure.NbJeux) < static_cast<double>(mesure.NbTrouves);
    const double temps = mesure.TempsMedianMs.value_or(0) * (0.75 + 0.5 * generateur.Reel());
    if (trouve && temps <= limiteMs) {
        if (std::optional<CalculProuve> exact = PremierCalculExact(plaques, but)) {
            annonce.Valeur = exact->Valeur;
            annonce.Calcul = std::move(exact->Calcul);
            annonce.TempsMs = static_cast<int32_t>(std::lround(temps));
            return annonce;
        }
    }
    CalculProuve approche = ApprocheLaPlusProche(plaques, but);
    annonce.Valeur = approche.Valeur;
    annonce.Calcul = std::move(approche.Calcul);
    annonce.TempsMs = limiteMs;
    return annonce;
}
