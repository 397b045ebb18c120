#pragma once

#include <QWidget>
#include <array>

#include "commdefinition.h"
#include "commoptions.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace comm {

class FlatTextButton;
class FramePanel;

// The document window (Form4): shows the open communication and holds its three options and its
// saved marker. It builds itself from the communication definition when it is created: as a new
// communication when CommKind is not 0, from the file just read when it is 0. Owned by the main
// window's multiple-document area; the definition belongs to the application. It stays open while
// the main window's menu switches the interface language, so it retranslates itself then.
class DocumentWindow : public QWidget {
    Q_OBJECT
public:
    // The Option1 indexes, in the pairs they form.
    enum Option {
        LoopForever = 0,
        LoopCount = 1,
        DelayTime = 2,
        NoDelay = 3,
        NoWait = 4,
        WaitTime = 5
    };

    explicit DocumentWindow(CommDefinition& definition, QWidget* parent = nullptr);

    CommDefinition& definition() const { return definition_; }

    // The three option pairs as shown: selected options and the texts of Text1, Text2, Text11.
    CommOptions options() const;
    void setOptions(const CommOptions& options);

    // "0" while the communication has never been saved, "1" once it has a file.
    QString saveFlag() const;
    void setSaveFlag(const QString& flag);
    bool isSaved() const { return saveFlag() == QLatin1String("1"); }

    QString caption() const { return windowTitle(); }
    void setCaption(const QString& caption) { setWindowTitle(caption); }

    // Label1_0 and Label1_1.
    QString kindLine() const;
    QString settingsLine() const;
    // Caption of an option group Frame1_0..2 and of an option Option1_0..5.
    QString groupCaption(int group) const;
    QString optionCaption(Option option) const;
    bool isOptionSelected(Option option) const;

    FramePanel* framePanel(FrameSide side) const { return frames_[static_cast<int>(side)]; }
    // Whether a frame panel is shown for the communication's kind.
    bool isFrameShown(FrameSide side) const;
    QString frameCaption(FrameSide side) const;

protected:
    void changeEvent(QEvent* event) override;

public slots:
    // The "更改设置" action: the settings dialog for the communication; abandoning it keeps the
    // settings texts as they were.
    void changePortSettings();

private:
    QGroupBox* buildInfoPanel();
    QGroupBox* buildOptionGroup(int group, Option first, Option second, QLineEdit* box);
    QLineEdit* makeOptionBox(const QString& name);
    void select(Option option);
    void buildFromDefinition();
    // The frame panels the communication's kind has, each showing its start field.
    void showFrames();
    // Label1_0 for the communication's kind.
    void showKind();
    // Every text of the window in the interface language; what the user typed and chose stays.
    void retranslate();
    // Label1_1 from the communication's settings, in the interface language.
    void showSettingsLine();

    CommDefinition& definition_;
    QGroupBox* infoPanel_ = nullptr;
    QLabel* kindLine_ = nullptr;
    QLabel* settingsLine_ = nullptr;
    QLabel* saveFlag_ = nullptr;
    FlatTextButton* settingsButton_ = nullptr;
    std::array<QGroupBox*, 3> groups_{};
    std::array<std::array<QLabel*, 2>, 3> units_{};
    std::array<QRadioButton*, 6> options_{};
    QLineEdit* loopBox_ = nullptr;
    QLineEdit* delayBox_ = nullptr;
    QLineEdit* waitBox_ = nullptr;
    std::array<FramePanel*, 2> frames_{};
};

}  // namespace comm
