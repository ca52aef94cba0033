#include "app/demo_mode.h"

#include "services/translate.h"
#include "timing/interface_settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <fstream>
#include <sstream>
#include <vector>

namespace ksy {

std::string demoScenario(const RaceSpec& spec, int laps)
{
    struct Line {
        std::int64_t ms;
        std::string transponder;
    };
    std::vector<Line> lines;
    for (std::size_t i = 0; i < spec.pilots.size(); ++i) {
        // A steady pace between 38 and 52 s a lap, each lap a little off it:
        // fixed numbers, so that the demo heat is the same on every run.
        const std::int64_t pace = 38000 + static_cast<std::int64_t>((i * 7919) % 14000);
        std::int64_t at = 4000 + static_cast<std::int64_t>(i % 7) * 900;
        for (int lap = 0; lap <= laps; ++lap) {
            lines.push_back({at, spec.pilots[i].transponder});
            const std::int64_t wobble =
                static_cast<std::int64_t>(((i + 3) * (lap + 5) * 2654435761ULL) % 3000) - 1500;
            at += pace + wobble;
        }
    }
    std::stable_sort(
        lines.begin(), lines.end(), [](const Line& a, const Line& b) { return a.ms < b.ms; });
    std::ostringstream out;
    out << "# Demo heat: passings from the start of the heat\n";
    for (const Line& l : lines)
        out << l.ms << ' ' << std::stoi(l.transponder) << '\n';
    return out.str();
}

std::string decoderSimulatorPath()
{
    const QString dir = QCoreApplication::applicationDirPath();
    for (const QString& candidate : {dir + QStringLiteral("/kestrametrix-decoder-sim"),
             dir + QStringLiteral("/tools/decoder_sim/kestrametrix-decoder-sim")})
        if (QFileInfo(candidate).isExecutable())
            return candidate.toStdString();
    return {};
}

DemoDecoder::~DemoDecoder()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.write("quit\n");
        if (!process_.waitForFinished(1000)) {
            process_.kill();
            process_.waitForFinished(1000);
        }
    }
}

bool DemoDecoder::start(const WorkFolder& folder, const RaceSpec& spec, Prompts& prompts)
{
    const std::string sim = decoderSimulatorPath();
    if (sim.empty()) {
        prompts.error(translate(
            "Demo", "Erreur: le simulateur de décodeur kestrametrix-decoder-sim est introuvable"));
        return false;
    }
    const auto scenario = folder.file("Private/DemoPassages.txt");
    const auto link = folder.file("Private/DemoDecodeur");
    {
        std::ofstream out(scenario, std::ios::binary | std::ios::trunc);
        out << demoScenario(spec, 12);
        if (!out)
            return false;
    }
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QString::fromStdString(sim),
        {QStringLiteral("--model"), QStringLiteral("rc2"), QStringLiteral("--link"),
            QString::fromStdString(link.string()), QStringLiteral("--scenario"),
            QString::fromStdString(scenario.string()), QStringLiteral("--sync-start")});
    // The port exists once the simulator says "pty <device>".
    std::string said;
    while (said.find("pty ") == std::string::npos && process_.waitForReadyRead(5000))
        said += process_.readAllStandardOutput().toStdString();
    if (said.find("pty ") == std::string::npos) {
        prompts.error(translate("Demo", "Erreur: le simulateur de décodeur n'a pas démarré"));
        return false;
    }
    // Its later lines are not read: they are dropped as they come.
    QObject::connect(&process_, &QProcess::readyReadStandardOutput,
        [this] { process_.readAllStandardOutput(); });
    InterfaceSettings settings;
    settings.portName = link.string();
    settings.connected = 1;
    settings.identity = "KestrametrixRC2";
    return writeInterfaceSettings(folder, settings);
}

} // namespace ksy
