#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
# SPDX-License-Identifier: GPL-3.0-or-later
# ce qu'un lecteur d'écran trouve du varnel sur le bus d'accessibilité (AT-SPI), puis un jeu proposé joué au
# clavier seul ; sur un écran (sous-xvfb.sh). Code 77 (essai sauté) quand un outil manque ou que le bus ne
# démarre pas. Usage : accessibilite.py chemin/de/varnel
import os, re, shutil, subprocess, sys, tempfile, time


def finir(code, message):
    print(message + (" : essai sauté" if code == 77 else ""))
    sys.exit(code)


LANCEUR = "/usr/libexec/at-spi-bus-launcher"
if "VARNEL_SESSION_DBUS" not in os.environ:
    for outil in ("dbus-run-session", "xdotool", LANCEUR):
        if not shutil.which(outil):
            finir(77, outil + " absent (paquets dbus, xdotool, at-spi2-core)")
    marque = os.path.join(tempfile.gettempdir(), "varnel-session-%d" % os.getpid())
    code = subprocess.run(["dbus-run-session", "--", sys.executable] + sys.argv,
                          env=dict(os.environ, VARNEL_SESSION_DBUS=marque)).returncode
    if not os.path.exists(marque):
        finir(77, "la session D-Bus ne démarre pas")
    os.remove(marque)
    sys.exit(code)
open(os.environ["VARNEL_SESSION_DBUS"], "w").close()  # la session a démarré
os.environ["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"  # le varnel s'annonce sur le bus
try:
    import pyatspi
    from gi.repository import GLib
except ImportError:
    finir(77, "pyatspi absent (paquet python3-pyatspi)")
bus = subprocess.Popen([LANCEUR, "--launch-immediately"])
adresse = ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress"]
for _ in range(50):
    if subprocess.run(adresse, capture_output=True).returncode == 0:
        break
    time.sleep(0.1)
else:
    finir(77, "le bus d'accessibilité ne démarre pas")
NOMS_CHANGES = []  # les noms dont le lecteur d'écran a appris le changement
pyatspi.Registry.registerEventListener(lambda e: NOMS_CHANGES.append(e.source.name or ""),
                                       "object:property-change:accessible-name")
FOCUS_RECUS = []  # les objets qui ont pris le focus : ce qu'un lecteur d'écran dit
pyatspi.Registry.registerEventListener(lambda e: e.detail1 and FOCUS_RECUS.append(e.source.name or ""),
                                       "object:state-changed:focused")


def attendre(condition, quoi):
    for _ in range(150):
        while GLib.MainContext.default().iteration(False):
            pass
        try:
            resultat = condition()
        except Exception:  # un objet disparu entre deux lectures : on relit
            resultat = None
        if resultat:
            return resultat
        time.sleep(0.1)
    finir(1, "ÉCHEC : attendu en vain " + quoi)


def montres(racine, role):
    racine.clear_cache()
    pile, trouves = [racine], []
    while pile:
        o = pile.pop(0)
        pile.extend(o.getChildAtIndex(i) for i in range(o.childCount))
        if o.getRole() == role and o.getState().contains(pyatspi.STATE_SHOWING):
            trouves.append(o)
    return trouves


def application():
    return next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "Le varnel"), None)


def fenetre(titre):
    return attendre(lambda: next(f for f in application() if f.name == titre), "la fenêtre « %s »" % titre)


def fermee(titre):
    attendre(lambda: all(f.name != titre for f in application()), "la fenêtre « %s » fermée" % titre)


def lire(titre, motif, role=pyatspi.ROLE_LABEL, etat=pyatspi.STATE_SHOWING):
    return attendre(lambda: next((o.name for o in montres(fenetre(titre), role)
                                  if re.fullmatch(motif, o.name) and o.getState().contains(etat)), None),
                    "« %s » dans « %s »" % (motif, titre))


def noms(titre, role=pyatspi.ROLE_PUSH_BUTTON):
    return [o.name for o in montres(fenetre(titre), role)]


def touches(*noms):
    # modificateurs appuyés et relâchés à part : sur une machine chargée, « xdotool key alt+Right » d'un coup
    # laisse parfois la barre de menus prendre le focus, comme après Alt seul
    for nom in noms:
        *modificateurs, touche = nom.split("+")
        for commande in [["keydown", m] for m in modificateurs] + [["key", touche]] + \
                [["keyup", m] for m in reversed(modificateurs)]:
            subprocess.run(["xdotool"] + commande, check=True)
        time.sleep(0.15)


def focus(titre):
    fenetre(titre)
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^%s$" % titre, "windowactivate",
                    "--sync"], check=True, stdout=subprocess.DEVNULL)


def jouer(varnel, arguments, partie, resultat):
    processus = subprocess.Popen([varnel] + arguments)
    attendre(application, "le varnel sur le bus")
    focus("Le varnel")
    partie()
    # les solutions pas à pas au clavier, la solution montrée ayant le focus ; puis les informations
    for touche, place in (("alt+Right", 2), ("alt+Home", 1), ("alt+End", 2), ("alt+Left", 1)):
        touches(touche)
        lire("Le varnel", "Solution %d sur 2 : .*" % place, etat=pyatspi.STATE_FOCUSED)
    touches("ctrl+i")
    lire("Informations sur les solutions", resultat)
    touches("ctrl+i")
    fermee("Informations sur les solutions")
    touches("ctrl+q")
    if processus.wait(timeout=15) != 0 or "Solution 2 sur 2" not in " ".join(NOMS_CHANGES):
        finir(1, "ÉCHEC : fin du varnel (code %d), noms annoncés %s" % (processus.returncode, NOMS_CHANGES))


