// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LigneCommandeFenetre.h"

#include "BoiteMessage.h"

namespace {

std::vector<std::string> Textes(const QStringList& arguments)
{
    std::vector<std::string> textes;
    for (const QString& a : arguments)
        textes.push_back(a.toStdString());
    return textes;
}

void DireErreur(QWidget* fenetre, const std::string& erreur, const char* syntaxe)
{
    AfficherMessage(fenetre, QStringLiteral("Erreur dans les paramètres de la ligne de commande"),
                    QString::fromStdString(erreur) + QLatin1Char('\n') + QLatin1String(syntaxe));
}

}  // namespace

std::optional<JeuLigneCommande> LireLigneCommandeOuDire(QWidget* fenetre, const QStringList& arguments)
{
    JeuLigneCommande jeu = LireArguments(Textes(arguments));
    if (jeu.Valide())
        return jeu;
    DireErreur(fenetre, jeu.Erreur, SyntaxeLigneCommande);
    return std::nullopt;
}

bool DemandeJeuDuJour(const QStringList& arguments)
{
    return arguments.size() == 1 && arguments.front() == QLatin1String(OptionJeuDuJour);
}

bool LigneCommandeValide(const QStringList& arguments)
{
    if (arguments.isEmpty() || DemandeJeuDuJour(arguments))
        return true;
    if (const std::optional<DemandeSerie> serie = LireDemandeSerie(Textes(arguments)))
        return serie->Valide();
    return LireArguments(Textes(arguments)).Valide();
}

std::optional<DemandeSerie> LireDemandeSerieOuDire(QWidget* fenetre, const QStringList& arguments)
{
    std::optional<DemandeSerie> demande = LireDemandeSerie(Textes(arguments));
    if (demande && !demande->Valide())
        DireErreur(fenetre, demande->Erreur, SyntaxeSerie);
    return demande;
}
