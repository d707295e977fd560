# ce que scripts/run et scripts/test partagent : paquets Debian et configuration de la construction
# shellcheck shell=bash

RACINE="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
CONSTRUCTION="${VARNEL_CONSTRUCTION:-$RACINE/build}"

# compilateur, CMake, GoogleTest, Google Benchmark, Qt 6 et ses traductions, polices, affichage virtuel,
# openbox et x11-utils (essai des fenêtres sous un vrai gestionnaire de fenêtres), Python (générateur des
# images, vérifié par un test), valgrind (bench/instructions) ; validateurs des
# fichiers du bureau, outils du paquet Debian et des pages de manuel
PAQUETS=(
    g++ cmake make pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n libgl-dev
    fonts-comic-neue fonts-liberation2 fonts-dejavu-core
    xvfb xauth openbox x11-utils
    python3 valgrind
    desktop-file-utils appstream dpkg-dev man-db
)

installer_paquets() {
    local manquants=()
    for p in "${PAQUETS[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
    done
    [ ${#manquants[@]} -eq 0 ] && return 0
    echo "Installation des paquets manquants : ${manquants[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${manquants[@]}"
}

construire() {
    cmake -S "$RACINE" -B "$CONSTRUCTION" -DCMAKE_BUILD_TYPE=Release "$@"
    cmake --build "$CONSTRUCTION" -j "$(nproc)"
}
