#include "app/main_window.h"

#include "app/closing_files.h"
#include "app/control_layout.h"
#include "app/menus.h"
#include "app/race_tree_view.h"
#include "app/recent_races_menu.h"
#include "app/resource_images.h"
#include "databases/ui/database_editors.h"
#include "display/display_settings_check.h"
#include "app/help_guide.h"
#include "platform/document_viewer.h"
#include "platform/text_room.h"
#include "storage/encoding.h"
#include "storage/race_file.h"
#include "storage/race_lifecycle.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace ksy {
namespace {

QString qs(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

QString imagePath(const WorkFolder& folder, int resource)
{
    return qs(folder.file(resourceImageFile(resource)).string());
}

ContextMenu toContextMenu(TreeContextMenu menu)
{
    switch (menu) {
    case TreeContextMenu::Track:
        return ContextMenu::Track;
    case TreeContextMenu::Category:
        return ContextMenu::Category;
    case TreeContextMenu::Participants:
        return ContextMenu::Participants;
    case TreeContextMenu::RaceOptions:
        return ContextMenu::RaceOptions;
    case TreeContextMenu::HeatComposition:
        return ContextMenu::HeatComposition;
    case TreeContextMenu::None:
        break;
    }
    return ContextMenu::None;
}

// Buttons that are commands: they follow the router like the menu items.
bool isCommandButton(int id)
{
    return (id >= 2001 && id <= 2003) || (id >= 2201 && id <= 2220) || id == 2105 || id == 6000 ||
        id == cmd::ResultsButton;
}

} // namespace

MainWindow::MainWindow(WorkFolder folder, AppServices services, QSize screenSize)
    : folder_(std::move(folder))
    , services_(services)
    , raceFiles_(folder_, race_, services.prompts, services.files, *this)
    , screen_(screenSize)
{
    setObjectName(QStringLiteral("Kestrametrix"));
    setWindowTitle(QStringLiteral("Kestrametrix"));
    setWindowIcon(QIcon(imagePath(folder_, 1)));
    openDocument_ = [](const QString& path) {
        return openWithDesktopViewer(path, QStringLiteral("application/pdf"));
    };

    registerCommands();
    menus_ = new MainMenus(menuBar(), router_, folder_, this);
    connect(menus_, &MainMenus::commandChosen, this, &MainWindow::runCommand);
    if (QAction* quit = menus_->action(cmd::Quit)) {
        // Between the save commands and "Quitter", in the room left for it.
        QMenu* file = menuBar()->actions().constFirst()->menu();
        const QList<QAction*> items = file->actions();
        const qsizetype at = items.indexOf(quit);
        QAction* before = at > 0 && items[at - 1]->isSeparator() ? items[at - 1] : quit;
        recent_ = new RecentRacesMenu(file, before, folder_.file(kRecentRacesFile), raceFiles_, this);
    }

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setAutoFillBackground(true);
    client_->installEventFilter(this);
    setCentralWidget(client_);

    // The creation steps, in their order.
    createRace();
    loadDatabasesAndSettings();
    tree_ = new RaceTreeView(folder_, client_);
    connect(tree_, &RaceTreeView::categoryRenamed, this, &MainWindow::onCategoryRenamed);
    connect(tree_, &RaceTreeView::selectionChanging, this, [this](int) {
        // A heat the disk refused is said in its own words, which cover the
        // selection written with it.
        if (!storeShownHeat())
            headerWriteTold_ = true;
        treeNotification();
    });
    connect(tree_, &RaceTreeView::selectionChangedTo, this, &MainWindow::onSelectionChanged);
    connect(tree_, &RaceTreeView::categoryExpanded, this, [this](int) {
        treeNotification();
        storeShownHeat();
        resetBoard();
    });
    connect(tree_, &RaceTreeView::rightClicked, this, [this](const QPoint& at) {
        treeNotification();
        showContextMenu(treeContextMenuNow(), at);
    });
    applyDisplayColours();
    rebuildTree();
    createChildControls(screenSize);
    placeTree();
    refreshCommands();
    // The program's parts register their commands after the window exists.
    router_.setOnChange([this] { refreshCommands(); });

    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &MainWindow::onTick);
}

MainWindow::~MainWindow() = default;

