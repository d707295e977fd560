#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
# SPDX-License-Identifier: GPL-3.0-or-later

"""Génère toutes les images SVG de « Le varnel » dans resources/images/.

Lancement, depuis la racine du projet :
    python3 scripts/generer-images.py [--sortie DOSSIER]

Sans --sortie, les images sont écrites dans resources/images/ ; avec, dans DOSSIER
(la vérification des tests compare ce dossier à resources/images/).
Les fichiers sont entièrement recréés à chaque exécution, à l'identique.
Aucun texte SVG n'est utilisé : chiffres et signes sont des tracés.
Seuls des éléments compatibles SVG 1.2 Tiny (QtSvg) sont produits.
"""

import math
import os
import re
import sys

RACINE = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir,
                      "resources", "images")

VALEURS_PLAQUES = [1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 25, 50, 75, 100]


# ---------------------------------------------------------------------------
# Outils généraux
# ---------------------------------------------------------------------------

def nb(v):
    """Nombre court et stable (deux décimales au plus)."""
    s = "%.2f" % v
    s = s.rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


# l'en-tête de licence de chaque image, écrit en morceaux pour que l'outil
# « reuse » ne le prenne pas pour celui de ce script
LICENCE_IMAGES = ("<!--\n"
                  "SPDX-" "FileCopyrightText: 2026 Les auteurs du Varnel\n"
                  "SPDX-" "License-Identifier: GPL-3.0-or-later\n"
                  "-->\n")


def svg(largeur, hauteur, corps, defs=""):
    """Document SVG complet, taille en pixels et viewBox identiques."""
    tete = ('<?xml version="1.0" encoding="UTF-8"?>\n' + LICENCE_IMAGES +
            '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" '
            'baseProfile="tiny" width="%d" height="%d" viewBox="0 0 %d %d">\n'
            % (largeur, hauteur, largeur, hauteur))
    if defs:
        tete += "<defs>\n" + defs + "</defs>\n"
    return tete + corps + "</svg>\n"


def ecrire(chemin, contenu):
    chemin = os.path.join(RACINE, chemin)
    os.makedirs(os.path.dirname(chemin), exist_ok=True)
    with open(chemin, "w", encoding="utf-8", newline="\n") as f:
        f.write(contenu)


def degrade(ident, couleurs, x1=0, y1=0, x2=0, y2=1):
    """Dégradé linéaire (coordonnées relatives à l'objet)."""
    n = len(couleurs) - 1
    arrets = "".join('<stop offset="%s" stop-color="%s"/>'
                     % (nb(i / n), c) for i, c in enumerate(couleurs))
    return ('<linearGradient id="%s" x1="%s" y1="%s" x2="%s" y2="%s">%s'
            '</linearGradient>\n' % (ident, nb(x1), nb(y1), nb(x2), nb(y2),
                                     arrets))


# ---------------------------------------------------------------------------
# Tracés : lecture d'un chemin simple (M, L, Q, C, Z absolus) et
# transformation point par point, pour réutiliser une même définition
# à plusieurs tailles sans déformer l'épaisseur du trait.
# ---------------------------------------------------------------------------

def lire_chemin(texte):
    jetons = re.findall(r"[MLQCZ]|-?\d+(?:\.\d+)?", texte)
    cmds, i = [], 0
    nargs = {"M": 1, "L": 1, "Q": 2, "C": 3, "Z": 0}
    while i < len(jetons):
        lettre = jetons[i]
        i += 1
        pts = []
        for _ in range(nargs[lettre]):
            pts.append((float(jetons[i]), float(jetons[i + 1])))
            i += 2
        cmds.append((lettre, pts))
    return cmds


def transformer(cmds, f):
    return [(l, [f(x, y) for (x, y) in pts]) for (l, pts) in cmds]


def ecrire_chemin(cmds):
    morceaux = []
    for l, pts in cmds:
        morceaux.append(" ".join([l] + ["%s %s" % (nb(x), nb(y))
                                        for (x, y) in pts]))
    return " ".join(morceaux)


def boite(cmds):
    xs = [x for _, pts in cmds for (x, _y) in pts]
    ys = [y for _, pts in cmds for (_x, y) in pts]
    return min(xs), min(ys), max(xs), max(ys)


def trait(d, couleur, epaisseur, extra=""):
    return ('<path d="%s" fill="none" stroke="%s" stroke-width="%s" '
            'stroke-linecap="round" stroke-linejoin="round"%s/>\n'
            % (d, couleur, nb(epaisseur), extra))


