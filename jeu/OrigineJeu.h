// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

// d'où vient le jeu : il n'entre dans les statistiques et l'historique que s'il a une origine enregistrée.
// La valeur est celle que gardent l'historique et son export
enum class OrigineJeu : uint8_t {
    Aucune = 0,  // aucun jeu, ou jeu de la ligne de commande
    TireAuSort = 1,
    Propose = 2,
    Jour = 3,  // le jeu du jour, son premier essai fini ce jour-là (les suivants sont des jeux proposés)
    Match = 4,  // un tirage d'un match contre l'ordinateur, la saisie du joueur
};

// une origine enregistrée : son nom dans l'export CSV et son choix dans le filtre de l'historique
struct DescriptionOrigine {
    OrigineJeu Origine;
    const char* Nom;     // « tiré au sort »
    const char* Filtre;  // « tirés au sort »
};

// les origines enregistrées, dans l'ordre du filtre ; une origine nouvelle s'ajoute ici
inline constexpr std::array<DescriptionOrigine, 4> OriginesEnregistrees{{
    {OrigineJeu::TireAuSort, "tiré au sort", "tirés au sort"},
    {OrigineJeu::Propose, "proposé", "proposés"},
    {OrigineJeu::Jour, "jour", "jeux du jour"},
    {OrigineJeu::Match, "match", "jeux de match"},
}};

// le nom d'une origine enregistrée ; vide pour les autres
inline const char* NomOrigine(OrigineJeu origine)
{
    for (const DescriptionOrigine& d : OriginesEnregistrees)
        if (d.Origine == origine)
            return d.Nom;
    return "";
}
