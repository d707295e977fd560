// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Serie.h"

#include "Mediane.h"
#include "Points.h"


Serie::Serie(Partie& partie, NiveauSerie niveau, std::optional<BilanSerie> record, std::optional<int64_t> numero)
    : partie_(partie), niveau_(niveau), record_(std::move(record)), numero_(numero),
      tempsLimite_(TempsLimiteDeSerie(partie.TempsLimiteChoisi()))
{
}

void Serie::TirerJeu()
{
    if (niveau_)
        partie_.NouveauJeuTireDeNiveau(*niveau_);
    else
        partie_.NouveauJeuTire();
}

bool Serie::CommencerJeuSuivant()
{
    if (!JeuSuivantPermis())
        return false;
    TirerJeu();
    partie_.LimiterCeJeu(tempsLimite_);
    partie_.LierASerie(numero_);
    jeuEnCours_ = true;
    return true;
}

bool Serie::TerminerJeu(const CrochetsRecherche& crochets)
{
    if (!EnCours() || !jeuEnCours_ || partie_.Origine() != OrigineJeu::TireAuSort || !partie_.SaisieFinie())
        return false;
    if (partie_.Phase() == PhaseJeu::JeuPose)
        partie_.Resoudre(OrdreDuSimpleAuTordu, crochets);
    if (partie_.Phase() != PhaseJeu::Resolu)
        return false;
    const DonneesRecherche& d = partie_.Donnees();
    jeux_.push_back({d.But, d.MeilleurJoueur, d.TempsJoueur, PointsDuJeu(d)});
    jeuEnCours_ = false;
    if (static_cast<int>(jeux_.size()) == JeuxParSerie)
        etat_ = EtatSerie::Finie;
    return true;
}

void Serie::Abandonner()
{
    if (!EnCours())
        return;
    etat_ = EtatSerie::Abandonnee;
    jeuEnCours_ = false;
}

BilanSerie BilanDesJeux(NiveauSerie niveau, const std::vector<JeuDeSerie>& jeux)
{
    BilanSerie bilan{niveau, static_cast<int>(jeux.size()), 0, 0, std::nullopt, static_cast<int>(jeux.size()) >= JeuxParSerie};
    std::vector<int32_t> temps;
    for (const JeuDeSerie& j : jeux) {
        bilan.Points += j.Points;
        if (j.Trouve()) {
            ++bilan.Trouves;
            temps.push_back(j.TempsJoueur);
        }
    }
    bilan.TempsMedian = Mediane(std::move(temps));
    return bilan;
}

JeuDeSerie JeuDeSerieDeLaLigne(const LigneHistorique& ligne)
{
    return {ligne.But, ligne.ResultatJoueur.value_or(Aucun), ligne.TempsJoueur, ligne.Points.value_or(0)};
}

bool BatLeRecord(const BilanSerie& serie, const std::optional<BilanSerie>& record)
{
    return serie.Finie && (!record || serie.Points > record->Points);
}

bool Serie::BatLeRecord() const { return ::BatLeRecord(Bilan(), record_); }

std::string Serie::TexteEtat() const
{
    const int points = Bilan().Points;
    // en français, 0 et 1 point restent au singulier
    return "Série : jeu " + std::to_string(NumeroJeu()) + "/" + std::to_string(JeuxParSerie) + " — " +
           std::to_string(points) + (points > 1 ? " points" : " point");
}
