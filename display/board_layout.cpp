#include "display/board_layout.h"

#include "display/board_scroll.h"
#include "display/text_fit.h"
#include "services/translate.h"

#include <algorithm>
#include <array>

namespace ksy {

namespace {

constexpr Colour Black = rgb(0, 0, 0);
constexpr Colour Green = rgb(0, 150, 0);
constexpr Colour Red = rgb(150, 0, 0);
constexpr Colour PaleYellow = rgb(255, 255, 200);
constexpr Colour StripGradientTop = rgb(255 - 40, 255 - 40, 200 - 95);

const char* const HeaderTexts[BoardColumnCount] = {
    KSY_TRANSLATE_NOOP("Board", "Ligne"),
    KSY_TRANSLATE_NOOP("Board", "Nom pilote"),
    KSY_TRANSLATE_NOOP("Board", "Tours"),
    KSY_TRANSLATE_NOOP("Board", "Temps total"),
    KSY_TRANSLATE_NOOP("Board", "Ecart leader"),
    KSY_TRANSLATE_NOOP("Board", "Ecart précédt"),
    KSY_TRANSLATE_NOOP("Board", "Dernier tour"),
    KSY_TRANSLATE_NOOP("Board", "Meilleur tour"),
    KSY_TRANSLATE_NOOP("Board", "Transp."),
};

// The board's own words in the official's language, looked up once and not
// at every paint (again only when another language is installed).
struct BoardWords {
    int generation = textTranslatorGeneration();
    std::array<std::string, BoardColumnCount> headers;
    std::string place = translate("Board", "Pos");
    std::string finish = translate("Board", "Fin");
    std::string radioConflict = translate("Board", " Conflit Radio ");
    BoardWords()
    {
        for (int k = 0; k < BoardColumnCount; ++k)
            headers[static_cast<std::size_t>(k)] = translate("Board", HeaderTexts[k]);
    }
};

const BoardWords& boardWords()
{
    thread_local BoardWords words;
    if (words.generation != textTranslatorGeneration())
        words = BoardWords();
    return words;
}

FontSpec plainFont(const char* face, int pixelHeight)
{
    FontSpec f;
    f.face = face;
    f.pixelHeight = pixelHeight;
    return f;
}

// Top of a text of this font centred vertically in [top, bottom).
int centredTop(int top, int bottom, const FontSpec& font, const TextMetrics& metrics)
{
    return top + std::max(0, (bottom - top - metrics.textHeight(font)) / 2);
}

class BoardPainter {
public:
    BoardPainter(const BoardView& view, const TextMetrics& metrics)
        : view_(view)
        , style_(view.style)
        , metrics_(metrics)
        , g_(boardGeometry(view))
    {
    }

    Drawing run()
    {
        background();
        watermark();
        bands();
        frame();
        heatTitle();
        headers();
        rows();
        footer();
        radioConflict();
        return std::move(out_);
    }

private:
    void add(Role role, auto op) { out_.push_back({role, std::move(op)}); }
    FontSpec font(int entry) const { return style_.fontFor(entry, view_.screenWidth); }
    const BoardLine& line(int i) const { return view_.inputs.rows[view_.scrollPosition + i]; }

    void background()
    {
        add(Role::WindowBackground,
            FillRectOp {
                {0, 0, view_.screenWidth, view_.screenHeight}, style_.colours[ColourWindow]});
        add(Role::Logo, ImageOp {{4, 2, 4 + 196, 2 + 50}, LogoFile});
        add(Role::BoardArea, FillRectOp {g_.boardArea(), style_.colours[ColourBoard]});
    }

