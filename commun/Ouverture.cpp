#include "Ouverture.h"

#include <QDesktopServices>

namespace {

std::function<void(const QUrl&)>& Ouverture()
{
    static std::function<void(const QUrl&)> ouverture = [](const QUrl& adresse) {
        QDesktopServices::openUrl(adresse);
    };
    return ouverture;
}

}  // namespace

void OuvrirAvecLeBureau(const QUrl& adresse) { Ouverture()(adresse); }

void RemplacerOuverture(std::function<void(const QUrl&)> ouverture)
{
    if (ouverture)
        Ouverture() = std::move(ouverture);
    else
        Ouverture() = [](const QUrl& adresse) { QDesktopServices::openUrl(adresse); };
}
