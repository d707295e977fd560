// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Calcul_f.h"
#include "ExecutionRecherche.h"
#include "Horloge.h"
#include "Main_f.h"
#include "OutilsFenetres.h"

#include <QPushButton>
#include <QTest>

#include <functional>
#include <string>

inline const QString TitreSaisie = QStringLiteral("Saisie du calcul");

// l'horloge du programme tenue à la main le temps d'un essai
struct HorlogeReglee {
    HorlogeReglee() { DefinirHorloge([this] { return maintenant; }); }
    ~HorlogeReglee() { DefinirHorloge({}); }
    int32_t maintenant = 100000;
};

// mène le tirage de la fenêtre pas à pas jusqu'à la saisie, où agit « jouer » (rien : la saisie est fermée) ;
// « lancer » commence le tirage (par défaut « Tiré au sort »)
inline void MenerTirage(TfrmMain& w, const std::function<void(TfrmSaisieCalcul*)>& jouer = {},
                        const std::function<void()>& lancer = {})
{
    GardienModal saisie(
        [&](QWidget* fenetre) {
            if (jouer)
                jouer(qobject_cast<TfrmSaisieCalcul*>(fenetre));
        },
        30000, TitreSaisie);
    if (lancer)
        lancer();
    else
        w.RubriqueCompteTireAuSortClick();
    w.MinuterieAnimation().stop();
    while (!saisie.Vu() && w.Jeu().Tirage().Animation().TempsAnimation < 20000)
        w.TimerAnimationTimer();
    QTRY_VERIFY(saisie.Fini());
}

// le jeu de la fenêtre résolu à part par le moteur, dans cet ordre
inline DonneesRecherche ResoluAPart(const TfrmMain& w, uint8_t ordre)
{
    DonneesRecherche d;
    d.Plaques = w.Donnees().Plaques;
    d.But = w.Donnees().But;
    d.OrdreSolutions = ordre;
    ExecuterRecherche(d);
    return d;
}

// rejoue un calcul du moteur, ligne après ligne, par les boutons de la saisie
inline void RejouerCalcul(TfrmSaisieCalcul* s, const std::string& calcul)
{
    size_t debut = 0;
    while (debut < calcul.size() && s->isVisible()) {
        const size_t fin = calcul.find('\n', debut);
        const std::string ligne = calcul.substr(debut, fin - debut);
        debut = fin + 1;
        const size_t signe = ligne.find_first_of("+-*/");
        auto cliquer = [&](int32_t v) {
            for (int i = 0; i < 6; ++i)
                if (s->BoutonNombre(i)->isEnabled() && s->Modele().Valeur(i) == v) {
                    s->BoutonNombre(i)->click();
                    return;
                }
            QFAIL("nombre introuvable");
        };
        cliquer(std::stoi(ligne.substr(0, signe)));
        s->BoutonSigne(static_cast<int>(std::string("+-*/").find(ligne[signe])))->click();
        cliquer(std::stoi(ligne.substr(signe + 1)));
    }
}
