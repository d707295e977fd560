// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QString>

// une police des fenêtres d'origine, à sa taille en pixels (les familles sont remplacées par des sosies libres)
inline QFont PolicePixels(const QString& famille, int pixels, bool gras = false)
{
    QFont police(famille);
    police.setPixelSize(pixels);
    police.setBold(gras);
    return police;
}
