#pragma once

class QString;
class QWidget;

// Tells the user, over the dialog that stays open with their edits, what
// could not be saved (`quoi`, a sentence) and why (`raison`, from the store).
void signalerEchecEnregistrement(QWidget *dialogue, const QString &quoi, const QString &raison);
