#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace comm::ui {

// "该文件已经存在是否覆盖?": asked before a file is stored over.
QString OverwriteQuestion();

// The caption of every message box.
QString MessageCaption();

// Icon by kind of message: refusals and missing files, questions, errors and line events,
// completion and stop notices.
enum class MessageIcon { Exclamation, Question, Critical, Information };

// Shows a modal box captioned "提示信息". With okCancel the box offers OK and Cancel and the
// result tells whether OK was chosen; otherwise it offers OK and the result is true.
// A non-empty informative text is shown under the text, smaller.
bool ShowMessage(QWidget* parent, const QString& text, MessageIcon icon, bool okCancel = false,
                 const QString& informative = QString());
// The same box with `detail` as its informative text under the main one (the device and the
// system's reason under a port that could not be opened).
bool ShowMessage(QWidget* parent, const QString& text, const QString& detail, MessageIcon icon);

// Answers every box instead of showing it, for tests and headless runs: gets the text (with the
// informative text after a blank line, when there is one), icon and whether OK/Cancel was
// offered, returns the answer. An empty responder restores the real boxes.
using MessageResponder = std::function<bool(const QString& text, MessageIcon icon, bool okCancel)>;
void SetMessageResponder(MessageResponder responder);
// The same with the informative text too (empty when the box has none).
using DetailedMessageResponder = std::function<bool(const QString& text, const QString& detail,
                                                    MessageIcon icon, bool okCancel)>;
void SetMessageResponder(DetailedMessageResponder responder);

// The platform's beep, for a refused key.
void Beep();

// Replaces the beep, so tests can count refused keys; an empty handler restores the real beep.
using BeepHandler = std::function<void()>;
void SetBeepHandler(BeepHandler handler);

}  // namespace comm::ui
