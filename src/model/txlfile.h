#pragma once

#include <QByteArray>
#include <QString>

#include "commdefinition.h"

namespace comm {

inline const QString kTxlFilter = QStringLiteral(" 通讯文件(*.Txl)|*.Txl|所有文件(*.*)|*.*");
inline const QString kWrongFormatMessage = QStringLiteral("该文件的格式不是通讯文件的格式！");
inline const QString kMissingFileMessage = QStringLiteral("该文件不存在，请重新打开！");

// Length of a communication file without its value block.
constexpr int kTxlHeaderSize = 23;

// The three option pairs as the document window holds them: which option of each pair is
// selected and the text of its box.
struct CommOptions {
    bool loopForever = true;  // "一直循环", else "循环次数" with loopText
    QString loopText;
    bool noDelay = true;  // "不延迟", else "延迟时间" with delayText
    QString delayText;
    bool noWait = true;  // "不提示错误,直到收到数据", else "等待" with waitText
    QString waitText;
};

// The numbers a file stores for the three options.
struct OptionValues {
    quint8 loopCount = 0;
    qint32 delay = 0;
    qint32 wait = 0;
};

// Applies the writer's rules to the options of a communication of the given kind: the numbers
// to store, and in *options the texts the boxes must show afterwards (a loop count of 300 becomes
// "255", a box that is no number or does not apply to the kind is emptied).
OptionValues ResolveOptions(int kind, CommOptions* options);

// The bytes of a communication file. With values, the value block follows the header.
QByteArray EncodeCommFile(const CommDefinition& def, const OptionValues& options, bool withValues);

enum class ReadStatus { Ok, Missing, WrongFormat, Unreadable };

// Fills the reader's fields of *def from file bytes. On anything but Ok *def is unchanged.
ReadStatus DecodeCommFile(const QByteArray& bytes, CommDefinition* def);

// Reads a communication file; *error gets the message to show when the result is not Ok.
ReadStatus ReadCommFile(const QString& path, CommDefinition* def, QString* error);

// Writes a communication file as a save from the document window does, through a temporary file
// in the same folder so an interrupted save never destroys the file that was there. Updates
// *options as ResolveOptions does. Returns false with a message in *error when writing failed.
bool WriteCommFile(const QString& path, const CommDefinition& def, CommOptions* options,
                   bool withValues, QString* error);

}  // namespace comm
