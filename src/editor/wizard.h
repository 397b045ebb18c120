#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

#include "commdefinition.h"

class QDialog;
class QWidget;

namespace comm {

class WizardCountsStep;
class WizardKindStep;
class WizardSettingsStep;

// The new-communication wizard: loads its three steps at once, leads the user through them and,
// at Finish, writes the choices into the communication definition and has the main window create
// the document window. A step left with Back or Next is hidden, not closed, so it keeps its
// values. Created by the New command for one run; the steps are children of that command's
// window and go with the wizard.
class NewCommWizard : public QObject {
    Q_OBJECT
public:
    NewCommWizard(CommDefinition& definition, std::function<void()> newDocumentWindow,
                  QWidget* parent = nullptr);
    ~NewCommWizard() override;

    // Shows step one modally and returns at once; finished() tells when the wizard is over.
    void start();
    bool isRunning() const { return running_; }

    WizardKindStep* kindStep() const;
    WizardCountsStep* countsStep() const;
    WizardSettingsStep* settingsStep() const;

signals:
    // All three steps are closed; created tells whether a document window was made.
    void finished(bool created);

public slots:
    // Step buttons, also reachable for scripted runs.
    void nextFromKind();
    void nextFromCounts();
    void backToKind();
    void backToCounts();
    void finish();
    // "放弃[&X]" in any step, Escape or closing a step's window: nothing is created.
    void abandon();

private:
    // leaving: the step it replaces, null for the first.
    void showStep(QDialog* step, QDialog* leaving);
    void closeSteps();

    CommDefinition& definition_;
    std::function<void()> newDocumentWindow_;
    QPointer<WizardKindStep> kindStep_;
    QPointer<WizardCountsStep> countsStep_;
    QPointer<WizardSettingsStep> settingsStep_;
    bool running_ = false;
};

}  // namespace comm
