// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "InfoSolutions.h"

#include "MethodeSolution.h"
#include "Niveau.h"
#include "Points.h"

TextesEtiquettes TextesInfoSolutions(const DonneesRecherche& d, int32_t positionJoueur)
{
    using std::to_string;
    TextesEtiquettes textes;
    textes.emplace_back("LabelTpsTotal", to_string(d.TempsTotal));
    textes.emplace_back("LabelTpsPrmSol", to_string(d.TempsPremiereSolution));
    if (d.OrdreSolutions == OrdreDuSimpleAuTordu)
        textes.emplace_back("LabelOrdre", "Du plus simple au plus tordu");
    else if (d.OrdreSolutions == OrdreDuTorduAuSimple)
        textes.emplace_back("LabelOrdre", "Du plus tordu au plus simple");

    // après l'inventaire de tous les comptes, aucun meilleur résultat n'est posé, et il n'y a pas un jeu
    // dont dire le niveau ni les points
    if (d.MeilleurResultat == Aucun) {
        textes.emplace_back("LabelBut", "Tous");
        textes.emplace_back("LabelMeilleursRes", "-");
        textes.emplace_back("LabelNiveau", "-");
        textes.emplace_back("LabelPoints", "-");
        textes.emplace_back("LabelMethode", "-");
    } else {
        const std::optional<Methode> methode = MethodeSolutionCourante(d);
        textes.emplace_back("LabelMethode", methode ? NomMethode(*methode) : "-");
        textes.emplace_back("LabelNiveau", TexteNiveau(MesurerNiveau(d)));
        textes.emplace_back("LabelPoints", to_string(PointsDuJeu(d)));
        textes.emplace_back("LabelBut", to_string(d.But));
        std::string meilleurs;
        if (d.MeilleurResultat == d.But)
            meilleurs = to_string(d.But);
        else if (d.MeilleurBas == d.MeilleurHaut)
            meilleurs = to_string(d.MeilleurResultat);
        else
            meilleurs = to_string(d.MeilleurBas) + ", " + to_string(d.MeilleurHaut);
        textes.emplace_back("LabelMeilleursRes", meilleurs);
    }

    if (d.MeilleurJoueur == Aucun) {
        textes.emplace_back("LabelTpsSaisie", "-");
        textes.emplace_back("LabelPosSolM", "-");
        textes.emplace_back("LabelPosPossM", "-");
    } else {
        textes.emplace_back("LabelTpsSaisie", to_string(d.TempsJoueur));
        const std::optional<int64_t> placeSolutions = PlaceParmiSolutions(d, positionJoueur);
        textes.emplace_back("LabelPosSolM", placeSolutions ? to_string(*placeSolutions) + "/" + to_string(d.NbSolutions)
                                                           : std::string("-"));
        textes.emplace_back("LabelPosPossM", to_string(*PlaceParmiCalculs(d)) + "/" + to_string(d.NbPossibilites));
    }

    textes.emplace_back("LabelNbCalculs", to_string(d.NbPossibilites));
    textes.emplace_back("LabelNbSolutions", to_string(d.NbSolutions));
    for (size_t n = 2; n <= 6; ++n)
        textes.emplace_back("LabelNbSol" + to_string(n) + "Plq", to_string(d.NbSolutionsPlaques[n]));
    return textes;
}

std::optional<int64_t> PlaceParmiSolutions(const DonneesRecherche& d, int32_t positionJoueur)
{
    if (d.MeilleurJoueur == Aucun || d.MeilleurJoueur != d.But)
        return std::nullopt;
    return int64_t{positionJoueur} + 1;
}

std::optional<int64_t> PlaceParmiCalculs(const DonneesRecherche& d)
{
    if (d.MeilleurJoueur == Aucun)
        return std::nullopt;
    return int64_t{d.NbMeilleursQueJoueur} + 1;
}

std::string TextePossibilitesParPlaques(const DonneesRecherche& d)
{
    std::string texte;
    for (size_t i = 0; i < d.NbPossibilitesEtape.size(); ++i) {
        if (i != 0)
            texte += ' ';
        texte += std::to_string(i + 2) + ':' + std::to_string(d.NbPossibilitesEtape[i]);
    }
    return texte;
}
