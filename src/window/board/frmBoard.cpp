#include "window/board/frmBoard.h"

#include "window/board/BoardControl.h"

#include "table/RandomSource.h"
#include "wheel/Spin.h"
#include "window/board/BoardLayout.h"
#include "window/board/BoardTable.h"
#include "window/board/ControlFactory.h"
#include "window/common/Artwork.h"
#include "window/common/ClickLabel.h"
#include "window/common/Picture.h"
#include "window/help/HelpUnit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

const QString kTitle = QStringLiteral("Velmora");
constexpr QSize kClientSize(632, 445); // 9480 x 6675 twips

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

frmBoard::frmBoard(QWidget* parent, std::unique_ptr<RandomSource> random)
    : QWidget(parent), m_random(std::move(random)) {
    if (!m_random) {
        m_random = std::make_unique<ClockRandomSource>();
    }
    // First of the children, so it and the features go before the controls they follow.
    m_table = new BoardTable(*this);
    setWindowTitle(kTitle);
    setFixedSize(kClientSize);
    setFont(RoleFont(FontRole::Window));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(kTableGreen));
    setPalette(palette);
    setAutoFillBackground(true);
    CreateControls();
    FindControls();
    ConnectHandlers();
    Form_Load();
    ConnectTeaching();
    CreateStartedFeatures();
}

bool frmBoard::DrillOpen() const {
    return m_table->layoutAside();
}

// Creation order is stacking order: each control lies in front of those before it.
void frmBoard::CreateControls() {
    for (const ControlRow& row : BoardLayout()) {
        m_controls.insert(row.name, CreateControl(row, this));
    }
    m_tmrDelay = new QTimer(this);
    m_tmrDelay->setObjectName(QStringLiteral("tmrDelay"));
    m_tmrDelay->setInterval(kTickMilliseconds);
    m_tmrDelay->setTimerType(Qt::PreciseTimer);
}

void frmBoard::FindControls() {
    for (int s = 0; s < kSpotCount; ++s) {
        m_imgChip.at(s) = Control<Picture>(ArrayName("imgChip", s));
        m_lblChip.at(s) = Control<ClickLabel>(ArrayName("lblChip", s));
    }
    for (int i = 0; i < kChipCount; ++i) {
        m_lblChipColour.at(i) = Control<ClickLabel>(ArrayName("lblChipColour", i));
    }
    for (int i = 0; i < kHistoryCount; ++i) {
        m_txtLastNumber.at(i) = Control<QLineEdit>(ArrayName("txtLastNumber", i));
    }
    m_lblTable = {Control<ClickLabel>(QStringLiteral("lblTable1")),
                  Control<ClickLabel>(QStringLiteral("lblTable2")),
                  Control<ClickLabel>(QStringLiteral("lblTable5")),
                  Control<ClickLabel>(QStringLiteral("lblTable10"))};
    m_txtWinSpin = Control<QLineEdit>(QStringLiteral("txtWinSpin"));
    m_txtBetValue = Control<QLineEdit>(QStringLiteral("txtBetValue"));
    m_txtWinTotal = Control<QLineEdit>(QStringLiteral("txtWinTotal"));
    m_cmbNeighb = Control<QComboBox>(QStringLiteral("cmbNeighb"));
    m_cmbNumber = Control<QComboBox>(QStringLiteral("cmbNumber"));
    m_shpBall = Control<QWidget>(QStringLiteral("shpBall"));
}

void frmBoard::ConnectHandlers() {
    connect(Control<QPushButton>(QStringLiteral("cmdExit")), &QPushButton::clicked, this,
            &frmBoard::cmdExit_Click);
    connect(Control<QPushButton>(QStringLiteral("cmdHelp")), &QPushButton::clicked, this,
            &frmBoard::cmdHelp_Click);
    ConnectBettingHandlers();
    ConnectAnnouncedButtons();
    ConnectSpin();
    for (QComboBox* box : {m_cmbNumber, m_cmbNeighb}) {
        connect(box, &QComboBox::editTextChanged, m_table, &Table::boxesEdited);
    }
    CreateFeatures();
}

void frmBoard::Form_Load() {
    StartTable(m_state, *m_random);
    FillComboBoxes();
    PlaceSpotChips();
    RestBall(m_state, *m_random);
    RedrawBall();
    RedrawSelectors();
}

// The lists come from the catalogue; the shown text is set after them, since
// adding the first item would otherwise show it.
void frmBoard::FillComboBoxes() {
    const Catalogue& catalogue = m_state.catalogue;
    for (const std::string& item : catalogue.NumberListItems) {
        m_cmbNumber->addItem(FromStd(item));
    }
    for (const std::string& item : catalogue.NeighbListItems) {
        m_cmbNeighb->addItem(FromStd(item));
    }
    m_cmbNumber->setCurrentIndex(-1);
    m_cmbNumber->setEditText(QString());
    m_cmbNeighb->setCurrentIndex(-1);
    m_cmbNeighb->setEditText(FromStd(catalogue.NeighbStartText));
}

void frmBoard::PlaceSpotChips() {
    for (int s = 0; s < kSpotCount; ++s) {
        const TwipPoint place = m_state.catalogue.ChipPlace.at(s);
        m_imgChip.at(s)->move(Pixels(place.left, Zoom()), Pixels(place.top, Zoom()));
        m_lblChip.at(s)->move(Pixels(place.left + kStakeLabelOffset.left, Zoom()),
                              Pixels(place.top + kStakeLabelOffset.top, Zoom()));
    }
}

void frmBoard::cmdExit_Click() {
    QMessageBox box(QMessageBox::NoIcon, kTitle, tr("Do you really want to exit?"),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::Yes);
    if (box.exec() == QMessageBox::Yes) {
        window()->close(); // the main window when the table is embedded in one
    }
}

void frmBoard::cmdHelp_Click() {
    m_help->Show();
}
