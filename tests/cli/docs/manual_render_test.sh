#!/usr/bin/env bash
# Renders each manual page given as man does and fails on any warning of groff or on a page
# without its sections.
set -euo pipefail
for page in "$@"; do
    warnings=$(groff -man -Tutf8 -ww -z "$page" 2>&1)
    if [ -n "$warnings" ]; then
        echo "$page: $warnings"
        exit 1
    fi
    text=$(groff -man -Tutf8 "$page" 2>/dev/null | sed 's/.\x08//g')
    for section in NAME SYNOPSIS DESCRIPTION "EXIT STATUS" FILES "SEE ALSO"; do
        if ! grep -q "^$section\$" <<<"$text"; then
            echo "$page: no section $section"
            exit 1
        fi
    done
done
