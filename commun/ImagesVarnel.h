// SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QStringList>
#include <QVector>

class QPainter;

// une liste d'images de même taille, rendues une fois depuis leurs SVG
class ListeImages {
public:
    ListeImages(QSize taille, const QStringList& fichiers);

    void Dessiner(QPainter& peintre, int x, int y, int index) const;
    const QPixmap& Image(int index) const { return images_.at(index); }
    int Nombre() const { return static_cast<int>(images_.size()); }

private:
    QVector<QPixmap> images_;
};

QPixmap ImageSvg(const QString& chemin, QSize taille);

// figures, signes et plaques de la fenêtre principale, et la face des résultats du pas à pas : 30 images de 32 × 32
const ListeImages& ImagesJeu();
// les figures 0 à 9 rendues en carrés de cote pixels, pour écrire un nombre sur une face de plaque
const ListeImages& ChiffresReduits(int cote);
// chiffres jaunes à sept segments de l'afficheur du compte : 10 images de 16 × 32
const ListeImages& ImagesAfficheur();

inline constexpr int ImageChiffre0 = 0;
inline constexpr int ImagePlus = 10;
inline constexpr int ImageMoins = 11;
inline constexpr int ImageFois = 12;
inline constexpr int ImageDivise = 13;
inline constexpr int ImageEgal = 14;
inline constexpr int ImagePlaqueResultat = 29;

// indice de l'image d'une plaque dans ImagesJeu
int ImagePlaque(int valeur);

// glyphe de barre d'outils (16 × 16) avec son état inactif dessiné à part
QIcon IconeOutil(const QString& nom);
// glyphe de 32 × 32 à deux états, pour les signes et les plaques des boîtes de dialogue
QIcon IconeDeuxEtats(const QString& normal, const QString& inactif, QSize taille);
QIcon IconeProgramme();
