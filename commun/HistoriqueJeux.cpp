// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoriqueJeux.h"

#include "ColonnesHistorique.h"
#include "ColonnesSeries.h"
#include "ResumeJour.h"
#include "ColonnesMatchs.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString NomHistorique = QStringLiteral("historique.sqlite");
// un autre programme qui écrit garde le verrou quelques millisecondes ; au-delà, l'échec est dit
constexpr int AttenteVerrouMs = 5000;
// après une attente vaine, un instant seulement jusqu'au premier accès réussi : sans quoi chaque lecture
// attendrait de nouveau (une fenêtre de l'historique en fait plusieurs)
constexpr int AttenteApresVerrouMs = 200;

// les étapes du schéma : l'étape n mène un fichier de la version n - 1 à la version n. Les tables et les
// colonnes de l'étape (ColonnesHistorique, ColonnesSeries) s'ajoutent d'elles-mêmes ; ici, ce qu'elle fait de
// plus
struct EtapeSchema {
    std::array<const char*, 2> Sql{};
    // les séries restées en retard sur leurs jeux (le programme arrêté net entre la ligne d'un jeu et le
    // bilan de sa série, que des versions précédentes écrivaient à part) refaites de ceux-ci, à la fin de
    // la mise à jour
    bool RattraperSeries = false;
};
const std::array<EtapeSchema, THistoriqueJeux::VersionSchema> EtapesSchema = {{
    {},
    {{"CREATE TABLE reglages (cle TEXT PRIMARY KEY, valeur BLOB)"}},
    // les jeux déjà là ont été comptés par les statistiques quand ils ont été joués
    {{"INSERT OR IGNORE INTO reglages (cle, valeur) VALUES ('identifiant', abs(random())),"
      " ('deja_comptes', (SELECT coalesce(max(numero), 0) FROM jeux))"}},
    // la colonne du niveau seule
    {},
    // la date d'un jeu du jour seule
    {},
    // la table des séries, et la colonne qui y lie chaque jeu
    {},
    // le premier essai d'une date et les jeux d'une série se cherchent dans la transaction qui écrit un jeu
    {{"CREATE INDEX jeux_jour ON jeux (jour) WHERE jour IS NOT NULL",
      "CREATE INDEX jeux_serie ON jeux (serie) WHERE serie IS NOT NULL"},
     true},
    // la table des matchs, faite de ses colonnes (ColonnesMatchs), et la colonne qui y lie chaque jeu ; comme une
    // série, un match est gardé dès son début, puis après chaque tirage
    {},
}};

// ce qu'une étape ajoute à une table décrite par ses colonnes : la table entière à sa première étape, puis
// ses colonnes nouvelles
template <typename Colonne>
QStringList RequetesDeLaTable(const char* table, const std::vector<Colonne>& colonnes, int etape)
{
    int premiere = etape;
    QStringList declarations;
    for (const Colonne& c : colonnes) {
        if (!c.Sql)
            continue;
        premiere = std::min(premiere, c.Etape);
        if (c.Etape == etape)
            declarations << QStringLiteral("%1 %2").arg(QLatin1String(c.Sql), QLatin1String(c.Declaration));
    }
    if (declarations.isEmpty())
        return {};
    if (premiere == etape)
        return {QStringLiteral("CREATE TABLE %1 (%2)").arg(QLatin1String(table), declarations.join(QStringLiteral(", ")))};
    QStringList requetes;
    for (const QString& d : declarations)
        requetes << QStringLiteral("ALTER TABLE %1 ADD COLUMN %2").arg(QLatin1String(table), d);
    return requetes;
}

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
        raison = QStringLiteral("le fichier est endommagé");
        break;
    case SqlitePasUneBase:
        raison = QStringLiteral("ce n'est pas une base de données SQLite");
        break;
    default:
        raison = QStringLiteral("erreur de la base de données");
        break;
    }
    const QString texte = e.databaseText().isEmpty() ? e.text() : e.databaseText();
    return texte.isEmpty() ? raison : raison + QStringLiteral(" (SQLite : ") + texte + QLatin1Char(')');
}

GenreEchec GenreDe(const QSqlError& e)
{
    switch (CodePrimaire(e)) {
    case SqliteBusy:
    case SqliteLocked:
        return GenreEchec::Verrouille;
    case SqliteFull:
    case SqliteIoErr:
        return GenreEchec::DisquePlein;
    case SqliteCorrompu:
    case SqlitePasUneBase:
        return GenreEchec::Illisible;
    default:
        return GenreEchec::Inaccessible;
    }
}

QString NomConnexionUnique()
{
    static std::atomic<int> compteur{0};
    return QStringLiteral("historique-%1").arg(compteur++);
}

QString Cite(const QString& chemin) { return QLatin1Char('"') + QDir::toNativeSeparators(chemin) + QLatin1Char('"'); }

QVariant EnVariant(const ValeurCase& v)
{
    if (const int64_t* e = std::get_if<int64_t>(&v))
        return QVariant(static_cast<qlonglong>(*e));
    if (const double* r = std::get_if<double>(&v))
        return QVariant(*r);
    if (const std::string* t = std::get_if<std::string>(&v))
        return QVariant(QString::fromStdString(*t));
    return {};
}

