// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SorteSerie.h"

#include "Seance.h"

Etape SorteSerie::Commencer(Seance& seance)
{
    const DebutSerie debut = seance.Depot().CommencerSerie(niveau_);
    serie_ = std::make_unique<Serie>(seance.Jeu(), niveau_, debut.Record, debut.Numero);
    return JeuSuivant(seance);
}

Etape SorteSerie::JeuSuivant(Seance& seance)
{
    if (!serie_->CommencerJeuSuivant())
        return Etape::Rien;
    seance.DireStatut(serie_->TexteEtat());
    return Etape::Animer;
}

ApresJeu SorteSerie::SaisieFinie(Seance& seance)
{
    if (!serie_->TerminerJeu(seance.Crochets()))
        return SorteDeJeu::SaisieFinie(seance);
    // le jeu et le bilan de la série qui le compte, ensemble
    seance.EnregistrerJeuFini(serie_.get());
    seance.DireStatut(serie_->TexteEtat());
    if (serie_->Etat() != EtatSerie::Finie)
        return {};
    return {FinDeSerie{serie_->Bilan(), serie_->Record()}};
}

std::optional<QuestionSeance> SorteSerie::QuestionAvantAutreJeu() const
{
    if (!serie_->QuestionAvantAbandon())
        return std::nullopt;
    return QuestionSeance{"Série en cours",
                          serie_->TexteEtat() + ".\nAbandonner la série ? Elle ne comptera pas pour les records."};
}
