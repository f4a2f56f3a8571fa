#!/usr/bin/env bash
# Builds a Release tree with Debian's hardening flags into build-deb/, makes the Debian package with cpack, checks
# its desktop entry and AppStream metadata, and runs lintian on it. Exits non-zero when lintian reports an error.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
# What packaging needs on top of the build: dpkg-shlibdeps and file find the dependencies, the rest check the result.
packages=(dpkg-dev file lintian desktop-file-utils appstream)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-deb -j2

desktop-file-validate packaging/org.corvella.Corvella.desktop
appstreamcli validate --no-net packaging/org.corvella.Corvella.metainfo.xml

(cd build-deb && cpack -G DEB >/dev/null)
deb=$(ls build-deb/corvella_*.deb)
echo
dpkg-deb --field "$deb"
dpkg-deb --contents "$deb" | awk '{print $1, $6}'
echo
echo "lintian $deb:"
status=0
lintian --info "$deb" || status=$?
echo
if [ $status -eq 0 ]; then
    echo "Package: $deb (lintian: no errors)"
else
    echo "Package: $deb (lintian found errors)"
fi
exit $status
