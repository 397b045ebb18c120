#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace comm::ui {

// The caption of every message box.
QString MessageCaption();

// Icon by kind of message: refusals and missing files, questions, errors and line events,
// completion and stop notices.
enum class MessageIcon { Exclamation, Question, Critical, Information };

// Shows a modal box captioned "提示信息". With okCancel the box offers OK and Cancel and the
// result tells whether OK was chosen; otherwise it offers OK and the result is true.
// A non-empty informative text is shown under the text, smaller; a responder gets both in one
// text, the informative part after a blank line.
bool ShowMessage(QWidget* parent, const QString& text, MessageIcon icon, bool okCancel = false,
                 const QString& informative = QString());

// Answers every box instead of showing it, for tests and headless runs: gets the text, icon and
// whether OK/Cancel was offered, returns the answer. An empty responder restores the real boxes.
using MessageResponder = std::function<bool(const QString& text, MessageIcon icon, bool okCancel)>;
void SetMessageResponder(MessageResponder responder);

// The platform's beep, for a refused key.
void Beep();

// Replaces the beep, so tests can count refused keys; an empty handler restores the real beep.
using BeepHandler = std::function<void()>;
void SetBeepHandler(BeepHandler handler);

}  // namespace comm::ui
