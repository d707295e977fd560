// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "EnregistrementMatch.h"

#include "BoiteMessage.h"
#include "CurseurAttente.h"
#include "EnregistrementJeu.h"

#include <QDir>

namespace {

void DireMatchNonEnregistre(QWidget* fenetre, const THistoriqueJeux& historique, const QString& raison)
{
    AfficherMessage(fenetre, QStringLiteral("Match non enregistré"),
                    QStringLiteral("Le match n'a pas pu être gardé dans l'historique \"%1\" : %2.\n"
                                   "Ses jeux contre l'ordinateur comptent quand même dans les statistiques.")
                        .arg(QDir::toNativeSeparators(historique.Chemin()), raison));
}

}  // namespace

std::optional<int64_t> CommencerMatchOuDire(QWidget* fenetre, THistoriqueJeux& historique, const BilanMatch& bilan)
{
    LigneMatch ligne{0, MaintenantUtc(), bilan};
    std::optional<QString> echec;
    {
        const CurseurAttente attente;
        if (historique.Ouvrir() && !historique.LectureSeule())
            echec = historique.AjouterMatch(ligne);
        else if (!historique.LectureSeule())
            echec = historique.Raison();
    }
    DireAvisHistorique(fenetre, historique);
    if (echec) {
        DireMatchNonEnregistre(fenetre, historique, *echec);
        return std::nullopt;
    }
    return ligne.Numero != 0 ? std::optional<int64_t>(ligne.Numero) : std::nullopt;
}

void GarderMatchOuDire(QWidget* fenetre, THistoriqueJeux& historique, int64_t numero, const BilanMatch& bilan)
{
    const LigneMatch ligne{numero, {}, bilan};
    if (const std::optional<QString> echec = SousCurseurAttente([&] { return historique.GarderMatch(ligne); }))
        DireMatchNonEnregistre(fenetre, historique, *echec);
}
