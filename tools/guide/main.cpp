// kestrametrix-guide SOURCE.md OUT.pdf
//
// Typesets the help guide: Markdown (headings, paragraphs, lists, bold,
// images) on A4 pages with page numbers. Images are looked up relative to the
// source file and scaled to the text width when they are wider.
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>
#include <algorithm>
#include <cstdio>

namespace {

// The width of the text column of an A4 page with 20 mm margins, in the
// layout units of the printed document (measured on the printed guide: wider
// pictures run past the right margin).
constexpr double kTextWidth = 500.0;
// A picture never takes more than about two thirds of a page's height (a
// phone's screen is tall and narrow).
constexpr double kMaxHeight = 560.0;

void fitImages(QTextDocument& doc)
{
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat format = fragment.charFormat();
            if (!format.isImageFormat())
                continue;
            QTextImageFormat image = format.toImageFormat();
            const QVariant resource = doc.resource(QTextDocument::ImageResource, QUrl(image.name()));
            const QImage picture = resource.value<QImage>();
            if (picture.isNull())
                continue;
            // Screenshots are wide: show them at the text width, in proportion,
            // and tall ones at the height they may take.
            double width = std::min<double>(kTextWidth, picture.width());
            double height = width * picture.height() / picture.width();
            if (height > kMaxHeight) {
                width *= kMaxHeight / height;
                height = kMaxHeight;
            }
            image.setWidth(width);
            image.setHeight(height);
            QTextCursor cursor(&doc);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(image);
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: kestrametrix-guide SOURCE.md OUT.pdf\n");
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "kestrametrix-guide: cannot read %s\n", argv[1]);
        return 2;
    }
    QTextDocument doc;
    // Relative image names resolve against the source file's own place.
    doc.setMetaInformation(QTextDocument::DocumentUrl,
        QUrl::fromLocalFile(QFileInfo(source).absoluteFilePath()).toString());
    QFont body(QStringLiteral("Liberation Sans"));
    body.setPointSizeF(10.5);
    doc.setDefaultFont(body);
    doc.setDefaultStyleSheet(QStringLiteral("h1 { color: #1E4696; } h2 { color: #1E4696; }"));
    doc.setMarkdown(QString::fromUtf8(source.readAll()));
    fitImages(doc);

    QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
    // The title of the guide is its first line (a "# " heading).
    pdf.setTitle(doc.begin().text().isEmpty() ? QStringLiteral("Kestrametrix Sand Yachting - Guide")
                                              : doc.begin().text());
    pdf.setCreator(QStringLiteral("Kestrametrix Sand Yachting"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
    pdf.setResolution(300);
    doc.print(&pdf);
    return 0;
}