def polygone(points, remplissage, contour=None, epaisseur=1, extra=""):
    pts = " ".join("%s,%s" % (nb(x), nb(y)) for x, y in points)
    c = ""
    if contour:
        c = (' stroke="%s" stroke-width="%s" stroke-linejoin="round"'
             % (contour, nb(epaisseur)))
    return '<polygon points="%s" fill="%s"%s%s/>\n' % (pts, remplissage, c,
                                                        extra)


def rect(x, y, l, h, remplissage, rx=0, contour=None, epaisseur=1, extra=""):
    c = ""
    if contour:
        c = ' stroke="%s" stroke-width="%s"' % (contour, nb(epaisseur))
    r = ' rx="%s" ry="%s"' % (nb(rx), nb(rx)) if rx else ""
    return ('<rect x="%s" y="%s" width="%s" height="%s"%s fill="%s"%s%s/>\n'
            % (nb(x), nb(y), nb(l), nb(h), r, remplissage, c, extra))


def cercle(cx, cy, r, remplissage, contour=None, epaisseur=1, extra=""):
    c = ""
    if contour:
        c = ' stroke="%s" stroke-width="%s"' % (contour, nb(epaisseur))
    return ('<circle cx="%s" cy="%s" r="%s" fill="%s"%s%s/>\n'
            % (nb(cx), nb(cy), nb(r), remplissage, c, extra))


# ---------------------------------------------------------------------------
# 1. Écriture manuscrite (liste des solutions), repère 32 × 32,
#    encre comprise entre x = 4 et x = 24 (colonne de 20 px).
# ---------------------------------------------------------------------------

MANUSCRIT = {
    "0": "M 14.8 5.2 C 10.6 5 8.3 9.8 8.4 15.6 C 8.5 21.8 10.6 26.9 14.4 26.8"
         " C 18.4 26.7 20.3 21.4 20.2 15.4 C 20.1 9.6 18.2 5.3 14.2 5.6"
         " C 13 5.7 12.2 6.4 11.8 7.2",
    "1": "M 9.8 11.2 C 11.9 9.6 13.9 7.6 15.8 4.8 C 15.5 12.2 15.3 19.6 15.4 27",
    "2": "M 9 10.2 C 9.3 6.6 12 4.9 14.8 5 C 18 5.1 20 7.4 19.6 10.4"
         " C 19.2 13.6 16.2 16.6 13 19.8 C 11.4 21.4 9.6 23.6 8.6 26.6"
         " C 12.4 26.2 16.4 26.4 20.6 26.8",
    "3": "M 9.2 7.6 C 10.8 5.6 13 4.8 15.2 4.9 C 18 5.1 19.6 7 19.4 9.6"
         " C 19.1 12.6 16.4 15 12.4 15.6 C 16.8 15.2 20.4 17.4 20.4 21"
         " C 20.4 24.8 17.4 27.1 13.8 27 C 11.6 26.9 9.6 25.9 8.4 24.4",
    "4": "M 16.4 5 C 13.8 9.6 11 14.2 8.4 19.6 C 12.4 19.3 16.6 19.2 21 19.5"
         " M 17.6 12.4 C 17.4 17.4 17.3 22.3 17.5 27.2",
    "5": "M 19.6 5.4 C 16.6 5.1 13.6 5.2 10.8 5.6 C 10.4 8.4 10 11.2 9.6 14.2"
         " C 11.4 12.8 13.4 12.2 15.4 12.4 C 18.6 12.8 20.6 15.6 20.4 19.6"
         " C 20.2 24 17.4 26.9 13.8 26.9 C 11.6 26.9 9.8 26 8.4 24.4",
    "6": "M 18.8 5.6 C 13.4 6.8 8.8 12.4 8.6 19.2 C 8.5 23.8 10.8 26.9 14.4 26.9"
         " C 18 26.9 20.4 24.2 20.3 20.6 C 20.2 17 17.8 14.8 14.6 14.8"
         " C 11.8 14.8 9.8 16.6 8.9 18.8",
    "7": "M 8.6 5.8 C 12.6 5.3 16.6 5.2 20.6 5.2 C 17.4 11.4 14.6 18.6 13 27.2"
         " M 13.2 16.3 C 15.4 16 17.8 15.9 20.2 15.7",
    "8": "M 18.6 9.4 C 18.8 6.6 16.8 4.9 14.4 4.9 C 11.8 4.9 9.6 6.6 9.7 9.2"
         " C 9.8 11.8 12 13.4 14.6 15 C 17.6 16.8 20.4 18.6 20.4 21.8"
         " C 20.4 25 17.8 27 14.4 27 C 11 27 8.5 25 8.6 21.9"
         " C 8.7 18.8 11.4 16.8 14.4 15.1 C 16.8 13.7 18.5 12 18.6 9.4",
    "9": "M 19.4 10.4 C 19.4 7.2 17.4 5 14.4 5 C 11.2 5 9 7.4 9 10.6"
         " C 9 13.6 11.2 15.6 14 15.6 C 16.8 15.6 18.9 13.7 19.4 10.4"
         " C 19.7 16.4 19.3 21.8 18.4 27.2",
    "plus": "M 14.2 9.8 C 14.1 14 14 18.2 14.1 22.4"
            " M 8.2 16.3 C 12.2 16 16.2 15.9 20.2 15.8",
    "moins": "M 8.2 16.4 C 12.2 16.1 16.2 15.9 20.2 15.6",
    "fois": "M 9 10 C 12.6 13.9 15.8 17.5 19.6 21.6"
            " M 19.8 9.8 C 16.1 13.8 12.6 17.8 8.8 22",
    "divise": "M 8.2 16.3 C 12.2 16 16.2 15.9 20.2 15.7",
    "egal": "M 8.4 12.6 C 12.4 12.2 16.4 12.1 20.2 12"
            " M 8.2 20.2 C 12.2 19.9 16.2 19.8 20.4 19.6",
}

