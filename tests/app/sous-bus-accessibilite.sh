#!/bin/sh
# SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
# SPDX-License-Identifier: GPL-3.0-or-later
#
# lance un script Python dans une session D-Bus avec le bus d'accessibilité (AT-SPI) et le programme Qt
# qui s'y annonce ; à lancer sur un écran (sous-xvfb.sh). Code 77 (essai sauté) quand un outil manque ou
# que la session ou le bus ne démarrent pas
# usage : sous-bus-accessibilite.sh script.py [arguments...]
set -u
sauter() {
    echo "$1 : essai sauté"
    exit 77
}

if [ -z "${VARNEL_SESSION_DBUS:-}" ]; then
    command -v dbus-run-session >/dev/null 2>&1 || sauter "dbus-run-session absent (paquet dbus)"
    command -v xdotool >/dev/null 2>&1 || sauter "xdotool absent"
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || sauter "pyatspi absent (paquet python3-pyatspi)"
    VARNEL_SESSION_DBUS="$(mktemp)"
    export VARNEL_SESSION_DBUS
    dbus-run-session -- sh "$0" "$@"
    code=$?
    # la marque n'est plus là : le script a tourné dans la session
    [ -e "$VARNEL_SESSION_DBUS" ] && { rm -f "$VARNEL_SESSION_DBUS"; sauter "la session D-Bus ne démarre pas"; }
    exit $code
fi
rm -f "$VARNEL_SESSION_DBUS"

lanceur=""
for chemin in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$chemin" ] && lanceur="$chemin" && break
done
[ -n "$lanceur" ] || sauter "at-spi-bus-launcher absent (paquet at-spi2-core)"
"$lanceur" --launch-immediately &
bus=$!
trap 'kill $bus 2>/dev/null' EXIT
demarre=""
for _ in $(seq 1 100); do
    if dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1; then
        demarre=1
        break
    fi
    sleep 0.05
done
[ -n "$demarre" ] || sauter "le bus d'accessibilité ne démarre pas"

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 /usr/bin/python3 "$@"
