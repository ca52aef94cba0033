#pragma once
// Where the pages of the site point: paths of the program's web server, or
// file names of the static export that clubs upload to their own site.
#include <string>

namespace ksy {

class SiteLinks {
public:
    static SiteLinks served() { return SiteLinks(false); }
    static SiteLinks files() { return SiteLinks(true); }

    bool staticFiles() const { return files_; }
    std::string live() const { return files_ ? "" : "/"; }
    std::string results() const { return files_ ? "index.html" : "/resultats"; }
    std::string stylesheet() const { return files_ ? "style.css" : "/style.css"; }
    std::string category(int c) const { return base(c) + ending(); }
    std::string heat(int c, int r, int h) const
    {
        return base(c) + sep() + "manche" + sep() + std::to_string(r) + sep() + "serie" + sep() +
            std::to_string(h) + ending();
    }
    std::string roundRanking(int c, int r) const
    {
        return base(c) + sep() + "manche" + sep() + std::to_string(r) + sep() + "classement" +
            ending();
    }
    std::string globalRanking(int c) const { return base(c) + sep() + "classement" + ending(); }

private:
    explicit SiteLinks(bool files)
        : files_(files)
    {
    }
    std::string sep() const { return files_ ? "-" : "/"; }
    std::string ending() const { return files_ ? ".html" : ""; }
    std::string base(int c) const
    {
        return (files_ ? "categorie-" : "/categorie/") + std::to_string(c);
    }

    bool files_;
};

} // namespace ksy
