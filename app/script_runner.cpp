#include "app/script_runner.h"

#include "app/main_window.h"
#include "app/offered_commands.h"
#include "app/race_control.h"
#include "app/race_tree_view.h"

#include <QDateTime>
#include <QPixmap>
#include <QTimer>
#include <algorithm>
#include <fstream>
#include <iostream>
#include <sstream>

namespace ksy {

std::optional<std::string> ScriptedFileChooser::next()
{
    if (answers_.empty())
        return std::nullopt;
    std::string path = std::move(answers_.front());
    answers_.pop_front();
    return path;
}

std::optional<std::string> ScriptedFileChooser::openFile(
    const std::string& initialFolder, const FileFilter& filter)
{
    if (auto path = next())
        return path;
    return inner_.openFile(initialFolder, filter);
}

std::optional<std::string> ScriptedFileChooser::saveFile(
    const std::string& presetName, const FileFilter& filter)
{
    if (auto path = next())
        return path;
    return inner_.saveFile(presetName, filter);
}

ScriptRunner::ScriptRunner(MainWindow& window, RaceControl& control, ScriptedFileChooser& files,
    std::vector<std::string> lines)
    : QObject(&window)
    , window_(window)
    , control_(control)
    , files_(files)
    , lines_(std::move(lines))
{
}

bool ScriptRunner::readLines(const std::string& file, std::vector<std::string>& lines)
{
    std::ifstream in(std::filesystem::path(std::u8string(file.begin(), file.end())));
    if (!in)
        return false;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return true;
}

void ScriptRunner::start()
{
    QTimer::singleShot(0, this, &ScriptRunner::step);
}

void ScriptRunner::step()
{
    while (next_ < lines_.size()) {
        const std::string line = lines_[next_++];
        std::istringstream in(line);
        std::string verb;
        in >> verb;
        if (verb.empty() || verb[0] == '#')
            continue;
        std::string rest;
        std::getline(in >> std::ws, rest);
        long long value = 0;
        try {
            value = verb == "file" || verb == "shot" ? 0 : std::stoll(rest.empty() ? "0" : rest);
        } catch (...) {
            std::cerr << "script: bad line: " << line << std::endl;
            continue;
        }
        if (verb == "file") {
            files_.queue(rest);
        } else if (verb == "select") {
            window_.tree().selectCode(static_cast<int>(value));
        } else if (verb == "expand") {
            window_.tree().expandCategory(static_cast<int>(value));
        } else if (verb == "command") {
            if (!chooseOfferedCommand(window_, static_cast<int>(value)))
                std::cerr << "script: refused " << value << std::endl;
        } else if (verb == "menus") {
            for (const OfferedCommand& c : offeredCommands(window_))
                std::cerr << "script: menu " << c.id << ' ' << (c.enabled ? 1 : 0) << ' ' << c.text
                          << std::endl;
        } else if (verb == "shot") {
            const QString file = QString::fromUtf8(rest.c_str());
            if (!window_.grab().save(file, "PNG"))
                std::cerr << "script: shot failed: " << rest << std::endl;
        } else if (verb == "wait") {
            QTimer::singleShot(static_cast<int>(value), this, &ScriptRunner::step);
            return;
        } else if (verb == "idle") {
            waitIdle(QDateTime::currentMSecsSinceEpoch() + value);
            return;
        } else if (verb == "status") {
            const RunState& st = control_.run().state();
            std::cerr << "script: status armed=" << st.armed << " running=" << st.running
                      << " scan=" << control_.scan().active() << " ticks=" << window_.ticks()
                      << std::endl;
        } else if (verb == "laps") {
            for (int k = 1; k <= kSlotCount; ++k) {
                const RunEntry& e = control_.run().entries().slot(k);
                if (e.isEmptySlot())
                    continue;
                std::cerr << "script: laps " << k << ' ' << e.laps;
                for (int n = 1; n <= std::min(e.laps, kMaxLaps); ++n)
                    std::cerr << ' ' << e.lapTotals[static_cast<std::size_t>(n)];
                std::cerr << std::endl;
            }
        } else if (verb == "quit") {
            window_.close();
        } else {
            std::cerr << "script: unknown command: " << line << std::endl;
        }
    }
}

void ScriptRunner::waitIdle(qint64 deadline)
{
    if (!control_.active() || QDateTime::currentMSecsSinceEpoch() >= deadline) {
        QTimer::singleShot(0, this, &ScriptRunner::step);
        return;
    }
    QTimer::singleShot(20, this, [this, deadline] { waitIdle(deadline); });
}

} // namespace ksy
