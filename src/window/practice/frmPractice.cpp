#include "window/practice/frmPractice.h"

#include "window/common/BoardFonts.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTableWidget>
#include <QTimer>

namespace {

QLabel* AddLabel(QWidget* owner, const QString& name, const QString& accessible = {}) {
    auto* label = new QLabel(owner);
    label->setObjectName(name);
    label->setWordWrap(true);
    if (!accessible.isEmpty()) {
        label->setAccessibleName(accessible);
    }
    return label;
}

constexpr int kWidthInCharacters = 72;

} // namespace

frmPractice::frmPractice(QWidget* owner)
    : QWidget(owner, Qt::Window), m_clock([] { return QDateTime::currentMSecsSinceEpoch(); }) {
    setObjectName(QStringLiteral("frmPractice"));
    setWindowTitle(tr("Practice"));
    setAttribute(Qt::WA_QuitOnClose, false);
    CreateControls();
    m_tmrClock = new QTimer(this);
    m_tmrClock->setInterval(200);
    connect(m_tmrClock, &QTimer::timeout, this, &frmPractice::Tick);
    m_tmrClock->start();
}

QPushButton* frmPractice::AddButton(const QString& name, const QString& text) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    return button;
}

void frmPractice::CreateControls() {
    auto* grid = new QGridLayout(this);
    m_tabDrill = new QTabBar(this);
    m_tabDrill->setObjectName(QStringLiteral("tabDrill"));
    // Four drills: every tab in full, the window as wide as they need.
    m_tabDrill->setUsesScrollButtons(false);
    m_tabDrill->setElideMode(Qt::ElideNone);
    for (const char* name : {QT_TR_NOOP("Place it"), QT_TR_NOOP("Name it"), QT_TR_NOOP("Pay it"),
                             QT_TR_NOOP("Hear it")}) {
        m_tabDrill->addTab(tr(name));
    }
    m_cmbLevel = new QComboBox(this);
    m_cmbLevel->setObjectName(QStringLiteral("cmbLevel"));
    m_cmbLevel->setAccessibleName(tr("Level"));
    for (int level = 1; level <= kLevelCount; ++level) {
        m_cmbLevel->addItem(tr("Level %1").arg(level), level);
    }
    m_lblTask = AddLabel(this, QStringLiteral("lblTask"));
    m_lblVerdict = AddLabel(this, QStringLiteral("lblVerdict"));
    m_lblRight = AddLabel(this, QStringLiteral("lblRight"));
    m_lblWrong = AddLabel(this, QStringLiteral("lblWrong"));
    m_lblStreak = AddLabel(this, QStringLiteral("lblStreak"));
    m_lblClock = AddLabel(this, QStringLiteral("lblClock"));
    m_lblAverage = AddLabel(this, QStringLiteral("lblAverage"));
    m_lblLegend = AddLabel(this, QStringLiteral("lblLegend"));
    m_lblLegend->setText(tr("On the table: green, the bet asked for; red, your answer."));
    m_lblLegend->hide();
    CreateBetTable();
    m_txtAnswer = new QLineEdit(this);
    m_txtAnswer->setObjectName(QStringLiteral("txtAnswer"));
    m_txtAnswer->setAccessibleName(tr("Your answer"));
    m_cmdCheck = AddButton(QStringLiteral("cmdCheck"), tr("&Check"));
    m_cmdCheck->setDefault(true);
    m_cmdCheck->setAutoDefault(true);
    m_cmdNext = AddButton(QStringLiteral("cmdNext"), tr("&Next"));
    m_cmdRepeat = AddButton(QStringLiteral("cmdRepeat"), tr("&Repeat"));
    m_lblCountdown = AddLabel(this, QStringLiteral("lblCountdown"));
    m_lblCountdown->hide();
    grid->addWidget(m_tabDrill, 0, 0, 1, 2);
    grid->addWidget(m_cmbLevel, 0, 2, 1, 2);
    grid->addWidget(m_lblTask, 1, 0, 1, 4);
    for (int i = 0; i < 4; ++i) {
        m_cmdChoice.at(i) = AddButton(QStringLiteral("cmdChoice%1").arg(i + 1), QString());
        grid->addWidget(m_cmdChoice.at(i), 2 + i / 2, i % 2 * 2, 1, 2);
        connect(m_cmdChoice.at(i), &QPushButton::clicked, this, [this, i] { choicePressed(i); });
    }
    grid->addWidget(m_txtAnswer, 4, 0, 1, 4);
    grid->addWidget(m_cmdRepeat, 4, 0, 1, 2);
    grid->addWidget(m_lblCountdown, 4, 2, 1, 2);
    grid->addWidget(m_cmdCheck, 5, 0, 1, 2);
    grid->addWidget(m_cmdNext, 5, 2, 1, 2);
    grid->addWidget(m_lblVerdict, 6, 0, 1, 4);
    grid->addWidget(m_lblRight, 7, 0);
    grid->addWidget(m_lblWrong, 7, 1);
    grid->addWidget(m_lblStreak, 7, 2);
    grid->addWidget(m_lblClock, 7, 3);
    grid->addWidget(m_lblLegend, 8, 0, 1, 4);
    grid->addWidget(m_lblAverage, 9, 0, 1, 4);
    grid->addWidget(m_tblBets, 10, 0, 1, 4);
    connect(m_cmdCheck, &QPushButton::clicked, this, &frmPractice::checkPressed);
    connect(m_cmdNext, &QPushButton::clicked, this, &frmPractice::nextPressed);
    connect(m_cmdRepeat, &QPushButton::clicked, this, &frmPractice::repeatPressed);
    connect(m_tabDrill, &QTabBar::currentChanged, this,
            [this](int index) { drillChosen(static_cast<Drill>(index)); });
    connect(m_cmbLevel, &QComboBox::activated, this, [this] { levelChosen(level()); });
    // Wide enough for the longest bet title on a choice, from the font alone.
    setMinimumWidth(fontMetrics().averageCharWidth() * kWidthInCharacters);
}

