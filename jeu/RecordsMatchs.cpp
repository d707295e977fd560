// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordsMatchs.h"

namespace {

// en français, 0 et 1 restent au singulier : « 0 perdu », « 2 gagnés »
std::string Nombre(int n, const char* mot)
{
    return std::to_string(n) + " " + mot + (n > 1 ? "s" : "");
}

}  // namespace

std::vector<ResultatsForce> ResultatsParForce(const std::vector<LigneMatch>& matchs)
{
    std::vector<ResultatsForce> resultats;
    for (const DescriptionForce& d : Forces)
        resultats.push_back({d.Force, 0, 0, 0, {}});
    for (const LigneMatch& m : matchs) {
        const BilanMatch& b = m.Bilan;
        if (!b.Fini || b.Sorte != SorteMatch::ContreOrdinateur || !b.Force)
            continue;
        ResultatsForce& r = resultats[static_cast<size_t>(*b.Force) - 1];
        // le camp 0 est le joueur
        (b.Totaux[0] > b.Totaux[1] ? r.Gagnes : b.Totaux[0] == b.Totaux[1] ? r.Nuls : r.Perdus) += 1;
        r.Dernier = m.DateHeure;
    }
    return resultats;
}

std::vector<LigneRecord> RecordsMatchs(const std::vector<LigneMatch>& matchs)
{
    std::vector<LigneRecord> records;
    for (const ResultatsForce& r : ResultatsParForce(matchs)) {
        LigneRecord ligne{"Matchs contre l'ordinateur", NomForce(r.Force), "-", "", std::nullopt};
        if (!r.Dernier.empty()) {
            ligne.Valeur = Nombre(r.Gagnes, "gagné") + ", " + Nombre(r.Nuls, "nul") + ", " + Nombre(r.Perdus, "perdu");
            ligne.Date = DateLocale(r.Dernier);
        }
        records.push_back(std::move(ligne));
    }
    return records;
}
