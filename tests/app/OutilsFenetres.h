// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
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
