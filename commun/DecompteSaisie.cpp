// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecompteSaisie.h"

#include "Horloge.h"

#include <QLabel>

#include <algorithm>
#include <utility>

namespace {

QString TexteTempsEcoule(int secondes) { return QStringLiteral("Temps : %1 s").arg(secondes); }

}  // namespace

DecompteSaisie::DecompteSaisie(QLabel& panneau, const Partie& partie) : panneau_(panneau), partie_(partie)
{
    // au plus une seconde affichée en retard d'un dixième, et la saisie fermée au dixième près
    minuterie_.setInterval(IntervalleMs);
    minuterie_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&minuterie_, &QTimer::timeout, &panneau_, [this] { Actualiser(); });
}

void DecompteSaisie::Commencer(std::function<void()> tempsEcoule, std::function<void()> avertir)
{
    tempsEcoule_ = std::move(tempsEcoule);
    avertir_ = std::move(avertir);
    // le chronomètre du joueur ne part qu'à l'affichage de la saisie : d'ici là, 0 s
    if (partie_.Limite().Active())
        Actualiser();
    else
        Montrer(TexteTempsEcoule(0), false);
    minuterie_.start();
}

void DecompteSaisie::Arreter()
{
    minuterie_.stop();
    tempsEcoule_ = {};
    avertir_ = {};
    Montrer(QString(), false);
}

void DecompteSaisie::Actualiser()
{
    const int32_t maintenant = HorlogeMs();
    const LimiteTemps& limite = partie_.Limite();
    if (!limite.Active()) {
        const int32_t secondes = (maintenant - partie_.Donnees().DebutChrono) / 1000;
        Montrer(TexteTempsEcoule(std::max(0, secondes)), false);
        return;
    }
    Montrer(QStringLiteral("Reste : %1 s").arg(limite.ResteSecondes(maintenant)), limite.EnAlerte(maintenant));
    if (limite.Avertir(maintenant) && avertir_)
        std::exchange(avertir_, {})();
    if (limite.Ecoule(maintenant) && tempsEcoule_) {
        minuterie_.stop();
        std::exchange(tempsEcoule_, {})();
    }
}

void DecompteSaisie::Montrer(const QString& texte, bool enAlerte)
{
    panneau_.setText(texte);
    panneau_.setStyleSheet(enAlerte ? QStringLiteral("color: #d00000;") : QString());
}
