// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LecteurEcran.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <tuple>
#include <vector>

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

// au plus, le temps que le focus attend au relais : sans lecteur d'écran qui le lise
constexpr int AttenteMaxMs = 1500;
// après que le lecteur d'écran a lu le relais, le temps de finir de le lire
constexpr int ApresLectureMs = 50;

QAccessibleInterface* FabriqueRelais(const QString&, QObject* objet);

// où le focus attend avant de revenir à sa place : un point sans nom, qu'Orca ne dit pas. Le focus revient
// dès qu'Orca l'a lu (il demande alors ses relations, ce que Qt ne fait pas de lui-même) : plus tôt, Orca
// verrait le retour avant l'aller et ne dirait rien ; sur une machine chargée, il lui faut parfois plus
// d'une demi-seconde. Le relais garde aussi le message dit avec l'objet, pour rendre à l'objet sa
// description dès que le focus va ailleurs
class Relais : public QWidget {
public:
    static Relais& De(QWidget& fenetre)
    {
        static const bool installee = [] {
            QAccessible::installFactory(FabriqueRelais);
            return true;
        }();
        (void)installee;
        auto* relais = fenetre.findChild<Relais*>(QStringLiteral("RelaisLecteurEcran"), Qt::FindDirectChildrenOnly);
        return relais ? *relais : *new Relais(fenetre);
    }

    void Aller(QWidget& place)
    {
        place_ = &place;
        setFocus(Qt::OtherFocusReason);
        retour_.start(AttenteMaxMs);
    }

    // le lecteur d'écran vient de lire le relais qui attend : la place peut revenir
    void Lu()
    {
        if (PlaceEnAttente())
            retour_.start(ApresLectureMs);
    }

    // la place que le focus va retrouver, quand il attend ici
    QWidget* PlaceEnAttente() const { return window()->focusWidget() == this ? place_.data() : nullptr; }

    void Decrire(QWidget& objet, const QString& message)
    {
        RendreDescription();
        decrit_ = &objet;
        descriptionGardee_ = objet.accessibleDescription();
        objet.setAccessibleDescription(message);
    }

protected:
    bool event(QEvent* evenement) override
    {
        // un raccourci agit depuis la place rendue ; une touche y est portée
        if (evenement->type() == QEvent::ShortcutOverride)
            Revenir();
        if (evenement->type() == QEvent::KeyPress && place_) {
            const QPointer<QWidget> place = place_;
            Revenir();
            const auto* touche = static_cast<QKeyEvent*>(evenement);
            QKeyEvent copie(QEvent::KeyPress, touche->key(), touche->modifiers(), touche->text(),
                            touche->isAutoRepeat(), static_cast<ushort>(touche->count()));
            if (place)
                QApplication::sendEvent(place, &copie);
            return true;
        }
        return QWidget::event(evenement);
    }

private:
    explicit Relais(QWidget& fenetre) : QWidget(&fenetre)
    {
        setObjectName(QStringLiteral("RelaisLecteurEcran"));
        setGeometry(0, 0, 1, 1);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        show();
        // une seule attente à la fois : un nouvel aller la refait entière
        retour_.setSingleShot(true);
        connect(&retour_, &QTimer::timeout, this, [this] { Revenir(); });
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget* avant, QWidget* apres) {
            if (avant == decrit_ && apres != this)
                RendreDescription();
        });
    }

    void Revenir()
    {
        // la place n'est rendue que si le focus attend encore ici (une autre fenêtre a pu le prendre : la place
        // est alors celle que retrouvera cette fenêtre)
        if (place_ && window()->focusWidget() == this)
            place_->setFocus(Qt::OtherFocusReason);
        place_.clear();
    }

    void RendreDescription()
    {
        if (decrit_)
            decrit_->setAccessibleDescription(descriptionGardee_);
        decrit_.clear();
    }

    QTimer retour_;
    QPointer<QWidget> place_;
    QPointer<QWidget> decrit_;
    QString descriptionGardee_;
};

