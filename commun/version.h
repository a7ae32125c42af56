#pragma once

#include <QString>

// The program's version, "3.0.0", as the main window's caption and the About
// box show it.
QString texteVersion();
