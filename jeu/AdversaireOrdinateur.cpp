// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AdversaireOrdinateur.h"

#include "ReflexionOrdinateur.h"

AnnonceOrdinateur AdversaireOrdinateur::Jouer(const SixEntiers& plaques, int32_t but, int32_t limiteMs) const
{
    if (force_ != ForceAdversaire::AMaMesure)
        return Reflechir(plaques, but, force_, limiteMs);
    const MesureJoueur& mesure = MesureAuNiveau(mesures_, MesurerNiveau(plaques, but).Niveau);
    if (mesure.Suffisante())
        return JouerAMaMesure(plaques, but, mesure, limiteMs);
    AnnonceOrdinateur annonce = Reflechir(plaques, but, ForceSansMesure, limiteMs);
    annonce.Avertissement = TexteMesureInsuffisante(mesure);
    return annonce;
}
