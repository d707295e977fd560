// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "EnregistrementSerie.h"

#include "BoiteMessage.h"
#include "CurseurAttente.h"
#include "EnregistrementJeu.h"

#include <QDir>

namespace {

void DireSerieNonEnregistree(QWidget* fenetre, const THistoriqueJeux& historique, const QString& raison)
{
    AfficherMessage(fenetre, QStringLiteral("Série non enregistrée"),
                    QStringLiteral("La série n'a pas pu être gardée dans l'historique \"%1\" : %2.\n"
                                   "Ses jeux comptent quand même dans les statistiques.")
                        .arg(QDir::toNativeSeparators(historique.Chemin()), raison));
}

}  // namespace

SerieCommencee CommencerSerieOuDire(QWidget* fenetre, THistoriqueJeux& historique, NiveauSerie niveau)
{
    SerieCommencee commencee;
    LigneSerie ligne{0, MaintenantUtc(), BilanSerie{niveau, 0, 0, 0, std::nullopt, false}};
    std::optional<QString> echec;
    {
        const CurseurAttente attente;
        if (const std::optional<LigneSerie> meilleure = MeilleureSerie(historique.LireSeries(), niveau))
            commencee.Record = meilleure->Bilan;
        if (historique.Ouvrir() && !historique.LectureSeule())
            echec = historique.AjouterSerie(ligne);
        else if (!historique.LectureSeule())
            echec = historique.Raison();
    }
    DireAvisHistorique(fenetre, historique);
    if (echec)
        DireSerieNonEnregistree(fenetre, historique, *echec);
    else if (ligne.Numero != 0)
        commencee.Numero = ligne.Numero;
    return commencee;
}
