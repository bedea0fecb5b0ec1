#!/usr/bin/env bash
# The desktop entry and the AppStream metadata, as the desktop and the
# software centre read them: either validator's error fails the test.
#
#   validate_metadata.sh <entry.desktop> <component.metainfo.xml>
set -uo pipefail

desktop=$1
metainfo=$2
status=0

echo "== desktop-file-validate $desktop"
if ! desktop-file-validate "$desktop"; then
    echo "FAIL: desktop-file-validate rejects $desktop" >&2
    status=1
fi

echo "== appstreamcli validate --no-net $metainfo"
if ! appstreamcli validate --no-net "$metainfo"; then
    echo "FAIL: appstreamcli rejects $metainfo" >&2
    status=1
fi

exit $status
