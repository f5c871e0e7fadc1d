#include "PlayerPresses.h"

#include "betting/Racetrack.h"
#include "betting/Selectors.h"
#include "betting/StakeJournal.h"
#include "window/common/Picture.h"
#include "window/racetrack/TrackCell.h"

#include <QScreen>

namespace {

const char* const kSectorButtons[] = {"cmdTier", "cmdOrphns", "cmdGrande", "cmdZero"};

// The racetrack of one board, pressed side by side with a second board's
// buttons: both must end in the same state.
class RacetrackTest : public AnnouncedTest {
  protected:
    RacetrackTest() : twin(nullptr, std::make_unique<FixedRandom>()) {
        twin.show();
        ActionOf(board, "actRacetrack")->trigger();
        track = board.findChild<QWidget*>("frmRacetrack");
    }

    TrackCell* Cell(int stop) {
        const TrackTarget target = TargetOfStop(board.state().catalogue, stop);
        const QString name = target.number
                                 ? QStringLiteral("rt%1").arg(*target.number)
                                 : QString(kSectorButtons[stop - 37]).replace("cmd", "rt");
        auto* cell = track->findChild<TrackCell*>(name);
        EXPECT_NE(cell, nullptr) << name.toStdString();
        return cell;
    }

    // Presses the stop where it lies in front, as the player would.
    void PressStop(int stop, Qt::MouseButton button) {
        TrackCell* cell = Cell(stop);
        ASSERT_EQ(PressPoint(*track, cell->anchor().toPoint(), button), cell)
            << cell->objectName().toStdString();
    }

    // The same press on the twin's own button, the number typed as its cover.
    void PressTwin(int stop, Qt::MouseButton button) {
        const TrackTarget target = TargetOfStop(board.state().catalogue, stop);
        const char* name = "cmdNeighb";
        if (target.number) {
            twin.findChild<QComboBox*>("cmbNumber")->setEditText(QString::number(*target.number));
        } else {
            name = kSectorButtons[stop - 37];
        }
        auto* control = twin.findChild<QPushButton*>(name);
        QTest::mousePress(control, button);
        QTest::mouseRelease(control, button);
    }

    static void Setup(frmBoard& b, std::int16_t table, std::int16_t chip, const QString& side) {
        SelectTable(b.stateForTest(), table);
        ::SelectChip(b.stateForTest(), chip);
        b.RedrawSelectors();
        b.findChild<QComboBox*>("cmbNeighb")->setEditText(side);
    }

