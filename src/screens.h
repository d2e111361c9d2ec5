#pragma once

#include <QProcessEnvironment>
#include <QString>

struct CommandLine;

// Whether there is a screen for the game's windows, asked before the
// application exists: without one QApplication aborts with advice meant
// for developers, where a player needs one plain sentence.
namespace Screens {

bool available(const CommandLine &commandLine, const QProcessEnvironment &environment);

// The sentence, in the language whose translation is installed.
QString missingText();

} // namespace Screens
