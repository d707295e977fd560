// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoiteApresJeu.h"

#include "FinMatch_f.h"
#include "FinSerie_f.h"
#include "IssueTirage_f.h"
#include "ResumeJour_f.h"

namespace {

template <class... Cas>
struct Selon : Cas... {
    using Cas::operator()...;
};
template <class... Cas>
Selon(Cas...) -> Selon<Cas...>;

}  // namespace

void MontrerApresJeu(const ApresJeu& apres, QWidget* parent)
{
    std::visit(Selon{
                   [](std::monostate) {},
                   [parent](const ResumeJour& resume) { TfrmResumeJour(resume, parent).exec(); },
                   [parent](const FinDeSerie& fin) { TfrmFinSerie(fin, parent).exec(); },
                   [parent](const IssueTirage& issue) {
                       TfrmIssueTirage(issue, parent).exec();
                       if (issue.Fin)
                           TfrmFinMatch(*issue.Fin, parent).exec();
                   },
               },
               apres.Boite);
}
