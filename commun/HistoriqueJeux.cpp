// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoriqueJeux.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <atomic>
#include <set>

namespace {

const QString NomHistorique = QStringLiteral("historique.sqlite");
// un autre programme qui écrit garde le verrou quelques millisecondes ; au-delà, l'échec est dit
constexpr int AttenteVerrouMs = 5000;

// codes primaires de SQLite
enum : int {
    SqliteCorrompu = 11,
    SqliteBusy = 5,
    SqliteLocked = 6,
    SqliteReadOnly = 8,
    SqliteIoErr = 10,
    SqliteFull = 13,
    SqliteCantOpen = 14,
    SqlitePasUneBase = 26,
};

int CodePrimaire(const QSqlError& e)
{
    bool ok = false;
    const int code = e.nativeErrorCode().toInt(&ok);
    return ok ? (code & 0xFF) : -1;
}

// la raison d'un échec, en français, suivie du texte de SQLite
QString RaisonDe(const QSqlError& e)
{
    QString raison;
    switch (CodePrimaire(e)) {
    case SqliteBusy:
    case SqliteLocked:
        raison = QStringLiteral("un autre programme a gardé l'historique verrouillé trop longtemps");
        break;
    case SqliteReadOnly:
        raison = QStringLiteral("le fichier ou son dossier est en lecture seule");
        break;
    case SqliteFull:
        raison = QStringLiteral("le disque est plein");
        break;
    case SqliteIoErr:
        raison = QStringLiteral("erreur d'écriture sur le disque (disque plein ?)");
        break;
    case SqliteCantOpen:
        raison = QStringLiteral("le fichier ne peut être ni ouvert ni créé (dossier absent ou en lecture seule)");
        break;
    case SqliteCorrompu:
    case SqlitePasUneBase:
        raison = QStringLiteral("le fichier est endommagé");
        break;
    default:
        raison = QStringLiteral("erreur de la base de données");
        break;
    }
    const QString texte = e.databaseText().isEmpty() ? e.text() : e.databaseText();
    return texte.isEmpty() ? raison : raison + QStringLiteral(" (SQLite : ") + texte + QLatin1Char(')');
}

bool Illisible(const QSqlError& e)
{
    const int code = CodePrimaire(e);
    return code == SqliteCorrompu || code == SqlitePasUneBase;
}

// les étapes du schéma : l'étape n mène un fichier de la version n - 1 à la version n
const char* const TableJeux =
    "CREATE TABLE jeux ("
    " numero INTEGER PRIMARY KEY,"
    " date TEXT NOT NULL,"
    " origine INTEGER NOT NULL,"
    " plaque1 INTEGER NOT NULL, plaque2 INTEGER NOT NULL, plaque3 INTEGER NOT NULL,"
    " plaque4 INTEGER NOT NULL, plaque5 INTEGER NOT NULL, plaque6 INTEGER NOT NULL,"
    " compte INTEGER NOT NULL,"
    " grandes INTEGER NOT NULL,"
    " ordre INTEGER NOT NULL,"
    " solutions INTEGER NOT NULL,"
    " meilleur INTEGER, meilleur_bas INTEGER, meilleur_haut INTEGER,"
    " calculs INTEGER NOT NULL,"
    " joueur INTEGER,"
    " temps_joueur INTEGER NOT NULL,"
    " place_solutions INTEGER, place_calculs INTEGER,"
    " limite_temps INTEGER)";
const char* const TableReglages = "CREATE TABLE reglages (cle TEXT PRIMARY KEY, valeur BLOB)";

const char* const ColonnesJeux =
    "date, origine, plaque1, plaque2, plaque3, plaque4, plaque5, plaque6, compte, grandes, ordre, solutions, "
    "meilleur, meilleur_bas, meilleur_haut, calculs, joueur, temps_joueur, place_solutions, place_calculs, limite_temps";

template <typename Entier>
QVariant EnVariant(const std::optional<Entier>& v)
{
    return v ? QVariant(static_cast<qlonglong>(*v)) : QVariant();
}

template <typename Entier>
std::optional<Entier> Optionnel(const QVariant& v)
{
    return v.isNull() ? std::nullopt : std::optional<Entier>(static_cast<Entier>(v.toLongLong()));
}

QString NomConnexionUnique()
{
    static std::atomic<int> compteur{0};
    return QStringLiteral("historique-%1").arg(compteur++);
}

}  // namespace

