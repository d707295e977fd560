#include "Pavnum_f.h"

#include "Polices.h"
#include "ui_Pavnum_f.h"

#include <QKeyEvent>

TfrmPaveNumerique* frmPaveNumerique = nullptr;

namespace {

constexpr int EtiquetteButton25 = 11;

}  // namespace

TfrmPaveNumerique::TfrmPaveNumerique(LienJeuPropose lien, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      ui(std::make_unique<Ui::TfrmPaveNumerique>()), lien_(std::move(lien))
{
    frmPaveNumerique = this;
    ui->setupUi(this);
    setFixedSize(119, 230);
    boutons_ = {ui->Button0, ui->Button1, ui->Button2,  ui->Button3,  ui->Button4,  ui->Button5,  ui->Button6, ui->Button7,
                ui->Button8, ui->Button9, ui->Button10, ui->Button25, ui->Button50, ui->Button75, ui->Button100};
    const QFont police = PolicePixels(QStringLiteral("Comic Sans MS"), 16);
    for (int etiquette = 0; etiquette <= 14; ++etiquette) {
        QPushButton* bouton = Bouton(etiquette);
        bouton->setProperty("Tag", etiquette);
        bouton->setFont(police);
        if (etiquette <= 10)
            connect(bouton, &QPushButton::clicked, this, [this, etiquette] { Button1Click(etiquette); });
        else
            connect(bouton, &QPushButton::clicked, this, [this, etiquette] { Button25Click(etiquette); });
    }
    QFont gras = font();
    gras.setBold(true);
    ui->ButtonRetour->setFont(gras);
    ui->ButtonAnnuler->setFont(gras);
    connect(ui->ButtonRetour, &QPushButton::clicked, this, &TfrmPaveNumerique::ButtonRetourClick);
    connect(ui->ButtonAnnuler, &QPushButton::clicked, this, &QDialog::reject);
    ui->Button0->setEnabled(false);
    ui->ButtonRetour->setEnabled(false);
}

TfrmPaveNumerique::~TfrmPaveNumerique()
{
    if (frmPaveNumerique == this)
        frmPaveNumerique = nullptr;
}

void TfrmPaveNumerique::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    FormShow();
}

void TfrmPaveNumerique::FormShow()
{
    if (parentWidget())
        move(parentWidget()->pos() + QPoint(325, 0));
    NbPlaquesSaisies = 0;
    NbChiffresSaisis = 0;
    UtilisationsBouton.fill(0);
}

void TfrmPaveNumerique::Button1Click(int v)
{
    if (NbPlaquesSaisies < 6) {
        const auto k = static_cast<size_t>(NbPlaquesSaisies);
        lien_.Plaques[k] = v;
        lien_.PlaqueCachee[k] = false;
        ++NbPlaquesSaisies;
        ++UtilisationsBouton[static_cast<size_t>(v)];
        if (NbPlaquesSaisies == 6) {
            lien_.But = 0;
            lien_.RepeindreBut();
        }
        lien_.RepeindreBande();
    } else {
        int32_t& but = lien_.But;
        switch (NbChiffresSaisis) {
        case 0: but = but % 100 + 100 * v; break;
        case 1: but = but - 10 * (but / 10 % 10) + 10 * v; break;
        default: but = 10 * (but / 10) + v; break;
        }
        ++NbChiffresSaisis;
        lien_.RepeindreBut();
    }
    MajBoutonsPave();
}

void TfrmPaveNumerique::Button25Click(int etiquette)
{
    if (NbPlaquesSaisies >= 6)
        return;
    const auto k = static_cast<size_t>(NbPlaquesSaisies);
    lien_.Plaques[k] = (etiquette - EtiquetteButton25 + 1) * 25;
    lien_.PlaqueCachee[k] = false;
    ++NbPlaquesSaisies;
    ++UtilisationsBouton[static_cast<size_t>(etiquette)];
    lien_.RepeindreBande();
    MajBoutonsPave();
}

int TfrmPaveNumerique::EtiquetteDeValeur(int32_t valeur)
{
    return valeur <= 10 ? valeur : EtiquetteButton25 + valeur / 25 - 1;
}

void TfrmPaveNumerique::ButtonRetourClick()
{
    // les chiffres du compte s'effacent d'abord, puis les plaques, une saisie à la fois
    if (NbPlaquesSaisies != 0) {
        if (NbChiffresSaisis > 0) {
            int32_t& but = lien_.But;
            if (NbChiffresSaisis == 1)
                but = 0;
            else if (NbChiffresSaisis == 2)
                but -= but % 100;
            --NbChiffresSaisis;
            lien_.RepeindreBut();
        } else {
            --NbPlaquesSaisies;
            const auto k = static_cast<size_t>(NbPlaquesSaisies);
            --UtilisationsBouton[static_cast<size_t>(EtiquetteDeValeur(lien_.Plaques[k]))];
            lien_.Plaques[k] = 0;
            lien_.PlaqueCachee[k] = true;
            lien_.RepeindreBande();
        }
    }
    MajBoutonsPave();
}

void TfrmPaveNumerique::MajBoutonsPave()
{
    // un compte ne commence pas par 0
    ui->Button0->setEnabled(NbPlaquesSaisies == 6 && NbChiffresSaisis > 0);
    for (int etiquette = 1; etiquette <= 14; ++etiquette) {
        const int limite = etiquette <= 10 ? 2 : 1;
        const bool actif = (NbPlaquesSaisies < 6 && UtilisationsBouton[static_cast<size_t>(etiquette)] < limite) ||
                           (NbPlaquesSaisies == 6 && etiquette <= 9);
        Bouton(etiquette)->setEnabled(actif);
    }
    // 1 puis 0 : un 0 donnerait 100
    if (NbChiffresSaisis == 2 && lien_.But / 10 == 10)
        ui->Button0->setEnabled(false);
    if (NbChiffresSaisis == 3) {
        accept();
        if (lien_.ActiverSolutions)
            lien_.ActiverSolutions();
    }
    ui->ButtonRetour->setEnabled(NbPlaquesSaisies != 0);
}

bool TfrmPaveNumerique::FormKeyPress(QChar c)
{
    QPushButton* bouton = nullptr;
    if (c == QChar(8))
        bouton = ui->ButtonRetour;
    else if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        bouton = Bouton(c.digitValue());
    else if (QStringLiteral("XxDd").contains(c))
        bouton = ui->Button10;
    else if (QStringLiteral("Vv").contains(c))
        bouton = ui->Button25;
    else if (QStringLiteral("Ll").contains(c))
        bouton = ui->Button50;
    else if (QStringLiteral("Ss").contains(c))
        bouton = ui->Button75;
    else if (QStringLiteral("Cc").contains(c))
        bouton = ui->Button100;
    if (!bouton)
        return false;
    if (bouton->isEnabled())
        bouton->click();
    return true;
}

void TfrmPaveNumerique::keyPressEvent(QKeyEvent* evenement)
{
    const QString texte = evenement->key() == Qt::Key_Backspace ? QString(QChar(8)) : evenement->text();
    if (texte.size() == 1 && FormKeyPress(texte.at(0)))
        return;
    QDialog::keyPressEvent(evenement);
}