void frmPractice::SetZoom(double zoom) {
    setFont(ZoomedFont(QApplication::font(this), zoom));
    setMinimumWidth(fontMetrics().averageCharWidth() * kWidthInCharacters);
    adjustSize();
}

void frmPractice::SetClock(Clock clock) {
    m_clock = std::move(clock);
    m_taskStart = m_clock();
}

void frmPractice::ShowDrill(Drill drill) {
    m_drill = drill;
    const QSignalBlocker quiet(m_tabDrill);
    m_tabDrill->setCurrentIndex(static_cast<int>(drill));
    for (QPushButton* choice : m_cmdChoice) {
        choice->setVisible(drill == Drill::NameIt);
    }
    m_txtAnswer->setVisible(drill == Drill::PayIt);
    m_cmdCheck->setVisible(drill != Drill::NameIt);
    m_cmdRepeat->setVisible(drill == Drill::HearIt);
    ShowCountdown(std::nullopt);
}

void frmPractice::ShowCountdown(std::optional<int> seconds) {
    m_lblCountdown->setVisible(seconds.has_value());
    if (seconds) {
        m_lblCountdown->setText(tr("No more bets in %1 s").arg(*seconds));
        m_lblCountdown->setAccessibleName(m_lblCountdown->text());
    }
}

int frmPractice::level() const {
    return m_cmbLevel->currentData().toInt();
}

void frmPractice::SetLevels(const std::array<bool, kLevelCount>& unlocked, int level) {
    auto* model = qobject_cast<QStandardItemModel*>(m_cmbLevel->model());
    for (int i = 0; i < kLevelCount; ++i) {
        model->item(i)->setEnabled(unlocked.at(i));
    }
    const QSignalBlocker quiet(m_cmbLevel);
    m_cmbLevel->setCurrentIndex(level - 1);
}

// A new task restarts the clock and empties the answer.
void frmPractice::ShowTaskText(const QString& task) {
    m_lblTask->setText(task);
    m_lblTask->setAccessibleName(tr("Task: %1").arg(task));
}

void frmPractice::ShowTask(const QString& task) {
    ShowTaskText(task);
    m_txtAnswer->clear();
    if (m_drill == Drill::PayIt) {
        m_txtAnswer->setFocus();
    }
    m_taskStart = m_clock();
    ShowVerdict(QString());
    Tick();
}

