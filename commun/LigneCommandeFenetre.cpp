// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LigneCommandeFenetre.h"

#include "BoiteMessage.h"

Lancement LireLancement(const QStringList& arguments)
{
    std::vector<std::string> textes;
    for (const QString& a : arguments)
        textes.push_back(a.toStdString());
    return LireLancement(textes);
}

void DireErreurLancement(QWidget* fenetre, const Lancement& lancement)
{
    AfficherMessage(fenetre, QStringLiteral("Erreur dans les paramètres de la ligne de commande"),
                    QString::fromStdString(lancement.Erreur + '\n' + lancement.Syntaxe));
}