void MainWindow::createRace()
{
    // The race of the previous run survives in "PcCrashRace.race".
    const CrashCopy copy = keepCrashCopy(folder_);
    crashCopyMade_ = copy == CrashCopy::Copied;
    if (copy == CrashCopy::Failed) {
        // Without its copy the previous race would be lost under a new one:
        // it stays the working race.
        services_.prompts.error(kCrashCopyFailed);
        previousRaceKept_ = true;
        if (!loadRace(workingRaceFile(folder_), race_))
            services_.prompts.error(std::string(kCannotOpenRaceFile));
        return;
    }
    std::error_code ec;
    std::filesystem::create_directories(workingRaceFile(folder_).parent_path(), ec);
    if (!createNewRaceFile(workingRaceFile(folder_), race_))
        services_.prompts.error(std::string(kCannotOpenRaceFile));
}

void MainWindow::loadDatabasesAndSettings()
{
    loadCourseDatabase(folder_, services_.prompts, databases_.courses);
    loadTransponderPackDatabase(folder_, services_.prompts, databases_.packs);
    if (!readSoundSettings(folder_.file(kSoundSettingsFile), soundSettings_))
        services_.prompts.error(std::string(kSoundSettingsError));
    // A file that is missing or damaged is said; the shipped theme takes its
    // place and is written back, so that the board is never drawn black.
    const auto displayFile = folder_.file(displayFile_);
    const DisplaySettingsLoad display = loadDisplaySettings(displayFile, display_);
    if (display.status != DisplaySettingsStatus::Read) {
        services_.prompts.error(displaySettingsLoadText(display, displayFile, true));
        display_ = shippedDisplaySettings();
        if (!writeDisplaySettings(displayFile, display_))
            services_.prompts.error(std::string(kDisplaySettingsError));
    }
}

void MainWindow::applyDisplayColours()
{
    auto colour = [](Colour c) { return QColor(redOf(c), greenOf(c), blueOf(c)); };
    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window, colour(display_.colours[0]));
    client_->setPalette(palette);
    QPalette treePalette = tree_->palette();
    treePalette.setColor(QPalette::Base, colour(display_.colours[1]));
    tree_->setPalette(treePalette);
}

void MainWindow::createChildControls(QSize screen)
{
    const QFont stripFont = [] {
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(16);
        f.setWeight(QFont::Bold);
        return f;
    }();
    for (const ControlSpec& spec : mainWindowControls(screen.width(), screen.height())) {
        QWidget* w = nullptr;
        const QString text = QCoreApplication::translate("MainWindow", spec.text.c_str());
        switch (spec.kind) {
        case ControlKind::PushButton: {
            auto* b = new QPushButton(client_);
            const int bitmap = spec.id == 2001 ? 2
                : spec.id == 2002              ? 3
                : spec.id == 2003              ? 4
                : spec.id == 6101              ? 17
                : spec.id == 6000              ? 18
                                               : 0;
            if (bitmap != 0) {
                // A bitmap button shows its image; its text stays its name.
                b->setIcon(QIcon(imagePath(folder_, bitmap)));
                b->setIconSize(QSize(32, 32));
                b->setAccessibleName(text);
                b->setToolTip(text);
            } else {
                b->setText(text);
            }
            const int id = spec.id;
            connect(b, &QPushButton::clicked, this, [this, id] { runCommand(id); });
            w = b;
            break;
        }
        case ControlKind::ReadOnlyEdit: {
            auto* e = new QLineEdit(text, client_);
            e->setReadOnly(true);
            // Labels and displays: the window's first focus must not land on
            // "Départ" and show its text selected.
            e->setFocusPolicy(Qt::NoFocus);
            if (spec.id != 2106)
                e->setAlignment(Qt::AlignCenter);
            w = e;
            break;
        }
        case ControlKind::GroupBox:
            w = new QGroupBox(text, client_);
            break;
        case ControlKind::RadioButton:
            w = new QRadioButton(text, client_);
            break;
        case ControlKind::ComboBox: {
            auto* c = new QComboBox(client_);
            c->setAccessibleName(text);
            w = c;
            break;
        }
        case ControlKind::PushCheckBox: {
            auto* b = new QPushButton(text, client_);
            b->setCheckable(true);
            const int id = spec.id;
            connect(b, &QPushButton::clicked, this, [this, id] { runCommand(id); });
            w = b;
            break;
        }
        case ControlKind::ScrollBar:
            w = new QScrollBar(Qt::Vertical, client_);
            break;
        case ControlKind::TreeView:
            break;
        }
        if (!w)
            continue;
        w->setObjectName(spec.id != 0                 ? QString::number(spec.id)
                : spec.kind == ControlKind::ScrollBar ? QStringLiteral("boardScrollBar")
                                                      : QStringLiteral("numberedButtonsFrame"));
        // A combo box is as high as its text; the table's height is its list's.
        const int height =
            spec.kind == ControlKind::ComboBox ? w->sizeHint().height() : spec.height;
        w->setGeometry(spec.x, spec.y, spec.width, height);
        if ((spec.id >= 2004 && spec.id <= 2006) || (spec.id >= 2101 && spec.id <= 2106) ||
            (spec.id >= 2221 && spec.id <= 2223))
            w->setFont(stripFont);
        if (spec.id != 0)
            controls_[spec.id] = w;
    }
    controls_.at(2106)->setObjectName(QStringLiteral("2106"));
    static_cast<QRadioButton*>(controls_.at(2101))->setChecked(true);
    auto* packs = static_cast<QComboBox*>(controls_.at(2104));
    for (const TransponderPack& pack : databases_.packs)
        packs->addItem(qs(cp1252ToUtf8(pack.label)));
    packs->setCurrentIndex(0);
    // The transponder strip's widths were made for another font: what a text
    // needs more widens its control and moves its line along.
    const auto strip = [this](std::initializer_list<int> ids) {
        std::vector<QWidget*> line;
        for (int id : ids)
            line.push_back(controls_.at(id));
        return line;
    };
    fitLineToTexts(strip({2101, 2102, 2104}));
    fitLineToTexts(strip({2103, 2105, 2106}));
    growFrameAround(controls_.at(2223), strip({2102, 2104, 2106}), 8);
    for (int id : {2104, 2105, 2106})
        controls_.at(id)->hide();
    findChild<QScrollBar*>(QStringLiteral("boardScrollBar"))->hide();
}

