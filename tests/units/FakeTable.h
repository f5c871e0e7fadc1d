#pragma once

#include "core/FixedRandom.h"

#include "table/SessionStatistics.h"
#include "window/common/Table.h"

#include <QStringList>
#include <QWidget>

#include <vector>

// A hand-written table for the features' tests: a started game the test may
// change at will, and a record of every call a feature made. It keeps no
// rules: each call does the least a table would, so a test sees what the
// feature asked for, not what the table made of it.
class FakeTable final : public Table {
  public:
    FakeTable() {
        FixedRandom random;
        StartTable(game, random);
        owned.setWindowTitle(QStringLiteral("Velmora"));
    }

    const GameState& state() const override { return game; }
    const SessionStatistics& statistics() const override { return session; }
    QString eitherSideText() const override { return eitherSide; }
    void setEitherSideText(const QString& text) override { eitherSide = text; }
    double zoom() const override { return zoomFactor; }
    void setZoom(double zoom) override {
        zoomFactor = zoom;
        emit zoomChanged(zoom);
    }
    QWidget* owner() const override { return const_cast<QWidget*>(&owned); }
    bool held() const override { return isHeld; }
    void setHeld(bool held) override {
        isHeld = held;
        emit busyChanged(busy());
    }
    void blockInput(bool block) override { blocked = block; }

    void PutLayoutAside() override {
        ++putAside;
        asideGame = game;
        game.SpotStake = {};
    }
    void BringLayoutBack() override {
        ++broughtBack;
        game.SpotStake = asideGame.SpotStake;
    }
    bool layoutAside() const override { return putAside > broughtBack; }
    void ClearLayout() override {
        ++cleared;
        game.SpotStake = {};
    }
    void ForgetUndo() override { ++undoForgotten; }
    void SetChipAndTable(std::int16_t chip, std::int16_t table) override {
        game.ChipIndex = chip;
        game.TableIndex = table;
    }

    void PressSpot(std::int16_t spot) override {
        pressedSpots.push_back(spot);
        game.SpotStake.at(spot) = static_cast<std::int16_t>(game.SpotStake.at(spot) + 5);
    }
    void PlaceStakes(const SpotStakes& stakes) override { placed.push_back(stakes); }
    Staked StakeToMultiple(const SpotStakes& base, std::int64_t multiple,
                           const QString& notDone) override {
        multiples.push_back(multiple);
        if (!nextStaked.overflow && !nextStaked.refusal) {
            for (std::size_t s = 0; s < base.size(); ++s) {
                game.SpotStake.at(s) = static_cast<std::int16_t>(base.at(s) * multiple);
            }
        }
        overflowText = notDone;
        return nextStaked;
    }
    struct Press {
        AnnouncedBet bet;
        Qt::MouseButton button;
        std::optional<std::string> cover;
        std::optional<QString> eitherSide;
    };
    bool PressAnnounced(AnnouncedBet bet, Qt::MouseButton button,
                        const std::optional<std::string>& cover,
                        const std::optional<QString>& side) override {
        if (taker) {
            taker();
            return true;
        }
        presses.push_back({bet, button, cover, side});
        return true;
    }
    void DivertAnnouncedPresses(std::function<void()> take) override { taker = std::move(take); }
    bool announcedDiverted() const override { return static_cast<bool>(taker); }

    // The ball runs until StepBall, which settles it in `nextNumber`.
    void Spin() override {
        ++spins;
        heldAtSpin.push_back(isHeld && blocked);
        game.Spinning = true;
        emit spinLaunched();
        emit busyChanged(true);
    }
    void StepBall() override {
        ++steps;
        if (game.Spinning) {
            game.Spinning = false;
            emit busyChanged(busy());
            emit spinSettled(true, nextNumber);
        }
    }
    void SetBallTick(int milliseconds) override { ballTick = milliseconds; }

    void ShowMarks(const ChipsByNumber& chips) override { marks = chips; }
    void ShowPair(const ChipsByNumber& asked, const ChipsByNumber& given) override {
        pair = {asked, given};
    }
    void ClearMarks() override { marks.reset(); }
    bool previewHovered() const override { return hovered; }
    void SilencePreview(bool silence) override { silenced = silence; }

    void ShowMessage(const QString& text) override { messages << text; }

    GameState game;
    GameState asideGame;
    SessionStatistics session;
    QWidget owned;
    QString eitherSide = QStringLiteral("2");
    double zoomFactor = 1.0;
    bool isHeld = false;
    bool blocked = false;
    int putAside = 0, broughtBack = 0, cleared = 0, undoForgotten = 0;
    int spins = 0, steps = 0, ballTick = 0;
    int nextNumber = 17;
    std::vector<bool> heldAtSpin; // held and blocked as each spin started
    std::vector<std::int16_t> pressedSpots;
    std::vector<SpotStakes> placed;
    std::vector<std::int64_t> multiples;
    Staked nextStaked;
    QString overflowText;
    std::vector<Press> presses;
    std::function<void()> taker;
    std::optional<ChipsByNumber> marks;
    std::optional<std::pair<ChipsByNumber, ChipsByNumber>> pair;
    bool hovered = false;
    bool silenced = false;
    QStringList messages;
};
