#include "app/app_options.h"

#include <charconv>

namespace ksy {

AppOptions parseAppOptions(const std::vector<std::string>& args)
{
    AppOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--unattended") {
            o.unattended = true;
        } else if (a == "--workdir") {
            if (hasValue && !args[i + 1].empty())
                o.workDir = args[++i];
            else
                o.errors.push_back("--workdir attend un dossier");
        } else if (a == "--demo") {
            o.demo = true;
        } else if (a == "--script") {
            if (hasValue && !args[i + 1].empty())
                o.script = args[++i];
            else
                o.errors.push_back("--script attend un fichier");
        } else if (a == "--serve") {
            const auto where = hasValue ? parseServeAddress(args[i + 1]) : std::nullopt;
            if (where) {
                o.serve = where;
                ++i;
            } else {
                o.errors.push_back("--serve attend [ADRESSE:]PORT, par exemple 8080 ou "
                                   "192.168.1.10:8080");
            }
        } else if (a == "--lang") {
            if (hasValue && (args[i + 1] == "fr" || args[i + 1] == "en"))
                o.lang = args[++i];
            else
                o.errors.push_back("--lang attend fr ou en");
        } else if (a == "--quit-after") {
            int ms = -1;
            if (hasValue) {
                const std::string& v = args[++i];
                const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), ms);
                if (ec != std::errc() || end != v.data() + v.size())
                    ms = -1;
            }
            if (ms >= 0)
                o.quitAfterMs = ms;
            else
                o.errors.push_back("--quit-after attend un nombre de millisecondes");
        }
    }
    return o;
}

} // namespace ksy
