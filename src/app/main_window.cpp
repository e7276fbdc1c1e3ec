// SPDX-License-Identifier: Apache-2.0
#include "app/main_window.h"

#include "app/window_parts.h"

#include "app/design_chart_window.h"
#include "app/dialog_placement.h"
#include "app/dropped_file.h"
#include "app/fatigue_window.h"
#include "app/main_status_bar.h"
#include "app/plate_window.h"
#include "app/recent_files.h"
#include "app/report_pane.h"
#include "app/report_printer.h"
#include "app/slab_plan_pane.h"
#include "app/user_guide_window.h"
#include "app/window_layout.h"
#include "case/fault.h"
#include "dialogs/about_dialog.h"
#include "dialogs/axle_dialog.h"
#include "dialogs/busy_cursor.h"
#include "dialogs/environment_dialog.h"
#include "dialogs/pavement_dialog.h"
#include "dialogs/user_prompt.h"
#include "engine/compute_stresses.h"
#include "formats/design_file.h"
#include "formats/report.h"
#include "io/case_file.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>

namespace korvanex {

namespace {

const QString CaseFileFilter = QStringLiteral("(*.DEF)");
const QString DesignFileFilter = QStringLiteral("(*.kvx)");
const QString DesignSuffix = QStringLiteral(".kvx");
// The kinds of file the window opens when they are dropped on it.
const QStringList OpenedSuffixes = {QStringLiteral(".DEF"), DesignSuffix};
const QString ReportFileFilter = QStringLiteral("(*.PRN)");

// The name of a chosen file as the file system spells it.
std::string localFileName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString reportAreaText(const std::vector<std::string>& lines) {
    QString text;
    for (const std::string& line : lines) {
        text += QString::fromStdString(line);
        text += QLatin1Char('\n');
    }
    return text;
}

QAction* addNamedAction(QWidget& menu, const char* name, const QString& caption) {
    auto* action = new QAction(caption, &menu);
    action->setObjectName(QString::fromLatin1(name));
    menu.addAction(action);
    return action;
}

void bringToFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

void addNamedSeparator(QMenu& menu, const char* name) {
    menu.addSeparator()->setObjectName(QString::fromLatin1(name));
}

} // namespace

frmMain::frmMain(UserPrompt& prompt)
    : prompt_(prompt), title_(*this), report_(new ReportPane(nullptr)),
      reportArea_(new QSplitter(Qt::Horizontal)), plan_(new SlabPlanPane(prompt, nullptr)),
      placement_(new DialogPlacement(*this, *plan_, *report_)), status_(new MainStatusBar(*statusBar())) {
    BusyCursor busy;
    setObjectName(QStringLiteral("frmMain"));
    setAcceptDrops(true);

    // The report and the plan fill the window down to the status bar.
    auto* client = new QWidget(this);
    setCentralWidget(client);
    auto* clientLayout = new QVBoxLayout(client);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    clientLayout->addWidget(reportArea_);
    reportArea_->setObjectName(QStringLiteral("reportArea"));
    reportArea_->addWidget(report_);
    reportArea_->addWidget(plan_);
    reportArea_->setStretchFactor(0, 3);
    reportArea_->setStretchFactor(1, 2);
    reportArea_->setChildrenCollapsible(false);

    createMenus();
    resize(900, 640);
    restoreWindowLayout(*this, *reportArea_);
    record_.units = metricOption_->isChecked() ? UnitSystem::Metric : UnitSystem::English;
    followCase();
}

void frmMain::createMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File"));
    QMenu* defaults = file->addMenu(QStringLiteral("&Default Options"));
    defaults->setObjectName(QStringLiteral("mnuDefaultOptions"));
    metricOption_ = addNamedAction(*defaults, "MetricOption", QStringLiteral("&Metric System"));
    metricOption_->setCheckable(true);
    englishOption_ = addNamedAction(*defaults, "EnglishOption", QStringLiteral("&English System"));
    englishOption_->setCheckable(true);
    englishOption_->setChecked(true);
    englishOption_->setEnabled(false);
    addNamedSeparator(*defaults, "Line0a");
    detailedReportsOption_ =
        addNamedAction(*defaults, "DetailedReportsOption", QStringLiteral("&Detailed Reports"));
    detailedReportsOption_->setCheckable(true);
    // The report on screen follows the option at once.
    connect(detailedReportsOption_, &QAction::toggled, this, [this] {
        if (reportState_.state() != ReportState::State::None) {
            computeStresses();
        }
    });
    connect(metricOption_, &QAction::triggered, this, [this] { chooseUnitSystem(UnitSystem::Metric); });
    connect(englishOption_, &QAction::triggered, this, [this] { chooseUnitSystem(UnitSystem::English); });

