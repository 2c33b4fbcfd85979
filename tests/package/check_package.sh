#!/usr/bin/env bash
# Checks what the Debian package ships: the desktop entry and the AppStream file validate,
# `cpack -G DEB` builds the package from this build folder, it holds what a user needs, and
# lintian finds no error in it. A check whose tool is missing is skipped with the reason.
#   check_package.sh SOURCE_DIR BUILD_DIR
set -uo pipefail
source_dir=$1
build_dir=$2
failed=0
skipped=()

check() { # name, command...
    local name=$1
    shift
    if "$@"; then echo "PASS: $name"; else echo "FAIL: $name"; failed=1; fi
}

if command -v desktop-file-validate > /dev/null; then
    check "desktop entry" desktop-file-validate \
        "$source_dir/resources/desktop/org.polymetra.Polymetra.desktop"
else
    skipped+=("desktop-file-validate is not installed")
fi
if command -v appstreamcli > /dev/null; then
    check "AppStream metainfo" appstreamcli validate --no-net \
        "$source_dir/resources/desktop/org.polymetra.Polymetra.metainfo.xml"
else
    skipped+=("appstreamcli is not installed")
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! command -v dpkg-shlibdeps > /dev/null; then
    skipped+=("dpkg-shlibdeps is not installed: the package cannot be built")
elif ! (cd "$build_dir" && cpack -G DEB -B "$work" > "$work/cpack.log" 2>&1); then
    cat "$work/cpack.log"
    echo "FAIL: cpack -G DEB"
    failed=1
else
    deb=$(ls "$work"/polymetra_*_amd64.deb)
    echo "PASS: built $(basename "$deb")"
    dpkg-deb -c "$deb" | awk '{print $6}' > "$work/contents"
    for wanted in ./usr/bin/polymetra ./usr/bin/polymetra-cli \
        ./usr/share/applications/org.polymetra.Polymetra.desktop \
        ./usr/share/metainfo/org.polymetra.Polymetra.metainfo.xml \
        ./usr/share/mime/packages/org.polymetra.Polymetra.xml \
        ./usr/share/icons/hicolor/scalable/apps/polymetra.svg \
        ./usr/share/man/man1/polymetra.1.gz ./usr/share/man/man1/polymetra-cli.1.gz \
        ./usr/share/doc/polymetra/copyright ./usr/share/doc/polymetra/manual/index.html \
        ./usr/share/doc/polymetra/manual/de/index.html ./usr/share/doc/polymetra/manual/fr/index.html \
        ./usr/share/doc/polymetra/manual/es/index.html; do
        check "package holds $wanted" grep -qxF "$wanted" "$work/contents"
    done
    check "dependencies computed" sh -c "dpkg-deb -f '$deb' Depends | grep -q libqt6widgets6"
    # The translations are built into the program: the packaged one speaks German.
    dpkg-deb -x "$deb" "$work/root"
    check "translations shipped" sh -c "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        HOME='$work' XDG_CONFIG_HOME='$work/config' LANG=de_DE.UTF-8 LANGUAGE= LC_ALL= \
        '$work/root/usr/bin/polymetra' --help \
        | grep -q 'Geometrie-Rechner'"
    if command -v lintian > /dev/null; then
        lintian --no-tag-display-limit "$deb" > "$work/lintian.log" 2>&1
        cat "$work/lintian.log"
        check "lintian finds no error" sh -c "! grep -q '^E:' '$work/lintian.log'"
    else
        skipped+=("lintian is not installed")
    fi
fi

for reason in "${skipped[@]}"; do
    echo "SKIP: $reason"
done
[ $failed -ne 0 ] && exit 1
[ ${#skipped[@]} -ne 0 ] && exit 77
exit 0
