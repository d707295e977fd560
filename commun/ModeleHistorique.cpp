// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModeleHistorique.h"

#include <QDateTime>

#include <cstdlib>
#include <limits>

namespace {

QString EnTexte(const std::string& texte) { return QString::fromStdString(texte); }

// ce qui se trie en dernier dans l'ordre croissant : « rien »
constexpr qlonglong Rien = std::numeric_limits<qlonglong>::max();

QVariant ValeurDeTri(const LigneHistorique& l, int colonne)
{
    switch (colonne) {
    case ModeleHistorique::Date:
        return static_cast<qlonglong>(l.Numero);
    case ModeleHistorique::Plaques:
        return EnTexte(TextePlaques(l));
    case ModeleHistorique::Compte:
        return l.But;
    case ModeleHistorique::Grandes:
        return l.NbGrandes;
    case ModeleHistorique::Ordinateur:
        // des solutions d'abord (les plus nombreuses en dernier), puis les approches de la plus proche à la plus loin
        if (!l.MeilleurResultat)
            return Rien;
        if (*l.MeilleurResultat == l.But)
            return static_cast<qlonglong>(l.NbSolutions) - std::numeric_limits<int32_t>::max();
        return std::llabs(qlonglong{*l.MeilleurResultat} - l.But);
    case ModeleHistorique::Joueur:
        return l.ResultatJoueur ? std::llabs(qlonglong{*l.ResultatJoueur} - l.But) : Rien;
    case ModeleHistorique::Temps:
        return l.Joue() ? qlonglong{l.TempsJoueur} : Rien;
    case ModeleHistorique::Place:
        return l.PlaceSolutions ? qlonglong{*l.PlaceSolutions} : Rien;
    default:
        return {};
    }
}

}  // namespace

QString DateLocale(const std::string& dateHeureUtc)
{
    const QDateTime date = QDateTime::fromString(QString::fromStdString(dateHeureUtc), Qt::ISODate);
    return date.isValid() ? date.toLocalTime().toString(QStringLiteral("dd/MM/yyyy HH:mm")) : EnTexte(dateHeureUtc);
}

ModeleHistorique::ModeleHistorique(QObject* parent) : QAbstractTableModel(parent) {}

void ModeleHistorique::Remplir(std::vector<LigneHistorique> lignes)
{
    toutes_ = std::move(lignes);
    Filtrer(filtre_);
}

void ModeleHistorique::Filtrer(const FiltreHistorique& filtre)
{
    beginResetModel();
    filtre_ = filtre;
    retenues_ = ::Filtrer(toutes_, filtre_);
    endResetModel();
}

int ModeleHistorique::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(retenues_.size());
}

int ModeleHistorique::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : NbColonnes; }

QVariant ModeleHistorique::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const LigneHistorique& l = retenues_[static_cast<size_t>(index.row())];
    if (role == RoleTri)
        return ValeurDeTri(l, index.column());
    if (role == Qt::TextAlignmentRole)
        return index.column() == Date || index.column() == Plaques ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                                                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Date:
        return DateLocale(l.DateHeure);
    case Plaques:
        return EnTexte(TextePlaques(l));
    case Compte:
        return l.But;
    case Grandes:
        return l.NbGrandes;
    case Ordinateur:
        return EnTexte(TexteOrdinateur(l));
    case Joueur:
        return EnTexte(TexteJoueur(l));
    case Temps:
        return EnTexte(TexteTempsSecondes(l));
    case Place:
        return EnTexte(TextePlaceSolutions(l));
    default:
        return {};
    }
}

QVariant ModeleHistorique::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const titres[NbColonnes] = {"Date",   "Plaques", "Compte",    "Grandes",
                                                   "Ordinateur", "Joueur", "Temps (s)", "Place"};
    return section >= 0 && section < NbColonnes ? QString::fromUtf8(titres[section]) : QVariant();
}
