#pragma once

#include <QString>

// The program's version, as the main window's caption and the About
// box show it.
QString texteVersion();
