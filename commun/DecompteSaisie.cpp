// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecompteSaisie.h"

#include <utility>

DecompteSaisie::DecompteSaisie(std::function<bool()> pas) : pas_(std::move(pas))
{
    // au plus une seconde affichée en retard d'un dixième, et la saisie fermée au dixième près
    minuterie_.setInterval(IntervalleMs);
    minuterie_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&minuterie_, &QTimer::timeout, &minuterie_, [this] { Avancer(); });
}

void DecompteSaisie::Commencer(std::function<void()> tempsEcoule)
{
    tempsEcoule_ = std::move(tempsEcoule);
    minuterie_.start();
}

void DecompteSaisie::Arreter()
{
    minuterie_.stop();
    tempsEcoule_ = {};
}

void DecompteSaisie::Avancer()
{
    if (pas_() && tempsEcoule_) {
        minuterie_.stop();
        std::exchange(tempsEcoule_, {})();
    }
}
