// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "EnregistrementJeu.h"

#include "EnregistrementSolution.h"
#include "FichierIniFenetre.h"
#include "Histo_f.h"

void EnregistrerJeuFini(Partie& partie, TFichierIni& fichier, TfrmHistorique* historiqueOuvert, QWidget* fenetre)
{
    const std::optional<CumulsStat> jeu = partie.MarquerEnregistre();
    if (!jeu)
        return;
    EnregistrerCumulsOuDire(fenetre, fichier, *jeu);
    const int limite = partie.TempsLimite();
    EnregistrerHistorique(fenetre, historiqueOuvert, fichier.Chemin(), partie.Donnees(),
                          static_cast<uint8_t>(partie.Origine()), PositionSolutionJoueur(partie.Donnees()),
                          limite > 0 ? std::optional<int32_t>(limite) : std::nullopt);
}