# Points du signe ÷ (centre, rayon).
POINTS_DIVISE = [(14.3, 10.4, 1.8), (14, 21.8, 1.8)]

BLANC = "#ffffff"
EPAISSEUR_MANUSCRITE = 3


def pencher(x, y):
    """Légère inclinaison vers la droite, comme une écriture à la main."""
    return x + (16 - y) * 0.08, y


def image_manuscrite(nom):
    cmds = transformer(lire_chemin(MANUSCRIT[nom]), pencher)
    corps = trait(ecrire_chemin(cmds), BLANC, EPAISSEUR_MANUSCRITE)
    if nom == "divise":
        for cx, cy, r in POINTS_DIVISE:
            cx, cy = pencher(cx, cy)
            corps += cercle(cx, cy, r, BLANC)
    return svg(32, 32, corps)


# ---------------------------------------------------------------------------
# 2. Chiffres gras des plaques : dessinés dans une boîte 10 × 16
#    (ligne médiane du trait), puis mis à l'échelle par calcul.
# ---------------------------------------------------------------------------

GRAS = {
    "0": "M 5 0 C 8.6 0 10 3.6 10 8 C 10 12.4 8.6 16 5 16"
         " C 1.4 16 0 12.4 0 8 C 0 3.6 1.4 0 5 0 Z",
    "1": "M 1 3.2 C 2.6 2.4 4 1.4 5 0 L 5 16",
    "2": "M 0.4 3.8 C 0.9 1.3 2.8 0 5 0 C 7.8 0 9.6 1.8 9.6 4.4"
         " C 9.6 6.8 8 8.4 6 10.2 C 3.8 12.2 1.4 14 0 16 L 10 16",
    "3": "M 0.4 2.6 C 1.4 0.9 3.1 0 5 0 C 7.8 0 9.4 1.7 9.4 4.1"
         " C 9.4 6.5 7.6 7.7 4.4 7.7 C 8 7.7 10 9.4 10 11.9"
         " C 10 14.5 7.8 16 5 16 C 2.8 16 1 15.1 0 13.4",
    "4": "M 7.4 16 L 7.4 0 L 0 11 L 10 11",
    "5": "M 9.3 0 L 1.3 0 L 0.7 7 C 2 6 3.4 5.6 5 5.6 C 8 5.6 10 7.8 10 10.8"
         " C 10 14 7.8 16 4.8 16 C 2.8 16 1 15 0 13.5",
    "6": "M 8.8 1.2 C 7.8 0.4 6.6 0 5.3 0 C 1.8 0 0 3.6 0 8.6"
         " C 0 13.3 1.8 16 5 16 C 8 16 10 14 10 10.9 C 10 7.9 8 6 5.2 6"
         " C 2.8 6 0.8 7.4 0.1 9.6",
    "7": "M 0 0 L 10 0 C 7 4 4.6 9.5 3.8 16",
    "8": "M 5 7.6 C 2.4 7.6 0.6 6.2 0.6 3.8 C 0.6 1.5 2.5 0 5 0"
         " C 7.5 0 9.4 1.5 9.4 3.8 C 9.4 6.2 7.6 7.6 5 7.6"
         " C 2.2 7.6 0 9.2 0 11.8 C 0 14.4 2.2 16 5 16"
         " C 7.8 16 10 14.4 10 11.8 C 10 9.2 7.8 7.6 5 7.6 Z",
}
# Le 9 est le 6 retourné d'un demi-tour.
GRAS["9"] = ecrire_chemin(transformer(lire_chemin(GRAS["6"]),
                                      lambda x, y: (10 - x, 16 - y)))