std::string MaintenantUtc()
{
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString();
}

QString THistoriqueJeux::CheminDansLeDossier(const QString& dossier)
{
    return QDir(dossier).filePath(NomHistorique);
}

THistoriqueJeux::THistoriqueJeux(const QString& dossier)
    : chemin_(CheminDansLeDossier(dossier)), nomConnexion_(NomConnexionUnique())
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        raison_ = QStringLiteral("le pilote SQLite de Qt est absent (paquet libqt6sql6-sqlite)");
        return;
    }
    if (!QDir().mkpath(dossier)) {
        raison_ = QStringLiteral("le dossier « %1 » ne peut pas être créé").arg(QDir::toNativeSeparators(dossier));
        return;
    }
    // l'en-tête d'une base SQLite, vérifié avant que SQLite ne touche au fichier
    QFile fichier(chemin_);
    if (fichier.exists() && fichier.size() > 0) {
        if (!fichier.open(QIODevice::ReadOnly)) {
            raison_ = QStringLiteral("le fichier ne peut pas être lu (%1)").arg(fichier.errorString());
            return;
        }
        const QByteArray entete = fichier.read(16);
        fichier.close();
        if (entete != QByteArray("SQLite format 3", 16) &&
            !MettreDeCote(QStringLiteral("ce n'est pas une base de données SQLite")))
            return;
    }
    if (!Preparer() && !misDeCote_.isEmpty() && raison_.isEmpty())
        Preparer();
}

THistoriqueJeux::~THistoriqueJeux() { FermerConnexion(); }

bool THistoriqueJeux::OuvrirConnexion(bool lectureSeule)
{
    FermerConnexion();
    base_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nomConnexion_);
    base_.setDatabaseName(chemin_);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(AttenteVerrouMs);
    if (lectureSeule)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    base_.setConnectOptions(options);
    if (!base_.open()) {
        raison_ = RaisonDe(base_.lastError());
        return false;
    }
    return true;
}

void THistoriqueJeux::FermerConnexion()
{
    if (!base_.isValid())
        return;
    base_.close();
    base_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(nomConnexion_);
}

// vérifie le fichier, lit sa version, passe en journal WAL, met à jour un ancien schéma ; faux quand le fichier
// a dû être mis de côté (il faut alors recommencer sur un fichier neuf) ou quand l'ouverture a échoué
bool THistoriqueJeux::Preparer()
{
    if (!OuvrirConnexion(false))
        return false;
    QSqlQuery q(base_);
    const auto echec = [&] {
        raison_ = RaisonDe(q.lastError());
        FermerConnexion();
        return false;
    };
    // la vérification complète, qui lit toute la base, une fois par fichier et par exécution ; ensuite la rapide,
    // qui écarte encore une base abîmée sans recouper chaque index
    static std::set<QString> verifies;
    const bool dejaVerifie = verifies.count(chemin_) != 0;
    if (!q.exec(dejaVerifie ? QStringLiteral("PRAGMA quick_check") : QStringLiteral("PRAGMA integrity_check")) ||
        !q.next()) {
        if (!Illisible(q.lastError()))
            return echec();
        MettreDeCote(RaisonDe(q.lastError()));
        return false;
    }
    if (q.value(0).toString() != QLatin1String("ok")) {
        MettreDeCote(QStringLiteral("la vérification d'intégrité a échoué : %1").arg(q.value(0).toString()));
        return false;
    }
    verifies.insert(chemin_);
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return echec();
    versionFichier_ = q.value(0).toInt();
    q.finish();

    if (versionFichier_ > VersionSchema) {
        // on lit ce qu'on comprend ; on n'écrit rien que la version plus récente ne saurait pas lire
        lectureSeule_ = true;
        raison_ = QStringLiteral("le fichier vient d'une version plus récente du programme (schéma %1, celui-ci connaît "
                                 "le %2) : il n'est ouvert qu'en lecture")
                      .arg(versionFichier_)
                      .arg(VersionSchema);
        avis_ = AvisHistorique{QStringLiteral("Historique en lecture seule"),
                               QStringLiteral("L'historique « %1 » vient d'une version plus récente du programme.\n"
                                              "Il est ouvert en lecture seule : les jeux n'y sont pas ajoutés.")
                                   .arg(QDir::toNativeSeparators(chemin_))};
        return OuvrirConnexion(true);
    }

    // persistant : lecteurs et écrivain ne s'attendent plus ; deux programmes qui écrivent se suivent
    if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL"))) {
        raison_ = RaisonDe(q.lastError());
        lectureSeule_ = true;
        return true;
    }
    q.finish();
    if (versionFichier_ < VersionSchema && !MettreAJour()) {
        FermerConnexion();
        return false;
    }
    return true;
}

