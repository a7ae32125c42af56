// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QString;
class QWidget;

// Tells the user, over the dialog that stays open with their edits, what
// could not be saved (`quoi`, a sentence) and why (`raison`, from the store).
void signalerEchecEnregistrement(QWidget *dialogue, const QString &quoi, const QString &raison);
