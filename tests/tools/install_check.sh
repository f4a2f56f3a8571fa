#!/usr/bin/env bash
# An install into a staging folder holds exactly the program's files, and the program keeps its contact file where
# the rule says: the user's data folder when installed or when its folder cannot be written (tried as a user who is
# not root), beside the executable otherwise. Nothing is ever written under the prefix.
# Usage: install_check.sh CMAKE BUILD_DIR
set -euo pipefail
cmake=$1
build=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
fail() {
    echo "FAIL: $*"
    exit 1
}
listing() { (cd "$1" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort); }
# A contact file with N demo contacts at PATH.
contact_file() { "$build/bin/corvella-demodata" --rows "$2" "$1" >/dev/null; }

DESTDIR="$work/stage" "$cmake" --install "$build" --prefix /usr >/dev/null
expected='usr/bin/corvella
usr/libexec/corvella/~_~$
usr/share/applications/org.corvella.Corvella.desktop
usr/share/doc/corvella/changelog.gz
usr/share/doc/corvella/copyright
usr/share/icons/hicolor/scalable/apps/org.corvella.Corvella.svg
usr/share/man/man1/corvella.1.gz
usr/share/metainfo/org.corvella.Corvella.metainfo.xml'
diff <(echo "$expected") <(listing "$work/stage") || fail "the installed files differ from the list (< expected, > installed)"

# Installed, even root's program reads the contact file from the user's data folder and leaves the prefix alone.
home=$work/home
contact_file "$home/.local/share/Corvella/VT/Dorlune.mdb" 3
[ "$(env -u XDG_DATA_HOME HOME="$home" "$work/stage/usr/bin/corvella" count)" = 3 ] ||
    fail "the installed program did not read $home/.local/share/Corvella/VT/Dorlune.mdb"
diff <(echo "$expected") <(listing "$work/stage") || fail "the installed program wrote under its prefix"

# A copy of the program in a read-only folder and one in a folder it may write, run by a user who is not root.
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
user_home=$work/user
contact_file "$user_home/.local/share/Corvella/VT/Dorlune.mdb" 4
for folder in read-only writable; do
    mkdir "$work/$folder"
    cp "$build/bin/corvella" "$work/$folder/"
done
contact_file "$work/writable/VT/Dorlune.mdb" 5
chmod 555 "$work/read-only"
chmod 777 "$work/writable"
if [ "$(id -u)" -eq 0 ]; then
    chown -R nobody:nogroup "$user_home" "$work/writable/VT"
fi
count_as_user() { "${as_user[@]}" env -u XDG_DATA_HOME HOME="$user_home" "$work/$1/corvella" count; }
[ "$(count_as_user read-only)" = 4 ] || fail "a program in a read-only folder did not use the user's data folder"
[ "$(count_as_user writable)" = 5 ] || fail "a program in a writable folder did not use the file beside it"
[ "$(ls "$work/read-only")" = corvella ] || fail "a file was made in the read-only program folder"
echo "install_check: staged files, installed program and both program folders as expected"