    // The program's name, faint under the rows, with its version below it. A
    // face wider than planned is scaled down so that the name stays inside.
    void watermark()
    {
        const Rect area = g_.boardArea();
        const Colour colour = watermarkColour(style_.colours[ColourBoard]);
        FontSpec title = plainFont("Arial Black", area.width() / 12);
        const int titleWidth = metrics_.textWidth(title, BoardWatermark);
        if (titleWidth > area.width())
            title.pixelHeight = title.pixelHeight * area.width() / titleWidth;
        const FontSpec version = plainFont("Arial Black", title.pixelHeight / 3);
        const int titleHeight = metrics_.textHeight(title);
        const int versionTop = area.bottom - metrics_.textHeight(version) - g_.y(8);
        const int centre = (area.left + area.right) / 2;
        add(Role::Watermark,
            TextOp {centre, versionTop - titleHeight, TextAlign::Centre, BoardWatermark, title,
                colour, std::nullopt});
        add(Role::Version,
            TextOp {centre, versionTop, TextAlign::Centre, BoardVersion, version, colour,
                std::nullopt});
    }

    // Flat when the two colours are equal; otherwise a gradient, one per row
    // in relief style, one down the whole column of rows in gradient style.
    void rowsBand(Role role, const Rect& area, Colour top, Colour bottom)
    {
        if (area.height() <= 0)
            return;
        if (top == bottom) {
            add(role, FillRectOp {area, top});
        } else if (!style_.relief) {
            add(role, GradientRectOp {area, top, bottom});
        } else {
            for (int i = 0; i < g_.rowsDrawn; ++i)
                add(role,
                    GradientRectOp {
                        {area.left, g_.rowTop(i), area.right, g_.rowBottom(i)}, top, bottom});
        }
    }

    void bands()
    {
        const Colour headTop = style_.colours[ColourHeaderTop];
        const Colour headBottom = style_.colours[ColourHeaderBottom];
        if (headTop == headBottom) {
            add(Role::HeaderBand, FillRectOp {g_.headerBand(), headTop});
            rowsBand(Role::PositionStrip, g_.positionStrip(), PaleYellow, PaleYellow);
        } else {
            add(Role::HeaderBand, GradientRectOp {g_.headerBand(), headTop, headBottom});
            // The places brighten by 40, 40, 95 down to the flat strip's pale
            // yellow, so that the black places stay legible.
            rowsBand(Role::PositionStrip, g_.positionStrip(), StripGradientTop, PaleYellow);
        }
        rowsBand(Role::Table, g_.table(), style_.colours[ColourTableTop],
            style_.colours[ColourTableBottom]);
    }

    void frame()
    {
        const Rect band = g_.headerBand();
        const Rect table = g_.table();
        const int bottom = table.bottom;
        const Colour sep = style_.colours[ColourSeparators];
        for (int i = 0; i + 1 < g_.rowsDrawn; ++i)
            add(Role::RowLine,
                LineOp {band.left, g_.rowBottom(i), band.right, g_.rowBottom(i), sep, 1});
        if (bottom > band.bottom) {
            add(Role::Separator, LineOp {table.left, band.top, table.left, bottom, sep, 2});
            for (int k = 0; k < BoardColumnCount; ++k) {
                if (g_.widths[k] == 0)
                    continue;
                const int xr = g_.columnRight(k);
                add(Role::Separator, LineOp {xr, band.top, xr, bottom, sep, 2});
            }
        }
        add(Role::Frame, LineOp {band.left, band.top, band.right, band.top, Black, 2});
        add(Role::Frame, LineOp {band.left, band.bottom, band.right, band.bottom, Black, 2});
        add(Role::Frame, LineOp {band.left, bottom, band.right, bottom, Black, 2});
        add(Role::Frame, LineOp {band.left, band.top, band.left, bottom, Black, 2});
        add(Role::Frame, LineOp {band.right, band.top, band.right, bottom, Black, 2});
    }

    // The title stays in its band, left of the race buttons: a longer one is
    // cut with an ellipsis, never in the heat's name.
    void heatTitle()
    {
        const Rect r = g_.heatTitle();
        const FontSpec f = font(FontHeatTitle);
        const int left = r.left + g_.x(10);
        const int room = r.right - g_.x(5) - left;
        const BoardInputs& in = view_.inputs;
        add(Role::HeatTitle, FillRectOp {r, style_.colours[ColourHeatTitle]});
        add(Role::HeatTitle,
            TextOp {left, centredTop(r.top, r.bottom, f, metrics_), TextAlign::Left,
                in.heatRoundAndHeat.empty() ? elideToWidth(in.heatTitle, f, room, metrics_)
                                            : heatTitleToWidth(in.heatCategory, in.heatRoundAndHeat,
                                                  in.heatDetails, f, room, metrics_),
                f, style_.textColours[FontHeatTitle], style_.colours[ColourHeatTitle]});
    }