# Réglages selon le nombre de chiffres, pour une plaque de 32 px :
# (échelle x, échelle y, épaisseur du trait, blanc entre chiffres).
REGLAGE_GRAS = {
    1: (1.05, 1.2, 3.6, 0),
    2: (0.8, 1.12, 3.2, 1.5),
    3: (0.6, 1.02, 2.5, 1.1),
}


def chiffres_gras(texte, cx, cy, taille):
    """Chemin des chiffres du nombre, centré en (cx, cy), pour une plaque
    de `taille` px. Renvoie (données du chemin, épaisseur)."""
    k = taille / 32.0
    sx, sy, ep, blanc = REGLAGE_GRAS[len(texte)]
    sx, sy, ep, blanc = sx * k, sy * k, ep * k, blanc * k
    glyphes = []
    for c in texte:
        g = transformer(lire_chemin(GRAS[c]), lambda x, y: (x * sx, y * sy))
        glyphes.append(g)
    largeurs = []
    for g in glyphes:
        x0, _, x1, _ = boite(g)
        largeurs.append((x0, x1))
    total = sum(x1 - x0 for x0, x1 in largeurs) + (len(texte) - 1) * (ep + blanc)
    x = cx - total / 2.0
    morceaux = []
    for g, (x0, x1) in zip(glyphes, largeurs):
        dx, dy = x - x0, cy - 8 * sy
        morceaux.append(ecrire_chemin(transformer(
            g, lambda px, py: (px + dx, py + dy))))
        x += (x1 - x0) + ep + blanc
    return " ".join(morceaux), ep


# Couleurs des plaques : actives et inactives.
PLAQUE_ACTIVE = {
    "haut": "#b4b4b4", "bas": "#6c6c6c", "bord": "#2e2e2e",
    "lumiere": "#ffffff", "ombre": "#000000", "chiffre": "#ffffff",
    "ombre_chiffre": "#1e1e1e",
}
# La face des résultats du pas à pas : bleue, le nombre posé dessus par le
# programme (chiffres manuscrits réduits).
PLAQUE_RESULTAT = {
    "haut": "#6f95c8", "bas": "#2c4c78", "bord": "#1a2a42",
    "lumiere": "#ffffff", "ombre": "#000000", "chiffre": None,
    "ombre_chiffre": None,
}
PLAQUE_INACTIVE = {
    "haut": "#e4e4e4", "bas": "#c8c8c8", "bord": "#9a9a9a",
    "lumiere": "#ffffff", "ombre": "#808080", "chiffre": "#9c9c9c",
    "ombre_chiffre": None,
}


def plaque(valeur, x, y, taille, inactif, ident, palette=None):
    """Une plaque carrée en relief portant `valeur` (aucun chiffre si None).
    Renvoie (defs, corps)."""
    p = palette or (PLAQUE_INACTIVE if inactif else PLAQUE_ACTIVE)
    k = taille / 32.0
    defs = degrade(ident, [p["haut"], p["bas"]], 0, 0, 0.35, 1)
    corps = rect(x + 0.5 * k, y + 0.5 * k, taille - k, taille - k,
                 "url(#%s)" % ident, rx=3.5 * k, contour=p["bord"], epaisseur=k)
    # Biseau : arête claire en haut à gauche, sombre en bas à droite.
    a, b = 2 * k, taille - 2 * k
    corps += trait("M %s %s L %s %s L %s %s" % (nb(x + a), nb(y + b - k),
                                                nb(x + a), nb(y + a),
                                                nb(x + b - k), nb(y + a)),
                   p["lumiere"], 1.2 * k, ' stroke-opacity="0.55"')
    corps += trait("M %s %s L %s %s L %s %s" % (nb(x + a + k), nb(y + b),
                                                nb(x + b), nb(y + b),
                                                nb(x + b), nb(y + a + k)),
                   p["ombre"], 1.2 * k, ' stroke-opacity="0.3"')
    if valeur is None:
        return defs, corps
    d, ep = chiffres_gras(str(valeur), x + taille / 2.0, y + taille / 2.0,
                          taille)
    if p["ombre_chiffre"]:
        d_ombre, _ = chiffres_gras(str(valeur), x + taille / 2.0 + 0.8 * k,
                                   y + taille / 2.0 + 0.9 * k, taille)
        corps += trait(d_ombre, p["ombre_chiffre"], ep,
                       ' stroke-opacity="0.6"')
    corps += trait(d, p["chiffre"], ep)
    return defs, corps


