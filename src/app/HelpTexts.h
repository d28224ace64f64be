#pragma once
// The texts that the main window writes into files: the read-me, the customisation page and
// the tray flag file.

#include <QByteArray>
#include <QString>
#include <QStringList>

// The read-me, plain text with 15 line breaks.
QString ReadMeText();
// The customisation page: one line of HTML in windows-1252, accents written as entities.
QByteArray CustomisationPage();
// The tray flag file's lines.
QStringList TrayFlagLines();
