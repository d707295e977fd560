// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChoixSerie.h"

#include <algorithm>
#include <cctype>

std::string NomNiveauSerie(NiveauSerie niveau) { return niveau ? NomNiveau(*niveau) : "Tirages ordinaires"; }

std::string TexteTempsSerie(int tempsLimiteChoisi)
{
    const int secondes = TempsLimiteDeSerie(tempsLimiteChoisi);
    return std::to_string(secondes) + " s par jeu" + (tempsLimiteChoisi > 0 ? "" : " (sans limite choisie)");
}

namespace {

bool MemesLettres(const std::string& a, const std::string& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

std::optional<DemandeSerie> LireDemandeSerie(const std::vector<std::string>& arguments)
{
    if (arguments.empty() || arguments[0] != OptionSerie)
        return std::nullopt;
    DemandeSerie demande;
    if (arguments.size() > 2) {
        demande.Erreur = "Nombre incorrect d'arguments.";
    } else if (arguments.size() == 2) {
        const auto choix = std::find_if(NiveauxATirer.begin(), NiveauxATirer.end(), [&](const ChoixNiveau& c) {
            return MemesLettres(arguments[1], NomNiveau(c.Niveau));
        });
        if (choix == NiveauxATirer.end())
            demande.Erreur = "Niveau \"" + arguments[1] + "\" incorrect (Facile, Moyen, Difficile ou Expert).";
        else
            demande.Niveau = choix->Niveau;
    }
    return demande;
}
