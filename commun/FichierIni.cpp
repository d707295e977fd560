#include "FichierIni.h"

TFichierIni::TFichierIni(const QString& chemin) : parametres_(chemin, QSettings::IniFormat) {}

int TFichierIni::LireEntier(const QString& section, const QString& cle, int defaut) const
{
    // une valeur hors des entiers 32 bits, ou qui n'est pas un nombre, vaut la valeur par défaut
    const QString texte = parametres_.value(section + QLatin1Char('/') + cle).toString().trimmed();
    bool ok = false;
    const int valeur = texte.toInt(&ok);
    return ok ? valeur : defaut;
}

void TFichierIni::EcrireEntier(const QString& section, const QString& cle, int valeur)
{
    parametres_.setValue(section + QLatin1Char('/') + cle, valeur);
}

bool TFichierIni::Enregistrer()
{
    parametres_.sync();
    return parametres_.status() == QSettings::NoError;
}
