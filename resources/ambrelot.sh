#!/bin/sh
# SPDX-FileCopyrightText: 2026 Équipe Ambrelot
# SPDX-License-Identifier: GPL-3.0-or-later
# Ambrelot finds its default settings beside its executable, so the program
# lives in a folder of its own and this launcher stands on the PATH.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../lib/ambrelot/ambrelot" "$@"
