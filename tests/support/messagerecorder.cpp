#include "messagerecorder.h"

MessageRecorder::MessageRecorder() {
    comm::ui::SetMessageResponder(
        [this](const QString& text, comm::ui::MessageIcon icon, bool okCancel) {
            shown.append({text, icon, okCancel});
            if (onShown) onShown(shown.constLast());
            return answer;
        });
}

MessageRecorder::~MessageRecorder() {
    comm::ui::SetMessageResponder({});
}

QStringList MessageRecorder::texts() const {
    QStringList result;
    for (const ShownMessage& message : shown) result << message.text;
    return result;
}

void MessageRecorder::clear() {
    shown.clear();
    answer = true;
}
