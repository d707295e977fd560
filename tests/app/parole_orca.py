#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
# SPDX-License-Identifier: GPL-3.0-or-later
# ce qu'Orca, le lecteur d'écran du bureau Debian, dit d'un jeu joué au clavier seul : la voix passe par le
# module factice de speech-dispatcher (sortie ALSA vers le périphérique nul) et se lit dans le journal
# d'Orca, écrit ligne à ligne. Sur un écran (sous-xvfb.sh) ; code 77 (essai sauté) quand orca ou un outil
# manque, ou que le bus ou Orca ne démarrent pas. Usage : parole_orca.py chemin/de/varnel
import os, re, shutil, signal, subprocess, sys, tempfile, time

ORCA = "/usr/bin/orca"
LANCEUR = "/usr/libexec/at-spi-bus-launcher"


def finir(code, message):
    if message:
        print(message + (" : essai sauté" if code == 77 else ""))
    sys.exit(code)


if sys.argv[1:2] == ["--orca"]:
    # Orca écrit son journal par blocs : ouvert ligne à ligne, chaque parole s'y lit aussitôt
    import builtins, runpy
    journal, ouvrir = sys.argv[2], builtins.open
    builtins.open = lambda f, mode="r", *a, **k: ouvrir(f, mode, *a, **(dict(buffering=1) if f == journal else k))
    # le module orca est celui du système, jamais un fichier de ce dossier
    sys.path = [p for p in sys.path if os.path.abspath(p or ".") != os.path.dirname(os.path.abspath(__file__))]
    sys.argv = [ORCA, "--debug-file=" + journal, "--replace"]
    runpy.run_path(ORCA, run_name="__main__")
    sys.exit(0)

if "VARNEL_SESSION_DBUS" not in os.environ:
    for outil in (ORCA, "speech-dispatcher", "dbus-run-session", "xdotool", LANCEUR):
        if not shutil.which(outil):
            finir(77, outil + " absent (paquets orca, speech-dispatcher, dbus, xdotool, at-spi2-core)")
    dossier = tempfile.mkdtemp()
    marque = os.path.join(dossier, "session")
    # la session, Orca, speech-dispatcher et le varnel gardent leurs réglages ici, jamais chez l'utilisateur
    env = dict(os.environ, VARNEL_SESSION_DBUS=marque, HOME=dossier, XDG_CONFIG_HOME=os.path.join(dossier, "config"),
               XDG_RUNTIME_DIR=os.path.join(dossier, "run"), QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    os.makedirs(os.path.join(dossier, "config", "speech-dispatcher"))
    os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
    with open(os.path.join(dossier, "config", "speech-dispatcher", "speechd.conf"), "w") as conf:
        # sans serveur de son, le module factice ne parle qu'à ALSA, vers le périphérique nul
        conf.write('AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n'
                   'AudioOutputMethod "alsa"\nAudioALSADevice "null"\n')
    code = subprocess.run(["dbus-run-session", "--", sys.executable] + sys.argv, env=env).returncode
    demarree = os.path.exists(marque)
    shutil.rmtree(dossier, ignore_errors=True)
    finir(code if demarree else 77, "" if demarree else "la session D-Bus ne démarre pas")
open(os.environ["VARNEL_SESSION_DBUS"], "w").close()  # la session a démarré

dossier = os.environ["HOME"]
JOURNAL = os.path.join(dossier, "orca.log")
processus = []


def arreter():
    # le lanceur du bus arrête le bus avec lui ; Orca ne répond pas à SIGTERM ; speech-dispatcher, lancé
    # par Orca, s'arrête par son fichier de pid
    for p in reversed(processus):
        p.terminate()
        try:
            p.wait(timeout=3)
        except subprocess.TimeoutExpired:
            p.kill()
    try:
        os.kill(int(open(os.path.join(os.environ["XDG_RUNTIME_DIR"], "speech-dispatcher/pid/speech-dispatcher.pid")
                         ).read()), signal.SIGKILL)
    except (OSError, ValueError):
        pass


def paroles():
    try:
        with open(JOURNAL, errors="replace") as journal:
            return re.findall(r"SPEECH OUTPUT: '(.*)' ?\{'established'", journal.read())
    except OSError:
        return []


def entendre(motif, depuis, delai=45):
    """attend qu'Orca dise une phrase qui commence par motif (une expression régulière) ; rend où il en est.
    Qt ne donne une touche à la fenêtre qu'une fois qu'Orca l'a vue : un Orca surchargé la retient jusqu'à
    25 s (le délai de D-Bus)"""
    for _ in range(delai * 10):
        dites = paroles()
        for i in range(depuis, len(dites)):
            if re.match(motif, dites[i]):
                return i + 1
        time.sleep(0.1)
    foyers = re.findall(r"\d+:\d+:[\d.]+ - ORCA: Changing locusOfFocus.{0,160}", open(JOURNAL, errors="replace").read())
    finir(1, "ÉCHEC : Orca n'a pas dit « %s » ; il a dit :\n  %s\nses derniers focus :\n  %s"
          % (motif, "\n  ".join(paroles()[depuis:]), "\n  ".join(foyers[-6:])))


def touches(*noms):
    # modificateurs appuyés et relâchés à part ; le temps qu'Orca dise ce qui vient de changer
    for nom in noms:
        *modificateurs, touche = nom.split("+")
        for commande in [["keydown", m] for m in modificateurs] + [["key", touche]] + \
                [["keyup", m] for m in reversed(modificateurs)]:
            subprocess.run(["xdotool"] + commande, check=True)
        time.sleep(0.6)


def fenetre(titre):
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^%s$" % titre, "windowactivate",
                    "--sync"], check=True, stdout=subprocess.DEVNULL, timeout=30)


