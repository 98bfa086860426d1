#!/bin/sh
# Runs an AppStream validator (the command given) and passes only when it
# reports nothing, down to the pedantic remarks, but those whose tags are named
# in THORNAX_APPSTREAM_ACCEPTED (separated by spaces). A validator that does not
# run to its verdict fails too.
output=$("$@" 2>&1)
printf '%s\n' "$output"
printf '%s\n' "$output" | grep -q 'Validation \(was successful\|failed\)' || {
    echo "appstream-check: the validator gave no verdict" >&2
    exit 1
}
remarks=$(printf '%s\n' "$output" | grep -E '^ *[EWIP]: ')
for tag in $THORNAX_APPSTREAM_ACCEPTED; do
    remarks=$(printf '%s\n' "$remarks" | grep -v -E "[: ]$tag\$")
done
if [ -n "$remarks" ]; then
    echo "appstream-check: remarks not accepted:" >&2
    printf '%s\n' "$remarks" >&2
    exit 1
fi
