#!/bin/sh
# SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
# SPDX-License-Identifier: GPL-3.0-or-later
#
# lance un essai de fenêtres sur un écran virtuel (1024x768, ou VARNEL_ECRAN) : « nu » (sans gestionnaire
# de fenêtres) ou « openbox » (barres de titre et cadres dessinés) ; code 77 (essai sauté) quand Xvfb ou
# openbox manque
# usage : [VARNEL_ECRAN=1920x1080] sous-xvfb.sh nu|openbox programme [arguments...]
set -u
bureau="$1"
shift
command -v Xvfb >/dev/null 2>&1 || { echo "Xvfb absent : essai sauté"; exit 77; }
if [ "$bureau" = openbox ]; then
    command -v openbox >/dev/null 2>&1 || { echo "openbox absent : essai sauté"; exit 77; }
fi

dossier="$(mktemp -d)"
xvfb=""
gestionnaire=""
nettoyer() {
    [ -n "$gestionnaire" ] && kill "$gestionnaire" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$dossier"
}
trap nettoyer EXIT

# l'écran choisit lui-même un numéro libre et l'écrit dans le fichier
Xvfb -displayfd 3 -screen 0 "${VARNEL_ECRAN:-1024x768}x24" -nolisten tcp 3>"$dossier/ecran" >"$dossier/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 1 100); do
    [ -s "$dossier/ecran" ] && break
    sleep 0.05
done
[ -s "$dossier/ecran" ] || { echo "Xvfb ne démarre pas"; cat "$dossier/xvfb.log"; exit 1; }
DISPLAY=":$(head -n 1 "$dossier/ecran")"
export DISPLAY

if [ "$bureau" = openbox ]; then
    openbox --sm-disable >"$dossier/openbox.log" 2>&1 &
    gestionnaire=$!
    # openbox prend l'écran quand il a posé sa propriété sur la fenêtre racine ; une machine chargée peut
    # le faire attendre : sans lui au bout de 30 s, l'essai des cadres n'a pas de sens, il est sauté
    pris=""
    for _ in $(seq 1 600); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && { pris=1; break; }
        sleep 0.05
    done
    [ -n "$pris" ] || { echo "openbox n'a pas pris l'écran en 30 s : essai sauté"; cat "$dossier/openbox.log"; exit 77; }
    VARNEL_GESTIONNAIRE_FENETRES=1
    export VARNEL_GESTIONNAIRE_FENETRES
fi

QT_QPA_PLATFORM=xcb "$@"
