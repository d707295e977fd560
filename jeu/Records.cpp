// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Records.h"

#include "ChoixSerie.h"
#include "Points.h"

std::optional<LigneSerie> MeilleureSerie(const std::vector<LigneSerie>& series, NiveauSerie niveau)
{
    std::optional<LigneSerie> meilleure;
    for (const LigneSerie& s : series)
        if (s.Bilan.Niveau == niveau && BatLeRecord(s.Bilan, meilleure ? std::optional(meilleure->Bilan) : std::nullopt))
            meilleure = s;
    return meilleure;
}

bool CompteAuxRecords(const LigneHistorique& l) { return l.Origine != OrigineJeu::Propose; }

SuiteTrouves PlusLongueSuite(const std::vector<LigneHistorique>& lignes)
{
    SuiteTrouves meilleure;
    SuiteTrouves courante;
    for (const LigneHistorique& l : lignes) {
        if (!CompteAuxRecords(l))
            continue;
        if (!l.TrouveParLeJoueur()) {
            courante = {};
            continue;
        }
        if (courante.Longueur++ == 0)
            courante.Debut = l.DateHeure;
        courante.Fin = l.DateHeure;
        if (courante.Longueur > meilleure.Longueur)
            meilleure = courante;
    }
    return meilleure;
}

PlusRapidesParNiveau PlusRapides(const std::vector<LigneHistorique>& lignes)
{
    PlusRapidesParNiveau plusRapides{};
    for (const LigneHistorique& l : lignes) {
        if (!l.Niveau || !CompteAuxRecords(l) || !l.TrouveParLeJoueur() || !l.TempsPris())
            continue;
        const LigneHistorique*& record = plusRapides[static_cast<size_t>(*l.Niveau)];
        if (!record || l.TempsJoueur < record->TempsJoueur)
            record = &l;
    }
    return plusRapides;
}

std::vector<LigneRecord> Records(const std::vector<LigneSerie>& series, const std::vector<LigneHistorique>& lignes)
{
    std::vector<LigneRecord> records;
    for (const ChoixSerie& choix : ChoixSeries) {
        LigneRecord r{"Meilleure série finie", NomNiveauSerie(choix.Niveau), "-", "", std::nullopt};
        if (const std::optional<LigneSerie> s = MeilleureSerie(series, choix.Niveau)) {
            r.Valeur = std::to_string(s->Bilan.Points) + "/" + std::to_string(PointsMaxParJeu * JeuxParSerie) + ", " +
                       std::to_string(s->Bilan.Trouves) + (s->Bilan.Trouves > 1 ? " trouvés" : " trouvé");
            r.Date = DateLocale(s->DateHeure);
        }
        records.push_back(std::move(r));
    }
    const SuiteTrouves suite = PlusLongueSuite(lignes);
    LigneRecord r{"Comptes trouvés d'affilée", "", "-", "", std::nullopt};
    if (suite.Longueur > 0) {
        r.Valeur = std::to_string(suite.Longueur) + (suite.Longueur > 1 ? " jeux" : " jeu");
        r.Date = DateLocale(suite.Fin);
    }
    records.push_back(std::move(r));
    // un jeu impossible n'a pas de compte à trouver
    const PlusRapidesParNiveau plusRapides = PlusRapides(lignes);
    for (const ChoixNiveau& choix : NiveauxATirer) {
        LigneRecord plusVite{"Compte trouvé le plus vite", NomNiveau(choix.Niveau), "-", "", std::nullopt};
        if (const LigneHistorique* jeu = plusRapides[static_cast<size_t>(choix.Niveau)]) {
            plusVite.Jeu = *jeu;
            plusVite.Valeur = TexteTempsSecondes(*plusVite.Jeu) + " s — " + TextePlaques(*plusVite.Jeu) + " : " +
                              std::to_string(plusVite.Jeu->But);
            plusVite.Date = DateLocale(plusVite.Jeu->DateHeure);
        }
        records.push_back(std::move(plusVite));
    }
    return records;
}
