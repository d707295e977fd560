// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PropositionJeu.h"

#include <cstddef>

std::array<bool, 6> PropositionJeu::PlaquesCachees() const
{
    std::array<bool, 6> cachees{};
    for (std::size_t k = 0; k < cachees.size(); ++k)
        cachees[k] = static_cast<int>(k) >= NbPlaquesSaisies;
    return cachees;
}

int PropositionJeu::EtiquetteDeValeur(int32_t valeur)
{
    return valeur <= 10 ? valeur : EtiquetteGrande25 + valeur / 25 - 1;
}

void PropositionJeu::Commencer()
{
    NbPlaquesSaisies = 0;
    NbChiffresSaisis = 0;
    UtilisationsBouton.fill(0);
    plaques_.fill(0);
    but_ = 0;
}

bool PropositionJeu::Actif(int etiquette) const
{
    if (etiquette < 0 || etiquette > 14 || Complet())
        return false;
    if (NbPlaquesSaisies < 6) {
        // la réserve : deux plaques de chaque valeur de 1 à 10, une de chaque grande
        const int limite = etiquette <= 10 ? 2 : 1;
        return etiquette != 0 && UtilisationsBouton[static_cast<std::size_t>(etiquette)] < limite;
    }
    if (etiquette == 0)
        // un compte ne commence pas par 0, et 1 puis 0 donnerait 100
        return NbChiffresSaisis > 0 && !(NbChiffresSaisis == 2 && but_ / 10 == 10);
    return etiquette <= 9;
}

EffetPave PropositionJeu::Touche(int etiquette)
{
    if (!Actif(etiquette))
        return {};
    if (NbPlaquesSaisies < 6)
        return PoserPlaque(etiquette, etiquette <= 10 ? etiquette : (etiquette - EtiquetteGrande25 + 1) * 25);
    return PoserChiffre(etiquette);
}

EffetPave PropositionJeu::PoserPlaque(int etiquette, int32_t valeur)
{
    EffetPave effet;
    const auto k = static_cast<std::size_t>(NbPlaquesSaisies);
    plaques_[k] = valeur;
    ++NbPlaquesSaisies;
    ++UtilisationsBouton[static_cast<std::size_t>(etiquette)];
    effet.Bande = true;
    if (NbPlaquesSaisies == 6) {
        // l'afficheur du compte passe à 000, prêt pour les chiffres
        but_ = 0;
        effet.But = true;
    }
    return effet;
}

EffetPave PropositionJeu::PoserChiffre(int chiffre)
{
    switch (NbChiffresSaisis) {
    case 0: but_ = but_ % 100 + 100 * chiffre; break;
    case 1: but_ = but_ - 10 * (but_ / 10 % 10) + 10 * chiffre; break;
    default: but_ = 10 * (but_ / 10) + chiffre; break;
    }
    ++NbChiffresSaisis;
    EffetPave effet;
    effet.But = true;
    effet.Complet = Complet();
    return effet;
}

EffetPave PropositionJeu::Retour()
{
    EffetPave effet;
    if (NbPlaquesSaisies == 0 || Complet())
        return effet;
    // les chiffres du compte s'effacent d'abord, puis les plaques, une saisie à la fois
    if (NbChiffresSaisis > 0) {
        if (NbChiffresSaisis == 1)
            but_ = 0;
        else if (NbChiffresSaisis == 2)
            but_ -= but_ % 100;
        --NbChiffresSaisis;
        effet.But = true;
    } else {
        --NbPlaquesSaisies;
        const auto k = static_cast<std::size_t>(NbPlaquesSaisies);
        --UtilisationsBouton[static_cast<std::size_t>(EtiquetteDeValeur(plaques_[k]))];
        plaques_[k] = 0;
        effet.Bande = true;
    }
    return effet;
}
