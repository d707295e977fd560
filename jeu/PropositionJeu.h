// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Plaques.h"

#include <array>
#include <cstdint>

// ce qu'une touche du pavé a changé
struct EffetPave {
    bool Bande = false;    // une plaque posée ou retirée
    bool But = false;      // un chiffre du compte posé ou effacé
    bool Complet = false;  // troisième chiffre : le jeu est prêt
};

// le jeu proposé au pavé : six plaques dans les limites de la réserve, puis les trois chiffres du compte ;
// la saisie tient le jeu qu'elle forme, la partie le lui reprend après chaque touche
class PropositionJeu {
public:

    // étiquettes : 0 à 10 pour les boutons 0 à 10, 11 à 14 pour 25, 50, 75 et 100
    static constexpr int EtiquetteGrande25 = 11;
    static int EtiquetteDeValeur(int32_t valeur);

    void Commencer();  // rien de saisi
    EffetPave Touche(int etiquette);
    EffetPave Retour();  // efface la dernière saisie : un chiffre du compte, sinon une plaque

    bool Actif(int etiquette) const;
    bool RetourActif() const { return NbPlaquesSaisies != 0; }
    bool Complet() const { return NbChiffresSaisis == 3; }

    // le jeu saisi : les cases pas encore saisies sont vides et cachées ; le compte vaut 0 jusqu'au
    // premier chiffre
    const SixEntiers& Plaques() const { return plaques_; }
    std::array<bool, 6> PlaquesCachees() const;
    int32_t But() const { return but_; }

    int NbPlaquesSaisies = 0;
    int NbChiffresSaisis = 0;
    std::array<int, 15> UtilisationsBouton{};  // par étiquette

private:
    EffetPave PoserPlaque(int etiquette, int32_t valeur);
    EffetPave PoserChiffre(int chiffre);

    SixEntiers plaques_{};
    int32_t but_ = 0;
};
