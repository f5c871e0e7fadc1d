#!/usr/bin/env python3
"""Mutation check: applies one small deliberate fault at a time to a checkout,
rebuilds it and runs ctest; a fault that leaves every test green has escaped.

  tools/mutants.py CHECKOUT [--build DIR] [--only NAME ...] [--list]

CHECKOUT is a clean copy of the project (a git worktree, say), never the
working tree itself: each fault is written into it and undone with git.
"""

import argparse
import pathlib
import subprocess
import sys
import time

# (name, file, text as it stands, text with the fault). The text must occur
# exactly once in the file, so a fault always lands where it is meant to.
MUTANTS = [
    # The three limit checks: order, bounds and message texts.
    ("limits: maximum tested before the multiple", "src/betting/UpdateChip.cpp",
     "    if (stake % multiple != 0) {\n        return Refusal{RefusalKind::Multiple, multiple};\n    }\n"
     "    if (stake > maximum) {\n        return Refusal{RefusalKind::Maximum, maximum};\n    }\n",
     "    if (stake > maximum) {\n        return Refusal{RefusalKind::Maximum, maximum};\n    }\n"
     "    if (stake % multiple != 0) {\n        return Refusal{RefusalKind::Multiple, multiple};\n    }\n"),
    ("limits: maximum exclusive", "src/betting/UpdateChip.cpp",
     "if (stake > maximum)", "if (stake >= maximum)"),
    ("limits: minimum exclusive", "src/betting/UpdateChip.cpp",
     "if (stake < minimum)", "if (stake <= minimum)"),
    ("message: one blank after the minimum text", "src/betting/UpdateChip.cpp",
     '"Minimum bet allowed is " + SignedForm', '"Minimum bet allowed is" + SignedForm'),
    ("message: multiple text reworded", "src/betting/UpdateChip.cpp",
     '"Bets must be in multiples of "', '"Bets must be multiples of "'),
    ("message: maximum names the minimum", "src/betting/UpdateChip.cpp",
     "return Refusal{RefusalKind::Maximum, maximum};", "return Refusal{RefusalKind::Maximum, minimum};"),
    # Clearing and the money moved.
    ("clear: only below zero", "src/betting/UpdateChip.cpp",
     "if (stake <= 0) {", "if (stake < 0) {"),
    ("clear: gives back the chip, not the stake", "src/betting/UpdateChip.cpp",
     "const std::int16_t old = state.SpotStake.at(iCount);",
     "const std::int16_t old = state.catalogue.ChipValue.at(state.ChipIndex);"),
    ("accept: balance loses the new stake, not the change", "src/betting/UpdateChip.cpp",
     "CheckedSub(state.Balance, change)", "CheckedSub(state.Balance, stake)"),
    ("marker: keeps the chip of its first stake", "src/betting/UpdateChip.cpp",
     "    state.SpotChip.at(iCount) = state.ChipIndex;\n", ""),
    ("label: white for the 25 chip instead of the 100", "src/betting/UpdateChip.cpp",
     "chip == 2 || chip == 3 || chip == 5", "chip == 2 || chip == 3 || chip == 4"),
    ("label: five points from three characters", "src/betting/UpdateChip.cpp",
     "label.text.size() <= 3 ? 6 : 5", "label.text.size() < 3 ? 6 : 5"),
    # Hit-testing of the layout picture and the areas.
    ("hit-test: right bound exclusive", "src/betting/BoardHitTest.cpp",
     "if (x > kRightBound ||", "if (x >= kRightBound ||"),
    ("hit-test: top bound exclusive", "src/betting/BoardHitTest.cpp",
     "y < kTopBound ||", "y <= kTopBound ||"),
    ("hit-test: bottom bound inclusive", "src/betting/BoardHitTest.cpp",
     "y >= kBottomBound", "y > kBottomBound"),
    ("hit-test: column formula off by one twip", "src/betting/BoardHitTest.cpp",
     "return (x - 180) / kCellWidth + 1;", "return (x - 179) / kCellWidth + 1;"),
    ("hit-test: row formula off by one twip", "src/betting/BoardHitTest.cpp",
     "return (y - 120) / kCellHeight - 1;", "return (y - 119) / kCellHeight - 1;"),
    ("hit-test: column 1 clamped only far left", "src/betting/BoardHitTest.cpp",
     "if (x < kSecondColumnLeft) {", "if (x < -300) {"),
    ("area: red bound to black", "src/betting/BoardHitTest.cpp",
     '{"imgRed", 153,', '{"imgRed", 154,'),
    ("area: first dozen bound to the second", "src/betting/BoardHitTest.cpp",
     '{"imgDoz1", 148,', '{"imgDoz1", 149,'),
    ("area: third column bound to the second", "src/betting/BoardHitTest.cpp",
     '{"imgCol3", 147,', '{"imgCol3", 146,'),
    ("picture: any left press stakes, other buttons held or not", "src/window/board/frmBoardBetting.cpp",
     "if (button != Qt::LeftButton || buttons != Qt::LeftButton) {", "if (button != Qt::LeftButton) {"),
    ("picture: right press stakes too", "src/window/board/frmBoardBetting.cpp",
     "if (button != Qt::LeftButton || buttons != Qt::LeftButton) {",
     "if (button == Qt::MiddleButton) {"),
    ("buttons: right press passed on as the middle", "src/window/common/MouseButtons.h",
     "    case Qt::RightButton:\n        return kRightButton;",
     "    case Qt::RightButton:\n        return kMiddleButton;"),
    # Settlement.
    ("settle: payout includes the stake", "src/wheel/Settlement.cpp",
     "CheckedMul16(catalogue.SpotPayout.at(spot), stake)",
     "CheckedMul16(static_cast<std::int16_t>(catalogue.SpotPayout.at(spot) + 1), stake)"),
    ("settle: cover walk stops after the first pair", "src/wheel/Settlement.cpp",
     "catalogue.CoverNumber.at(k) <= number", "catalogue.CoverNumber.at(k) < number"),
    ("settle: cover walk misses the last entry", "src/wheel/Settlement.cpp",
     "while (k <= kLastCover &&", "while (k < kLastCover &&"),
    ("settle: winners cleared too", "src/wheel/Settlement.cpp",
     "            stake = static_cast<std::int16_t>(-stake);\n        }\n    }",
     "            stake = 0;\n        }\n    }"),
    ("settle: BetTotal not rebuilt from the winners", "src/wheel/Settlement.cpp",
     "    state.BetTotal = 0;\n    int k", "    int k"),
    ("settle: win not added to the balance", "src/wheel/Settlement.cpp",
     "    state.Balance = CheckedAdd(state.Balance, spinWin);\n", ""),
    # The history column.
    ("history: three blanks before a black number", "src/wheel/Settlement.cpp",
     "std::string(4, ' ')", "std::string(3, ' ')"),
    ("history: black numbers shown red", "src/wheel/Settlement.cpp",
     "HistoryColour::Yellow}", "HistoryColour::Red}"),
    ("history: the oldest entry is kept", "src/wheel/Settlement.cpp",
     "std::move_backward(history.begin(), history.end() - 1, history.end());",
     "std::move_backward(history.begin(), history.end() - 2, history.end() - 1);"),
    ("history: yellow drawn as white", "src/window/board/frmBoardView.cpp",
     "        return {0xFF, 0xFF, 0x00};\n", "        return {0xFF, 0xFF, 0xFF};\n"),
    # The ball.
    ("ball: stops after two wraps", "src/wheel/Spin.cpp",
     "kWrapsBeforeStop = 2;", "kWrapsBeforeStop = 1;"),
    ("ball: direction kept for the next spin", "src/wheel/Spin.cpp",
     "state.BallDirection = static_cast<std::int16_t>(-state.BallDirection);",
     "state.BallDirection = static_cast<std::int16_t>(+state.BallDirection);"),
    ("ball: radius step of 6", "src/wheel/Spin.cpp", "kRadiusStep = 7.0F;", "kRadiusStep = 6.0F;"),
    ("ball: steps in down to 1300 inclusive", "src/wheel/Spin.cpp",
     "if (state.BallRadius > kInnerRing) {", "if (state.BallRadius >= kInnerRing) {"),
    ("ball: angle offset of the wrong sign", "src/wheel/Spin.cpp", "- 2.3F;", "+ 2.3F;"),
    ("ball: clockwise wrap into pocket 1", "src/wheel/Spin.cpp",
     "        next = 0;\n", "        next = 1;\n"),
    ("ball: anticlockwise wrap not counted", "src/wheel/Spin.cpp",
     "        next = static_cast<std::int16_t>(next + kPocketCount);\n        ++state.LapCount;\n",
     "        next = static_cast<std::int16_t>(next + kPocketCount);\n"),
    ("ball: top and left from swapped functions", "src/wheel/Spin.cpp",
     "state.BallRadius * std::sin(radians) + kWheelCentreTop", "state.BallRadius * std::cos(radians) + kWheelCentreTop"),
    ("draw: pocket 36 never drawn", "src/table/RandomSource.cpp",
     "* kPocketCount));", "* (kPocketCount - 1)));"),
    # Announced patterns: spots, order, the stop at the first refusal.
    ("pattern: Tier's last two chips swapped", "src/betting/AnnouncedBets.cpp",
     "{27, 44, 61, 94, 113, 137}", "{27, 44, 61, 94, 137, 113}"),
    ("pattern: Orphns staking 2 instead of 1", "src/betting/AnnouncedBets.cpp",
     "{7, 29, 63, 75, 133}", "{9, 29, 63, 75, 133}"),
    ("pattern: Grande with one chip on the trio", "src/betting/AnnouncedBets.cpp",
     "{4, 4, 25, 53, 77, 85, 110, 110, 135}", "{4, 25, 25, 53, 77, 85, 110, 110, 135}"),
    ("pattern: Zero staking 27 instead of 26", "src/betting/AnnouncedBets.cpp",
     "{5, 53, 105, 135}", "{5, 53, 107, 135}"),
    ("pattern: Birds missing a chip", "src/betting/AnnouncedBets.cpp", "{27, 33, 39}", "{27, 33}"),
    ("pattern: Cousins staking 35 instead of 34", "src/betting/AnnouncedBets.cpp",
     "{21, 43, 69, 139}", "{21, 43, 69, 141}"),
    ("pattern: Reds in another order", "src/betting/AnnouncedBets.cpp",
     "{41, 73, 77, 113}", "{41, 77, 73, 113}"),
    ("pattern: Blacks in another order", "src/betting/AnnouncedBets.cpp",
     "{39, 49, 75, 111, 121}", "{39, 49, 75, 121, 111}"),
    ("pattern: a refused first chip does not end the press", "src/betting/AnnouncedBets.cpp",
     "if (i > 0 && !state.BetAccepted) {", "if (i > 1 && !state.BetAccepted) {"),
    ("pattern: second quarter one pocket short", "src/betting/AnnouncedBets.cpp",
     "PocketRunSpots(catalogue, 10, 18)", "PocketRunSpots(catalogue, 10, 17)"),
    ("finals: negative cover takes its digit", "src/betting/AnnouncedBets.cpp",
     "if (!cover || *cover % 10 < 0) {", "if (!cover) {"),
    ("finals: read in 16 bits", "src/betting/AnnouncedBets.cpp",
     "ReadTypedValue(coverText, 32)", "ReadTypedValue(coverText, 16)"),
    ("figure: groups shifted by one", "src/betting/AnnouncedBets.cpp",
     "for (int n = (*cover - 1) % 9 + 1;", "for (int n = *cover % 9 + 1;"),
    ("figure: zero grouped with the nines", "src/betting/AnnouncedBets.cpp",
     "    if (*cover == 0) {\n        return {0};\n    }\n", ""),
    ("figure: 36 admitted as outside", "src/betting/AnnouncedBets.cpp",
     "*cover < 0 || *cover >= kNumberCount", "*cover < 0 || *cover >= kNumberCount - 1"),
    ("sector: Qtr + a pocket too far", "src/betting/AnnouncedBets.cpp",
     "kQtrPlusOffset = 9;", "kQtrPlusOffset = 10;"),
    ("sector: Oppos a pocket short", "src/betting/AnnouncedBets.cpp",
     "kOpposOffset = 18;", "kOpposOffset = 17;"),
    ("sector: run starts a pocket late", "src/betting/WheelSectors.cpp",
     "const int start = *pocket + offset - *count;", "const int start = *pocket + offset - *count + 1;"),
    ("sector: wrap off by one", "src/betting/WheelSectors.cpp",
     "return pocket - kPocketCount;", "return pocket - kPocketCount + 1;"),
    ("neighbours: anticlockwise first", "src/betting/WheelSectors.cpp",
     "        spots.push_back(PocketSpot(catalogue, Wrap(*pocket + j)));\n"
     "        spots.push_back(PocketSpot(catalogue, Wrap(*pocket - j)));\n",
     "        spots.push_back(PocketSpot(catalogue, Wrap(*pocket - j)));\n"
     "        spots.push_back(PocketSpot(catalogue, Wrap(*pocket + j)));\n"),
    # Reading typed numbers, and the signed form.
    ("typed: leading blanks not skipped", "src/betting/TypedValue.cpp",
     "(text[at] == ' ' || text[at] == '\\t')", "(text[at] == '\\t')"),
    ("typed: halves always up", "src/betting/TypedValue.cpp",
     "return moreThanHalf || whole % 2 != 0;", "return true;"),
    ("typed: halves always down", "src/betting/TypedValue.cpp",
     "return moreThanHalf || whole % 2 != 0;", "return moreThanHalf;"),
    ("typed: 16-bit reads take 32 bits", "src/betting/TypedValue.cpp",
     "bits == 16 ? std::numeric_limits<std::int16_t>::max()",
     "bits == 16 ? std::numeric_limits<std::int32_t>::max()"),
    ("signed form: no blank before a positive", "src/table/NumberText.cpp",
     "return std::string(1, ' ').append(std::to_string(value));", "return std::to_string(value);"),
    # The constant tables.
    ("catalogue: two wheel pockets swapped", "src/table/Catalogue.cpp",
     "0, 32, 15, 19, 4, 21,", "0, 32, 15, 4, 19, 21,"),
    ("catalogue: payout one too high", "src/table/Catalogue.cpp",
     "static_cast<std::int16_t>(36 / count - 1)", "static_cast<std::int16_t>(36 / count)"),
    ("catalogue: 35 not red", "src/table/Catalogue.cpp",
     "19, 21, 23, 25, 27, 30, 32, 34, 36};", "19, 21, 23, 25, 27, 30, 32, 35, 36};"),
    ("catalogue: marker row rounded down", "src/table/Catalogue.cpp",
     "const int row = (spot + 5) / 6;", "const int row = spot / 6 + 1;"),
    ("limits: the $2 table's multiple 2", "src/table/Limits.cpp",
     "kMultiples = {1, 1, 5, 10};", "kMultiples = {1, 2, 5, 10};"),
    ("limits: even chances at the $5 table up to 1000", "src/table/Limits.cpp",
     "Limit{10, 2000}, Limit{50, 4000}", "Limit{10, 1000}, Limit{50, 4000}"),
    # The window's own wiring.
    ("window: Qtr2 and Qtr3 bound to each other's pattern", "src/window/board/frmBoardAnnounced.cpp",
     "    {\"cmdQtr2\", AnnouncedBet::Qtr2},\n    {\"cmdQtr3\", AnnouncedBet::Qtr3},",
     "    {\"cmdQtr2\", AnnouncedBet::Qtr3},\n    {\"cmdQtr3\", AnnouncedBet::Qtr2},"),
    ("window: Oppos and Qtr + bound to each other's pattern", "src/window/board/frmBoardAnnounced.cpp",
     "    {\"cmdOppos\", AnnouncedBet::Oppos},\n    {\"cmdQtrPlus\", AnnouncedBet::QtrPlus},",
     "    {\"cmdOppos\", AnnouncedBet::QtrPlus},\n    {\"cmdQtrPlus\", AnnouncedBet::Oppos},"),
    ("window: input reaches the table during a spin", "src/window/common/InputBlocker.cpp",
     "return widget == m_window || m_window->isAncestorOf(widget);", "return false;"),
    ("window: the cover box stays hidden after a spin", "src/window/board/frmBoardSpin.cpp",
     "    m_cmbNumber->show();\n", ""),
    ("window: cover text in plain form after a spin", "src/window/board/frmBoardSpin.cpp",
     "SignedForm(settled->ResultNumber)", "PlainForm(settled->ResultNumber)"),
    ("window: $1 and $2 choices swapped", "src/window/board/frmBoard.cpp",
     'm_lblTable = {Control<ClickLabel>("lblTable1"), Control<ClickLabel>("lblTable2"),',
     'm_lblTable = {Control<ClickLabel>("lblTable2"), Control<ClickLabel>("lblTable1"),'),
    ("window: selected chip shown white", "src/window/board/frmBoardView.cpp",
     "Highlight(i == m_state.ChipIndex)", "Highlight(i != m_state.ChipIndex)"),
    ("window: stake label not moved onto its chip", "src/window/board/frmBoard.cpp",
     "Pixels(place.top + kStakeLabelOffset.top, Zoom())", "Pixels(place.top, Zoom())"),
    # This round's rules: progressions, stop rules, zoom, window places, stores, drills.
    ('paroli: resets after four wins', 'src/strategy/Progression.cpp',
     'm_winsInRow == 3', 'm_winsInRow == 4'),
    ('fibonacci: climbs past its largest multiplier', 'src/strategy/Progression.cpp',
     'm_multiplier < kLargestMultiplier', 'm_multiplier <= kLargestMultiplier'),
    ('fibonacci: a win steps back one, not two', 'src/strategy/Progression.cpp',
     'm_fibonacciStep - 2', 'm_fibonacciStep - 1'),
    ('stop rule: balance floor exclusive', 'src/strategy/StopRules.cpp',
     'spin.balance <= *rules.balanceAtOrBelow', 'spin.balance < *rules.balanceAtOrBelow'),
    ('stop rule: last-win mark exclusive', 'src/strategy/StopRules.cpp',
     'spin.lastWin >= *rules.lastWinAtOrAbove', 'spin.lastWin > *rules.lastWinAtOrAbove'),
    ('autoplay: one spin more than asked', 'src/strategy/AutoplayRun.cpp',
     'm_spin >= m_settings.spins', 'm_spin > m_settings.spins'),
    ('zoom: out steps from the next step down', 'src/table/ZoomSteps.cpp',
     'std::lower_bound', 'std::upper_bound'),
    ('zoom: in past the largest step', 'src/table/ZoomSteps.cpp',
     'kZoomSteps.back() : *after', 'percent : *after'),
    ('window place: 64 pixels of title bar too few', 'src/table/ScreenPlace.cpp',
     'seen.width >= kGraspWidth', 'seen.width > kGraspWidth'),
    ("window place: beside on the left, the screen's edge refused", 'src/table/ScreenPlace.cpp',
     'onTheLeft >= screen.left', 'onTheLeft > screen.left'),
    ('window place: ties go to the later screen', 'src/table/ScreenPlace.cpp',
     ') > Area(', ') >= Area('),
    ("stored text: a return's escape not read", 'src/table/StoredText.cpp',
     "case 'r':", "case 'R':"),
    ('stored text: the newest version refused', 'src/table/StoredText.cpp',
     '*version > newestVersion', '*version >= newestVersion'),
    ('saved layouts: five-digit stakes refused', 'src/betting/SavedLayouts.cpp',
     'text.size() > 5', 'text.size() > 4'),
    ('saved layouts: a repeated spot read', 'src/betting/SavedLayouts.cpp',
     '*spot <= previous', '*spot < previous'),
    ('racetrack: five either side at most', 'src/betting/Racetrack.cpp',
     'kMostEitherSide = 6', 'kMostEitherSide = 5'),
    ("racetrack: a sector's arc starts on the wrong side", 'src/betting/Racetrack.cpp',
     'Wrap(p - 1, kPocketCount)', 'Wrap(p + 1, kPocketCount)'),
    ('layout actions: a spot at the multiple lowered again', 'src/betting/LayoutActions.cpp',
     'state.SpotStake.at(spot) <= target', 'state.SpotStake.at(spot) < target'),
    ('layout actions: rebet of a spot already at its stake', 'src/betting/LayoutActions.cpp',
     'state.SpotStake.at(spot) >= wanted', 'state.SpotStake.at(spot) > wanted'),
    ('drill: an answer at the time limit is late', 'src/practice/DrillLevels.cpp',
     'milliseconds <= limit', 'milliseconds < limit'),
    ('drill progress: more outcomes than the window read', 'src/practice/DrillProgress.cpp',
     'text.size() > static_cast<std::size_t>(kMarkWindow)', 'false'),
    ('drill progress: the last level never opens', 'src/practice/DrillProgress.cpp',
     'l < kLevelCount;', 'l < kLevelCount - 1;'),
    ('drill check: missing pieces rounded down', 'src/practice/DrillCheck.cpp',
     '(stakes.at(spot) + value - 1) / value', 'stakes.at(spot) / value'),
    ('pay drill: unstaked spots paid', 'src/practice/PaySum.cpp',
     'stake <= 0', 'stake < 0'),
    ('simulator: a bankroll equal to the stake is broke', 'src/strategy/Simulator.cpp',
     'stake <= bankroll', 'stake < bankroll'),
    ('simulator: final bins one short', 'src/strategy/Simulator.cpp',
     '*high - *low + bins)', '*high - *low + bins - 1)'),
    ("strategy return: a winner's stake kept", 'src/strategy/LayoutReturn.cpp',
     'catalogue.SpotPayout[spot] + 1', 'catalogue.SpotPayout[spot]'),
    # The table of action rules and the feature units round the table.
    ("rules: the racetrack offered while the ball runs", "src/table/ActionRules.cpp",
     'ActionRule{"actRacetrack", Waits, Ignores, Ignores}',
     'ActionRule{"actRacetrack", Ignores, Ignores, Ignores}'),
    ("rules: autoplay's stop waits for its ball", "src/table/ActionRules.cpp",
     "if (rule.autoplay == Stops && moment.autoplay) {",
     "if (rule.autoplay == Stops && moment.autoplay && !moment.spinning) {"),
    ("racetrack: answers during a Place it task", "src/window/racetrack/RacetrackUnit.cpp",
     "return !m_table.busy() && !m_table.announcedDiverted();", "return !m_table.busy();"),
    ("drills: a second button press counts wrong again", "src/window/practice/DrillTasks.cpp",
     "    if (run.checked) {\n        return;\n    }\n    const PlaceVerdict answer",
     "    const PlaceVerdict answer"),
    ("table: the drill's table index kept after it", "src/window/board/BoardTable.cpp",
     "    state.TableIndex = aside.saved.TableIndex;\n", ""),
    ("autoplay: the table not held for the run", "src/window/autoplay/AutoplayUnit.cpp",
     "    Block();\n    m_table.setHeld(true);\n    NextSpin();", "    Block();\n    NextSpin();"),
    ("zoom: a press mapped back by the rounded size", "src/window/common/Picture.cpp",
     "    return position / m_zoom;",
     "    return {position.x() * m_designed.width() / width(),\n"
     "            position.y() * m_designed.height() / height()};"),    # The store, the sounds and Hear it.
    ("store: a short write on a full disk not seen", "src/window/common/DataStore.cpp",
     "QIODevice::WriteOnly | QIODevice::Unbuffered", "QIODevice::WriteOnly"),
    ("store: an unsaved change forgotten by the next load", "src/window/common/DataStore.cpp",
     "    ApplyAll(result.records, unsaved);\n    return result;", "    return result;"),
    ("store: the player told at every failed save", "src/window/common/DataStore.cpp",
     "    if (wasSaved) {", "    if (true) {"),
    ("drill progress: a count past the largest", "src/practice/DrillProgress.cpp",
     "count = std::min(count + 1, kMostCount);", "count = count + 1;"),
    ("layouts: a long name cut through a letter", "src/betting/SavedLayouts.cpp",
     "--end; // never", "break; // never"),
    ("sound: fast autoplay speaks", "src/wheel/CroupierCall.cpp",
     "return {pace != PlayPace::Instant, pace == PlayPace::TableSpeed};",
     "return {pace != PlayPace::Instant, pace != PlayPace::Instant};"),
    ("sound: the last autoplay spin called at the table's pace", "src/window/sound/SoundUnit.cpp",
     "    Say(ResultCall(number), m_paceAtLaunch);", "    Say(ResultCall(number), m_pace());"),
    ("hear it: two neighbours called by their count", "src/practice/HearTask.cpp",
     'if (k == "2") {', 'if (k == "5") {'),
    ("hear it: the stream's calls 2 s apart", "src/practice/HearTask.h",
     "inline constexpr int kCallGapMs = 3000;", "inline constexpr int kCallGapMs = 2000;"),
    ("hear it: Check before No more bets", "src/window/practice/DrillTasks.cpp",
     "} else if (m_run->hear && HearCheckOpen()) {", "} else if (m_run->hear) {"),
]