QWidget* MainWindow::control(int id) const
{
    if (id == 4000)
        return tree_;
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

void MainWindow::placeTree()
{
    tree_->setGeometry(
        kTreeX, kTreeY, kTreeWidth, std::max(0, client_->height() - kTreeHeightMargin));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == client_ && event->type() == QEvent::Resize && tree_)
        placeTree();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::registerCommands()
{
    router_.add(cmd::NewRace, [this] { raceFiles_.newRace(); });
    router_.add(cmd::LoadRace, [this] { raceFiles_.loadRace(); });
    router_.add(cmd::Save, [this] { raceFiles_.save(); });
    router_.add(cmd::SaveAs, [this] { raceFiles_.saveAs(); });
    router_.add(cmd::Quit,
        [this] { QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection); });
    router_.add(cmd::Help, [this] { openHelp(); });
    router_.add(cmd::NewCategory, [this] { addCategory(); });
    router_.add(cmd::RenameCategory, [this] { tree_->editSelectedLabel(); });
    router_.add(cmd::ResultsButton, [this] { showContextMenu(ContextMenu::Heat, QCursor::pos()); });
    // The database editors; after "Parcours" and "Transpondeurs" the tables
    // the window keeps are read again.
    for (const int id : {cmd::TrackDatabase, cmd::ClubDatabase, cmd::PilotDatabase,
             cmd::PackDatabase, cmd::FrequencyDatabase})
        router_.add(id, [this, id] {
            runDatabaseCommand(id, this, folder_, services_.prompts, services_.files, databases_);
        });
}

void MainWindow::runCommand(int id)
{
    if (runActive() && greyedWhileRunning(id))
        return;
    // What is greyed is refused, from a script as from a click.
    if (locked_ && locked_(id))
        return;
    if (id == cmd::Save && !raceFiles_.named())
        return;
    router_.dispatch(id);
    refreshCommands();
}

void MainWindow::refreshCommands()
{
    const bool active = runActive();
    menus_->refresh(raceFiles_.named(), active);
    const auto locked = [this](int id) { return locked_ && locked_(id); };
    for (int id = cmd::EditHeatResults; id <= cmd::HeatSheetSpreadsheet; ++id)
        if (QAction* a = menus_->action(id); a && locked(id))
            a->setEnabled(false);
    for (auto& [id, widget] : controls_) {
        if (isCommandButton(id))
            widget->setEnabled(router_.has(id) && !locked(id));
        else if (id >= 2101 && id <= 2104)
            widget->setEnabled(!locked(id));
    }
    if (tree_)
        tree_->setEnabled(!active);
    if (recent_)
        recent_->setEnabled(!active);
}