ValeurCase EnCase(const QVariant& v)
{
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::QString)
        return v.toString().toStdString();
    if (v.typeId() == QMetaType::Double)
        return v.toDouble();
    return static_cast<int64_t>(v.toLongLong());
}

// les colonnes de la table jeux qu'un fichier de cette version tient
std::vector<const ColonneHistorique*> ColonnesEnregistrees(int version)
{
    std::vector<const ColonneHistorique*> colonnes;
    for (const ColonneHistorique& c : ColonnesHistorique())
        if (c.Sql && c.Etape <= version)
            colonnes.push_back(&c);
    return colonnes;
}

QString Noms(const std::vector<const ColonneHistorique*>& colonnes, const QString& prefixe)
{
    QStringList noms;
    for (const ColonneHistorique* c : colonnes)
        noms << prefixe + QLatin1String(c->Sql);
    return noms.join(QStringLiteral(", "));
}

// une requête de lecture préparée sur la connexion, un paramètre entier ; finie à la destruction
class Instruction {
public:
    Instruction(sqlite3* base, const QByteArray& sql, int64_t parametre) : base_(base)
    {
        code_ = sqlite3_prepare_v2(base, sql.constData(), static_cast<int>(sql.size()), &etat_, nullptr);
        if (code_ == SQLITE_OK)
            code_ = sqlite3_bind_int64(etat_, 1, parametre);
    }
    ~Instruction() { sqlite3_finalize(etat_); }
    Instruction(const Instruction&) = delete;
    Instruction& operator=(const Instruction&) = delete;

    sqlite3_stmt* Etat() const { return etat_; }
    bool Suivante()
    {
        if (code_ != SQLITE_OK && code_ != SQLITE_ROW)
            return false;
        code_ = sqlite3_step(etat_);
        return code_ == SQLITE_ROW;
    }
    bool Reussie() const { return code_ == SQLITE_DONE; }
    QSqlError Erreur() const
    {
        return QSqlError(QString(), QString::fromUtf8(sqlite3_errmsg(base_)), QSqlError::StatementError,
                         QString::number(sqlite3_extended_errcode(base_)));
    }
    ValeurCase Case(int i) const
    {
        // la valeur de la case, lue une fois, sans le verrou de la connexion que prend chaque sqlite3_column_*
        sqlite3_value* v = sqlite3_column_value(etat_, i);
        switch (sqlite3_value_type(v)) {
        case SQLITE_NULL:
            return {};
        case SQLITE_TEXT:
            return std::string(reinterpret_cast<const char*>(sqlite3_value_text(v)),
                               static_cast<size_t>(sqlite3_value_bytes(v)));
        case SQLITE_FLOAT:
            return sqlite3_value_double(v);
        default:
            return static_cast<int64_t>(sqlite3_value_int64(v));
        }
    }

private:
    sqlite3* base_;
    sqlite3_stmt* etat_ = nullptr;
    int code_ = SQLITE_OK;
};

constexpr mode_t DroitsEcriture = S_IWUSR | S_IWGRP | S_IWOTH;

// ce processus ne peut pas écrire dans le dossier. Un dossier que personne n'a le droit d'écrire reste tel
// quel, même pour l'administrateur
bool DossierFerme(const QString& dossier)
{
    const QByteArray nom = QFile::encodeName(dossier);
    struct stat etat {};
    return ::access(nom.constData(), W_OK) != 0 || ::stat(nom.constData(), &etat) != 0 || (etat.st_mode & DroitsEcriture) == 0;
}

// pourquoi ce processus ne doit pas écrire le fichier (ou le créer) ; vide s'il le peut. Un fichier que
// personne n'a le droit d'écrire reste tel quel, même pour l'administrateur
QString RaisonSansEcriture(const QString& chemin, const struct stat* etat)
{
    const QString dossier = QFileInfo(chemin).absolutePath();
    if (DossierFerme(dossier))
        return QStringLiteral("le dossier %1 ne peut pas être écrit").arg(Cite(dossier));
    if (etat && ((etat->st_mode & DroitsEcriture) == 0 || ::access(QFile::encodeName(chemin).constData(), W_OK) != 0))
        return QStringLiteral("le fichier est en lecture seule");
    return {};
}

}  // namespace

QString TitreEchecHistorique(GenreEchec genre)
{
    switch (genre) {
    case GenreEchec::Illisible:
        return QStringLiteral("Historique illisible");
    case GenreEchec::VersionPlusRecente:
        return QStringLiteral("Historique d'une version plus récente");
    case GenreEchec::Verrouille:
        return QStringLiteral("Historique verrouillé");
    case GenreEchec::DisquePlein:
        return QStringLiteral("Disque plein");
    case GenreEchec::Aucun:
    case GenreEchec::Inaccessible:
        break;
    }
    return QStringLiteral("Historique inaccessible");
}

