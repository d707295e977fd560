// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LecteurEcran.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

const char* const ProprieteLisible = "varnel-lisible";

// sans elle, un QWidget peint à la main est un « remplissage » que les lecteurs d'écran sautent
QAccessibleInterface* FabriqueLisible(const QString&, QObject* objet)
{
    auto* dessin = qobject_cast<QWidget*>(objet);
    if (dessin && dessin->property(ProprieteLisible).toBool())
        return new QAccessibleWidget(dessin, QAccessible::StaticText);
    return nullptr;
}

}  // namespace

void RendreLisible(QWidget& dessin)
{
    static const bool installee = [] {
        QAccessible::installFactory(FabriqueLisible);
        return true;
    }();
    (void)installee;
    dessin.setProperty(ProprieteLisible, true);
    // Tab y mène : le lecteur d'écran lit l'objet qui a le focus, et dit les changements de son nom
    dessin.setFocusPolicy(Qt::TabFocus);
}

void PoserLecture(QWidget& objet, const std::string& texte)
{
    const QString lecture = QString::fromStdString(texte);
    if (objet.accessibleName() == lecture)
        return;
    objet.setAccessibleName(lecture);
}

void NommerPourLecteur(QWidget& objet, const QString& nom, const QString& description)
{
    objet.setAccessibleName(nom);
    objet.setAccessibleDescription(description);
}
