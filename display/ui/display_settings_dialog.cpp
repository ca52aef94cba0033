#include "display/ui/display_settings_dialog.h"

#include "platform/qt_canvas.h"
#include "services/translate.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <algorithm>

namespace ksy {

namespace {

using F = DisplaySettingsForm;

QString qt(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A caption of the form, in the official's language.
QString shown(std::string_view text, const char* context = "DisplaySettings")
{
    return QCoreApplication::translate(context, std::string(text).c_str());
}

Colour fromQColor(const QColor& c)
{
    return rgb(c.red(), c.green(), c.blue());
}

// The three groups of elements, by label id.
struct Group {
    const char* title;
    int first;
    int last;
};
constexpr Group kGroups[] = {
    {KSY_TRANSLATE_NOOP("DisplaySettings", "Thème"), 3811, 3813},
    {KSY_TRANSLATE_NOOP("DisplaySettings", "Evénements"), 3815, 3819},
    {KSY_TRANSLATE_NOOP("DisplaySettings", "Tableau résultats"), 3821, 3822},
};

// What the colour buttons of an element change, in its colour order.
QString colourCaption(const DisplayElement& e, std::size_t slot)
{
    const bool gradient = e.colours[1] != DisplayElement::None;
    if (slot == 2)
        return QCoreApplication::translate("DisplaySettings", "Lignes");
    if (!gradient)
        return QCoreApplication::translate("DisplaySettings", "Couleur");
    return slot == 0 ? QCoreApplication::translate("DisplaySettings", "Haut")
                     : QCoreApplication::translate("DisplaySettings", "Bas");
}

} // namespace

std::optional<Colour> QtDisplayPickers::pickColour(
    QWidget* parent, Colour initial, std::array<Colour, DisplaySettings::kCustomColours>& custom)
{
    for (std::size_t i = 0; i < custom.size(); ++i)
        QColorDialog::setCustomColor(static_cast<int>(i), toQColor(custom[i]));
    const QColor chosen = QColorDialog::getColor(toQColor(initial), parent);
    // Custom colours the user set are kept even when the picker is cancelled.
    for (std::size_t i = 0; i < custom.size(); ++i)
        custom[i] = fromQColor(QColorDialog::customColor(static_cast<int>(i)));
    if (!chosen.isValid())
        return std::nullopt;
    return fromQColor(chosen);
}

std::optional<FontSpec> QtDisplayPickers::pickFont(QWidget* parent, const FontSpec& initial)
{
    QFont start(qt(initial.face));
    start.setPointSize(std::max(1, initial.pixelHeight));
    const int weight = initial.weight <= 0 ? 400 : std::clamp(initial.weight, 100, 900);
    start.setWeight(static_cast<QFont::Weight>(weight));
    start.setItalic(initial.italic);
    start.setUnderline(initial.underline);
    start.setStrikeOut(initial.strikeOut);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, start, parent);
    if (!ok)
        return std::nullopt;
    FontSpec f;
    f.face = chosen.family().toStdString();
    f.pixelHeight = chosen.pointSize() > 0 ? chosen.pointSize() : chosen.pixelSize();
    f.weight = static_cast<int>(chosen.weight());
    f.italic = chosen.italic();
    f.underline = chosen.underline();
    f.strikeOut = chosen.strikeOut();
    return f;
}

ElementSampleView::ElementSampleView(QWidget* parent)
    : QWidget(parent)
{
    // One size for every sample, so that the three groups line up.
    setFixedSize(sizeHint());
}

QSize ElementSampleView::sizeHint() const
{
    return {260, 44};
}

void ElementSampleView::setSample(const ElementSample& sample)
{
    if (sample.text == sample_.text && sample.font == sample_.font &&
        sample.textColour == sample_.textColour && sample.top == sample_.top &&
        sample.bottom == sample_.bottom && sample.lines == sample_.lines)
        return;
    sample_ = sample;
    update();
}

void ElementSampleView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    if (sample_.top == sample_.bottom) {
        p.fillRect(r, toQColor(sample_.top));
    } else {
        // Line by line, as the board draws its gradients.
        for (int y = 0; y < r.height(); ++y)
            p.fillRect(0, y, r.width(), 1,
                toQColor(gradientLineColour(sample_.top, sample_.bottom, y, r.height())));
    }
    if (sample_.lines) {
        const QColor lines = toQColor(*sample_.lines);
        p.fillRect(0, 0, 2, r.height(), lines);
        p.fillRect(r.width() - 2, 0, 2, r.height(), lines);
        p.fillRect(0, r.height() - 1, r.width(), 1, lines);
    }
    if (!sample_.text.empty()) {
        // The size the board uses on a 1600-pixel-wide screen.
        p.setFont(toQFont(sample_.font));
        p.setPen(toQColor(sample_.textColour));
        p.drawText(r, Qt::AlignCenter, qt(sample_.text));
    }
    p.setPen(Qt::black);
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

DisplaySettingsDialog::DisplaySettingsDialog(DisplaySettingsForm form, WorkFolder folder,
    Prompts& prompts, FileChooser& files, DisplayPickers& pickers, QWidget* parent)
    : QDialog(parent)
    , form_(std::move(form))
    , folder_(std::move(folder))
    , prompts_(prompts)
    , files_(files)
    , pickers_(pickers)
{
    setWindowTitle(shown(F::kTitle));
    setObjectName(QStringLiteral("AFFICHAGE"));
    auto* column = new QVBoxLayout(this);
    auto named = [](QWidget* w, int id) {
        w->setObjectName(QString::number(id));
        return w;
    };

    auto* top = new QHBoxLayout;
    auto* style = new QGroupBox(QCoreApplication::translate("DisplaySettings", "Style"), this);
    auto* styleRow = new QVBoxLayout(style);
    // Not exclusive: a style the file holds that is neither 0 nor 1 checks none.
    auto* styleGroup = new QButtonGroup(style);
    styleGroup->setExclusive(false);
    for (int id : {F::StyleRelief, F::StyleGradient}) {
        auto* radio = new QRadioButton(shown(F::textOf(id)), style);
        named(radio, id);
        styleGroup->addButton(radio);
        styleRow->addWidget(radio);
        radio->setToolTip(id == F::StyleRelief
                ? QCoreApplication::translate("DisplaySettings",
                      "Chaque ligne du tableau a son propre dégradé (couleurs "
                      "Haut et Bas de « Résultats tableau ») : les lignes "
                      "ressortent en bandes.")
                : QCoreApplication::translate("DisplaySettings",
                      "Un seul dégradé (couleurs Haut et Bas de « Résultats "
                      "tableau ») descend sur tout le tableau. Avec deux couleurs "
                      "égales, les deux styles sont unis."));
        radios_[id] = radio;
        connect(radio, &QAbstractButton::clicked, this, [this, id] {
            form_.click(id);
            refresh();
        });
    }
    top->addWidget(style);

    auto* widths = new QGroupBox(QCoreApplication::translate("DisplaySettings", "Colonnes"), this);
    auto* widthRow = new QGridLayout(widths);
    widthRow->addWidget(new QLabel(shown(F::textOf(F::ColumnList)), widths), 0, 0);
    widthRow->addWidget(new QLabel(shown(F::textOf(F::WidthEdit)), widths), 0, 1);
    columns_ = new QComboBox(widths);
    named(columns_, F::ColumnList);
    for (int c = 0; c < int(DisplaySettings::kColumns); ++c)
        columns_->addItem(shown(F::columnName(c), "Board"));
    widthRow->addWidget(columns_, 1, 0);
    width_ = new QLineEdit(widths);
    named(width_, F::WidthEdit);
    width_->setMaxLength(F::WidthDigits);
    width_->setAlignment(Qt::AlignRight);
    width_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), width_));
    width_->setFixedWidth(width_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    widthRow->addWidget(width_, 1, 1);
    for (int id : {F::Plus, F::Minus}) {
        auto* button = new QPushButton(shown(F::textOf(id)), widths);
        named(button, id);
        button->setAutoDefault(false);
        button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("+")) + 24);
        widthRow->addWidget(button, 1, id == F::Plus ? 2 : 3);
        connect(button, &QPushButton::clicked, this, [this, id] {
            form_.click(id);
            refresh();
        });
    }
    connect(columns_, &QComboBox::activated, this, [this](int index) {
        form_.chooseColumn(index);
        refresh();
    });
    connect(width_, &QLineEdit::textEdited, this, &DisplaySettingsDialog::widthEdited);
    top->addWidget(widths, 1);
    column->addLayout(top);

    buildElements(column);

    auto* buttons = new QHBoxLayout;
    auto* load = new QPushButton(shown(F::textOf(F::LoadTheme)), this);
    auto* save = new QPushButton(shown(F::textOf(F::SaveTheme)), this);
    named(load, F::LoadTheme);
    named(save, F::SaveTheme);
    load->setAutoDefault(false);
    save->setAutoDefault(false);
    connect(load, &QPushButton::clicked, this, [this] {
        if (form_.loadTheme(files_, folder_, prompts_))
            refresh();
    });
    connect(
        save, &QPushButton::clicked, this, [this] { form_.saveTheme(files_, folder_, prompts_); });
    buttons->addWidget(load);
    buttons->addWidget(save);
    buttons->addStretch();
    auto* ok = new QPushButton(shown(F::textOf(F::Ok)), this);
    auto* cancel = new QPushButton(shown(F::textOf(F::Cancel)), this);
    named(ok, F::Ok);
    named(cancel, F::Cancel);
    ok->setDefault(true);
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    column->addLayout(buttons);

    refresh();
}

