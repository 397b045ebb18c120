#include "wizard.h"

#include <QPushButton>

#include "wizardcounts.h"
#include "wizardkind.h"
#include "wizardsettings.h"

namespace comm {

NewCommWizard::NewCommWizard(CommDefinition& definition, std::function<void()> newDocumentWindow,
                             QWidget* parent)
    : QObject(parent),
      definition_(definition),
      newDocumentWindow_(std::move(newDocumentWindow)),
      kindStep_(new WizardKindStep(parent)),
      countsStep_(new WizardCountsStep(parent)),
      settingsStep_(new WizardSettingsStep(parent)) {
    connect(kindStep_->nextButton(), &QPushButton::clicked, this, &NewCommWizard::nextFromKind);
    connect(countsStep_->backButton(), &QPushButton::clicked, this, &NewCommWizard::backToKind);
    connect(countsStep_->nextButton(), &QPushButton::clicked, this, &NewCommWizard::nextFromCounts);
    connect(settingsStep_->backButton(), &QPushButton::clicked, this, &NewCommWizard::backToCounts);
    connect(settingsStep_->finishButton(), &QPushButton::clicked, this, &NewCommWizard::finish);
    for (QDialog* step : {static_cast<QDialog*>(kindStep_), static_cast<QDialog*>(countsStep_),
                          static_cast<QDialog*>(settingsStep_)}) {
        // Escape and the window's close button reject the step: the same as Abandon.
        connect(step, &QDialog::rejected, this, &NewCommWizard::abandon);
    }
    connect(kindStep_->abandonButton(), &QPushButton::clicked, this, &NewCommWizard::abandon);
    connect(countsStep_->abandonButton(), &QPushButton::clicked, this, &NewCommWizard::abandon);
    connect(settingsStep_->abandonButton(), &QPushButton::clicked, this, &NewCommWizard::abandon);
}

NewCommWizard::~NewCommWizard() {
    running_ = false;
    delete kindStep_.data();
    delete countsStep_.data();
    delete settingsStep_.data();
}

WizardKindStep* NewCommWizard::kindStep() const {
    return kindStep_;
}

WizardCountsStep* NewCommWizard::countsStep() const {
    return countsStep_;
}

WizardSettingsStep* NewCommWizard::settingsStep() const {
    return settingsStep_;
}

void NewCommWizard::start() {
    running_ = true;
    showStep(kindStep_, nullptr);
}

// Each step opens where the one it follows stood (also after the user moved that one), so the
// wizard stays in one place instead of every step finding a place of its own.
void NewCommWizard::showStep(QDialog* step, QDialog* leaving) {
    if (leaving != nullptr) step->move(leaving->pos());
    step->show();
    // Where no window manager hands the activation over, the shown step still takes the keys.
    step->activateWindow();
}

void NewCommWizard::nextFromKind() {
    if (!running_) return;
    const int kind = kindStep_->kind();
    definition_.CommKind = qint16(kind);
    countsStep_->prepareForKind(kind);
    kindStep_->hide();
    showStep(countsStep_, kindStep_);
}

void NewCommWizard::nextFromCounts() {
    // Enter reaches the default button only while it is enabled, but a scripted call may not.
    if (!running_ || !countsStep_->countsValid()) return;
    definition_.FrameFieldCount = countsStep_->counts();
    countsStep_->hide();
    showStep(settingsStep_, countsStep_);
}

void NewCommWizard::backToKind() {
    if (!running_) return;
    countsStep_->hide();
    showStep(kindStep_, countsStep_);
}

void NewCommWizard::backToCounts() {
    if (!running_) return;
    settingsStep_->hide();
    showStep(countsStep_, settingsStep_);
}

void NewCommWizard::finish() {
    if (!running_) return;
    settingsStep_->setCursor(Qt::WaitCursor);
    definition_.setPortSettings(settingsStep_->indexes());
    running_ = false;
    kindStep_->hide();
    countsStep_->hide();
    settingsStep_->unsetCursor();
    settingsStep_->hide();
    if (newDocumentWindow_) newDocumentWindow_();
    emit finished(true);
}

void NewCommWizard::abandon() {
    if (!running_) return;
    running_ = false;
    closeSteps();
    emit finished(false);
}

void NewCommWizard::closeSteps() {
    for (QDialog* step : {static_cast<QDialog*>(kindStep_), static_cast<QDialog*>(countsStep_),
                          static_cast<QDialog*>(settingsStep_)}) {
        if (step != nullptr) step->hide();
    }
}

}  // namespace comm
