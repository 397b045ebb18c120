#include "byteeditrules.h"

#include "commdefinition.h"
#include "texthelpers.h"

namespace comm {

namespace {

const QString kNoCharacter = QStringLiteral("Φ");

bool isHexDigit(QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('F')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
}

TwinState shown(qint16 value, bool store) {
    TwinState state;
    state.charText = CharTextOf(value);
    state.hexText = HexTextOf(value);
    state.value = value;
    state.store = store;
    return state;
}

}  // namespace

QString CharTextOf(qint16 value) {
    return value < 0 ? QString() : ByteCharText(value);
}

QString HexTextOf(qint16 value) {
    return value < 0 ? QString() : HexText(value);
}

TwinState AfterCharEdit(const QString& text, qint16 current) {
    if (text.isEmpty()) return shown(kNotEntered, true);
    // "Φ" stands for a byte without a printable character: it is never a byte of its own, so the
    // entry keeps whatever value it has, exactly like any other character beyond one byte.
    const char16_t code = text.at(0).unicode();
    if (text == kNoCharacter || code > 255) return shown(current, false);
    return shown(qint16(code), true);
}

TwinState AfterHexEdit(const QString& text) {
    const QString digits = CleanHexText(text).toUpper();
    if (digits.isEmpty()) return shown(kNotEntered, true);
    TwinState state;
    state.value = qint16(HexValue(digits.size() == 1 ? QStringLiteral("0") + digits : digits));
    state.hexText = digits;
    state.charText = ByteCharText(state.value);
    state.store = true;
    return state;
}

QString CleanHexText(const QString& text) {
    QString rest = text.trimmed();
    if (rest.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) rest.remove(0, 2);
    QString digits;
    for (QChar c : rest) {
        if (!isHexDigit(c)) continue;
        digits += c;
        if (digits.size() == 2) break;
    }
    return digits;
}

QString ZeroFilled(const QString& hexText) {
    return hexText.size() == 1 ? QStringLiteral("0") + hexText : hexText;
}

MoveKey MoveKeyOf(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Left:
            return MoveKey::Left;
        case Qt::Key_Right:
            return MoveKey::Right;
        case Qt::Key_Up:
            return MoveKey::Up;
        case Qt::Key_Down:
            return MoveKey::Down;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return MoveKey::Enter;
        default:
            return MoveKey::None;
    }
}

Move FieldRowMove(MoveKey key, int box, int count) {
    switch (key) {
        case MoveKey::Left:
            return box >= 1 ? Move{Move::FieldBox, box - 1} : Move{};
        case MoveKey::Right:
        case MoveKey::Enter:
            return box + 1 < count ? Move{Move::FieldBox, box + 1} : Move{Move::FirstDataRow, 0};
        default:
            return Move{};
    }
}

Move DataTableMove(MoveKey key, int row, int count, int scrollValue, int scrollMax) {
    const bool scrolls = count > kDataTableRows;
    const int rows = qMin(count, kDataTableRows);
    switch (key) {
        case MoveKey::Left:
        case MoveKey::Right:
            return Move{Move::Twin, row};
        case MoveKey::Down:
        case MoveKey::Enter:
            if (row + 1 < rows) return Move{Move::DataRow, row + 1};
            if (scrolls && row == kDataTableRows - 1 && scrollValue < scrollMax)
                return Move{Move::ScrollDown, row};
            return Move{Move::Selector, 0};
        case MoveKey::Up:
            if (row >= 1) return Move{Move::DataRow, row - 1};
            if (scrolls && scrollValue > 0) return Move{Move::ScrollUp, 0};
            return Move{Move::Selector, 0};
        case MoveKey::None:
            break;
    }
    return Move{};
}

}  // namespace comm
