#include "window/autoplay/dlgAutoplay.h"
#include "window/common/TableTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>

#include <limits>

namespace {

constexpr int kLargest = std::numeric_limits<std::int32_t>::max();

template <class T> T* Named(QWidget* parent, const char* name) {
    auto* widget = new T(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

dlgAutoplay::dlgAutoplay(QWidget* parent, const AutoplaySettings& settings, AutoplaySpeed speed)
    : QDialog(parent) {
    setObjectName(QStringLiteral("dlgAutoplay"));
    setWindowTitle(tr("Autoplay"));
    auto* form = new QFormLayout(this);
    m_spnSpins = Named<QSpinBox>(this, "spnSpins");
    m_spnSpins->setRange(1, kMaxAutoplaySpins);
    m_spnSpins->setValue(settings.spins);
    form->addRow(tr("Number of spins:"), m_spnSpins);
    m_cmbProgression = Named<QComboBox>(this, "cmbProgression");
    for (const ProgressionKind kind : kProgressions) {
        m_cmbProgression->addItem(TableText(std::string(ProgressionName(kind))));
    }
    m_cmbProgression->setCurrentIndex(static_cast<int>(settings.progression));
    form->addRow(tr("Progression:"), m_cmbProgression);
    const StopRules& rules = settings.rules;
    AddRule("chkStopBelow", "spnStopBelow", tr("Stop when the Balance is at or below"),
            rules.balanceAtOrBelow, std::numeric_limits<std::int32_t>::min());
    AddRule("chkStopAbove", "spnStopAbove", tr("Stop when the Balance is at or above"),
            rules.balanceAtOrAbove, std::numeric_limits<std::int32_t>::min());
    AddRule("chkStopWin", "spnStopWin", tr("Stop when the Last Win is at or above"),
            rules.lastWinAtOrAbove, 0);
    m_chkStopOnWin = Named<QCheckBox>(this, "chkStopOnWin");
    m_chkStopOnWin->setText(tr("Stop after any won spin"));
    m_chkStopOnWin->setChecked(rules.onWin);
    form->addRow(m_chkStopOnWin);
    m_cmbSpeed = Named<QComboBox>(this, "cmbSpeed");
    m_cmbSpeed->addItems({tr("Table"), tr("Fast"), tr("Instant")});
    m_cmbSpeed->setCurrentIndex(static_cast<int>(speed));
    form->addRow(tr("Speed:"), m_cmbSpeed);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    auto* start = Named<QPushButton>(this, "cmdStart");
    start->setText(tr("&Start"));
    start->setDefault(true);
    buttons->addButton(start, QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

// A rule's amount can be typed only while its box is ticked.
void dlgAutoplay::AddRule(const char* check, const char* spin, const QString& text,
                          std::optional<std::int32_t> value, int minimum) {
    auto* box = Named<QCheckBox>(this, check);
    box->setText(text);
    auto* amount = Named<QSpinBox>(this, spin);
    amount->setRange(minimum, kLargest);
    amount->setValue(value.value_or(0));
    amount->setAccessibleName(text);
    box->setChecked(value.has_value());
    amount->setEnabled(value.has_value());
    connect(box, &QCheckBox::toggled, amount, &QWidget::setEnabled);
    static_cast<QFormLayout*>(layout())->addRow(box, amount);
}

std::optional<std::int32_t> dlgAutoplay::RuleValue(const char* check, const char* spin) const {
    if (!findChild<QCheckBox*>(QLatin1String(check))->isChecked()) {
        return std::nullopt;
    }
    return findChild<QSpinBox*>(QLatin1String(spin))->value();
}

AutoplaySettings dlgAutoplay::settings() const {
    AutoplaySettings settings;
    settings.spins = m_spnSpins->value();
    settings.progression =
        kProgressions.at(static_cast<std::size_t>(m_cmbProgression->currentIndex()));
    settings.rules.balanceAtOrBelow = RuleValue("chkStopBelow", "spnStopBelow");
    settings.rules.balanceAtOrAbove = RuleValue("chkStopAbove", "spnStopAbove");
    settings.rules.lastWinAtOrAbove = RuleValue("chkStopWin", "spnStopWin");
    settings.rules.onWin = m_chkStopOnWin->isChecked();
    return settings;
}

AutoplaySpeed dlgAutoplay::speed() const {
    return static_cast<AutoplaySpeed>(m_cmbSpeed->currentIndex());
}
