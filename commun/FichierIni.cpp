// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FichierIni.h"

#include "ProvisoiresAbandonnes.h"
#include "TempsLimitesPermis.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <limits>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// un enregistrement ne garde le verrou que quelques millisecondes : au-delà, c'est un programme arrêté net
constexpr int VerrouAbandonneMs = 8000;

QString CheminVerrouDe(const QString& chemin) { return chemin + QStringLiteral(".verrou"); }

// un verrou vide, vieux d'une seconde, que nul ne tient : son programme a été arrêté net entre la création
// du fichier et l'écriture de son numéro de processus, qui seul permet à QLockFile de le voir abandonné (le
// verrou « .rmlock » que QLockFile prend pour retirer un verrou abandonné peut rester ainsi lui aussi)
bool VerrouVideAbandonne(const QString& chemin)
{
    const QByteArray nom = QFile::encodeName(chemin);
    struct stat etat {};
    if (::stat(nom.constData(), &etat) != 0 || etat.st_size != 0 || ::time(nullptr) - etat.st_mtime < 1)
        return false;
    const int fd = ::open(nom.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    const bool libre = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return libre;
}

bool PrendreVerrou(QLockFile& verrou, const QString& chemin, int attenteMs)
{
    verrou.setStaleLockTime(VerrouAbandonneMs);
    QElapsedTimer attente;
    attente.start();
    for (;;) {
        if (verrou.tryLock(std::clamp(attenteMs - static_cast<int>(attente.elapsed()), 0, 100)))
            return true;
        const QString retrait = chemin + QStringLiteral(".rmlock");
        if (VerrouVideAbandonne(chemin))
            verrou.removeStaleLockFile();
        else if (VerrouVideAbandonne(retrait))
            QFile::remove(retrait);
        else if (attente.elapsed() >= attenteMs)
            return false;
    }
}

const QByteArray MarqueUtf8("\xEF\xBB\xBF");
const QByteArray MarqueUtf16LE("\xFF\xFE");
const QByteArray MarqueUtf16BE("\xFE\xFF");

// la raison d'un échec du système, en français
QString TexteErreurSysteme(int code)
{
    switch (code) {
    case EACCES:
    case EPERM:
        return QStringLiteral("permission refusée");
    case EROFS:
        return QStringLiteral("système de fichiers en lecture seule");
    case ENOSPC:
        return QStringLiteral("plus de place sur le disque");
    case EDQUOT:
        return QStringLiteral("quota dépassé");
    case EFBIG:
        return QStringLiteral("taille de fichier permise dépassée");
    case EIO:
        return QStringLiteral("erreur d'entrée-sortie");
    case ENOTDIR:
        return QStringLiteral("un élément du chemin n'est pas un dossier");
    case EISDIR:
        return QStringLiteral("c'est un dossier");
    case ELOOP:
        return QStringLiteral("trop de liens symboliques");
    case ENAMETOOLONG:
        return QStringLiteral("nom trop long");
    default:
        return QStringLiteral("erreur système %1").arg(code);
    }
}

void DonnerRaison(QString* raison, const QString& texte)
{
    if (raison)
        *raison = texte;
}

// le fichier ouvert sans attendre, fermé à la sortie de la portée
class Descripteur {
public:
    explicit Descripteur(int fd) : fd_(fd) {}
    ~Descripteur()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descripteur(const Descripteur&) = delete;
    Descripteur& operator=(const Descripteur&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

QString RaisonPasOrdinaire()
{
    return QStringLiteral("Ce n'est pas un fichier ordinaire (tube, périphérique ou dossier).");
}

QString RaisonTropGrand()
{
    return QStringLiteral("Le fichier dépasse la taille d'un fichier de statistiques (1 Mo).");
}

QString RaisonLecture(int code)
{
    return QStringLiteral("Le fichier ne peut pas être lu (%1).").arg(TexteErreurSysteme(code));
}

// les octets du fichier : seul un fichier ordinaire d'au plus la taille permise est lu. L'ouverture
// n'attend jamais (O_NONBLOCK : un tube sans écrivain ne retient pas le programme) et le type est
// vérifié avant et après l'ouverture, sur ce qui a vraiment été ouvert
bool LireOctets(const QString& chemin, QByteArray& octets, QString& raison)
{
    octets.clear();
    const QByteArray nom = QFile::encodeName(chemin);
    struct stat etat {};
    if (::stat(nom.constData(), &etat) == 0 && !S_ISREG(etat.st_mode)) {
        raison = RaisonPasOrdinaire();
        return false;
    }
    const Descripteur fichier(::open(nom.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fichier.fd() < 0) {
        // absent : un fichier vide
        if (errno == ENOENT || errno == ENOTDIR)
            return true;
        raison = RaisonLecture(errno);
        return false;
    }
    if (::fstat(fichier.fd(), &etat) != 0 || !S_ISREG(etat.st_mode)) {
        raison = RaisonPasOrdinaire();
        return false;
    }
    if (etat.st_size > TFichierIni::TailleMaximale) {
        raison = RaisonTropGrand();
        return false;
    }
    // un octet de plus que permis : un fichier qui grandit pendant la lecture est vu aussi
    octets.resize(TFichierIni::TailleMaximale + 1);
    qint64 lus = 0;
    while (lus < octets.size()) {
        const ssize_t n = ::read(fichier.fd(), octets.data() + lus, static_cast<size_t>(octets.size() - lus));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            raison = RaisonLecture(errno);
            octets.clear();
            return false;
        }
        if (n == 0)
            break;
        lus += n;
    }
    if (lus > TFichierIni::TailleMaximale) {
        raison = RaisonTropGrand();
        octets.clear();
        return false;
    }
    octets.truncate(lus);
    return true;
}

// le texte en UTF-16 décodé, seulement s'il se réécrit à l'identique (pas de moitié de caractère)
bool DecoderUtf16(const QByteArray& corps, QStringConverter::Encoding codage, QByteArray& texte)
{
    if (corps.size() % 2 != 0)
        return false;
    QStringDecoder decodeur(codage, QStringConverter::Flag::Stateless);
    const QString decode = decodeur.decode(corps);
    if (decodeur.hasError())
        return false;
    QStringEncoder encodeur(codage, QStringConverter::Flag::Stateless);
    if (QByteArray(encodeur.encode(decode)) != corps)
        return false;
    // une moitié de caractère seule ne passe pas en UTF-8 : elle serait perdue à la réécriture
    texte = decode.toUtf8();
    return QString::fromUtf8(texte) == decode;
}

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

bool CreerDossier(const QString& dossier, QString* raison)
{
    if (QDir().mkpath(dossier))
        return true;
    DonnerRaison(raison, QStringLiteral("Le dossier \"%1\" ne peut pas être créé.").arg(QDir::toNativeSeparators(dossier)));
    return false;
}

// refuse de remplacer un fichier que personne n'a le droit d'écrire (root le pourrait : il ne le fait pas),
// ou que ce processus ne peut pas écrire ; un fichier qui n'est pas ordinaire n'est jamais remplacé
bool FichierRemplacable(const QByteArray& nom, const struct stat& etat, QString* raison)
{
    if (!S_ISREG(etat.st_mode)) {
        DonnerRaison(raison, RaisonPasOrdinaire());
        return false;
    }
    if ((etat.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        DonnerRaison(raison, QStringLiteral("Le fichier est en lecture seule."));
        return false;
    }
    if (::access(nom.constData(), W_OK) != 0) {
        DonnerRaison(raison, errno == EACCES ? QStringLiteral("Le fichier est en lecture seule.")
                                             : QStringLiteral("Le fichier ne peut pas être écrit (%1).")
                                                   .arg(TexteErreurSysteme(errno)));
        return false;
    }
    return true;
}

// le fichier provisoire d'un enregistrement : « varnel.ini.provisoire-1a2b3c4d », huit chiffres hexadécimaux
const QString MarqueProvisoire = QStringLiteral(".provisoire-");

// « varnel.ini.provisoire-1a2b3c4d » ; et « varnel.ini.AbCdEf », celui que QSaveFile donnait aux versions
// précédentes, reconnu quand ses six lettres mêlent majuscules et minuscules, pour qu'une copie nommée par
// quelqu'un (« varnel.ini.backup », « varnel.ini.verrou ») ne soit jamais prise pour un reste
bool EstProvisoireFichierIni(const QString& nomFichier, const QString& nom)
{
    static const QRegularExpression hexadecimal(QStringLiteral("^[0-9a-f]{8}$"));
    static const QRegularExpression six(QStringLiteral("^[A-Za-z]{6}$"));
    if (nom.startsWith(nomFichier + MarqueProvisoire))
        return hexadecimal.match(nom.mid(nomFichier.size() + MarqueProvisoire.size())).hasMatch();
    if (!nom.startsWith(nomFichier + QLatin1Char('.')))
        return false;
    const QString suffixe = nom.mid(nomFichier.size() + 1);
    return six.match(suffixe).hasMatch() && suffixe != suffixe.toLower() && suffixe != suffixe.toUpper();
}

// crée, à côté de la cible, un fichier provisoire sous un nom qu'aucun autre enregistrement ne prend en même
// temps et que le nettoyage reconnaît toujours ; -1 en cas d'échec (errno le dit)
int CreerProvisoire(const QByteArray& cible, QByteArray& provisoire)
{
    for (int essai = 0; essai < 16; ++essai) {
        provisoire = cible + MarqueProvisoire.toLatin1() +
                     QByteArray::number(QRandomGenerator::system()->generate(), 16).rightJustified(8, '0');
        const int fd = ::open(provisoire.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

const QString CleIdentifiant = QStringLiteral("Identifiant");
const QString CleDernierJeu = QStringLiteral("DernierJeuCompte");

}  // namespace

TFichierIni::TFichierIni(QString chemin) : chemin_(std::move(chemin)) { Lire(); }

QString TFichierIni::CheminVerrou() const { return CheminVerrouDe(chemin_); }

QString TFichierIni::Dossier() const { return QFileInfo(chemin_).absolutePath(); }

bool TFichierIni::Lire()
{
    lignes_ = {QByteArray()};
    crlf_ = false;
    codage_ = Codage::Utf8;
    raisonIllisible_.clear();
    QByteArray octets;
    if (!LireOctets(chemin_, octets, raisonIllisible_))
        return false;
    Codage codage = Codage::Utf8;
    QByteArray texte;
    if (octets.startsWith(MarqueUtf8)) {
        codage = Codage::Utf8AvecMarque;
        texte = octets.mid(MarqueUtf8.size());
    } else if (octets.startsWith(MarqueUtf16LE) || octets.startsWith(MarqueUtf16BE)) {
        const bool petit = octets.startsWith(MarqueUtf16LE);
        codage = petit ? Codage::Utf16LE : Codage::Utf16BE;
        if (!DecoderUtf16(octets.mid(2), petit ? QStringConverter::Utf16LE : QStringConverter::Utf16BE, texte)) {
            raisonIllisible_ = QStringLiteral("Le fichier n'est pas un texte UTF-16 valable.");
            return false;
        }
    } else {
        texte = octets;
    }
    // un octet nul : UTF-16 sans marque, UTF-32 ou fichier binaire ; y ajouter des lignes ferait un mélange
    if (texte.contains('\0')) {
        raisonIllisible_ = QStringLiteral("Le codage du fichier n'est pas reconnu (ni UTF-8 ni UTF-16 marqué).");
        return false;
    }
    codage_ = codage;
    lignes_ = texte.split('\n');
    crlf_ = texte.contains("\r\n");
    return true;
}

QByteArray TFichierIni::Contenu() const
{
    const QByteArray texte = lignes_.join('\n');
    switch (codage_) {
    case Codage::Utf8AvecMarque:
        return MarqueUtf8 + texte;
    case Codage::Utf16LE:
    case Codage::Utf16BE: {
        const bool petit = codage_ == Codage::Utf16LE;
        QStringEncoder encodeur(petit ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                                QStringConverter::Flag::Stateless);
        return (petit ? MarqueUtf16LE : MarqueUtf16BE) + QByteArray(encodeur.encode(QString::fromUtf8(texte)));
    }
    case Codage::Utf8:
        break;
    }
    return texte;
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

std::optional<int64_t> TFichierIni::LireOption(const QString& section, const QString& cle) const
{
    const int s = TrouverSection(section.toUtf8());
    const int c = s < 0 ? -1 : TrouverCle(s, cle.toUtf8());
    if (c < 0)
        return std::nullopt;
    QByteArray nom, texte;
    CleValeur(lignes_[c], nom, texte);
    int64_t valeur = 0;
    if (!LireNombre(texte, valeur))
        return std::nullopt;
    return valeur;
}

int64_t TFichierIni::LireEntier(const QString& section, const QString& cle, int64_t defaut) const
{
    return LireOption(section, cle).value_or(defaut);
}

void TFichierIni::EcrireEntier(const QString& section, const QString& cle, int64_t valeur)
{
    EcrireValeur(section, cle, QByteArray::number(static_cast<qlonglong>(valeur)));
}

std::optional<QString> TFichierIni::LireTexte(const QString& section, const QString& cle) const
{
    const int s = TrouverSection(section.toUtf8());
    const int c = s < 0 ? -1 : TrouverCle(s, cle.toUtf8());
    if (c < 0)
        return std::nullopt;
    QByteArray nom, texte;
    CleValeur(lignes_[c], nom, texte);
    return QString::fromUtf8(texte);
}

bool TFichierIni::EcrireTexte(const QString& section, const QString& cle, const QString& texte, QString* raison)
{
    QString ligne = texte;
    ligne.replace(QRegularExpression(QStringLiteral("[\\r\\n]+")), QStringLiteral(" "));
    return ModifierSousVerrou([&] { EcrireValeur(section, cle, ligne.trimmed().toUtf8()); }, raison);
}

void TFichierIni::EcrireValeur(const QString& section, const QString& cle, const QByteArray& valeur)
{
    const QByteArray fin = crlf_ ? QByteArray("\r") : QByteArray();
    const QByteArray texteValeur = '=' + valeur + fin;
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

bool TFichierIni::Enregistrer(QString* raison)
{
    const QString dossier = Dossier();
    if (!CreerDossier(dossier, raison))
        return false;
    const QByteArray nom = QFile::encodeName(chemin_);
    struct stat ancien {};
    const bool existe = ::stat(nom.constData(), &ancien) == 0;
    if (existe && !FichierRemplacable(nom, ancien, raison))
        return false;

    // écrit à part, puis mis à la place d'un coup
    QByteArray provisoire;
    const int fd = CreerProvisoire(nom, provisoire);
    if (fd < 0) {
        const int code = errno;
        DonnerRaison(raison, ::access(QFile::encodeName(dossier).constData(), W_OK) != 0
                                 ? QStringLiteral("Le dossier \"%1\" ne peut pas être écrit.").arg(QDir::toNativeSeparators(dossier))
                                 : QStringLiteral("Le fichier ne peut pas être écrit (%1).").arg(TexteErreurSysteme(code)));
        return false;
    }
    const auto renoncer = [&](const QString& texte) {
        const int code = errno;
        ::unlink(provisoire.constData());
        DonnerRaison(raison, texte.arg(TexteErreurSysteme(code)));
        return false;
    };
    QFile fichier;
    fichier.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle);
    // le fichier remplacé garde ses droits, et son propriétaire quand l'administrateur le réécrit
    if (existe) {
        bool garde = ::fchmod(fd, ancien.st_mode & 07777) == 0;
        if (::geteuid() == 0)
            garde = ::fchown(fd, ancien.st_uid, ancien.st_gid) == 0 && garde;
        if (!garde)
            return renoncer(QStringLiteral("Les droits du fichier ne peuvent pas être gardés (%1)."));
    }
    const QByteArray contenu = Contenu();
    errno = 0;
    const bool ecrit = fichier.write(contenu) == contenu.size() && fichier.flush() && ::fsync(fd) == 0;
    fichier.close();
    if (!ecrit || ::rename(provisoire.constData(), nom.constData()) != 0)
        return renoncer(QStringLiteral("Le fichier n'a pas pu être écrit (%1)."));
    return true;
}

CumulsStat TFichierIni::LireCumuls() const
{
    CumulsStat cumuls;
    for (size_t i = 0; i < Cumul::Nombre; ++i)
        cumuls.Valeurs[i] = LireEntier(SectionStatistiques, QLatin1String(ClesCumuls[i]));
    return cumuls;
}

bool TFichierIni::Modifier(const std::function<Modification(QString*)>& modification, QString* raison)
{
    if (!CreerDossier(Dossier(), raison))
        return false;
    QLockFile verrou(CheminVerrou());
    if (!PrendreVerrou(verrou, CheminVerrou(), attenteVerrouMs_)) {
        const QString nomVerrou = QFileInfo(CheminVerrou()).fileName();
        DonnerRaison(raison, verrou.error() == QLockFile::LockFailedError
                                 ? QStringLiteral("Le verrou \"%1\" est tenu par un autre exemplaire du programme.").arg(nomVerrou)
                                 : QStringLiteral("Le verrou \"%1\" ne peut pas être créé.").arg(nomVerrou));
        return false;
    }
    // un fichier présent mais illisible n'est pas remplacé : ses totaux seraient perdus
    if (!Lire()) {
        DonnerRaison(raison, raisonIllisible_);
        return false;
    }
    switch (modification(raison)) {
    case Modification::Ecrire:
        return Enregistrer(raison);
    case Modification::Rien:
        return true;
    case Modification::Renoncer:
        break;
    }
    return false;
}

bool TFichierIni::ModifierSousVerrou(const std::function<void()>& modification, QString* raison)
{
    return Modifier(
        [&](QString*) {
            modification();
            return Modification::Ecrire;
        },
        raison);
}

void TFichierIni::AjouterAuxCumuls(const CumulsStat& jeu)
{
    CumulsStat total = LireCumuls();
    ::AjouterCumuls(total, jeu);
    for (size_t i = 0; i < Cumul::Nombre; ++i)
        EcrireEntier(SectionStatistiques, QLatin1String(ClesCumuls[i]), total.Valeurs[i]);
}

std::optional<RepereHistorique> TFichierIni::LireRepere() const
{
    const std::optional<int64_t> identifiant = LireOption(SectionHistorique, CleIdentifiant);
    const std::optional<int64_t> dernier = LireOption(SectionHistorique, CleDernierJeu);
    if (!identifiant || !dernier)
        return std::nullopt;
    return RepereHistorique{*identifiant, *dernier};
}

void TFichierIni::EcrireRepere(const RepereHistorique& repere)
{
    EcrireEntier(SectionHistorique, CleIdentifiant, repere.Identifiant);
    EcrireEntier(SectionHistorique, CleDernierJeu, repere.DernierJeu);
}

bool TFichierIni::AjouterCumuls(const CumulsStat& jeu, QString* raison)
{
    return ModifierSousVerrou([&] { AjouterAuxCumuls(jeu); }, raison);
}

bool TFichierIni::EcrireOption(const QString& section, const QString& cle, int64_t valeur, QString* raison)
{
    return ModifierSousVerrou([&] { EcrireEntier(section, cle, valeur); }, raison);
}

int TFichierIni::TempsLimite() const
{
    const std::optional<int64_t> valeur = LireOption(SectionOptions, CleTempsLimite);
    if (!valeur || !EstTempsLimitePermis(*valeur))
        return 0;
    return static_cast<int>(*valeur);
}

bool TFichierIni::ChoisirTempsLimite(int secondes, QString* raison)
{
    if (!EstTempsLimitePermis(secondes)) {
        DonnerRaison(raison, QStringLiteral("Temps limite inconnu : %1 s.").arg(secondes));
        return false;
    }
    return EcrireOption(SectionOptions, CleTempsLimite, secondes, raison);
}

bool TFichierIni::CopierSiAbsent(const QString& destination, QString* raison) const
{
    if (!raisonIllisible_.isEmpty()) {
        DonnerRaison(raison, raisonIllisible_);
        return false;
    }
    TFichierIni copie(destination);
    copie.attenteVerrouMs_ = attenteVerrouMs_;
    return copie.ModifierSousVerrou(
        [&] {
            // un autre exemplaire a pu la faire entre-temps : ce qu'il a écrit depuis reste
            if (QFileInfo::exists(destination))
                return;
            copie.lignes_ = lignes_;
            copie.crlf_ = crlf_;
            copie.codage_ = codage_;
        },
        raison);
}

int SupprimerProvisoiresFichierIni(const QString& chemin)
{
    const QFileInfo info(chemin);
    if (!info.absoluteDir().exists())
        return 0;
    // verrou tenu : un enregistrement est en cours, son fichier provisoire n'est pas un reste
    QLockFile verrou(CheminVerrouDe(chemin));
    if (!PrendreVerrou(verrou, CheminVerrouDe(chemin), 0))
        return 0;
    const QString nomFichier = info.fileName();
    return SupprimerProvisoiresAbandonnes(QFile::encodeName(info.absolutePath()).toStdString(),
                                          [&](const std::string& nom) {
                                              return EstProvisoireFichierIni(nomFichier, QFile::decodeName(nom.c_str()));
                                          });
}
