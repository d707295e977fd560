// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

// le curseur d'attente le temps d'une portée : un fichier que tient un autre exemplaire du programme fait
// attendre, jamais sans signe
class CurseurAttente {
public:
    CurseurAttente() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CurseurAttente() { QApplication::restoreOverrideCursor(); }
    CurseurAttente(const CurseurAttente&) = delete;
    CurseurAttente& operator=(const CurseurAttente&) = delete;
};

// ce que rend travail, fait sous le curseur d'attente
template <class Travail>
auto SousCurseurAttente(Travail&& travail)
{
    const CurseurAttente attente;
    return travail();
}