    void headers()
    {
        const Rect band = g_.headerBand();
        const FontSpec f = font(FontHeaders);
        const Colour colour = style_.textColours[FontHeaders];
        const int top = centredTop(band.top, band.bottom, f, metrics_);
        const int pad = g_.x(3);
        auto header = [&](int xLeft, int xRight, const std::string& text) {
            add(Role::Header,
                TextOp {xLeft + pad, top, TextAlign::Left,
                    elideToWidth(text, f, xRight - xLeft - pad, metrics_), f, colour, {}});
        };
        const BoardWords& words = boardWords();
        header(band.left, g_.columnsLeft(), words.place);
        for (int k = 0; k < BoardColumnCount; ++k)
            if (g_.widths[k] != 0)
                header(g_.columnLeft(k), g_.columnRight(k),
                    words.headers[static_cast<std::size_t>(k)]);
        header(g_.finishLeft() - g_.x(5), band.right, words.finish);
    }

    std::optional<Colour> cellBackground(const BoardLine& l, int column) const
    {
        if (column == ColumnSlot && l.changed)
            return style_.colours[ColourChangedRow];
        if (column == ColumnTransponder && l.sharedTransponder)
            return style_.colours[ColourRadioConflict];
        if (column == ColumnBestLap) {
            if (l.holdsHeatBest)
                return style_.colours[ColourHeatBestLap];
            if (l.newPersonalBest)
                return style_.colours[ColourPersonalBest];
        }
        return std::nullopt;
    }

    // A shared transponder also gets a sign, for eyes that miss the colour.
    static std::string cellText(const BoardLine& l, int column)
    {
        if (column == ColumnTransponder && l.sharedTransponder)
            return l.transponder + " !";
        return l.columnText(column);
    }

    void rows()
    {
        const Rect strip = g_.positionStrip();
        const FontSpec placeFont = plainFont("Arial Black", font(FontFirstColumn).pixelHeight);
        for (int i = 0; i < g_.rowsDrawn; ++i)
            add(Role::Place,
                TextOp {(strip.left + strip.right) / 2, g_.rowTextTop(i), TextAlign::Centre,
                    line(i).place, placeFont, Black, {}});
        for (int k = 0; k < BoardColumnCount; ++k) {
            if (g_.widths[k] == 0)
                continue;
            const FontSpec f = font(FontFirstColumn + k);
            const Colour colour = style_.textColours[FontFirstColumn + k];
            // A text wider than its column is cut, never drawn over the next.
            const int room = g_.columnRight(k) - g_.columnLeft(k) - 4;
            for (int i = 0; i < g_.rowsDrawn; ++i)
                add(Role::Cell,
                    TextOp {g_.columnCentre(k), g_.rowTextTop(i), TextAlign::Centre,
                        elideToWidth(cellText(line(i), k), f, room, metrics_), f, colour,
                        cellBackground(line(i), k)});
        }
        const int flagWidth = view_.screenWidth / 64;
        for (int i = 0; i < g_.rowsDrawn; ++i) {
            if (!line(i).finished)
                continue;
            const int x = g_.finishLeft();
            const int y = g_.rowTextTop(i);
            add(Role::FinishFlag, ImageOp {{x, y, x + flagWidth, y + 16}, FinishFlagFile});
        }
    }

