#include "app/race_control.h"

#include "app/heat_title_text.h"
#include "app/main_window.h"
#include "app/race_tree_view.h"
#include "app/rest_display.h"
#include "databases/database_writers.h"
#include "display/board_sources.h"
#include "display/result_edit_apply.h"
#include "display/ui/board_widget.h"
#include "planning/race_track.h"
#include "platform/background_journal_writer.h"
#include "results/pilot_result_file.h"
#include "services/translate.h"
#include "storage/encoding.h"
#include "storage/race_file.h"
#include "timing/decoder_link.h"
#include "timing/sound_moments.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCursor>
#include <QDateTime>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>
#include <array>
#include <cstdio>

namespace ksy {
namespace {

QString qs(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

LocalDateTime systemLocalTime()
{
    const QDateTime now = QDateTime::currentDateTime();
    return {now.date().year(), now.date().month(), now.date().day(), now.time().hour(),
        now.time().minute()};
}

std::int32_t editedValueOf(const StandingRow& row, EditedValue what)
{
    switch (what) {
    case EditedValue::Laps:
        return row.passingCount;
    case EditedValue::TotalTime:
        return row.totalTime;
    case EditedValue::LastLap:
        return row.lastLap;
    case EditedValue::BestLap:
        return row.bestLap;
    }
    return 0;
}

// The course of the race's track in the course database, if it is one.
const Course* raceCourse(const Race& race, const std::vector<Course>& courses)
{
    const auto it = std::find_if(courses.begin(), courses.end(),
        [&](const Course& c) { return !race.trackName.empty() && c.name == race.trackName; });
    return it == courses.end() ? nullptr : &*it;
}

} // namespace

RaceControl::RaceControl(
    MainWindow& window, WorkFolder folder, AppServices services, DecoderLink* link)
    : window_(window)
    , folder_(std::move(folder))
    , services_(services)
    , link_(link)
    , session_(folder_)
{
    if (link_)
        decoder_ = std::make_unique<LinkedHeatDecoder>(*link_);
    else
        decoder_ = std::make_unique<NoHeatDecoder>(services_.clock);
    run_ = std::make_unique<HeatRun>(
        services_.clock, *decoder_, services_.sounds, services_.prompts, folder_);
    scan_ = std::make_unique<TransponderScan>(services_.clock, *decoder_, services_.sounds);
    journalWriter_ = std::make_unique<BackgroundJournalWriter>();
    journal_ = std::make_unique<HeatJournal>(folder_, *run_, *decoder_, *journalWriter_);
    follower_ = std::make_unique<HeatDescriptionFollower>(session_, *run_, journal_.get());
    run_->setListener(follower_.get());
    run_->setLocalTime(journal_->recordingLocalTime(systemLocalTime));
    // A new track record is written into the course database when the heat stops.
    run_->setCourseDatabaseWriter([this](const TrackRecord& track) {
        std::vector<Course>& courses = window_.mutableDatabases().courses;
        Course* course = const_cast<Course*>(raceCourse(window_.race(), courses));
        if (!course)
            return true;
        course->lapRecordMs = track.recordMs;
        course->recordHolder = track.holder;
        course->lapRecordText = track.recordText;
        return writeCourses(folder_.file(kCourseFile), courses);
    });
    applySounds();
    applyTrack();

    wireBoard();
    wireStrip();
    window_.setTickHandler([this](std::int64_t now) { tick(now); });
    window_.setRunActiveQuery([this] { return active(); });
    window_.setControlLock([this](int id) { return controlLocked(id); });
    window_.refreshCommands();
    repaint();
}

RaceControl::~RaceControl()
{
    // The window may outlive this object: its hooks are taken back.
    window_.setTickHandler([](std::int64_t) {});
    window_.setRunActiveQuery([] { return false; });
    window_.setControlLock([](int) { return false; });
}

void RaceControl::wireBoard()
{
    QWidget* client = window_.clientArea();
    board_ = new BoardWidget(folder_, client);
    board_->setObjectName(QStringLiteral("board"));
    board_->setScreenSize(window_.screenSize().width(), window_.screenSize().height());
    board_->setStyle(boardStyle(window_.displaySettings()));
    board_->setColumnWidths(boardColumnWidths(window_.displaySettings()));
    placeBoard();
    board_->lower();
    board_->show();
    connect(board_, &BoardWidget::columnWidthsChanged, this,
        [this] { storeColumnWidths(board_->columnWidths(), window_.mutableDisplaySettings()); });
    connect(board_, &BoardWidget::resultCellClicked, this, &RaceControl::resultCellClicked);
    connect(board_, &BoardWidget::resultEdited, this, &RaceControl::resultEdited);
    connect(board_, &BoardWidget::rowClicked, this, &RaceControl::rowClicked);
    connect(board_, &BoardWidget::clickEnded, this, [this] { repaint(); });
    // Resizing the client area resizes the board with it.
    struct Follow : QObject {
        RaceControl* owner;
        explicit Follow(RaceControl* o)
            : QObject(o)
            , owner(o)
        {
        }
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Resize)
                owner->placeBoard();
            return false;
        }
    };
    client->installEventFilter(new Follow(this));
}

