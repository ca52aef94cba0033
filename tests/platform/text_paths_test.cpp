// The canvas draws texts through its font cache: widths measured once, texts
// laid out once, large texts drawn once into an image. Each of these paths
// must put the same pixels where plain QPainter::drawText puts them.
#include "display/board_layout.h"
#include "display/board_sources.h"
#include "display/display_settings.h"
#include "display/ui/board_render.h"
#include "platform/font_cache.h"
#include "platform/qt_canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace ksy::test {
namespace {

QString qs(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The canvas with texts drawn as they were before the cache: a font and its
// metrics built for each text, measured and drawn by QPainter::drawText.
class PlainTextCanvas : public Canvas {
public:
    PlainTextCanvas(QPainter& painter, ImageCache& images)
        : painter_(painter)
        , inner_(painter, images)
    {
    }
    int textHeight(const FontSpec& font) const override
    {
        return QFontMetrics(toQFont(font), painter_.device()).height();
    }
    int textWidth(const FontSpec& font, std::string_view utf8) const override
    {
        return QFontMetrics(toQFont(font), painter_.device()).horizontalAdvance(qs(utf8));
    }
    void fillRect(const Rect& rect, Colour colour) override { inner_.fillRect(rect, colour); }
    void gradientRect(const Rect& rect, Colour top, Colour bottom) override
    {
        inner_.gradientRect(rect, top, bottom);
    }
    void line(int x1, int y1, int x2, int y2, Colour colour, int width) override
    {
        inner_.line(x1, y1, x2, y2, colour, width);
    }
    void text(int x, int y, TextAlign align, std::string_view utf8, const FontSpec& font,
        Colour colour, std::optional<Colour> background) override
    {
        const QFont f = toQFont(font);
        const QFontMetrics metrics(f, painter_.device());
        const QString s = qs(utf8);
        const int width = metrics.horizontalAdvance(s);
        const int left = align == TextAlign::Centre ? x - width / 2
            : align == TextAlign::Right             ? x - width
                                                    : x;
        if (background)
            painter_.fillRect(QRect(left, y, width, metrics.height()), toQColor(*background));
        painter_.setFont(f);
        painter_.setPen(toQColor(colour));
        painter_.drawText(left, y + metrics.ascent(), s);
    }
    void image(const Rect& target, std::string_view file) override { inner_.image(target, file); }

private:
    QPainter& painter_;
    QtCanvas inner_;
};

struct Difference {
    int pixels = 0; // how many differ
    int largest = 0; // the largest difference of one colour channel
};

Difference compare(const QImage& a, const QImage& b)
{
    Difference d;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (p == q)
                continue;
            ++d.pixels;
            d.largest = std::max({d.largest, std::abs(qRed(p) - qRed(q)),
                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    return d;
}

ImageCache shippedImages()
{
    return ImageCache {WorkFolder(std::filesystem::path(KSY_SOURCE_DIR) / "data")};
}

struct TextCase {
    FontSpec font;
    TextAlign align;
    std::string text;
    std::optional<Colour> background;
};

// Small and large fonts (the large ones go through a pre-rendered image),
// italics and decorations that reach past the advance, every alignment.
std::vector<TextCase> textCases()
{
    const Colour yellow = rgb(255, 255, 0);
    return {
        {{"Arial", 20, 700, false, false, false}, TextAlign::Left, "Série 3 - Manche 2", {}},
        {{"Arial", 18, 400, true, true, false}, TextAlign::Centre, "Pilote numéro 12", yellow},
        {{"Arial Black", 30, 900, false, false, true}, TextAlign::Right, "0:14:12.250", {}},
        {{"Arial", 63, 400, true, false, false}, TextAlign::Left, "fjord ÉTÉ", {}},
        {{"Arial Black", 64, 900, false, false, false}, TextAlign::Centre, "0:00:48", {}},
        {{"Arial Black", 141, 400, false, false, false}, TextAlign::Centre,
            "Kestrametrix Sand Yachting", {}},
        {{"Arial", 90, 700, true, true, true}, TextAlign::Right, "jW fêté", yellow},
    };
}

// Large texts are drawn once into an image and that image over the board:
// blending it again rounds a few edge pixels by a unit or two.
constexpr int kLargeText = 64;
constexpr int kBlendRounding = 4;

template <class MakeCanvas>
QImage drawCases(MakeCanvas make, bool large)
{
    QImage image(1900, 1000, QImage::Format_RGB32);
    image.fill(QColor(40, 90, 160));
    QPainter painter(&image);
    auto canvas = make(painter);
    int y = 5;
    for (const TextCase& c : textCases()) {
        if ((c.font.pixelHeight >= kLargeText) != large)
            continue;
        canvas->text(950, y, c.align, c.text, c.font, rgb(250, 240, 10), c.background);
        y += canvas->textHeight(c.font) + 4;
    }
    return image;
}

TEST(CanvasTexts, CachedLaidOutAndPreRenderedTextsGiveThePlainPixels)
{
    ImageCache images = shippedImages();
    const auto plainCanvas = [&](QPainter& p) {
        return std::make_unique<PlainTextCanvas>(p, images);
    };
    FontCache fonts;
    const auto cachedCanvas = [&](QPainter& p) {
        return std::make_unique<QtCanvas>(p, images, &fonts);
    };
    for (bool large : {false, true}) {
        SCOPED_TRACE(large ? "large texts" : "small texts");
        const QImage plain = drawCases(plainCanvas, large);
        const QImage first = drawCases(cachedCanvas, large);
        // The second paint draws from what the first one kept.
        const QImage second = drawCases(cachedCanvas, large);
        for (const QImage* cached : {&first, &second}) {
            const Difference d = compare(plain, *cached);
            if (large) {
                EXPECT_LE(d.largest, kBlendRounding);
                EXPECT_LT(d.pixels, 50);
            } else {
                EXPECT_EQ(d.pixels, 0);
            }
        }
        if (const QByteArray out = qgetenv("KSY_TEXT_PNG"); !out.isEmpty()) {
            plain.save(out + (large ? "-large" : "-small") + "-plain.png");
            second.save(out + (large ? "-large" : "-small") + "-cached.png");
        }
    }
}

TEST(CanvasTexts, TheBoardOfTwentyRowsGivesThePlainPixels)
{
    DisplaySettings settings;
    ASSERT_TRUE(readDisplaySettings(
        std::filesystem::path(KSY_SOURCE_DIR) / u8"data/Private/RéglagesAffichage.rgsc",
        settings));
    BoardView view;
    view.screenWidth = 1920;
    view.screenHeight = 1080;
    view.style = boardStyle(settings);
    view.widths = boardColumnWidths(settings);
    view.rows = measureRows(view.style, 1920, 1080);
    view.inputs.heatTitle = "Série 3 - Manche 2 - Catégorie Classe 5";
    for (int i = 1; i <= 20; ++i) {
        BoardLine l;
        l.place = std::to_string(i);
        l.slot = " " + std::to_string(i) + " ";
        l.name = "Pilote numéro " + std::to_string(i);
        l.passingCount = std::to_string(30 - i);
        l.totalTime = "0:14:" + std::to_string(10 + i) + ".250";
        l.lastLap = "1:10.500";
        l.bestLap = "1:08.250";
        l.finished = i < 6;
        l.holdsHeatBest = i == 1;
        l.changed = i == 2;
        view.inputs.rows.push_back(l);
    }
    view.inputs.durationText = "0:15:00";
    view.inputs.elapsedText = "0:14:12";
    view.inputs.remainingText = "0:00:48";
    view.inputs.radioConflict = true;
    ASSERT_EQ(view.rows.visibleRows, 20);

    ImageCache images = shippedImages();
    QImage plain(1920, 1080, QImage::Format_RGB32);
    plain.fill(Qt::white);
    {
        QPainter painter(&plain);
        PlainTextCanvas canvas(painter, images);
        replay(layoutBoard(view, canvas), canvas);
    }
    FontCache fonts;
    renderBoard(view, images, &fonts);
    // The second paint takes everything from the cache.
    const QImage cached = renderBoard(view, images, &fonts);
    const Difference d = compare(plain, cached);
    EXPECT_LE(d.largest, kBlendRounding);
    EXPECT_LT(d.pixels, 100);
    if (const QByteArray out = qgetenv("KSY_TEXT_PNG"); !out.isEmpty()) {
        plain.save(out + "-board-plain.png");
        cached.save(out + "-board-cached.png");
    }
}

TEST(CanvasTexts, WidthsStayRightAcrossACacheThatWasEmptied)
{
    FontCache fonts;
    const FontSpec spec {"Arial", 20, 400, false, false, false};
    const int width = fonts.width(spec, "Pilote numéro 12");
    EXPECT_EQ(width, QFontMetrics(toQFont(spec)).horizontalAdvance(qs("Pilote numéro 12")));
    // Enough sizes to empty the cache of fonts: texts cached under a font
    // that went must not be taken for those of a new font.
    for (int size = 10; size < 400; ++size) {
        const FontSpec other {"Arial", size, 400, false, false, false};
        EXPECT_EQ(fonts.width(other, "Pilote numéro 12"),
            QFontMetrics(toQFont(other)).horizontalAdvance(qs("Pilote numéro 12")))
            << size;
    }
    EXPECT_EQ(fonts.width(spec, "Pilote numéro 12"), width);
}

TEST(CanvasTexts, APrinterGetsItsTextsLaidOutAtItsOwnResolution)
{
    // A printer's metrics differ from the screen's: the canvas measures and
    // draws with the printer's, never with images made for the screen.
    QTemporaryDir dir;
    QPdfWriter pdf(dir.filePath("page.pdf"));
    pdf.setResolution(1200);
    QPainter painter(&pdf);
    ImageCache images = shippedImages();
    QtCanvas canvas(painter, images);
    const FontSpec large {"Arial", 90, 400, false, false, false};
    EXPECT_EQ(canvas.textWidth(large, "Kestrametrix"),
        QFontMetrics(toQFont(large), &pdf).horizontalAdvance(QStringLiteral("Kestrametrix")));
    canvas.text(100, 100, TextAlign::Left, "Kestrametrix", large, rgb(0, 0, 0), std::nullopt);
    EXPECT_TRUE(painter.end());
}

} // namespace
} // namespace ksy::test
