// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TfrmAPropos;
}

// le texte brouillé tel qu'il est rangé dans le programme (chaque caractère décalé d'un cran)
extern const QString CreditBrouille;
// la ligne de remerciement en clair, décodée une fois pour toute la vie du programme
const QString& LigneCredit();

// la boîte « À propos... »
class TfrmAPropos : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAPropos(QWidget* parent = nullptr);
    ~TfrmAPropos() override;

    void LabelURLClick();
    void LabelEmailClick();

protected:
    void showEvent(QShowEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void FormShow();

    std::unique_ptr<Ui::TfrmAPropos> ui;
};

