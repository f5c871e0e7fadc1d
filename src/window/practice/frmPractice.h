#pragma once

#include "practice/DrillLevels.h"

#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;
class QTableWidget;
class QTimer;

// The drills' window beside the table. It only shows what the table tells it
// and reports the player's presses; the table runs the drill itself.
class frmPractice : public QWidget {
    Q_OBJECT
  public:
    // Milliseconds from any fixed start; replaced in tests.
    using Clock = std::function<qint64()>;

    explicit frmPractice(QWidget* owner);

    void SetClock(Clock clock);
    // The table's zoom: the window's font, and so its size, grow with it.
    void SetZoom(double zoom);
    void ShowDrill(Drill drill);
    Drill drill() const { return m_drill; }
    int level() const;
    // Levels not yet unlocked are listed but cannot be chosen.
    void SetLevels(const std::array<bool, kLevelCount>& unlocked, int level);
    // A new task: its text, the clock started, the answer and verdict cleared.
    void ShowTask(const QString& task);
    // Only the task's words, the clock running on.
    void ShowTaskText(const QString& task);
    // Marked: the table shows the asked and the given pattern in two colours.
    void ShowVerdict(const QString& verdict, bool marked = false);
    void ShowCounts(int right, int wrong, int streak, int bestStreak);
    void ShowAverage(std::int64_t milliseconds);
    // Hear it's level 4: the seconds left until "No more bets"; none hides it.
    void ShowCountdown(std::optional<int> seconds);
    // Name it: the four bets to choose from, in the order of keys 1 to 4.
    void ShowChoices(const std::array<QString, 4>& choices);
    // Once a task is answered its choices and Check wait for Next.
    void SetAnswered(bool answered);
    struct BetRow {
        QString bet;
        int tasks = 0;
        int right = 0;
        QString missed; // the chip most often left off, or empty
    };
    void ShowBets(const std::vector<BetRow>& rows);
    QString answerText() const;
    // Time on the current task, as the clock label shows it.
    int ElapsedMs() const;
    void Tick();

  signals:
    void drillChosen(Drill drill);
    void levelChosen(int level);
    void checkPressed();
    void nextPressed();
    void choicePressed(int index);
    // Hear it: speak the call again (the button, or R).
    void repeatPressed();
    // Each turn of the clock, before the clock label is drawn.
    void ticked();
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void CreateControls();
    QPushButton* AddButton(const QString& name, const QString& text);
    void CreateBetTable();

    Clock m_clock;
    qint64 m_taskStart = 0;
    std::optional<qint64> m_answeredAt;
    Drill m_drill = Drill::PlaceIt;
    QTabBar* m_tabDrill = nullptr;
    QLabel* m_lblTask = nullptr;
    QLabel* m_lblVerdict = nullptr;
    QLabel* m_lblRight = nullptr;
    QLabel* m_lblWrong = nullptr;
    QLabel* m_lblStreak = nullptr;
    QLabel* m_lblClock = nullptr;
    QLabel* m_lblAverage = nullptr;
    QLabel* m_lblLegend = nullptr;
    QTableWidget* m_tblBets = nullptr;
    QComboBox* m_cmbLevel = nullptr;
    QLineEdit* m_txtAnswer = nullptr;
    QPushButton* m_cmdCheck = nullptr;
    QPushButton* m_cmdNext = nullptr;
    QPushButton* m_cmdRepeat = nullptr;
    QLabel* m_lblCountdown = nullptr;
    std::array<QPushButton*, 4> m_cmdChoice{};
    QTimer* m_tmrClock = nullptr;
};
