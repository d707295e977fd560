// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaisieChronometree.h"

#include "Calcul_f.h"
#include "Horloge.h"

SaisieChronometree::SaisieChronometree(Partie& partie, QLabel& panneau, std::function<void()> repeindre, QWidget& fenetre)
    : partie_(partie), decompte_(panneau, partie), repeindre_(std::move(repeindre)), fenetre_(fenetre)
{
}

void SaisieChronometree::Ouvrir()
{
    TfrmSaisieCalcul saisie(partie_.Donnees(), repeindre_, &fenetre_);
    saisie.DonnerLimite(partie_.Limite());
    partie_.SaisieOuverte(HorlogeMs());
    decompte_.Commencer([&saisie] { saisie.FermerAuTempsEcoule(); }, [&saisie] { saisie.AvertirDuTemps(); });
    saisie.exec();
    decompte_.Arreter();
    partie_.JoueurTermine(HorlogeMs());
    // ce qu'a donné la saisie se lit dans la fenêtre principale, qui reprend le focus
    if (repeindre_)
        repeindre_();
}
