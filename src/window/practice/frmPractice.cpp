#include "window/practice/frmPractice.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTabBar>
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

} // namespace

frmPractice::frmPractice(QWidget* owner)
    : QWidget(owner, Qt::Window), m_clock([] { return QDateTime::currentMSecsSinceEpoch(); }) {
    setObjectName(QStringLiteral("frmPractice"));
    setWindowTitle(QStringLiteral("Practice"));
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
    for (const char* name : {"Place it", "Name it", "Pay it"}) {
        m_tabDrill->addTab(QString::fromLatin1(name));
    }
    m_cmbLevel = new QComboBox(this);
    m_cmbLevel->setObjectName(QStringLiteral("cmbLevel"));
    m_cmbLevel->setAccessibleName(QStringLiteral("Level"));
    for (int level = 1; level <= kLevelCount; ++level) {
        m_cmbLevel->addItem(QStringLiteral("Level %1").arg(level), level);
    }
    m_lblTask = AddLabel(this, QStringLiteral("lblTask"));
    m_lblVerdict = AddLabel(this, QStringLiteral("lblVerdict"));
    m_lblRight = AddLabel(this, QStringLiteral("lblRight"));
    m_lblWrong = AddLabel(this, QStringLiteral("lblWrong"));
    m_lblStreak = AddLabel(this, QStringLiteral("lblStreak"));
    m_lblClock = AddLabel(this, QStringLiteral("lblClock"));
    m_txtAnswer = new QLineEdit(this);
    m_txtAnswer->setObjectName(QStringLiteral("txtAnswer"));
    m_txtAnswer->setAccessibleName(QStringLiteral("Your answer"));
    m_cmdCheck = AddButton(QStringLiteral("cmdCheck"), QStringLiteral("&Check"));
    m_cmdCheck->setDefault(true);
    m_cmdCheck->setAutoDefault(true);
    m_cmdNext = AddButton(QStringLiteral("cmdNext"), QStringLiteral("&Next"));
    grid->addWidget(m_tabDrill, 0, 0, 1, 2);
    grid->addWidget(m_cmbLevel, 0, 2, 1, 2);
    grid->addWidget(m_lblTask, 1, 0, 1, 4);
    for (int i = 0; i < 4; ++i) {
        m_cmdChoice.at(i) = AddButton(QStringLiteral("cmdChoice%1").arg(i + 1), QString());
        grid->addWidget(m_cmdChoice.at(i), 2 + i / 2, i % 2 * 2, 1, 2);
        connect(m_cmdChoice.at(i), &QPushButton::clicked, this, [this, i] { choicePressed(i); });
    }
    grid->addWidget(m_txtAnswer, 4, 0, 1, 4);
    grid->addWidget(m_cmdCheck, 5, 0, 1, 2);
    grid->addWidget(m_cmdNext, 5, 2, 1, 2);
    grid->addWidget(m_lblVerdict, 6, 0, 1, 4);
    grid->addWidget(m_lblRight, 7, 0);
    grid->addWidget(m_lblWrong, 7, 1);
    grid->addWidget(m_lblStreak, 7, 2);
    grid->addWidget(m_lblClock, 7, 3);
    connect(m_cmdCheck, &QPushButton::clicked, this, &frmPractice::checkPressed);
    connect(m_cmdNext, &QPushButton::clicked, this, &frmPractice::nextPressed);
    connect(m_txtAnswer, &QLineEdit::returnPressed, this, &frmPractice::checkPressed);
    connect(m_tabDrill, &QTabBar::currentChanged, this,
            [this](int index) { drillChosen(static_cast<Drill>(index)); });
    connect(m_cmbLevel, &QComboBox::activated, this, [this] { levelChosen(level()); });
    setFixedWidth(420);
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
void frmPractice::ShowTask(const QString& task) {
    m_lblTask->setText(task);
    m_lblTask->setAccessibleName(QStringLiteral("Task: ") + task);
    m_txtAnswer->clear();
    m_taskStart = m_clock();
    ShowVerdict(QString());
    Tick();
}

void frmPractice::ShowVerdict(const QString& verdict) {
    m_lblVerdict->setText(verdict);
    m_lblVerdict->setAccessibleName(verdict.isEmpty() ? QStringLiteral("No verdict yet")
                                                      : QStringLiteral("Verdict: ") + verdict);
    QAccessibleEvent event(m_lblVerdict, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void frmPractice::ShowCounts(int right, int wrong, int streak, int bestStreak) {
    m_lblRight->setText(QStringLiteral("Right: %1").arg(right));
    m_lblWrong->setText(QStringLiteral("Wrong: %1").arg(wrong));
    m_lblStreak->setText(QStringLiteral("Streak: %1 (best %2)").arg(streak).arg(bestStreak));
}

QString frmPractice::answerText() const {
    return m_txtAnswer->text();
}

int frmPractice::ElapsedMs() const {
    return static_cast<int>(m_clock() - m_taskStart);
}

void frmPractice::Tick() {
    const int seconds = ElapsedMs() / 1000;
    m_lblClock->setText(
        QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0')));
    m_lblClock->setAccessibleName(QStringLiteral("Time on this task ") + m_lblClock->text());
}

void frmPractice::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    closed();
}

// Escape asks for a new task; 1 to 4 choose in Name it.
void frmPractice::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        nextPressed();
        return;
    }
    const int index = event->key() - Qt::Key_1;
    if (m_drill == Drill::NameIt && index >= 0 && index < 4) {
        choicePressed(index);
        return;
    }
    QWidget::keyPressEvent(event);
}
