// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SorteJour.h"

#include "Seance.h"

namespace {

// le seul endroit qui dit si le jeu d'une date est déjà joué
bool DejaJoue(Seance& seance, DateJour date) { return JeuDuJourDejaJoue(seance.Depot().JeuxDuJour(), date); }

}  // namespace

Etape SorteJour::Commencer(Seance& seance)
{
    const DateJour date = seance.Aujourdhui();
    const bool dejaJoue = DejaJoue(seance, date);
    seance.Jeu().NouveauJeuDuJour(GenererJeuDuJour(date), dejaJoue);
    if (dejaJoue)
        seance.DireStatut("Jeu du jour déjà joué : compté comme proposé.");
    return Etape::Animer;
}

ApresJeu SorteJour::SaisieFinie(Seance& seance)
{
    Partie& partie = seance.Jeu();
    const JeuDuJour jeu = *partie.JeuDuJourEnCours();
    // un autre exemplaire du programme a pu le jouer pendant la saisie
    if (partie.Origine() == OrigineJeu::Jour && DejaJoue(seance, jeu.Date))
        partie.JeuDuJourJoueAilleurs();
    const OrigineJeu ecrite = seance.Resoudre(OrdreDuSimpleAuTordu).value_or(partie.Origine());
    return {ResumerJour(seance.Depot().JeuxDuJour(), ResultatDeLEssai(jeu, partie.Donnees()), ecrite != OrigineJeu::Jour,
                        seance.Aujourdhui())};
}
