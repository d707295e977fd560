// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ExecutionRecherche.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

// dossier de travail d'un test, propre au processus : d'autres copies des tests peuvent tourner en même temps
inline std::filesystem::path DossierTemporaire(const std::string& nom)
{
    return std::filesystem::temp_directory_path() / (nom + "-" + std::to_string(::getpid()));
}

// l'export attendu des plaques 1 1 2 2 3 4, dont seul 108 se fait (deux calculs à six plaques) : fichier
// établi et vérifié à la main, rangé sous tests/exports ; tri : « cpt » ou « sol »
inline constexpr const char* JeuExportAttendu = "1-1-2-2-3-4.";
inline std::string ExportAttendu(const std::string& tri)
{
    std::ifstream fichier(std::string(VARNEL_DOSSIER_TESTS) + "/../exports/" + JeuExportAttendu + tri + ".txt",
                          std::ios::binary);
    return {std::istreambuf_iterator<char>(fichier), std::istreambuf_iterator<char>()};
}

// un jeu résolu, prêt à être examiné
inline DonneesRecherche Resoudre(const SixEntiers& plaques, int32_t but, int ordre = 1)
{
    DonneesRecherche d;
    d.Plaques = plaques;
    d.But = but;
    d.OrdreSolutions = static_cast<uint8_t>(ordre);
    ExecuterRecherche(d);
    return d;
}

inline std::vector<std::string> Textes(const DonneesRecherche& d)
{
    std::vector<std::string> textes;
    for (int32_t i = 0; i < d.ListeSolutions.Nombre(); ++i)
        textes.push_back(d.ListeSolutions.Texte(i));
    return textes;
}

// état racine classé des six plaques
inline EtatCalcul Racine(DonneesRecherche& d)
{
    d.ClasserPlaques(ModeClassement::Classe);
    return NouvelEtat(CreerFeuillesClassees(d.Plaques, d.PlaqueDeRang));
}

// case du nœud disponible de valeur v (la première)
inline int CaseDe(const EtatCalcul& e, int32_t v)
{
    for (int8_t k = e.PremierDispo; k != AucunNoeud; k = e.Noeud(k).Suivant)
        if (e.Noeud(k).Valeur == v)
            return k;
    return -1;
}

// applique « a op b » sur les nœuds disponibles de valeurs a et b (a le plus grand)
inline EtatCalcul Jouer(const EtatCalcul& e, int32_t a, int op, int32_t b)
{
    const int ca = CaseDe(e, a);
    int cb = CaseDe(e, b);
    if (cb == ca)
        for (int8_t k = e.Noeud(ca).Suivant; k != AucunNoeud; k = e.Noeud(k).Suivant)
            if (e.Noeud(k).Valeur == b) {
                cb = k;
                break;
            }
    return Deriver(e, op, ca, cb);
}
