#pragma once
// Commands read from a file and run once the window is up, as an official
// would use the program (scripts and end-to-end tests). One command a line,
// fields separated by blanks, '#' comments:
//   file PATH        the next file dialog answers PATH (UTF-8)
//   select CODE      selects the race tree item of that code
//   expand CODE      expands the category of that code
//   command ID       chooses the menu item or clicks the button of that id, as
//                    a person would; a command the window shows greyed or
//                    does not offer is refused ("script: refused ID")
//   menus            writes every command offered now, one a line:
//                    "script: menu <id> <0|1> <text>"
//   shot FILE        saves a PNG picture of the whole window
//   wait MS          lets the program run for MS milliseconds
//   idle MS          waits (at most MS) until no heat is armed or running
//   status           writes the heat run's state to standard error
//   laps             writes each pilot's laps and lap totals (ms) of the heat
//                    shown: "script: laps <slot> <laps> <total 1> <total 2> ..."
//   quit             closes the window (its question is asked)
// An unknown line is reported on standard error and skipped.
#include "services/file_chooser.h"

#include <QObject>
#include <deque>
#include <string>
#include <vector>

namespace ksy {

class MainWindow;
class RaceControl;

// The file dialogs of a scripted run: answers queued by "file" come first.
class ScriptedFileChooser : public FileChooser {
public:
    explicit ScriptedFileChooser(FileChooser& inner)
        : inner_(inner)
    {
    }
    void queue(std::string path) { answers_.push_back(std::move(path)); }
    std::optional<std::string> openFile(
        const std::string& initialFolder, const FileFilter& filter) override;
    std::optional<std::string> saveFile(
        const std::string& presetName, const FileFilter& filter) override;

private:
    std::optional<std::string> next();

    FileChooser& inner_;
    std::deque<std::string> answers_;
};

class ScriptRunner : public QObject {
    Q_OBJECT
public:
    ScriptRunner(MainWindow& window, RaceControl& control, ScriptedFileChooser& files,
        std::vector<std::string> lines);
    // Reads a script file; false when it cannot be read.
    static bool readLines(const std::string& file, std::vector<std::string>& lines);
    void start();

private:
    void step();
    void waitIdle(qint64 deadline);

    MainWindow& window_;
    RaceControl& control_;
    ScriptedFileChooser& files_;
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
};

} // namespace ksy
