// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LigneCommandeFenetre.h"

#include "BoiteMessage.h"

std::optional<JeuLigneCommande> LireLigneCommandeOuDire(QWidget* fenetre, const QStringList& arguments)
{
    std::vector<std::string> textes;
    for (const QString& a : arguments)
        textes.push_back(a.toStdString());
    JeuLigneCommande jeu = LireArguments(textes);
    if (jeu.Valide())
        return jeu;
    AfficherMessage(fenetre, QStringLiteral("Erreur dans les paramètres de la ligne de commande"),
                    QString::fromStdString(jeu.Erreur) + QLatin1Char('\n') + QLatin1String(SyntaxeLigneCommande));
    return std::nullopt;
}

bool DemandeJeuDuJour(const QStringList& arguments)
{
    return arguments.size() == 1 && arguments.front() == QLatin1String(OptionJeuDuJour);
}
