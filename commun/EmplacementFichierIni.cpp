// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "EmplacementFichierIni.h"

#include "CheminAide.h"
#include "FichierIni.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString NomFichierIni = QStringLiteral("varnel.ini");

bool DossierInscriptible(const QString& dossier)
{
    const QFileInfo info(dossier);
    return info.isDir() && info.isWritable();
}

std::function<bool(const QString&)>& VerificationDossier()
{
    static std::function<bool(const QString&)> verification = DossierInscriptible;
    return verification;
}

QString CheminConfiguration()
{
    const QString configuration = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(configuration + QStringLiteral("/varnel")).absoluteFilePath(NomFichierIni);
}

QString Emplacement(const QString& dossierProgramme, bool installe)
{
    if (!installe && VerificationDossier()(dossierProgramme))
        return QDir(dossierProgramme).absoluteFilePath(NomFichierIni);
    return CheminConfiguration();
}

}  // namespace

bool ProgrammeInstalle(const QString& dossierProgramme)
{
    const QStringList lieux = EmplacementsAide(dossierProgramme);
    return CheminAide(dossierProgramme) == lieux.value(1);
}

QString EmplacementFichierIni(const QString& dossierProgramme)
{
    return Emplacement(dossierProgramme, ProgrammeInstalle(dossierProgramme));
}

QString DossierFichierIni(const QString& dossierProgramme)
{
    return QFileInfo(EmplacementFichierIni(dossierProgramme)).absolutePath();
}

QString PreparerFichierIni(const QString& dossierProgramme)
{
    const bool installe = ProgrammeInstalle(dossierProgramme);
    const QString chemin = Emplacement(dossierProgramme, installe);
    const QString ancien = QDir(dossierProgramme).absoluteFilePath(NomFichierIni);
    // un programme installé n'a pas de totaux à lui à côté de lui : ceux qu'un autre y a laissés
    // (l'administrateur, avant) ne deviennent pas ceux de chaque utilisateur
    if (!installe && chemin != ancien && QFileInfo::exists(ancien) && !QFileInfo::exists(chemin))
        TFichierIni(ancien).CopierSiAbsent(chemin);
    SupprimerProvisoiresFichierIni(chemin);
    return chemin;
}

void RemplacerVerificationDossier(std::function<bool(const QString&)> verification)
{
    VerificationDossier() = verification ? std::move(verification) : DossierInscriptible;
}
