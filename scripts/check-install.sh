#!/usr/bin/env bash
# Installs a built tree into a temporary prefix and checks what a desktop reads from it: the
# layout, the programs run from there, the desktop entry and the AppStream data (with
# desktop-file-validate and appstreamcli when they are installed), the MIME types and the
# man pages. Usage: scripts/check-install.sh [BUILD_DIR] (default build/release).
set -euo pipefail
cd "$(dirname "$0")/.."

build="${1:-build/release}"
id=io.github.quorvantile.Quorvantile
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failed=0
fail() {
    echo "FAILED: $*"
    failed=1
}

cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/quorvantile bin/quorvantile-cli share/quorvantile/lotto649.dat \
    share/quorvantile/manual/index.html share/applications/$id.desktop \
    share/metainfo/$id.metainfo.xml share/mime/packages/$id.xml \
    share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/256x256/apps/$id.png \
    share/man/man1/quorvantile.1.gz share/man/man1/quorvantile-cli.1.gz; do
    [ -e "$prefix/$f" ] || fail "$f is not installed"
done

# The installed programs, on the installed sample database.
"$prefix/bin/quorvantile-cli" describe "$prefix/share/quorvantile/lotto649.dat" >/dev/null ||
    fail "quorvantile-cli cannot read the installed sample database"

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/$id.desktop" && echo "desktop-file-validate: passed" ||
        fail "desktop-file-validate"
else
    echo "desktop-file-validate: not installed (package desktop-file-utils), skipped"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net --explain "$prefix/share/metainfo/$id.metainfo.xml" ||
        fail "appstreamcli validate"
else
    echo "appstreamcli: not installed (package appstream), skipped"
fi

if command -v update-mime-database >/dev/null; then
    # Any complaint about the file is a failure; the database it builds stays in the prefix.
    out=$(XDG_DATA_DIRS="$prefix/share" update-mime-database "$prefix/share/mime" 2>&1)
    if [ -n "$out" ]; then
        echo "$out"
        fail "update-mime-database"
    else
        echo "update-mime-database: passed"
    fi
fi

if command -v groff >/dev/null; then
    for page in quorvantile quorvantile-cli; do
        out=$(gzip -dc "$prefix/share/man/man1/$page.1.gz" | groff -ww -man -Tutf8 -z 2>&1)
        if [ -n "$out" ]; then
            echo "$out"
            fail "man page $page.1"
        fi
    done
    echo "man pages: checked"
fi

exit $failed
