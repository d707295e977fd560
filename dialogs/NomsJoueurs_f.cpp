// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "NomsJoueurs_f.h"

#include "CadreFenetre.h"
#include "CurseurAttente.h"
#include "FichierIniFenetre.h"
#include "Match.h"
#include "PlacementFenetre.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// assez pour un prénom ; la barre d'état dit les deux noms et le score sur 245 pixels
constexpr int LongueurNom = 16;

const std::array<const QString*, 2> ClesNoms{&CleNomJoueur1, &CleNomJoueur2};

// le nom que le match donnera à ce joueur
QString NomEffectif(const QString& tape, int joueur)
{
    return tape.isEmpty() ? QStringLiteral("Joueur %1").arg(joueur + 1) : tape;
}

}  // namespace

TfrmNomsJoueurs::TfrmNomsJoueurs(const std::array<QString, 2>& noms, QWidget* parent) : QDialog(parent, CadreFenetreFixe)
{
    setObjectName(QStringLiteral("TfrmNomsJoueurs"));
    setWindowTitle(QStringLiteral("Match à deux joueurs"));
    auto* colonne = new QVBoxLayout(this);
    auto* explication = new QLabel(QStringLiteral("Le premier annonce le premier à chaque tirage."), this);
    explication->setObjectName(QStringLiteral("LabelExplication"));
    colonne->addWidget(explication);
    auto* formulaire = new QFormLayout();
    for (size_t k = 0; k < 2; ++k) {
        EditNom[k] = new QLineEdit(noms[k], this);
        EditNom[k]->setObjectName(QStringLiteral("EditNom%1").arg(k + 1));
        EditNom[k]->setMaxLength(LongueurNom);
        EditNom[k]->setPlaceholderText(QStringLiteral("Joueur %1").arg(k + 1));
        formulaire->addRow(QStringLiteral("Joueur &%1 :").arg(k + 1), EditNom[k]);
    }
    colonne->addLayout(formulaire);
    LabelErreur = new QLabel(this);
    LabelErreur->setObjectName(QStringLiteral("LabelErreur"));
    LabelErreur->setStyleSheet(QStringLiteral("color: #d00000;"));
    LabelErreur->hide();
    colonne->addWidget(LabelErreur);
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton* commencer = boutons->addButton(QStringLiteral("&Commencer"), QDialogButtonBox::AcceptRole);
    commencer->setObjectName(QStringLiteral("ButtonCommencer"));
    commencer->setDefault(true);
    boutons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("ButtonAnnuler"));
    connect(boutons, &QDialogButtonBox::accepted, this, &TfrmNomsJoueurs::ButtonCommencerClick);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    colonne->addWidget(boutons);
    colonne->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    PlacerADroiteDuParent(*this);
}

std::array<QString, 2> TfrmNomsJoueurs::NomsTapes() const
{
    return {EditNom[0]->text().simplified(), EditNom[1]->text().simplified()};
}

std::array<QString, 2> TfrmNomsJoueurs::Noms() const
{
    const std::array<QString, 2> tapes = NomsTapes();
    return {NomEffectif(tapes[0], 0), NomEffectif(tapes[1], 1)};
}

void TfrmNomsJoueurs::ButtonCommencerClick()
{
    const std::array<QString, 2> noms = Noms();
    // les annonces et le bilan doivent dire qui est qui
    if (noms[0].compare(noms[1], Qt::CaseInsensitive) == 0) {
        LabelErreur->setText(QStringLiteral("Les deux joueurs ont le même nom."));
        LabelErreur->show();
        EditNom[1]->setFocus();
        return;
    }
    accept();
}

std::optional<std::array<std::string, 2>> DemanderNomsJoueurs(TFichierIni& fichier, QWidget* parent)
{
    std::array<QString, 2> lus;
    for (size_t k = 0; k < 2; ++k)
        lus[k] = fichier.LireTexte(SectionOptions, *ClesNoms[k]).value_or(QString()).left(LongueurNom);
    TfrmNomsJoueurs demande(lus, parent);
    if (demande.exec() != QDialog::Accepted)
        return std::nullopt;
    const std::array<QString, 2> tapes = demande.NomsTapes();
    QString raison;
    bool ecrit = true;
    for (size_t k = 0; k < 2 && ecrit; ++k)
        ecrit = tapes[k] == lus[k] ||
                SousCurseurAttente([&] { return fichier.EcrireTexte(SectionOptions, *ClesNoms[k], tapes[k], &raison); });
    // le match se joue quand même, mais pas en silence
    if (!ecrit)
        DireFichierIniNonEcrit(parent, fichier, QStringLiteral("Option non enregistrée"), QStringLiteral("les noms des joueurs"),
                               raison);
    const std::array<QString, 2> noms = demande.Noms();
    return std::array<std::string, 2>{noms[0].toStdString(), noms[1].toStdString()};
}
