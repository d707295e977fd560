// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DepotJeuxFenetre.h"

#include "CurseurAttente.h"
#include "EnregistrementJeu.h"
#include "EnregistrementMatch.h"
#include "EnregistrementSerie.h"
#include "ResumeJour.h"

DepotJeuxFenetre::DepotJeuxFenetre(QWidget& fenetre, std::function<void()> jeuxAjoutes)
    : fenetre_(fenetre), jeuxAjoutes_(std::move(jeuxAjoutes))
{
}

DepotJeuxFenetre::~DepotJeuxFenetre() = default;

void DepotJeuxFenetre::Utiliser(const QString& cheminIni)
{
    // une connexion à la fois : l'ancienne se ferme avant que la nouvelle s'ouvre
    historique_.reset();
    fichier_ = std::make_unique<TFichierIni>(cheminIni);
    historique_ = std::make_unique<THistoriqueJeux>(fichier_->Dossier());
}

void DepotJeuxFenetre::Fermer()
{
    historique_.reset();
    fichier_.reset();
}

void DepotJeuxFenetre::AccorderStatistiques() { AccorderStatistiquesOuDire(&fenetre_, *fichier_, *historique_); }

// le bilan de la série d'un jeu de série s'écrit avec sa ligne, refait de ses jeux ; l'origine rendue est
// celle que l'historique a écrite (proposé pour un jeu du jour dont la date avait déjà son premier essai)
OrigineJeu DepotJeuxFenetre::EnregistrerJeu(const JeuFini& jeu, const Serie*)
{
    const BilanEnregistrement bilan = EnregistrerJeuFini(&fenetre_, *fichier_, *historique_, jeu);
    if (jeuxAjoutes_)
        jeuxAjoutes_();
    return bilan.Origine;
}

std::vector<ResultatJour> DepotJeuxFenetre::JeuxDuJour()
{
    return JeuxDuJourEnregistres(historique_->Lire(0, nullptr, OrigineJeu::Jour));
}

DebutSerie DepotJeuxFenetre::CommencerSerie(NiveauSerie niveau)
{
    const SerieCommencee commencee = CommencerSerieOuDire(&fenetre_, *historique_, niveau);
    return {commencee.Numero, commencee.Record};
}

std::optional<int64_t> DepotJeuxFenetre::CommencerMatch(const BilanMatch& bilan)
{
    return CommencerMatchOuDire(&fenetre_, *historique_, bilan);
}

void DepotJeuxFenetre::GarderMatch(int64_t numero, const BilanMatch& bilan)
{
    GarderMatchOuDire(&fenetre_, *historique_, numero, bilan);
    if (jeuxAjoutes_)
        jeuxAjoutes_();
}

std::vector<LigneHistorique> DepotJeuxFenetre::Jeux()
{
    return SousCurseurAttente([this] { return historique_->Lire(); });
}
