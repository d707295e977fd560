// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExecutionRecherche.h"

#include "Horloge.h"

#include <cstdio>

std::string TexteStatut(const DonneesRecherche& d)
{
    char tampon[160];
    std::snprintf(tampon, sizeof tampon, "%lu %scompte(s), %lu calculs en %lu ms.",
                  static_cast<unsigned long>(d.ListeSolutions.Nombre()), d.ButAtteint ? "bon(s) " : "",
                  static_cast<unsigned long>(d.NbPossibilites), static_cast<unsigned long>(d.TempsTotal));
    return tampon;
}

std::string FormaterLibellePlaques(const EtatCalcul& racine)
{
    char tampon[80];
    std::snprintf(tampon, sizeof tampon, "%d-%d-%d-%d-%d-%d.", racine.Noeud(0).Valeur, racine.Noeud(1).Valeur,
                  racine.Noeud(2).Valeur, racine.Noeud(3).Valeur, racine.Noeud(4).Valeur, racine.Noeud(5).Valeur);
    return tampon;
}

void ExecuterRecherche(DonneesRecherche& d, const CrochetsRecherche& crochets)
{
    d.ListeSolutions.Vider();
    d.ClasserPlaques(ModeClassement::Classe);
    if (crochets.AvantRecherche)
        crochets.AvantRecherche();

    d.ButAtteint = false;
    d.NbSolutions = 0;
    d.NbSolutionsPlaques.fill(0);
    d.NbPossibilites = 0;
    d.NbPossibilitesEtape.fill(0);
    d.MeilleurResultat = d.MeilleurBas = d.MeilleurHaut = Aucun;
    if (crochets.Statut)
        crochets.Statut(TexteRechercheEnCours);

    d.EtatRacine = NouvelEtat(CreerFeuillesClassees(d.Plaques, d.PlaqueDeRang));
    d.LibellePlaques = FormaterLibellePlaques(*d.EtatRacine);
    d.NbMeilleursQueJoueur = 0;
    d.DebutChrono = HorlogeMs();
    RechercherCalculs(d, *d.EtatRacine, crochets.ProgressionTousComptes);
    d.TempsTotal = HorlogeMs() - d.DebutChrono;
    d.EtatRacine.reset();

    if (crochets.Statut)
        crochets.Statut(TexteStatut(d));
    d.SolutionCourante = 0;
    if (crochets.ApresRecherche)
        crochets.ApresRecherche();
}

namespace {

// le mode inventaire et le but mis de côté sont rendus quoi qu'il arrive
class ModeInventaire {
public:
    explicit ModeInventaire(DonneesRecherche& d) : d_(d), but_(d.But)
    {
        d_.ModeTousComptes = true;
        d_.But = 0;
    }
    ~ModeInventaire()
    {
        d_.ModeTousComptes = false;
        d_.But = but_;
    }
    ModeInventaire(const ModeInventaire&) = delete;
    ModeInventaire& operator=(const ModeInventaire&) = delete;

private:
    DonneesRecherche& d_;
    int32_t but_;
};

}  // namespace

void ExecuterRechercheTousComptes(DonneesRecherche& d, const CrochetsRecherche& crochets)
{
    for (auto& ligne : d.TableSolutionsComptes)
        ligne.fill(0);
    ModeInventaire mode(d);
    d.OrdreSolutions = OrdreDuSimpleAuTordu;
    ExecuterRecherche(d, crochets);
}

ComptesMarques ComptesAtteignables(const SixEntiers& plaques)
{
    DonneesRecherche d;
    d.Plaques = plaques;
    d.OrdreSolutions = OrdreDuSimpleAuTordu;
    ModeInventaire mode(d);
    d.ClasserPlaques(ModeClassement::Classe);
    const EtatCalcul racine = NouvelEtat(CreerFeuillesClassees(d.Plaques, d.PlaqueDeRang));
    ComptesMarques marques;
    MarquerComptes(d, racine, marques);
    return marques;
}
