#!/usr/bin/env bash
# Runs one JScript test: see run-script.sh.
exec "$(dirname "${BASH_SOURCE[0]}")/run-script.sh" "$@"