QString THistoriqueJeux::CheminDansLeDossier(const QString& dossier)
{
    return QDir(dossier).filePath(NomHistorique);
}

THistoriqueJeux::THistoriqueJeux(const QString& dossier)
    : chemin_(QFileInfo(CheminDansLeDossier(dossier)).absoluteFilePath()), nomConnexion_(NomConnexionUnique())
{
}

THistoriqueJeux::~THistoriqueJeux() { FermerConnexion(); }

bool THistoriqueJeux::Existe() const
{
    struct stat etat {};
    return ::stat(QFile::encodeName(chemin_).constData(), &etat) == 0;
}

std::optional<AvisHistorique> THistoriqueJeux::AvisADire()
{
    if (avisDit_ || !avis_)
        return std::nullopt;
    avisDit_ = true;
    return avis_;
}

QString THistoriqueJeux::Echec(GenreEchec genre, const QString& raison)
{
    genre_ = genre;
    return raison;
}

QString THistoriqueJeux::Echec(const QSqlError& e)
{
    genre_ = GenreDe(e);
    if (genre_ == GenreEchec::Verrouille && !verrouTenuAilleurs_) {
        verrouTenuAilleurs_ = true;
        if (base_.isOpen())
            QSqlQuery(base_).exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(AttenteApresVerrouMs));
    }
    return RaisonDe(e);
}

void THistoriqueJeux::AccesReussi()
{
    if (!verrouTenuAilleurs_)
        return;
    verrouTenuAilleurs_ = false;
    if (base_.isOpen())
        QSqlQuery(base_).exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(AttenteVerrouMs));
}

void THistoriqueJeux::Crochet(const char* moment) const
{
    if (crochet_)
        crochet_(moment);
}

bool THistoriqueJeux::Ouvrir()
{
    if (base_.isOpen())
        return true;
    raison_.clear();
    lectureSeule_ = false;
    fige_ = false;
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        raison_ = Echec(GenreEchec::Inaccessible, QStringLiteral("le pilote SQLite de Qt est absent (paquet libqt6sql6-sqlite)"));
        return false;
    }
    const QString dossier = QFileInfo(chemin_).absolutePath();
    if (!QDir().mkpath(dossier)) {
        raison_ = Echec(GenreEchec::Inaccessible, QStringLiteral("le dossier %1 ne peut pas être créé").arg(Cite(dossier)));
        return false;
    }
    // un tube ou un périphérique ne s'ouvre jamais : SQLite attendrait un écrivain ou lirait sans fin
    struct stat etat {};
    const bool existe = ::stat(QFile::encodeName(chemin_).constData(), &etat) == 0;
    if (existe && !S_ISREG(etat.st_mode)) {
        raison_ = Echec(GenreEchec::Inaccessible, QStringLiteral("ce n'est pas un fichier ordinaire (tube, périphérique ou dossier)"));
        return false;
    }
    const QString sansEcriture = RaisonSansEcriture(chemin_, existe ? &etat : nullptr);
    if (!existe && !sansEcriture.isEmpty()) {
        raison_ = Echec(GenreEchec::Inaccessible, sansEcriture);
        return false;
    }
    // figé : sans droit d'écriture, personne ne l'écrit ; dans un dossier fermé, la lecture sous verrou
    // demanderait un journal et son index que ce programme ne peut pas créer, et un écrivain devrait en créer
    // un lui aussi
    const bool dossierFerme = DossierFerme(dossier);
    fige_ = existe && (dossierFerme || (etat.st_mode & DroitsEcriture) == 0);
    // les derniers jeux d'un journal ne se lisent qu'avec son index, que SQLite refait à côté de lui : dans un
    // dossier fermé, il ne le peut pas
    if (existe && dossierFerme && QFileInfo::exists(chemin_ + QStringLiteral("-wal")) &&
        !QFileInfo::exists(chemin_ + QStringLiteral("-shm"))) {
        raison_ = Echec(GenreEchec::Inaccessible,
                        QStringLiteral("son journal \"%1-wal\" est là sans son index \"%1-shm\", que ce programme ne peut "
                                       "pas refaire dans le dossier %2, fermé à l'écriture ; ouvert une fois par un "
                                       "programme qui peut écrire dans ce dossier, l'historique se lira de nouveau")
                            .arg(NomHistorique, Cite(dossier)));
        return false;
    }
    switch (Verifier(sansEcriture.isEmpty())) {
    case Issue::Echec:
        return false;
    case Issue::MisDeCote:
        // un nouvel historique commence à la place du fichier mis de côté
        return Preparer(true);
    case Issue::Ouvert:
        break;
    }
    if (!sansEcriture.isEmpty())
        PasserEnLectureSeule(sansEcriture,
                             {QStringLiteral("Historique en lecture seule"),
                              QStringLiteral("L'historique %1 ne peut pas être écrit : %2.\n"
                                             "Ses jeux sont montrés, mais les nouveaux jeux n'y sont pas ajoutés.")
                                  .arg(Cite(chemin_), sansEcriture)});
    return Preparer(sansEcriture.isEmpty());
}

