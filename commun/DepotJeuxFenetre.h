// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DepotJeux.h"
#include "FichierIni.h"
#include "HistoriqueJeux.h"

#include <QString>

#include <functional>
#include <memory>

class QWidget;

// les statistiques (varnel.ini) et l'historique du programme à fenêtres, que la séance remplit : chaque écriture
// sous le curseur d'attente, chaque échec dit dans sa boîte (EnregistrementJeu, EnregistrementSerie,
// EnregistrementMatch)
class DepotJeuxFenetre : public DepotJeux {
public:
    // fenetre : parent des boîtes ; jeuxAjoutes : appelé après chaque jeu écrit
    DepotJeuxFenetre(QWidget& fenetre, std::function<void()> jeuxAjoutes);
    ~DepotJeuxFenetre() override;

    // ce varnel.ini, et l'historique de son dossier ; la seule connexion du programme à l'historique
    void Utiliser(const QString& cheminIni);
    // ferme l'historique (une fois, à la fin)
    void Fermer();
    TFichierIni& Fichier() { return *fichier_; }
    const TFichierIni& Fichier() const { return *fichier_; }
    THistoriqueJeux& Historique() { return *historique_; }
    // les jeux qu'un arrêt brutal aurait laissés hors des statistiques
    void AccorderStatistiques();

    OrigineJeu EnregistrerJeu(const JeuFini& jeu, const Serie* serie) override;
    std::vector<ResultatJour> JeuxDuJour() override;
    DebutSerie CommencerSerie(NiveauSerie niveau) override;
    std::optional<int64_t> CommencerMatch(const BilanMatch& bilan) override;
    void GarderMatch(int64_t numero, const BilanMatch& bilan) override;
    std::vector<LigneHistorique> Jeux() override;

private:
    QWidget& fenetre_;
    std::function<void()> jeuxAjoutes_;
    std::unique_ptr<TFichierIni> fichier_;
    std::unique_ptr<THistoriqueJeux> historique_;
};
