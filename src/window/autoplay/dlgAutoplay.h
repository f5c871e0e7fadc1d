#pragma once

#include "strategy/AutoplayRun.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QSpinBox;

// How the ball runs in autoplay: as at the table, four times as quick along
// the same path, or not at all (set on its pocket at once).
enum class AutoplaySpeed { Table, Fast, Instant };

// Asks how to autoplay: spins, progression, stop rules and speed. Accepted
// by "Start"; it plays nothing itself.
class dlgAutoplay : public QDialog {
    Q_OBJECT
  public:
    dlgAutoplay(QWidget* parent, const AutoplaySettings& settings, AutoplaySpeed speed);

    AutoplaySettings settings() const;
    AutoplaySpeed speed() const;

  private:
    void AddRule(const char* check, const char* spin, const QString& text,
                 std::optional<std::int32_t> value, int minimum);
    std::optional<std::int32_t> RuleValue(const char* check, const char* spin) const;

    QSpinBox* m_spnSpins = nullptr;
    QComboBox* m_cmbProgression = nullptr;
    QCheckBox* m_chkStopOnWin = nullptr;
    QComboBox* m_cmbSpeed = nullptr;
};