void MainWindow::onTreeSelection(TreeItemKind kind, std::function<void(int)> handler)
{
    selectionHandlers_[kind] = std::move(handler);
}

void MainWindow::startTimer()
{
    sinceTimerStart_.start();
    timer_.start();
}

void MainWindow::connectDecoder()
{
    // Reading the interface settings, opening the decoder's port and
    // identifying the decoder happen here, once the window is shown.
}

void MainWindow::showImportantNotice()
{
    // The notice is about a fault of Windows 11's printing.
#ifdef Q_OS_WIN
    services_.prompts.message(kImportantNoticeTitle, kImportantNotice, PromptIcon::Exclamation);
#endif
}

void MainWindow::onTick()
{
    // A box or a sound played to its end runs its own event loop, which keeps
    // delivering ticks: they must not stack up inside the one being handled.
    if (inTick_)
        return;
    inTick_ = true;
    ++tickCount_;
    if (tick_)
        tick_(services_.clock.milliseconds());
    if (afterTick_)
        afterTick_();
    if (quitAfterMs_ && !quitPosted_ && sinceTimerStart_.elapsed() >= *quitAfterMs_) {
        quitPosted_ = true;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    }
    inTick_ = false;
}

bool MainWindow::treeNotification()
{
    const auto file = workingRaceFile(folder_);
    RaceHeader header;
    if (!readRaceHeader(file, header)) {
        services_.prompts.error(std::string(kCannotOpenRaceFile));
        return false;
    }
    race_.header = header;
    if (const int code = tree_->selectedCode(); code != 0)
        race_.header.selection = code;
    writeSelection(header.selection);
    return true;
}

bool MainWindow::writeSelection(int inFile)
{
    if (writeRaceHeader(workingRaceFile(folder_), race_.header)) {
        headerUnwritten_ = false;
        // Only a write that changed the file shows the disk takes writes
        // again; the same bytes written again cost no room.
        if (inFile != race_.header.selection)
            headerWriteTold_ = false;
        return true;
    }
    // The file opened a moment ago: its write failed (a full disk). Said
    // once until a write goes through; every selection and store retries it.
    headerUnwritten_ = true;
    if (!headerWriteTold_)
        services_.prompts.error(
            tr("Erreur: la sélection n'est pas encore enregistrée dans la course (impossible "
               "d'écrire le fichier Course, disque plein ?). Elle sera enregistrée de nouveau "
               "au prochain enregistrement.")
                .toStdString());
    headerWriteTold_ = true;
    return false;
}

ContextMenu MainWindow::treeContextMenuNow() const
{
    const int code = tree_->selectedCode();
    const int c = categoryOfCode(code);
    const int participants =
        c >= 1 && c <= race_.categoryCount() ? race_.category(c).participants : 0;
    return toContextMenu(treeContextMenu(code, participants));
}

void MainWindow::showContextMenu(ContextMenu which, const QPoint& globalPos)
{
    if (which == ContextMenu::None)
        return;
    if (QMenu* menu = menus_->context(which))
        menu->popup(globalPos);
}

void MainWindow::onSelectionChanged(int code)
{
    treeNotification();
    const auto it = selectionHandlers_.find(treeItemKind(code));
    if (it != selectionHandlers_.end())
        it->second(code);
}

void MainWindow::onCategoryRenamed(int code, const QString& text)
{
    const int c = categoryOfCode(code);
    if (treeNotification() && c >= 1 && c <= race_.categoryCount()) {
        const auto bytes = utf8ToCp1252(text.toStdString());
        // An empty name would leave the category without a label.
        if (bytes && !bytes->empty() && race_.renameCategory(c, *bytes) &&
            !writeRaceHeader(workingRaceFile(folder_), race_.header))
            services_.prompts.error(std::string(kCannotOpenRaceFile));
    }
    if (c >= 1 && c <= race_.categoryCount())
        tree_->setLabel(code, qs(cp1252ToUtf8(race_.category(c).name)));
}

