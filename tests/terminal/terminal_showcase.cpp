// Shows the terminal window with a device's replies on an in-memory port, for a screenshot, and
// prints the area to take as WIDTHxHEIGHT+X+Y.
// Usage: terminal_showcase [hex]
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cstdio>

#include "memoryserialport.h"
#include "messages.h"
#include "terminalsession.h"
#include "terminalwindow.h"
#include "translations.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    comm::texts::InstallLanguage(comm::texts::Language::Chinese);
    const bool hex = app.arguments().value(1) == QLatin1String("hex");
    comm::MemorySerialPort* port = nullptr;
    comm::TerminalWindow window(1, [&port] {
        auto made = std::make_unique<comm::MemorySerialPort>();
        port = made.get();
        return std::unique_ptr<comm::SerialPort>(std::move(made));
    });
    window.move(0, 0);
    window.show();
    window.findChild<QComboBox*>(QStringLiteral("BaudRate"))
        ->setCurrentText(QStringLiteral("115200"));
    window.findChild<QPushButton*>(QStringLiteral("OpenPort"))->click();
    // The device answers each line sent with a reading.
    QObject::connect(port, &comm::MemorySerialPort::bytesWritten, port,
                     [port](const QByteArray&) { port->inject("+25.4 C  RH 48%\r\nOK\r\n"); });
    auto* line = window.findChild<QLineEdit*>(QStringLiteral("SendLine"));
    window.findChild<QComboBox*>(QStringLiteral("LineEnd"))
        ->setCurrentText(QStringLiteral("CR LF"));
    int sent = 0;
    QTimer typing;
    typing.setInterval(120);
    QObject::connect(&typing, &QTimer::timeout, &window, [&] {
        if (sent == 4) {
            typing.stop();
            if (hex) window.findChild<QRadioButton*>(QStringLiteral("ViewHex"))->setChecked(true);
            window.findChild<QCheckBox*>(QStringLiteral("Timestamps"))->setChecked(true);
            line->setText(hex ? QStringLiteral("01 03 00 00 00 02") : QStringLiteral("AT+READ?"));
            if (hex) {
                window.findChild<QComboBox*>(QStringLiteral("SendMode"))->setCurrentIndex(1);
                window.findChild<QComboBox*>(QStringLiteral("SendChecksum"))->setCurrentIndex(5);
            }
            QTimer::singleShot(300, &window, [&window] {
                const QRect area = window.frameGeometry();
                std::printf("%dx%d+%d+%d\n", area.width(), area.height(), area.x(), area.y());
                std::fflush(stdout);
            });
            return;
        }
        line->setText(QStringLiteral("AT+READ?"));
        QMetaObject::invokeMethod(line, &QLineEdit::returnPressed);
        ++sent;
    });
    typing.start();
    return app.exec();
}
