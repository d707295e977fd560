// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FichierIni.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <limits>

namespace {

// un enregistrement ne garde le verrou que quelques millisecondes : au-delà, c'est un programme arrêté net
constexpr int AttenteVerrouMs = 10000;
constexpr int VerrouAbandonneMs = 8000;

bool EstCommentaire(const QByteArray& ligne) { return ligne.startsWith(';') || ligne.startsWith('#'); }

// « [nom] » : le nom, sinon rien
bool NomSection(const QByteArray& ligne, QByteArray& nom)
{
    const QByteArray t = ligne.trimmed();
    const qsizetype fin = t.indexOf(']');
    if (!t.startsWith('[') || fin < 0)
        return false;
    nom = t.mid(1, fin - 1).trimmed();
    return true;
}

// « cle=valeur » : la clé et la valeur, sans les blancs autour
bool CleValeur(const QByteArray& ligne, QByteArray& cle, QByteArray& valeur)
{
    const QByteArray t = ligne.trimmed();
    const qsizetype egal = t.indexOf('=');
    if (egal <= 0 || EstCommentaire(t) || t.startsWith('['))
        return false;
    cle = t.left(egal).trimmed();
    valeur = t.mid(egal + 1).trimmed();
    return true;
}

bool MemeNom(const QByteArray& a, const QByteArray& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

bool QueDesChiffres(const QByteArray& texte, int base)
{
    if (texte.isEmpty())
        return false;
    for (char c : texte) {
        const bool chiffre = (c >= '0' && c <= '9') ||
                             (base == 16 && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
        if (!chiffre)
            return false;
    }
    return true;
}

// un entier décimal (signe moins permis) ou « 0x »/« 0X » suivi de chiffres hexadécimaux ; le reste n'en est pas un
bool LireNombre(const QByteArray& texte, int64_t& valeur)
{
    bool ok = false;
    if (texte.startsWith("0x") || texte.startsWith("0X")) {
        const QByteArray chiffres = texte.mid(2);
        if (!QueDesChiffres(chiffres, 16))
            return false;
        const qulonglong v = chiffres.toULongLong(&ok, 16);
        if (!ok || v > static_cast<qulonglong>(std::numeric_limits<int64_t>::max()))
            return false;
        valeur = static_cast<int64_t>(v);
        return true;
    }
    if (!QueDesChiffres(texte.startsWith('-') ? texte.mid(1) : texte, 10))
        return false;
    const qlonglong v = texte.toLongLong(&ok, 10);  // faux au-delà des 64 bits
    if (ok)
        valeur = v;
    return ok;
}

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

}  // namespace

TFichierIni::TFichierIni(QString chemin) : chemin_(std::move(chemin)) { Lire(); }

bool TFichierIni::Lire()
{
    lignes_ = {QByteArray()};
    crlf_ = false;
    QFile fichier(chemin_);
    if (!fichier.exists())
        return true;
    if (!fichier.open(QIODevice::ReadOnly))
        return false;
    const QByteArray contenu = fichier.readAll();
    if (fichier.error() != QFileDevice::NoError)
        return false;
    lignes_ = contenu.split('\n');
    crlf_ = contenu.contains("\r\n");
    return true;
}

int TFichierIni::TrouverSection(const QByteArray& section) const
{
    QByteArray nom;
    for (int i = 0; i < lignes_.size(); ++i)
        if (NomSection(lignes_[i], nom) && MemeNom(nom, section))
            return i;
    return -1;
}

int TFichierIni::FinSection(int section) const
{
    QByteArray nom;
    int fin = section + 1;
    while (fin < lignes_.size() && !NomSection(lignes_[fin], nom))
        ++fin;
    return fin;
}

int TFichierIni::TrouverCle(int section, const QByteArray& cle) const
{
    QByteArray nom, valeur;
    const int fin = FinSection(section);
    for (int i = section + 1; i < fin; ++i)
        if (CleValeur(lignes_[i], nom, valeur) && MemeNom(nom, cle))
            return i;
    return -1;
}

int64_t TFichierIni::LireEntier(const QString& section, const QString& cle, int64_t defaut) const
{
    const int s = TrouverSection(section.toUtf8());
    const int c = s < 0 ? -1 : TrouverCle(s, cle.toUtf8());
    if (c < 0)
        return defaut;
    QByteArray nom, texte;
    CleValeur(lignes_[c], nom, texte);
    int64_t valeur = 0;
    return LireNombre(texte, valeur) ? valeur : defaut;
}

void TFichierIni::EcrireEntier(const QString& section, const QString& cle, int64_t valeur)
{
    const QByteArray fin = crlf_ ? QByteArray("\r") : QByteArray();
    const QByteArray texteValeur = '=' + QByteArray::number(static_cast<qlonglong>(valeur)) + fin;
    int s = TrouverSection(section.toUtf8());
    if (s < 0) {
        // la section manquante va à la fin, après une ligne vide s'il y a déjà quelque chose
        if (lignes_.last().isEmpty())
            lignes_.removeLast();
        if (!lignes_.isEmpty() && !lignes_.last().trimmed().isEmpty())
            lignes_.append(fin);
        s = static_cast<int>(lignes_.size());
        lignes_.append('[' + section.toUtf8() + ']' + fin);
        lignes_.append(QByteArray());
    }
    if (const int c = TrouverCle(s, cle.toUtf8()); c >= 0) {
        // le nom de la clé garde son écriture d'origine
        const QByteArray& ancienne = lignes_[c];
        lignes_[c] = ancienne.left(ancienne.indexOf('=')).trimmed() + texteValeur;
        return;
    }
    // une clé nouvelle suit la dernière ligne non vide de sa section
    int position = FinSection(s);
    while (position > s + 1 && lignes_[position - 1].trimmed().isEmpty())
        --position;
    lignes_.insert(position, cle.toUtf8() + texteValeur);
}

bool TFichierIni::Enregistrer()
{
    const QFileInfo info(chemin_);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    QSaveFile fichier(chemin_);
    if (!fichier.open(QIODevice::WriteOnly))
        return false;
    const QByteArray contenu = Contenu();
    if (fichier.write(contenu) != contenu.size()) {
        fichier.cancelWriting();
        return false;
    }
    return fichier.commit();
}

CumulsStat TFichierIni::LireCumuls() const
{
    CumulsStat cumuls;
    for (size_t i = 0; i < Cumul::Nombre; ++i)
        cumuls.Valeurs[i] = LireEntier(SectionStatistiques, QLatin1String(ClesCumuls[i]));
    return cumuls;
}

bool TFichierIni::AjouterCumuls(const CumulsStat& jeu)
{
    if (!QDir().mkpath(QFileInfo(chemin_).absolutePath()))
        return false;
    QLockFile verrou(CheminVerrou());
    verrou.setStaleLockTime(VerrouAbandonneMs);
    if (!verrou.tryLock(AttenteVerrouMs))
        return false;
    // un fichier présent mais illisible n'est pas remplacé : ses totaux seraient perdus
    if (!Lire())
        return false;
    CumulsStat total = LireCumuls();
    ::AjouterCumuls(total, jeu);
    for (size_t i = 0; i < Cumul::Nombre; ++i)
        EcrireEntier(SectionStatistiques, QLatin1String(ClesCumuls[i]), total.Valeurs[i]);
    return Enregistrer();
}

QString EmplacementFichierIni(const QString& dossierProgramme)
{
    const QString nom = QStringLiteral("varnel.ini");
    if (VerificationDossier()(dossierProgramme))
        return QDir(dossierProgramme).absoluteFilePath(nom);
    const QString configuration = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(configuration + QStringLiteral("/varnel")).absoluteFilePath(nom);
}

void RemplacerVerificationDossier(std::function<bool(const QString&)> verification)
{
    VerificationDossier() = verification ? std::move(verification) : DossierInscriptible;
}