    addNamedSeparator(*file, "Line0");
    QAction* fileLoad = addNamedAction(*file, "FileLoad", QStringLiteral("&Read Data From File..."));
    fileLoad->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(fileLoad, &QAction::triggered, this, &frmMain::readDataFromFile);
    QAction* fileSave = addNamedAction(*file, "FileSave", QStringLiteral("&Save Input Data..."));
    fileSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(fileSave, &QAction::triggered, this, [this] { saveInputData(); });
    connect(addNamedAction(*file, "FileOpenDesign", QStringLiteral("&Open Design...")), &QAction::triggered,
            this, &frmMain::openDesign);
    connect(addNamedAction(*file, "FileSaveDesign", QStringLiteral("Save Desig&n...")), &QAction::triggered,
            this, &frmMain::saveDesign);
    QMenu* recentFiles = file->addMenu(QStringLiteral("Recent &Files"));
    recentFiles->setObjectName(QStringLiteral("mnuRecentFiles"));
    recent_ = new RecentFiles(*recentFiles, this);
    connect(recent_, &RecentFiles::chosen, this, &frmMain::openCaseFile);
    addNamedSeparator(*file, "line0b");
    connect(addNamedAction(*file, "mnuSaveReport", QStringLiteral("S&ave Report...")), &QAction::triggered,
            this, &frmMain::saveReport);
    connect(addNamedAction(*file, "mnuPrintReport", QStringLiteral("&Print Report...")), &QAction::triggered,
            this, &frmMain::printReport);
    addNamedSeparator(*file, "line1");
    connect(addNamedAction(*file, "FileExit", QStringLiteral("E&xit")), &QAction::triggered, this,
            &QWidget::close);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    connect(addNamedAction(*edit, "mnutStressPavementData", QStringLiteral("&Pavement Data...")),
            &QAction::triggered, this, [this] { showDialog(inputDialog(pavement_)); });
    connect(addNamedAction(*edit, "mnuStressAxleData", QStringLiteral("&Axle Data...")), &QAction::triggered,
            this, [this] { showDialog(inputDialog(axle_)); });
    temperatureData_ =
        addNamedAction(*edit, "mnuStressTemperatureData", QStringLiteral("&Temperature Data..."));
    connect(temperatureData_, &QAction::triggered, this, [this] { showDialog(inputDialog(environment_)); });

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    QAction* slabPlan = addNamedAction(*view, "mnuViewSlabPlan", QStringLiteral("Slab &Plan"));
    slabPlan->setCheckable(true);
    slabPlan->setChecked(true);
    connect(slabPlan, &QAction::toggled, plan_, &QWidget::setVisible);