bool THistoriqueJeux::MettreAJour()
{
    const std::optional<QString> echec = Transaction([&](QSqlQuery& q) {
        // un autre exemplaire a pu le faire entre-temps : la version se relit sous le verrou d'écriture
        if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
            return false;
        int v = q.value(0).toInt();
        q.finish();
        if (v < 1 && !q.exec(QLatin1String(TableJeux)))
            return false;
        if (v < 2 && !q.exec(QLatin1String(TableReglages)))
            return false;
        v = std::max(v, VersionSchema);
        return q.exec(QStringLiteral("PRAGMA user_version = %1").arg(v));
    });
    if (echec) {
        raison_ = *echec;
        return false;
    }
    versionFichier_ = VersionSchema;
    return true;
}

bool THistoriqueJeux::MettreDeCote(const QString& pourquoi)
{
    FermerConnexion();
    const QString suffixe = QStringLiteral(".illisible-") +
                            QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    QString nouveau = chemin_ + suffixe;
    for (int n = 2; QFileInfo::exists(nouveau); ++n)
        nouveau = chemin_ + suffixe + QStringLiteral("-%1").arg(n);
    if (!QFile::rename(chemin_, nouveau)) {
        raison_ = QStringLiteral("le fichier est illisible (%1) et ne peut pas être renommé").arg(pourquoi);
        return false;
    }
    // le journal d'un fichier illisible part avec lui : il ne doit pas s'appliquer au nouvel historique
    for (const char* journal : {"-wal", "-shm"})
        if (QFileInfo::exists(chemin_ + QLatin1String(journal)))
            QFile::rename(chemin_ + QLatin1String(journal), nouveau + QLatin1String(journal));
    misDeCote_ = nouveau;
    avis_ = AvisHistorique{QStringLiteral("Historique illisible"),
                           QStringLiteral("Le fichier « %1 » n'est pas un historique lisible : %2.\n"
                                          "Il a été renommé « %3 » et un nouvel historique commence.")
                               .arg(QDir::toNativeSeparators(chemin_), pourquoi, QFileInfo(nouveau).fileName())};
    return true;
}

std::optional<QString> THistoriqueJeux::Transaction(const std::function<bool(QSqlQuery&)>& ecrire)
{
    if (!Ouvert() || lectureSeule_)
        return raison_.isEmpty() ? QStringLiteral("l'historique n'est pas ouvert") : raison_;
    QSqlQuery q(base_);
    // le verrou d'écriture pris d'emblée : l'attente se fait ici, avant tout changement
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return RaisonDe(q.lastError());
    if (!ecrire(q) || !q.exec(QStringLiteral("COMMIT"))) {
        const QString raison = RaisonDe(q.lastError());
        q.exec(QStringLiteral("ROLLBACK"));
        return raison;
    }
    return std::nullopt;
}

