// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LigneCalculTape.h"

#include "Polices.h"
#include "ReglesOperation.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// la plus longue lecture à prévoir : un refus d'opération inutile sur de grands nombres
QString LectureLaPlusLongue()
{
    return QStringLiteral("937500000 * 1 : ") + QString::fromUtf8(TexteOperationInutile);
}

}  // namespace

LigneCalculTape::LigneCalculTape(int largeur, QWidget* parent)
    : QWidget(parent), ligne_(new QLineEdit(this)), lecture_(new QLabel(this))
{
    auto* legende = new QLabel(QStringLiteral("Calcul tapé"), this);
    setObjectName(QStringLiteral("LigneCalculTape"));
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(4, 2, 4, 4);
    disposition->setSpacing(2);

    legende->setObjectName(QStringLiteral("LabelCalculTape"));
    legende->setFont(PolicePixels(QStringLiteral("Comic Sans MS"), 13, true));
    legende->setBuddy(ligne_);

    ligne_->setObjectName(QStringLiteral("EditCalculTape"));
    ligne_->setFont(PolicePixels(QStringLiteral("Comic Sans MS"), 15));
    ligne_->setAccessibleName(QStringLiteral("Calcul tapé"));
    // Tab garde le tour des boutons actifs ; F2 ou un clic mènent à la ligne
    ligne_->setFocusPolicy(Qt::ClickFocus);
    ligne_->setPlaceholderText(QStringLiteral("(75+3)*12-4"));
    ligne_->setToolTip(QStringLiteral("Tout le calcul d'un coup : (75+3)*12-4, ou 75+3=78 78*12=936 ; "
                                      "Entrée le joue (touche F2)"));

    // la lecture garde la hauteur de la plus longue : la fenêtre ne bouge pas à chaque touche
    lecture_->setObjectName(QStringLiteral("LabelLectureCalcul"));
    lecture_->setFont(PolicePixels(QStringLiteral("Comic Sans MS"), 12));
    lecture_->setTextFormat(Qt::PlainText);
    lecture_->setWordWrap(true);
    lecture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const int largeurTexte = largeur - disposition->contentsMargins().left() - disposition->contentsMargins().right();
    lecture_->setFixedHeight(lecture_->fontMetrics()
                                 .boundingRect(QRect(0, 0, largeurTexte, 1000), Qt::TextWordWrap, LectureLaPlusLongue())
                                 .height());

    disposition->addWidget(legende);
    disposition->addWidget(ligne_);
    disposition->addWidget(lecture_);
    setFixedWidth(largeur);
}

QString LigneCalculTape::Texte() const { return ligne_->text(); }

void LigneCalculTape::MontrerLecture(const std::string& lecture)
{
    lecture_->setText(QString::fromStdString(lecture));
}
