// Kestrametrix Sand Yachting: start-up of the program.
#include "app/app_options.h"
#include "app/app_services.h"
#include "app/decoder_indicator.h"
#include "app/decoder_messages.h"
#include "app/demo_mode.h"
#include "app/dialog_commands.h"
#include "app/heat_controller.h"
#include "app/language_dialog.h"
#include "app/live_results.h"
#include "app/main_window.h"
#include "app/menu_table.h"
#include "app/race_control.h"
#include "app/recent_races_menu.h"
#include "app/recovery.h"
#include "app/result_commands.h"
#include "app/script_runner.h"
#include "app/work_folder_check.h"
#include "planning/ui/duration_calculator_dialog.h"
#include "planning/ui/participant_details_dialog.h"
#include "planning/ui/participants_command.h"
#include "platform/folder_lock.h"
#include "platform/interface_language.h"
#include "platform/language_setting.h"
#include "platform/posix_durable_io.h"
#include "platform/screen_fit.h"
#include "platform/serial_port.h"
#include "platform/shipped_data.h"
#include "platform/termination_signals.h"
#include "services/translate.h"
#include "storage/race_file.h"
#include "storage/redo_log.h"
#include "storage/work_folder_seed.h"
#include "timing/decoder_link.h"
#include "timing/ui/interface_dialog.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QStandardPaths>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <iostream>

namespace {

std::filesystem::path fromQString(const QString& s)
{
    const QByteArray utf8 = s.toUtf8();
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::filesystem::path defaultWorkFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return fromQString(base) / "Kestrametrix Sand Yachting";
}

void reportLockRefused(
    const ksy::FolderLock& lock, const ksy::WorkFolder& folder, ksy::Prompts& prompts)
{
    const auto u8 = folder.root().u8string();
    const std::string where(u8.begin(), u8.end());
    if (lock.status() == ksy::FolderLock::Status::HeldByOther) {
        const std::string text = lock.ownerPid() > 0
            ? ksy::fillText(ksy::translate("Start",
                                "Kestrametrix est déjà lancé sur le dossier de travail\n%1\n"
                                "(processus %2).\nUtilisez la fenêtre déjà ouverte."),
                  {where, std::to_string(lock.ownerPid())})
            : ksy::fillText(ksy::translate("Start",
                                "Kestrametrix est déjà lancé sur le dossier de travail\n%1.\n"
                                "Utilisez la fenêtre déjà ouverte."),
                  {where});
        prompts.message("Kestrametrix", text, ksy::PromptIcon::Stop);
    } else {
        prompts.error(ksy::fillText(
            ksy::translate(
                "Start", "Erreur: impossible de verrouiller le dossier de travail\n%1\n(%2)."),
            {where, lock.failure()}));
    }
}

} // namespace

