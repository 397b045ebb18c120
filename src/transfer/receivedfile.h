#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QString>
#include <memory>

class QTemporaryFile;

namespace comm {

// The folder a received file goes to: the program's folder when it can be written there and is
// not where the program was installed, else the user's download folder, else the home folder.
QString DefaultReceiveFolder(const QString& programFolder);

// Whether a folder is where installed programs live (the folder this build installs into, or a
// system folder of programs): files from the wire never go there, even for root.
bool IsInstalledProgramFolder(const QString& folder);

// One received file on its way to disk, owned by the receiver. The bytes go to a temporary file
// beside the target ("name.XXXXXX.part", there under that name from the start and written frame
// by frame), which takes the target's place only when the transfer is complete, so a failed or
// stopped reception never destroys an existing file of that name; the data of a cut one (also of
// a killed receiver) stays under its ".part" name.
class ReceivedFile {
public:
    ReceivedFile();
    ~ReceivedFile();
    ReceivedFile(const ReceivedFile&) = delete;
    ReceivedFile& operator=(const ReceivedFile&) = delete;

    // Where a file of that wire name goes in folder: its safe name, with kReservedPrefix put in
    // front while that names a folder or a program there.
    static QString TargetPath(const QString& folder, const QByteArray& nameBytes);

    // Starts a file for the target; false with *error when the folder takes no file.
    bool begin(const QString& targetPath, QString* error);
    bool write(const QByteArray& bytes, QString* error);
    // Puts the written bytes in the target's place; false with *error when that fails (the
    // written bytes then stay as a cut reception's do).
    bool commit(QString* error);
    // A cut reception: the path its bytes stay under, or empty when none were written (the
    // temporary file is then removed).
    QString keep();

    bool isOpen() const { return bool(file_); }
    QString targetPath() const { return target_; }
    qint64 written() const { return written_; }
    // SHA-256 of the bytes written so far.
    QByteArray digest() const { return hash_.result(); }

private:
    QString target_;
    std::unique_ptr<QTemporaryFile> file_;
    QCryptographicHash hash_{QCryptographicHash::Sha256};
    qint64 written_ = 0;
};

}  // namespace comm
