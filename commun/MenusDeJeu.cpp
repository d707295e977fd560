// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenusDeJeu.h"

#include "ChoixSerie.h"

#include <QMenu>
#include <QMenuBar>

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

void AjouterMenuMatch(MenusDeJeu& menus, QMenuBar& barre, QMenu& apres, const std::function<void(const DemandeJeu&)>& demander,
                      const std::function<std::optional<std::array<std::string, 2>>()>& noms)
{
    menus.Match = new QMenu(QStringLiteral("&Match"), &barre);
    menus.Match->setObjectName(QStringLiteral("MenuMatch"));
    QMenu* ordinateur = menus.Match->addMenu(QStringLiteral("&Contre l'ordinateur"));
    ordinateur->setObjectName(QStringLiteral("MenuMatchContreOrdinateur"));
    for (const DescriptionForce& force : Forces) {
        QAction* rubrique = ordinateur->addAction(QString::fromUtf8(force.Rubrique));
        const QString mot = QString::fromUtf8(force.MotCle);
        rubrique->setObjectName(QStringLiteral("RubriqueMatch") + mot.left(1).toUpper() + mot.mid(1));
        QObject::connect(rubrique, &QAction::triggered, menus.Match,
                         [demander, f = force.Force] { demander(DemandeJeu::MatchContre(f)); });
    }
    QAction* deux = menus.Match->addAction(QStringLiteral("À &deux joueurs..."));
    deux->setObjectName(QStringLiteral("RubriqueMatchADeux"));
    QObject::connect(deux, &QAction::triggered, menus.Match, [demander, noms] {
        if (const std::optional<std::array<std::string, 2>> lus = noms())
            demander(DemandeJeu::MatchADeux(*lus));
    });
    const QList<QAction*> titres = barre.actions();
    barre.insertMenu(titres.value(titres.indexOf(apres.menuAction()) + 1), menus.Match);
}
