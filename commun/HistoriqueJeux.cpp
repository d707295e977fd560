// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoriqueJeux.h"

#include "ColonnesHistorique.h"
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

// les étapes du schéma : l'étape n mène un fichier de la version n - 1 à la version n. Les colonnes de
// l'étape (ColonnesHistorique) s'ajoutent d'elles-mêmes ; ici, ce que l'étape fait de plus
constexpr std::array<const char*, THistoriqueJeux::VersionSchema> EtapesSchema = {
    nullptr,
    "CREATE TABLE reglages (cle TEXT PRIMARY KEY, valeur BLOB)",
    // les jeux déjà là ont été comptés par les statistiques quand ils ont été joués
    "INSERT OR IGNORE INTO reglages (cle, valeur) VALUES ('identifiant', abs(random())),"
    " ('deja_comptes', (SELECT coalesce(max(numero), 0) FROM jeux))",
    // la colonne du niveau seule
    nullptr,
    // la date d'un jeu du jour seule
    nullptr,
    // une série est gardée dès son premier jeu, puis après chacun : une série arrêtée reste non finie
    "CREATE TABLE series (numero INTEGER PRIMARY KEY, date TEXT NOT NULL, niveau INTEGER, jeux INTEGER NOT NULL,"
    " points INTEGER NOT NULL, trouves INTEGER NOT NULL, temps_median_ms REAL, finie INTEGER NOT NULL)",
    // la table des matchs, faite de ses colonnes (ColonnesMatchs) ; comme une série, un match est gardé dès son
    // début, puis après chaque tirage
    nullptr,
};

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

bool Illisible(const QSqlError& e)
{
    const int code = CodePrimaire(e);
    return code == SqliteCorrompu || code == SqlitePasUneBase;
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
        default:
            return static_cast<int64_t>(sqlite3_value_int64(v));
        }
    }

private:
    sqlite3* base_;
    sqlite3_stmt* etat_ = nullptr;
    int code_ = SQLITE_OK;
};

// pourquoi ce processus ne doit pas écrire le fichier (ou le créer) ; vide s'il le peut. Un fichier que
// personne n'a le droit d'écrire reste tel quel, même pour l'administrateur
QString RaisonSansEcriture(const QString& chemin, const struct stat* etat)
{
    const QString dossier = QFileInfo(chemin).absolutePath();
    if (::access(QFile::encodeName(dossier).constData(), W_OK) != 0)
        return QStringLiteral("le dossier %1 ne peut pas être écrit").arg(Cite(dossier));
    if (etat && ((etat->st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
                 ::access(QFile::encodeName(chemin).constData(), W_OK) != 0))
        return QStringLiteral("le fichier est en lecture seule");
    return {};
}

}  // namespace

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

