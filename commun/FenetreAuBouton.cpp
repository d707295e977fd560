// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FenetreAuBouton.h"

#include "CadreFenetre.h"
#include "ImagesVarnel.h"
#include "PlacementFenetre.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QToolButton>

FenetreAuBouton::FenetreAuBouton(std::function<bool()> boutonEnfonce, QWidget* parent)
    : QDialog(parent, Qt::Tool | CadreFenetreFixe),
      boutonEnfonce_(std::move(boutonEnfonce))
{
    // avant la création de la fenêtre : sa position est alors celle de son cadre
    PlacerADroiteDuParent(*this);
}

void FenetreAuBouton::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    if (evenement->spontaneous())
        return;
    PlacerADroiteDuParent(*this);
    FormShow();
}

void FenetreAuBouton::closeEvent(QCloseEvent* evenement)
{
    if (!FormCloseQuery()) {
        evenement->ignore();
        return;
    }
    QDialog::closeEvent(evenement);
}

void FenetreAuBouton::reject()
{
    // Échap passe par ici sans événement de fermeture ; la fenêtre qui ne se ferme que par son bouton rend
    // le focus à la fenêtre principale, d'où le clavier la referme
    if (FormCloseQuery())
        QDialog::reject();
    else if (parentWidget())
        parentWidget()->activateWindow();
}

void FenetreAuBouton::MettreEnPageNote(QLabel* note, QLabel* image, const QString& glyphe)
{
    image->setPixmap(ImageSvg(QStringLiteral(":/images/outils/%1.svg").arg(glyphe), QSize(16, 16)));
    const QFontMetrics mesure(note->font());
    const int place = note->width() - image->width();
    QString texte = note->text();
    QString derniere = texte;
    if (mesure.horizontalAdvance(texte) > place) {
        // coupée au dernier blanc qui laisse tenir la première ligne
        qsizetype coupure = texte.lastIndexOf(QLatin1Char(' '), texte.size() - 2);
        while (coupure > 0 && mesure.horizontalAdvance(texte.left(coupure)) > note->width())
            coupure = texte.lastIndexOf(QLatin1Char(' '), coupure - 1);
        if (coupure > 0) {
            derniere = texte.mid(coupure + 1);
            texte = texte.left(coupure) + QLatin1Char('\n') + derniere;
        }
    }
    note->setWordWrap(false);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    note->setText(texte);
    const int lignes = static_cast<int>(texte.count(QLatin1Char('\n'))) + 1;
    note->resize(note->width(), lignes * mesure.lineSpacing());
    image->move(note->x() + mesure.horizontalAdvance(derniere),
                note->y() + (lignes - 1) * mesure.lineSpacing() + (mesure.lineSpacing() - image->height()) / 2);
}

bool BoutonBasculeEnfonce(const QToolButton* bouton) { return bouton && bouton->isChecked(); }

void MontrerAuBouton(QDialog& fenetre, const QToolButton* bouton)
{
    const bool auClavier = !bouton || !bouton->underMouse();
    fenetre.setAttribute(Qt::WA_ShowWithoutActivating, !auClavier);
    fenetre.show();
    if (auClavier)
        fenetre.activateWindow();
}

void ReleverBouton(QToolButton* bouton)
{
    if (bouton)
        bouton->setChecked(false);
}
