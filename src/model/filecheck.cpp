#include "filecheck.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace comm {

namespace {

FileCheck problem(FileCheck::Problem kind, const QString& message) {
    return FileCheck{kind, message};
}

// A name read from bytes the file system's encoding does not decode carries the replacement
// character and names no file; one that cannot be encoded back is no file's name either.
bool nameIsForeign(const QString& path, const QFileInfo& info) {
    if (info.exists()) return false;
    return path.contains(QChar::ReplacementCharacter) ||
           QFile::decodeName(QFile::encodeName(path)) != path;
}

FileCheck checkExisting(const QString& path, const QFileInfo& info) {
    if (info.isDir())
        return problem(
            FileCheck::Problem::Directory,
            QCoreApplication::translate("FileCheck", "“%1”是文件夹，不是文件！").arg(path));
    if (!info.isFile())
        return problem(FileCheck::Problem::NotRegular,
                       QCoreApplication::translate(
                           "FileCheck", "“%1”不是普通文件（是管道、设备或套接字），不能读写！")
                           .arg(path));
    return {};
}

}  // namespace

FileCheck CheckFileToRead(const QString& path, qint64 maxSize) {
    const QFileInfo info(path);
    if (nameIsForeign(path, info))
        return problem(
            FileCheck::Problem::BadName,
            QCoreApplication::translate("FileCheck", "文件名“%1”含有文件系统不能表示的字符！")
                .arg(path));
    if (path.isEmpty() || !info.exists())
        return problem(FileCheck::Problem::Missing,
                       QCoreApplication::translate("FileCheck", "文件“%1”不存在！").arg(path));
    FileCheck existing = checkExisting(path, info);
    if (!existing.ok()) return existing;
    if (maxSize >= 0 && info.size() > maxSize)
        return problem(FileCheck::Problem::TooLarge,
                       QCoreApplication::translate(
                           "FileCheck", "文件“%1”有 %2 字节，超过这种文件最多的 %3 字节！")
                           .arg(path)
                           .arg(info.size())
                           .arg(maxSize));
    return {};
}

FileCheck CheckFileToWrite(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || nameIsForeign(path, info))
        return problem(
            FileCheck::Problem::BadName,
            QCoreApplication::translate("FileCheck", "文件名“%1”含有文件系统不能表示的字符！")
                .arg(path));
    if (!info.exists()) {
        const QFileInfo folder(info.absolutePath());
        if (!folder.isDir())
            return problem(FileCheck::Problem::Missing,
                           QCoreApplication::translate("FileCheck", "文件夹“%1”不存在！")
                               .arg(info.absolutePath()));
        return {};
    }
    return checkExisting(path, info);
}

}  // namespace comm
