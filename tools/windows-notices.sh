#!/bin/sh
# Writes the notices that the Windows program owes for the parts of the
# mingw-w64 tool chain linked into it and for its picture decoder, taken
# from the copyright files of Debian's packages that built it, with Windows
# line ends.
# Usage: windows-notices.sh OUTPUT
set -eu
mingw=/usr/share/doc/mingw-w64-common/copyright
gcc=/usr/share/doc/gcc-mingw-w64-base/copyright
stb=/usr/share/doc/libstb-dev/copyright
for file in "$mingw" "$gcc" "$stb"; do
    [ -r "$file" ] || { echo "windows-notices: $file is missing" >&2; exit 1; }
done

# A DEP-5 paragraph with text: from the first line that is exactly $1 and
# is followed by an indented line, to the next blank line, without the
# leading space of continuation lines and with the paragraph marks (" .")
# as empty lines.
paragraph() {
    awk -v start="$1" '
        { line[NR] = $0 }
        END {
            for (i = 1; i < NR; i++) {
                if (line[i] == start && line[i + 1] ~ /^ /) {
                    for (; i <= NR && line[i] != ""; i++) {
                        text = line[i]
                        sub(/^ /, "", text)
                        print (text == "." ? "" : text)
                    }
                    exit
                }
            }
            exit 1
        }
    ' "$2"
}

# A whole Files paragraph: from the line that is exactly $1 to the next
# blank line, the same way.
stanza() {
    awk -v start="$1" '
        $0 == start { on = 1 }
        on && /^$/ { exit }
        on { sub(/^ /, ""); print ($0 == "." ? "" : $0) }
    ' "$2"
}

{
    cat <<'TEXT'
Velkorn Calculator for Windows: notices for the parts made by others

"Velkorn Calculator.exe" is built with the mingw-w64 tool chain, which
links parts of its own libraries into the program. Their authors ask that
the notices below go with every copy of it.

1. winpthreads, the POSIX threads library of the mingw-w64 project

Copyright 2011-2016 mingw-w64 project
TEXT
    paragraph "License: expat" "$mingw"
    echo
    echo "Its header pthread.h:"
    stanza "Files: mingw-w64-libraries/winpthreads/include/pthread.h" "$mingw" | sed 1,2d
    echo
    echo "Its dll_math.c:"
    echo "Copyright 1992, 1993 The Regents of the University of California"
    paragraph "License: BSD-3-clause" "$mingw"
    cat <<'TEXT'

2. The mingw-w64 runtime (the program's start-up code and C runtime glue)

TEXT
    stanza "Files: *" "$mingw"
    cat <<'TEXT'

3. libstdc++ and libgcc, the GCC runtime libraries

They are under the GNU General Public License, version 3 or later, with
the GCC Runtime Library Exception, version 3.1, which permits programs
built with GCC to be distributed under terms of their own; it asks for no
notice. Debian's copyright file of GCC for mingw-w64 says:

TEXT
    awk '/^The following runtime libraries are licensed/ { on = 1 } on && /^$/ { exit } on' "$gcc"
    cat <<'TEXT'

4. stb_image and stb_image_resize, which decode and scale the pictures

Copyright 2014-2022 Sean Barrett
They are in the public domain or, at your choice, under the Expat licence:

TEXT
    # The licence's own paragraph, not the Files paragraphs of that name.
    awk '/^ This is free and unencumbered/ { on = 1 } on && /^$/ { exit }
         on { sub(/^ /, ""); print ($0 == "." ? "" : $0) }' "$stb"
    echo
    paragraph "License: Expat" "$stb"
} | sed 's/$/\r/' >"$1"
# A part not found would leave a gap that the pipe above cannot report.
for part in "Permission is hereby granted" "Lockless Inc." "The Regents of the University" \
    "License: ZPL-2.1" "Runtime Library Exception" "stb_image" "unencumbered"; do
    grep -q "$part" "$1" || { echo "windows-notices: no \"$part\" in the notices" >&2; exit 1; }
done
