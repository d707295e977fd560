// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Niveau.h"

int NoteDuJeu(int plaquesMin, int32_t nbSolutions)
{
    const int rarete = nbSolutions <= 2 ? 2 : nbSolutions < SolutionsSansRarete ? 1 : 0;
    return (plaquesMin - 1) + rarete;
}

NiveauJeu NiveauDeLaNote(int note)
{
    if (note <= 3)
        return NiveauJeu::Facile;
    if (note == 4)
        return NiveauJeu::Moyen;
    if (note <= 6)
        return NiveauJeu::Difficile;
    return NiveauJeu::Expert;
}

MesureNiveau MesurerNiveau(int plaquesMin, int32_t nbSolutions)
{
    return {NiveauDeLaNote(NoteDuJeu(plaquesMin, nbSolutions)), plaquesMin, nbSolutions};
}

MesureNiveau MesurerNiveau(const DonneesRecherche& d)
{
    // sans compte atteint, la liste tient les approches : elles ne font pas un niveau
    if (!d.ButAtteint || d.NbSolutions <= 0)
        return {};
    for (int n = 2; n <= 6; ++n)
        if (d.NbSolutionsPlaques[static_cast<size_t>(n)] > 0)
            return MesurerNiveau(n, d.NbSolutions);
    return {};
}

MesureNiveau MesurerNiveau(const ReleveCompte& releve)
{
    if (releve.NbSolutions <= 0)
        return {};
    return MesurerNiveau(releve.PlaquesMin, releve.NbSolutions);
}

MesureNiveau MesurerNiveau(const SixEntiers& plaques, int32_t but)
{
    return MesurerNiveau(ReleverSolutions(plaques, but, SolutionsSansRarete));
}

std::optional<MesureNiveau> MesurerNiveauAuMoins(const SixEntiers& plaques, int32_t but, NiveauJeu plancher)
{
    // une solution trouvée en cours de route a déjà au moins été comptée : la note ne peut plus que
    // baisser, et le niveau avec elle
    bool tropFacile = false;
    const ReleveCompte releve = ReleverSolutions(plaques, but, SolutionsSansRarete, [&](const ReleveCompte& c) {
        tropFacile = NiveauDeLaNote(NoteDuJeu(c.PlaquesMin, c.NbSolutions)) < plancher;
        return tropFacile;
    });
    if (tropFacile)
        return std::nullopt;
    return MesurerNiveau(releve);
}

std::string TexteNiveau(const MesureNiveau& mesure)
{
    if (mesure.Niveau == NiveauJeu::Impossible)
        return NomNiveau(mesure.Niveau);
    return std::string(NomNiveau(mesure.Niveau)) + " — " + std::to_string(mesure.PlaquesMin) + " plaques au moins, " +
           std::to_string(mesure.NbSolutions) + (mesure.NbSolutions > 1 ? " solutions" : " solution");
}

const char* NomNiveau(NiveauJeu niveau)
{
    switch (niveau) {
    case NiveauJeu::Facile:
        return "Facile";
    case NiveauJeu::Moyen:
        return "Moyen";
    case NiveauJeu::Difficile:
        return "Difficile";
    case NiveauJeu::Expert:
        return "Expert";
    case NiveauJeu::Impossible:
        break;
    }
    return "Impossible";
}
