// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SaisieCalcul.h"

#include "CalculTape.h"
#include "EtatCalcul.h"
#include "Horloge.h"
#include "ReglesOperation.h"

#include <algorithm>

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
    pas_.clear();
    d_.ListeSolutions.Vider();
    d_.TempsJoueur = 0;
    d_.DebutChrono = Maintenant();
}

// le second nombre ne donne jamais zéro, un négatif ni une fraction
bool SaisieCalcul::SecondAdmissible(int32_t second) const
{
    if (!EstOperation(Operateur))
        return false;
    const RefusOperation refus = RefuserOperation(Operateur, ValeurPremier, second);
    return refus != RefusOperation::NonPositive && refus != RefusOperation::NonEntiere;
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
        pas_.push_back(Photographier());
        IndicePremier = indice;
        ValeurPremier = ValeurBouton[i];
        Pris[i] = true;
        AjouterAuTexte(std::to_string(ValeurPremier));
        EtapeSuivante();
        return ReponseNombre::Avance;
    }

    const int32_t second = ValeurBouton[i];
    if (RefuserOperation(Operateur, ValeurPremier, second) == RefusOperation::Inutile)
        return ReponseNombre::OperationInutile;
    const int32_t resultat = Appliquer(Operateur, ValeurPremier, second);
    // l'opération faite se défait d'un coup : reste à défaire la photographie d'avant son premier nombre
    if (!pas_.empty())
        pas_.pop_back();
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
    d_.MeilleurJoueur = MeilleurResultat(d_.MeilleurJoueur, resultat, d_.But);
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
    pas_.push_back(Photographier());
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

SaisieCalcul::Instantane SaisieCalcul::Photographier() const
{
    Instantane photo{ValeurBouton, BoutonResultat, Pris, NoeudBouton, Etape, Operateur, IndicePremier,
                     ValeurPremier, ValeurSecond, okActif_, d_.EtatJoueur, d_.MeilleurJoueur,
                     d_.SommeJoueur, d_.MaxJoueur, std::nullopt, 0};
    if (!d_.ListeSolutions.Vide()) {
        photo.Texte = d_.ListeSolutions.Texte(0);
        photo.Masque = d_.ListeSolutions.Objet(0)->MasquePlaques;
    }
    return photo;
}

// le temps ne revient pas : le chronomètre n'est pas dans la photographie
bool SaisieCalcul::DefairePas()
{
    if (pas_.empty())
        return false;
    Instantane& photo = pas_.back();
    ValeurBouton = photo.ValeurBouton;
    BoutonResultat = photo.BoutonResultat;
    Pris = photo.Pris;
    NoeudBouton = photo.NoeudBouton;
    Etape = photo.Etape;
    Operateur = photo.Operateur;
    IndicePremier = photo.IndicePremier;
    ValeurPremier = photo.ValeurPremier;
    ValeurSecond = photo.ValeurSecond;
    okActif_ = photo.OkActif;
    d_.EtatJoueur = std::move(photo.EtatJoueur);
    d_.MeilleurJoueur = photo.MeilleurJoueur;
    d_.SommeJoueur = photo.SommeJoueur;
    d_.MaxJoueur = photo.MaxJoueur;
    d_.ListeSolutions.Vider();
    if (photo.Texte) {
        d_.ListeSolutions.Ajouter(std::move(*photo.Texte), std::make_unique<plq_utl>());
        d_.ListeSolutions.Objet(0)->MasquePlaques = photo.Masque;
    }
    pas_.pop_back();
    return true;
}

NombresOfferts SaisieCalcul::NombresLibres() const
{
    NombresOfferts offerts;
    for (size_t i = 0; i < 6; ++i) {
        offerts.Valeur[i] = ValeurBouton[i];
        offerts.Plaques[i] = d_.Plaques[i];
        offerts.Resultat[i] = BoutonResultat[i];
        // un premier nombre choisi sans son opération reste libre : le calcul tapé part d'un pas entier
        offerts.Libre[i] = !Pris[i] || (Etape != 0 && static_cast<int32_t>(i) == IndicePremier);
    }
    return offerts;
}

CalculTape SaisieCalcul::LireCalcul(std::string_view texte) const
{
    return LireCalculTape(texte, NombresLibres(), d_.But);
}

std::string SaisieCalcul::LectureCalcul(const CalculTape& calcul) const
{
    return LectureCalculTape(calcul, d_.But, d_.MeilleurJoueur);
}

ReponseNombre SaisieCalcul::JouerCalcul(const CalculTape& calcul)
{
    if (!calcul.Jouable() || !d_.EtatJoueur)
        return ReponseNombre::Ignore;
    while (Etape != 0 && DefairePas()) {
    }
    ReponseNombre reponse = ReponseNombre::Ignore;
    for (const OperationTapee& operation : calcul.Operations) {
        Nombre(operation.Premier);
        Signe(operation.Operateur);
        reponse = Nombre(operation.Second);
        if (reponse != ReponseNombre::Avance)
            break;
    }
    return reponse;
}