def jouer():
    processus.append(subprocess.Popen([LANCEUR, "--launch-immediately"]))
    processus.append(subprocess.Popen([sys.executable, __file__, "--orca", JOURNAL], stderr=subprocess.DEVNULL))
    for _ in range(600):
        if "Screen reader on." in paroles():
            break
        time.sleep(0.1)
    else:
        finir(77, "Orca ne parle pas")
    varnel = shutil.copy2(sys.argv[1], os.path.join(dossier, "varnel"))
    processus.append(subprocess.Popen([varnel], stdout=subprocess.DEVNULL))
    fenetre("Le varnel")
    lu = entendre(r"Solution : aucune", 0)

    # un jeu tiré au sort : la saisie dit son compte en s'ouvrant ; annulée, le joueur n'a rien
    touches("ctrl+t")
    lu = entendre(r"Saisie du calcul dialog Compte : [1-9][0-9][0-9]\b", lu)
    touches("Escape")
    lu = entendre(r"Calcul du joueur : aucun ; aucun résultat : 0 point", lu)

    # un jeu proposé au pavé (25 50 75 100 3 6, compte 952), joué aux touches de la saisie
    touches("ctrl+p")
    fenetre("Pavé numérique")
    touches("v", "l", "s", "c", "3", "6", "9", "5", "2")
    lu = entendre(r"Saisie du calcul dialog Compte : 952\b", lu)
    touches("3", "asterisk", "6")
    lu = entendre(r"75 fois 6 égale 450", lu)
    touches("c")
    lu = entendre(r"Compte : 952 ; temps : \d+ secondes? ; calcul : 75 fois 6 égale 450", lu)
    touches("3", "slash", "z", "4", "plus", "w", "s", "asterisk", "q", "s", "plus", "a")
    lu = entendre(r"Calcul du joueur : .* 927 plus 25 égale 952 ; compte trouvé : 10 points", lu)
    # les solutions, l'une après l'autre
    touches("ctrl+s")
    lu = entendre(r"Solution 1 sur 2 : 75 fois 6 égale 450 ;", lu)
    touches("alt+Right")
    entendre(r"Solution 2 sur 2 : 100 plus 6 égale 106 ;", lu)


try:
    jouer()
finally:
    arreter()
print("Orca : compte, opération, points et solutions entendus")
