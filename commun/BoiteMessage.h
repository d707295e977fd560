// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

// message à l'utilisateur : icône d'exclamation et un seul bouton OK
void AfficherMessage(QWidget* parent, const QString& titre, const QString& texte);
// question à l'utilisateur, Oui ou Non (Non par défaut) ; vrai pour Oui
bool PoserQuestion(QWidget* parent, const QString& titre, const QString& texte);