// le relais tel que le lecteur d'écran le voit
class AccesRelais : public QAccessibleWidget {
public:
    explicit AccesRelais(Relais& relais) : QAccessibleWidget(&relais), relais_(relais) {}
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation quoi) const override
    {
        relais_.Lu();
        return QAccessibleWidget::relations(quoi);
    }

private:
    Relais& relais_;
};

QAccessibleInterface* FabriqueRelais(const QString&, QObject* objet)
{
    auto* relais = dynamic_cast<Relais*>(objet);
    return relais ? new AccesRelais(*relais) : nullptr;
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
    // Tab y mène : le lecteur d'écran lit l'objet qui a le focus
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

void LireParRangees(QWidget& fenetre, const QStringList& colonnes, bool parcourue)
{
    if (QLayout* disposition = fenetre.layout())
        disposition->activate();
    struct Place {
        QLabel* etiquette;
        int milieu, gauche;
    };
    std::vector<Place> places;
    for (QLabel* etiquette : fenetre.findChildren<QLabel*>())
        if (!etiquette->text().isEmpty() && !etiquette->isHidden())
            places.push_back({etiquette, etiquette->mapTo(&fenetre, QPoint(0, etiquette->height() / 2)).y(),
                              etiquette->mapTo(&fenetre, QPoint(0, 0)).x()});
    std::sort(places.begin(), places.end(),
              [](const Place& a, const Place& b) { return std::tie(a.milieu, a.gauche) < std::tie(b.milieu, b.gauche); });
    QWidget* precedente = nullptr;
    for (size_t debut = 0; debut < places.size();) {
        size_t fin = debut + 1;
        while (fin < places.size() && places[fin].milieu - places[debut].milieu <= 4)
            ++fin;
        std::sort(places.begin() + static_cast<std::ptrdiff_t>(debut), places.begin() + static_cast<std::ptrdiff_t>(fin),
                  [](const Place& a, const Place& b) { return a.gauche < b.gauche; });
        const auto texte = [&](size_t i) {
            return places[i].etiquette->text().simplified();
        };
        QString ligne = texte(debut);
        QStringList valeurs;
        for (size_t i = debut + 1; i < fin; ++i)
            valeurs << texte(i);
        if (valeurs.size() > 1 && valeurs.size() == colonnes.size())
            for (qsizetype k = 0; k < valeurs.size(); ++k)
                valeurs[k] = colonnes[k] + QLatin1Char(' ') + valeurs[k];
        if (!valeurs.isEmpty())
            ligne += (ligne.endsWith(QLatin1Char(':')) ? QStringLiteral(" ") : QStringLiteral(" : ")) +
                     valeurs.join(QStringLiteral(", "));
        for (size_t i = debut; i < fin; ++i)
            places[i].etiquette->setAccessibleName(ligne);
        if (parcourue) {
            places[debut].etiquette->setFocusPolicy(Qt::TabFocus);
            if (precedente)
                QWidget::setTabOrder(precedente, places[debut].etiquette);
            precedente = places[debut].etiquette;
        }
        debut = fin;
    }
}

bool EstLaPlace(const QWidget& objet)
{
    QWidget* focus = objet.window()->focusWidget();
    const auto* relais = dynamic_cast<const Relais*>(focus);
    return focus == &objet || (relais && relais->PlaceEnAttente() == &objet);
}

void FaireRelire(QWidget& objet)
{
    QWidget* fenetre = objet.window();
    if (QAccessible::isActive() && fenetre->isActiveWindow() && fenetre->focusWidget() == &objet)
        Relais::De(*fenetre).Aller(objet);
}

void Dire(QWidget& fenetre, const QString& message)
{
    QWidget* place = fenetre.window()->focusWidget();
    if (!place || !fenetre.window()->isActiveWindow() || !QAccessible::isActive())
        return;
    Relais& relais = Relais::De(*fenetre.window());
    // le focus attend déjà au relais : le message est dit quand il revient
    if (QWidget* enAttente = relais.PlaceEnAttente()) {
        relais.Decrire(*enAttente, message);
        return;
    }
    if (place == &relais)
        return;
    relais.Decrire(*place, message);
    relais.Aller(*place);
}
