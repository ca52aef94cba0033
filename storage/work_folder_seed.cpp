#include "storage/work_folder_seed.h"

#include <system_error>

namespace ksy {

namespace fs = std::filesystem;

namespace {

std::string displayName(const fs::path& relative)
{
    const std::u8string name = relative.generic_u8string();
    return {name.begin(), name.end()};
}

// Sources and repository files that travel with the data but are not data.
bool isShipped(const fs::path& file)
{
    const std::u8string name = file.filename().u8string();
    if (name.empty() || name.front() == u8'.') return false;
    return file.extension() != ".md";
}

bool isTaken(const fs::path& p)
{
    std::error_code ec;
    return fs::symlink_status(p, ec).type() != fs::file_type::not_found;
}

bool copyFile(const fs::path& from, const fs::path& to)
{
    std::error_code ec;
    fs::create_directories(to.parent_path(), ec);
    if (ec) return false;
    fs::path partial = to;
    partial += ".seeding";
    fs::copy_file(from, partial, fs::copy_options::overwrite_existing, ec);
    if (!ec && !isTaken(to)) fs::rename(partial, to, ec);
    if (ec || isTaken(partial)) {
        std::error_code ignored;
        fs::remove(partial, ignored);
    }
    return !ec && isTaken(to);
}

class Seeder {
public:
    Seeder(fs::path dataDir, fs::path root)
        : dataDir_(std::move(dataDir))
        , root_(std::move(root))
    {
    }

    void folder(const fs::path& relative)
    {
        std::error_code ec;
        fs::directory_iterator it(dataDir_ / relative, ec);
        if (ec) {
            fail(relative);
            return;
        }
        for (; it != fs::directory_iterator(); it.increment(ec)) {
            const fs::path name = relative / it->path().filename();
            std::error_code typeError;
            if (it->is_directory(typeError)) {
                makeFolder(name);
                folder(name);
            } else if (it->is_regular_file(typeError) && isShipped(name)) {
                file(name);
            }
        }
        if (ec) fail(relative);
    }

    SeedResult result;

private:
    void makeFolder(const fs::path& relative)
    {
        std::error_code ec;
        fs::create_directories(root_ / relative, ec);
        if (ec) fail(relative);
    }

    void file(const fs::path& relative)
    {
        const fs::path target = root_ / relative;
        if (isTaken(target)) return;
        if (copyFile(dataDir_ / relative, target))
            result.copied.push_back(displayName(relative));
        else
            fail(relative);
    }

    void fail(const fs::path& relative)
    {
        result.ok = false;
        result.failed.push_back(displayName(relative));
    }

    fs::path dataDir_;
    fs::path root_;
};

} // namespace

SeedResult seedWorkFolder(const fs::path& dataDir, const WorkFolder& workFolder)
{
    std::error_code ec;
    if (!fs::is_directory(dataDir, ec)) {
        SeedResult missing;
        missing.ok = false;
        missing.failed.push_back(displayName(dataDir));
        return missing;
    }
    fs::create_directories(workFolder.root(), ec);
    if (ec) {
        SeedResult unwritable;
        unwritable.ok = false;
        unwritable.failed.push_back(displayName(workFolder.root()));
        return unwritable;
    }
    Seeder seeder(dataDir, workFolder.root());
    seeder.folder({});
    return std::move(seeder.result);
}

} // namespace ksy
