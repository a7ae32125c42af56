#!/bin/sh
# Ambrelot finds its default settings beside its executable, so the program
# lives in a folder of its own and this launcher stands on the PATH.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../lib/ambrelot/ambrelot" "$@"
