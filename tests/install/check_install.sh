#!/usr/bin/env bash
# Checks the program installed as a desktop application, and its Debian package.
# Usage: check_install.sh CHECK BUILD_DIR HAVE_APP
#   CHECK     tree (the installed files), desktop (the .desktop file), metainfo (AppStream),
#             deb (the package built by cpack, unpacked with dpkg -x)
#   HAVE_APP  1 when the build has the soil-classifier program, 0 when it does not
set -euo pipefail

check=$1
build=$2
have_app=$3
app_id=org.example.SoilClassifier
skipped=77

scratch=$(mktemp -d "${TMPDIR:-/tmp}/classifier-install.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

require_app() {
    if [ "$have_app" != 1 ]; then
        echo "SKIPPED: this build has no soil-classifier target, so there is no program to install"
        exit $skipped
    fi
}

# The files a user's system gets, under the prefix /usr.
expected_files() {
    if [ "$have_app" = 1 ]; then echo "bin/soil-classifier"; fi
    echo "bin/soil-classify"
    echo "share/man/man1/soil-classify.1"
    echo "share/applications/$app_id.desktop"
    for size in 16 24 32 48 64 96 128 256; do
        echo "share/icons/hicolor/${size}x${size}/apps/$app_id.png"
        echo "share/icons/hicolor/${size}x${size}@2/apps/$app_id.png"
    done
    echo "share/metainfo/$app_id.metainfo.xml"
}

same_files() {
    local found
    found=$(cd "$root/usr" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
    if ! diff -u <(expected_files | LC_ALL=C sort) <(echo "$found"); then
        fail "the installed files differ from the expected list (- expected, + installed)"
    fi
}

install_tree() {
    DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
}

desktop_key() {
    sed -n "s/^$1=//p" "$root/usr/share/applications/$app_id.desktop"
}

check_tree() {
    install_tree
    same_files
    if [ "$have_app" = 1 ]; then
        [ -x "$root/usr/bin/soil-classifier" ] || fail "bin/soil-classifier is not executable"
    fi
    "$root/usr/bin/soil-classify" --version | grep -q '^soil-classify [0-9]' ||
        fail "the installed soil-classify does not run"
    head -n 1 "$root/usr/share/man/man1/soil-classify.1" | grep -q '^\.TH SOIL-CLASSIFY 1' ||
        fail "share/man/man1/soil-classify.1 is not the man page of soil-classify"
    echo "installed files: OK"
}

check_desktop() {
    install_tree
    local file=$root/usr/share/applications/$app_id.desktop
    # Silence, hints included: a hint such as two main categories shows the program twice.
    local complaints
    complaints=$(desktop-file-validate "$file" 2>&1) ||
        fail "desktop-file-validate rejects $app_id.desktop: $complaints"
    [ -z "$complaints" ] || fail "desktop-file-validate complains: $complaints"
    [ "$(desktop_key Exec)" = "soil-classifier" ] || fail "Exec is not the installed program"
    [ "$(desktop_key Icon)" = "$app_id" ] || fail "Icon is not the application id"
    [ -n "$(desktop_key 'Name\[fa\]')" ] || fail "no Persian name"
    [ "$(desktop_key Name)" = "Soil Classifier" ] || fail "the English name is wrong"
    ls "$root"/usr/share/icons/hicolor/*/apps/"$app_id".png >/dev/null 2>&1 ||
        fail "no theme icon is installed under the desktop file's icon name"
    echo "desktop file: OK"
}

check_metainfo() {
    install_tree
    local file=$root/usr/share/metainfo/$app_id.metainfo.xml
    appstreamcli validate --no-net --strict "$file" || fail "appstreamcli rejects the metainfo file"
    # The tree check also finds the desktop file that the metainfo launches.
    appstreamcli validate-tree --no-net --strict "$root" || fail "appstreamcli rejects the tree"
    grep -q "<id>$app_id</id>" "$file" || fail "the component id is not $app_id"
    grep -q "<binary>soil-classifier</binary>" "$file" || fail "the metainfo names another binary"
    echo "metainfo: OK"
}

check_deb() {
    require_app
    cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/package" >/dev/null
    local deb
    deb=$(ls "$scratch"/package/*.deb)
    [ "$(dpkg-deb -f "$deb" Package)" = "soil-classifier" ] || fail "wrong package name"
    [ "$(dpkg-deb -f "$deb" Architecture)" = "$(dpkg --print-architecture)" ] ||
        fail "wrong architecture"
    local depends
    depends=$(dpkg-deb -f "$deb" Depends)
    local needed
    for needed in libqt6core6 libqt6gui6 libqt6widgets6 fonts-noto-ui-core \
        qt6-translations-l10n; do
        [[ ",$depends," =~ [,\ ]$needed[,\ ] ]] || fail "Depends lacks $needed: $depends"
    done
    dpkg -x "$deb" "$root"
    same_files
    if ldd "$root/usr/bin/soil-classifier" "$root/usr/bin/soil-classify" | grep -q "not found"; then
        fail "the packaged programs need a library that is not installed"
    fi
    if ldd "$root/usr/bin/soil-classify" | grep -q "libQt"; then
        fail "soil-classify links Qt"
    fi
    echo "Debian package $(basename "$deb"): OK"
    echo "Depends: $depends"
}

case "$check" in
tree) check_tree ;;
desktop) check_desktop ;;
metainfo) check_metainfo ;;
deb) check_deb ;;
*) fail "unknown check '$check'" ;;
esac