void RaceControl::placeBoard()
{
    board_->setGeometry(window_.clientArea()->rect());
}

void RaceControl::wireStrip()
{
    CommandRouter& r = window_.commands();
    r.add(2001, [this] { depart(); });
    r.add(2002, [this] {
        run_->arret();
        showNotices();
    });
    r.add(2003, [this] { run_->effacer(); });
    for (int k = 1; k <= 20; ++k)
        r.add(2200 + k, [this, k] { run_->manualPassing(k); });
    r.add(transpondercontrol::Scan, [this] { pressScan(); });
    r.add(6102, [this] {
        if (!session_.showsHeat())
            return;
        modes_.endClubChoice();
        setResultEditing(true);
    });

    const std::pair<int, TransponderMode> radios[] = {
        {transpondercontrol::Personal, TransponderMode::Personal},
        {transpondercontrol::Club, TransponderMode::Club},
        {transpondercontrol::Mixed, TransponderMode::Mixed}};
    for (const auto& [id, mode] : radios) {
        auto* radio = static_cast<QAbstractButton*>(window_.control(id));
        const TransponderMode m = mode;
        connect(radio, &QAbstractButton::clicked, this, [this, m] { chooseMode(m); });
    }
    auto* packs = static_cast<QComboBox*>(window_.control(transpondercontrol::Pack));
    connect(packs, &QComboBox::activated, this, [this](int index) {
        modes_.selectPack(index, active());
        showModeControls();
    });

    restDisplay_ = createRestDisplay(
        window_.clientArea(), window_.screenSize().width(), window_.screenSize().height());

    clubList_ = new QComboBox(window_.clientArea());
    clubList_->setObjectName(QString::number(transpondercontrol::ClubList));
    clubList_->hide();
    connect(clubList_, &QComboBox::activated, this, [this](int index) {
        clubList_->hide();
        if (clubListRow_ < 0 || index < 0)
            return;
        RunEntryTable t = run_->entries();
        Standings s = run_->standings();
        const std::string text =
            utf8ToCp1252(clubList_->itemText(index).toStdString()).value_or(std::string());
        if (chooseClubTransponder(t, s, clubListRow_, text))
            run_->loadHeat(t);
        clubListRow_ = -1;
        repaint();
    });
}

void RaceControl::depart()
{
    // Only a loaded heat with a pilot is run: an empty one would be stored
    // as run and lock its category's participant list.
    if (!session_.showsHeat())
        return;
    if (run_->entries().pilotCount() == 0) {
        services_.prompts.message("Kestrametrix", kHeatWithoutPilot, PromptIcon::Exclamation);
        return;
    }
    // The journal names the heat, so that a recovery finds it in the race.
    journal_->setHeatCode(heatSelectionCode(session_.heat()));
    // The controls are locked as soon as the heat is armed, before anything
    // else can be clicked.
    run_->depart();
    if (active() != wasActive_) {
        wasActive_ = active();
        window_.refreshCommands();
    }
    showNotices();
}

namespace {
constexpr std::array<int, 7> kHeatCommands = {2001, 6000, 6102, 6103, 6104, 6105, 6106};
} // namespace

bool RaceControl::controlLocked(int id) const
{
    const auto in = [id](const auto& ids) {
        return std::find(ids.begin(), ids.end(), id) != ids.end();
    };
    if (run_->active())
        return in(kControlsLockedWhileRunning) || in(kMenuItemsLockedWhileRunning);
    if (scan_->active())
        return in(kControlsLockedWhileScanning) || in(kMenuItemsLockedWhileRunning);
    // Without a heat on the board these have nothing to act on.
    return !session_.showsHeat() && in(kHeatCommands);
}