def image_plaque(valeur, inactif):
    defs, corps = plaque(valeur, 0, 0, 32, inactif, "face")
    return svg(32, 32, corps, defs)


def image_plaque_resultat():
    defs, corps = plaque(None, 0, 0, 32, False, "face", PLAQUE_RESULTAT)
    return svg(32, 32, corps, defs)


# ---------------------------------------------------------------------------
# 3. Afficheur à sept segments (cible), 16 × 32.
#    Segments : a haut, b haut droit, c bas droit, d bas, e bas gauche,
#    f haut gauche, g milieu.
# ---------------------------------------------------------------------------

SEPT_SEGMENTS = {
    0: "abcdef", 1: "bc", 2: "abged", 3: "abgcd", 4: "fgbc",
    5: "afgcd", 6: "afgedc", 7: "abc", 8: "abcdefg", 9: "abcdfg",
}


def segments(x0, y0, largeur, hauteur, ep, jeu, penche):
    """Polygones des sept segments dans la boîte donnée (axes des traits).
    `penche` : décalage horizontal du haut par rapport au bas (italique)."""
    g, dr = x0, x0 + largeur
    h, m, b = y0, y0 + hauteur / 2.0, y0 + hauteur
    e = ep / 2.0

    def horizontal(xa, xb, yy):
        xa, xb = xa + jeu, xb - jeu
        return [(xa, yy), (xa + e, yy - e), (xb - e, yy - e), (xb, yy),
                (xb - e, yy + e), (xa + e, yy + e)]

    def vertical(xx, ya, yb):
        ya, yb = ya + jeu, yb - jeu
        return [(xx, ya), (xx + e, ya + e), (xx + e, yb - e), (xx, yb),
                (xx - e, yb - e), (xx - e, ya + e)]

    formes = {
        "a": horizontal(g, dr, h), "g": horizontal(g, dr, m),
        "d": horizontal(g, dr, b),
        "f": vertical(g, h, m), "b": vertical(dr, h, m),
        "e": vertical(g, m, b), "c": vertical(dr, m, b),
    }

    def incliner(pts):
        return [(x + penche * (b - y) / hauteur, y) for x, y in pts]

    return {s: incliner(p) for s, p in formes.items()}


JAUNE = "#ffe81a"
SEGMENT_ETEINT = "#727272"
GRIS_AFFICHEUR = "#808080"


def dessin_segments(chiffre, x0, y0, largeur, hauteur, ep, jeu, penche,
                    allume, eteint, contour=None):
    corps = ""
    for s, pts in sorted(segments(x0, y0, largeur, hauteur, ep, jeu,
                                  penche).items()):
        if s in SEPT_SEGMENTS[chiffre]:
            corps += polygone(pts, allume, contour, 0.5)
        elif eteint:
            corps += polygone(pts, eteint)
    return corps


def image_segment(chiffre):
    corps = rect(0, 0, 16, 32, GRIS_AFFICHEUR)
    corps += dessin_segments(chiffre, 3.4, 3.4, 8.2, 25.2, 3.2, 0.5, 1.4,
                             JAUNE, SEGMENT_ETEINT)
    return svg(16, 32, corps)


# ---------------------------------------------------------------------------
# 4. Barre d'outils, 16 × 16 : version normale (couleur) et inactive (gris).
# ---------------------------------------------------------------------------

OUTIL_NORMAL = {
    "clair": "#7dbdf7", "fonce": "#1e5fb4", "trait": "#0e3a78",
    "blanc": "#ffffff", "ecran": "#c9ef8f", "touche": "#eef2f6",
    "egal": "#f39a1e", "axe": "#404040",
    "barres": [("#8fdc6a", "#3f9a1c", "#2a6a12"),
               ("#7dbdf7", "#1e5fb4", "#0e3a78"),
               ("#ffc06a", "#e07a10", "#8a4a08")],
    "boitier": ("#6a7d94", "#2f3c4e", "#1b2330"),
}
OUTIL_INACTIF = {
    "clair": "#dedede", "fonce": "#bcbcbc", "trait": "#9a9a9a",
    "blanc": "#f4f4f4", "ecran": "#dcdcdc", "touche": "#ececec",
    "egal": "#c4c4c4", "axe": "#a4a4a4",
    "barres": [("#dedede", "#bcbcbc", "#9a9a9a")] * 3,
    "boitier": ("#d2d2d2", "#b4b4b4", "#9a9a9a"),
}

