#include "app/main_window.h"

#include "app/closing_files.h"
#include "app/control_layout.h"
#include "app/menus.h"
#include "app/race_tree_view.h"
#include "app/resource_images.h"
#include "databases/ui/database_editors.h"
#include "storage/encoding.h"
#include "storage/race_file.h"
#include "storage/race_lifecycle.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QUrl>

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
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    };

    registerCommands();
    menus_ = new MainMenus(menuBar(), router_, folder_, this);
    connect(menus_, &MainMenus::commandChosen, this, &MainWindow::runCommand);

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
        treeNotification();
        storeShownHeat();
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
    if (copy == CrashCopy::Failed)
        services_.prompts.error("Erreur: impossible de copier la course précédente dans "
                                "PcCrashRace.race");
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
    // Without a readable file the window keeps its grey and the tree white.
    display_.colours[0] = rgb(200, 200, 200);
    display_.colours[1] = rgb(255, 255, 255);
    if (!readDisplaySettings(folder_.file(displayFile_), display_))
        services_.prompts.error(std::string(kDisplaySettingsError));
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
        const QString text = qs(spec.text);
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
    router_.add(cmd::Help,
        [this] { openDocument_(qs(folder_.file("Guides/HelpSandYachtingFR.pdf").string())); });
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
    for (auto& [id, widget] : controls_) {
        if (isCommandButton(id))
            widget->setEnabled(router_.has(id) && !locked(id));
        else if (id >= 2101 && id <= 2104)
            widget->setEnabled(!locked(id));
    }
    if (tree_)
        tree_->setEnabled(!active);
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
    services_.prompts.message(kImportantNoticeTitle, kImportantNotice, PromptIcon::Exclamation);
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
    if (!writeRaceHeader(file, race_.header))
        services_.prompts.error(std::string(kCannotOpenRaceFile));
    return true;
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
    if (race_.categoryCount() >= 1)
        tree_->expandCategory(10000);
    tree_->setInitialSelection(race_.header.selection);
}

void MainWindow::storeShownHeat()
{
    if (storeHeat_)
        storeHeat_();
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
    switch (services_.prompts.askYesNoCancel(kQuestionTitle, kQuitQuestion)) {
    case Answer::Cancel:
        event->ignore();
        return;
    case Answer::Yes:
        raceFiles_.saveBeforeQuit();
        break;
    case Answer::No:
        break;
    }
    destroySequence();
    event->accept();
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
