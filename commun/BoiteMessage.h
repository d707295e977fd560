#pragma once

#include <QString>

class QWidget;

// message à l'utilisateur : icône d'exclamation et un seul bouton OK
void AfficherMessage(QWidget* parent, const QString& titre, const QString& texte);
