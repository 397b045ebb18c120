#include "byteeditor.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QValidator>

#include "framepanel.h"
#include "hoverfocus.h"
#include "keyfilter.h"
#include "selectonfocus.h"
#include "texthelpers.h"

namespace comm {

namespace {

// Cuts any text that reaches a hexadecimal box (a paste, a drop, an input method) to at most two
// hexadecimal digits. Text without a single digit is refused, so a stray paste cannot wipe a byte.
class HexBoxValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override {
        if (input.isEmpty()) return Acceptable;
        const QString digits = CleanHexText(input);
        if (digits.isEmpty()) return Invalid;
        if (digits != input) {
            input = digits;
            pos = int(digits.size());
        }
        return Acceptable;
    }
};

void setTextIfDifferent(QLineEdit* box, const QString& text) {
    if (box->text() != text) box->setText(text);
}

}  // namespace

FrameByteEditor::FrameByteEditor(FramePanel* panel) : QObject(panel), panel_(panel) {
    for (int k = 0; k < FramePanel::kFieldBoxes; ++k) {
        adopt(panel->fieldCharBox(k), {FieldChar, k});
        adopt(panel->fieldHexBox(k), {FieldHex, k});
    }
    for (int r = 0; r < FramePanel::kDataRows; ++r) {
        adopt(panel->dataCharBox(r), {DataChar, r});
        adopt(panel->dataHexBox(r), {DataHex, r});
    }
}

void FrameByteEditor::adopt(QLineEdit* box, BoxId id) {
    ids_.insert(box, id);
    box->setReadOnly(false);
    if (id.isHex()) {
        // Typing is held to two characters by the key test below; the length limit itself is
        // lifted so that a longer paste reaches the validator whole and is cut there.
        box->setMaxLength(32767);
        box->setValidator(new HexBoxValidator(box));
        box->installEventFilter(new ui::KeyFilter(kHexKeys, box));
    } else {
        box->setMaxLength(1);
    }
    SelectAllOnFocus(box);
    // Installed last, so it sees the movement keys before the key filter and the box do.
    box->installEventFilter(this);
    connect(box, &QLineEdit::textEdited, this, [this, box, id] { edited(box, id); });
}

QLineEdit* FrameByteEditor::box(Family family, int index) const {
    switch (family) {
        case FieldChar:
            return panel_->fieldCharBox(index);
        case FieldHex:
            return panel_->fieldHexBox(index);
        case DataChar:
            return panel_->dataCharBox(index);
        case DataHex:
            break;
    }
    return panel_->dataHexBox(index);
}

QLineEdit* FrameByteEditor::twinOf(BoxId id) const {
    static constexpr Family kTwin[] = {FieldHex, FieldChar, DataHex, DataChar};
    return box(kTwin[id.family], id.index);
}

qint16* FrameByteEditor::entryOf(BoxId id) const {
    if (id.inDataTable()) {
        const int entry = panel_->dataEntry(id.index);
        return entry < panel_->dataCount() ? panel_->dataValues() + entry : nullptr;
    }
    return id.index < panel_->fieldCount() ? panel_->fieldValues() + id.index : nullptr;
}

void FrameByteEditor::edited(QLineEdit* box, BoxId id) {
    qint16* entry = entryOf(id);
    if (entry == nullptr) return;
    QLineEdit* twin = twinOf(id);
    // The twin is written from here, not through its own edit rule: both boxes end as the rules
    // of either side would leave them, and no change bounces back.
    if (id.isHex()) {
        const TwinState state = AfterHexEdit(box->text());
        setTextIfDifferent(box, state.hexText);
        box->setCursorPosition(int(state.hexText.size()));
        setTextIfDifferent(twin, state.charText);
        if (state.store) *entry = state.value;
    } else {
        const TwinState state = AfterCharEdit(box->text(), *entry);
        if (box->text() != state.charText) {
            box->setText(state.charText);
            box->setCursorPosition(int(state.charText.size()));
        }
        setTextIfDifferent(twin, state.hexText);
        if (state.store) *entry = state.value;
    }
    if (id.inDataTable()) panel_->dataEdited();
}

Move FrameByteEditor::moveFor(BoxId id, MoveKey key) const {
    if (!id.inDataTable()) return FieldRowMove(key, id.index, panel_->fieldCount());
    const QScrollBar* bar = panel_->scrollBar();
    return DataTableMove(key, id.index, panel_->dataCount(), bar->isEnabled() ? bar->value() : 0,
                         bar->isEnabled() ? bar->maximum() : 0);
}

void FrameByteEditor::apply(QLineEdit* box, BoxId id, const Move& move) {
    if (move.zeroFills() && id.isHex()) setTextIfDifferent(box, ZeroFilled(box->text()));
    QWidget* target = nullptr;
    switch (move.target) {
        case Move::Stay:
            return;
        case Move::FieldBox:
        case Move::DataRow:
            target = this->box(id.family, move.index);
            break;
        case Move::FirstDataRow:
            target = panel_->dataCharBox(0);
            // A frame without data bytes has no row to go to; the selector closes the round.
            if (target->isHidden()) target = panel_->selector();
            break;
        case Move::Twin:
            target = twinOf(id);
            break;
        case Move::Selector:
            target = panel_->selector();
            break;
        case Move::ScrollDown:
        case Move::ScrollUp: {
            QScrollBar* bar = panel_->scrollBar();
            bar->setValue(bar->value() + (move.target == Move::ScrollDown ? 1 : -1));
            QLineEdit* row = this->box(id.family, move.index);
            row->setFocus(Qt::OtherFocusReason);
            row->selectAll();
            return;
        }
    }
    target->setFocus(Qt::OtherFocusReason);
}

bool FrameByteEditor::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto it = ids_.constFind(watched);
    if (it == ids_.constEnd()) return false;
    auto* box = static_cast<QLineEdit*>(watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    const BoxId id = it.value();

    // With Shift, Ctrl or Alt the cursor keys keep their editing meaning (selecting, jumping).
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    const MoveKey moveKey = modifiers == Qt::NoModifier ? MoveKeyOf(key->key()) : MoveKey::None;
    if (moveKey != MoveKey::None) {
        const Move move = moveFor(id, moveKey);
        if (move.target != Move::Stay) {
            apply(box, id, move);
            return true;
        }
        // Up and Down mean nothing in a field row; kept from the windows around the panel,
        // which would scroll.
        return moveKey == MoveKey::Up || moveKey == MoveKey::Down;
    }
    // A hexadecimal box holds two digits: a further digit is dropped as a full box drops it,
    // while a wrong key goes on to the key filter, which refuses it with a beep.
    const bool shortcut = modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (id.isHex() && !shortcut && key->text().size() == 1 &&
        FilterKey(key->text().at(0).unicode(), kHexKeys, false) != 0 &&
        box->text().size() - box->selectedText().size() >= 2)
        return true;
    return false;
}

}  // namespace comm
