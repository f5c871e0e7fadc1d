#pragma once

#include "wheel/CroupierCall.h"
#include "strategy/AutoplayRun.h"

#include <QObject>

#include <optional>

class QAction;
class QTimer;
class Table;
enum class AutoplaySpeed;

// Autoplay: real spins, one after another, with the layout brought to the
// progression's multiple of the layout it started from before each one. The
// table is held for the whole run and takes no input; Escape or "Stop
// autoplay" ends it once the spin under way is settled.
class AutoplayUnit : public QObject {
    Q_OBJECT
  public:
    explicit AutoplayUnit(Table& table);

    QAction* action() const { return m_action; }
    bool running() const { return m_run.has_value(); }
    // How fast the table plays now: autoplay's speed while it runs, else the table's own.
    PlayPace pace() const;
    // Why the last run ended; unset until one has.
    std::optional<AutoplayEnd> lastEnd() const { return m_lastEnd; }

  signals:
    // "Autoplay: spin 3 of 10, Martingale x4" before each spin; empty when it ends.
    void status(const QString& text);

  private:
    void Triggered();
    void Start(const AutoplaySettings& settings, AutoplaySpeed speed);
    void NextSpin();
    // After every settlement; a spin played by hand is no business of autoplay.
    void Settled(bool settled);
    void Block();
    void End();

    Table& m_table;
    QAction* m_action;
    QTimer* m_pause; // between two spins
    QObject* m_escape;
    std::optional<AutoplayRun> m_run;
    std::optional<AutoplayEnd> m_lastEnd;
    AutoplaySettings m_settings;
    AutoplaySpeed m_speed{};
};