int main(int argc, char** argv)
{
    // The options are read before the application object exists: the
    // language (the option's, or the one kept in the working folder) sets the
    // locale, which Qt reads once, when it is created.
    std::vector<std::string> args(argv + std::min(argc, 1), argv + argc);
    const ksy::AppOptions options = ksy::parseAppOptions(args);
    for (const std::string& e : options.errors)
        std::cerr << "kestrametrix: " << e << std::endl;
    if (!options.errors.empty())
        return 2;

    // The demo works in a folder of its own: its pilots and track go into
    // that folder's databases, never into the official's.
    const auto root = options.workDir
        ? std::filesystem::path(std::u8string(options.workDir->begin(), options.workDir->end()))
        : options.demo ? defaultWorkFolder() / "Demo"
                       : defaultWorkFolder();
    std::error_code ec;
    std::filesystem::create_directories(root, ec);
    const ksy::WorkFolder folder(std::filesystem::absolute(root, ec));
    const ksy::InterfaceLanguage language = ksy::startLanguage(options.lang, folder);
    ksy::chooseInterfaceLocale(language);
    QApplication app(argc, argv);
    // Every write of a race, a database or a setting reaches the disk before
    // it counts as done.
    static ksy::PosixDurableIo durableIo;
    ksy::installDurableIo(&durableIo);
    ksy::installInterfaceLanguage(app, language);
    // Every dialog fits the screen it opens on, its buttons in sight.
    ksy::ScreenFit screenFit;

    ksy::PlatformServices platform(folder, options.unattended);
    if (const auto problem = ksy::workFolderProblem(folder.root())) {
        platform.services().prompts.error(*problem);
        return 1;
    }
    // One program per working folder: a second one would replace the race
    // under the first. It leaves everything as it found it.
    const auto lock = ksy::FolderLock::acquire(folder.root());
    if (lock->status() != ksy::FolderLock::Status::Locked) {
        reportLockRefused(*lock, folder, platform.services().prompts);
        return 1;
    }
    // A logout or a service stop ends the program as "Quitter" would.
    std::function<void()> endOnSignal;
    bool terminated = false;
    ksy::TerminationSignals stopSignals([&](int) {
        if (terminated)
            return;
        terminated = true;
        if (endOnSignal)
            endOnSignal();
        QApplication::exit(0);
    });
    const ksy::SeedResult seeded =
        ksy::seedWorkFolder(ksy::shippedDataFolder(KSY_DATA_DIR), folder);
    if (!seeded.ok) {
        std::string names;
        for (const std::string& f : seeded.failed)
            names += (names.empty() ? "" : ", ") + f;
        platform.services().prompts.error(ksy::fillText(
            ksy::translate("Start", "Erreur: impossible d'installer dans le dossier de travail: %1"),
            {names}));
    }

    // A mark left by the previous run means it did not end normally.
    const bool crashed = ksy::previousRunCrashed(folder);
    const std::string crashedRaceFileName = crashed ? ksy::markedRaceFileName(folder) : "";
    ksy::markRunning(folder);

    // A scripted run answers file dialogs from its script.
    ksy::ScriptedFileChooser files(platform.services().files);
    const ksy::AppServices services {
        platform.services().clock, platform.services().prompts, platform.services().sounds, files};
    std::vector<std::string> scriptLines;
    if (options.script && !ksy::ScriptRunner::readLines(*options.script, scriptLines)) {
        std::cerr << "kestrametrix: script illisible: " << *options.script << std::endl;
        return 2;
    }

    // The demo's simulated decoder must be listening before the link opens.
    const ksy::RaceSpec demoSpec = ksy::demoRaceSpec();
    ksy::DemoDecoder demoDecoder;
    if (options.demo)
        demoDecoder.start(folder, demoSpec, services.prompts);

    // The decoder on its serial port; it outlives the window that ticks it.
    ksy::SystemSerialLink serialPort(&services.clock);
    // Its losses are said once, with the port, the model and what to do.
    ksy::DecoderMessages decoderMessages(services.prompts);
    ksy::DecoderLink decoder(serialPort, services.clock, decoderMessages, folder);
    decoderMessages.watch(decoder);

    ksy::MainWindow window(folder, services, app.primaryScreen()->size());
    endOnSignal = [&window] { window.endWithoutQuestion(); };
    // A log of unfinished writes left beside another race was set aside.
    if (const std::string notice = ksy::takeRedoLogNotice(); !notice.empty())
        services.prompts.message("Kestrametrix", notice, ksy::PromptIcon::Exclamation);
    // Races are kept among the official's documents, not among the program's
    // own files, until one is saved elsewhere.
    window.recentRaces().setDefaultFolder(
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(QStringLiteral("KESTRAMETRIX")));
    // The mark keeps the race's file name, for a recovery after a crash.
    window.raceFiles().setNameListener(
        [&folder](const std::string& name) { ksy::markRunning(folder, name); });
    window.commands().add(ksy::cmd::InterfaceSettings,
        [&] { ksy::runInterfaceDialog(decoder, platform.services().prompts, folder, &window); });
    // The calculator's values stay for the program's run.
    ksy::DurationCalculation durationValues;
    window.commands().add(ksy::cmd::DurationCalculator,
        [&] { ksy::DurationCalculatorDialog::run(&window, durationValues); });
    ksy::DecoderIndicator decoderState(window, decoder, decoderMessages);
    ksy::RaceControl control(window, folder, services, &decoder);
    ksy::HeatController heats(window, control, services);
    // A heat armed or running stops as on "Arret", so that its journal ends
    // and it is stored with its description like any stopped heat.
    endOnSignal = [&] {
        if (control.run().active())
            control.run().arret();
        window.endWithoutQuestion();
    };
    ksy::registerDialogCommands(window, control, heats, folder, services);
    ksy::registerResultCommands(window, control, folder, services);
    if (options.demo && ksy::buildRace(folder, demoSpec, services.prompts))
        window.reloadRaceTree();
    window.commands().add(ksy::cmd::ParticipantList, [&] {
        heats.storeShownHeat();
        ksy::runParticipantsCommand(
            &window, folder, window.race().header.selection, platform.services().prompts);
        heats.forgetHeat();
        window.reloadRaceTree();
    });
    // While the details dialog is open its own tick reads the port (the scan
    // must not lose its passings to the idle read below).
    bool detailsOpen = false;
    window.onTreeSelection(ksy::TreeItemKind::Participant, [&](int) {
        detailsOpen = true;
        ksy::ParticipantDetailsDialog::edit(
            &window, folder, serialPort, platform.services().clock, platform.services().prompts);
        detailsOpen = false;
    });
    control.setIdleReadBlocked([&detailsOpen] { return detailsOpen; });
    platform.setParentWindow(&window);
    if (options.quitAfterMs)
        window.setQuitAfter(*options.quitAfterMs);
    window.showMaximized();
    window.connectDecoder();
    decoder.startUp();
    window.startTimer();
    window.showImportantNotice();
    ksy::offerRecovery(window, control, heats, folder, services.prompts, crashed,
        window.crashCopyMade(), crashedRaceFileName);
    ksy::LiveResults live(window, control, folder, services.prompts, options.serve);
    window.commands().add(ksy::cmd::LiveResults, [&] { live.openDialog(); });
    window.commands().add(ksy::cmd::LanguageSettings, [&] {
        ksy::LanguageDialog::edit(&window, folder, platform.services().prompts);
    });
    ksy::ScriptRunner script(window, control, files, std::move(scriptLines));
    script.start();
    // A signal met during the start-up's own boxes has already ended the window.
    const int status = terminated ? 0 : app.exec();
    endOnSignal = nullptr;
    // Nothing of this run may be replayed over a race put in place before
    // the next one.
    ksy::forgetRedoLog(ksy::workingRaceFile(folder));
    // A heat the disk never took stays in its journal (set aside under its
    // code when another heat was shown): the mark left makes the next start
    // offer it back.
    if (!heats.hasUnstoredHeat())
        ksy::clearRunningMark(folder);
    return status;
}
