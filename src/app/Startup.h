#pragma once
// The program's entry: the application object, its title, the main window, the message loop.

extern const char* const kApplicationTitle;

int RunTarvel(int argc, char** argv);
// What start-up sets on the application object (title, fonts, icon, separator); shared with
// the scenario driver, which starts the program its own way.
void PrepareApplication();
