// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ParcoursCalculs.h"

#include "DonneesRecherche.h"
#include "EcritureCalcul.h"
#include "RechercheCalculs.h"
#include "Solution.h"

void Parcourir(const SixEntiers& plaques, int32_t but, ParcoursCalculs& parcours)
{
    DonneesRecherche d;
    d.Plaques = plaques;
    d.But = but;
    d.ClasserPlaques(ModeClassement::Classe);
    const EtatCalcul racine = NouvelEtat(CreerFeuillesClassees(d.Plaques, d.PlaqueDeRang));
    ParcourirCalculs(d, racine, parcours);
}

std::string EcrireEtatComplet(const EtatCalcul& calcul)
{
    const NoeudCalcul& dernier = calcul.Noeud(calcul.DerniereCase());
    // le masque ne sert qu'à reconnaître deux solutions : l'écriture ne lit que l'arbre
    const plq_utl forme(0, calcul, dernier);
    int32_t somme = 0, maximum = 0;
    return EcrireCalcul(*forme.Arbre, dernier.Valeur, somme, maximum, true);
}
