#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
# SPDX-License-Identifier: GPL-3.0-or-later
# ce qu'un lecteur d'écran trouve du varnel sur le bus d'accessibilité, puis un jeu proposé joué au clavier seul
# usage (par sous-bus-accessibilite.sh) : accessibilite.py chemin/de/varnel
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

NOMS_CHANGES = []  # les objets dont le lecteur d'écran a appris le changement de nom


def pomper():
    contexte = GLib.MainContext.default()
    while contexte.pending():
        contexte.iteration(False)


def echec(message):
    print("ÉCHEC :", message)
    sys.exit(1)


def objets(racine):
    racine.clear_cache()
    pile = [racine]
    while pile:
        o = pile.pop()
        yield o
        pile.extend(reversed([o.getChildAtIndex(i) for i in range(o.childCount)]))


def montres(racine, role):
    return [o for o in objets(racine)
            if o.getRole() == role and o.getState().contains(pyatspi.STATE_SHOWING)]


def attendre(condition, quoi, delai=15):
    fin = time.time() + delai
    while time.time() < fin:
        pomper()
        try:
            resultat = condition()
        except Exception:  # un objet disparu entre deux lectures : on relit
            resultat = None
        if resultat:
            return resultat
        time.sleep(0.1)
    echec("attendu en vain : " + quoi)


def application():
    bureau = pyatspi.Registry.getDesktop(0)
    return next((a for a in bureau if a is not None and a.name == "Le varnel"), None)


def fenetre(titre):
    return attendre(lambda: next((f for f in application() if f.name == titre and
                                  f.getState().contains(pyatspi.STATE_SHOWING)), None), "la fenêtre « %s »" % titre)


def etiquette(racine, motif):
    return next((o.name for o in montres(racine, pyatspi.ROLE_LABEL) if re.fullmatch(motif, o.name)), None)


def lire(titre, motif):
    return attendre(lambda: etiquette(fenetre(titre), motif), "« %s » dans « %s »" % (motif, titre))


def touches(*noms):
    for nom in noms:
        subprocess.run(["xdotool", "key", "--clearmodifiers", nom], check=True)
        time.sleep(0.15)


def focus(titre):
    fenetre(titre)
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^%s$" % titre, "windowactivate", "--sync"],
                   check=True, stdout=subprocess.DEVNULL)


def lancer(programme, *arguments):
    processus = subprocess.Popen([programme, *arguments])
    attendre(application, "le varnel sur le bus")
    focus("Le varnel")
    return processus


def quitter(processus):
    touches("ctrl+q")
    if processus.wait(timeout=15) != 0:
        echec("le varnel finit avec le code %d" % processus.returncode)


def parcourir_au_clavier(avec_informations):
    """les solutions pas à pas, puis la fenêtre des informations ouverte et refermée"""
    for touche, place in [("alt+Right", "2 sur 2"), ("alt+Home", "1 sur 2"), ("alt+End", "2 sur 2"),
                          ("alt+Left", "1 sur 2")]:
        touches(touche)
        lire("Le varnel", "Solution %s : .*" % place)
    touches("ctrl+i")
    informations = fenetre("Informations sur les solutions")
    avec_informations(informations)
    touches("ctrl+i")
    attendre(lambda: all(f.name != informations.name or not f.getState().contains(pyatspi.STATE_SHOWING)
                         for f in application()), "la fenêtre des informations fermée")


