#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Only missing packages are fetched, so a second run takes seconds.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libqt6sql6-sqlite qt6-qpa-plugins
    libsqlite3-dev sqlite3
    xvfb xauth x11vnc poppler-utils imagemagick
    python3-aiosmtpd openssl postfix clang-format
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    fonts-dejavu-core fonts-liberation
    glabels-data
    postgresql-15 libqt6sql6-psql
    libcups2-dev
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
# postfix is wanted only for its smtp-sink and smtp-source test tools: installed without configuration,
# no mail system starts.
if [[ " ${missing[*]} " == *" postfix "* ]]; then
    echo "postfix postfix/main_mailer_type select No configuration" | "${sudo_cmd[@]}" debconf-set-selections
fi
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
