// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TirageDeNiveau.h"

#include <algorithm>
#include <cstdlib>

namespace {

// l'écart entre deux niveaux ; un jeu impossible est plus loin que tous les autres
int Ecart(NiveauJeu a, NiveauJeu b)
{
    if (a == NiveauJeu::Impossible || b == NiveauJeu::Impossible)
        return a == b ? 0 : 99;
    return std::abs(static_cast<int>(a) - static_cast<int>(b));
}

}  // namespace

TirageDeNiveau ChercherJeuDeNiveau(NiveauJeu voulu, const SourceJeux& source, int essaisMax, bool jeuPossibleExige)
{
    TirageDeNiveau meilleur;
    meilleur.Voulu = voulu;
    int ecartMeilleur = 0;
    const auto encore = [&](int essai) {
        return essai <= std::max(essaisMax, 1) || (jeuPossibleExige && meilleur.Mesure.Niveau == NiveauJeu::Impossible);
    };
    for (int essai = 1; encore(essai); ++essai) {
        const JeuTire jeu = source();
        // un jeu plus facile que le plancher ne serait pas plus proche que le meilleur déjà trouvé : sa
        // recherche s'arrête dès que c'est sûr, ce qui fait l'essentiel des essais
        const int plancher = essai == 1 ? 1 : std::max(1, static_cast<int>(voulu) - ecartMeilleur + 1);
        const std::optional<MesureNiveau> mesure =
            MesurerNiveauAuMoins(jeu.Plaques, jeu.But, static_cast<NiveauJeu>(plancher));
        meilleur.Essais = essai;
        if (!mesure)
            continue;
        const int ecart = Ecart(mesure->Niveau, voulu);
        if (essai == 1 || ecart < ecartMeilleur) {
            meilleur.Jeu = jeu;
            meilleur.Mesure = *mesure;
            ecartMeilleur = ecart;
        }
        if (ecart == 0)
            break;
    }
    return meilleur;
}

std::string TexteTirageDeNiveau(const TirageDeNiveau& tirage)
{
    const std::string voulu = NomNiveau(tirage.Voulu);
    if (tirage.Atteint())
        return "Jeu " + voulu + ".";
    // court : le panneau de la barre d'état n'a que 245 pixels
    return std::to_string(tirage.Essais) + (tirage.Essais > 1 ? " essais sans " : " essai sans ") + voulu + " : jeu " +
           NomNiveau(tirage.Mesure.Niveau) + ".";
}
