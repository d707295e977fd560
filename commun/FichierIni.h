#pragma once

#include <QSettings>
#include <QString>

// le fichier varnel.ini : lecture d'un entier avec valeur par défaut, écriture, enregistrement vérifié
class TFichierIni {
public:
    explicit TFichierIni(const QString& chemin);

    int LireEntier(const QString& section, const QString& cle, int defaut) const;
    void EcrireEntier(const QString& section, const QString& cle, int valeur);
    // faux quand le fichier n'a pas pu être écrit
    bool Enregistrer();
    QString Chemin() const { return parametres_.fileName(); }

private:
    QSettings parametres_;
};
