#!/bin/sh
# Each folder of the program includes only its own headers and those of the
# floors below it, and so do the tests of the window's lower floors; only
# core/ includes core/internal/. Run from ctest with
# the source folder.
cd "$1" || exit 2
status=0

# check FOLDER ALLOWED...: every project include of FOLDER names an allowed folder.
check() {
    folder=$1
    shift
    allowed=$(echo "$*" | tr ' ' '|')
    bad=$(grep -rnE '#include "(core|forecast|betfile|cli|platform|widgets|app|reducir)/' \
        --include='*.cpp' --include='*.h' "$folder" | grep -vE "#include \"($allowed)/")
    if [ -n "$bad" ]; then
        echo "$folder/ may include only $*:"
        echo "$bad"
        status=1
    fi
}

check core core
check forecast forecast core
check betfile betfile core
check cli cli betfile forecast core
check platform platform core
check widgets widgets platform core
check app app widgets platform betfile forecast core
check reducir reducir platform betfile forecast core
check tests/reducir reducir platform betfile forecast core
check tests/platform platform core
check tests/widgets widgets platform core

internal=$(grep -rn '#include "core/internal/' --include='*.cpp' --include='*.h' \
    forecast betfile cli platform widgets app reducir)
if [ -n "$internal" ]; then
    echo "core/internal/ is core's own:"
    echo "$internal"
    status=1
fi
exit $status
