// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandesJeu.h"

EtatCommandes CommandesDeLaPhase(PhaseJeu phase)
{
    EtatCommandes c;
    switch (phase) {
    case PhaseJeu::AucunJeu: c.Compte = true; break;
    case PhaseJeu::TirageEnCours: break;
    case PhaseJeu::JeuPose:
        c.Compte = true;
        c.Solutions = true;
        break;
    case PhaseJeu::RechercheEnCours: c.Compte = true; break;
    case PhaseJeu::Resolu:
        c.Compte = c.Solutions = c.Utilisant = c.Informations = c.Navigation = true;
        break;
    }
    return c;
}

EtatNavigation NavigationDeLaSolution(int32_t courante, int32_t nombre)
{
    return {courante != 0, courante < nombre - 1};
}