void DisplaySettingsDialog::buildElements(QVBoxLayout* column)
{
    for (const Group& group : kGroups) {
        auto* box = new QGroupBox(shown(group.title), this);
        auto* grid = new QGridLayout(box);
        int row = 0;
        for (const DisplayElement& e : F::elements()) {
            if (e.control < group.first || e.control > group.last)
                continue;
            auto* label = new QLabel(shown(e.label), box);
            label->setObjectName(QString::number(e.control));
            grid->addWidget(label, row, 0);
            auto* sample = new ElementSampleView(box);
            sample->setObjectName(QStringLiteral("sample%1").arg(e.control));
            samples_[e.control] = sample;
            grid->addWidget(sample, row, 1);
            auto* pickers = new QHBoxLayout;
            auto addButton = [&](const QString& text, const QString& name, auto onClick) {
                auto* button = new QPushButton(text, box);
                button->setObjectName(name);
                button->setAutoDefault(false);
                connect(button, &QPushButton::clicked, this, onClick);
                pickers->addWidget(button);
            };
            const int control = e.control;
            if (e.font != DisplayElement::None) {
                addButton(QCoreApplication::translate("DisplaySettings", "Police..."),
                    QStringLiteral("font%1").arg(control), [this, control] { pickFont(control); });
                if (e.font == DisplayElement::ChosenColumn)
                    pickers->itemAt(pickers->count() - 1)
                        ->widget()
                        ->setToolTip(QCoreApplication::translate(
                            "DisplaySettings", "Police de la colonne choisie sous \"Colonne\""));
                addButton(QCoreApplication::translate("DisplaySettings", "Texte"),
                    QStringLiteral("text%1").arg(control),
                    [this, control] { pickTextColour(control); });
            }
            for (std::size_t slot = 0; slot < e.colours.size(); ++slot) {
                const int index = e.colours[slot];
                if (index == DisplayElement::None)
                    continue;
                addButton(colourCaption(e, slot), QStringLiteral("colour%1").arg(index),
                    [this, index] { pickColour(index); });
            }
            pickers->addStretch();
            grid->addLayout(pickers, row, 2);
            ++row;
        }
        grid->setColumnStretch(2, 1);
        grid->setColumnMinimumWidth(0, 150);
        column->addWidget(box);
    }
}

