#include "DonneesRecherche.h"

void DonneesRecherche::ViderSolutions()
{
    ListeSolutions.Vider();
    NbSolutions = 0;
    NbSolutionsPlaques.fill(0);
}

void DonneesRecherche::OublierJoueur()
{
    EtatJoueur.reset();
    MeilleurJoueur = SommeJoueur = MaxJoueur = Aucun;
    TempsJoueur = 0;
}