    connect(addNamedAction(*menuBar(), "mnuComputeStresses", QStringLiteral("&Compute Stresses")),
            &QAction::triggered, this, [this] { computeStresses(); });
    connect(addNamedAction(*menuBar(), "mnuDesignChart", QStringLiteral("&Design Chart...")),
            &QAction::triggered, this, [this] { showToolWindow(designChart_, &frmDesignChart::refresh); });
    connect(addNamedAction(*menuBar(), "mnuFatigue", QStringLiteral("Desi&gn...")), &QAction::triggered, this,
            [this] { showToolWindow(fatigue_, &frmFatigue::followCase); });
    connect(addNamedAction(*menuBar(), "mnuPlateModel", QStringLiteral("Check with Plate &Model...")),
            &QAction::triggered, this, [this] { showToolWindow(plateModel_, &frmPlateModel::refresh); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help"));
    QAction* userGuide = addNamedAction(*help, "mnuHelpUserGuide", QStringLiteral("&User Guide"));
    userGuide->setShortcut(QKeySequence(Qt::Key_F1));
    connect(userGuide, &QAction::triggered, this, &frmMain::showUserGuide);
    connect(addNamedAction(*help, "mnuHelpAbout", QStringLiteral("&About")), &QAction::triggered, this,
            &frmMain::showAbout);
}

// Changes only the flag and the marks: no value is converted and no caption changes.
void frmMain::chooseUnitSystem(UnitSystem units) {
    const bool metric = units == UnitSystem::Metric;
    englishOption_->setChecked(!metric);
    metricOption_->setChecked(metric);
    englishOption_->setEnabled(metric);
    metricOption_->setEnabled(!metric);
    record_.units = units;
    followCase();
    prompt_.showMessage(
        this, {QStringLiteral("Stress Analysis Program"),
               metric ? QStringLiteral("Metric System Selected") : QStringLiteral("English System Selected"),
               {UserPrompt::Button::Ok}});
}

void frmMain::showUnitMarks() {
    englishOption_->setChecked(record_.units == UnitSystem::English);
    metricOption_->setChecked(record_.units == UnitSystem::Metric);
}

// Creating a dialog fixes the unit system of its defaults, and with it the unit system of the run.
template <class Dialog> Dialog& frmMain::inputDialog(Dialog*& dialog) {
    if (dialog == nullptr) {
        dialog = new Dialog(record_, prompt_, this);
        followEdits(*dialog);
        metricOption_->setEnabled(false);
        englishOption_->setEnabled(false);
    }
    return *dialog;
}

void frmMain::createAllDialogs() {
    inputDialog(pavement_);
    inputDialog(axle_);
    inputDialog(environment_);
}

// The window follows every edit of the case: each text typed and each option chosen in a dialog.
void frmMain::followEdits(QDialog& dialog) {
    for (const QLineEdit* edit : dialog.findChildren<QLineEdit*>()) {
        connect(edit, &QLineEdit::textChanged, this, &frmMain::followCase);
    }
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        if (button->isCheckable()) {
            connect(button, &QAbstractButton::toggled, this, &frmMain::followCase);
        }
    }
}

// The parts of the case not yet in use are drawn as their dialogs will initialise them, without
// initialising anything.
AnalysisCase frmMain::caseWithEveryPartInitialised() const {
    AnalysisCase record = record_;
    if (pavement_ == nullptr) {
        initializePart(record, RecordPart::Pavement, record.units);
    }
    if (axle_ == nullptr) {
        initializePart(record, RecordPart::Axle, record.units);
    }
    if (environment_ == nullptr) {
        initializePart(record, RecordPart::Environment, record.units);
    }
    return record;
}

// What the window shows of the case follows it: the plan, the report's state, the title's modified
// mark and the status bar; so do the tool windows that are shown.
void frmMain::followCase() {
    plan_->showCase(caseWithEveryPartInitialised());
    const ReportState::State state = reportState_.follow(record_);
    report_->setOutOfDate(state == ReportState::State::OutOfDate);
    status_->showReport(state);
    status_->showUnits(record_.units);
    status_->showCaseFile(title_.path());
    title_.follow(record_);
    emit caseEdited();
}

// The case was read from the file or saved to it: the file's name goes in the title and on top of
// Recent Files.
void frmMain::caseFileOpened(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    title_.opened(absolute, record_);
    recent_->add(absolute);
    followCase();
}

void frmMain::showDialog(QDialog& dialog) {
    BusyCursor busy;
    placement_->placeBesidePlan(dialog);
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

void frmMain::showAbout() {
    if (about_ == nullptr) {
        about_ = new frmAbout(this);
    }
    placement_->place(*about_);
    bringToFront(*about_);
}

void frmMain::showUserGuide() {
    if (userGuide_ == nullptr) {
        userGuide_ = new frmUserGuide(this);
        placement_->place(*userGuide_);
    }
    bringToFront(*userGuide_);
}

// A tool window (the design chart, fatigue, the plate model) computes the case as the dialogs hold it, so it
// touches them as the compute command does. It opens centred once; later it keeps the place and size the user
// gave it, and computes the case anew. While shown, it follows every edit of the case.
template <class Window> void frmMain::showToolWindow(Window*& window, void (Window::*refresh)()) {
    {
        BusyCursor busy;
        createAllDialogs();
        if (window == nullptr) {
            window = new Window(record_, prompt_, this);
            connect(this, &frmMain::caseEdited, window, [window, refresh] {
                if (window->isVisible()) {
                    (window->*refresh)();
                }
            });
            placement_->place(*window);
        } else {
            (window->*refresh)();
        }
    }
    bringToFront(*window);
}

void frmMain::readDataFromFile() {
    const QString path = prompt_.openFileName(this, CaseFileFilter);
    if (!path.isEmpty()) {
        openCaseFile(path);
    }
}

// The file is read into a copy of the case, with the parts not yet in use initialised as their
// dialogs will initialise them: a file that is not accepted changes nothing, neither the case nor
// the dialogs nor the menu. A file that is gone leaves Recent Files.
void frmMain::openCaseFile(const QString& path) {
    if (path.endsWith(DesignSuffix, Qt::CaseInsensitive)) {
        openDesignFile(path);
        return;
    }
    CaseFileReadResult result;
    {
        BusyCursor busy;
        AnalysisCase read = caseWithEveryPartInitialised();
        result = readCaseFile(localFileName(path), read);
        if (result.status == CaseFileReadResult::Status::Loaded) {
            createAllDialogs();
            record_ = read;
            showUnitMarks();
            pavement_->showRecord();
            axle_->showRecord();
            environment_->showRecord();
            if (result.oneLayerFile) {
                temperatureData_->setProperty("oneLayerFile", *result.oneLayerFile);
                // Selecting the layer opens the pavement dialog: beside the plan, as the menu opens it.
                if (!pavement_->isVisible()) {
                    placement_->placeBesidePlan(*pavement_);
                }
                pavement_->selectLayer(record_.layer);
            }
            caseFileOpened(path);
        } else if (!QFileInfo::exists(path)) {
            recent_->remove(QFileInfo(path).absoluteFilePath());
        }
    }
    switch (result.status) {
    case CaseFileReadResult::Status::Loaded:
        prompt_.showMessage(this, {ProgramTitle,
                                   QFileInfo(path).absoluteFilePath() + QStringLiteral("  Loaded!"),
                                   {UserPrompt::Button::Ok}});
        tellUnknownWords(result.unknownWords);
        break;
    case CaseFileReadResult::Status::IncorrectInputFile:
        prompt_.showMessage(
            this, {ProgramTitle, QStringLiteral("Incorrect Input File!"), {UserPrompt::Button::Ok}});
        break;
    case CaseFileReadResult::Status::Error:
        tellFailure(QString::fromStdString(result.message));
        break;
    }
}

// A file that relied on the fallback of an unknown option word still opens; the user learns which
// lines held one and what was chosen in its place.
void frmMain::tellUnknownWords(const std::vector<UnknownCaseWord>& unknownWords) {
    if (unknownWords.empty()) {
        return;
    }
    QString text = QStringLiteral("Some words of the file are not the program's own:");
    for (const UnknownCaseWord& unknown : unknownWords) {
        text += QLatin1Char('\n') + QString::fromStdString(unknown.problemAndChoice()) + QLatin1Char('.');
    }
    prompt_.showMessage(this, {ProgramTitle, text, {UserPrompt::Button::Ok}, UserPrompt::Icon::Warning});
}

// True when the case was written; a cancelled dialog or a failed write leaves the caller to keep
// whatever it was about to give up.
bool frmMain::saveInputData() {
    const QString path = prompt_.saveFileName(this, CaseFileFilter);
    if (path.isEmpty()) {
        return false;
    }
    std::string error;
    {
        BusyCursor busy;
        createAllDialogs();
        error = writeCaseFile(localFileName(path), record_);
    }
    if (!error.empty()) {
        tellFailure(QStringLiteral("The input data was not saved: ") + QString::fromStdString(error));
        return false;
    }
    caseFileOpened(path);
    return true;
}

void frmMain::openDesign() {
    const QString path = prompt_.openFileName(this, DesignFileFilter);
    if (!path.isEmpty()) {
        openDesignFile(path);
    }
}

// A design file restores the whole case, every option and setting a case file lacks included, and the
// fatigue window's spectrum, traffic and settings when it holds them. A file that is not accepted
// changes nothing; a file that is gone leaves Recent Files.
void frmMain::openDesignFile(const QString& path) {
    Design design;
    std::string error;
    {
        BusyCursor busy;
        error = readDesignFile(localFileName(path), design);
        if (error.empty()) {
            createAllDialogs();
            record_ = design.record;
            showUnitMarks();
            pavement_->showRecord();
            pavement_->showOptions();
            axle_->showRecord();
            environment_->showRecord();
            caseFileOpened(path);
        } else if (!QFileInfo::exists(path)) {
            recent_->remove(QFileInfo(path).absoluteFilePath());
        }
    }
    if (!error.empty()) {
        tellFailure(QStringLiteral("The design was not read: ") + QString::fromStdString(error));
        return;
    }
    if (design.spectrum || design.traffic || design.fatigue || design.reliability) {
        showToolWindow(fatigue_, &frmFatigue::followCase);
        fatigue_->showDesign(design);
    }
    prompt_.showMessage(this, {ProgramTitle,
                               QFileInfo(path).absoluteFilePath() + QStringLiteral("  Loaded!"),
                               {UserPrompt::Button::Ok}});
}

// The design holds the case and, once the fatigue window has been opened, its spectrum, traffic and
// settings; settings that cannot be kept are said before a file is asked for.
void frmMain::saveDesign() {
    Design design;
    createAllDialogs();
    design.record = record_;
    if (fatigue_ != nullptr) {
        if (const QString problem = fatigue_->keepInDesign(design); !problem.isEmpty()) {
            tellFailure(QStringLiteral("The design was not saved. ") + problem);
            return;
        }
    }
    const QString path = prompt_.saveFileName(this, DesignFileFilter);
    if (path.isEmpty()) {
        return;
    }
    std::string error;
    {
        BusyCursor busy;
        error = writeDesignFile(localFileName(path), design);
    }
    if (!error.empty()) {
        tellFailure(QStringLiteral("The design was not saved: ") + QString::fromStdString(error));
        return;
    }
    caseFileOpened(path);
}

// A computation that stops on a floating-point fault keeps the report area as it was; the result
// fields written before the fault keep their new values.
bool frmMain::computeStresses() {
    BusyCursor busy;
    createAllDialogs();
    try {
        korvanex::computeStresses(record_, results_);
    } catch (const FloatingPointFault& fault) {
        prompt_.showMessage(
            this, {ProgramTitle,
                   QStringLiteral("The computation stopped on a floating-point fault in %1. Please "
                                  "check k, h1, E1, μ1, the tire pressure and the two-layer values.")
                       .arg(QString::fromStdString(fault.routine())),
                   {UserPrompt::Button::Ok},
                   UserPrompt::Icon::Warning});
        return false;
    }
    showReport();
    return true;
}

void frmMain::showReport() {
    BusyCursor busy;
    reportLines_ = WriteReport(record_, detailedReportsOption_->isChecked(), results_);
    report_->showText(reportAreaText(reportLines_));
    reportState_.computed(record_);
    followCase();
}

// A saved report always belongs to its inputs: the case is computed anew first.
void frmMain::saveReport() {
    if (!computeStresses()) {
        return;
    }
    const QString path = prompt_.saveFileName(this, ReportFileFilter);
    if (path.isEmpty()) {
        return;
    }
    std::string error;
    {
        BusyCursor busy;
        error = writeReportFile(localFileName(path), reportLines_);
    }
    if (!error.empty()) {
        tellFailure(QStringLiteral("The report was not saved: ") + QString::fromStdString(error));
    }
}

// A printed report always belongs to its inputs: the case is computed anew first.
void frmMain::printReport() {
    if (!computeStresses()) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!prompt_.setUpPrinter(this, printer)) {
        return;
    }
    bool printed = false;
    {
        BusyCursor busy;
        printed = printReportCopies(printer, reportLines_);
    }
    if (!printed) {
        tellFailure(QStringLiteral("The report was not printed: the printer did not accept the job."));
    }
}

void frmMain::tellFailure(const QString& text) {
    prompt_.showMessage(this, {ProgramTitle, text, {UserPrompt::Button::Ok}, UserPrompt::Icon::Warning});
}

// Closing never loses the case: when the user wants it saved and it is not, the window stays open.
void frmMain::closeEvent(QCloseEvent* event) {
    const UserPrompt::Button answer = prompt_.showMessage(
        this, {QStringLiteral("Save Dialog"),
               QStringLiteral("Save Input Data before closing?"),
               {UserPrompt::Button::Yes, UserPrompt::Button::No, UserPrompt::Button::Cancel},
               UserPrompt::Icon::Question});
    if (answer == UserPrompt::Button::Cancel || (answer == UserPrompt::Button::Yes && !saveInputData())) {
        event->ignore();
        return;
    }
    for (QDialog* dialog : std::initializer_list<QDialog*>{pavement_, axle_, environment_, about_, userGuide_,
                                                           designChart_, fatigue_, plateModel_}) {
        if (dialog != nullptr) {
            dialog->hide();
        }
    }
    saveWindowLayout(*this, *reportArea_);
    event->accept();
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFile(*event->mimeData(), OpenedSuffixes).isEmpty()) {
        event->acceptProposedAction();
    }
}

void frmMain::dropEvent(QDropEvent* event) {
    const QString path = droppedFile(*event->mimeData(), OpenedSuffixes);
    if (!path.isEmpty()) {
        event->acceptProposedAction();
        openCaseFile(path);
    }
}

} // namespace korvanex
