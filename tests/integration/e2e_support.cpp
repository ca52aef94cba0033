#include "e2e_support.h"

#include "storage/race_file.h"
#include "support/fakes.h"
#include "timing/interface_settings.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <fstream>
#include <map>
#include <sstream>
#include <gtest/gtest.h>

namespace ksy::test {

ScriptedRun runScripted(const WorkFolder& folder, const std::vector<std::string>& script,
    SimProcess* sim, int timeoutMs)
{
    const auto base = folder.root().parent_path();
    const auto scriptFile = base / (folder.root().filename().string() + "-script.txt");
    {
        std::ofstream out(scriptFile);
        for (const std::string& line : script)
            out << line << '\n';
    }
    const auto runtime = base / "runtime";
    std::filesystem::create_directories(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    QProcess app;
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime.string()));
    app.setProcessEnvironment(env);
    app.start(KSY_APP_PATH,
        {"--workdir", QString::fromStdString(folder.root().string()), "--unattended", "--script",
            QString::fromStdString(scriptFile.string())});
    ScriptedRun run;
    if (!app.waitForStarted(10000))
        return run;
    QElapsedTimer t;
    t.start();
    while (app.state() != QProcess::NotRunning && t.elapsed() < timeoutMs) {
        app.waitForFinished(10);
        if (sim)
            sim->pump(5);
    }
    if (app.state() != QProcess::NotRunning) {
        app.kill();
        app.waitForFinished();
    } else {
        run.finished = true;
        run.exitCode = app.exitStatus() == QProcess::NormalExit ? app.exitCode() : -1;
    }
    run.errors = app.readAllStandardError().toStdString();
    return run;
}

std::string sectionBody(const std::string& file, const std::string& title, std::size_t length)
{
    const std::string line = title + "\t\n";
    const auto at = file.find(line);
    if (at == std::string::npos)
        return {};
    return file.substr(at + line.size(), length);
}

void useSimulatedRc2(const WorkFolder& folder, const std::string& link)
{
    writeFile(folder.file(kInterfaceSettingsFile), link + "\t1\tKestrametrixRC2\n");
}

std::filesystem::path buildRaceFile(const std::filesystem::path& dir, const RaceSpec& spec)
{
    const WorkFolder prep(dir / "prep");
    Race fresh;
    FakePrompts prompts;
    if (!createNewRaceFile(workingRaceFile(prep), fresh) || !buildRace(prep, spec, prompts))
        return {};
    const auto raceFile = dir / "Qualifs.race";
    std::filesystem::copy_file(workingRaceFile(prep), raceFile);
    return raceFile;
}

std::string staggeredPassings(
    int firstTransponder, int cars, int crossings, int startMs, int gapMs, int lapMs)
{
    std::map<int, int> at;
    for (int k = 1; k <= cars; ++k)
        for (int lap = 0; lap < crossings; ++lap)
            at[startMs + gapMs * k + lap * (lapMs + 100 * k)] = firstTransponder + k;
    std::ostringstream out;
    for (const auto& [ms, transponder] : at)
        out << ms << ' ' << transponder << '\n';
    return out.str();
}

std::unique_ptr<SimProcess> startScenarioSim(const std::filesystem::path& dir,
    const WorkFolder& work, const std::string& passings, const QStringList& extra)
{
    const auto scenario = dir / "passings.txt";
    writeFile(scenario, passings);
    const std::string link = (dir / "decoder").string();
    auto sim = std::make_unique<SimProcess>(QStringList {"--model", "rc2", "--link",
        QString::fromStdString(link), "--scenario", QString::fromStdString(scenario.string()),
        "--sync-start"} + extra);
    useSimulatedRc2(work, link);
    return sim;
}

CliRun runCli(const QStringList& arguments)
{
    QProcess p;
    p.start(KSY_CLI_PATH, arguments);
    CliRun run;
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
        ADD_FAILURE() << "the program did not end";
        return run;
    }
    run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.out = p.readAllStandardOutput().toStdString();
    run.err = p.readAllStandardError().toStdString();
    return run;
}

RaceSpec threeJuniors()
{
    RaceSpec spec;
    spec.raceName = "Coupe de la Baie";
    spec.trackName = "Plage Sud";
    spec.trackPlace = "Hardelot";
    RaceCategorySpec c {"Juniors", {}, 3, 1, {}};
    for (int k = 1; k <= 3; ++k) {
        const std::string name = "PILOTE " + std::string(1, static_cast<char>('A' + k - 1));
        spec.pilots.push_back({name, "00050" + std::to_string(k)});
        c.pilots.push_back(name);
    }
    spec.categories = {c};
    return spec;
}

RunEntryTable correctedJuniorsHeat()
{
    RunEntryTable t;
    clearToEmptySlots(t);
    for (int k = 1; k <= 3; ++k) {
        RunEntry& e = t.slot(k);
        e.pilotName = "PILOTE " + std::string(1, static_cast<char>('A' + k - 1));
        e.passingCount = e.laps = 2;
        e.lapTotals[1] = 60000 + k;
        e.lapTotals[2] = 120000 + 3 * k;
        e.totalTime = e.lapTotals[2];
        e.bestLap = e.lapTotals[2] - e.lapTotals[1];
    }
    t.slot(2).passingCount = 3;
    return t;
}

} // namespace ksy::test
