#!/bin/sh
# CPack gives each member of a .deb (debian-binary, control.tar.*,
# data.tar.*) the mode of its temporary file, which is what the umask let
# through; dpkg-deb writes 100644. Sets that mode in every member's header
# of each .deb named, leaving every other byte as it is.
# Usage: deb-member-modes.sh DEB...
set -eu
for deb; do
    [ "$(head -c 8 "$deb")" = '!<arch>' ] || { echo "deb-member-modes: $deb is no ar archive" >&2; exit 1; }
    total=$(stat -c %s "$deb")
    offset=8
    # Each member: a 60-byte header (its mode in the 8 bytes from 40, its
    # size in the 10 from 48), then its data, padded to an even length.
    while [ "$offset" -lt "$total" ]; do
        size=$(dd if="$deb" bs=1 skip=$((offset + 48)) count=10 2>/dev/null | tr -d ' ')
        case $size in
        '' | *[!0-9]*) echo "deb-member-modes: $deb has a broken header at $offset" >&2; exit 1 ;;
        esac
        printf '%-8s' 100644 | dd of="$deb" bs=1 seek=$((offset + 40)) conv=notrunc 2>/dev/null
        offset=$((offset + 60 + size + size % 2))
    done
done
