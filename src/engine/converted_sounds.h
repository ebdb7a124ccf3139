// Where the copies of WAV files converted for playing are kept: a folder of the one running program of a
// user, beside its single-instance lock. No other program uses it, so what a program that was killed
// or crashed left there is removed at the next start; the copies of a program that ends normally go
// with it.
#pragma once

#include <QString>

namespace klaxora {

// The folder inside the single-instance lock's folder; the temporary folder when there is none.
QString convertedSoundsFolder(const QString& instanceFolder);

// Removes every converted copy in that folder; called by the program that holds the lock, before it
// plays anything. Without a lock folder nothing is removed: the copies could be another program's.
void removeLeftoverConvertedSounds(const QString& instanceFolder);

} // namespace klaxora
