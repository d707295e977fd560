// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>
#include <QWidget>
#include <QShowEvent>
#include <QWindow>
#include <QtTest/qtestspontaneevent.h>

#include <functional>

// traite la prochaine fenêtre modale qui s'ouvre : l'action s'y applique, puis ce qui reste ouvert
// est fermé ; au bout du délai, on abandonne sans bloquer les tests
class GardienModal : public QObject {
public:
    // titre : ne traiter que la fenêtre de ce titre (vide : la première venue)
    explicit GardienModal(std::function<void(QWidget*)> action, int delaiMs = 5000, QString titre = {})
        : action_(std::move(action)), delai_(delaiMs), titre_(std::move(titre))
    {
        chrono_.start();
        minuterie_.setInterval(5);
        connect(&minuterie_, &QTimer::timeout, this, [this] { Surveiller(); });
        minuterie_.start();
    }

    bool Vu() const { return vu_; }
    bool Fini() const { return fini_; }

private:
    void Surveiller()
    {
        QWidget* modale = QApplication::activeModalWidget();
        if (modale && modale != deja_ && (titre_.isEmpty() || modale->windowTitle() == titre_)) {
            deja_ = modale;
            vu_ = true;
            minuterie_.stop();
            QPointer<QWidget> garde(modale);
            if (action_)
                action_(modale);
            if (garde && garde->isVisible())
                garde->close();
            fini_ = true;
            return;
        }
        if (chrono_.elapsed() > delai_) {
            minuterie_.stop();
            fini_ = true;
        }
    }

    std::function<void(QWidget*)> action_;
    int delai_;
    QString titre_;
    QElapsedTimer chrono_;
    QTimer minuterie_;
    QWidget* deja_ = nullptr;
    bool vu_ = false;
    bool fini_ = false;
};

// ferme une fenêtre comme le ferait sa case de fermeture
inline void FermerParLaCase(QWidget* fenetre)
{
    if (fenetre->windowHandle())
        fenetre->windowHandle()->close();
}

// l'événement que reçoit une fenêtre rendue après avoir été réduite
inline void RendreApresReduction(QWidget* fenetre)
{
    QShowEvent rendue;
    QSpontaneKeyEvent::setSpontaneous(&rendue);
    QApplication::instance()->notify(fenetre, &rendue);
}

// une boîte de message lue puis fermée par OK
struct MessageLu {
    QString titre, texte;
    QMessageBox::Icon icone = QMessageBox::NoIcon;
    int nbBoutons = 0;

    std::function<void(QWidget*)> Lecteur()
    {
        return [this](QWidget* w) {
            if (auto* boite = qobject_cast<QMessageBox*>(w)) {
                titre = boite->windowTitle();
                texte = boite->text();
                icone = boite->icon();
                nbBoutons = static_cast<int>(boite->buttons().size());
                boite->accept();
            }
        };
    }
};

// les contrôles nommés d'un conteneur (les pièces internes de Qt n'ont pas de nom ou commencent par « qt_ »)
inline QList<QWidget*> ControlesNommes(QWidget* conteneur)
{
    QList<QWidget*> controles;
    for (QWidget* w : conteneur->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (!w->isWindow() && !w->isHidden() && !w->objectName().isEmpty() && !w->objectName().startsWith("qt_"))
            controles << w;
    return controles;
}

// la légende d'un contrôle, si elle est plus large que lui
inline bool LegendeCoupee(QWidget* w)
{
    if (auto* bouton = qobject_cast<QPushButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(bouton);
        const int marge = bouton->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, bouton);
        const QString texte = QString(bouton->text()).remove('&');
        return bouton->fontMetrics().horizontalAdvance(texte) + 2 * marge > bouton->width();
    }
    // case ou bouton radio : le texte dans la place que le style laisse à droite de l'indicateur
    if (auto* bouton = qobject_cast<QAbstractButton*>(w); bouton && !bouton->text().isEmpty()) {
        QStyleOptionButton option;
        option.initFrom(bouton);
        option.text = bouton->text();
        const auto element = qobject_cast<QRadioButton*>(bouton) ? QStyle::SE_RadioButtonContents
                                                                 : QStyle::SE_CheckBoxContents;
        const QRect place = bouton->style()->subElementRect(element, &option, bouton);
        return bouton->fontMetrics().horizontalAdvance(QString(bouton->text()).remove('&')) > place.width();
    }
    if (auto* cadre = qobject_cast<QGroupBox*>(w))
        return cadre->fontMetrics().horizontalAdvance(cadre->title()) > cadre->width();
    auto* libelle = qobject_cast<QLabel*>(w);
    if (libelle && !libelle->wordWrap() && libelle->textFormat() != Qt::RichText)
        return libelle->fontMetrics().horizontalAdvance(libelle->text()) > libelle->contentsRect().width();
    return false;
}

// ce qui gâte la disposition d'une fenêtre, contrôle par contrôle et dans chaque cadre : un contrôle qui
// dépasse de la zone client de son conteneur, deux voisins qui se chevauchent, une légende coupée ;
// vide quand la fenêtre est saine
inline QStringList DefautsDisposition(QWidget* conteneur)
{
    QStringList defauts;
    const QList<QWidget*> controles = ControlesNommes(conteneur);
    for (qsizetype i = 0; i < controles.size(); ++i) {
        QWidget* w = controles[i];
        if (!conteneur->rect().contains(w->geometry()))
            defauts << w->objectName() + " dépasse de " + conteneur->objectName();
        for (qsizetype j = i + 1; j < controles.size(); ++j)
            if (w->geometry().intersects(controles[j]->geometry()))
                defauts << w->objectName() + " chevauche " + controles[j]->objectName();
        if (LegendeCoupee(w))
            defauts << w->objectName() + " : légende coupée";
        if (qobject_cast<QGroupBox*>(w))
            defauts << DefautsDisposition(w);
    }
    return defauts;
}
