#!/bin/sh
# SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
# SPDX-License-Identifier: GPL-3.0-or-later
# varnel-calcul écrivant sur un disque plein (/dev/full) : un message en français sur les erreurs, code 1
programme="$1"
erreurs=$(mktemp)
trap 'rm -f "$erreurs"' EXIT
echec=0
for arguments in "--help" "--version" "25 50 75 100 3 6 952" "--tous 1 2 3 4 5 6"; do
    # shellcheck disable=SC2086
    "$programme" $arguments > /dev/full 2> "$erreurs"
    code=$?
    if [ "$code" -ne 1 ] || ! grep -q "^Impossible d'écrire les résultats (sortie pleine ou fermée)\.$" "$erreurs"; then
        echo "varnel-calcul $arguments > /dev/full : code $code, erreurs : $(cat "$erreurs")"
        echec=1
    fi
done
exit $echec
