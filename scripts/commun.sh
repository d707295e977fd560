# SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
# SPDX-License-Identifier: GPL-3.0-or-later

# ce que scripts/run et scripts/test partagent : paquets Debian et configuration de la construction
# shellcheck shell=bash

RACINE="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
CONSTRUCTION="${VARNEL_CONSTRUCTION:-$RACINE/build}"

# ce qu'il faut pour construire et lancer la fenêtre (scripts/run) : compilateur, CMake, Qt 6 et ses
# traductions, polices ; pour l'historique, le pilote SQLite de Qt SQL, les en-têtes de SQLite (sa connexion
# se lit aussi par SQLite même) et Qt Charts (qui a besoin des en-têtes OpenGL de Qt sans les tirer)
PAQUETS_FENETRE=(
    g++ cmake make
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n libgl-dev
    libqt6sql6-sqlite libsqlite3-dev qt6-charts-dev libqt6opengl6-dev
    fonts-comic-neue fonts-liberation2 fonts-dejavu-core
)
# en plus pour les tests (scripts/test) : GoogleTest, Google Benchmark, affichage virtuel, openbox et
# x11-utils (essai des fenêtres sous un vrai gestionnaire de fenêtres), Python
# (générateur des images, vérifié par un test), valgrind (bench/instructions), time (bench/atlas,
# bench/atlas-niveaux) ; validateurs des fichiers du bureau, pages de manuel, paquet Debian (debhelper,
# lintian) et licences (reuse) ; l'outil sqlite3 qui relit l'historique dans les essais ; le bus
# d'accessibilité (at-spi2-core, dbus), pyatspi et xdotool, pour lire les fenêtres comme un lecteur
# d'écran et jouer au clavier ; ImageMagick (import) pour regarder les fenêtres sous Xvfb
PAQUETS_TESTS=(
    pkg-config libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth openbox x11-utils
    at-spi2-core dbus python3-pyatspi xdotool imagemagick
    python3 valgrind time
    desktop-file-utils appstream man-db
    dpkg-dev debhelper lintian reuse
    sqlite3
)
PAQUETS=("${PAQUETS_FENETRE[@]}" "${PAQUETS_TESTS[@]}")

# installe ceux des paquets nommés qui manquent ; attend un autre apt ou dpkg au lieu d'échouer
installer_paquets() {
    local manquants=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
    done
    [ ${#manquants[@]} -eq 0 ] && return 0
    echo "Installation des paquets manquants : ${manquants[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    local apt=(env DEBIAN_FRONTEND=noninteractive apt-get -q -o DPkg::Lock::Timeout=900)
    $sudo "${apt[@]}" update
    $sudo "${apt[@]}" install -y --no-install-recommends "${manquants[@]}"
}

# configure build/ (Release) ; les arguments vont à CMake
configurer() {
    cmake -S "$RACINE" -B "$CONSTRUCTION" -DCMAKE_BUILD_TYPE=Release "$@"
}

construire() {
    configurer "$@"
    cmake --build "$CONSTRUCTION" -j "$(nproc)"
}