def jeu_de_la_ligne_de_commande():
    lire("Le varnel", "Compte : 952")
    lire("Le varnel", "Plaques : 25 utilisée, 50 utilisée, 75 utilisée, 100 utilisée, 3 utilisée, 6 utilisée")
    lire("Le varnel", "Solution 1 sur 2 : 75 fois 6 égale 450 ; 450 divisé par 50 égale 9 ; 100 plus 3 égale 103 ; "
                      r"103 fois 9 égale 927 ; 927 plus 25 égale 952\. Méthode : Produit puis ajustement\.")
    lire("Le varnel", "Méthode : Produit puis ajustement")
    barre = noms("Le varnel", pyatspi.ROLE_PUSH_BUTTON)[:5] + noms("Le varnel", pyatspi.ROLE_CHECK_BOX)
    if barre != ["Première solution", "Solution précédente", "Solution suivante", "Dernière solution",
                 "Calculer toutes les solutions (de la plus simple à la plus tordue)",
                 "Informations sur les solutions", "Statistiques"]:
        finir(1, "ÉCHEC : boutons de la barre d'outils %s" % barre)
    pas_a_pas()


# la solution de cinq opérations pas à pas au clavier : chaque pas a le focus, que le lecteur d'écran dit
PAS = ["Pas à pas en 5 opérations. Plaques : 25, 50, 75, 100, 3, 6. Compte : 952.",
       "Opération 1 sur 5 : 75 fois 6.", "75 fois 6 égale 450. Restent : 25, 50, 450, 100, 3.",
       "Opération 2 sur 5 : 450 divisé par 50.", "450 divisé par 50 égale 9. Restent : 25, 9, 100, 3.",
       "Opération 3 sur 5 : 100 plus 3.", "100 plus 3 égale 103. Restent : 25, 9, 103.",
       "Opération 4 sur 5 : 103 fois 9.", "103 fois 9 égale 927. Restent : 25, 927.",
       "Opération 5 sur 5 : 927 plus 25.", "927 plus 25 égale 952 : le compte est trouvé."]


def pas_a_pas():
    del FOCUS_RECUS[:]
    for touche, attendu in [("F8", PAS[0])] + [("Right", p) for p in PAS[1:]] + [("Left", PAS[-2])]:
        touches(touche)
        lire("Le varnel", re.escape(attendu), etat=pyatspi.STATE_FOCUSED)
    touches("Escape")
    lire("Le varnel", "Solution 1 sur 2 : .*", etat=pyatspi.STATE_FOCUSED)
    entendus = [nom for nom in FOCUS_RECUS if nom in PAS]
    if entendus != PAS + [PAS[-2]]:
        finir(1, "ÉCHEC : pas à pas entendu %s" % entendus)


def jeu_propose():
    touches("ctrl+p")
    focus("Pavé numérique")
    if len(noms("Pavé numérique")) != 17 or not all(noms("Pavé numérique")):
        finir(1, "ÉCHEC : boutons du pavé %s" % noms("Pavé numérique"))
    touches("v", "l", "s", "c", "3", "6", "9", "5", "2")
    attendus = ["Plaque %d : %d" % (i + 1, v) for i, v in enumerate([25, 50, 75, 100, 3, 6])]
    attendus += ["Plus", "Moins", "Multiplié par", "Divisé par", "Refaire", "Ok", "Annuler"]
    focus("Saisie du calcul")
    if noms("Saisie du calcul") != attendus:
        finir(1, "ÉCHEC : boutons de la saisie %s" % noms("Saisie du calcul"))

    def avec_le_focus():
        return lire("Saisie du calcul", ".+", pyatspi.ROLE_PUSH_BUTTON, pyatspi.STATE_FOCUSED)

    atteints = set()
    for _ in range(9):  # Tab fait le tour des boutons actifs
        atteints.add(avec_le_focus())
        touches("Tab")
    if atteints != set(attendus[:6] + ["Refaire", "Annuler"]):
        finir(1, "ÉCHEC : boutons atteints par Tab %s" % sorted(atteints))
    # 75 × 6 par Tab et Espace : après un nombre, le focus passe au premier signe, après un signe au premier nombre
    for bouton in ("Plaque 3 : 75", "Multiplié par", "Plaque 6 : 6"):
        for _ in range(14):
            if avec_le_focus() == bouton:
                break
            touches("Tab")
        else:
            finir(1, "ÉCHEC : Tab n'atteint pas « %s »" % bouton)
        touches("space")
    lire("Le varnel", "Calcul du joueur : 75 fois 6 égale 450")
    # la suite par les touches de la fenêtre, le focus sur un bouton : 450 / 50, 100 + 3, 103 × 9, 927 + 25
    touches("3", "slash", "z", "4", "plus", "w", "s", "asterisk", "q", "s", "plus", "a")
    fermee("Saisie du calcul")  # le compte est atteint
    focus("Le varnel")
    touches("ctrl+s")


with tempfile.TemporaryDirectory() as dossier:
    # le varnel.ini et l'historique s'écrivent à côté du programme : une copie à part
    varnel = shutil.copy2(sys.argv[1], os.path.join(dossier, "varnel"))
    jouer(varnel, "25 50 75 100 3 6 952".split(), jeu_de_la_ligne_de_commande, "952")
    jouer(varnel, [], jeu_propose, "1/2")  # le calcul du joueur est la première des deux solutions
bus.terminate()
print("accessibilité : arbre lu, jeu proposé joué au clavier seul")