# Triangles et barre des flèches de navigation (pointe vers la gauche).
# Coordonnées choisies pour que les contours tombent sur les pixels.
FLECHE_PREMIERE = ([(14.5, 2.5), (14.5, 13.5), (6.5, 8)], (1.5, 2.5, 3, 11))
FLECHE_PRECEDENTE = ([(12.5, 2.5), (12.5, 13.5), (4, 8)], None)


def outil_fleche(p, forme, miroir):
    triangle, barre = forme

    def m(x):
        return 16 - x if miroir else x

    defs = degrade("fleche", [p["clair"], p["fonce"]])
    corps = polygone([(m(x), y) for x, y in triangle], "url(#fleche)",
                     p["trait"], 1)
    if barre:
        bx, by, bl, bh = barre
        if miroir:
            bx = 16 - bx - bl
        corps += rect(bx, by, bl, bh, "url(#fleche)", rx=0.6,
                      contour=p["trait"], epaisseur=1)
    return defs, corps


def outil_calculer(p):
    c1, c2, c3 = p["boitier"]
    defs = degrade("boitier", [c1, c2])
    corps = rect(2.5, 0.5, 11, 15, "url(#boitier)", rx=1.6, contour=c3)
    corps += rect(4, 2, 8, 3.5, p["ecran"], rx=0.5, contour=c3, epaisseur=0.5)
    for ligne in range(3):
        for col in range(3):
            x, y = 4 + col * 3, 7 + ligne * 2.8
            if col == 2 and ligne >= 1:
                continue
            corps += rect(x, y, 2, 1.8, p["touche"], rx=0.3)
    # Grande touche « = » en bas à droite.
    corps += rect(10, 9.8, 2, 4.6, p["egal"], rx=0.3)
    return defs, corps


def outil_informations(p):
    defs = degrade("disque", [p["clair"], p["fonce"]], 0.2, 0, 0.8, 1)
    corps = cercle(8, 8, 7, "url(#disque)", p["trait"], 1)
    corps += cercle(8, 4.4, 1.35, p["blanc"])
    corps += ('<path d="M 6.3 6.8 L 9 6.8 L 9 11.6 L 10 11.6 L 10 12.8'
              ' L 6.2 12.8 L 6.2 11.6 L 7.1 11.6 L 7.1 8 L 6.3 8 Z"'
              ' fill="%s"/>\n' % p["blanc"])
    return defs, corps


def outil_statistiques(p):
    defs, corps = "", ""
    for i, (x, h) in enumerate([(3.5, 5), (7.5, 10.5), (11.5, 7.5)]):
        clair, fonce, bord = p["barres"][i]
        defs += degrade("barre%d" % i, [clair, fonce], 0, 0, 1, 0)
        corps += rect(x, 14 - h, 3, h, "url(#barre%d)" % i, contour=bord,
                      epaisseur=0.8)
    corps += trait("M 1.5 1.5 L 1.5 14.5 L 15 14.5", p["axe"], 1.1)
    return defs, corps


OUTILS = {
    "premiere": lambda p: outil_fleche(p, FLECHE_PREMIERE, False),
    "precedente": lambda p: outil_fleche(p, FLECHE_PRECEDENTE, False),
    "suivante": lambda p: outil_fleche(p, FLECHE_PRECEDENTE, True),
    "derniere": lambda p: outil_fleche(p, FLECHE_PREMIERE, True),
    "calculer": outil_calculer,
    "informations": outil_informations,
    "statistiques": outil_statistiques,
}


# ---------------------------------------------------------------------------
# 5. Signes du dialogue de calcul, 32 × 32.
# ---------------------------------------------------------------------------

SIGNES = {
    "plus": ("M 16 6 L 16 26 M 6 16 L 26 16", []),
    "moins": ("M 6 16 L 26 16", []),
    "fois": ("M 8.5 8.5 L 23.5 23.5 M 23.5 8.5 L 8.5 23.5", []),
    "divise": ("M 6 16 L 26 16", [(16, 8, 3), (16, 24, 3)]),
}
SIGNE_NORMAL = "#1c3c8c"
SIGNE_INACTIF = "#a8a8a8"


def image_signe(nom, inactif):
    couleur = SIGNE_INACTIF if inactif else SIGNE_NORMAL
    d, points = SIGNES[nom]
    corps = trait(d, couleur, 5)
    for cx, cy, r in points:
        corps += cercle(cx, cy, r, couleur)
    return svg(32, 32, corps)


# ---------------------------------------------------------------------------
# 6. Icône du programme (64 × 64), image « à propos » et coche « Vu ».
# ---------------------------------------------------------------------------