    void footer()
    {
        const BoardInputs& in = view_.inputs;
        const Rect cd = g_.countdown();
        const FontSpec countdownFont = plainFont("Arial", 30);
        add(Role::Countdown,
            TextOp {cd.right, centredTop(cd.top, cd.bottom, countdownFont, metrics_),
                TextAlign::Right, in.countdownText, countdownFont, Black, {}});

        // Duration, elapsed and remaining side by side, each centred in a third,
        // in a font that follows the screen as the board does.
        const Rect clk = g_.clock();
        const FontSpec clockFont = plainFont("Arial Black", g_.x(30));
        const int top = centredTop(clk.top, clk.bottom, clockFont, metrics_);
        const std::string* texts[3] = {&in.durationText, &in.elapsedText, &in.remainingText};
        const Colour colours[3] = {Black, Green, Red};
        for (int j = 0; j < 3; ++j) {
            const int centre = clk.left + (2 * j + 1) * clk.width() / 6;
            add(Role::Clock,
                TextOp {centre, top, TextAlign::Centre, *texts[j], clockFont, colours[j], {}});
        }

        if (!in.rest.shown)
            return;
        const Rect st = g_.status();
        const FontSpec restFont = plainFont("Arial", 18);
        const int restTop = centredTop(st.top, st.bottom, restFont, metrics_);
        add(Role::Rest,
            TextOp {st.left, restTop, TextAlign::Left, in.rest.length, restFont, Black, {}});
        const int x = st.left + metrics_.textWidth(restFont, in.rest.length + "  ");
        add(Role::Rest,
            TextOp {x, restTop, TextAlign::Left, in.rest.countdown, restFont,
                in.rest.elapsed ? Red : Green, {}});
    }

    void radioConflict()
    {
        if (!view_.inputs.radioConflict)
            return;
        const Rect r = g_.warning();
        const FontSpec f = font(FontRadioConflict);
        add(Role::RadioConflict,
            TextOp {(r.left + r.right) / 2, centredTop(r.top, r.bottom, f, metrics_),
                TextAlign::Centre, boardWords().radioConflict, f,
                style_.textColours[FontRadioConflict], style_.colours[ColourRadioConflict]});
    }

    const BoardView& view_;
    const BoardStyle& style_;
    const TextMetrics& metrics_;
    BoardGeometry g_;
    Drawing out_;
};

} // namespace

RowMetrics boardRowMetrics(
    const BoardStyle& style, int screenWidth, int screenHeight, const TextMetrics& metrics)
{
    int textHeight = 0;
    for (int k = 0; k < BoardColumnCount; ++k)
        textHeight = std::max(
            textHeight, metrics.textHeight(style.fontFor(FontFirstColumn + k, screenWidth)));
    RowMetrics m;
    m.rowHeight = textHeight * 120 / 100;
    // A heat's twenty rows are worth more than the spacing between them: on a
    // screen a little short of room the spacing shrinks, never the text.
    const int tightest = (rowAreaHeight(screenHeight) - 1) / MaxBoardRows;
    if (m.rowHeight > tightest && tightest >= textHeight)
        m.rowHeight = tightest;
    m.visibleRows = visibleRowCount(m.rowHeight, screenHeight);
    return m;
}

int rowsDrawn(const BoardView& view)
{
    const int count = static_cast<int>(view.inputs.rows.size());
    const int first = clampScrollPosition(view.scrollPosition, count, view.rows.visibleRows);
    return std::max(0, std::min(view.rows.visibleRows, count - first));
}

BoardGeometry boardGeometry(const BoardView& view)
{
    BoardGeometry g;
    g.screenWidth = view.screenWidth;
    g.screenHeight = view.screenHeight;
    g.widths = view.widths;
    g.rowHeight = view.rows.rowHeight;
    g.rowsDrawn = rowsDrawn(view);
    return g;
}

Drawing layoutBoard(const BoardView& view, const TextMetrics& metrics)
{
    BoardView clamped = view;
    clamped.scrollPosition = clampScrollPosition(
        view.scrollPosition, static_cast<int>(view.inputs.rows.size()), view.rows.visibleRows);
    return BoardPainter(clamped, metrics).run();
}

Colour watermarkColour(Colour background)
{
    auto darken = [](int c) { return c <= 9 ? 0 : c - 10; };
    return rgb(darken(redOf(background)), darken(greenOf(background)), darken(blueOf(background)));
}

} // namespace ksy
