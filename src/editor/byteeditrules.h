#pragma once

#include <QString>
#include <QtGlobal>

namespace comm {

// Rules of byte entry in the frame panels, free of any widget: what a character box and its
// hexadecimal twin show after an edit, what is stored, and where a movement key takes the focus.
// The frame byte editor applies them to the real boxes.

// What a character box and its hexadecimal twin show for an entry; both empty for -1.
QString CharTextOf(qint16 value);
QString HexTextOf(qint16 value);

// Both boxes of a twin pair after an edit, and the entry's new value.
struct TwinState {
    QString charText;
    QString hexText;
    qint16 value = -1;
    // False when the edit is refused or means nothing: the entry keeps its value.
    bool store = false;
};

// The user changed a character box to `text`; `current` is the entry's value before.
// One character 0..255 becomes the entry; an empty box stores -1. A character outside 0..255
// (and the "Φ" placeholder itself) stores nothing and puts back what the entry shows.
TwinState AfterCharEdit(const QString& text, qint16 current);
// The user changed a hexadecimal box to `text`. One digit is the low digit of the byte, two
// digits the whole byte; the box shows them in upper case. An empty box stores -1.
TwinState AfterHexEdit(const QString& text);

// Text that reached a hexadecimal box cut to what the box can hold: a leading "0x" dropped,
// then the hexadecimal digits only, at most two.
QString CleanHexText(const QString& text);
// "A" -> "0A": the look of a one-digit box once the focus leaves it.
QString ZeroFilled(const QString& hexText);

enum class MoveKey { None, Left, Right, Up, Down, Enter };
// The movement key of a Qt key code (both Enter keys count as Enter); None for other keys.
MoveKey MoveKeyOf(int qtKey);

// Where a movement key takes the focus.
struct Move {
    enum Target {
        Stay,          // the key has no special effect
        FieldBox,      // box `index` of the same field row
        FirstDataRow,  // the character box of data row 0
        DataRow,       // row `index` of the same data column
        Twin,          // the other column of the same data row
        Selector,      // the frame's field selector
        ScrollDown,    // scroll value + 1, stay in the last row
        ScrollUp       // scroll value - 1, stay in the first row
    };
    Target target = Stay;
    int index = 0;

    // A one-digit hexadecimal box is zero-filled when the focus leaves it, except when the table
    // scrolls: the rows are then refilled from the entries anyway.
    bool zeroFills() const { return target != Stay && target != ScrollDown && target != ScrollUp; }
    bool operator==(const Move& other) const {
        return target == other.target && index == other.index;
    }
};

// A key in field box `box` of a field with `count` entries.
Move FieldRowMove(MoveKey key, int box, int count);
// A key in data row `row` of a table over `count` entries, scrolled to `scrollValue` of at most
// `scrollMax`.
Move DataTableMove(MoveKey key, int row, int count, int scrollValue, int scrollMax);

// Rows a data table shows.
constexpr int kDataTableRows = 7;

}  // namespace comm
