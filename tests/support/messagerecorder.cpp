#include "messagerecorder.h"

MessageRecorder::MessageRecorder() {
    comm::ui::SetMessageResponder(
        comm::ui::DetailedMessageResponder([this](const QString& text, const QString& detail,
                                                  comm::ui::MessageIcon icon, bool okCancel) {
            shown.append({text, icon, okCancel, detail});
            if (onShown) onShown(shown.constLast());
            return answer;
        }));
}

MessageRecorder::~MessageRecorder() {
    comm::ui::SetMessageResponder(comm::ui::MessageResponder());
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