// la connexion ; en lecture seule, un fichier figé et sans journal est lu comme immuable : ni verrou, ni
// journal créé à côté. Un fichier que ce programme pourrait trouver changé sous sa lecture ne l'est jamais
bool THistoriqueJeux::OuvrirConnexion(bool lectureSeule)
{
    FermerConnexion();
    base_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nomConnexion_);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(verrouTenuAilleurs_ ? AttenteApresVerrouMs : AttenteVerrouMs);
    if (lectureSeule && fige_ && !QFileInfo::exists(chemin_ + QStringLiteral("-wal"))) {
        base_.setDatabaseName(QUrl::fromLocalFile(chemin_).toString(QUrl::FullyEncoded) + QStringLiteral("?immutable=1"));
        options += QStringLiteral(";QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY");
    } else {
        base_.setDatabaseName(chemin_);
        if (lectureSeule)
            options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    }
    base_.setConnectOptions(options);
    if (!base_.open()) {
        raison_ = Echec(base_.lastError());
        FermerConnexion();
        return false;
    }
    return true;
}

void THistoriqueJeux::FermerConnexion()
{
    sqlite_ = nullptr;
    sqliteVerifie_ = false;
    if (!base_.isValid())
        return;
    base_.close();
    base_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(nomConnexion_);
}

// un fichier existant est lu par une connexion en lecture seule (rien n'y est écrit, ni dans le journal d'un
// fichier qu'on mettra de côté) : en-tête, intégrité, version. Un autre programme peut l'écrire pendant
// ce temps : la vérification se fait sous un verrou de lecture, et il faut qu'elle échoue deux fois de suite.
// Illisible, il est mis de côté si le dossier le permet
THistoriqueJeux::Issue THistoriqueJeux::Verifier(bool ecriture)
{
    if (!Existe() || QFileInfo(chemin_).size() == 0)
        return Issue::Ouvert;
    QString illisible;
    for (int essai = 0; essai < 2; ++essai) {
        illisible.clear();
        if (!VerifierSousVerrou(illisible))
            return Issue::Echec;
        if (illisible.isEmpty())
            return Issue::Ouvert;
    }
    if (!ecriture) {
        raison_ = Echec(GenreEchec::Illisible, QStringLiteral("le fichier est illisible (%1)").arg(illisible));
        return Issue::Echec;
    }
    return MettreDeCote(illisible) ? Issue::MisDeCote : Issue::Echec;
}

// une vérification, dans une transaction de lecture : la première lecture prend le verrou partagé (ou, avec
// le journal WAL, un instantané que les écritures d'un autre programme ne changent pas) jusqu'à la fin ; faux
// quand elle n'a pas pu se faire (raison_ le dit), illisible dit ce qui ne va pas dans le fichier
bool THistoriqueJeux::VerifierSousVerrou(QString& illisible)
{
    if (!OuvrirConnexion(true))
        return false;
    {
        QSqlQuery q(base_);
        const auto lire = [&](const QString& requete) {
            if (q.exec(requete) && q.next())
                return true;
            if (GenreDe(q.lastError()) == GenreEchec::Illisible)
                illisible = RaisonDe(q.lastError());
            else
                raison_ = Echec(q.lastError());
            return false;
        };
        if (!q.exec(QStringLiteral("BEGIN")))
            raison_ = Echec(q.lastError());
        else if (lire(QStringLiteral("PRAGMA schema_version"))) {
            Crochet("verification");
            if (lire(QStringLiteral("PRAGMA integrity_check"))) {
                if (q.value(0).toString() != QLatin1String("ok"))
                    illisible = QStringLiteral("la vérification d'intégrité a échoué : %1").arg(q.value(0).toString());
                else if (lire(QStringLiteral("PRAGMA user_version")))
                    versionFichier_ = q.value(0).toInt();
            }
        }
        q.finish();
        q.exec(QStringLiteral("ROLLBACK"));
    }
    FermerConnexion();
    return raison_.isEmpty();
}

// la connexion gardée ; en écriture, le journal WAL et le schéma de ce programme
bool THistoriqueJeux::Preparer(bool ecriture)
{
    if (!OuvrirConnexion(!ecriture))
        return false;
    QSqlQuery q(base_);
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
        raison_ = Echec(q.lastError());
        FermerConnexion();
        return false;
    }
    versionFichier_ = q.value(0).toInt();
    q.finish();
    if (versionFichier_ > VersionSchema) {
        // on lit ce qu'on comprend ; on n'écrit rien que la version plus récente ne saurait pas lire. La
        // connexion reste celle d'un écrivain, qui n'écrit jamais : ses verrous tiennent à l'écart les écritures
        // de l'autre version pendant une lecture, et le journal qu'elle crée part avec elle
        const QString raison = QStringLiteral("le fichier vient d'une version plus récente du programme (schéma %1, "
                                              "celui-ci connaît le %2) : il n'est ouvert qu'en lecture")
                                   .arg(versionFichier_)
                                   .arg(VersionSchema);
        PasserEnLectureSeule(raison, {QStringLiteral("Historique en lecture seule"),
                                      QStringLiteral("L'historique %1 vient d'une version plus récente du programme.\n"
                                                     "Il est ouvert en lecture seule : les jeux n'y sont pas ajoutés.")
                                          .arg(Cite(chemin_))});
    } else if (ecriture) {
        // persistant : lecteurs et écrivain ne s'attendent plus ; deux programmes qui écrivent se suivent
        if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL"))) {
            raison_ = Echec(q.lastError());
            lectureSeule_ = true;
        }
        q.finish();
        if (!lectureSeule_ && versionFichier_ < VersionSchema && !MettreAJour()) {
            FermerConnexion();
            return false;
        }
    }
    LireIdentite();
    AccesReussi();
    return true;
}

