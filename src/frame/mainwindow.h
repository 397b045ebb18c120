#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <array>

#include "commdefinition.h"
#include "documentwindow.h"
#include "filechooser.h"
#include "language.h"
#include "portservices.h"

class QMdiArea;
class QMenu;
class QMdiSubWindow;
class QToolBar;

namespace comm {

class StatusPanels;

// The program's frame (MDIForm1): menus, toolbar, status bar and the multiple-document area that
// holds the one document window. It keeps the active port (the checked ck item) and the
// save-frame-data option (the checked SaveData item), and runs the communication commands.
// Tool windows are opened from toolcommands.cpp. The definition belongs to the application.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // programFolder: where the command line's file name and the file dialogs start; the
    // executable's folder when empty. services: the ports and the clock of the windows it opens.
    explicit MainWindow(CommDefinition& definition, const QString& programFolder = QString(),
                        PortServices services = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    CommDefinition& definition() const { return definition_; }
    QString programFolder() const { return programFolder_; }
    // The program's help file, "Comm.hlp" in the program's folder; empty when there is none.
    QString helpFile() const { return helpFile_; }
    // The line break printing uses.
    QString lineBreak() const { return lineBreak_; }
    // Where every window that talks to a port gets its port, and its engine's clock.
    const SerialPortFactory& portFactory() const { return services_.makePort; }
    Clock& clock() const { return *services_.clock; }

    // The active port, 1..4: the number of the checked ck item.
    int activePort() const;
    // Whether saving writes the byte values: the checked state of "保存幀数据".
    bool saveFrameData() const;
    // The open communication's window, or null when none is open.
    DocumentWindow* documentWindow() const { return document_; }

    // A menu item or keyed toolbar button by its name (NewComm, ck3, t5, ...).
    QAction* action(const QString& name) const;
    // A toolbar entry by its index 1..25; separators included.
    QAction* toolButton(int index) const;
    StatusPanels* statusPanels() const { return panels_; }
    QMdiArea* mdiArea() const { return mdiArea_; }

    // Replaces the file dialog of Open, Save and Save As (tests hand in a name directly).
    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

    // The last step of start-up: opens the file the command line names, relative to the
    // program's folder; a name that is no file there opens nothing and says nothing.
    void startFromCommandLine(const QString& commandLine);

    // Creates and shows the document window for the communication in the definition, captioned
    // "通讯 " and the window count; null while one is open already (one communication at a time).
    DocumentWindow* newDocumentWindow();

public slots:
    void openComm();
    void saveComm();
    void saveAsComm();
    void closeComm();
    // Port choice from the menu (only the ck items change) and from the toolbar (both change).
    void choosePort(int port);
    void choosePortFromToolbar(int port);
    void tileHorizontally();
    void tileVertically();
    void cascade();
    void arrangeIcons();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildMenus();
    // 设置's 语言 submenu: each language in its own name.
    void buildLanguageMenu(QMenu* setup);
    void buildToolBar();
    // Every text of the window in the interface language: at the start and at each change.
    void retranslate();
    void retranslateMenus();
    // The tip of a keyed toolbar button (t1..t18).
    QString toolTipText(const char* key) const;
    QString activePortText() const;
    // Makes the interface language `language` at once and remembers it for the next start.
    void chooseLanguage(texts::Language language);
    // Captions the document window with `form` ("通讯 %1" or "通讯: %1") and its argument, the
    // window count or the file, and keeps both to caption it again in another language.
    void captionDocument(const char* form, const QString& argument);
    void connectCommands();
    // The device each port item stands for, in the items' and port buttons' tool tips and in the
    // status bar beside the active port.
    void showPortDevices();
    void fillWindowMenu();
    // Enables the commands that need a communication and disables New and Open while one is
    // open; the one place this is decided.
    void updateActions();
    bool readAndShow(const QString& path);
    bool writeTo(const QString& path, const char* captionForm);

    CommDefinition& definition_;
    QString programFolder_;
    QString helpFile_;
    QString lineBreak_;
    FileChooser chooser_;
    PortServices services_;
    QMdiArea* mdiArea_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QHash<QString, QAction*> actions_;
    std::array<QAction*, 25> toolButtons_{};
    QList<QAction*> windowListActions_;
    StatusPanels* panels_ = nullptr;
    QMenu* languageMenu_ = nullptr;
    // Whether a port was chosen since the start: the active port panel then reads differently.
    bool portChosen_ = false;
    const char* captionForm_ = nullptr;
    QString captionArgument_;
    QPointer<DocumentWindow> document_;
    QPointer<QMdiSubWindow> documentFrame_;
};

}  // namespace comm