bool THistoriqueJeux::Ouvrir()
{
    if (base_.isOpen())
        return true;
    raison_.clear();
    lectureSeule_ = false;
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        raison_ = QStringLiteral("le pilote SQLite de Qt est absent (paquet libqt6sql6-sqlite)");
        return false;
    }
    const QString dossier = QFileInfo(chemin_).absolutePath();
    if (!QDir().mkpath(dossier)) {
        raison_ = QStringLiteral("le dossier %1 ne peut pas être créé").arg(Cite(dossier));
        return false;
    }
    // un tube ou un périphérique ne s'ouvre jamais : SQLite attendrait un écrivain ou lirait sans fin
    struct stat etat {};
    const bool existe = ::stat(QFile::encodeName(chemin_).constData(), &etat) == 0;
    if (existe && !S_ISREG(etat.st_mode)) {
        raison_ = QStringLiteral("ce n'est pas un fichier ordinaire (tube, périphérique ou dossier)");
        return false;
    }
    const QString sansEcriture = RaisonSansEcriture(chemin_, existe ? &etat : nullptr);
    if (!existe && !sansEcriture.isEmpty()) {
        raison_ = sansEcriture;
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

// la connexion ; en lecture seule, un fichier sans journal est lu comme immuable : ni verrou, ni journal
// créé à côté (un dossier fermé n'en permettrait pas)
bool THistoriqueJeux::OuvrirConnexion(bool lectureSeule)
{
    FermerConnexion();
    base_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nomConnexion_);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(AttenteVerrouMs);
    if (lectureSeule && !QFileInfo::exists(chemin_ + QStringLiteral("-wal"))) {
        base_.setDatabaseName(QUrl::fromLocalFile(chemin_).toString(QUrl::FullyEncoded) + QStringLiteral("?immutable=1"));
        options += QStringLiteral(";QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY");
    } else {
        base_.setDatabaseName(chemin_);
        if (lectureSeule)
            options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    }
    base_.setConnectOptions(options);
    if (!base_.open()) {
        raison_ = RaisonDe(base_.lastError());
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

// un fichier existant est lu par SQLite seul, en lecture seule (rien n'y est changé, pas même le journal
// d'un fichier qu'on mettra de côté) : en-tête, intégrité, version ; illisible, il est mis de côté si le
// dossier le permet
THistoriqueJeux::Issue THistoriqueJeux::Verifier(bool ecriture)
{
    if (!Existe() || QFileInfo(chemin_).size() == 0)
        return Issue::Ouvert;
    QString illisible;
    {
        if (!OuvrirConnexion(true))
            return Issue::Echec;
        QSqlQuery q(base_);
        const auto lire = [&](const QString& requete) {
            if (q.exec(requete) && q.next())
                return true;
            if (Illisible(q.lastError()))
                illisible = RaisonDe(q.lastError());
            else
                raison_ = RaisonDe(q.lastError());
            return false;
        };
        if (lire(QStringLiteral("PRAGMA schema_version")) && lire(QStringLiteral("PRAGMA integrity_check"))) {
            if (q.value(0).toString() != QLatin1String("ok"))
                illisible = QStringLiteral("la vérification d'intégrité a échoué : %1").arg(q.value(0).toString());
            else if (lire(QStringLiteral("PRAGMA user_version")))
                versionFichier_ = q.value(0).toInt();
        }
    }
    FermerConnexion();
    if (illisible.isEmpty())
        return raison_.isEmpty() ? Issue::Ouvert : Issue::Echec;
    if (!ecriture) {
        raison_ = QStringLiteral("le fichier est illisible (%1)").arg(illisible);
        return Issue::Echec;
    }
    return MettreDeCote(illisible) ? Issue::MisDeCote : Issue::Echec;
}

// la connexion gardée ; en écriture, le journal WAL et le schéma de ce programme
bool THistoriqueJeux::Preparer(bool ecriture)
{
    if (!OuvrirConnexion(!ecriture))
        return false;
    QSqlQuery q(base_);
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
        raison_ = RaisonDe(q.lastError());
        FermerConnexion();
        return false;
    }
    versionFichier_ = q.value(0).toInt();
    q.finish();
    if (versionFichier_ > VersionSchema) {
        // on lit ce qu'on comprend ; on n'écrit rien que la version plus récente ne saurait pas lire
        const QString raison = QStringLiteral("le fichier vient d'une version plus récente du programme (schéma %1, "
                                              "celui-ci connaît le %2) : il n'est ouvert qu'en lecture")
                                   .arg(versionFichier_)
                                   .arg(VersionSchema);
        PasserEnLectureSeule(raison, {QStringLiteral("Historique en lecture seule"),
                                      QStringLiteral("L'historique %1 vient d'une version plus récente du programme.\n"
                                                     "Il est ouvert en lecture seule : les jeux n'y sont pas ajoutés.")
                                          .arg(Cite(chemin_))});
        if (ecriture && !OuvrirConnexion(true))
            return false;
    } else if (ecriture) {
        // persistant : lecteurs et écrivain ne s'attendent plus ; deux programmes qui écrivent se suivent
        if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL"))) {
            raison_ = RaisonDe(q.lastError());
            lectureSeule_ = true;
        }
        q.finish();
        if (!lectureSeule_ && versionFichier_ < VersionSchema && !MettreAJour()) {
            FermerConnexion();
            return false;
        }
    }
    LireIdentite();
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
        for (int etape = depart + 1; etape <= VersionSchema; ++etape) {
            QStringList colonnes;
            for (const ColonneHistorique& c : ColonnesHistorique())
                if (c.Sql && c.Etape == etape)
                    colonnes << QStringLiteral("%1 %2").arg(QLatin1String(c.Sql), QLatin1String(c.Declaration));
            QStringList requetes;
            if (etape == 1)
                requetes << QStringLiteral("CREATE TABLE jeux (%1)").arg(colonnes.join(QStringLiteral(", ")));
            else
                for (const QString& colonne : colonnes)
                    requetes << QStringLiteral("ALTER TABLE jeux ADD COLUMN ") + colonne;
            if (const char* plus = EtapesSchema[static_cast<size_t>(etape - 1)])
                requetes << QLatin1String(plus);
            if (etape == EtapeMatchs)
                requetes << QString::fromStdString(CreationTableMatchs());
            for (const QString& requete : requetes)
                if (!q.exec(requete))
                    return false;
        }
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
    return q.exec(QStringLiteral("SELECT coalesce(max(numero), 0) FROM jeux")) && q.next() ? q.value(0).toLongLong() : 0;
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
        return RaisonDe(q.lastError());
    if (!ecrire(q) || !q.exec(QStringLiteral("COMMIT"))) {
        const QString raison = RaisonDe(q.lastError());
        q.exec(QStringLiteral("ROLLBACK"));
        return raison;
    }
    return std::nullopt;
}

