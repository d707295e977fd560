// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Apropos_f.h"

#include "CadreFenetre.h"
#include "ImagesVarnel.h"
#include "Ouverture.h"
#include "PlacementFenetre.h"
#include "Polices.h"
#include "ui_Apropos_f.h"

#include <QKeyEvent>
#include <QMouseEvent>

// « Par l'équipe du Varnel, 2026 », chaque caractère rangé un cran plus haut
const QString CreditBrouille = QStringLiteral(u"Qbs!m(\u00earvjqf!ev!Wbsofm-!3137");

// la boîte s'ouvre sur la fenêtre principale, sous sa barre d'outils
constexpr QPoint DecalageAPropos(35, 136);

namespace {

QString Decoder(const QString& brouille)
{
    QString clair = brouille;
    for (QChar& c : clair)
        c = QChar(static_cast<char16_t>(c.unicode() - 1));
    return clair;
}

}  // namespace

const QString& LigneCredit()
{
    static const QString credit = Decoder(CreditBrouille);
    return credit;
}

TfrmAPropos::TfrmAPropos(QWidget* parent)
    : QDialog(parent, Qt::Tool | CadreFenetreFixe),
      ui(std::make_unique<Ui::TfrmAPropos>())
{
    ui->setupUi(this);
    // une ligne de plus sous l'adresse : la licence du programme
    setFixedSize(247, 150);
    PlacerParRapportAuParent(*this, DecalageAPropos);
    ui->LabelTitre->setFont(PolicePixels(QStringLiteral("Comic Sans MS"), 24, true));
    ui->LabelVersion->setFont(PolicePixels(QStringLiteral("Comic Sans MS"), 16));
    ui->Label->setFont(PolicePixels(QStringLiteral("MS Sans Serif"), 11));
    ui->LabelURL->setFont(PolicePixels(QStringLiteral("MS Sans Serif"), 11));
    ui->LabelEmail->setFont(PolicePixels(QStringLiteral("MS Sans Serif"), 11));
    ui->LabelLicence->setFont(PolicePixels(QStringLiteral("MS Sans Serif"), 11));
    ui->BitBtnVu->setFont(PolicePixels(QStringLiteral("Comic Sans MS"), 19));
    ui->Image->setPixmap(ImageSvg(QStringLiteral(":/images/apropos.svg"), QSize(32, 32)));
    ui->BitBtnVu->setIcon(QIcon(ImageSvg(QStringLiteral(":/images/vu.svg"), QSize(32, 16))));
    ui->BitBtnVu->setIconSize(QSize(32, 16));
    // Entrée et Échap ferment la boîte par « Vu »
    connect(ui->BitBtnVu, &QPushButton::clicked, this, &QDialog::accept);
    // les deux liens s'atteignent aussi par Tab et s'ouvrent par Entrée ou Espace
    for (QLabel* lien : {ui->LabelURL, ui->LabelEmail}) {
        lien->installEventFilter(this);
        lien->setFocusPolicy(Qt::TabFocus);
        lien->setAccessibleDescription(QStringLiteral("Lien : Entrée l'ouvre"));
    }
    QWidget::setTabOrder(ui->LabelURL, ui->LabelEmail);
    QWidget::setTabOrder(ui->LabelEmail, ui->BitBtnVu);
}

TfrmAPropos::~TfrmAPropos() = default;

void TfrmAPropos::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    FormShow();
}

void TfrmAPropos::FormShow()
{
    PlacerParRapportAuParent(*this, DecalageAPropos);
    ui->Label->setText(LigneCredit());
    // Entrée ferme la boîte tant que le focus n'est pas allé sur un lien
    ui->BitBtnVu->setFocus(Qt::OtherFocusReason);
}

bool TfrmAPropos::eventFilter(QObject* objet, QEvent* evenement)
{
    const auto* touche = evenement->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(evenement) : nullptr;
    const bool ouvrir = touche && (touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter ||
                                   touche->key() == Qt::Key_Space);
    if (ouvrir || (evenement->type() == QEvent::MouseButtonRelease &&
                   static_cast<QMouseEvent*>(evenement)->button() == Qt::LeftButton)) {
        if (objet == ui->LabelURL) {
            LabelURLClick();
            return true;
        }
        if (objet == ui->LabelEmail) {
            LabelEmailClick();
            return true;
        }
    }
    return QDialog::eventFilter(objet, evenement);
}

void TfrmAPropos::LabelURLClick() { OuvrirAvecLeBureau(QUrl(ui->LabelURL->text())); }

void TfrmAPropos::LabelEmailClick()
{
    OuvrirAvecLeBureau(QUrl(QStringLiteral("mailto:") + ui->LabelEmail->text() + QStringLiteral("?subject=Le varnel")));
}
