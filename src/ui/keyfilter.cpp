#include "keyfilter.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include "messages.h"
#include "texthelpers.h"

namespace comm::ui {

namespace {

// Control characters other than backspace (Enter, Tab, Escape, Delete) are editing or movement
// keys, not typed text: they never beep.
bool isControlKey(QChar c) {
    const char16_t code = c.unicode();
    return (code < 32 && code != kBackspaceKey) || code == 127;
}

}  // namespace

KeyFilter::KeyFilter(const QString& allowed, QObject* parent)
    : QObject(parent), allowed_(allowed) {}

KeyFilter* KeyFilter::install(QLineEdit* box, const QString& allowed) {
    auto* filter = new KeyFilter(allowed, box);
    box->installEventFilter(filter);
    const QRegularExpression pattern(
        QStringLiteral("[%1]*").arg(QRegularExpression::escape(allowed)));
    box->setValidator(new QRegularExpressionValidator(pattern, box));
    return filter;
}

bool KeyFilter::accepts(const QString& text) const {
    for (QChar c : text) {
        if (isControlKey(c)) continue;
        if (FilterKey(c.unicode(), allowed_, true) == 0) return false;
    }
    return true;
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers shortcutKeys =
            Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
        if (!key->text().isEmpty() && !(key->modifiers() & shortcutKeys) && !accepts(key->text())) {
            Beep();
            return true;
        }
    } else if (event->type() == QEvent::InputMethod) {
        const auto* input = static_cast<QInputMethodEvent*>(event);
        if (!accepts(input->commitString())) {
            Beep();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace comm::ui