def run(command, cwd, timeout=None):
    return subprocess.run(command, cwd=cwd, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL, timeout=timeout).returncode


def configure(checkout, build):
    subprocess.run(["cmake", "-S", ".", "-B", build, "-DCMAKE_BUILD_TYPE=Debug"], cwd=checkout,
                   check=True, stdout=subprocess.DEVNULL)


def build_and_test(checkout, build):
    if run(["cmake", "--build", build, "-j2"], checkout) != 0:
        return "no build"
    env_test = ["env", "QT_QPA_PLATFORM=offscreen", "ctest", "--test-dir", build, "-j2",
                "--timeout", "60", "--stop-on-failure"]
    try:
        return "caught" if run(env_test, checkout, timeout=900) != 0 else "ESCAPED"
    except subprocess.TimeoutExpired:
        return "caught (hung)"


def apply(checkout, mutant):
    _, file, old, new = mutant
    path = pathlib.Path(checkout, file)
    text = path.read_text()
    if text.count(old) != 1:
        return False
    path.write_text(text.replace(old, new))
    return True


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("checkout")
    parser.add_argument("--build", default="build-mutants")
    parser.add_argument("--only", nargs="*")
    parser.add_argument("--list", action="store_true")
    args = parser.parse_args()
    chosen = [m for m in MUTANTS if not args.only or any(o in m[0] for o in args.only)]
    if args.list:
        print("\n".join(m[0] for m in chosen))
        return 0
    checkout = pathlib.Path(args.checkout).resolve()
    configure(checkout, args.build)
    if build_and_test(checkout, args.build) != "ESCAPED":
        print("the unchanged checkout does not pass its own tests", file=sys.stderr)
        return 2
    caught = 0
    for mutant in chosen:
        started = time.time()
        if not apply(checkout, mutant):
            outcome = "NOT FOUND"
        else:
            outcome = build_and_test(checkout, args.build)
            run(["git", "checkout", "--", mutant[1]], checkout)
        caught += outcome.startswith("caught")
        print(f"{outcome:14} {time.time() - started:5.0f}s  {mutant[0]}", flush=True)
    print(f"caught {caught} of {len(chosen)}")
    # Leave the build matching the unchanged sources.
    run(["cmake", "--build", args.build, "-j2"], checkout)
    return 0


if __name__ == "__main__":
    sys.exit(main())
