// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Ouverture.h"

#include <QDesktopServices>

namespace {

bool OuvertureDuBureau(const QUrl& adresse) { return QDesktopServices::openUrl(adresse); }

std::function<bool(const QUrl&)>& Ouverture()
{
    static std::function<bool(const QUrl&)> ouverture = OuvertureDuBureau;
    return ouverture;
}

}  // namespace

bool OuvrirAvecLeBureau(const QUrl& adresse) { return Ouverture()(adresse); }

void RemplacerOuverture(std::function<bool(const QUrl&)> ouverture)
{
    Ouverture() = ouverture ? std::move(ouverture) : OuvertureDuBureau;
}
