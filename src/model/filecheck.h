#pragma once

#include <QString>

namespace comm {

// What stands in the way of reading or writing a file, found from its name and its status
// alone: nothing here opens the file, so a FIFO cannot block and a device cannot be read without
// end. Every command and window that takes a file asks this first.
struct FileCheck {
    enum class Problem { None, Missing, BadName, Directory, NotRegular, TooLarge };
    Problem problem = Problem::None;
    QString message;  // what to show, naming the file; empty when there is no problem

    bool ok() const { return problem == Problem::None; }
};

// No bound on the size of a file that is read.
constexpr qint64 kAnySize = -1;

// A file about to be read: it must exist, be a regular file (or a link to one), have a name the
// file system can hold and be at most maxSize bytes (kAnySize: any).
FileCheck CheckFileToRead(const QString& path, qint64 maxSize = kAnySize);

// A file about to be written: a name the file system can hold, and whatever is there already a
// regular file. A missing file is no problem; a missing folder for it is (Missing).
FileCheck CheckFileToWrite(const QString& path);

}  // namespace comm