    frmBoard twin;
    QWidget* track = nullptr;
};

// With `fillFirst`, both boards start with a left press of every stop.
struct PressRow {
    const char* name;
    std::int16_t table, chip;
    const char* eitherSide;
    Qt::MouseButton button;
    bool fillFirst;
};

void PrintTo(const PressRow& row, std::ostream* out) {
    *out << row.name;
}

class RacetrackPressTest : public RacetrackTest, public ::testing::WithParamInterface<PressRow> {};

// Every stop in turn on one layout that fills up, so later presses meet the
// table's maximums and refusals; the messages shown must match as well.
TEST_P(RacetrackPressTest, EveryStopDoesWhatItsButtonDoes) {
    const PressRow& row = GetParam();
    Setup(board, row.table, row.chip, row.eitherSide);
    Setup(twin, row.table, row.chip, row.eitherSide);
    BoxLog boxes;
    for (int stop = 0; row.fillFirst && stop < kTrackStopCount; ++stop) {
        PressStop(stop, Qt::LeftButton);
        PressTwin(stop, Qt::LeftButton);
    }
    ASSERT_EQ(board.state().SpotStake, twin.state().SpotStake);
    const QString cover = Cover()->currentText();
    for (int stop = 0; stop < kTrackStopCount; ++stop) {
        boxes.clear();
        PressStop(stop, row.button);
        const std::vector<SeenBox> trackBoxes = boxes.boxes();
        boxes.clear();
        PressTwin(stop, row.button);
        EXPECT_TRUE(TakeSnapshot(board.state()) == TakeSnapshot(twin.state())) << "stop " << stop;
        EXPECT_EQ(board.state().BetAccepted, twin.state().BetAccepted) << "stop " << stop;
        ASSERT_EQ(trackBoxes.size(), boxes.boxes().size()) << "stop " << stop;
        for (std::size_t i = 0; i < trackBoxes.size(); ++i) {
            EXPECT_EQ(trackBoxes[i].text, boxes.boxes()[i].text) << "stop " << stop;
        }
    }
    EXPECT_EQ(Cover()->currentText(), cover) << "the track changed the Cover box";
}

INSTANTIATE_TEST_SUITE_P(
    Racetrack, RacetrackPressTest,
    ::testing::Values(
        PressRow{"TenDollarTableRefusesFiveDollarChips", 3, 2, "1", Qt::LeftButton, false},
        PressRow{"TwoDollarTableFillsToItsMaximum", 1, 3, "6", Qt::LeftButton, false},
        PressRow{"RightPressesTakeOffWhatLeftPressesPut", 2, 2, "3", Qt::RightButton, true},
        PressRow{"MiddlePressesOnAStakedLayout", 1, 3, "2", Qt::MiddleButton, true}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(RacetrackTest, EachPressIsOneUndoableStep) {
    PressStop(8, Qt::LeftButton); // 17
    const auto afterFirst = board.state().SpotStake;
    PressStop(37, Qt::LeftButton); // Tier
    ASSERT_NE(board.state().SpotStake, afterFirst);
    ActionOf(board, "actUndo")->trigger();
    EXPECT_EQ(board.state().SpotStake, afterFirst);
    ActionOf(board, "actUndo")->trigger();
    EXPECT_EQ(board.state().BetTotal, 0);
}

// The track opens on the screen, keeps no program running once the table is
// gone, and each cell is named for a screen reader and taken by the keys.
TEST_F(RacetrackTest, KeysMoveRoundTheTrackPlaceTakeOffAndChangeTheCount) {
    EXPECT_FALSE(track->testAttribute(Qt::WA_QuitOnClose));
    EXPECT_TRUE(track->screen()->availableGeometry().contains(track->frameGeometry()));
    for (int stop = 0; stop < kTrackStopCount; ++stop) {
        EXPECT_EQ(Cell(stop)->focusPolicy(), Qt::StrongFocus);
    }
    EXPECT_EQ(Cell(8)->accessibleName(), "17");
    EXPECT_EQ(Cell(38)->accessibleName(), "Orphans");
    Cell(8)->setFocus(); // 17
    QTest::keyClick(track->focusWidget(), Qt::Key_Right);
    EXPECT_EQ(track->focusWidget()->objectName(), "rt34");
    QTest::keyClick(track->focusWidget(), Qt::Key_Left);
    QTest::keyClick(track->focusWidget(), Qt::Key_Up);
    EXPECT_EQ(track->focusWidget()->objectName(), "rt25");
    QTest::keyClick(track->focusWidget(), Qt::Key_Plus);
    EXPECT_EQ(EitherSide()->currentText(), "3");
    QTest::keyClick(track->focusWidget(), Qt::Key_Return);
    twin.findChild<QComboBox*>("cmbNeighb")->setEditText("3");
    PressTwin(7, Qt::LeftButton);
    EXPECT_EQ(board.state().SpotStake, twin.state().SpotStake);
    EXPECT_EQ(board.state().BetTotal, 7 * 5);
    QTest::keyClick(track->focusWidget(), Qt::Key_Space);
    QTest::keyClick(track->focusWidget(), Qt::Key_Enter, Qt::ShiftModifier);
    EXPECT_EQ(board.state().BetTotal, 7 * 5);
    QTest::keyClick(track->focusWidget(), Qt::Key_Minus);
    EXPECT_EQ(EitherSide()->currentText(), "2");
    Cell(36)->setFocus();
    QTest::keyClick(track->focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(track->focusWidget()->objectName(), "rtTier");
}

// Which numbers are marked is the unit's test; here, that the table draws them as the button does.
TEST_F(RacetrackTest, HoveringSeventeenPreviewsItsNeighboursAsTheButtonWould) {
    Enter(Cell(8));
    EXPECT_EQ(Cell(8)->mark(), 1);
    const QImage layoutFromTrack = Find("imgBoard")->grab().toImage();
    const QImage wheelFromTrack = Find("imgWheel")->grab().toImage();
    Leave(Cell(8));
    EXPECT_EQ(Cell(8)->mark(), 0);
    EXPECT_FALSE(Find<Picture>("imgBoard")->hasOverlay());
    EXPECT_FALSE(Find<Picture>("imgWheel")->hasOverlay());
    Type(Cover(), "17");
    Enter(Find("cmdNeighb"));
    ASSERT_TRUE(Find<Picture>("imgBoard")->hasOverlay() && Find<Picture>("imgWheel")->hasOverlay());
    EXPECT_EQ(Find("imgBoard")->grab().toImage(), layoutFromTrack) << "marked as the button marks";
    EXPECT_EQ(Find("imgWheel")->grab().toImage(), wheelFromTrack) << "marked as the button marks";
    EXPECT_EQ(Cell(8)->toolTip(), Find<QPushButton>("cmdNeighb")->toolTip());
    EXPECT_EQ(Cell(37)->toolTip(), Find<QPushButton>("cmdTier")->toolTip());
}

// Grande puts two chips on the trio 0/2/3 and the corner 25/26/28/29, marked
// twice. With $25 chips at the $1 table a second Grande places one more chip
// on the trio, to its 75, and the next is refused: the box takes the marks away.
TEST_F(RacetrackTest, ASectorMarksTwiceWhereItPutsTwoChipsAndARefusalTakesTheMarksAway) {
    Setup(board, 0, 4, "2");
    BoxLog boxes;
    Enter(Cell(39));
    EXPECT_EQ(Cell(0)->mark(), 2);  // 0
    EXPECT_EQ(Cell(1)->mark(), 1);  // 32
    EXPECT_EQ(Cell(11)->mark(), 0); // 27, a Tier number
    PressStop(39, Qt::LeftButton);
    ASSERT_EQ(Cell(0)->mark(), 1);
    PressStop(39, Qt::LeftButton);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(Cell(0)->mark(), 0);
    EXPECT_EQ(Cell(1)->mark(), 0);
    EXPECT_FALSE(Find<Picture>("imgBoard")->hasOverlay());
}

} // namespace
