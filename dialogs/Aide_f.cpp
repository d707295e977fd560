// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Aide_f.h"

#include "BoiteMessage.h"
#include "CheminAide.h"
#include "Ouverture.h"
#include "PlacementFenetre.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QMoveEvent>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

TfrmAide::TfrmAide(const QString& page, QWidget* parent) : QDialog(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmAide"));
    setWindowTitle(QStringLiteral("Aide du Varnel"));
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 6);
    CreerNavigateur(page);
    CreerBoutons();
    Dimensionner();
}

void TfrmAide::CreerNavigateur(const QString& page)
{
    navigateur_ = new QTextBrowser(this);
    navigateur_->setObjectName(QStringLiteral("Navigateur"));
    // la police des fenêtres de jeu (11 pixels) est trop petite pour une page à lire
    navigateur_->setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    navigateur_->setOpenExternalLinks(true);
    // un curseur que les flèches déplacent : le lecteur d'écran lit la ligne où il arrive
    navigateur_->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    navigateur_->setAccessibleName(QStringLiteral("Aide du Varnel"));
    navigateur_->setSource(QUrl::fromLocalFile(page));
    layout()->addWidget(navigateur_);
}

void TfrmAide::CreerBoutons()
{
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    boutons->setContentsMargins(6, 0, 6, 0);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout()->addWidget(boutons);
}

void TfrmAide::Dimensionner()
{
    // une colonne de lecture à côté de la fenêtre principale, presque toute la hauteur de l'écran ; le cadre
    // de l'aide, inconnu avant son affichage, est d'abord pris égal à celui de la fenêtre principale
    const QWidget* principale = FenetrePrincipale();
    Placer(principale ? BordsDuCadre(*principale) : QMargins());
}

const QWidget* TfrmAide::FenetrePrincipale() const { return parentWidget() ? parentWidget()->window() : nullptr; }

void TfrmAide::Placer(const QMargins& bords)
{
    const QWidget* principale = FenetrePrincipale();
    const QScreen* ecran = principale ? principale->screen() : screen();
    const QRect libre = ecran ? ecran->availableGeometry() : QRect(0, 0, 1024, 768);
    const QRect cadreParent = principale ? principale->frameGeometry() : QRect(libre.topLeft(), QSize(0, 0));
    const QRect cadre = CadreACote(cadreParent, QSize(640, libre.height() * 85 / 100), bords, libre);
    resize(cadre.width() - bords.left() - bords.right(), cadre.height() - bords.top() - bords.bottom());
    // avant la création de la fenêtre, ou son cadre connu : la position est celle du cadre
    move(cadre.topLeft());
}

void TfrmAide::moveEvent(QMoveEvent* evenement)
{
    QDialog::moveEvent(evenement);
    // le gestionnaire de fenêtres vient de poser son cadre, qui peut être plus épais que celui de la fenêtre
    // principale (une poignée de redimensionnement) : la place est refaite une fois avec le vrai cadre
    if (cadreVerifie_ || !isVisible() || frameGeometry() == geometry())
        return;
    cadreVerifie_ = true;
    const QMargins bords = BordsDuCadre(*this);
    const QWidget* principale = FenetrePrincipale();
    if (!principale || bords != BordsDuCadre(*principale))
        Placer(bords);
}

void OuvrirAide(QWidget* parent) { OuvrirAide(parent, QCoreApplication::applicationDirPath()); }

void OuvrirAide(QWidget* parent, const QString& dossierProgramme)
{
    const QString page = CheminAide(dossierProgramme);
    if (page.isEmpty()) {
        const QStringList lieux = EmplacementsAide(dossierProgramme);
        AfficherMessage(parent, QStringLiteral("Aide du Varnel"),
                        QStringLiteral("La page d'aide \"varnel.html\" est introuvable. Elle est cherchée ici :\n")
                            + lieux.join(QLatin1Char('\n')));
        return;
    }
    if (OuvrirAvecLeBureau(QUrl::fromLocalFile(page)))
        return;
    auto* fenetre = parent ? parent->findChild<TfrmAide*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!fenetre)
        fenetre = new TfrmAide(page, parent);
    fenetre->show();
    fenetre->raise();
    fenetre->activateWindow();
}