void DisplaySettingsDialog::pickColour(int index)
{
    auto custom = form_.customColours();
    const std::optional<Colour> chosen = pickers_.pickColour(this, form_.colour(index), custom);
    form_.setCustomColours(custom);
    if (chosen)
        form_.setColour(index, *chosen);
    refresh();
}

void DisplaySettingsDialog::pickTextColour(int control)
{
    const int entry = form_.fontEntry(control);
    auto custom = form_.customColours();
    const std::optional<Colour> chosen = pickers_.pickColour(this, form_.textColour(entry), custom);
    form_.setCustomColours(custom);
    if (chosen)
        form_.setTextColour(entry, *chosen);
    refresh();
}

void DisplaySettingsDialog::pickFont(int control)
{
    const int entry = form_.fontEntry(control);
    const std::optional<FontSpec> chosen = pickers_.pickFont(this, form_.font(entry));
    // A face the settings file cannot hold is refused; the entry stays.
    if (chosen)
        form_.setFont(entry, *chosen);
    refresh();
}

void DisplaySettingsDialog::widthEdited(const QString& text)
{
    if (const auto rewrite = form_.typeWidth(text.toStdString()))
        width_->setText(qt(*rewrite));
    refresh();
}

void DisplaySettingsDialog::refresh()
{
    for (auto& [id, radio] : radios_)
        radio->setChecked(form_.isChecked(id));
    columns_->setCurrentIndex(form_.chosenColumn());
    // An edit being typed in keeps its text (an empty edit stands for 0).
    const QString width = qt(form_.widthText());
    if (width_->text() != width && !(width_->text().isEmpty() && form_.width() == 0))
        width_->setText(width);
    for (auto& [control, sample] : samples_)
        sample->setSample(form_.sample(control));
}

bool DisplaySettingsDialog::edit(QWidget* parent, const WorkFolder& folder,
    DisplaySettings& settings, Prompts& prompts, FileChooser& files)
{
    const auto file = folder.file(kDisplaySettingsFile);
    // The dialog starts from the settings in use, dragged widths included.
    if (!writeDisplaySettings(file, settings))
        prompts.error(std::string(kDisplaySettingsError));
    DisplaySettingsForm form;
    form.open(folder, prompts);
    QtDisplayPickers pickers;
    DisplaySettingsDialog dialog(std::move(form), folder, prompts, files, pickers, parent);
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    if (confirmed)
        dialog.form().confirm(folder, prompts);
    if (!readDisplaySettings(file, settings))
        prompts.error(std::string(kDisplaySettingsError));
    return confirmed;
}

} // namespace ksy
