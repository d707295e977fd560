// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FinSerie.h"

#include "ChoixSerie.h"
#include "Historique.h"
#include "Points.h"


namespace {

std::string SurLeMaximum(int points)
{
    return std::to_string(points) + "/" + std::to_string(PointsMaxParJeu * JeuxParSerie);
}

std::string Verdict(const BilanSerie& serie, const std::optional<BilanSerie>& record)
{
    if (!serie.Finie)
        return "Série abandonnée : elle ne compte pas pour les records.";
    if (!record)
        return "Nouveau record : première série finie à ce niveau.";
    if (BatLeRecord(serie, record))
        return "Nouveau record !";
    const int manque = record->Points - serie.Points;
    if (manque == 0)
        return "Record égalé, pas battu.";
    return "Record non battu : " + std::to_string(manque) + (manque > 1 ? " points de moins." : " point de moins.");
}

}  // namespace

TextesEtiquettes TextesFinSerie(const BilanSerie& serie, const std::optional<BilanSerie>& record)
{
    TextesEtiquettes textes;
    textes.emplace_back("LabelNiveau", NomNiveauSerie(serie.Niveau));
    textes.emplace_back("LabelPoints", SurLeMaximum(serie.Points));
    textes.emplace_back("LabelTrouves", std::to_string(serie.Trouves) + "/" + std::to_string(serie.JeuxJoues));
    textes.emplace_back("LabelTempsMedian", TexteSecondes(serie.TempsMedian));
    textes.emplace_back("LabelRecord", record ? SurLeMaximum(record->Points) : "Aucune");
    textes.emplace_back("LabelVerdict", Verdict(serie, record));
    return textes;
}
