#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

namespace comm::ui {

// Lets only the characters of one set into an edit box: a refused typed character is swallowed
// with a beep, and a paste holding one is refused whole. Editing keys (backspace, Enter, Tab,
// cursor keys, shortcuts) keep their meaning. Owned by the box it filters.
class KeyFilter : public QObject {
    Q_OBJECT
public:
    KeyFilter(const QString& allowed, QObject* parent);

    // Filters typing and pasting into the box; returns the filter, a child of the box.
    static KeyFilter* install(QLineEdit* box, const QString& allowed);

    const QString& allowed() const { return allowed_; }
    // True when every character of the text may be typed.
    bool accepts(const QString& text) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString allowed_;
};

}  // namespace comm::ui