void RaceControl::tick(std::int64_t now)
{
    const std::vector<Passing> late =
        link_ ? link_->tick(run_->heatElapsedMs()) : std::vector<Passing> {};
    // Passings read while the link reconnected go to whichever is active.
    if (!late.empty() && scan_->active() && !run_->active())
        scanEvent(scan_->handlePassings(late));
    else
        run_->handlePassings(late, now);
    run_->tick(now);
    if (!run_->active()) {
        if (scan_->active())
            scanEvent(scan_->tick());
        else if (link_ && !(idleBlocked_ && idleBlocked_()))
            link_->discardReceived();
    }
    showNotices();
    if (active() != wasActive_) {
        wasActive_ = active();
        window_.refreshCommands();
    }
    if (run_->changeCount() != shownRunChanges_ || scan_->changeCount() != shownScanChanges_)
        repaint();
}

void RaceControl::showNotices()
{
    for (std::string text : {run_->takeNotice(), journal_->takeNotice()}) {
        if (text.empty())
            continue;
        QMetaObject::invokeMethod(
            this,
            [this, text] {
                const bool error = text.rfind("Erreur", 0) == 0;
                services_.prompts.message(error ? "Erreur" : "Message", text,
                    error ? PromptIcon::Stop : PromptIcon::Exclamation);
            },
            Qt::QueuedConnection);
    }
}

void RaceControl::repaint()
{
    shownRunChanges_ = run_->changeCount();
    shownScanChanges_ = scan_->changeCount();
    // Without a heat the board is as empty as at start-up.
    static const Standings noRows {};
    const Standings& rows = scan_->active() ? scan_->standings()
        : session_.showsHeat()              ? run_->standings()
                                            : noRows;
    BoardInputs in = boardInputs(run_->texts(), rows, boardTitle(), radioConflict_);
    if (session_.showsHeat()) {
        // " <category> - Manche%d - Série%d ", then the run's title.
        const HeatHeadings& h = session_.headings();
        std::string board = cp1252ToUtf8(h.board);
        std::string round = cp1252ToUtf8(h.roundAndHeat);
        // The round and the heat in the official's language; the headings
        // themselves go into files and stay French.
        int roundNumber = 0;
        int heatNumber = 0;
        if (std::sscanf(
                h.roundAndHeat.c_str(), "Manche%d - S\xE9rie%d", &roundNumber, &heatNumber) == 2) {
            const std::string pattern = translate("Board", "Manche%1 - Série%2");
            std::string shown =
                fillText(pattern, {std::to_string(roundNumber), std::to_string(heatNumber)});
            if (board.ends_with(" - " + round + " ")) {
                board.replace(board.size() - round.size() - 1, round.size(), shown);
                round = std::move(shown);
            }
        }
        const auto first = board.find_first_not_of(' ');
        const std::string name = first == std::string::npos
            ? std::string()
            : board.substr(first, board.find_last_not_of(' ') + 1 - first);
        if (name.size() >= round.size() + 3 && name.ends_with(" - " + round))
            in.heatCategory = name.substr(0, name.size() - round.size() - 3);
        in.heatRoundAndHeat = round;
        in.heatDetails = in.heatTitle;
        in.heatTitle = in.heatDetails.empty() ? board : board + "- " + in.heatDetails;
    }
    showRest(*restDisplay_, in.rest);
    in.rest.shown = false; // the strip shows it, where the tree cannot cover it
    board_->setInputs(in);
}

std::string RaceControl::boardTitle() const
{
    if (!session_.showsHeat())
        return {};
    // The run's own title once it has started; afterwards the one stored with
    // the heat ("." once erased); the heat's name before it ever ran.
    // The heat's name goes before it (refresh()).
    if (run_->state().running)
        return shownHeatTitle(cp1252ToUtf8(run_->texts().title));
    const std::string& stored = session_.texts().description;
    return stored == "." ? std::string() : shownHeatTitle(cp1252ToUtf8(stored));
}

void RaceControl::showHeat(bool radioConflict)
{
    radioConflict_ = radioConflict;
    board_->closeFields();
    clubList_->hide();
    repaint();
}

void RaceControl::closeOverlays()
{
    board_->closeFields();
    clubList_->hide();
}

void RaceControl::clearBoard()
{
    session_.forget();
    run_->loadHeat(RunEntryTable {});
    radioConflict_ = false;
    board_->closeFields();
    clubList_->hide();
    repaint();
}

void RaceControl::applySounds()
{
    run_->setSoundChoices(window_.soundSettings().choices());
}

void RaceControl::applyTrack()
{
    TrackRecord track;
    if (const Course* c = raceCourse(window_.race(), window_.databases().courses)) {
        track.inDatabase = true;
        track.recordMs = c->lapRecordMs;
        track.holder = c->recordHolder;
        track.recordText = c->lapRecordText;
    }
    run_->setTrack(track);
    // The race's own lap protection, kept with its track.
    RaceTrack raceTrack;
    if (readRaceTrack(workingRaceFile(folder_), raceTrack))
        run_->setLapProtectionSeconds(raceTrack.lapProtectionSeconds);
}

