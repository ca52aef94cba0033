#pragma once
// Fakes of the platform services, shared by every test.
#include "services/clock.h"
#include "services/file_chooser.h"
#include "services/prompts.h"
#include "services/sound_player.h"

#include <cstdint>
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ksy::test {

// A clock that only moves when told to. The counter runs at 1 MHz.
class FakeClock : public Clock {
public:
    std::int64_t milliseconds() const override { return ms_; }
    std::int64_t counter() const override { return ms_ * 1000 + extraCounts_; }
    std::int64_t counterFrequency() const override { return 1000000; }

    void set(std::int64_t ms) { ms_ = ms; }
    void advance(std::int64_t ms) { ms_ += ms; }
    void advanceCounts(std::int64_t counts) { extraCounts_ += counts; }

private:
    std::int64_t ms_ = 0;
    std::int64_t extraCounts_ = 0;
};

// Records every box; questions take the queued answers, then the default (Yes).
class FakePrompts : public Prompts {
public:
    struct Box {
        std::string title;
        std::string text;
        PromptIcon icon;
        bool question;
        bool defaultNo = false; // a question whose "Oui" erases or overwrites
    };

    void message(const std::string& title, const std::string& text, PromptIcon icon) override
    {
        boxes.push_back({title, text, icon, false});
    }
    Answer askYesNoCancel(const std::string& title, const std::string& text) override
    {
        return ask(title, text);
    }
    Answer askYesNo(const std::string& title, const std::string& text) override
    {
        return ask(title, text);
    }
    Answer askYesNoDefaultNo(const std::string& title, const std::string& text) override
    {
        const Answer a = ask(title, text);
        boxes.back().defaultNo = true;
        return a;
    }

    std::vector<std::string> texts() const
    {
        std::vector<std::string> out;
        for (const auto& b : boxes)
            out.push_back(b.text);
        return out;
    }

    std::vector<Box> boxes;
    std::deque<Answer> answers;

private:
    Answer ask(const std::string& title, const std::string& text)
    {
        boxes.push_back({title, text, PromptIcon::Question, true});
        if (answers.empty())
            return Answer::Yes;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
};

// Records what was played, in order, and how.
class RecordingSoundPlayer : public SoundPlayer {
public:
    struct Played {
        std::string file;
        bool waited;
    };
    void playAsync(const std::string& file) override { played.push_back({file, false}); }
    void playAndWait(const std::string& file) override { played.push_back({file, true}); }
    std::vector<Played> played;
};

// Hands out the queued choices in order, then cancels.
class FakeFileChooser : public FileChooser {
public:
    std::optional<std::string> openFile(
        const std::string& initialFolder, const FileFilter& filter) override
    {
        opened.push_back(initialFolder);
        lastFilter = filter;
        return next();
    }
    std::optional<std::string> saveFile(
        const std::string& presetName, const FileFilter& filter) override
    {
        saved.push_back(presetName);
        lastFilter = filter;
        return next();
    }

    std::deque<std::optional<std::string>> choices;
    std::vector<std::string> opened; // initial folders of the open dialogs
    std::vector<std::string> saved; // presets of the save dialogs
    FileFilter lastFilter;

private:
    std::optional<std::string> next()
    {
        if (choices.empty())
            return std::nullopt;
        auto c = choices.front();
        choices.pop_front();
        return c;
    }
};

// A fresh temporary folder, removed with its content at the end of the test.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Whole-file helpers for byte-for-byte comparisons.
std::string readFile(const std::filesystem::path& file);
void writeFile(const std::filesystem::path& file, const std::string& bytes);

} // namespace ksy::test
