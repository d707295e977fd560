// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaisieChronometree.h"

#include "Calcul_f.h"

SaisieChronometree::SaisieChronometree(Seance& seance, BarreEtat& barre, std::function<void()> repeindre,
                                       QWidget& fenetre)
    : seance_(seance), barre_(barre), decompte_([this] {
          const PasDecompte pas = seance_.Decompter();
          barre_.Montrer(seance_.Etat());
          return pas;
      }),
      repeindre_(std::move(repeindre)), fenetre_(fenetre)
{
}

ApresJeu SaisieChronometree::Ouvrir()
{
    TfrmSaisieCalcul saisie(seance_.Jeu().Donnees(), repeindre_, &fenetre_);
    saisie.DonnerLimite(seance_.Jeu().Limite());
    if (const std::string consigne = seance_.ConsigneSaisie(); !consigne.empty())
        saisie.AjouterConsigne(QString::fromStdString(consigne));
    seance_.SaisieOuverte();
    barre_.Montrer(seance_.Etat());
    decompte_.Commencer([&saisie] { saisie.FermerAuTempsEcoule(); }, [&saisie] { saisie.AvertirDuTemps(); });
    saisie.exec();
    decompte_.Arreter();
    return seance_.SaisieFinie();
}