void RaceControl::applyDisplaySettings()
{
    board_->setStyle(boardStyle(window_.displaySettings()));
    board_->setColumnWidths(boardColumnWidths(window_.displaySettings()));
    repaint();
}

void RaceControl::setResultEditing(bool on)
{
    board_->setResultEditing(on);
}

void RaceControl::chooseMode(TransponderMode mode)
{
    if (modes_.choose(mode, active())) {
        setResultEditing(false);
        if (mode == TransponderMode::Personal) {
            RunEntryTable t = run_->entries();
            session_.assignTransponders(t, mode);
            run_->loadHeat(t);
        }
    }
    showModeControls();
    repaint();
}

void RaceControl::showModeControls()
{
    const TransponderControls c = modes_.controls();
    window_.control(transpondercontrol::Pack)->setVisible(c.packShown);
    window_.control(transpondercontrol::Scan)->setVisible(c.scanShown);
    window_.control(transpondercontrol::Status)->setVisible(c.statusShown);
    const int checked = modes_.mode() == TransponderMode::Personal ? transpondercontrol::Personal
        : modes_.mode() == TransponderMode::Club                   ? transpondercontrol::Club
                                                                   : transpondercontrol::Mixed;
    static_cast<QRadioButton*>(window_.control(checked))->setChecked(true);
    if (modes_.pack())
        static_cast<QComboBox*>(window_.control(transpondercontrol::Pack))
            ->setCurrentIndex(*modes_.pack());
}

void RaceControl::pressScan()
{
    scanEvent(scan_->press(run_->entries(), session_.showsHeat(), run_->active()));
}

void RaceControl::scanEvent(ScanEvent event)
{
    if (event == ScanEvent::Finished || event == ScanEvent::Stopped) {
        RunEntryTable t = run_->entries();
        scan_->copyTransponders(t);
        run_->loadHeat(t);
    }
    static_cast<QAbstractButton*>(window_.control(transpondercontrol::Scan))
        ->setChecked(scan_->checked());
    static_cast<QLineEdit*>(window_.control(transpondercontrol::Status))
        ->setText(qs(scan_->status()));
    if (event != ScanEvent::None) {
        wasActive_ = active();
        window_.refreshCommands();
        repaint();
    }
}

void RaceControl::resultCellClicked(int entry, EditedValue what)
{
    const Standings& s = run_->standings();
    if (entry < 0 || entry >= s.count)
        return;
    services_.sounds.playAsync(std::string(sounds::kBeep));
    board_->openResultFields(entry, what, editedValueOf(s.rows[entry], what));
}

void RaceControl::resultEdited(int entry, EditedValue what, int value)
{
    const Standings& s = run_->standings();
    if (entry < 0 || entry >= s.count)
        return;
    RunEntryTable t = run_->entries();
    applyResultEdit(t, s.rows[entry].pilotName, what, value);
    // A heat holding results is not ready to start again until erased.
    run_->loadHeat(t);
}

void RaceControl::rowClicked(int entry, int column, Qt::KeyboardModifiers modifiers)
{
    const Standings& s = run_->standings();
    if (entry < 0 || entry >= s.count)
        return;
    if (modifiers & Qt::ControlModifier) {
        if (!writePilotResult(folder_, run_->entries(), s.rows[entry].number - 1,
                session_.headings().board, window_.race().trackName, session_.texts().description))
            services_.prompts.error(std::string(kPilotResultError));
        if (openAnalysis_)
            openAnalysis_();
        return;
    }
    if (column == ColumnTransponder && modes_.clubChoiceActive() && modes_.pack())
        openClubList(entry);
}

void RaceControl::openClubList(int entry)
{
    const auto& packs = window_.databases().packs;
    const int pack = *modes_.pack();
    if (pack < 0 || pack >= static_cast<int>(packs.size()))
        return;
    const ClubTransponderList list = clubTransponderList(
        packs[static_cast<std::size_t>(pack)], run_->standings().rows[entry].transponder);
    clubList_->clear();
    for (const std::string& e : list.entries)
        clubList_->addItem(qs(cp1252ToUtf8(e)));
    if (list.selected)
        clubList_->setCurrentIndex(*list.selected);
    clubListRow_ = entry;
    const QPoint at = window_.clientArea()->mapFromGlobal(QCursor::pos());
    clubList_->setGeometry(at.x(), at.y(), 120, clubList_->sizeHint().height());
    clubList_->show();
    clubList_->raise();
    clubList_->showPopup();
}

} // namespace ksy
