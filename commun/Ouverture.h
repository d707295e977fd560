#pragma once

#include <QUrl>

#include <functional>

// le service « ouvrir » du bureau : document, adresse web ou « mailto: » ;
// son résultat n'est pas examiné, et les tests peuvent le remplacer
void OuvrirAvecLeBureau(const QUrl& adresse);
void RemplacerOuverture(std::function<void(const QUrl&)> ouverture);