void frmPractice::ShowVerdict(const QString& verdict, bool marked) {
    m_lblVerdict->setText(verdict);
    m_lblLegend->setVisible(marked);
    m_lblVerdict->setAccessibleName(verdict.isEmpty() ? tr("No verdict yet")
                                                      : tr("Verdict: %1").arg(verdict));
    QAccessibleEvent event(m_lblVerdict, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void frmPractice::ShowCounts(int right, int wrong, int streak, int bestStreak) {
    m_lblRight->setText(tr("Right: %1").arg(right));
    m_lblWrong->setText(tr("Wrong: %1").arg(wrong));
    m_lblStreak->setText(tr("Streak: %1 (best %2)").arg(streak).arg(bestStreak));
}

QString frmPractice::answerText() const {
    return m_txtAnswer->text();
}

int frmPractice::ElapsedMs() const {
    return static_cast<int>(m_answeredAt.value_or(m_clock()) - m_taskStart);
}

void frmPractice::Tick() {
    emit ticked();
    const int seconds = ElapsedMs() / 1000;
    m_lblClock->setText(
        QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0')));
    m_lblClock->setAccessibleName(tr("Time on this task %1").arg(m_lblClock->text()));
}

void frmPractice::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    closed();
}

// Escape asks for a new task, Enter checks; 1 to 4 choose in Name it.
void frmPractice::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        nextPressed();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        m_drill != Drill::NameIt) {
        checkPressed();
        return;
    }
    if (event->key() == Qt::Key_R && m_drill == Drill::HearIt) {
        repeatPressed();
        return;
    }
    const int index = event->key() - Qt::Key_1;
    if (m_drill == Drill::NameIt && index >= 0 && index < 4) {
        choicePressed(index);
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmPractice::CreateBetTable() {
    m_tblBets = new QTableWidget(0, 3, this);
    m_tblBets->setObjectName(QStringLiteral("tblBets"));
    m_tblBets->setAccessibleName(tr("Your bets at this level"));
    m_tblBets->setHorizontalHeaderLabels({tr("Tasks"), tr("Right"), tr("Most missed")});
    m_tblBets->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tblBets->setFocusPolicy(Qt::NoFocus);
    m_tblBets->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
}

void frmPractice::ShowAverage(std::int64_t milliseconds) {
    const double seconds = static_cast<double>(milliseconds) / 1000.0;
    m_lblAverage->setText(tr("Average time: %1 s").arg(seconds, 0, 'f', 1));
}

void frmPractice::ShowChoices(const std::array<QString, 4>& choices) {
    for (std::size_t i = 0; i < choices.size(); ++i) {
        const QString key = QString::number(i + 1);
        m_cmdChoice.at(i)->setText(QStringLiteral("&%1  %2").arg(key, choices.at(i)));
        m_cmdChoice.at(i)->setAccessibleName(tr("Choice %1: %2").arg(key, choices.at(i)));
    }
}

void frmPractice::SetAnswered(bool answered) {
    for (QPushButton* choice : m_cmdChoice) {
        choice->setEnabled(!answered);
    }
    m_cmdCheck->setEnabled(!answered);
    m_txtAnswer->setReadOnly(answered);
    // The clock stops at the answer and starts again with the next task.
    m_answeredAt.reset();
    if (answered) {
        m_answeredAt = m_clock();
    }
    Tick();
}

void frmPractice::ShowBets(const std::vector<BetRow>& rows) {
    m_tblBets->setRowCount(static_cast<int>(rows.size()));
    QStringList names;
    for (int r = 0; r < m_tblBets->rowCount(); ++r) {
        const BetRow& row = rows.at(static_cast<std::size_t>(r));
        names << row.bet;
        const std::array<QString, 3> cells = {QString::number(row.tasks),
                                              QString::number(row.right), row.missed};
        for (int c = 0; c < 3; ++c) {
            m_tblBets->setItem(r, c, new QTableWidgetItem(cells.at(static_cast<std::size_t>(c))));
        }
    }
    m_tblBets->setVerticalHeaderLabels(names);
}
