// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QUrl>

#include <concepts>
#include <functional>

// le service « ouvrir » du bureau : document, adresse web ou « mailto: » ;
// rend false quand le bureau n'a pas pu s'en charger (pas de navigateur, par exemple),
// et les tests peuvent le remplacer
bool OuvrirAvecLeBureau(const QUrl& adresse);
void RemplacerOuverture(std::function<bool(const QUrl&)> ouverture);

// un remplaçant qui ne rend rien est une ouverture toujours réussie
template <typename Remplacant>
    requires std::invocable<Remplacant&, const QUrl&> &&
             std::same_as<std::invoke_result_t<Remplacant&, const QUrl&>, void>
void RemplacerOuverture(Remplacant remplacant)
{
    RemplacerOuverture(std::function<bool(const QUrl&)>([r = std::move(remplacant)](const QUrl& adresse) mutable {
        r(adresse);
        return true;
    }));
}
