// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoiteMessage.h"

#include <QMessageBox>

void AfficherMessage(QWidget* parent, const QString& titre, const QString& texte)
{
    QMessageBox boite(QMessageBox::Warning, titre, texte, QMessageBox::Ok, parent);
    boite.setObjectName(QStringLiteral("BoiteMessage"));
    boite.exec();
}

bool PoserQuestion(QWidget* parent, const QString& titre, const QString& texte)
{
    QMessageBox boite(QMessageBox::Question, titre, texte, QMessageBox::Yes | QMessageBox::No, parent);
    boite.setObjectName(QStringLiteral("BoiteQuestion"));
    boite.setDefaultButton(QMessageBox::No);
    return boite.exec() == QMessageBox::Yes;
}
