#pragma once
// The race-control strip and the live board of the main window, wired to the
// heat run: "Depart", "Arret", "Effacer", the numbered buttons, the
// transponder modes and the scan, the one 10 ms tick of the engine, and the
// board repainted only when what it shows has moved.
//
// It owns the timing objects of the program's run (heat run, scan, modes,
// journal, heat session) so that heat loading, recovery and the demo reach
// them from one place.
#include "app/app_services.h"
#include "services/translate.h"
#include "session/heat_session.h"
#include "timing/heat_decoder.h"
#include "timing/heat_journal.h"
#include "timing/heat_run.h"
#include "timing/journal_writer.h"
#include "timing/transponder_modes.h"
#include "timing/transponder_modes_scan.h"

#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;

namespace ksy {

class BoardWidget;
class DecoderLink;
class MainWindow;
enum class EditedValue;

inline constexpr const char* kHeatWithoutPilot = KSY_TRANSLATE_NOOP("Prompts",
    "Cette série n'a aucun pilote: le départ n'est pas donné.\nRépartissez d'abord les pilotes "
    "de la catégorie en séries (clic droit sur \"Répartition\").");

class RaceControl : public QObject {
    Q_OBJECT
public:
    // link: the program's decoder; nullptr runs heats on the numbered buttons.
    RaceControl(MainWindow& window, WorkFolder folder, AppServices services, DecoderLink* link);
    ~RaceControl() override;

    HeatRun& run() { return *run_; }
    HeatSession& session() { return session_; }
    TransponderModes& modes() { return modes_; }
    TransponderScan& scan() { return *scan_; }
    BoardWidget& board() { return *board_; }

    // A heat armed or running, or a scan active.
    bool active() const { return run_->active() || scan_->active(); }
    // While this holds the idle tick leaves the decoder's bytes alone (a
    // dialog with its own reading loop is open).
    void setIdleReadBlocked(std::function<bool()> blocked) { idleBlocked_ = std::move(blocked); }

    // The 10 ms tick: link, heat run, then scan or idle read.
    void tick(std::int64_t nowMs);
    // The heat shown was replaced: the board shows the run as it stands now.
    void showHeat(bool radioConflict);
    // No heat shown (category expanded, race created or loaded).
    void clearBoard();
    // Sound choices after "Sons", track record after "Piste de course".
    void applySounds();
    void applyTrack();
    // Board style and column widths after "Affichage".
    void applyDisplaySettings();
    void setResultEditing(bool on);
    // Closes the edit fields and the club list open over the board.
    void closeOverlays();
    // What a Ctrl-click on a row opens once the pilot's run file is written.
    void setPilotAnalysisOpener(std::function<void()> open) { openAnalysis_ = std::move(open); }
    // Repaints the board from the run or the scan, now.
    void repaint();

private:
    void wireStrip();
    // "Depart": arms the loaded heat when it has a pilot.
    void depart();
    std::string boardTitle() const;
    void wireBoard();
    void chooseMode(TransponderMode mode);
    void showModeControls();
    void pressScan();
    void scanEvent(ScanEvent event);
    void resultCellClicked(int entry, EditedValue what);
    void resultEdited(int entry, EditedValue what, int value);
    void rowClicked(int entry, int column, Qt::KeyboardModifiers modifiers);
    void openClubList(int entry);
    // Shows the heat's and the journal's messages once the current event is
    // over: a box opened inside the tick would hold the heat's clock.
    void showNotices();
    bool controlLocked(int id) const;
    void placeBoard();

    MainWindow& window_;
    WorkFolder folder_;
    AppServices services_;
    DecoderLink* link_;
    std::unique_ptr<HeatDecoder> decoder_;
    std::unique_ptr<HeatRun> run_;
    std::unique_ptr<TransponderScan> scan_;
    TransponderModes modes_;
    HeatSession session_;
    std::unique_ptr<JournalWriter> journalWriter_;
    std::unique_ptr<HeatJournal> journal_;
    std::unique_ptr<HeatDescriptionFollower> follower_;
    BoardWidget* board_ = nullptr;
    QComboBox* clubList_ = nullptr;
    QLabel* restDisplay_ = nullptr;
    int clubListRow_ = -1;
    std::function<bool()> idleBlocked_;
    std::function<void()> openAnalysis_;
    bool radioConflict_ = false;
    bool wasActive_ = false;
    std::uint64_t shownRunChanges_ = ~0ULL;
    std::uint64_t shownScanChanges_ = ~0ULL;
};

} // namespace ksy