void THistoriqueJeux::PasserEnLectureSeule(const QString& raison, const AvisHistorique& avis)
{
    lectureSeule_ = true;
    raison_ = raison;
    avis_ = avis;
}

bool THistoriqueJeux::MettreAJour()
{
    const std::optional<QString> echec = Transaction([&](QSqlQuery& q) {
        // un autre exemplaire a pu le faire entre-temps : la version se relit sous le verrou d'écriture
        if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
            return false;
        const int depart = q.value(0).toInt();
        q.finish();
        bool rattraper = false;
        for (int etape = depart + 1; etape <= VersionSchema; ++etape) {
            const EtapeSchema& e = EtapesSchema[static_cast<size_t>(etape - 1)];
            QStringList requetes = RequetesDeLaTable("jeux", ColonnesHistorique(), etape) +
                                   RequetesDeLaTable("series", ColonnesSeries(), etape);
            if (etape == EtapeMatchs)
                requetes << QString::fromStdString(CreationTableMatchs());
            for (const QString& requete : requetes)
                if (!q.exec(requete))
                    return false;
            for (const char* plus : e.Sql)
                if (plus && !q.exec(QLatin1String(plus)))
                    return false;
            rattraper = rattraper || e.RattraperSeries;
        }
        // une fois le schéma entier, pour que les jeux se lisent avec toutes leurs colonnes
        if (rattraper && !RattraperSeries(q))
            return false;
        return q.exec(QStringLiteral("PRAGMA user_version = %1").arg(std::max(depart, VersionSchema)));
    });
    if (echec) {
        raison_ = *echec;
        return false;
    }
    versionFichier_ = VersionSchema;
    return true;
}

void THistoriqueJeux::LireIdentite()
{
    identifiant_ = 0;
    dejaCompte_ = 0;
    statistiquesEcrites_ = false;
    if (versionFichier_ < 3)
        return;
    QSqlQuery q(base_);
    if (!q.exec(QStringLiteral("SELECT cle, valeur FROM reglages WHERE cle IN ('identifiant', 'deja_comptes', "
                               "'statistiques_ecrites')")))
        return;
    while (q.next()) {
        const QString cle = q.value(0).toString();
        if (cle == QLatin1String("identifiant"))
            identifiant_ = q.value(1).toLongLong();
        else if (cle == QLatin1String("deja_comptes"))
            dejaCompte_ = q.value(1).toLongLong();
        else
            statistiquesEcrites_ = true;
    }
}

void THistoriqueJeux::MarquerStatistiquesEcrites()
{
    if (!statistiquesEcrites_)
        statistiquesEcrites_ = !EcrireReglage(QStringLiteral("statistiques_ecrites"), "1");
}

int64_t THistoriqueJeux::DernierNumero()
{
    if (!Ouvrir())
        return 0;
    QSqlQuery q(base_);
    if (!q.exec(QStringLiteral("SELECT coalesce(max(numero), 0) FROM jeux")) || !q.next()) {
        Echec(q.lastError());
        return 0;
    }
    AccesReussi();
    return q.value(0).toLongLong();
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
        raison_ = Echec(GenreEchec::Illisible,
                        QStringLiteral("le fichier est illisible (%1) et ne peut pas être renommé").arg(pourquoi));
        return false;
    }
    // les journaux d'un fichier illisible partent avec lui : ils ne doivent pas s'appliquer au nouvel historique
    for (const char* journal : {"-wal", "-shm"})
        if (QFileInfo::exists(chemin_ + QLatin1String(journal)))
            QFile::rename(chemin_ + QLatin1String(journal), nouveau + QLatin1String(journal));
    misDeCote_ = nouveau;
    versionFichier_ = 0;
    avis_ = AvisHistorique{QStringLiteral("Historique illisible"),
                           QStringLiteral("Le fichier %1 n'est pas un historique lisible : %2.\n"
                                          "Il a été renommé \"%3\" et un nouvel historique commence.")
                               .arg(Cite(chemin_), pourquoi, QFileInfo(nouveau).fileName())};
    return true;
}

