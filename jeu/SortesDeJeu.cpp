// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SortesDeJeu.h"

#include "Seance.h"

std::unique_ptr<SorteDeJeu> CreerSorte(const DemandeJeu& d)
{
    switch (d.Sorte) {
    case SorteDemandee::Tirage:
    case SorteDemandee::JeuSuivant: return std::make_unique<SorteTirage>(std::nullopt, std::nullopt);
    case SorteDemandee::TirageAvec: return std::make_unique<SorteTirage>(d.NbGrandes, std::nullopt);
    case SorteDemandee::TirageDeNiveau: return std::make_unique<SorteTirage>(std::nullopt, d.Niveau);
    case SorteDemandee::Propose: return std::make_unique<SorteProposee>();
    case SorteDemandee::Rejoue: return std::make_unique<SorteProposee>(d.Plaques, d.But);
    case SorteDemandee::LigneCommande: return std::make_unique<SorteLigneCommande>(d.Plaques, d.But);
    case SorteDemandee::Serie: return std::make_unique<SorteSerie>(d.Niveau);
    case SorteDemandee::Jour: return std::make_unique<SorteJour>();
    case SorteDemandee::Match:
        if (d.Force)
            return std::make_unique<SorteDeMatch>(*d.Force);
        return std::make_unique<SorteDeMatch>(d.Noms);
    }
    return nullptr;
}

// le jeu attend sa première résolution par le joueur pour être enregistré ; déjà résolu, il l'est maintenant
ApresJeu SorteDeJeu::SaisieFinie(Seance& seance)
{
    seance.EnregistrerJeuFini();
    return {};
}

Etape SorteTirage::Commencer(Seance& seance)
{
    if (niveau_)
        seance.DireStatut(TexteTirageDeNiveau(seance.Jeu().NouveauJeuTireDeNiveau(*niveau_)));
    else
        seance.Jeu().NouveauJeuTire(nbGrandes_);
    return Etape::Animer;
}

Etape SorteProposee::Commencer(Seance& seance)
{
    if (!jeu_) {
        // chaque touche du pavé passe à la partie ; le compte complet pose le jeu
        seance.Jeu().CommencerProposition();
        return Etape::Proposer;
    }
    seance.Jeu().NouveauJeuPropose(jeu_->Plaques, jeu_->But);
    return Etape::Saisir;
}

Etape SorteLigneCommande::Commencer(Seance& seance)
{
    seance.Jeu().NouveauJeuLigneCommande(jeu_.Plaques, jeu_.But);
    seance.Resoudre(OrdreDuSimpleAuTordu);
    return Etape::Rien;
}