def image_icone():
    defs = degrade("fond", ["#7a1414", "#2a0404"])
    corps = rect(2, 2, 60, 60, "url(#fond)", rx=10, contour="#140000",
                 epaisseur=1.5)
    # Cadran de la cible.
    corps += rect(8, 8, 48, 25, "#161616", rx=3, contour="#000000")
    for i, chiffre in enumerate([9, 5, 2]):
        corps += dessin_segments(chiffre, 13.5 + i * 15, 11.5, 8, 18, 3.2,
                                 0.5, 1.5, JAUNE, "#3a3a3a")
    # Trois plaques.
    for i, valeur in enumerate([25, 7, 4]):
        d, c = plaque(valeur, 8 + i * 16.5, 39, 15, False, "plaque%d" % i)
        defs += d
        corps += c
    return svg(64, 64, corps, defs)


# Petites icônes (16, 22 et 24 px) : le même dessin simplifié, posé sur des
# pixels entiers (les rectangles tombent sur la grille, rien n'est flou) :
# le fond rouge, l'afficheur noir aux chiffres jaunes d'un pixel de trait,
# trois plaques grises en relief. Réglages par taille :
# (chiffres, largeur et hauteur d'un chiffre, écart, haut de l'afficheur,
#  hauteur de l'afficheur, haut des plaques, hauteur et largeur d'une
#  plaque, écart entre plaques, arrondi du fond)
PETITES_ICONES = {
    16: ("95", 4, 5, 2, 2, 7, 10, 4, 4, 0, 2),
    22: ("952", 4, 7, 1, 2, 9, 12, 8, 6, 0, 3),
    24: ("952", 4, 7, 2, 2, 9, 13, 9, 6, 1, 3),
}
PLAQUE_PIXELS = {"face": "#b4b4b4", "clair": "#e8e8e8", "ombre": "#4a4a4a"}


def chiffre_pixels(chiffre, x, y, largeur, hauteur, couleur):
    """Chiffre à sept segments d'un pixel de trait, coin haut gauche (x, y)."""
    milieu = (hauteur - 1) // 2
    demi = milieu + 1
    formes = {
        "a": (x, y, largeur, 1), "g": (x, y + milieu, largeur, 1),
        "d": (x, y + hauteur - 1, largeur, 1),
        "f": (x, y, 1, demi), "b": (x + largeur - 1, y, 1, demi),
        "e": (x, y + milieu, 1, hauteur - milieu),
        "c": (x + largeur - 1, y + milieu, 1, hauteur - milieu),
    }
    return "".join(rect(*formes[s], couleur)
                   for s in sorted(SEPT_SEGMENTS[chiffre]))


def plaque_pixels(x, y, largeur, hauteur):
    """Plaque en relief : arêtes claires en haut et à gauche, sombres en bas
    et à droite."""
    p = PLAQUE_PIXELS
    return (rect(x, y, largeur, hauteur, p["face"])
            + rect(x, y, largeur, 1, p["clair"])
            + rect(x, y, 1, hauteur, p["clair"])
            + rect(x, y + hauteur - 1, largeur, 1, p["ombre"])
            + rect(x + largeur - 1, y, 1, hauteur, p["ombre"]))


def image_petite_icone(taille):
    (chiffres, lc, hc, ecart, haut_afficheur, h_afficheur, haut_plaques,
     h_plaque, l_plaque, ecart_plaques, arrondi) = PETITES_ICONES[taille]
    defs = degrade("fond", ["#7a1414", "#2a0404"])
    corps = rect(0.5, 0.5, taille - 1, taille - 1, "url(#fond)", rx=arrondi,
                 contour="#140000")
    # l'afficheur occupe l'intérieur, une colonne de fond de chaque côté
    corps += rect(2, haut_afficheur, taille - 4, h_afficheur, "#161616")
    bloc = len(chiffres) * lc + (len(chiffres) - 1) * ecart
    x = (taille - bloc) // 2
    for c in chiffres:
        corps += chiffre_pixels(int(c), x, haut_afficheur + (h_afficheur - hc) // 2,
                                lc, hc, JAUNE)
        x += lc + ecart
    x = (taille - 3 * l_plaque - 2 * ecart_plaques) // 2
    for _ in range(3):
        corps += plaque_pixels(x, haut_plaques, l_plaque, h_plaque)
        x += l_plaque + ecart_plaques
    return svg(taille, taille, corps, defs)