std::optional<QString> THistoriqueJeux::Transaction(const std::function<bool(QSqlQuery&)>& ecrire)
{
    if (!Ouvrir() || lectureSeule_)
        return raison_.isEmpty() ? QStringLiteral("l'historique n'est pas ouvert") : raison_;
    QSqlQuery q(base_);
    // le verrou d'écriture pris d'emblée : l'attente se fait ici, avant tout changement
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return Echec(q.lastError());
    if (!ecrire(q) || !q.exec(QStringLiteral("COMMIT"))) {
        const QString raison = Echec(q.lastError());
        q.exec(QStringLiteral("ROLLBACK"));
        return raison;
    }
    AccesReussi();
    return std::nullopt;
}

bool THistoriqueJeux::LireDansLaTransaction(QSqlQuery& q, const QString& condition, const QVariant& parametre,
                                            std::vector<LigneHistorique>& lignes)
{
    const std::vector<const ColonneHistorique*> colonnes = ColonnesEnregistrees(VersionSchema);
    q.prepare(QStringLiteral("SELECT %1 FROM jeux WHERE %2 ORDER BY numero").arg(Noms(colonnes, QString()), condition));
    q.addBindValue(parametre);
    if (!q.exec())
        return false;
    while (q.next()) {
        LigneHistorique& l = lignes.emplace_back();
        for (size_t i = 0; i < colonnes.size(); ++i)
            colonnes[i]->Affecter(l, EnCase(q.value(static_cast<int>(i))));
    }
    q.finish();
    return true;
}

// le bilan de la série, refait de ses jeux par la règle de la série qu'on joue
bool THistoriqueJeux::RefaireBilanSerie(QSqlQuery& q, int64_t serie)
{
    std::vector<LigneHistorique> lignes;
    if (!LireDansLaTransaction(q, QStringLiteral("serie = ?"), static_cast<qlonglong>(serie), lignes))
        return false;
    std::vector<JeuDeSerie> jeux;
    for (const LigneHistorique& l : lignes)
        jeux.push_back(JeuDeSerieDeLaLigne(l));
    const LigneSerie ligne{serie, {}, BilanDesJeux(std::nullopt, jeux)};
    QStringList affectations;
    for (const ColonneSerie& c : ColonnesSeries())
        if (c.DuBilan)
            affectations << QStringLiteral("%1 = :%1").arg(QLatin1String(c.Sql));
    q.prepare(QStringLiteral("UPDATE series SET %1 WHERE numero = :numero").arg(affectations.join(QStringLiteral(", "))));
    for (const ColonneSerie& c : ColonnesSeries())
        if (c.DuBilan)
            q.bindValue(QLatin1Char(':') + QLatin1String(c.Sql), EnVariant(c.Valeur(ligne)));
    q.bindValue(QStringLiteral(":numero"), static_cast<qlonglong>(serie));
    return q.exec();
}

bool THistoriqueJeux::RattraperSeries(QSqlQuery& q)
{
    // seulement celles qui ont moins de jeux que ceux qui les nomment : une série dont un jeu n'a pas pu être
    // écrit garde le bilan qu'elle avait
    if (!q.exec(QStringLiteral("SELECT numero FROM series WHERE jeux < (SELECT count(*) FROM jeux WHERE serie = series.numero)")))
        return false;
    std::vector<int64_t> enRetard;
    while (q.next())
        enRetard.push_back(q.value(0).toLongLong());
    q.finish();
    for (int64_t serie : enRetard)
        if (!RefaireBilanSerie(q, serie))
            return false;
    return true;
}

std::optional<QString> THistoriqueJeux::Ajouter(const LigneHistorique& ligne, AjoutJeu* ajout)
{
    std::vector<const ColonneHistorique*> ecrites;
    for (const ColonneHistorique* c : ColonnesEnregistrees(VersionSchema))
        if (!c->DonneeParLaBase)
            ecrites.push_back(c);
    AjoutJeu fait;
    const std::optional<QString> echec = Transaction([&](QSqlQuery& q) {
        LigneHistorique l = ligne;
        // le premier essai d'une date se décide sous le verrou d'écriture : deux exemplaires qui finissent
        // ensemble le jeu du jour n'en écrivent qu'un comme tel
        const std::optional<DateJour> date = l.JourDuJeu ? DateDuNombre(*l.JourDuJeu) : std::nullopt;
        if (l.Origine == OrigineJeu::Jour && date) {
            std::vector<LigneHistorique> memeJour;
            if (!LireDansLaTransaction(q, QStringLiteral("jour = ?"), *l.JourDuJeu, memeJour))
                return false;
            if (JeuDuJourDejaJoue(JeuxDuJourEnregistres(memeJour), *date)) {
                l.Origine = OrigineJeu::Propose;
                l.JourDuJeu.reset();
            }
        }
        q.prepare(QStringLiteral("INSERT INTO jeux (%1) VALUES (%2)")
                      .arg(Noms(ecrites, QString()), Noms(ecrites, QStringLiteral(":"))));
        for (const ColonneHistorique* c : ecrites)
            q.bindValue(QLatin1Char(':') + QLatin1String(c->Sql), EnVariant(c->Valeur(l)));
        if (!q.exec())
            return false;
        fait = {q.lastInsertId().toLongLong(), l.Origine};
        Crochet("ligne");
        return !l.Serie || RefaireBilanSerie(q, *l.Serie);
    });
    if (!echec && ajout)
        *ajout = fait;
    return echec;
}

