#pragma once
// The program's entry: the application object, its title, the main window, the message loop.

#include <QString>

extern const char* const kApplicationTitle;

int RunTarvel(int argc, char** argv);
// What start-up sets on the application object (language, title, fonts, icon, separator);
// shared with the scenario driver, which starts the program its own way, in Spanish.
void PrepareApplication(const QString& language = QStringLiteral("es"));
