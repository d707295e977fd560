// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SaisieCalcul.h"

#include "EtatCalcul.h"
#include "Horloge.h"

#include <algorithm>
#include <cstdlib>

namespace {

long long Distance(int32_t valeur, int32_t but) { return std::llabs(static_cast<long long>(valeur) - but); }

}  // namespace

SaisieCalcul::SaisieCalcul(DonneesRecherche& donnees, std::function<int32_t()> horloge)
    : d_(donnees), horloge_(std::move(horloge))
{
}

int32_t SaisieCalcul::Maintenant() const { return horloge_ ? horloge_() : HorlogeMs(); }

void SaisieCalcul::Recommencer()
{
    d_.ClasserPlaques(ModeClassement::Classe);
    d_.EtatJoueur = NouvelEtat(CreerFeuillesClassees(d_.Plaques, d_.PlaqueDeRang));
    for (size_t i = 0; i < 6; ++i) {
        ValeurBouton[i] = d_.Plaques[i];
        NoeudBouton[i] = d_.RangPlaque[i];
        BoutonResultat[i] = false;
        Pris[i] = false;
    }
    d_.MeilleurJoueur = d_.SommeJoueur = d_.MaxJoueur = Aucun;
    Etape = 0;
    ValeurPremier = ValeurSecond = 0;
    Operateur = 255;
    IndicePremier = -1;
    okActif_ = false;
    d_.ListeSolutions.Vider();
    d_.TempsJoueur = 0;
    d_.DebutChrono = Maintenant();
}

// le second nombre ne donne jamais zéro, un négatif ni une fraction
bool SaisieCalcul::SecondAdmissible(int32_t second) const
{
    switch (Operateur) {
    case OpAddition:
    case OpMultiplication: return true;
    case OpSoustraction: return second < ValeurPremier;
    case OpDivision: return second != 0 && ValeurPremier % second == 0;
    default: return false;
    }
}

bool SaisieCalcul::NombreActif(int indice) const
{
    if (indice < 0 || indice > 5)
        return false;
    const auto i = static_cast<size_t>(indice);
    if (Etape == 1 || Pris[i])
        return false;
    return Etape == 0 || SecondAdmissible(ValeurBouton[i]);
}

void SaisieCalcul::AjouterAuTexte(const std::string& morceau)
{
    TListeSolutions& liste = d_.ListeSolutions;
    if (liste.Vide())
        liste.Ajouter(morceau, std::make_unique<plq_utl>());
    else
        liste.DefinirTexte(0, liste.Texte(0) + morceau);
    // les plaques déjà prises ou fondues dans un résultat sont marquées sous le bandeau
    uint32_t masque = 0;
    for (size_t i = 0; i < 6; ++i)
        if (Pris[i] || BoutonResultat[i])
            masque |= 1u << i;
    liste.Objet(0)->MasquePlaques = masque;
}

ReponseNombre SaisieCalcul::Nombre(int indice)
{
    if (!NombreActif(indice) || !d_.EtatJoueur)
        return ReponseNombre::Ignore;
    const auto i = static_cast<size_t>(indice);
    if (Etape == 0) {
        IndicePremier = indice;
        ValeurPremier = ValeurBouton[i];
        Pris[i] = true;
        AjouterAuTexte(std::to_string(ValeurPremier));
        EtapeSuivante();
        return ReponseNombre::Avance;
    }

    const int32_t second = ValeurBouton[i];
    const int32_t resultat = Appliquer(Operateur, ValeurPremier, second);
    if (resultat == ValeurPremier || resultat == second)
        return ReponseNombre::OperationInutile;
    ValeurSecond = second;
    Pris[i] = true;
    const auto premier = static_cast<size_t>(IndicePremier);
    ValeurBouton[premier] = resultat;
    BoutonResultat[premier] = true;
    Pris[premier] = false;

    // le plus grand opérande d'abord ; à égalité, la plus haute case
    int caseA = NoeudBouton[premier], caseB = NoeudBouton[i];
    if (ValeurSecond > ValeurPremier || (ValeurSecond == ValeurPremier && caseB > caseA))
        std::swap(caseA, caseB);
    d_.EtatJoueur = Deriver(*d_.EtatJoueur, Operateur, caseA, caseB);
    NoeudBouton[premier] = d_.EtatJoueur->DerniereCase();
    d_.SommeJoueur = SommeResultats(*d_.EtatJoueur);
    d_.MaxJoueur = PlusGrandResultatAnterieur(*d_.EtatJoueur);
    if (Distance(resultat, d_.But) < Distance(d_.MeilleurJoueur, d_.But))
        d_.MeilleurJoueur = resultat;
    // Ok quand un seul résultat attend d'être utilisé
    okActif_ = d_.EtatJoueur->NbDispo - d_.EtatJoueur->NbPlaquesLibres == 1;
    AjouterAuTexte(std::to_string(ValeurSecond) + "=" + std::to_string(resultat) + "\n");
    EtapeSuivante();

    const auto libres = std::count(Pris.begin(), Pris.end(), false);
    if (libres == 1 || resultat == d_.But) {
        d_.TempsJoueur = Maintenant() - d_.DebutChrono;
        return ReponseNombre::Terminee;
    }
    return ReponseNombre::Avance;
}

bool SaisieCalcul::Signe(int operateur)
{
    if (Etape != 1 || !EstOperation(operateur))
        return false;
    Operateur = static_cast<uint8_t>(operateur);
    AjouterAuTexte(std::string(1, SigneOperation[operateur]));
    EtapeSuivante();
    return true;
}

bool SaisieCalcul::Valider()
{
    if (!okActif_)
        return false;
    d_.TempsJoueur = Maintenant() - d_.DebutChrono;
    return true;
}

void SaisieCalcul::Annuler() { d_.OublierJoueur(); }