std::vector<LigneHistorique> THistoriqueJeux::Lire(int64_t apres, QString* erreur, std::optional<OrigineJeu> origine)
{
    std::vector<LigneHistorique> lignes;
    const auto echec = [&](const QString& raison) {
        if (erreur)
            *erreur = raison;
        // ce que ce programme lit n'est plus dans un fichier d'une version plus récente
        if (versionFichier_ > VersionSchema && genre_ != GenreEchec::Verrouille)
            genre_ = GenreEchec::VersionPlusRecente;
        return std::vector<LigneHistorique>();
    };
    if (!Ouvrir())
        return echec(raison_);
    // un fichier vide qu'on n'a pas pu préparer (dossier fermé) n'a pas encore de jeux
    if (versionFichier_ < 1)
        return lignes;
    const std::vector<const ColonneHistorique*> colonnes = ColonnesEnregistrees(std::min(versionFichier_, VersionSchema));
    const QString condition = origine ? QStringLiteral("numero > ? AND origine = %1").arg(static_cast<int>(*origine))
                                      : QStringLiteral("numero > ?");
    const QByteArray compte = QStringLiteral("SELECT count(*) FROM jeux WHERE %1").arg(condition).toUtf8();
    const QByteArray requete = QStringLiteral("SELECT %1 FROM jeux WHERE %2 ORDER BY numero")
                                   .arg(Noms(colonnes, QString()), condition)
                                   .toUtf8();
    const auto remplir = [&](LigneHistorique& l, int i, const ValeurCase& v) {
        colonnes[static_cast<size_t>(i)]->Affecter(l, v);
    };
    const int n = static_cast<int>(colonnes.size());
    if (sqlite3* sqlite = Sqlite()) {
        // la place de tout l'historique d'un coup : une liste qui double en grandissant en demanderait deux fois
        // plus ; une lecture partielle, peu de lignes, s'en passe
        if (apres == 0 && !origine) {
            Instruction nombre(sqlite, compte, apres);
            if (nombre.Suivante())
                lignes.reserve(static_cast<size_t>(sqlite3_column_int64(nombre.Etat(), 0)));
        }
        Instruction lecture(sqlite, requete, apres);
        while (lecture.Suivante()) {
            LigneHistorique& l = lignes.emplace_back();
            for (int i = 0; i < n; ++i)
                remplir(l, i, lecture.Case(i));
        }
        if (!lecture.Reussie())
            return echec(Echec(lecture.Erreur()));
        AccesReussi();
        return lignes;
    }
    QSqlQuery q(base_);
    q.setForwardOnly(true);
    q.prepare(QString::fromUtf8(requete));
    q.addBindValue(static_cast<qlonglong>(apres));
    if (!q.exec())
        return echec(Echec(q.lastError()));
    while (q.next()) {
        LigneHistorique& l = lignes.emplace_back();
        for (int i = 0; i < n; ++i)
            remplir(l, i, EnCase(q.value(i)));
    }
    AccesReussi();
    return lignes;
}

// la connexion de Qt lue par SQLite même : sans une QVariant par case, tout l'historique se lit quatre fois
// plus vite. Seulement quand le pilote de Qt se sert de la même bibliothèque SQLite que ce programme (celle
// du système) ; sinon, nul
sqlite3* THistoriqueJeux::Sqlite()
{
    if (!sqliteVerifie_) {
        sqliteVerifie_ = true;
        const QVariant poignee = base_.driver()->handle();
        QSqlQuery q(base_);
        if (poignee.isValid() && qstrcmp(poignee.typeName(), "sqlite3*") == 0 &&
            q.exec(QStringLiteral("SELECT sqlite_source_id()")) && q.next() &&
            q.value(0).toString() == QLatin1String(sqlite3_sourceid()))
            sqlite_ = *static_cast<sqlite3* const*>(poignee.constData());
    }
    return sqlite_;
}

std::optional<QString> THistoriqueJeux::AjouterSerie(LigneSerie& serie)
{
    std::vector<const ColonneSerie*> ecrites;
    for (const ColonneSerie& c : ColonnesSeries())
        if (!c.DonneeParLaBase)
            ecrites.push_back(&c);
    return Transaction([&](QSqlQuery& q) {
        QStringList noms, parametres;
        for (const ColonneSerie* c : ecrites) {
            noms << QLatin1String(c->Sql);
            parametres << QLatin1Char(':') + QLatin1String(c->Sql);
        }
        q.prepare(QStringLiteral("INSERT INTO series (%1) VALUES (%2)")
                      .arg(noms.join(QStringLiteral(", ")), parametres.join(QStringLiteral(", "))));
        for (const ColonneSerie* c : ecrites)
            q.bindValue(QLatin1Char(':') + QLatin1String(c->Sql), EnVariant(c->Valeur(serie)));
        if (!q.exec())
            return false;
        serie.Numero = q.lastInsertId().toLongLong();
        return true;
    });
}