def jeu_de_la_ligne_de_commande(varnel):
    processus = lancer(varnel, "25", "50", "75", "100", "3", "6", "952")
    lire("Le varnel", "Compte : 952")
    lire("Le varnel", "Plaques : 25 utilisée, 50 utilisée, 75 utilisée, 100 utilisée, 3 utilisée, 6 utilisée")
    lire("Le varnel", "Solution 1 sur 2 : 75 fois 6 égale 450 ; 450 divisé par 50 égale 9 ; 100 plus 3 égale 103 ; "
                      "103 fois 9 égale 927 ; 927 plus 25 égale 952")
    boutons = [o for b in montres(fenetre("Le varnel"), pyatspi.ROLE_TOOL_BAR) for o in objets(b)
               if o.getRole() in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_TOGGLE_BUTTON)
               and o.getState().contains(pyatspi.STATE_SHOWING)]
    if len(boutons) != 7 or not all(b.name for b in boutons):
        echec("boutons de la barre d'outils : %s" % [b.name for b in boutons])
    # la solution a le focus : le lecteur d'écran dit les changements de son nom
    attendre(lambda: any(o.name.startswith("Solution 1 sur 2") and o.getState().contains(pyatspi.STATE_FOCUSED)
                         for o in montres(fenetre("Le varnel"), pyatspi.ROLE_LABEL)), "le focus sur la solution")
    del NOMS_CHANGES[:]
    parcourir_au_clavier(lambda f: lire(f.name, "952"))
    if not any(n.startswith("Solution 2 sur 2 : ") for n in NOMS_CHANGES):
        echec("aucun changement de nom annoncé pour la solution : %s" % NOMS_CHANGES)
    quitter(processus)


def saisie_au_clavier():
    """les boutons de la saisie nommés et atteints par Tab ; le calcul de la première solution, au clavier"""
    noms = ["Plaque %d : %d" % (i + 1, v) for i, v in enumerate([25, 50, 75, 100, 3, 6])]
    noms += ["Plus", "Moins", "Multiplié par", "Divisé par", "Refaire", "Ok", "Annuler"]
    boutons = [b.name for b in montres(fenetre("Saisie du calcul"), pyatspi.ROLE_PUSH_BUTTON)]
    if boutons != noms:
        echec("boutons de la saisie : %s" % boutons)

    def avec_le_focus():
        return next((o.name for o in montres(fenetre("Saisie du calcul"), pyatspi.ROLE_PUSH_BUTTON)
                     if o.getState().contains(pyatspi.STATE_FOCUSED)), None)

    def presser(nom):
        for _ in range(14):
            if attendre(avec_le_focus, "un bouton avec le focus") == nom:
                touches("space")
                return
            touches("Tab")
        echec("Tab n'atteint pas « %s »" % nom)

    atteints = set()
    for _ in range(9):
        atteints.add(attendre(avec_le_focus, "un bouton avec le focus"))
        touches("Tab")
    if atteints != set(noms[:6] + ["Refaire", "Annuler"]):
        echec("boutons atteints par Tab : %s" % sorted(atteints))
    # 75 × 6 = 450 par Tab et Espace : le focus passe aux signes, puis aux nombres
    presser("Plaque 3 : 75")
    presser("Multiplié par")
    presser("Plaque 6 : 6")
    lire("Le varnel", "Calcul du joueur : 75 fois 6 égale 450")
    # la suite par les touches de la fenêtre, le focus sur un bouton : 450 / 50, 100 + 3, 103 × 9, 927 + 25
    touches("3", "slash", "z", "4", "plus", "w", "s", "asterisk", "q", "s", "plus", "a")


def jeu_propose(varnel):
    processus = lancer(varnel)
    touches("ctrl+p")
    focus("Pavé numérique")
    if not all(b.name for b in montres(fenetre("Pavé numérique"), pyatspi.ROLE_PUSH_BUTTON)):
        echec("un bouton du pavé sans nom")
    touches("v", "l", "s", "c", "3", "6", "9", "5", "2")
    focus("Saisie du calcul")
    lire("Le varnel", "Compte : 952")
    saisie_au_clavier()
    attendre(lambda: not any(f.name == "Saisie du calcul" for f in application()), "la saisie finie")
    focus("Le varnel")
    touches("ctrl+s")
    # le calcul du joueur est la première des deux solutions
    parcourir_au_clavier(lambda f: lire(f.name, "1/2"))
    quitter(processus)


def main():
    pyatspi.Registry.registerEventListener(lambda e: NOMS_CHANGES.append(e.source.name or ""),
                                           "object:property-change:accessible-name")
    with tempfile.TemporaryDirectory() as dossier:
        # le varnel.ini et l'historique s'écrivent à côté du programme : une copie à part
        varnel = shutil.copy2(sys.argv[1], os.path.join(dossier, "varnel"))
        jeu_de_la_ligne_de_commande(varnel)
        jeu_propose(varnel)
    print("accessibilité : arbre lu, jeu proposé joué au clavier seul")


main()