std::optional<QString> THistoriqueJeux::Ajouter(const LigneHistorique& l)
{
    return Transaction([&](QSqlQuery& q) {
        q.prepare(QStringLiteral("INSERT INTO jeux (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                      .arg(QLatin1String(ColonnesJeux)));
        q.addBindValue(QString::fromStdString(l.DateHeure));
        q.addBindValue(int{l.Origine});
        for (int32_t p : l.Plaques)
            q.addBindValue(p);
        q.addBindValue(l.But);
        q.addBindValue(l.NbGrandes);
        q.addBindValue(int{l.OrdreSolutions});
        q.addBindValue(l.NbSolutions);
        q.addBindValue(EnVariant(l.MeilleurResultat));
        q.addBindValue(EnVariant(l.MeilleurBas));
        q.addBindValue(EnVariant(l.MeilleurHaut));
        q.addBindValue(l.NbPossibilites);
        q.addBindValue(EnVariant(l.ResultatJoueur));
        q.addBindValue(l.TempsJoueur);
        q.addBindValue(EnVariant(l.PlaceSolutions));
        q.addBindValue(EnVariant(l.PlaceCalculs));
        q.addBindValue(EnVariant(l.LimiteTemps));
        return q.exec();
    });
}

std::vector<LigneHistorique> THistoriqueJeux::Lire(QString* erreur) const
{
    std::vector<LigneHistorique> lignes;
    if (!Ouvert()) {
        if (erreur)
            *erreur = raison_;
        return lignes;
    }
    QSqlQuery q(base_);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT numero, %1 FROM jeux ORDER BY numero DESC").arg(QLatin1String(ColonnesJeux)))) {
        if (erreur)
            *erreur = RaisonDe(q.lastError());
        return lignes;
    }
    while (q.next()) {
        LigneHistorique l;
        int c = 0;
        l.Numero = q.value(c++).toLongLong();
        l.DateHeure = q.value(c++).toString().toStdString();
        l.Origine = static_cast<uint8_t>(q.value(c++).toInt());
        for (int32_t& p : l.Plaques)
            p = q.value(c++).toInt();
        l.But = q.value(c++).toInt();
        l.NbGrandes = q.value(c++).toInt();
        l.OrdreSolutions = static_cast<uint8_t>(q.value(c++).toInt());
        l.NbSolutions = q.value(c++).toInt();
        l.MeilleurResultat = Optionnel<int32_t>(q.value(c++));
        l.MeilleurBas = Optionnel<int32_t>(q.value(c++));
        l.MeilleurHaut = Optionnel<int32_t>(q.value(c++));
        l.NbPossibilites = q.value(c++).toInt();
        l.ResultatJoueur = Optionnel<int32_t>(q.value(c++));
        l.TempsJoueur = q.value(c++).toInt();
        l.PlaceSolutions = Optionnel<int64_t>(q.value(c++));
        l.PlaceCalculs = Optionnel<int64_t>(q.value(c++));
        l.LimiteTemps = Optionnel<int32_t>(q.value(c++));
        lignes.push_back(std::move(l));
    }
    return lignes;
}

std::optional<QByteArray> THistoriqueJeux::LireReglage(const QString& cle) const
{
    if (!Ouvert() || versionFichier_ < 2)
        return std::nullopt;
    QSqlQuery q(base_);
    q.prepare(QStringLiteral("SELECT valeur FROM reglages WHERE cle = ?"));
    q.addBindValue(cle);
    if (!q.exec() || !q.next())
        return std::nullopt;
    return q.value(0).toByteArray();
}

std::optional<QString> THistoriqueJeux::EcrireReglage(const QString& cle, const QByteArray& valeur)
{
    return Transaction([&](QSqlQuery& q) {
        q.prepare(QStringLiteral("INSERT OR REPLACE INTO reglages (cle, valeur) VALUES (?, ?)"));
        q.addBindValue(cle);
        q.addBindValue(valeur);
        return q.exec();
    });
}
