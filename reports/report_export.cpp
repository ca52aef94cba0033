#include "reports/report_export.h"

#include "services/translate.h"

#include <cstdio>
#include <filesystem>
#include <memory>

namespace ksy {

FileFilter exportFileFilter()
{
    return {translate("Reports", "Fichier texte (.txt)"), "*.txt"};
}

std::string exportPresetName(std::string_view homeFolder)
{
#ifdef _WIN32
    (void)homeFolder;
    return "C:\\KESTRAMETRIX\\*.txt";
#else
    std::string preset(homeFolder);
    if (!preset.empty() && preset.back() != '/')
        preset += '/';
    return preset + "KESTRAMETRIX/*.txt";
#endif
}

std::optional<std::string> exportFileName(
    const std::optional<std::string>& chosen, std::string_view preset)
{
    if (!chosen || chosen->empty() || *chosen == preset)
        return std::nullopt;
    // A name that still holds the pattern's wildcard is the preset left as it
    // was, whatever folder the dialog put in front of it.
    const std::string leaf = std::filesystem::path(*chosen).filename().string();
    if (leaf.empty() || leaf.find('*') != std::string::npos)
        return std::nullopt;
    std::string name = *chosen;
    if (name.find("txt") == std::string::npos)
        name += ".txt";
    return name;
}

bool writeExportFile(const std::string& fileUtf8, std::string_view content, Prompts& prompts)
{
    const std::filesystem::path path(std::u8string(fileUtf8.begin(), fileUtf8.end()));
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
#ifdef _WIN32
    std::unique_ptr<std::FILE, Closer> f(_wfopen(path.c_str(), L"w+b"));
#else
    std::unique_ptr<std::FILE, Closer> f(std::fopen(path.c_str(), "w+b"));
#endif
    bool ok = f != nullptr;
    if (ok)
        ok = std::fwrite(content.data(), 1, content.size(), f.get()) == content.size();
    if (f)
        ok = std::fclose(f.release()) == 0 && ok;
    if (!ok)
        prompts.error(translate("Reports", kExportFailed.data()));
    return ok;
}

bool exportText(
    FileChooser& chooser, Prompts& prompts, std::string_view preset, std::string_view content)
{
    const auto name =
        exportFileName(chooser.saveFile(std::string(preset), exportFileFilter()), preset);
    if (!name)
        return false;
    return writeExportFile(*name, content, prompts);
}

} // namespace ksy
