#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "messages.h"

// One message box the program asked for.
struct ShownMessage {
    QString text;
    comm::ui::MessageIcon icon;
    bool okCancel;
    QString detail;  // the informative text under the main one
};

// Answers every message box instead of showing it while it lives, and keeps what each one said;
// owned by a test. Its end brings the real boxes back.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    // The texts of the boxes so far, in order.
    QStringList texts() const;
    // Forgets the boxes so far and answers OK again.
    void clear();

    QList<ShownMessage> shown;
    // What the boxes that follow answer: OK (true) or Cancel.
    bool answer = true;
    // Called as each box is shown, while the windows still look as they do behind it.
    std::function<void(const ShownMessage&)> onShown;
};