void MainWindow::openHelp()
{
    const auto guide = helpGuideFile(folder_, currentInterfaceLanguage());
    const auto u8 = guide.u8string();
    const std::string path(u8.begin(), u8.end());
    std::error_code ec;
    if (!std::filesystem::is_regular_file(guide, ec))
        services_.prompts.error("Erreur: le guide est introuvable: " + path);
    else if (!openDocument_(qs(path)))
        services_.prompts.error("Erreur: aucun lecteur de PDF n'est installé pour ouvrir le "
                                "guide.\nLe guide est le fichier " +
            path);
}

void MainWindow::addCategory()
{
    if (!race_.addCategory())
        return;
    if (!writeRaceHeader(workingRaceFile(folder_), race_.header))
        services_.prompts.error(std::string(kCannotOpenRaceFile));
    tree_->appendItems(categoryTreeItems(race_, race_.categoryCount()));
}

// --- RaceFileView ---

void MainWindow::showTitle(const std::string& titleUtf8)
{
    setWindowTitle(qs(titleUtf8));
}

void MainWindow::setSaveEnabled(bool)
{
    refreshCommands();
}

void MainWindow::resetBoard()
{
    if (resetBoard_)
        resetBoard_();
}

void MainWindow::reloadSoundSettings()
{
    if (!readSoundSettings(folder_.file(kSoundSettingsFile), soundSettings_))
        services_.prompts.error(std::string(kSoundSettingsError));
}

void MainWindow::reloadRaceTree()
{
    if (!loadRace(workingRaceFile(folder_), race_))
        services_.prompts.error(std::string(kCannotOpenRaceFile));
    rebuildTree();
}

void MainWindow::rebuildTree()
{
    tree_->showItems(buildRaceTree(race_));
    const int selection = race_.header.selection;
    const int category = categoryOfCode(selection);
    if (race_.categoryCount() >= 1)
        tree_->expandCategory(
            category >= 1 && category <= race_.categoryCount() ? 10000 * category : 10000);
    // What is highlighted is what is shown: a heat is loaded as a click
    // would load it; an item whose click opens a dialog is not highlighted
    // (a click on it could not open it any more), its category is instead.
    switch (treeItemKind(selection)) {
    case TreeItemKind::Heat:
        tree_->setInitialSelection(selection);
        if (tree_->selectedCode() == selection)
            onSelectionChanged(selection);
        break;
    case TreeItemKind::Participant:
    case TreeItemKind::RoundRanking:
    case TreeItemKind::GlobalRanking:
        tree_->setInitialSelection(10000 * category);
        break;
    default:
        tree_->setInitialSelection(selection);
        break;
    }
}

bool MainWindow::storeShownHeat()
{
    // The selection the disk refused is written again first.
    if (headerUnwritten_) {
        RaceHeader header;
        if (readRaceHeader(workingRaceFile(folder_), header)) {
            const int inFile = header.selection;
            header.selection = race_.header.selection;
            race_.header = header;
            writeSelection(inFile);
        }
    }
    return !storeHeat_ || storeHeat_();
}

// --- Closing ---

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (destroyed_) {
        event->accept();
        return;
    }
    if (runActive()) {
        services_.prompts.message("Kestrametrix", kCloseRefused, PromptIcon::Stop);
        event->ignore();
        return;
    }
    // The working file keeps the shown heat whatever the answer: it is the
    // copy the next start recovers from.
    storeShownHeat();
    // A new race never changed holds nothing to save.
    const Answer answer = raceFiles_.untouchedNewRace()
        ? Answer::No
        : services_.prompts.askYesNoCancel(kQuestionTitle, kQuitQuestion);
    switch (answer) {
    case Answer::Cancel:
        event->ignore();
        return;
    case Answer::Yes:
        // A save that failed leaves the window open to save elsewhere.
        if (!raceFiles_.saveBeforeQuit()) {
            event->ignore();
            return;
        }
        break;
    case Answer::No:
        break;
    }
    destroySequence();
    event->accept();
}

void MainWindow::endWithoutQuestion()
{
    if (destroyed_)
        return;
    storeShownHeat();
    if (raceFiles_.named())
        raceFiles_.saveBeforeQuit();
    destroySequence();
}

void MainWindow::destroySequence()
{
    destroyed_ = true;
    writeClosedHeatDetail(folder_, services_.prompts);
    if (!writeDisplaySettings(folder_.file(displayFile_), display_))
        services_.prompts.error(std::string(kDisplaySettingsError));
    timer_.stop();
}

} // namespace ksy
