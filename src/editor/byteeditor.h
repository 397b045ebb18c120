#pragma once

#include <QHash>
#include <QObject>

#include "byteeditrules.h"

class QLineEdit;

namespace comm {

class FramePanel;

// Makes the byte boxes of one frame panel editable: filters the keys of the hexadecimal boxes,
// mirrors every edit into the twin box, stores it into the communication definition at once,
// moves the focus on the cursor keys and Enter (scrolling the data table when needed) and cuts
// whatever reaches a hexadecimal box to two digits. The same editor serves the send and the
// receive frame, the field rows and the data table. Owned by the panel it edits.
class FrameByteEditor : public QObject {
    Q_OBJECT
public:
    explicit FrameByteEditor(FramePanel* panel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum Family { FieldChar, FieldHex, DataChar, DataHex };
    struct BoxId {
        Family family;
        int index;
        bool isHex() const { return family == FieldHex || family == DataHex; }
        bool inDataTable() const { return family == DataChar || family == DataHex; }
    };

    void adopt(QLineEdit* box, BoxId id);
    QLineEdit* box(Family family, int index) const;
    QLineEdit* twinOf(BoxId id) const;
    // The entry a box edits; nullptr when the box stands for none (beyond the count).
    qint16* entryOf(BoxId id) const;
    void edited(QLineEdit* box, BoxId id);
    Move moveFor(BoxId id, MoveKey key) const;
    void apply(QLineEdit* box, BoxId id, const Move& move);

    FramePanel* panel_;
    QHash<const QObject*, BoxId> ids_;
};

}  // namespace comm