std::vector<LigneSerie> THistoriqueJeux::LireSeries(QString* erreur)
{
    std::vector<LigneSerie> series;
    const auto echec = [&](const QString& raison) {
        if (erreur)
            *erreur = raison;
        return std::vector<LigneSerie>();
    };
    if (!Ouvrir())
        return echec(raison_);
    std::vector<const ColonneSerie*> colonnes;
    QStringList noms;
    for (const ColonneSerie& c : ColonnesSeries())
        if (c.Etape <= std::min(versionFichier_, VersionSchema)) {
            colonnes.push_back(&c);
            noms << QLatin1String(c.Sql);
        }
    // un fichier d'avant les séries n'en a pas
    if (colonnes.empty())
        return series;
    QSqlQuery q(base_);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT %1 FROM series ORDER BY numero").arg(noms.join(QStringLiteral(", ")))))
        return echec(Echec(q.lastError()));
    while (q.next()) {
        LigneSerie s;
        for (size_t i = 0; i < colonnes.size(); ++i)
            colonnes[i]->Affecter(s, EnCase(q.value(static_cast<int>(i))));
        if (!SerieDUnAutreNiveau(s))
            series.push_back(std::move(s));
    }
    AccesReussi();
    return series;
}

namespace {

// les colonnes des matchs qu'on écrit (sans le numéro, que la base donne), et celles qu'un bilan change
std::vector<const ColonneMatch*> ColonnesMatchEcrites(bool bilanSeul)
{
    std::vector<const ColonneMatch*> colonnes;
    for (const ColonneMatch& c : ColonnesMatchs())
        if (!c.DonneeParLaBase && !(bilanSeul && QLatin1String(c.Sql) == QLatin1String("date")))
            colonnes.push_back(&c);
    return colonnes;
}

}  // namespace

std::optional<QString> THistoriqueJeux::AjouterMatch(LigneMatch& match)
{
    const std::vector<const ColonneMatch*> colonnes = ColonnesMatchEcrites(false);
    return Transaction([&](QSqlQuery& q) {
        QStringList noms, valeurs;
        for (const ColonneMatch* c : colonnes) {
            noms << QLatin1String(c->Sql);
            valeurs << QLatin1Char(':') + QLatin1String(c->Sql);
        }
        q.prepare(QStringLiteral("INSERT INTO matchs (%1) VALUES (%2)")
                      .arg(noms.join(QStringLiteral(", ")), valeurs.join(QStringLiteral(", "))));
        for (const ColonneMatch* c : colonnes)
            q.bindValue(QLatin1Char(':') + QLatin1String(c->Sql), EnVariant(c->Valeur(match)));
        if (!q.exec())
            return false;
        match.Numero = q.lastInsertId().toLongLong();
        return true;
    });
}

std::optional<QString> THistoriqueJeux::GarderMatch(const LigneMatch& match)
{
    const std::vector<const ColonneMatch*> colonnes = ColonnesMatchEcrites(true);
    return Transaction([&](QSqlQuery& q) {
        QStringList affectations;
        for (const ColonneMatch* c : colonnes)
            affectations << QStringLiteral("%1 = :%1").arg(QLatin1String(c->Sql));
        q.prepare(QStringLiteral("UPDATE matchs SET %1 WHERE numero = :numero").arg(affectations.join(QStringLiteral(", "))));
        for (const ColonneMatch* c : colonnes)
            q.bindValue(QLatin1Char(':') + QLatin1String(c->Sql), EnVariant(c->Valeur(match)));
        q.bindValue(QStringLiteral(":numero"), static_cast<qlonglong>(match.Numero));
        return q.exec();
    });
}

std::vector<LigneMatch> THistoriqueJeux::LireMatchs(QString* erreur)
{
    std::vector<LigneMatch> matchs;
    if (!Ouvrir() || versionFichier_ < EtapeMatchs) {
        if (erreur)
            *erreur = raison_;
        return matchs;
    }
    QStringList noms;
    for (const ColonneMatch& c : ColonnesMatchs())
        noms << QLatin1String(c.Sql);
    QSqlQuery q(base_);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT %1 FROM matchs ORDER BY numero").arg(noms.join(QStringLiteral(", "))))) {
        if (erreur)
            *erreur = RaisonDe(q.lastError());
        return matchs;
    }
    while (q.next()) {
        LigneMatch m;
        int i = 0;
        for (const ColonneMatch& c : ColonnesMatchs())
            c.Affecter(m, EnCase(q.value(i++)));
        if (!MatchInconnu(m))
            matchs.push_back(std::move(m));
    }
    return matchs;
}

std::optional<QByteArray> THistoriqueJeux::LireReglage(const QString& cle)
{
    if (!Ouvrir() || versionFichier_ < 2)
        return std::nullopt;
    QSqlQuery q(base_);
    q.prepare(QStringLiteral("SELECT valeur FROM reglages WHERE cle = ?"));
    q.addBindValue(cle);
    if (!q.exec()) {
        Echec(q.lastError());
        return std::nullopt;
    }
    AccesReussi();
    if (!q.next())
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
