#pragma once

#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>

#include "checksums.h"
#include "linesettings.h"

namespace comm {

// Capacities of the value arrays; counts in a file may never exceed them.
constexpr int kFieldCapacity = 10;
constexpr int kDataCapacity = 1025;
// A value entry the user has not entered yet.
constexpr qint16 kNotEntered = -1;

// Which of the two frames: the one the computer sends, the one it receives.
enum class FrameSide { Send = 0, Recv = 1 };
// The four fields of a frame, in wire order (also the order of the counts).
enum class Field { Start = 0, Data = 1, Check = 2, End = 3 };

// The one communication definition of the program plus the few other program-wide values.
// Owned by the application object and handed by reference to every window and engine.
struct CommDefinition {
    // 1..4 for the open communication; 0 tells a new document window to take FileCommKind.
    qint16 CommKind = 0;
    qint16 FileCommKind = 0;

    // [0] baud index, [1] data-bits index, [2] parity index, [3] stop-bits index.
    SettingIndexes PortSettingIndex{};
    QString CommSettings;      // "9600,O,8,1"
    QString CommSettingsText;  // "9600,奇,8,1"

    // send start, data, check, end; receive start, data, check, end
    std::array<qint16, 8> FrameFieldCount{};
    std::array<qint16, kFieldCapacity> SendStartBytes{};
    std::array<qint16, kDataCapacity> SendDataBytes{};
    std::array<qint16, kFieldCapacity> SendCheckBytes{};
    std::array<qint16, kFieldCapacity> SendEndBytes{};
    std::array<qint16, kFieldCapacity> RecvStartBytes{};
    std::array<qint16, kDataCapacity> RecvDataBytes{};
    std::array<qint16, kFieldCapacity> RecvCheckBytes{};
    std::array<qint16, kFieldCapacity> RecvEndBytes{};

    // The checksum each frame names for its check field, send then receive; none by default.
    // A file keeps the names in a trailer of its own after the value block.
    std::array<std::optional<Checksum>, 2> FrameCheckName{};

    // Carried from the file reader to the document window that is being built.
    qint16 FileHasValues = 0;
    quint8 FileLoopCount = 0;
    qint32 FileDelayTime = 0;
    qint32 FileWaitTime = 0;

    QString CommFileName;

    // Not part of a communication.
    QString MonitorSettings;
    QString MonitorSettingsText;
    qint32 DocumentCounter = 0;

    // Index into FrameFieldCount of a frame's field.
    static int countIndex(FrameSide side, Field field) {
        return static_cast<int>(side) * 4 + static_cast<int>(field);
    }
    static int capacity(Field field) {
        return field == Field::Data ? kDataCapacity : kFieldCapacity;
    }
    int count(FrameSide side, Field field) const {
        return FrameFieldCount[countIndex(side, field)];
    }

    std::optional<Checksum> checkName(FrameSide side) const {
        return FrameCheckName[static_cast<int>(side)];
    }

    // The value array of a field; capacity(field) entries long.
    qint16* values(FrameSide side, Field field);
    const qint16* values(FrameSide side, Field field) const;

    // Sets PortSettingIndex and both settings texts from file indexes; false, changing nothing,
    // when an index lies outside its list.
    bool setPortSettings(const SettingIndexes& index);

    // Marks the counted entries of every field as not entered.
    void clearCountedValues();
};

}  // namespace comm
