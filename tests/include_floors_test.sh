#!/bin/sh
# Each folder of the program includes only its own headers and those of the
# floors below it, and so do the tests of the window's lower floors; only a
# folder itself (and its tests) includes its internal/. Run from ctest with
# the source folder.
cd "$1" || exit 2
status=0
floors='text|codes|core|reduction|forecast|conditions|value|betfile|cli|platform|widgets|app|reducir'

# check FOLDER ALLOWED...: every project include of FOLDER names an allowed folder.
check() {
    folder=$1
    shift
    allowed=$(echo "$*" | tr ' ' '|')
    bad=$(grep -rnE "#include \"($floors)/" --include='*.cpp' --include='*.h' "$folder" |
        grep -vE "#include \"($allowed)/")
    if [ -n "$bad" ]; then
        echo "$folder/ may include only $*:"
        echo "$bad"
        status=1
    fi
}

check text text
check codes codes
check core core text
check reduction reduction core codes text
check forecast forecast core text
check conditions conditions core text
check value value forecast core text
check betfile betfile core text
check cli cli betfile forecast conditions value reduction core text
check platform platform betfile core text
check widgets widgets platform core text
check app app widgets platform betfile forecast core text
check tools codes
check reducir reducir platform betfile forecast conditions value reduction core text
check tests/reducir reducir platform betfile forecast conditions value reduction core text
check tests/platform platform core text
check tests/widgets widgets platform core text

# internal/ of FOLDER is included only by FOLDER and its tests.
for folder in text codes core reduction conditions value; do
    internal=$(grep -rn "#include \"$folder/internal/" --include='*.cpp' --include='*.h' \
        $(echo "text codes core reduction forecast conditions value betfile cli tools platform widgets app reducir" |
            tr ' ' '\n' | grep -vx "$folder"))
    if [ -n "$internal" ]; then
        echo "$folder/internal/ is $folder's own:"
        echo "$internal"
        status=1
    fi
done
exit $status
