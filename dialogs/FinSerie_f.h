// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FinSerie.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TfrmFinSerie;
}

// le bilan d'une série finie : points sur 100, comptes trouvés, temps médian, et le record du niveau
class TfrmFinSerie : public QDialog {
    Q_OBJECT
public:
    TfrmFinSerie(const FinDeSerie& fin, QWidget* parent = nullptr);
    ~TfrmFinSerie() override;

private:
    std::unique_ptr<Ui::TfrmFinSerie> ui;
};
