// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "IssueTirage_f.h"

#include "CadreFenetre.h"
#include "PlacementFenetre.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

// les opérations comme on les écrit à la main : « 50×19=950 »
QString TexteCalcul(const std::vector<std::string>& calcul)
{
    if (calcul.empty())
        return QStringLiteral("(pas de calcul)");
    QStringList lignes;
    for (const std::string& ligne : calcul)
        lignes << QString::fromStdString(ligne).replace(QLatin1Char('*'), QChar(0x00D7)).replace(QLatin1Char('/'), QChar(0x00F7));
    return lignes.join(QLatin1Char('\n'));
}

}  // namespace

TfrmIssueTirage::TfrmIssueTirage(const IssueTirage& issue, QWidget* parent) : QDialog(parent, CadreFenetreFixe)
{
    setObjectName(QStringLiteral("TfrmIssueTirage"));
    setWindowTitle(QString::fromStdString(issue.Titre));
    auto* colonne = new QVBoxLayout(this);
    auto* camps = new QGridLayout();
    camps->setHorizontalSpacing(24);
    for (int c = 0; c < 2; ++c) {
        const CampMontre& camp = issue.Camps[static_cast<size_t>(c)];
        QLabel* nom = Etiquette(QStringLiteral("LabelNom%1").arg(c + 1), camp.Nom);
        QFont gras = nom->font();
        gras.setBold(true);
        nom->setFont(gras);
        QLabel* calcul = Etiquette(QStringLiteral("LabelCalcul%1").arg(c + 1), {});
        calcul->setText(TexteCalcul(camp.Calcul));
        QLabel* resultat = Etiquette(QStringLiteral("LabelResultat%1").arg(c + 1), camp.Resultat);
        camps->addWidget(nom, 0, c);
        camps->addWidget(calcul, 1, c, Qt::AlignTop);
        camps->addWidget(resultat, 2, c);
    }
    colonne->addLayout(camps);
    if (!issue.Avertissement.empty()) {
        QLabel* avertissement = Etiquette(QStringLiteral("LabelAvertissement"), issue.Avertissement);
        avertissement->setWordWrap(true);
        colonne->addWidget(avertissement);
    }
    colonne->addWidget(Etiquette(QStringLiteral("LabelEtat"), issue.Etat));
    // le bilan vient après la dernière boîte ; sinon, le tirage suivant se demande comme celui d'une série
    if (!issue.Fin)
        colonne->addWidget(Etiquette(QStringLiteral("LabelSuite"), "Entrée ou Ctrl+T : le jeu suivant du match."));
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* fermer = boutons->button(QDialogButtonBox::Close);
    fermer->setObjectName(QStringLiteral("ButtonFermer"));
    fermer->setDefault(true);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::accept);
    colonne->addWidget(boutons);
    colonne->setSizeConstraint(QLayout::SetFixedSize);
    // à côté de la fenêtre principale : la solution reste visible ; la taille d'abord, la place du cadre ensuite
    adjustSize();
    PlacerADroiteDuParent(*this);
}

QLabel* TfrmIssueTirage::Etiquette(const QString& nom, const std::string& texte)
{
    auto* etiquette = new QLabel(QString::fromStdString(texte), this);
    etiquette->setObjectName(nom);
    lignes_ << etiquette;
    return etiquette;
}

void TfrmIssueTirage::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    if (!evenement->spontaneous())
        PlacerADroiteDuParent(*this);
}

QStringList TfrmIssueTirage::Lignes() const
{
    QStringList textes;
    for (const QLabel* ligne : lignes_)
        textes << ligne->text();
    return textes;
}
