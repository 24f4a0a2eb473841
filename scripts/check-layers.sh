#!/usr/bin/env bash
# Checks that the core's folders include each other only downwards:
#
#   app, print                             the main frame's commands, printed pages
#   view                                   screen rules: layout arithmetic, placement
#   entry, options                         the rules of the dialogs, the settings file
#   database, wheels                       draw databases, wheeling tables
#   tickets                                ticket files and matching
#   statistics, sound                      counts over draws; wave files
#   records                                fixed-layout records and every limit
#   util                                   text, paths, files, geometry
#
# A folder may include its own headers, core/progress.h and any folder on a lower line;
# folders on the same line do not include each other. Exits 1 and names every include
# against this order.
set -euo pipefail
cd "$(dirname "$0")/../src/core"

rank() {
    case "$1" in
        util) echo 0 ;;
        records) echo 1 ;;
        statistics | sound) echo 2 ;;
        tickets) echo 3 ;;
        database | wheels) echo 4 ;;
        entry | options) echo 5 ;;
        view) echo 6 ;;
        app | print) echo 7 ;;
        *) echo -1 ;;
    esac
}

bad=0
for dir in */; do
    dir=${dir%/}
    from=$(rank "$dir")
    if [ "$from" -lt 0 ]; then
        echo "src/core/$dir: a folder without a place in the layering (add it to ${0##*/})"
        bad=1
        continue
    fi
    while IFS=: read -r file line target; do
        to_dir=${target#core/}
        to_dir=${to_dir%%/*}
        [ "$to_dir" = "$dir" ] && continue
        to=$(rank "$to_dir")
        if [ "$to" -lt 0 ] || [ "$to" -ge "$from" ]; then
            echo "src/core/$file:$line: $dir includes $target"
            bad=1
        fi
    done < <(grep -Hno '^#include "core/[a-z_]*/[^"]*"' "$dir"/*.h "$dir"/*.cpp 2>/dev/null |
        sed 's/#include "\(.*\)"/\1/')
done
exit "$bad"
