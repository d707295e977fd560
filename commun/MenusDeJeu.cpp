// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenusDeJeu.h"

#include "ChoixSerie.h"

#include <QMenu>

MenusDeJeu CreerMenusDeJeu(QMenu& compte, QAction* avantNiveaux, QAction* apresPropose,
                           const std::function<void(NiveauJeu)>& tirer, const std::function<void(NiveauSerie)>& commencer)
{
    MenusDeJeu menus;
    menus.Niveaux = new QMenu(QString::fromUtf8(TitreMenuTirageDeNiveau), &compte);
    menus.Niveaux->setObjectName(QStringLiteral("MenuTireAuSortDeNiveau"));
    for (const ChoixNiveau& choix : NiveauxATirer) {
        QAction* rubrique = menus.Niveaux->addAction(QString::fromUtf8(choix.Rubrique));
        rubrique->setObjectName(QStringLiteral("RubriqueTireAuSortDeNiveau") + QString::fromUtf8(NomNiveau(choix.Niveau)));
        QObject::connect(rubrique, &QAction::triggered, &compte, [tirer, niveau = choix.Niveau] { tirer(niveau); });
    }
    compte.insertMenu(avantNiveaux, menus.Niveaux);

    menus.Series = new QMenu(QString::fromUtf8(TitreMenuSerie), &compte);
    menus.Series->setObjectName(QStringLiteral("MenuSerie"));
    for (const ChoixSerie& choix : ChoixSeries) {
        QAction* rubrique = menus.Series->addAction(QString::fromUtf8(choix.Rubrique));
        rubrique->setObjectName(QStringLiteral("RubriqueSerie") +
                                QString::fromUtf8(choix.Niveau ? NomNiveau(*choix.Niveau) : "Ordinaire"));
        QObject::connect(rubrique, &QAction::triggered, &compte, [commencer, niveau = choix.Niveau] { commencer(niveau); });
    }
    menus.Series->actions().constFirst()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    menus.Series->addSeparator();
    // une ligne à lire, pas une commande : elle reste grisée
    menus.TempsSerie = menus.Series->addAction(QString());
    menus.TempsSerie->setObjectName(QStringLiteral("RubriqueTempsSerie"));
    menus.TempsSerie->setEnabled(false);
    menus.JeuSuivant = new QAction(QStringLiteral("Jeu s&uivant de la série"), &compte);
    menus.JeuSuivant->setObjectName(QStringLiteral("RubriqueJeuSuivant"));
    menus.JeuSuivant->setShortcuts({QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Return)});
    compte.insertMenu(apresPropose, menus.Series);
    compte.insertAction(apresPropose, menus.JeuSuivant);
    return menus;
}

void AjouterRubriquesMethodes(MenusDeJeu& menus, QMenu& solutions, QAction* apres, QObject& proprietaire)
{
    menus.PasAPas = new QAction(QStringLiteral("P&as à pas"), &proprietaire);
    menus.PasAPas->setObjectName(QStringLiteral("RubriquePasAPas"));
    menus.PasAPas->setShortcut(QKeySequence(Qt::Key_F8));
    menus.Comment = new QAction(QStringLiteral("Co&mment l'aurais-je trouvé ?"), &proprietaire);
    menus.Comment->setObjectName(QStringLiteral("RubriqueComment"));
    const QList<QAction*> rubriques = solutions.actions();
    solutions.insertActions(rubriques.value(rubriques.indexOf(apres) + 1), {menus.PasAPas, menus.Comment});
}
