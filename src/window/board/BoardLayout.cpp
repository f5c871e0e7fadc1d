#include "window/board/BoardLayout.h"

#include "table/Catalogue.h"

#include <QCoreApplication>

#include <array>

namespace {

constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kBlack = 0x000000;

ControlRow Row(const QString& name, ControlKind kind, TwipRect rect) {
    ControlRow row;
    row.name = name;
    row.kind = kind;
    row.rect = rect;
    return row;
}

ControlRow Hidden(ControlRow row) {
    row.visible = false;
    return row;
}

ControlRow Area(const char* name, TwipRect rect, ArtworkId art = {}) {
    ControlRow row = Row(QLatin1String(name), ControlKind::Picture, rect);
    row.art = art;
    return row;
}

// The wheel and the ball answer nothing: presses go through to what lies beneath.
ControlRow Backdrop(const char* name, TwipRect rect, ArtworkKind art) {
    ControlRow row = Row(QLatin1String(name), ControlKind::Backdrop, rect);
    row.art = {art};
    return row;
}

ControlRow Caption(const QString& name, ControlKind kind, TwipRect rect, const char* caption,
                   TextAlign align, FontRole font, QRgb text) {
    ControlRow row = Row(name, kind, rect);
    row.caption = QString::fromUtf8(caption);
    row.align = align;
    row.font = font;
    row.text = text;
    return row;
}

ControlRow Label(const char* name, const char* caption, TwipRect rect, TextAlign align,
                 FontRole font = FontRole::Window) {
    return Caption(QLatin1String(name), ControlKind::Label, rect, caption, align, font, kWhite);
}

ControlRow TableChoice(const char* name, const char* caption, TwipRect rect, QRgb text) {
    return Caption(QLatin1String(name), ControlKind::ClickLabel, rect, caption, TextAlign::Right,
                   FontRole::Window, text);
}

ControlRow Button(const char* name, const char* caption, int left, int top,
                  FontRole font = FontRole::SmallButton, int width = 600, int height = 230) {
    return Caption(QLatin1String(name), ControlKind::Button, {left, top, width, height}, caption,
                   TextAlign::Centre, font, kBlack);
}

ControlRow ResultBox(const QString& name, TwipRect rect, QRgb background) {
    ControlRow row = Row(name, ControlKind::ResultBox, rect);
    row.font = FontRole::Bold;
    row.background = background;
    return row;
}

ControlRow Combo(const char* name, int top) {
    ControlRow row = Row(QLatin1String(name), ControlKind::ComboBox, {7920, top, 615, 315});
    row.text = kBlack;
    return row;
}

// Captions are kept in English here and translated as each control is made.
// The bare click areas let the layout show through; the others are pictures.
// Listed back to front: imgZero lies in front of the other areas.
const std::vector<ControlRow> kOutsideAreas = {
    Area("imgDoz2", {1920, 2400, 390, 1560}, {ArtworkKind::Dozen, 1}),
    Area("imgDoz1", {1920, 600, 390, 1560}, {ArtworkKind::Dozen, 0}),
    Area("imgDoz3", {1920, 4200, 390, 1560}, {ArtworkKind::Dozen, 2}),
    Area("imgCol1", {0, 5880, 585, 375}),
    Area("imgCol2", {600, 5880, 585, 375}),
    Area("imgCol3", {1200, 5880, 585, 375}),
    Area("imgEven", {2520, 1440, 375, 750}, {ArtworkKind::EvenChance, 1}),
    Area("imgRed", {2520, 2320, 375, 735}),
    Area("imgBlk", {2520, 3240, 375, 735}),
    Area("imgHigh", {2520, 5040, 375, 750}, {ArtworkKind::EvenChance, 3}),
    Area("imgOdd", {2520, 4125, 375, 750}, {ArtworkKind::EvenChance, 2}),
    Area("imgLow", {2520, 525, 375, 750}, {ArtworkKind::EvenChance, 0}),
    Area("imgZero", {120, 0, 1575, 375}),
};

const std::vector<ControlRow> kLabels = {
    Label("lblTable", QT_TRANSLATE_NOOP("frmBoard", "Table :"), {3120, 3120, 495, 195},
          TextAlign::Centre),
    TableChoice("lblTable10", "$10", {3240, 3360, 270, 195}, kWhite),
    TableChoice("lblTable5", "$5", {3240, 3600, 255, 195}, kBlack),
    TableChoice("lblTable2", "$2", {3240, 3840, 255, 195}, kWhite),
    TableChoice("lblTable1", "$1", {3240, 4080, 255, 195}, kWhite),
    Label("Label1", QT_TRANSLATE_NOOP("frmBoard", "Last Win"), {4200, 5880, 1095, 255},
          TextAlign::Centre, FontRole::Bold),
    Label("Label2", QT_TRANSLATE_NOOP("frmBoard", "Balance"), {7440, 5880, 975, 255},
          TextAlign::Centre, FontRole::Bold),
    Label("Label3", QT_TRANSLATE_NOOP("frmBoard", "Bet"), {6000, 5880, 495, 255}, TextAlign::Centre,
          FontRole::Bold),
    Label("lblChips", QT_TRANSLATE_NOOP("frmBoard", "Chips:"), {3240, 600, 465, 195},
          TextAlign::Centre),
    Label("Label4", QT_TRANSLATE_NOOP("frmBoard", "Either Side"), {7860, 0, 795, 195},
          TextAlign::Centre),
    Label("Label5", QT_TRANSLATE_NOOP("frmBoard", "Cover"), {7935, 600, 435, 195},
          TextAlign::Centre),
};

const std::vector<ControlRow> kButtons = {
    Button("cmdSpin", QT_TRANSLATE_NOOP("frmBoard", "Spin"), 4080, 600, FontRole::Window, 735, 375),
    Button("cmdGrande", QT_TRANSLATE_NOOP("frmBoard", "Grande"), 1800, 15),
    Button("cmdTier", QT_TRANSLATE_NOOP("frmBoard", "Tier"), 2400, 15),
    Button("cmdOrphns", QT_TRANSLATE_NOOP("frmBoard", "Orphns"), 3000, 15),
    Button("cmdZero", QT_TRANSLATE_NOOP("frmBoard", "Zero"), 3600, 15),
    Button("cmdReds", QT_TRANSLATE_NOOP("frmBoard", "Reds"), 4200, 15),
    Button("cmdBlacks", QT_TRANSLATE_NOOP("frmBoard", "Blacks"), 4800, 15),
    Button("cmdQtr1", QT_TRANSLATE_NOOP("frmBoard", "1st Qtr"), 5400, 15),
    Button("cmdQtr2", QT_TRANSLATE_NOOP("frmBoard", "2nd Qtr"), 6000, 15),
    Button("cmdQtr3", QT_TRANSLATE_NOOP("frmBoard", "3rd Qtr"), 6600, 15),
    Button("cmdQtr4", QT_TRANSLATE_NOOP("frmBoard", "4th Qtr"), 7200, 15),
    Button("cmdCousins", QT_TRANSLATE_NOOP("frmBoard", "Cousin"), 1800, 240),
    Button("cmdBirds", QT_TRANSLATE_NOOP("frmBoard", "Birds"), 2400, 240),
    Button("cmdFinals", QT_TRANSLATE_NOOP("frmBoard", "Finals"), 3000, 240),
    Button("cmdFigure", QT_TRANSLATE_NOOP("frmBoard", "Figure"), 3600, 240),
    Button("cmdNeighb", QT_TRANSLATE_NOOP("frmBoard", "Neighb"), 4200, 240),
    Button("cmdOppos", QT_TRANSLATE_NOOP("frmBoard", "Oppos"), 4800, 240),
    Button("cmdQtrMinus", QT_TRANSLATE_NOOP("frmBoard", "Qtr -"), 5400, 240),
    Button("cmdQtrPlus", QT_TRANSLATE_NOOP("frmBoard", "Qtr +"), 6000, 240),
    Button("cmdExit", QT_TRANSLATE_NOOP("frmBoard", "Exit"), 6600, 240),
    Button("cmdHelp", QT_TRANSLATE_NOOP("frmBoard", "Help"), 7200, 240),
};

// Chip selector captions and widths by chip 0..7; chip 2 ("$5") is selected at start.
struct ChipCaption {
    const char* text;
    int width;
};
constexpr std::array<ChipCaption, kChipCount> kChipCaptions = {{{"$1", 180},
                                                                {"$2", 180},
                                                                {"$5", 195},
                                                                {"2x$5", 345},
                                                                {"$25", 270},
                                                                {"$100", 360},
                                                                {"$500", 360},
                                                                {"$1000", 450}}};
constexpr int kStartChip = 2;

void AddSpotChips(std::vector<ControlRow>& out) {
    for (int s = 0; s < kSpotCount; ++s) {
        out.push_back(Hidden(Row(ArrayName("imgChip", s), ControlKind::Picture, {0, 0, 270, 225})));
        out.push_back(
            Hidden(Caption(ArrayName("lblChip", s), ControlKind::ClickLabel, {0, 0, 225, 135}, "",
                           TextAlign::Centre, FontRole::StakeLabel, kBlack)));
    }
}

void AddChipSelector(std::vector<ControlRow>& out) {
    for (int i = 0; i < kChipCount; ++i) {
        const int top = 2520 - 240 * i;
        const auto& caption = kChipCaptions.at(static_cast<std::size_t>(i));
        ControlRow chip =
            Row(ArrayName("imgChipColour", i), ControlKind::Picture, {3120, top, 270, 225});
        chip.art = {ArtworkKind::Chip, i};
        out.push_back(chip);
        out.push_back(Caption(ArrayName("lblChipColour", i), ControlKind::ClickLabel,
                              {3480, top, caption.width, 195}, caption.text, TextAlign::Left,
                              FontRole::Window, i == kStartChip ? kBlack : kWhite));
    }
}

void AddResultBoxes(std::vector<ControlRow>& out) {
    out.push_back(ResultBox(QStringLiteral("txtWinSpin"), {5280, 5880, 735, 285}, kTableGreen));
    out.push_back(ResultBox(QStringLiteral("txtBetValue"), {6480, 5880, 855, 285}, kTableGreen));
    out.push_back(ResultBox(QStringLiteral("txtWinTotal"), {8400, 5880, 855, 285}, kTableGreen));
    for (int i = 0; i < kHistoryCount; ++i) {
        out.push_back(
            ResultBox(ArrayName("txtLastNumber", i), {8880, 120 + 240 * i, 495, 285}, kBlack));
    }
}

std::vector<ControlRow> BuildLayout() {
    std::vector<ControlRow> out;
    out.push_back(Area("imgBoard", {0, 0, 3015, 6315}, {ArtworkKind::Board}));
    out.insert(out.end(), kOutsideAreas.begin(), kOutsideAreas.end());
    AddSpotChips(out);
    out.push_back(Backdrop("imgWheel", {3480, 480, 5625, 5670}, ArtworkKind::Wheel));
    AddChipSelector(out);
    out.push_back(Hidden(Backdrop("shpBall", {6120, 3120, 225, 225}, ArtworkKind::Ball)));
    out.insert(out.end(), kLabels.begin(), kLabels.end());
    out.insert(out.end(), kButtons.begin(), kButtons.end());
    AddResultBoxes(out);
    out.push_back(Combo("cmbNeighb", 240));
    out.push_back(Combo("cmbNumber", 840));
    return out;
}

} // namespace

const std::vector<ControlRow>& BoardLayout() {
    static const std::vector<ControlRow> layout = BuildLayout();
    return layout;
}
