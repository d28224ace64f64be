#pragma once
// What a driver process sets up before the first window: the program's folders in a scratch
// directory of the run, and Qt's messages without the offscreen platform's warnings.

class QTemporaryDir;

namespace driver {

void PrivateFolders(const QTemporaryDir& scratch);
void InstallQuietMessages();

}  // namespace driver