def etoile(cx, cy, r1, r2, pointes=5):
    pts = []
    for i in range(2 * pointes):
        r = r1 if i % 2 == 0 else r2
        a = -math.pi / 2 + i * math.pi / pointes
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def image_apropos():
    defs, c = plaque(100, 1.5, 5.5, 25, False, "plaque")
    corps = '<g transform="rotate(-8 14 18)">\n' + c + "</g>\n"
    defs += degrade("etoile", ["#fff3a0", "#ffc400"])
    corps += polygone(etoile(24.5, 7.5, 7, 3), "url(#etoile)", "#a86a00", 0.9)
    return svg(32, 32, corps, defs)


def image_vu():
    d = "M 9.5 8.5 L 13.8 12.6 L 22.5 3.6"
    corps = trait(d, "#17682a", 4.6) + trait(d, "#3ec255", 2.6)
    return svg(32, 16, corps)


def image_ordinateur():
    """Colonne de la machine dans la fenêtre des statistiques, 16 × 16."""
    defs = degrade("ecran", ["#7dbdf7", "#1e5fb4"], 0, 0, 0.6, 1)
    defs += degrade("boitier", ["#e8e8e8", "#a8a8a8"])
    corps = rect(1.5, 1.5, 13, 9.5, "url(#boitier)", rx=1, contour="#404040")
    corps += rect(3, 3, 10, 6.5, "url(#ecran)", contour="#0e3a78",
                  epaisseur=0.6)
    corps += polygone([(6.5, 11), (9.5, 11), (10, 13), (6, 13)], "#a8a8a8",
                      "#404040", 0.8)
    corps += rect(3, 13, 10, 1.8, "url(#boitier)", rx=0.6, contour="#404040",
                  epaisseur=0.8)
    return svg(16, 16, corps, defs)


def image_humain():
    """Colonne du joueur dans la fenêtre des statistiques, 16 × 16."""
    defs = degrade("visage", ["#ffe0b8", "#e0a070"], 0.2, 0, 0.8, 1)
    defs += degrade("habit", ["#8fdc6a", "#3f9a1c"])
    corps = ('<path d="M 1.8 15.2 C 1.8 11.2 4.4 9.4 8 9.4 C 11.6 9.4 14.2 '
             '11.2 14.2 15.2 Z" fill="url(#habit)" stroke="#2a6a12" '
             'stroke-width="0.9" stroke-linejoin="round"/>\n')
    corps += cercle(8, 5.2, 3.6, "url(#visage)", "#8a4a08", 0.9)
    return svg(16, 16, corps, defs)


# ---------------------------------------------------------------------------
# Production de tous les fichiers
# ---------------------------------------------------------------------------

def lire_arguments(arguments):
    """Dossier de sortie : resources/images/, ou celui de --sortie DOSSIER."""
    if not arguments:
        return RACINE
    if len(arguments) == 2 and arguments[0] == "--sortie" and arguments[1]:
        return arguments[1]
    sys.stderr.write("Syntaxe : python3 scripts/generer-images.py [--sortie DOSSIER]\n")
    sys.exit(2)


def main():
    global RACINE
    RACINE = lire_arguments(sys.argv[1:])
    for c in "0123456789":
        ecrire("liste/chiffre-%s.svg" % c, image_manuscrite(c))
    for nom in ("plus", "moins", "fois", "divise", "egal"):
        ecrire("liste/%s.svg" % nom, image_manuscrite(nom))
    for v in VALEURS_PLAQUES:
        ecrire("liste/plaque-%d.svg" % v, image_plaque(v, False))
        ecrire("liste/plaque-%d-inactif.svg" % v, image_plaque(v, True))
    ecrire("liste/plaque-resultat.svg", image_plaque_resultat())
    for c in range(10):
        ecrire("afficheur/segment-%d.svg" % c, image_segment(c))
    for nom, dessin in OUTILS.items():
        for suffixe, palette in (("", OUTIL_NORMAL), ("-inactif", OUTIL_INACTIF)):
            defs, corps = dessin(palette)
            ecrire("outils/%s%s.svg" % (nom, suffixe), svg(16, 16, corps, defs))
    for nom in SIGNES:
        ecrire("signes/%s.svg" % nom, image_signe(nom, False))
        ecrire("signes/%s-inactif.svg" % nom, image_signe(nom, True))
    ecrire("varnel.svg", image_icone())
    for taille in sorted(PETITES_ICONES):
        ecrire("varnel-%d.svg" % taille, image_petite_icone(taille))
    ecrire("apropos.svg", image_apropos())
    ecrire("vu.svg", image_vu())
    ecrire("ordinateur.svg", image_ordinateur())
    ecrire("humain.svg", image_humain())


if __name__ == "__main__":
    main()
