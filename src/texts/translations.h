#pragma once

#include <QStringList>

#include "language.h"

namespace comm::texts {

// Where the program's compiled translations are looked for: beside the program (a build), and
// in the data folder of an installed program.
QStringList TranslationFolders();

// Makes `language` the interface language: removes the translators installed before and
// installs the program's own and Qt's standard texts for it. Qt then sends every open window a
// LanguageChange event. False when a file the language needs was not found (the interface then
// shows the Chinese source texts where the program's translation is missing).
bool InstallLanguage(Language language);

// The language the last InstallLanguage made the interface's; Chinese before any.
Language InstalledLanguage();

}  // namespace comm::texts