std::optional<QString> THistoriqueJeux::Ajouter(const LigneHistorique& l, int64_t* numero)
{
    std::vector<const ColonneHistorique*> ecrites;
    for (const ColonneHistorique* c : ColonnesEnregistrees(VersionSchema))
        if (!c->DonneeParLaBase)
            ecrites.push_back(c);
    return Transaction([&](QSqlQuery& q) {
        q.prepare(QStringLiteral("INSERT INTO jeux (%1) VALUES (%2)")
                      .arg(Noms(ecrites, QString()), Noms(ecrites, QStringLiteral(":"))));
        for (const ColonneHistorique* c : ecrites)
            q.bindValue(QLatin1Char(':') + QLatin1String(c->Sql), EnVariant(c->Valeur(l)));
        if (!q.exec())
            return false;
        if (numero)
            *numero = q.lastInsertId().toLongLong();
        return true;
    });
}

std::vector<LigneHistorique> THistoriqueJeux::Lire(int64_t apres, QString* erreur, std::optional<OrigineJeu> origine)
{
    std::vector<LigneHistorique> lignes;
    const auto echec = [&](const QString& raison) {
        if (erreur)
            *erreur = raison;
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
            return echec(RaisonDe(lecture.Erreur()));
        return lignes;
    }
    QSqlQuery q(base_);
    q.setForwardOnly(true);
    q.prepare(QString::fromUtf8(requete));
    q.addBindValue(static_cast<qlonglong>(apres));
    if (!q.exec())
        return echec(RaisonDe(q.lastError()));
    while (q.next()) {
        LigneHistorique& l = lignes.emplace_back();
        for (int i = 0; i < n; ++i)
            remplir(l, i, EnCase(q.value(i)));
    }
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

std::optional<QString> THistoriqueJeux::GarderSerie(LigneSerie& serie)
{
    const BilanSerie& b = serie.Bilan;
    return Transaction([&](QSqlQuery& q) {
        q.prepare(serie.Numero == 0
                      ? QStringLiteral("INSERT INTO series (date, niveau, jeux, points, trouves, temps_median_ms, finie)"
                                       " VALUES (:date, :niveau, :jeux, :points, :trouves, :temps, :finie)")
                      : QStringLiteral("UPDATE series SET niveau = :niveau, jeux = :jeux, points = :points,"
                                       " trouves = :trouves, temps_median_ms = :temps, finie = :finie"
                                       " WHERE numero = :numero"));
        if (serie.Numero == 0)
            q.bindValue(QStringLiteral(":date"), QString::fromStdString(serie.DateHeure));
        q.bindValue(QStringLiteral(":niveau"), b.Niveau ? QVariant(static_cast<int>(*b.Niveau)) : QVariant());
        q.bindValue(QStringLiteral(":jeux"), b.JeuxJoues);
        q.bindValue(QStringLiteral(":points"), b.Points);
        q.bindValue(QStringLiteral(":trouves"), b.Trouves);
        q.bindValue(QStringLiteral(":temps"), b.TempsMedian ? QVariant(*b.TempsMedian) : QVariant());
        q.bindValue(QStringLiteral(":finie"), b.Finie ? 1 : 0);
        if (serie.Numero != 0)
            q.bindValue(QStringLiteral(":numero"), static_cast<qlonglong>(serie.Numero));
        if (!q.exec())
            return false;
        if (serie.Numero == 0)
            serie.Numero = q.lastInsertId().toLongLong();
        return true;
    });
}

std::vector<LigneSerie> THistoriqueJeux::LireSeries(QString* erreur)
{
    std::vector<LigneSerie> series;
    if (!Ouvrir() || versionFichier_ < 6) {
        if (erreur)
            *erreur = raison_;
        return series;
    }
    QSqlQuery q(base_);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT numero, date, niveau, jeux, points, trouves, temps_median_ms, finie FROM series"
                               " ORDER BY numero"))) {
        if (erreur)
            *erreur = RaisonDe(q.lastError());
        return series;
    }
    while (q.next()) {
        const int niveau = q.value(2).toInt();
        const bool ordinaire = q.value(2).isNull();
        // un niveau qu'une autre version aurait ajouté ne se mêle pas aux records de ceux-ci
        if (!ordinaire && (niveau < static_cast<int>(NiveauJeu::Facile) || niveau > static_cast<int>(NiveauJeu::Expert)))
            continue;
        LigneSerie& s = series.emplace_back();
        s.Numero = q.value(0).toLongLong();
        s.DateHeure = q.value(1).toString().toStdString();
        if (!ordinaire)
            s.Bilan.Niveau = static_cast<NiveauJeu>(niveau);
        s.Bilan.JeuxJoues = q.value(3).toInt();
        s.Bilan.Points = q.value(4).toInt();
        s.Bilan.Trouves = q.value(5).toInt();
        if (!q.value(6).isNull())
            s.Bilan.TempsMedian = q.value(6).toDouble();
        s.Bilan.Finie = q.value(7).toInt() != 0;
    }
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
